#include "base/Archive.h"
#include "elements/BarTide.h"

// The part of the bar's and the trend's project-file record they share. Files
// of version 10 and older lack the protocol-31 fields.
namespace tavo {

void CBarTide::Serialize(CArchive& ar) {
  SerializeCommon(ar);
  ar.Io(m_widthPx);
  ar.Io(m_height);
  ar.Io(m_numFormat);
  ar.Io(m_signed);
  ar.Io(m_fullScale);
  ar.Io(m_zeroScale);
  ar.Io(m_station);
  ar.Io(m_regType);
  ar.Io(m_addr);
  ar.Io(m_regCount);
  if (ar.IsStoring() || ar.FileVersion() >= 11) {
    ar.Io(m_subType);
    ar.Io(m_subTypeAddr);
    ar.Io(m_subTypeCode);
  }
}

}  // namespace tavo
