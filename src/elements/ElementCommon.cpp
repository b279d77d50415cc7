#include "elements/ElementCommon.h"

#include "plc/Catalogue.h"
#include "plc/Protocol31.h"
#include "plc/ProtocolTraits.h"

namespace tavo {

uint16_t DefaultBitElementAddress(uint8_t protocol) {
  return TraitsOf(protocol).bitElementAddress;
}

uint8_t WordCodeWidth(uint8_t wordCode) {
  return wordCode == 0x70 ? 2 : static_cast<uint8_t>(wordCode & 0x0F);
}

uint8_t DefaultWordWidth(uint8_t protocol) {
  const ProtocolProfile profile = BuildProfile(protocol, 0);
  if (profile.m_wordTypes.empty()) return 0;
  return WordCodeWidth(RegisterTypeCode(profile, 0, kUseWord));
}

uint8_t FirstVariableWidth() {
  const ProtocolProfile profile = BuildProfile(kProtocolNamedVariables, 0);
  const std::string_view type = TypeNameAt(profile.m_wordTypes, 0);
  const auto& names = VariableNames(type, VariableUse::WordDisplay);
  if (names.empty()) return 0;
  return static_cast<uint8_t>(VariableCode(type, names.front()) & 0x0F);
}

int32_t AllOnesOfWidth(unsigned width) {
  if (width >= 4) return static_cast<int32_t>(0xFFFFFFFFu);
  return static_cast<int32_t>((1u << (8 * width)) - 1u);
}

}  // namespace tavo
