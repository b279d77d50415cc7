#include "elements/Chars.h"

// The text's project-file record.
namespace tavo {

void CChars::Serialize(CArchive& ar) {}

}  // namespace tavo
