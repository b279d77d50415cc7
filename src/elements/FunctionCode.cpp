#include "elements/Function.h"

// The function key's download record and its key pictures.
namespace tavo {

void CFunction::Relocate(uint16_t& offset) {
  CBase::Relocate(offset);
}
void CFunction::CalcCodeSize() {
  CBase::CalcCodeSize();
}
void CFunction::CollectShared(ImageShared& shared) {
  CBase::CollectShared(shared);
}
void CFunction::Compile() {
  CLightFunc::Compile();
}

}  // namespace tavo
