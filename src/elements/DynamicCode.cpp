#include "elements/Dynamic.h"

// The dynamic text's download record, its row table and its text block.
namespace tavo {

void CDynamic::FreeCode() {
  CBase::FreeCode();
}
void CDynamic::Relocate(uint16_t& offset) {
  CBase::Relocate(offset);
}
void CDynamic::CalcCodeSize() {
  CBase::CalcCodeSize();
}
void CDynamic::CollectShared(ImageShared& shared) {
  CBase::CollectShared(shared);
}
void CDynamic::Compile() {
  CBase::Compile();
}
void CDynamic::WriteRowTable(uint16_t& offset) {}
void CDynamic::AppendTextBlock(std::vector<uint8_t>& image) const {}

}  // namespace tavo
