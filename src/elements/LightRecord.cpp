#include "base/Archive.h"
#include "elements/Light.h"

// The light's project-file record. Files of version 10 and older lack the
// protocol-31 fields; those keep their defaults.
namespace tavo {

void CLight::Serialize(CArchive& ar) {
  CLightFunc::Serialize(ar);
  ar.Io(m_bitOffset);
  if (ar.IsStoring() || ar.FileVersion() >= 11) {
    ar.Io(m_subType);
    ar.Io(m_subTypeCode);
    ar.Io(m_subTypeAddr);
  }
  ar.Reserved(50);
  if (ar.IsLoading()) PlaceAtStoredPosition();
}

}  // namespace tavo
