#include "base/Archive.h"
#include "elements/Tide.h"

// The trend graph's project-file record.
namespace tavo {

void CTide::Serialize(CArchive& ar) {
  CBarTide::Serialize(ar);
  ar.Io(m_interval);
  ar.Io(m_points);
  ar.Io(m_subAddr);
  ar.Reserved(99);
  if (ar.IsLoading()) PlaceAtStoredPosition();
}

}  // namespace tavo
