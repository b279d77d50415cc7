#include "elements/Chars.h"
#include "elements/DownloadRecord.h"
#include "elements/ElementCommon.h"
#include "elements/ImageShared.h"

// The text's download record: header, then the text encoded into glyph codes.
namespace tavo {

// Only the first m_len bytes travel (a damaged file's text may be longer than
// the one-byte length allows); a character cut at the end shows as a space.
void CChars::CalcCodeSize() {
  m_len = TextLength(m_text);
  m_codeSize = static_cast<uint16_t>(m_len + 4);
}

void CChars::Compile() {
  CBase::Compile();
  PutByte(m_code, 2, static_cast<uint8_t>(Flag(m_inverse) | Flag(m_double) << 1));
  PutByte(m_code, 3, m_len);
}

void CChars::CollectShared(ImageShared& shared) {
  const std::string_view shown = std::string_view(m_text).substr(0, m_len);
  EncodeText(shared.wide, shared.narrow, m_code, 4, shown, 0);
}

void CChars::Relocate(uint16_t& offset) {
  if (m_code.size() < 4u) return;
  AddGlyphOffset(std::span<uint8_t>(m_code).subspan(4), m_len, offset);
}

}  // namespace tavo
