// The per-protocol facts table and the alarm list's first-coil addressing.

#include "plc/ProtocolTraits.h"

#include <array>
#include <initializer_list>

#include "plc/Catalogue.h"

namespace tavo {

namespace {

template <typename... P>
bool OneOf(uint8_t protocol, P... ps) {
  return ((protocol == ps) || ...);
}

bool In(uint8_t protocol, std::initializer_list<uint8_t> protocols) {
  for (uint8_t p : protocols)
    if (p == protocol) return true;
  return false;
}

ProtocolTraits Build(uint8_t p) {
  ProtocolTraits t;
  // Modbus-style PLCs and those whose manuals count registers from 1.
  const bool fromOne = In(p, {3, 16, 19, 20, 21, 23, 25, 34});
  t.bitElementAddress = fromOne ? 1 : 0;
  t.elementAddress = p == 5 ? 16 : t.bitElementAddress;
  t.keyAddress = p == 31 ? 1 : t.bitElementAddress;
  t.registerAddress = p == 31 ? 1 : p == 7 ? 1024 : t.bitElementAddress;
  t.elementStation = p == 2 ? 2 : In(p, {5, 11, 17, 18, 22, 36}) ? 0 : 1;
  t.alarmStation = p == 5 ? 0 : p == 2 ? 2 : 1;
  t.controlStation = p == 2 ? 2 : In(p, {5, 17}) ? 0 : 1;

  t.namedVariables = p == 31;
  t.bitAddressFoldsSubAddress = In(p, {11, 12, 18, 22});
  t.stationIsPanelStation = In(p, {14, 21});
  if (p == 20) t.octalTypes = {"X", "Y"};

  t.setsCoils = p != 1;
  t.coilsThroughBitWriteList = In(p, {19, 20, 23, 24, 25, 28});
  t.keyRecipes = !(p == 19 || (p >= 23 && p <= 32));
  t.wordWriteSubAddress = p == 1;

  t.doubleCounters = In(p, {20, 23});
  t.registerCountByType = In(p, {20, 23});
  if (In(p, {29, 30})) t.singleRegisterTypes = {"AIW", "AQW"};
  if (In(p, {3, 34})) t.readOnlyTypes = {"3x"};
  if (In(p, {29, 30})) t.readOnlyTypes = {"AIW"};

  t.controlAddressMin = In(p, {3, 16, 19, 20, 21, 23, 24, 25, 34}) ? 1 : 0;
  t.controlTypeFixed = In(p, {3, 8, 11, 12, 16, 18, 19, 20, 21, 22, 23, 24, 25, 34});
  t.controlStationSet = p != 15;
  t.fileAddresses = p == 15;

  t.alarmAddressMin = In(p, {3, 16, 19, 21, 25, 33, 34}) ? 1 : 0;
  t.alarmSubAddress = In(p, {1, 2, 5, 6, 7, 14, 15, 21, 27, 29, 30, 32, 36});
  if (In(p, {19, 21, 25})) t.alarmLabelWithBit = CoilNumbering::Consecutive;
  if (In(p, {11, 12, 18, 22})) t.alarmLabelWithBit = CoilNumbering::WordHexBit;
  if (In(p, {2, 29, 30, 36})) t.alarmLabelWithBit = CoilNumbering::WordDotDataBit;
  if (p == 15) t.alarmLabelWithBit = CoilNumbering::FileWordSlashBit;
  if (In(p, {3, 16, 34})) t.alarmLabelPlain = CoilNumbering::SlashConsecutive;
  if (p == 7) t.alarmLabelPlain = CoilNumbering::OctalConsecutive;

  t.oldBitAddressTimesSixteen = In(p, {5, 6, 14, 11, 12, 18, 22});

  if (In(p, {3, 19, 21, 25, 34})) t.modbus = ModbusFraming::Rtu;
  if (p == 16) t.modbus = ModbusFraming::Ascii;
  return t;
}

// Alarm code of a name of the protocol's alarm bit list.
uint8_t AlarmNameCode(uint8_t p, std::string_view name) {
  if (name == "X") return p == 28 ? 18 : 16;
  if (name == "Y") return p == 28 ? 34 : p == 35 ? 32 : 0;
  if (name == "M") return p == 28 ? 50 : OneOf(p, 29, 30, 35, 36) ? 18 : 0;
  if (name == "S") return p == 28 ? 66 : 0;
  if (name == "T") return p == 28 ? 82 : 0;
  if (name == "C") return p == 28 ? 98 : 0;
  if (name == "Q") return OneOf(p, 29, 30) ? 34 : 0;
  return 0;
}

// Register-type code of the first alarm coil (byte 4).
uint8_t AlarmTypeCode(uint8_t p, const ProtocolProfile& profile, uint8_t t) {
  if (p == 20) return static_cast<uint8_t>(RegisterTypeCode(profile, t, kUseBitRead) + 2);
  if (OneOf(p, 23, 24)) return RegisterTypeCode(profile, t, kUseBitWrite);
  // Protocol 26 lists two alarm types; an index past them means the last.
  if (p == 26) return t == 0 ? 0xB2 : 0xD2;
  // Protocol 27's word list is its alarm list shifted by one entry.
  if (p == 27) return RegisterTypeCode(profile, static_cast<uint8_t>(t + 1), kUseWord);
  if (OneOf(p, 28, 29, 30, 35, 36)) return AlarmNameCode(p, TypeNameAt(profile.m_alarmBitTypes, t));
  return RegisterTypeCode(profile, t, kUseBitRead);
}

// Word address of the first alarm coil (bytes 5-6).
uint16_t AlarmWordAddress(uint8_t p, uint16_t a) {
  const auto before = static_cast<uint16_t>(a - 1);  // counted from 1
  if (p == 4) return a / 8;
  if (OneOf(p, 7, 20, 23, 26, 28)) return a / 16;
  if (OneOf(p, 3, 8, 10, 13, 16, 17, 34)) return a / 32;
  if (OneOf(p, 19, 21, 25)) return before / 32;
  if (OneOf(p, 29, 30)) return a / 2;
  return a;
}

// Bytes read per poll (byte 7).
uint8_t AlarmWidth(uint8_t p, uint8_t typeCode) {
  if (OneOf(p, 2, 4, 36)) return 1;
  if (OneOf(p, 5, 6, 7, 11, 12, 14, 15, 18, 20, 22, 23, 26, 27, 28, 29, 30, 32, 35)) return 2;
  if (p == 24) return 0;
  if (OneOf(p, 3, 8, 10, 13, 16, 17, 19, 21, 25, 34)) return 4;
  return typeCode & 0x0F;
}

// Sub-address (byte 8).
uint8_t AlarmSubAddress(uint8_t p, uint16_t a, uint8_t subAddr) {
  if (OneOf(p, 7, 20, 23)) return a % 16;
  if (OneOf(p, 24, 29, 30, 35, 36)) return 0;
  if (OneOf(p, 3, 8, 13, 16, 34)) return a % 32;
  return subAddr;
}

// Bit offset of the first alarm coil (byte 9).
uint8_t AlarmBitOffset(uint8_t p, uint16_t a, uint8_t subAddr, uint8_t bitOffset) {
  const auto before = static_cast<uint16_t>(a - 1);
  if (p == 4) return a % 8;
  if (OneOf(p, 20, 23, 26, 28)) return a % 16;
  if (OneOf(p, 10, 17)) return a % 32;
  if (OneOf(p, 19, 21, 25)) return before % 32;
  if (OneOf(p, 29, 30)) return static_cast<uint8_t>(subAddr + (a % 2) * 8);
  if (OneOf(p, 2, 5, 6, 11, 12, 14, 15, 22, 27, 32, 36)) return subAddr;
  if (OneOf(p, 3, 7, 8, 13, 16, 24, 34, 35)) return 0;
  return bitOffset;
}

}  // namespace

const ProtocolTraits& TraitsOf(uint8_t protocol) {
  static const std::array<ProtocolTraits, kProtocolCount + 1> rows = [] {
    std::array<ProtocolTraits, kProtocolCount + 1> out;
    for (uint8_t p = 1; p <= kProtocolCount; ++p) out[p] = Build(p);
    return out;
  }();
  return IsCatalogueProtocol(protocol) ? rows[protocol] : rows[0];
}

AlarmCoil AlarmCoilOf(uint8_t protocol, const ProtocolProfile& profile, uint8_t regType,
                      uint16_t alarmBegin, uint8_t subAddr, uint8_t bitOffset) {
  AlarmCoil c;
  c.typeCode = AlarmTypeCode(protocol, profile, regType);
  c.wordAddress = AlarmWordAddress(protocol, alarmBegin);
  c.width = AlarmWidth(protocol, c.typeCode);
  c.subAddress = AlarmSubAddress(protocol, alarmBegin, subAddr);
  c.bitOffset = AlarmBitOffset(protocol, alarmBegin, subAddr, bitOffset);
  return c;
}

}  // namespace tavo
