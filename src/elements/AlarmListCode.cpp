#include <algorithm>

#include "elements/AlarmList.h"
#include "elements/DownloadRecord.h"
#include "elements/ImageShared.h"
#include "plc/Catalogue.h"
#include "plc/Protocol.h"

// The alarm list's part of the download image: header and text blocks.
namespace tavo {

namespace {

constexpr uint16_t kHeaderSize = 10;  // before the text entries
constexpr uint16_t kEntrySize = 3;    // index, block offset
constexpr size_t kBlockHeaderSize = 18;
// The text count is one byte of the header.
constexpr size_t kMaxTexts = 255;

template <typename... P>
bool OneOf(uint8_t p, P... ps) {
  return ((p == ps) || ...);
}

// Alarm code of a name of the protocol's alarm bit list.
uint8_t AlarmCode(uint8_t p, std::string_view name) {
  if (name == "X") return p == 28 ? 18 : 16;
  if (name == "Y") return p == 28 ? 34 : p == 35 ? 32 : 0;
  if (name == "M") return p == 28 ? 50 : OneOf(p, 29, 30, 35, 36) ? 18 : 0;
  if (name == "S") return p == 28 ? 66 : 0;
  if (name == "T") return p == 28 ? 82 : 0;
  if (name == "C") return p == 28 ? 98 : 0;
  if (name == "Q") return OneOf(p, 29, 30) ? 34 : 0;
  return 0;
}

// Register-type code of the first alarm coil (byte 4).
uint8_t TypeCode(uint8_t p, uint8_t t) {
  if (p == 20) return static_cast<uint8_t>(BitReadCode(t) + 2);
  if (OneOf(p, 23, 24)) return BitWriteCode(t);
  // Protocol 26 lists two alarm types; an index past them means the last.
  if (p == 26) return t == 0 ? 0xB2 : 0xD2;
  // Protocol 27's word list is its alarm list shifted by one entry.
  if (p == 27) return WordCode(static_cast<uint8_t>(t + 1));
  if (OneOf(p, 28, 29, 30, 35, 36))
    return AlarmCode(p, TypeNameAt(CurrentProfile().m_alarmBitTypes, t));
  return BitReadCode(t);
}

// Word address of the first alarm coil (bytes 5-6).
uint16_t WordAddress(uint8_t p, uint16_t a) {
  const auto before = static_cast<uint16_t>(a - 1);  // counted from 1
  if (p == 4) return a / 8;
  if (OneOf(p, 7, 20, 23, 26, 28)) return a / 16;
  if (OneOf(p, 3, 8, 10, 13, 16, 17, 34)) return a / 32;
  if (OneOf(p, 19, 21, 25)) return before / 32;
  if (OneOf(p, 29, 30)) return a / 2;
  return a;
}

// Bytes read per poll (byte 7).
uint8_t Width(uint8_t p, uint8_t typeCode) {
  if (OneOf(p, 2, 4, 36)) return 1;
  if (OneOf(p, 5, 6, 7, 11, 12, 14, 15, 18, 20, 22, 23, 26, 27, 28, 29, 30, 32, 35)) return 2;
  if (p == 24) return 0;
  if (OneOf(p, 3, 8, 10, 13, 16, 17, 19, 21, 25, 34)) return 4;
  return typeCode & 0x0F;
}

// Sub-address (byte 8).
uint8_t SubAddress(uint8_t p, uint16_t a, uint8_t subAddr) {
  if (OneOf(p, 7, 20, 23)) return a % 16;
  if (OneOf(p, 24, 29, 30, 35, 36)) return 0;
  if (OneOf(p, 3, 8, 13, 16, 34)) return a % 32;
  return subAddr;
}

// Bit offset of the first alarm coil (byte 9).
uint8_t BitOffset(uint8_t p, uint16_t a, uint8_t subAddr, uint8_t bitOffset) {
  const auto before = static_cast<uint16_t>(a - 1);
  if (p == 4) return a % 8;
  if (OneOf(p, 20, 23, 26, 28)) return a % 16;
  if (OneOf(p, 10, 17)) return a % 32;
  if (OneOf(p, 19, 21, 25)) return before % 32;
  if (OneOf(p, 29, 30)) return static_cast<uint8_t>(subAddr + (a % 2) * 8);
  if (OneOf(p, 2, 5, 6, 11, 12, 14, 15, 22, 27, 32, 36)) return subAddr;
  if (OneOf(p, 3, 7, 8, 13, 16, 24, 34, 35)) return 0;
  return bitOffset;
}

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
  const uint8_t type = TypeCode(p, m_regType);
  m_header.assign(m_headerLen, 0);
  PutByte(m_header, 0, static_cast<uint8_t>(n));
  PutByte(m_header, 1, 1);
  PutByte(m_header, 3, m_station);
  PutByte(m_header, 4, type);
  Put16(m_header, 5, WordAddress(p, a));
  PutByte(m_header, 7, Width(p, type));
  PutByte(m_header, 8, SubAddress(p, a, m_subAddr));
  PutByte(m_header, 9, BitOffset(p, a, m_subAddr, m_bitOffset));

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
