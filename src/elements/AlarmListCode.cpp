#include "elements/AlarmList.h"

// The alarm list's part of the download image: header and text blocks.
namespace tavo {

void CAlarmList::CalcCodeSize() {}
void CAlarmList::Compile(ImageShared& shared, uint16_t charBase) {}
void CAlarmList::Relocate(uint16_t& offset) {}
void CAlarmList::AppendTo(std::vector<uint8_t>& image) const {}
void CAlarmList::FreeCode() {
  m_header.clear();
  m_headerLen = 0;
  m_textBlock.clear();
  m_textBlockLen = 0;
  m_blockLens.clear();
}

}  // namespace tavo
