#include "panel/ValueFormat.h"

#include <algorithm>

#include "panel/PanelRecords.h"

namespace tavo::panel {

namespace {

// More decimal places than a 64-bit value has digits change nothing.
constexpr int kMaxDecimals = 20;

using Wide = __int128;

// Divides rounding halves away from zero.
Wide DivRound(Wide num, Wide den) {
  if (den < 0) {
    num = -num;
    den = -den;
  }
  const Wide q = num / den, r = num % den;
  if (2 * (r < 0 ? -r : r) >= den) return num < 0 ? q - 1 : q + 1;
  return q;
}

// Inserts the point before the last `decimals` digits, padding with zeros so
// that at least one digit stands before it.
std::string WithPoint(std::string digits, int decimals) {
  if (decimals <= 0) return digits;
  if (digits.size() < static_cast<size_t>(decimals) + 1)
    digits.insert(0, static_cast<size_t>(decimals) + 1 - digits.size(), '0');
  digits.insert(digits.size() - static_cast<size_t>(decimals), 1, '.');
  return digits;
}

}  // namespace

int64_t ItemValue(uint32_t raw, uint8_t widthBytes, bool isSigned) {
  const unsigned bits = (widthBytes == 0 || widthBytes > 4) ? 32 : 8u * widthBytes;
  uint64_t v = raw;
  if (bits < 32) v &= (uint64_t{1} << bits) - 1;
  if (isSigned && ((v >> (bits - 1)) & 1)) return static_cast<int64_t>(v) - (int64_t{1} << bits);
  return static_cast<int64_t>(v);
}

int64_t ScaleLinear(int64_t value, int64_t inLow, int64_t inHigh, int64_t engLow, int64_t engHigh) {
  if (inHigh == inLow) return engLow;
  const Wide scaled = Wide{engLow} + DivRound((Wide{value} - inLow) * (Wide{engHigh} - engLow),
                                              Wide{inHigh} - inLow);
  // Every operand is within 33 bits, so the result is far inside 64 bits.
  return static_cast<int64_t>(scaled);
}

int RegisterDigitCells(const RegisterRecord& r) {
  const int cells = r.cells - (r.isSigned ? 1 : 0) - (r.decimals > 0 ? 1 : 0);
  return std::max(cells, 0);
}

int64_t RegisterShownValue(const RegisterRecord& r, uint32_t raw) {
  const int64_t value = ItemValue(raw, r.binding.width, r.isSigned && r.decimal);
  if (!r.decimal || !r.scaled || !r.limited) return value;
  return ScaleLinear(value, FieldValue(r.inLow, r.isSigned), FieldValue(r.inHigh, r.isSigned),
                     FieldValue(r.engLow, r.isSigned), FieldValue(r.engHigh, r.isSigned));
}

std::string FormatRegister(const RegisterRecord& r, uint32_t raw) {
  const size_t cells = r.cells;
  const int decimals = std::min<int>(r.decimals, kMaxDecimals);
  std::string text;
  if (r.decimal) {
    const int64_t v = RegisterShownValue(r, raw);
    const uint64_t magnitude = v < 0 ? 0 - static_cast<uint64_t>(v) : static_cast<uint64_t>(v);
    text = WithPoint(std::to_string(magnitude), decimals);
    if (v < 0) text.insert(0, 1, '-');
  } else {
    static const char kHex[] = "0123456789ABCDEF";
    uint64_t v = static_cast<uint64_t>(ItemValue(raw, r.binding.width, false));
    std::string digits;
    do {
      digits.insert(0, 1, kHex[v & 0xF]);
      v >>= 4;
    } while (v != 0);
    const size_t wanted = static_cast<size_t>(RegisterDigitCells(r));
    if (digits.size() < wanted) digits.insert(0, wanted - digits.size(), '0');
    text = WithPoint(digits, decimals);
  }
  if (text.size() > cells) return std::string(cells, '*');
  return std::string(cells - text.size(), ' ') + text;
}

int GraphFill(int64_t value, int64_t zero, int64_t full, int length) {
  if (length <= 0 || full == zero) return 0;
  Wide fill = DivRound((Wide{value} - zero) * length, Wide{full} - zero);
  return static_cast<int>(std::clamp<Wide>(fill, 0, length));
}

}  // namespace tavo::panel
