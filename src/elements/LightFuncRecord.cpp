#include "base/Archive.h"
#include "elements/LightFunc.h"

// The part of the light's and the key's project-file record they share.
namespace tavo {

void CLightFunc::Serialize(CArchive& ar) {
  SerializeCommon(ar);
  ar.Io(m_double);
  ar.Io(m_inverse);
  ar.Io(m_subAddr);
  ar.Io(m_picStyle);
  ar.Io(m_station);
  ar.Io(m_regType);
  ar.Io(m_addr);
}

}  // namespace tavo
