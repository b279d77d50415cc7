#include "elements/UpLoadPic.h"

// The picture's project-file record.
namespace tavo {

void CUpLoadPic::Serialize(CArchive& ar) {}

}  // namespace tavo
