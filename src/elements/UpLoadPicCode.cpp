#include "elements/UpLoadPic.h"

// The picture's 9-byte download record and its picture data.
namespace tavo {

void CUpLoadPic::Relocate(uint16_t& offset) {
  CBase::Relocate(offset);
}
void CUpLoadPic::CalcCodeSize() {
  CBase::CalcCodeSize();
}
void CUpLoadPic::CollectShared(ImageShared& shared) {
  CBase::CollectShared(shared);
}
void CUpLoadPic::Compile() {
  CBase::Compile();
}

}  // namespace tavo
