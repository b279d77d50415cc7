// The protocol facts table, one line per protocol, so that a changed fact
// shows as a changed row; the alarm list's first coil is shown for one sample
// list (register type 0, start address 37, sub-address 3, bit offset 5).
#include <gtest/gtest.h>

#include <string>

#include "plc/Catalogue.h"
#include "plc/ProtocolTraits.h"

namespace tavo {
namespace {

std::string B(bool v) {
  return v ? "+" : "-";
}

std::string Names(const std::vector<std::string_view>& names) {
  std::string out;
  for (std::string_view n : names) out += (out.empty() ? "" : ",") + std::string(n);
  return out.empty() ? "-" : out;
}

const char* Numbering(CoilNumbering n) {
  switch (n) {
    case CoilNumbering::WordDotBit:
      return "w.b";
    case CoilNumbering::WordHexBit:
      return "wb";
    case CoilNumbering::WordDotDataBit:
      return "w.d";
    case CoilNumbering::FileWordSlashBit:
      return ":w/b";
    case CoilNumbering::Consecutive:
      return "n";
    case CoilNumbering::SlashConsecutive:
      return "/n";
    case CoilNumbering::OctalConsecutive:
      return "o";
  }
  return "?";
}

const char* Framing(ModbusFraming f) {
  switch (f) {
    case ModbusFraming::None:
      return "-";
    case ModbusFraming::Rtu:
      return "rtu";
    case ModbusFraming::Ascii:
      return "ascii";
  }
  return "?";
}

// Columns: addresses of a new element / bit element / key / register;
// stations of an element / the alarm list / the control register; named
// variables, folded bit address, panel station range, octal types; keys: set
// coil, coil through BW, recipes, sub-address of word writes; double counters,
// count by type, single-register types, read-only types; control register:
// first address, fixed type, station entered, file addresses; alarm list:
// first address, sub-address, labels with bit / plain; old bit address x 16;
// Modbus framing; first alarm coil: type code, word address, width, byte 8, byte 9.
std::string Row(uint8_t p) {
  const ProtocolTraits& t = TraitsOf(p);
  const AlarmCoil c = AlarmCoilOf(p, BuildProfile(p, 0), 0, 37, 3, 5);
  char coil[48];
  std::snprintf(coil, sizeof coil, "%02X %u %u %u %u", c.typeCode, c.wordAddress, c.width,
                c.subAddress, c.bitOffset);
  return std::to_string(p) + " | " + std::to_string(t.elementAddress) + " " +
         std::to_string(t.bitElementAddress) + " " + std::to_string(t.keyAddress) + " " +
         std::to_string(t.registerAddress) + " | " + std::to_string(t.elementStation) + " " +
         std::to_string(t.alarmStation) + " " + std::to_string(t.controlStation) + " | " +
         B(t.namedVariables) + B(t.bitAddressFoldsSubAddress) + B(t.stationIsPanelStation) + " " +
         Names(t.octalTypes) + " | " + B(t.setsCoils) + B(t.coilsThroughBitWriteList) +
         B(t.keyRecipes) + B(t.wordWriteSubAddress) + " | " + B(t.doubleCounters) +
         B(t.registerCountByType) + " " + Names(t.singleRegisterTypes) + " " +
         Names(t.readOnlyTypes) + " | " + std::to_string(t.controlAddressMin) +
         B(t.controlTypeFixed) + B(t.controlStationSet) + B(t.fileAddresses) + " | " +
         std::to_string(t.alarmAddressMin) + B(t.alarmSubAddress) + " " +
         Numbering(t.alarmLabelWithBit) + " " + Numbering(t.alarmLabelPlain) + " | " +
         B(t.oldBitAddressTimesSixteen) + " " + Framing(t.modbus) + " | " + coil;
}

TEST(ProtocolTraits, EveryPropertyOfEveryProtocol) {
  // clang-format off
  const char* const kRows[] = {
      "0 | 0 0 0 0 | 1 1 1 | --- - | +-+- | -- - - | 0-+- | 0- w.b n | - - | 00 37 0 3 5",
      "1 | 0 0 0 0 | 1 1 1 | --- - | --++ | -- - - | 0-+- | 0+ w.b n | - - | 01 37 1 3 5",
      "2 | 0 0 0 0 | 2 2 2 | --- - | +-+- | -- - - | 0-+- | 0+ w.d n | - - | 00 37 1 3 3",
      "3 | 1 1 1 1 | 1 1 1 | --- - | +-+- | -- - 3x | 1++- | 1- w.b /n | - rtu | 00 1 4 5 0",
      "4 | 0 0 0 0 | 1 1 1 | --- - | +-+- | -- - - | 0-+- | 0- w.b n | - - | 00 4 1 3 5",
      "5 | 16 0 0 0 | 0 0 0 | --- - | +-+- | -- - - | 0-+- | 0+ w.b n | + - | 00 37 2 3 3",
      "6 | 0 0 0 0 | 1 1 1 | --- - | +-+- | -- - - | 0-+- | 0+ w.b n | + - | 00 37 2 3 3",
      "7 | 0 0 0 1024 | 1 1 1 | --- - | +-+- | -- - - | 0-+- | 0+ w.b o | - - | 00 2 2 5 0",
      "8 | 0 0 0 0 | 1 1 1 | --- - | +-+- | -- - - | 0++- | 0- w.b n | - - | 00 1 4 5 0",
      "9 | 0 0 0 0 | 1 1 1 | --- - | +-+- | -- - - | 0-+- | 0- w.b n | - - | 00 37 0 3 5",
      "10 | 0 0 0 0 | 1 1 1 | --- - | +-+- | -- - - | 0-+- | 0- w.b n | - - | 00 1 4 3 5",
      "11 | 0 0 0 0 | 0 1 1 | -+- - | +-+- | -- - - | 0++- | 0- wb n | + - | 00 37 2 3 3",
      "12 | 0 0 0 0 | 1 1 1 | -+- - | +-+- | -- - - | 0++- | 0- wb n | + - | 00 37 2 3 3",
      "13 | 0 0 0 0 | 1 1 1 | --- - | +-+- | -- - - | 0-+- | 0- w.b n | - - | 00 1 4 5 0",
      "14 | 0 0 0 0 | 1 1 1 | --+ - | +-+- | -- - - | 0-+- | 0+ w.b n | + - | 02 37 2 3 3",
      "15 | 0 0 0 0 | 1 1 1 | --- - | +-+- | -- - - | 0--+ | 0+ :w/b n | - - | 30 37 2 3 3",
      "16 | 1 1 1 1 | 1 1 1 | --- - | +-+- | -- - - | 1++- | 1- w.b /n | - ascii | 00 1 4 5 0",
      "17 | 0 0 0 0 | 0 1 0 | --- - | +-+- | -- - - | 0-+- | 0- w.b n | - - | 00 1 4 3 5",
      "18 | 0 0 0 0 | 0 1 1 | -+- - | +-+- | -- - - | 0++- | 0- wb n | + - | 00 37 2 3 5",
      "19 | 1 1 1 1 | 1 1 1 | --- - | ++-- | -- - - | 1++- | 1- n n | - rtu | 00 1 4 3 4",
      "20 | 1 1 1 1 | 1 1 1 | --- X,Y | +++- | ++ - - | 1++- | 0- w.b n | - - | 22 2 2 5 5",
      "21 | 1 1 1 1 | 1 1 1 | --+ - | +-+- | -- - - | 1++- | 1+ n n | - rtu | 00 1 4 3 4",
      "22 | 0 0 0 0 | 0 1 1 | -+- - | +-+- | -- - - | 0++- | 0- wb n | + - | 00 37 2 3 3",
      "23 | 1 1 1 1 | 1 1 1 | --- - | ++-- | ++ - - | 1++- | 0- w.b n | - - | 20 2 2 5 5",
      "24 | 0 0 0 0 | 1 1 1 | --- - | ++-- | -- - - | 1++- | 0- w.b n | - - | 10 37 0 0 0",
      "25 | 1 1 1 1 | 1 1 1 | --- - | ++-- | -- - - | 1++- | 1- n n | - rtu | 00 1 4 3 4",
      "26 | 0 0 0 0 | 1 1 1 | --- - | +--- | -- - - | 0-+- | 0- w.b n | - - | B2 2 2 3 5",
      "27 | 0 0 0 0 | 1 1 1 | --- - | +--- | -- - - | 0-+- | 0+ w.b n | - - | F2 37 2 3 3",
      "28 | 0 0 0 0 | 1 1 1 | --- - | ++-- | -- - - | 0-+- | 0- w.b n | - - | 32 2 2 3 5",
      "29 | 0 0 0 0 | 1 1 1 | --- - | +--- | -- AIW,AQW AIW | 0-+- | 0+ w.d n | - - | 22 18 2 0 11",
      "30 | 0 0 0 0 | 1 1 1 | --- - | +--- | -- AIW,AQW AIW | 0-+- | 0+ w.d n | - - | 22 18 2 0 11",
      "31 | 0 0 1 1 | 1 1 1 | +-- - | +--- | -- - - | 0-+- | 0- w.b n | - - | 00 37 0 3 5",
      "32 | 0 0 0 0 | 1 1 1 | --- - | +--- | -- - - | 0-+- | 0+ w.b n | - - | 10 37 2 3 3",
      "33 | 0 0 0 0 | 1 1 1 | --- - | +-+- | -- - - | 0-+- | 1- w.b n | - - | 00 37 0 3 5",
      "34 | 1 1 1 1 | 1 1 1 | --- - | +-+- | -- - 3x | 1++- | 1- w.b /n | - rtu | 00 1 4 5 0",
      "35 | 0 0 0 0 | 1 1 1 | --- - | +-+- | -- - - | 0-+- | 0- w.b n | - - | 12 37 2 0 0",
      "36 | 0 0 0 0 | 0 1 1 | --- - | +-+- | -- - - | 0-+- | 0+ w.d n | - - | 12 37 1 0 3",
      "37 | 0 0 0 0 | 1 1 1 | --- - | +-+- | -- - - | 0-+- | 0- w.b n | - - | 00 37 0 3 5",
  };
  // clang-format on
  static_assert(std::size(kRows) == kProtocolCount + 2);  // 0 and 37: the row of defaults
  for (uint8_t p = 0; p <= kProtocolCount + 1; ++p) {
    SCOPED_TRACE(int(p));
    EXPECT_EQ(Row(p), kRows[p]);
  }
}

}  // namespace
}  // namespace tavo
