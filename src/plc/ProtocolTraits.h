#pragma once

// What each PLC protocol means for the elements, the pages, the image and the
// live link, beyond the profile's ranges and type lists: one row per protocol,
// looked up by number. Everything outside the PLC layer asks these properties
// instead of testing protocol numbers.

#include <cstdint>
#include <string_view>
#include <vector>

namespace tavo {

// How the alarm list's grid labels its coils (row i, counted from 1, from the
// start address a).
enum class CoilNumbering : uint8_t {
  WordDotBit,        // word "." hex bit:             12.3
  WordHexBit,        // word, hex bit, no separator:  123
  WordDotDataBit,    // word "." bit, the word's 8 status bits not counted
  FileWordSlashBit,  // ":" word "/" hex bit:         :12/3
  Consecutive,       // a + i - 1 in decimal
  SlashConsecutive,  // "/" a + i - 1
  OctalConsecutive,  // a + i - 1 in octal
};

// Which Modbus framing the live link would speak to the PLC.
enum class ModbusFraming : uint8_t { None, Rtu, Ascii };

struct ProtocolTraits {
  // ---- Defaults of new elements ----
  uint16_t elementAddress = 0;  // a new element of any kind (the base default)
  uint16_t bitElementAddress =
      0;                    // lights, keys, dynamic texts, graphs: 1 where addresses count from 1
  uint16_t keyAddress = 0;  // a new function key
  uint16_t registerAddress = 0;  // a new numeric register
  uint8_t elementStation = 1;    // a new element's PLC station
  uint8_t alarmStation = 1;      // the alarm list's PLC station
  uint8_t controlStation = 1;    // the control register's PLC station (panel settings)

  // ---- Addressing ----
  // The device names its variables: elements choose a sub-type whose code and
  // address replace the register-type code and the address in the image.
  bool namedVariables = false;
  // A bit is sent as word x 16 + bit (sub-address folded into the address).
  bool bitAddressFoldsSubAddress = false;
  // The station range of elements is the panel's own station number.
  bool stationIsPanelStation = false;
  // Register types whose addresses are entered in octal.
  std::vector<std::string_view> octalTypes;

  // ---- Function keys ----
  bool setsCoils = true;                  // the "set coil" action exists (else a new key jumps)
  bool coilsThroughBitWriteList = false;  // set coil takes the BW code (else the BL code)
  bool keyRecipes = true;                 // the recipe action carries its operands
  bool wordWriteSubAddress = false;       // "set register" shows the sub-address

  // ---- Numeric registers and graphs ----
  // Word code 0xD2 is the double counter, numbered 200 to 255, two registers.
  bool doubleCounters = false;
  // The register count follows the type: 1, 2 for "C_double", free for "D"/"SD".
  bool registerCountByType = false;
  std::vector<std::string_view> singleRegisterTypes;  // the register page fixes 1 register
  std::vector<std::string_view> readOnlyTypes;        // a register of this type is never settable

  // ---- Panel settings ----
  uint16_t controlAddressMin = 0;  // the control register address starts here
  bool controlTypeFixed = false;   // the control register's type is not chosen
  bool controlStationSet = true;   // the PLC station of the control register is entered
  bool fileAddresses = false;      // addresses read "N7:100": ":" after the type name

  // ---- Alarm list ----
  uint16_t alarmAddressMin = 0;  // the first alarm coil starts here
  bool alarmSubAddress = false;  // the sub-address field goes up to the profile's bit index
  CoilNumbering alarmLabelWithBit = CoilNumbering::WordDotBit;  // labels where addresses have bits
  CoilNumbering alarmLabelPlain = CoilNumbering::Consecutive;   // labels elsewhere

  // ---- Old projects ----
  // The old project format stored a bit address as word x 16 + bit.
  bool oldBitAddressTimesSixteen = false;

  // ---- Live link ----
  ModbusFraming modbus = ModbusFraming::None;
};

// The row of `protocol`; a number outside 1..36 gets the row of defaults.
const ProtocolTraits& TraitsOf(uint8_t protocol);

// ---- The alarm list's first coil in the image ----

// Bytes 4 to 9 of the alarm list's header: where the panel polls the alarm coils.
struct AlarmCoil {
  uint8_t typeCode = 0;      // byte 4
  uint16_t wordAddress = 0;  // bytes 5-6
  uint8_t width = 0;         // byte 7, bytes read per poll
  uint8_t subAddress = 0;    // byte 8
  uint8_t bitOffset = 0;     // byte 9
};

struct ProtocolProfile;

// The first alarm coil of an alarm list starting at `alarmBegin`, with
// register type `regType` (index into the profile's lists), its sub-address
// and bit offset, for `protocol` with `profile`.
AlarmCoil AlarmCoilOf(uint8_t protocol, const ProtocolProfile& profile, uint8_t regType,
                      uint16_t alarmBegin, uint8_t subAddr, uint8_t bitOffset);

}  // namespace tavo
