#pragma once

// How the panel turns PLC values into what it shows: the value of a register
// of a given width and sign, engineering scaling, the text of a numeric
// register and the fill of a graph.

#include <cstdint>
#include <string>

namespace tavo::panel {

struct RegisterRecord;

// The value of `raw` as a register of `widthBytes` bytes: the low 8 x width
// bits, sign-extended when `isSigned`. A width of 0 or more than 4 bytes
// counts as 4 (the simulated PLC holds 32 bits per item).
int64_t ItemValue(uint32_t raw, uint8_t widthBytes, bool isSigned);

// A 32-bit record field (limit, scale) read as signed or unsigned.
inline int64_t FieldValue(int32_t field, bool isSigned) {
  return isSigned ? int64_t{field} : int64_t{static_cast<uint32_t>(field)};
}

// Linear scaling of `value` from [inLow, inHigh] onto [engLow, engHigh],
// rounded to the nearest whole number (halves away from zero). Outside the
// input range the line is extended. An empty input range gives engLow.
int64_t ScaleLinear(int64_t value, int64_t inLow, int64_t inHigh, int64_t engLow, int64_t engHigh);

// What a numeric register shows for the PLC value `raw`, exactly `cells`
// characters, right-aligned:
// - decimal mode: the value (scaled when the record is scaled and carries its
//   engineering range), `decimals` places after a ".", "0." before a value
//   below one, "-" before a negative value, no leading zeros;
// - HEX/BCD mode: the unscaled value's hexadecimal digits with leading zeros
//   over every digit cell, the "." likewise;
// a value that does not fit shows "*" in every cell.
std::string FormatRegister(const RegisterRecord& r, uint32_t raw);
// The value the register shows before formatting (decimal mode: scaled).
int64_t RegisterShownValue(const RegisterRecord& r, uint32_t raw);

// The digit positions of a register: cells less the sign cell and the point.
int RegisterDigitCells(const RegisterRecord& r);

// The part of a graph's length to fill for `value` between `zero` and `full`
// (either order), clamped to 0 .. length.
int GraphFill(int64_t value, int64_t zero, int64_t full, int length);

}  // namespace tavo::panel
