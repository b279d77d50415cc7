#include "elements/BarTide.h"

// The part of the bar's and the trend's project-file record they share.
namespace tavo {

void CBarTide::Serialize(CArchive& ar) {}

}  // namespace tavo
