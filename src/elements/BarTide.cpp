#include "elements/BarTide.h"

#include "elements/ElementCommon.h"
#include "plc/Protocol.h"

namespace tavo {

namespace {

// Byte width of a new graph's register. Protocol 31's first variable, "RC"
// "Itime", has code 5: five bytes, so the full scale is every bit of 32.
unsigned NewGraphWidth(uint8_t protocol) {
  return protocol == 31 ? 5 : DefaultWordWidth(protocol);
}

}  // namespace

CBarTide::CBarTide() {
  const uint8_t p = CurrentProtocol();
  m_addr = DefaultBitElementAddress(p);
  m_fullScale = AllOnesOfWidth(NewGraphWidth(p));
}

void CBarTide::SetSizedRect(int left, int top) {
  m_rect = {left, top, left + PanelToEditor(m_widthPx), top + PanelToEditor(m_height)};
}

}  // namespace tavo
