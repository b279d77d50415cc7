#include "base/Archive.h"
#include "elements/Function.h"

// The function key's project-file record. Files of version 10 and older lack
// the protocol-31 fields; those keep their defaults.
namespace tavo {

void CFunction::Serialize(CArchive& ar) {
  CLightFunc::Serialize(ar);
  ar.Io(m_hand);
  ar.Io(m_hidden);
  ar.Io(m_protected);
  ar.Io(m_action);
  ar.Io(m_coilOp);
  ar.Io(m_jumpKind);
  ar.Io(m_screenNo);
  ar.Io(m_setValue);
  ar.Io(m_valueFormat);
  ar.Io(m_valueSigned);
  ar.Io(m_recipeOp);
  ar.Io(m_recipeTarget);
  ar.Io(m_recipeLen);
  if (ar.IsStoring() || ar.FileVersion() >= 11) {
    ar.Io(m_subType);
    ar.Io(m_subTypeAddr);
    ar.Io(m_regSubTypeCode);
    ar.Io(m_coilSubTypeCode);
  }
  ar.Reserved(91);
  if (ar.IsLoading()) PlaceAtStoredPosition();
}

}  // namespace tavo
