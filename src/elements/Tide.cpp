#include "elements/Tide.h"

#include "elements/ElementCommon.h"

namespace tavo {

CTide::CTide() {
  m_kind = kKindTrend;
  m_widthPx = 96;
}

CTide::CTide(Point at) : CTide() {
  SetPanelPosition(*this, at);
}

// The trend's place among its screen's trends belongs to one download.
CTide::CTide(const CTide& o) : CBarTide(o), m_points(o.m_points), m_interval(o.m_interval) {}

std::unique_ptr<CBase> CTide::Clone() const {
  return std::unique_ptr<CBase>(new CTide(*this));
}

void CTide::SetScreenPos(int left, int top) {
  SetSizedRect(left, top);
}

}  // namespace tavo
