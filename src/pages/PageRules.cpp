#include "pages/PageRules.h"

#include <algorithm>

#include "elements/ElementCommon.h"
#include "plc/Protocol31.h"
#include "plc/ProtocolTraits.h"

namespace tavo::app {

namespace {
bool Contains(const std::vector<std::string_view>& names, std::string_view name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}
}  // namespace

Range StationRange(const ProtocolProfile& profile) {
  return {static_cast<double>(profile.m_stationMin), static_cast<double>(profile.m_stationMax)};
}

Range AddressRange(const ProtocolProfile& profile, bool bitAddress) {
  return {0, static_cast<double>(bitAddress ? profile.m_maxBitAddr : profile.m_maxWordAddr)};
}

Radix AddressRadix(const ProtocolProfile& profile, std::string_view typeName) {
  if (profile.OctalAddresses()) return Radix::Octal;
  if (Contains(TraitsOf(profile.m_protocol).octalTypes, typeName)) return Radix::Octal;
  return Radix::Unsigned;
}

bool SubAddressShown(const ProtocolProfile& profile) {
  return profile.Switch(1) && !profile.m_namedVariables;
}

Range SubAddressRange(const ProtocolProfile& profile) {
  return {0, static_cast<double>(profile.m_maxBitIndex)};
}

bool BitOffsetShown(const ProtocolProfile& profile) {
  return profile.Switch(5);
}

Range BitOffsetRange(unsigned width) {
  return {0, 8.0 * width - 1};
}

unsigned RegisterWidth(uint8_t wordCode, unsigned count) {
  const unsigned product = unsigned{wordCode} * count;
  const unsigned width = product == 0x70 ? 2 : (product & 0x0F);
  return width == 0 ? 2 : width;
}

Range WidthRange(unsigned width, bool isSigned) {
  if (width > 4) width = 4;
  const double span = static_cast<double>(uint64_t{1} << (8 * width));
  if (isSigned) return {-span / 2, span / 2 - 1};
  return {0, span - 1};
}

namespace {
bool HasD2Range(const ProtocolProfile& profile, unsigned regType) {
  return TraitsOf(profile.m_protocol).doubleCounters &&
         RegisterTypeCode(profile, regType, kUseWord) == 0xD2;
}
}  // namespace

Range RegisterLimitRange(const ProtocolProfile& profile, unsigned regType, unsigned count,
                         bool isSigned) {
  if (profile.m_namedVariables) return {0, 65535};
  if (HasD2Range(profile, regType)) return {200, 255};
  return WidthRange(RegisterWidth(RegisterTypeCode(profile, regType, kUseWord), count), isSigned);
}

Range GraphScaleRange(const ProtocolProfile& profile, unsigned regType, unsigned count,
                      bool isSigned) {
  if (profile.m_namedVariables) return WidthRange(4, isSigned);
  if (HasD2Range(profile, regType)) return {200, 255};
  return WidthRange(RegisterWidth(RegisterTypeCode(profile, regType, kUseWord), count), isSigned);
}

Radix ValueRadix(uint8_t numFormat, bool isSigned) {
  if (numFormat == 0) return Radix::Hex;
  return isSigned ? Radix::Signed : Radix::Unsigned;
}

VariableFields Protocol31Fields(std::string_view typeName, std::string_view variable) {
  if (typeName == "RC" && variable == "MinMaxReset") return {16, 99};
  if (typeName == "PK" && variable == "SensorError") return {16, 35};
  return {VariableClass(variable), VariableCode(typeName, variable)};
}

uint16_t SubTypeAddressBase(std::string_view typeName) {
  struct Base {
    std::string_view name;
    uint16_t base;
  };
  static constexpr Base kBases[] = {{"RC", 0x100}, {"KV", 0x200}, {"AI", 0x300}, {"UI", 0x400},
                                    {"AU", 0x500}, {"DI", 0x600}, {"DU", 0x700}, {"PK", 0x900}};
  for (const Base& b : kBases)
    if (b.name == typeName) return b.base;
  return 0;
}

uint16_t SubTypeAddress(std::string_view typeName, uint16_t addr) {
  return static_cast<uint16_t>(SubTypeAddressBase(typeName) + (addr & 0xFF));
}

uint8_t FixedRegisterCount(uint8_t protocol, std::string_view typeName, bool registerPage) {
  const ProtocolTraits& traits = TraitsOf(protocol);
  if (traits.registerCountByType) {
    if (typeName == "D" || typeName == "SD") return 0;
    return typeName == "C_double" ? 2 : 1;
  }
  if (registerPage && Contains(traits.singleRegisterTypes, typeName)) return 1;
  return 0;
}

bool RegisterSettable(uint8_t protocol, std::string_view typeName) {
  return !Contains(TraitsOf(protocol).readOnlyTypes, typeName);
}

bool IsPanelInternalCode(uint8_t wordCode) {
  switch (wordCode) {
    case 0x51:
    case 0x70:
    case 0x72:
    case 0x74:
    case 0x91:
      return true;
    default:
      return false;
  }
}

}  // namespace tavo::app
