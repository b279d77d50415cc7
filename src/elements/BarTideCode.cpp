#include "elements/BarTide.h"

// The part of the bar's and the trend's download record they share.
namespace tavo {

void CBarTide::Compile() {
  CBase::Compile();
}

}  // namespace tavo
