#include "model/Base.h"

// The element's file record; filled in with the project-file archive.
namespace tavo {

void CBase::Serialize(CArchive& ar) { SerializeCommon(ar); }
void CBase::SerializeCommon(CArchive& ar) {}

}  // namespace tavo
