#include "elements/Bar.h"

// The bar graph's 20-byte download record.
namespace tavo {

void CBar::CalcCodeSize() {
  CBase::CalcCodeSize();
}
void CBar::Compile() {
  CBarTide::Compile();
}

}  // namespace tavo
