#include "elements/Function.h"

// The function key's project-file record.
namespace tavo {

void CFunction::Serialize(CArchive& ar) {}

}  // namespace tavo
