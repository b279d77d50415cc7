#include "elements/Bar.h"

// The bar graph's project-file record.
namespace tavo {

void CBar::Serialize(CArchive& ar) {}

}  // namespace tavo
