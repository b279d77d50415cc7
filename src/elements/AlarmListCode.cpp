#include <algorithm>

#include "elements/AlarmList.h"
#include "elements/DownloadRecord.h"
#include "elements/ImageShared.h"
#include "plc/Catalogue.h"
#include "plc/Protocol.h"
#include "plc/ProtocolTraits.h"

// The alarm list's part of the download image: header and text blocks.
namespace tavo {

namespace {

constexpr uint16_t kHeaderSize = 10;  // before the text entries
constexpr uint16_t kEntrySize = 3;    // index, block offset
constexpr size_t kBlockHeaderSize = 18;
// The text count is one byte of the header.
constexpr size_t kMaxTexts = 255;

size_t TextCount(const std::vector<std::string>& texts) {
  return std::min(texts.size(), kMaxTexts);
}

// A text's block length (text + 18) is one byte: longer texts, which only a
// damaged file holds, are cut at a character boundary.
std::string_view BlockText(const std::string& text) {
  return TextPrefix(text, CAlarmList::kMaxTextBytes);
}

}  // namespace

void CAlarmList::CalcCodeSize() {
  FreeCode();
  const size_t n = TextCount(m_alarmTexts);
  m_headerLen = static_cast<uint16_t>(kHeaderSize + kEntrySize * n);
  for (size_t j = 0; j < n; ++j) {
    m_blockLens.push_back(
        static_cast<uint8_t>(BlockText(m_alarmTexts[j]).size() + kBlockHeaderSize));
    m_textBlockLen = static_cast<uint16_t>(m_textBlockLen + m_blockLens.back());
  }
}

void CAlarmList::Compile(ImageShared& shared, uint16_t charBase) {
  const uint8_t p = CurrentProtocol();
  const uint16_t a = m_alarmbegin;
  const size_t n = m_blockLens.size();
  const AlarmCoil coil = AlarmCoilOf(p, CurrentProfile(), m_regType, a, m_subAddr, m_bitOffset);
  m_header.assign(m_headerLen, 0);
  PutByte(m_header, 0, static_cast<uint8_t>(n));
  PutByte(m_header, 1, 1);
  PutByte(m_header, 3, m_station);
  PutByte(m_header, 4, coil.typeCode);
  Put16(m_header, 5, coil.wordAddress);
  PutByte(m_header, 7, coil.width);
  PutByte(m_header, 8, coil.subAddress);
  PutByte(m_header, 9, coil.bitOffset);

  m_textBlock.assign(m_textBlockLen, 0);
  size_t at = 0;
  for (size_t j = 0; j < n; ++j) {
    const std::string_view text = BlockText(m_alarmTexts[j]);
    m_textBlock[at] = static_cast<uint8_t>(text.size());
    EncodeText(shared.wide, shared.narrow, m_textBlock, at + kBlockHeaderSize, text, charBase);
    at += m_blockLens[j];
  }
}

void CAlarmList::Relocate(uint16_t& offset) {
  offset = static_cast<uint16_t>(offset + m_headerLen);
  for (size_t j = 0; j < m_blockLens.size(); ++j) {
    PutByte(m_header, kHeaderSize + kEntrySize * j, static_cast<uint8_t>(j));
    Put16(m_header, kHeaderSize + kEntrySize * j + 1, offset);
    offset = static_cast<uint16_t>(offset + m_blockLens[j]);
  }
}

void CAlarmList::AppendTo(std::vector<uint8_t>& image) const {
  image.insert(image.end(), m_header.begin(), m_header.end());
  image.insert(image.end(), m_textBlock.begin(), m_textBlock.end());
}

void CAlarmList::FreeCode() {
  m_header.clear();
  m_headerLen = 0;
  m_textBlock.clear();
  m_textBlockLen = 0;
  m_blockLens.clear();
}

}  // namespace tavo
