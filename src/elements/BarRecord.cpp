#include "base/Archive.h"
#include "elements/Bar.h"

// The bar graph's project-file record.
namespace tavo {

void CBar::Serialize(CArchive& ar) {
  CBarTide::Serialize(ar);
  ar.Io(m_direction);
  ar.Io(m_subAddr);
  ar.Reserved(99);
  if (ar.IsLoading()) PlaceAtStoredPosition();
}

}  // namespace tavo
