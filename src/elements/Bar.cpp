#include "elements/Bar.h"

#include <utility>

#include "elements/ElementCommon.h"

namespace tavo {

CBar::CBar() {
  m_kind = kKindBar;
  m_widthPx = 16;
}

CBar::CBar(Point at) : CBar() {
  SetPanelPosition(*this, at);
}

std::unique_ptr<CBase> CBar::Clone() const {
  return std::unique_ptr<CBase>(new CBar(*this));
}

void CBar::SetScreenPos(int left, int top) {
  SetSizedRect(left, top);
}

void CBar::SetDirection(uint8_t direction) {
  if (IsHorizontal(direction) != IsHorizontal(m_direction)) std::swap(m_widthPx, m_height);
  m_direction = direction;
}

}  // namespace tavo
