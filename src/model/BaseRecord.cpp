#include "base/Archive.h"
#include "model/Base.h"

// The element's file record.
namespace tavo {

void CBase::Serialize(CArchive& ar) {
  SerializeCommon(ar);
}

// Kind, then x and y as 32-bit values. The class fixes the kind: the stored
// byte is read but not taken over, so an element never claims another kind
// than its class (pages and the download dispatch on it).
void CBase::SerializeCommon(CArchive& ar) {
  uint8_t kind = m_kind;
  ar.Io(kind);
  ar.Io(m_x);
  ar.Io(m_y);
}

}  // namespace tavo
