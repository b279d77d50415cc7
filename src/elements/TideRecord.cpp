#include "elements/Tide.h"

// The trend graph's project-file record.
namespace tavo {

void CTide::Serialize(CArchive& ar) {}

}  // namespace tavo
