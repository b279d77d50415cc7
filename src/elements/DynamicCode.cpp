#include <algorithm>

#include "elements/DownloadRecord.h"
#include "elements/Dynamic.h"
#include "elements/ElementCommon.h"
#include "elements/ImageShared.h"
#include "plc/Protocol.h"
#include "plc/ProtocolTraits.h"

// The dynamic text's download record, its row table and its text block.
namespace tavo {

namespace {
constexpr uint16_t kDynamicRecordSize = 12;  // before the row table
constexpr uint16_t kRowEntrySize = 4;        // value, block offset
constexpr size_t kRowHeaderSize = 2;         // flags, text length
// A row's block length (text + 2) is one byte.
constexpr size_t kMaxRowText = 255 - kRowHeaderSize;
}  // namespace

void CDynamic::FreeCode() {
  CBase::FreeCode();
  m_rowTexts.clear();
  m_rowValues.clear();
  m_rowBlockLens.clear();
  m_textBlock.clear();
  m_textBlockLen = 0;
}

// Compiles the rows in use: those whose value cell is not empty, in row order.
// Only the element's 32 rows count, and a row's text is cut to what its
// one-byte block length can carry (longer texts come only from damaged files).
void CDynamic::CalcCodeSize() {
  FreeCode();
  m_width = LongestText();
  const size_t rows = std::min<size_t>(kRows, m_valueTexts.size());
  for (size_t i = 0; i < rows; ++i) {
    if (m_valueTexts[i].empty()) continue;
    const std::string_view text = i < m_texts.size() ? std::string_view(m_texts[i]) : "";
    m_rowTexts.emplace_back(TextPrefix(text, kMaxRowText));
    m_rowValues.push_back(static_cast<uint16_t>(i < m_values.size() ? m_values[i] : 0));
    m_rowBlockLens.push_back(static_cast<uint8_t>(m_rowTexts.back().size() + kRowHeaderSize));
    m_textBlockLen = static_cast<uint16_t>(m_textBlockLen + m_rowBlockLens.back());
  }
  m_codeSize = static_cast<uint16_t>(kDynamicRecordSize + kRowEntrySize * m_rowTexts.size());
}

void CDynamic::Compile() {
  CBase::Compile();
  const bool named = TraitsOf(CurrentProtocol()).namedVariables;
  const uint8_t c = named ? m_subTypeCode : WordCode(m_regType);
  m_flags = static_cast<uint8_t>(Flag(m_inverse) | Flag(m_double) << 1 | Flag(m_signed) << 4 |
                                 Flag(m_numFormat) << 5);
  PutByte(m_code, 2, m_flags);
  PutByte(m_code, 3, m_station);
  PutByte(m_code, 4, c);
  Put16(m_code, 5, named ? m_subTypeAddr : m_addr);
  PutByte(m_code, 7, RegisterWidth(c, m_regCount));
  PutByte(m_code, 8, m_subAddr);
  PutByte(m_code, 10, static_cast<uint8_t>(m_rowTexts.size()));
  PutByte(m_code, 11, m_width);
  for (size_t j = 0; j < m_rowValues.size(); ++j)
    Put16(m_code, kDynamicRecordSize + kRowEntrySize * j, m_rowValues[j]);
}

void CDynamic::CollectShared(ImageShared& shared) {
  m_textBlock.clear();
  m_textBlock.reserve(m_textBlockLen);
  for (const std::string& text : m_rowTexts) {
    m_textBlock.push_back(m_flags);
    m_textBlock.push_back(static_cast<uint8_t>(text.size()));
    const size_t at = m_textBlock.size();
    m_textBlock.resize(at + text.size());
    EncodeText(shared.wide, shared.narrow, m_textBlock, at, text, 0);
  }
  shared.AddDynamicText(*this);
}

// Only the encoded texts hold glyph codes: a row's length byte may have its
// top bit set (texts of 128 bytes and more) and is left as it is.
void CDynamic::Relocate(uint16_t& offset) {
  size_t at = 0;
  for (const std::string& text : m_rowTexts) {
    at += kRowHeaderSize;
    if (at + text.size() > m_textBlock.size()) return;
    AddGlyphOffset(std::span<uint8_t>(m_textBlock).subspan(at), text.size(), offset);
    at += text.size();
  }
}

void CDynamic::WriteRowTable(uint16_t& offset) {
  for (size_t j = 0; j < m_rowBlockLens.size(); ++j) {
    Put16(m_code, kDynamicRecordSize + kRowEntrySize * j + 2, offset);
    offset = static_cast<uint16_t>(offset + m_rowBlockLens[j]);
  }
}

void CDynamic::AppendTextBlock(std::vector<uint8_t>& image) const {
  image.insert(image.end(), m_textBlock.begin(), m_textBlock.end());
}

}  // namespace tavo
