// The register-type code written into the download image: one byte from a type
// name, the protocol number and the use. Low four bits: width of one item in
// bytes (0 = a bit). High four bits: memory area inside the panel's driver.

#include <array>

#include "plc/Catalogue.h"

namespace tavo {

namespace {

template <typename... P>
bool OneOf(uint8_t protocol, P... ps) {
  return ((protocol == ps) || ...);
}

// Index of `name` in `names`, or -1.
template <size_t N>
int IndexIn(std::string_view name, const std::array<std::string_view, N>& names) {
  for (size_t i = 0; i < N; ++i)
    if (names[i] == name) return static_cast<int>(i);
  return -1;
}

}  // namespace

uint8_t RegisterTypeCode(uint8_t p, std::string_view name, uint8_t use) {
  const bool word = use == kUseWord;
  const auto byUse = [word](uint8_t asWord, uint8_t asBit) { return word ? asWord : asBit; };
  int i;

  // The rows are tried in this order; the first name that matches decides.
  if (name == "0x" || name == "IR" || name == "F" || name == "MX") return 0x00;
  if (name == "Y") return OneOf(p, 28, 35) ? 0x20 : 0x00;
  if (name == "M") {
    if (OneOf(p, 20, 23)) return byUse(0x22, 0x20);
    if (p == 26) return 0x40;
    if (p == 28) return 0x30;
    if (OneOf(p, 29, 30, 32, 35, 36)) return 0x10;
    return 0x00;
  }
  if (name == "R") {
    if (p == 6) return 0x00;
    if (p == 17) return 0x04;
    if (p == 24) return 0x10;
    if (p == 26) return 0x20;
    return 0x02;
  }
  static constexpr std::array<std::string_view, 5> kModbus{"1x", "3x", "4x", "5x", "6x"};
  static constexpr std::array<uint8_t, 5> kModbusCodes{0x80, 0x82, 0x02, 0x42, 0x22};
  if ((i = IndexIn(name, kModbus)) >= 0) return kModbusCodes[i];
  if (name == "B" || name == "VB") return 0x01;
  if (name == "W" || name == "VW") {
    if (p == 27) return byUse(0xA2, 0x30);
    if (OneOf(p, 29, 30)) return 0xC2;
    return 0x02;
  }
  if (name == "DM") return p == 24 ? 0xB2 : 0x02;
  if (name == "VD") return 0x04;
  if (name == "D") {
    if (OneOf(p, 4, 11, 12, 13, 18)) return 0x02;
    if (p == 10) return 0x12;
    if (OneOf(p, 20, 23)) return 0x82;
    if (p == 27) return byUse(0x82, 0x10);
    if (p == 28) return 0x22;
    if (p == 36) return 0xC2;
    return 0x04;
  }
  if (name == "SD") return 0x92;
  if (name == "Z") return 0xA2;
  if (name == "T") return p == 27 ? byUse(0xD2, 0x60) : byUse(0xB2, 0x50);
  if (name == "C") return p == 27 ? byUse(0xE2, 0x70) : byUse(0xC2, 0x60);
  if (name == "C_double") return p == 23 ? 0xD4 : 0xD2;
  if (name == "CTH") return 0x32;
  if (name == "CTC") return 0x42;
  if (name == "X") return p == 35 ? 0x80 : 0x10;
  if (name == "SM") return 0x30;
  if (name == "S") return 0x40;
  if (name == "MW") return OneOf(p, 8, 14, 22) ? 0x02 : 0x00;
  if (name == "DT") return p == 6 ? 0x02 : 0x00;
  if (name == "H") return p == 27 ? byUse(0xF2, 0x80) : 0x00;
  if (name == "CIO") return p == 27 ? byUse(0xB2, 0x40) : 0x00;
  if (name == "A") return p == 27 ? byUse(0xC2, 0x50) : 0x00;
  if (name == "WM") return p == 26 ? 0xC2 : 0x00;
  if (name == "WR") return p == 26 ? 0xA2 : 0x00;
  if (name == "V") return p == 28 ? 0xB2 : 0xC2;
  static constexpr std::array<std::string_view, 4> kKinco{"Q", "I", "AIW", "AQW"};
  static constexpr std::array<uint8_t, 4> kKincoCodes{0x20, 0x80, 0xA2, 0xB2};
  if ((i = IndexIn(name, kKinco)) >= 0) return OneOf(p, 29, 30) ? kKincoCodes[i] : 0x00;
  static constexpr std::array<std::string_view, 6> kAbBits{"B3", "B9", "B10", "B11", "B12", "B13"};
  static constexpr std::array<uint8_t, 6> kAbBitCodes{0x30, 0x90, 0xA0, 0xB0, 0xC0, 0xD0};
  if ((i = IndexIn(name, kAbBits)) >= 0) return kAbBitCodes[i];
  static constexpr std::array<std::string_view, 8> kAbWords{"N7",  "N9",  "N10", "N11",
                                                            "N12", "N13", "N14", "N15"};
  static constexpr std::array<uint8_t, 8> kAbWordCodes{0x72, 0x92, 0xA2, 0xB2,
                                                       0xC2, 0xD2, 0xE2, 0xF2};
  if ((i = IndexIn(name, kAbWords)) >= 0) return kAbWordCodes[i];
  // The panel's own registers.
  static constexpr std::array<std::string_view, 5> kPanel{"RP", "RWI", "RDI", "LW", "TM"};
  static constexpr std::array<uint8_t, 5> kPanelCodes{0x70, 0x72, 0x74, 0x92, 0x51};
  if ((i = IndexIn(name, kPanel)) >= 0) return kPanelCodes[i];
  if (name == "AI") return 0xA2;
  if (name == "AQ") return 0xB2;
  return 0x00;
}

const std::vector<std::string>& TypeList(const ProtocolProfile& profile, uint8_t use) {
  static const std::vector<std::string> none;
  switch (use) {
    case kUseWord:
      return profile.m_wordTypes;
    case kUseBitWrite:
      return profile.m_bitWriteTypes;
    case kUseBitRead:
      return profile.m_lightBitTypes;
  }
  return none;
}

std::string_view TypeNameAt(const std::vector<std::string>& list, unsigned index) {
  if (list.empty()) return {};
  return list[index < list.size() ? index : list.size() - 1];
}

uint8_t RegisterTypeCode(const ProtocolProfile& profile, unsigned index, uint8_t use) {
  const auto& list = TypeList(profile, use);
  if (list.empty()) return 0;
  return RegisterTypeCode(profile.m_protocol, TypeNameAt(list, index), use);
}

uint8_t RegisterTypeCode(unsigned index, uint8_t use) {
  return RegisterTypeCode(CurrentProfile(), index, use);
}

}  // namespace tavo
