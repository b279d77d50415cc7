#include "base/Archive.h"
#include "elements/Register.h"

// The numeric register's project-file record. Files of version 10 and older
// lack the protocol-31 fields; those keep their defaults.
namespace tavo {

void CRegister::Serialize(CArchive& ar) {
  SerializeCommon(ar);
  ar.Io(m_double);
  ar.Io(m_inverse);
  ar.Io(m_station);
  ar.Io(m_regType);
  ar.Io(m_addr);
  ar.Io(m_regCount);
  ar.Io(m_digits);
  ar.Io(m_decimals);
  ar.Io(m_settable);
  ar.Io(m_limited);
  ar.Io(m_inHigh);
  ar.Io(m_inLow);
  ar.Io(m_engHigh);
  ar.Io(m_engLow);
  ar.Io(m_protected);
  ar.Io(m_numFormat);
  ar.Io(m_signed);
  ar.Io(m_scaled);
  ar.Io(m_subAddr);
  if (ar.IsStoring() || ar.FileVersion() >= 11) {
    ar.Io(m_subType);
    ar.Io(m_subTypeCode);
    ar.Io(m_subTypeAddr);
  }
  ar.Reserved(99);
  if (ar.IsLoading()) PlaceAtStoredPosition();
}

}  // namespace tavo
