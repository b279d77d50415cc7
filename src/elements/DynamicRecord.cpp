#include "elements/Dynamic.h"

// The dynamic text's project-file record.
namespace tavo {

void CDynamic::Serialize(CArchive& ar) {}

}  // namespace tavo
