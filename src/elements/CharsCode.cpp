#include "elements/Chars.h"

// The text's download record: header, then the text encoded into glyph codes.
namespace tavo {

void CChars::Relocate(uint16_t& offset) {
  CBase::Relocate(offset);
}
void CChars::CalcCodeSize() {
  CBase::CalcCodeSize();
}
void CChars::CollectShared(ImageShared& shared) {
  CBase::CollectShared(shared);
}
void CChars::Compile() {
  CBase::Compile();
}

}  // namespace tavo
