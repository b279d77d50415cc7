#include "base/Archive.h"
#include "elements/Dynamic.h"

// The dynamic text's project-file record. The signed flag and the width are
// not stored; files of version 10 and older lack the protocol-31 fields.
namespace tavo {

void CDynamic::Serialize(CArchive& ar) {
  SerializeCommon(ar);
  ar.Io(m_double);
  ar.Io(m_inverse);
  ar.Io(m_station);
  ar.Io(m_regType);
  ar.Io(m_addr);
  ar.Io(m_regCount);
  ar.Io(m_numFormat);
  ar.IoStringList(m_texts);  // reading replaces each list, whatever its length
  ar.IoInt32List(m_values);
  ar.IoStringList(m_valueTexts);
  ar.Io(m_subAddr);
  if (ar.IsStoring() || ar.FileVersion() >= 11) {
    ar.Io(m_subType);
    ar.Io(m_subTypeCode);
    ar.Io(m_subTypeAddr);
  }
  ar.Reserved(99);
  if (ar.IsLoading()) {
    m_signed = 0;
    PlaceAtStoredPosition();  // recomputes m_width
  }
}

}  // namespace tavo
