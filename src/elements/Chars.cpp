#include "elements/Chars.h"

#include "elements/ElementCommon.h"

namespace tavo {

CChars::CChars() {
  m_kind = kKindText;
}

CChars::CChars(Point at, std::string text) : m_text(std::move(text)) {
  m_kind = kKindText;
  SetPanelPosition(*this, at);
  m_len = TextLength(m_text);
}

std::unique_ptr<CBase> CChars::Clone() const {
  return std::unique_ptr<CBase>(new CChars(*this));
}

void CChars::SetScreenPos(int left, int top) {
  m_len = TextLength(m_text);
  const int scale = 1 + Flag(m_double);
  m_rect = {left, top, left + 18 * scale * m_len, top + 36 * scale};
}

int CChars::MaxX() const {
  return kPanelWidth - 8 * m_len * (1 + Flag(m_double));
}
int CChars::MaxY() const {
  return kPanelHeight - 16 * (1 + Flag(m_double));
}

}  // namespace tavo
