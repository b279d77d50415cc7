#include "pages/NumberBox.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace tavo::app {

namespace {

// Far outside every range a box can have, and still far from overflowing.
constexpr int64_t kSaturate = int64_t{1} << 48;

int RadixBase(Radix radix) {
  switch (radix) {
    case Radix::Hex:
      return 16;
    case Radix::Octal:
      return 8;
    default:
      return 10;
  }
}

int DigitValue(char c, int base) {
  int d = -1;
  if (c >= '0' && c <= '9')
    d = c - '0';
  else if (c >= 'a' && c <= 'f')
    d = c - 'a' + 10;
  else if (c >= 'A' && c <= 'F')
    d = c - 'A' + 10;
  return d < base ? d : -1;
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

int64_t TruncLimit(double limit) {
  if (std::isnan(limit)) return 0;
  return static_cast<int64_t>(std::clamp(limit, -9.0e15, 9.0e15));
}

// True when appending digits to the typed number can still give a value
// within [min, max]: a prefix of a valid number.
bool CanGrowIntoRange(const ParsedText& p, Radix radix, int64_t min, int64_t max) {
  const int64_t base = RadixBase(radix);
  int64_t scale = 1;
  const int64_t magnitude = p.negative ? -p.value : p.value;
  // Digits after a zero only make leading zeros: "0" below a minimum of 1
  // never grows into the range.
  if (magnitude == 0) return false;
  for (int digits = 1; digits <= 20; ++digits) {
    scale *= base;
    if (magnitude > kSaturate / scale) return false;
    const int64_t low = magnitude * scale;
    const int64_t high = low + scale - 1;
    if (p.negative) {
      if (-low < min) return false;  // only farther below from here on
      if (-high <= max) return true;
    } else {
      if (low > max) return false;
      if (high >= min) return true;
    }
  }
  return false;
}

}  // namespace

ParsedText ParseNumber(const std::string& text, Radix radix, int64_t min, int64_t max) {
  ParsedText out;
  size_t i = 0;
  const size_t n = text.size();
  const bool decimal = radix == Radix::Unsigned || radix == Radix::Signed;
  if (decimal)
    while (i < n && IsBlank(text[i])) ++i;
  if (i == n && text.find_first_not_of(" \t\n\r\f\v") == std::string::npos) {
    out.check = TextCheck::Empty;
    return out;
  }
  if (decimal && (text[i] == '-' || text[i] == '+')) {
    out.negative = text[i] == '-';
    ++i;
    if (i == n && out.negative && radix == Radix::Signed) {
      out.check = TextCheck::LoneMinus;
      return out;
    }
  }
  const int base = RadixBase(radix);
  int64_t value = 0;
  size_t digits = 0;
  for (; i < n; ++i) {
    const int d = DigitValue(text[i], base);
    if (d < 0) break;
    value = std::min(value * base + d, kSaturate);
    ++digits;
  }
  if (decimal)
    while (i < n && IsBlank(text[i])) ++i;
  if (digits == 0 || i != n) {
    out.check = TextCheck::NotNumber;
    return out;
  }
  out.value = out.negative ? -value : value;
  out.check = (out.value < min || out.value > max) ? TextCheck::OutOfRange : TextCheck::Valid;
  return out;
}

std::string FormatNumber(int64_t value, Radix radix) {
  char buf[32];
  switch (radix) {
    case Radix::Signed:
      std::snprintf(buf, sizeof buf, "%lld", static_cast<long long>(value));
      break;
    case Radix::Hex:
      std::snprintf(buf, sizeof buf, "%llX", static_cast<unsigned long long>(value));
      break;
    case Radix::Octal:
      std::snprintf(buf, sizeof buf, "%llo", static_cast<unsigned long long>(value));
      break;
    default:
      std::snprintf(buf, sizeof buf, "%llu", static_cast<unsigned long long>(value));
      break;
  }
  return buf;
}

void NumberBox::BindRaw(void* field, int bits) {
  field_ = field;
  bits_ = bits;
  Show();
}

void NumberBox::Unbind() {
  field_ = nullptr;
}

int64_t NumberBox::Value() const {
  if (!field_) return 0;
  uint32_t raw = 0;
  switch (bits_) {
    case 8:
      raw = *static_cast<uint8_t*>(field_);
      break;
    case 16:
      raw = *static_cast<uint16_t*>(field_);
      break;
    default:
      std::memcpy(&raw, field_, sizeof raw);
      break;
  }
  if (radix_ != Radix::Signed) return raw;
  switch (bits_) {
    case 8:
      return static_cast<int8_t>(raw);
    case 16:
      return static_cast<int16_t>(raw);
    default:
      return static_cast<int32_t>(raw);
  }
}

void NumberBox::Store(int64_t value) {
  if (!field_) return;
  const auto raw = static_cast<uint32_t>(static_cast<uint64_t>(value));
  switch (bits_) {
    case 8:
      *static_cast<uint8_t*>(field_) = static_cast<uint8_t>(raw);
      break;
    case 16:
      *static_cast<uint16_t*>(field_) = static_cast<uint16_t>(raw);
      break;
    default:
      std::memcpy(field_, &raw, sizeof raw);
      break;
  }
}

void NumberBox::Show() {
  text_ = FormatNumber(field_ ? Value() : 0, radix_);
  if (!focused_) changed_ = false;
  Refresh();
}

void NumberBox::ShowText(const std::string& text) {
  text_ = text;
  if (!focused_) changed_ = false;
  Refresh();
}

void NumberBox::Refresh() const {
  if (onRefresh) onRefresh();
}

void NumberBox::SetRadix(Radix radix) {
  radix_ = radix;
  Show();
}

void NumberBox::SetRange(double min, double max) {
  min_ = TruncLimit(min);
  max_ = TruncLimit(max);
  if (!(min < max)) {
    enabled_ = false;
    // A range of one value fixes the field at it; an empty range (a register
    // type without bits) holds no value, and the field stays as it was.
    if (min_ == max_ && visible_) Store(max_);
    Show();
    return;
  }
  enabled_ = true;
  if (!visible_) {
    // A field the user cannot see is never changed by a range.
    if (!focused_) Show();
    return;
  }
  const int64_t v = Value();
  const int64_t clamped = std::clamp(v, min_, max_);
  if (clamped != v || !field_) {
    Store(clamped);
    Show();
  } else if (!focused_) {
    Show();
  } else {
    Refresh();
  }
}

void NumberBox::SetValue(int64_t value) {
  if (min_ <= max_) value = std::clamp(value, min_, max_);
  Store(value);
  Show();
}

int64_t NumberBox::NearestToZero() const {
  if (min_ > max_) return max_;
  return std::clamp<int64_t>(0, min_, max_);
}

NumberBox::Edit NumberBox::UserText(const std::string& text, bool keystroke) {
  const ParsedText p = ParseNumber(text, radix_, min_, max_);
  const bool refuse =
      keystroke && (p.check == TextCheck::NotNumber ||
                    (p.check == TextCheck::OutOfRange && !CanGrowIntoRange(p, radix_, min_, max_)));
  if (refuse) {
    selectAll_ = true;
    Refresh();
    return Edit::Refused;
  }
  text_ = text;
  if (focused_ || keystroke) changed_ = true;
  switch (p.check) {
    case TextCheck::Valid:
      Store(p.value);
      break;
    case TextCheck::Empty:
    case TextCheck::LoneMinus:
      Store(NearestToZero());
      break;
    default:
      selectAll_ = !keystroke;
      Refresh();
      return Edit::Accepted;
  }
  Refresh();
  if (onUserEdit) onUserEdit();
  return Edit::Accepted;
}

void NumberBox::Step(int direction) {
  if (!enabled_ || !field_) return;
  const int64_t v = std::clamp(Value() + int64_t{direction} * step_, min_, max_);
  Store(v);
  text_ = FormatNumber(Value(), radix_);
  changed_ = true;
  Refresh();
  if (onUserEdit) onUserEdit();
}

void NumberBox::SetFocused(bool focused) {
  focused_ = focused;
}

void NumberBox::FocusOut() {
  focused_ = false;
  changed_ = false;
  const ParsedText p = ParseNumber(text_, radix_, min_, max_);
  if (p.check != TextCheck::Valid || p.value != Value()) Show();
}

void NumberBox::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  Refresh();
}

void NumberBox::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  Refresh();
}

bool NumberBox::TakeSelectAll() {
  const bool s = selectAll_;
  selectAll_ = false;
  return s;
}

}  // namespace tavo::app
