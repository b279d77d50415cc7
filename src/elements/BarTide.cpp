#include "elements/BarTide.h"

#include "elements/ElementCommon.h"
#include "plc/Protocol.h"
#include "plc/ProtocolTraits.h"

namespace tavo {

namespace {

// Byte width of a new graph's register. Under protocol 31 it is the width of
// the first variable, "RC" "Itime" (code 5: the full scale is all 32 bits).
unsigned NewGraphWidth(uint8_t protocol) {
  return TraitsOf(protocol).namedVariables ? FirstVariableWidth() : DefaultWordWidth(protocol);
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
