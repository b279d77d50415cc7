#include "elements/ElementCommon.h"

namespace tavo {

uint16_t DefaultBitElementAddress(uint8_t protocol) {
  switch (protocol) {
    case 3:
    case 16:
    case 19:
    case 20:
    case 21:
    case 23:
    case 25:
    case 34:
      return 1;
    default:
      return 0;
  }
}

uint8_t DefaultWordWidth(uint8_t protocol) {
  // First word type per protocol and its word code: 1 "B" 0x01; 17 "R" 0x04;
  // 31 "RC" (a variable class, no code); every other protocol's first type
  // ("4x", "VW", "D", "DM", "N7" 0x72, "3x" 0x82, "WM" 0xC2, "AIW" 0xA2 ...)
  // is one word wide.
  if (protocol < 1 || protocol > 36 || protocol == 31) return 0;
  if (protocol == 1) return 1;
  if (protocol == 17) return 4;
  return 2;
}

int32_t AllOnesOfWidth(unsigned width) {
  if (width >= 4) return static_cast<int32_t>(0xFFFFFFFFu);
  return static_cast<int32_t>((1u << (8 * width)) - 1u);
}

}  // namespace tavo
