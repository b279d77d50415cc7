#include "elements/Bar.h"
#include "elements/DownloadRecord.h"

// The bar graph's 20-byte download record.
namespace tavo {

namespace {
constexpr uint16_t kBarRecordSize = 20;
}  // namespace

void CBar::CalcCodeSize() {
  m_codeSize = kBarRecordSize;
}

void CBar::Compile() {
  CBarTide::Compile();
  // 1 up, 2 down, 4 left, 8 right; a direction only a damaged file holds
  // counts as up, as the editor draws it (vertical).
  const uint8_t direction = m_direction <= kBarRight ? m_direction : uint8_t{kBarUp};
  PutByte(m_code, 19, static_cast<uint8_t>(1u << direction));
}

}  // namespace tavo
