#pragma once

// Rules the property pages share: the ranges the protocol profile gives the
// address boxes, the value ranges of a register's width and sign, and the
// protocol-31 variable fields (the X and Y maxima are the model's MaxXOf and
// MaxYOf).

#include <cstdint>
#include <string>
#include <string_view>

#include "base/Geometry.h"
#include "pages/NumberBox.h"
#include "plc/Catalogue.h"

namespace tavo::app {

struct Range {
  double min = 0;
  double max = 0;
};

// ---- address boxes ----
Range StationRange(const ProtocolProfile& profile);
// 0 up to the maximum bit address (bit elements) or word address.
Range AddressRange(const ProtocolProfile& profile, bool bitAddress);
// Octal for protocol 7 (the profile's second flag) and, for protocol 20, for
// the type names "X" and "Y"; decimal otherwise.
Radix AddressRadix(const ProtocolProfile& profile, std::string_view typeName);
// The sub-address box is shown where the profile shows it (switch 1), never
// for protocol 31; its range runs to the profile's maximum bit index, so a
// protocol without sub-addresses leaves it disabled.
bool SubAddressShown(const ProtocolProfile& profile);
Range SubAddressRange(const ProtocolProfile& profile);
// The bit-offset field ("偏移") of lights and the alarm list (switch 5).
bool BitOffsetShown(const ProtocolProfile& profile);
// 0 .. 8 * width - 1 for a register type of `width` bytes.
Range BitOffsetRange(unsigned width);

// ---- value ranges ----
// Byte width of `count` registers of a word code: (code x count) AND 0x0F, a
// product of 0x70 counting as 2. A code without a width (an unknown name)
// counts as one word.
unsigned RegisterWidth(uint8_t wordCode, unsigned count);
// 0 .. 2^(8w) - 1, or -2^(8w-1) .. 2^(8w-1) - 1 when signed (w at most 4).
Range WidthRange(unsigned width, bool isSigned);
// Input limits of a register and scale values of a graph: protocol 31 gives
// 0 .. 65535 for registers and four bytes for graphs; protocols 20 and 23 with
// word code 0xD2 give 200 .. 255.
Range RegisterLimitRange(const ProtocolProfile& profile, unsigned regType, unsigned count,
                         bool isSigned);
Range GraphScaleRange(const ProtocolProfile& profile, unsigned regType, unsigned count,
                      bool isSigned);
// Radix of a value box: hexadecimal in "HEX/BCD" mode, else signed or
// unsigned decimal.
Radix ValueRadix(uint8_t numFormat, bool isSigned);

// ---- protocol 31 ----
struct VariableFields {
  uint8_t typeCode = 0;  // the variable class, used as the register-type code
  uint8_t subAddr = 0;   // the variable code
};
// The class and code of a variable, except "RC"/"MinMaxReset" (16, 99) and
// "PK"/"SensorError" (16, 35).
VariableFields Protocol31Fields(std::string_view typeName, std::string_view variable);
// Address base of a type name: "RC" 0x100 ... "PK" 0x900, others 0.
uint16_t SubTypeAddressBase(std::string_view typeName);
// The base of the type plus the low byte of the address.
uint16_t SubTypeAddress(std::string_view typeName, uint16_t addr);

// ---- protocol rules of the register and graph pages ----
// For protocols 20 and 23 the register count can be chosen only for "D" and
// "SD"; otherwise it is fixed: 2 for "C_double", 1 for every other type.
// On the register page, protocols 29 and 30 also read their analog registers
// "AIW" and "AQW" one at a time. Returns the fixed count, or 0 when the count
// can be chosen.
uint8_t FixedRegisterCount(uint8_t protocol, std::string_view typeName, bool registerPage);
// Whether a register of the type can be set from the panel: not the input
// registers "3x" of protocols 3 and 34, nor the analog inputs "AIW" of
// protocols 29 and 30.
bool RegisterSettable(uint8_t protocol, std::string_view typeName);
// Panel-internal registers (word codes 0x51, 0x70, 0x72, 0x74, 0x91) are read
// one at a time from the lowest station.
bool IsPanelInternalCode(uint8_t wordCode);

}  // namespace tavo::app
