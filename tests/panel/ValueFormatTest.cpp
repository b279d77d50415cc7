// What a numeric register shows for a PLC value, and how graphs fill.
#include <gtest/gtest.h>

#include "panel/PanelRecords.h"
#include "panel/ValueFormat.h"

namespace tavo::panel {
namespace {

constexpr uint8_t kDecimal = 0x20, kSigned = 0x10, kScaled = 0x04, kLimited = 0x80;

struct Case {
  const char* what;
  uint8_t flags;
  uint8_t width;
  uint8_t cells;
  uint8_t decimals;
  uint32_t raw;
  const char* shown;
  int32_t inLow = 0, inHigh = 0, engLow = 0, engHigh = 0;
};

RegisterRecord Make(const Case& c) {
  RegisterRecord r;
  r.flags = c.flags;
  r.decimal = c.flags & kDecimal;
  r.isSigned = c.flags & kSigned;
  r.scaled = c.flags & kScaled;
  r.limited = c.flags & kLimited;
  r.binding.width = c.width;
  r.cells = c.cells;
  r.decimals = c.decimals;
  r.inLow = c.inLow;
  r.inHigh = c.inHigh;
  r.engLow = c.engLow;
  r.engHigh = c.engHigh;
  return r;
}

TEST(ValueFormat, RegisterTexts) {
  const Case cases[] = {
      {"no leading zeros", kDecimal, 2, 5, 0, 7, "    7"},
      {"two decimals", kDecimal, 2, 6, 2, 12345, "123.45"},
      {"below one", kDecimal, 2, 6, 2, 5, "  0.05"},
      {"all digits decimals", kDecimal, 2, 6, 4, 1234, "0.1234"},
      {"zero with decimals", kDecimal, 2, 4, 2, 0, "0.00"},
      {"signed 16 bits", kDecimal | kSigned, 2, 4, 0, 0xFF85, "-123"},
      {"signed below one", kDecimal | kSigned, 2, 5, 1, 0xFFFB, " -0.5"},
      {"unsigned keeps the top bit", kDecimal, 2, 5, 0, 0xFFFF, "65535"},
      {"width cuts higher bits", kDecimal, 1, 3, 0, 0x1FF, "255"},
      {"32 bits unsigned", kDecimal, 4, 10, 0, 0xFFFFFFFF, "4294967295"},
      {"32 bits signed", kDecimal | kSigned, 4, 11, 0, 0x80000000, "-2147483648"},
      {"too long for the cells", kDecimal, 2, 3, 0, 1234, "***"},
      {"negative without a sign cell", kDecimal | kSigned, 2, 1, 0, 0xFFFF, "*"},
      {"no cells", kDecimal, 2, 0, 0, 99, ""},
      {"hex with leading zeros", 0, 2, 4, 0, 0xAB, "00AB"},
      {"BCD with a point", 0, 2, 5, 2, 0x1234, "12.34"},
      {"hex ignores the sign", kSigned, 2, 5, 0, 0xFFFF, " FFFF"},
      {"hex too long", 0, 4, 4, 0, 0x12345, "****"},
      {"scaled", kDecimal | kScaled | kLimited, 2, 5, 1, 2000, " 50.0", 0, 4000, 0, 1000},
      {"scaled rounds down", kDecimal | kScaled | kLimited, 2, 2, 0, 1, " 3", 0, 3, 0, 10},
      {"scaled rounds up", kDecimal | kScaled | kLimited, 2, 2, 0, 2, " 7", 0, 3, 0, 10},
      {"scaled to negative", kDecimal | kSigned | kScaled | kLimited, 2, 4, 0, 50, " -50", 0, 200,
       -100, 100},
      {"scaled past the range", kDecimal | kScaled | kLimited, 2, 5, 0, 300, "  150", 0, 200, 0,
       100},
      {"scaled needs limits", kDecimal | kScaled, 2, 5, 0, 300, "  300", 0, 200, 0, 100},
      {"hex is never scaled", kScaled | kLimited, 2, 4, 0, 0x10, "0010", 0, 200, 0, 100},
      {"empty input range", kDecimal | kScaled | kLimited, 2, 3, 0, 9, " 42", 5, 5, 42, 99},
      {"unsigned limits above 2^31", kDecimal | kScaled | kLimited, 4, 3, 0, 0xFFFFFFFF, "100", 0,
       -1, 0, 100},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatRegister(Make(c), c.raw), c.shown) << c.what;
}

TEST(ValueFormat, GraphFillClampsAndRounds) {
  EXPECT_EQ(GraphFill(50, 0, 100, 16), 8);
  EXPECT_EQ(GraphFill(-10, 0, 100, 16), 0);
  EXPECT_EQ(GraphFill(1000, 0, 100, 16), 16);
  EXPECT_EQ(GraphFill(3, 0, 100, 16), 0);   // 0.48
  EXPECT_EQ(GraphFill(4, 0, 100, 16), 1);   // 0.64
  EXPECT_EQ(GraphFill(50, 100, 0, 16), 8);  // full scale below zero scale
  EXPECT_EQ(GraphFill(5, 7, 7, 16), 0);     // no range
  EXPECT_EQ(GraphFill(INT64_C(4294967295), 0, INT64_C(4294967295), 255), 255);
}

}  // namespace
}  // namespace tavo::panel
