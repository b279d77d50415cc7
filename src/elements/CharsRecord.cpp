#include "base/Archive.h"
#include "elements/Chars.h"

// The text's project-file record; the same in every file version.
namespace tavo {

void CChars::Serialize(CArchive& ar) {
  SerializeCommon(ar);
  ar.Io(m_double);
  ar.Io(m_inverse);
  ar.IoString(m_text);
  ar.Reserved(50);
  if (ar.IsLoading()) PlaceAtStoredPosition();  // also recomputes m_len
}

}  // namespace tavo
