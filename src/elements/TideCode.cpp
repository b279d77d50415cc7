#include "elements/Tide.h"

// The trend graph's 24-byte download record.
namespace tavo {

void CTide::CalcCodeSize() {
  CBase::CalcCodeSize();
}
void CTide::Compile() {
  CBarTide::Compile();
}

}  // namespace tavo
