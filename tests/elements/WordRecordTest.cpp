// Download records of the numeric register, the dynamic text and the graphs,
// with the limit and scale checks.
#include <gtest/gtest.h>

#include <functional>

#include "base/Gbk.h"
#include "elements/Bar.h"
#include "elements/DownloadRecord.h"
#include "elements/Dynamic.h"
#include "elements/RecordTestSupport.h"
#include "elements/Register.h"
#include "elements/Tide.h"
#include "support/ProfileScope.h"

namespace tavo {
namespace {

using test::Bytes;
using test::CompileRecord;
using test::Hex;
using test::ProfileScope;

struct RegisterCase {
  const char* name;
  uint8_t protocol;
  std::function<void(CRegister&)> set;
  Bytes expected;
};

// A register at (16, 32); decimal mode (bit 5) is the default.
TEST(RegisterRecord, LayoutPerOptionAndProtocol) {
  const std::vector<RegisterCase> cases = {
      {"five digits, protocol 3 defaults",
       3,
       [](CRegister&) {},
       {16, 32, 0x20, 1, 0x02, 0, 1, 2, 0, 5, 0}},
      {"every digit a decimal, signed: seven cells",
       3,
       [](CRegister& r) {
         r.m_digits = 4;
         r.m_decimals = 4;
         r.m_signed = 1;
       },
       {16, 32, 0x30, 1, 0x02, 0, 1, 2, 0, 7, 4}},
      {"scaled alone carries no limits",
       3,
       [](CRegister& r) { r.m_scaled = 1; },
       {16, 32, 0x24, 1, 0x02, 0, 1, 2, 0, 5, 0}},
      {"limited carries the input limits",
       3,
       [](CRegister& r) {
         r.m_limited = 1;
         r.m_inHigh = 1000;
         r.m_inLow = 10;
       },
       {16, 32, 0xA0, 1, 0x02, 0, 1, 2, 0, 5, 0, 0, 0, 0x03, 0xE8, 0, 0, 0, 10}},
      {"limited and scaled, every flag",
       3,
       [](CRegister& r) {
         r.m_inverse = r.m_double = r.m_scaled = r.m_settable = 1;
         r.m_signed = r.m_protected = r.m_limited = 1;
         r.m_inHigh = 1000;
         r.m_inLow = -1000;
         r.m_engHigh = 0x7FFFFFFF;
         r.m_engLow = -1;
       },
       {16,   32,   0xFF, 1,    0x02, 0,    1,    2,    0,    6,    0,    0,    0,   0x03,
        0xE8, 0xFF, 0xFF, 0xFC, 0x18, 0x7F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
      {"two double words (protocol 20, C_double)",
       20,
       [](CRegister& r) {
         r.m_regType = 5;
         r.m_regCount = 2;
         r.m_addr = 0x0203;
       },
       {16, 32, 0x20, 1, 0xD2, 0x02, 0x03, 4, 0, 5, 0}},
      {"protocol 31 takes the variable's code and address",
       31,
       [](CRegister& r) {
         r.m_subTypeCode = 0x72;
         r.m_subTypeAddr = 0x0506;
         r.m_regCount = 2;
         r.m_subAddr = 9;
       },
       {16, 32, 0x20, 1, 0x72, 0x05, 0x06, 4, 9, 5, 0}},
  };
  for (const auto& c : cases) {
    ProfileScope scope(c.protocol);
    CRegister reg;
    reg.m_x = 16;
    reg.m_y = 32;
    c.set(reg);
    EXPECT_EQ(Hex(CompileRecord(reg)), Hex(c.expected)) << c.name;
  }
}

struct OrderCase {
  bool isSigned;
  int32_t high, low;
  int32_t wantHigh, wantLow;
  bool corrected;
};

TEST(LimitCheck, PutsLimitsInOrderAndReportsIt) {
  constexpr int32_t kAll = static_cast<int32_t>(0xFFFFFFFFu);
  const std::vector<OrderCase> cases = {
      {false, kAll, 0, kAll, 0, false},   // unsigned compare: 0xFFFFFFFF above 0
      {false, 100, 100, 101, 100, true},  // equal
      {false, 0, kAll, 0, kAll, true},    // low + 1 wraps to 0
      {false, 5, 50, 51, 50, true},       // reversed
      {true, 5, 5, 6, 5, true},           // signed equal
      {true, -1, -1, -1, -2, true},       // high would become 0
      {true, -5, 10, 11, 10, true},       // reversed
      {true, 10, -5, 10, -5, false},      // in order
      {true, kAll, 0, 1, 0, true},        // signed: -1 lies below 0
      {true, INT32_MIN, INT32_MAX, INT32_MIN, INT32_MAX, true},  // wraps, defined
  };
  for (const auto& c : cases) {
    int32_t high = c.high, low = c.low;
    EXPECT_EQ(PutInOrder(high, low, c.isSigned), c.corrected) << c.high << " " << c.low;
    EXPECT_EQ(high, c.wantHigh) << c.high << " " << c.low;
    EXPECT_EQ(low, c.wantLow) << c.high << " " << c.low;
  }
}

TEST(RegisterRecord, CorrectsLimitsEvenWhenUnlimitedAndRaisesWarningOne) {
  ProfileScope scope(3);
  CRegister reg;
  reg.m_signed = 1;
  reg.m_inHigh = 5;
  reg.m_inLow = 5;
  ImageShared shared;
  const Bytes code = CompileRecord(reg, shared);
  EXPECT_EQ(code.size(), 11u);
  EXPECT_EQ(reg.m_inHigh, 6);  // the correction stays in the element
  EXPECT_EQ(shared.warning, kWarningRegisterLimits);

  CRegister fine;
  ImageShared clean;
  CompileRecord(fine, clean);
  EXPECT_EQ(clean.warning, kNoWarning);
}

TEST(RegisterRecord, UsesFlagsAAndB) {
  struct Case {
    uint8_t protocol, regType, isProtected;
    bool flagA, flagB;
  };
  const std::vector<Case> cases = {
      {3, 0, 0, false, false}, {3, 0, 1, true, false},
      {24, 1, 0, false, true},  // the protocol's own "TM"
      {24, 6, 0, false, true},  // the appended panel-internal "TM"
      {1, 7, 1, true, true},    // "TM" behind "B", "W", "D", "RP", "RWI", "RDI", "LW"
      {1, 6, 0, false, false},  // "LW" is 0x92
  };
  for (const auto& c : cases) {
    ProfileScope scope(c.protocol);
    CRegister reg;
    reg.m_regType = c.regType;
    reg.m_protected = c.isProtected;
    ImageShared shared;
    CompileRecord(reg, shared);
    EXPECT_EQ(shared.usesFlagA, c.flagA) << int(c.protocol) << " " << int(c.regType);
    EXPECT_EQ(shared.usesFlagB, c.flagB) << int(c.protocol) << " " << int(c.regType);
  }
}

void FillTwoRows(CDynamic& d) {
  d.m_x = 24;
  d.m_y = 48;
  d.m_valueTexts[0] = "1";
  d.m_values[0] = 1;
  d.m_texts[0] = "AB";
  d.m_texts[1] = "unused row";  // no value cell
  d.m_valueTexts[2] = "70000";
  d.m_values[2] = 70000;
  d.m_texts[2] = G("中文");
}

TEST(DynamicRecord, RowsInUseTheirTableAndTextBlock) {
  ProfileScope scope(3);
  CDynamic d;
  FillTwoRows(d);
  d.m_inverse = 1;
  d.m_double = 1;
  ImageShared shared;
  const Bytes code = CompileRecord(d, shared);
  // Width 10: "unused row" is the longest text, in use or not.
  EXPECT_EQ(Hex(code),
            Hex({24, 48, 0x23, 1, 0x02, 0, 1, 2, 0, 0, 2, 10, 0, 1, 0, 0, 0x11, 0x70, 0, 0}));
  EXPECT_EQ(d.m_textBlockLen, 10);
  ASSERT_EQ(shared.dynamicTexts.size(), 1u);

  uint16_t tables = 0x9000;
  d.WriteRowTable(tables);
  EXPECT_EQ(tables, 0x900A);
  EXPECT_EQ(Hex(d.m_code), Hex({24, 48, 0x23, 1, 0x02, 0,    1,    2,    0,    0,
                                2,  10, 0,    1, 0x90, 0x00, 0x11, 0x70, 0x90, 0x04}));
  uint16_t slots = 5;
  d.Relocate(slots);
  Bytes block;
  d.AppendTextBlock(block);
  EXPECT_EQ(Hex(block), Hex({0x23, 2, 0, 1, 0x23, 4, 0x80, 0x05, 0x80, 0x06}));
  EXPECT_EQ(shared.narrow, (NarrowCharList{'A', 'B'}));

  d.FreeCode();
  EXPECT_TRUE(d.m_code.empty());
  EXPECT_TRUE(d.m_textBlock.empty());
}

TEST(DynamicRecord, LongRowTextsKeepTheirLengthByte) {
  ProfileScope scope(3);
  CDynamic d;
  d.m_valueTexts[0] = "1";
  d.m_texts[0] = std::string(128, 'A') + G("中");  // length byte 0x82
  d.m_valueTexts[1] = "2";
  d.m_texts[1] = std::string(252, 'B') + G("中");  // 254 bytes: cut before the character
  ImageShared shared;
  CompileRecord(d, shared);
  uint16_t slots = 4;
  d.Relocate(slots);
  ASSERT_EQ(d.m_textBlock.size(), 132u + 254u);
  EXPECT_EQ(d.m_textBlock[1], 0x82);
  EXPECT_EQ(d.m_textBlock[130], 0x80);
  EXPECT_EQ(d.m_textBlock[131], 0x04);
  EXPECT_EQ(d.m_textBlock[133], 252);
  EXPECT_EQ(d.m_rowBlockLens, (Bytes{132, 254}));
}

TEST(GraphRecord, BarAndTrendLayout) {
  ProfileScope scope(3);
  CBar bar;
  bar.m_x = 100;
  bar.m_y = 8;
  bar.m_direction = kBarRight;
  bar.m_regCount = 2;
  EXPECT_EQ(Hex(CompileRecord(bar)),
            Hex({100, 8, 0x20, 1, 0x02, 0, 1, 4, 0, 16, 48, 0, 0, 0xFF, 0xFF, 0, 0, 0, 0, 8}));
  bar.m_direction = 9;  // only a damaged file: shown as up
  EXPECT_EQ(CompileRecord(bar)[19], 1);
  {
    ProfileScope named(31);
    CBar variable;
    variable.m_subTypeCode = 0x05;
    variable.m_subTypeAddr = 0x0708;
    const Bytes code = CompileRecord(variable);
    EXPECT_EQ(Hex(Bytes(code.begin() + 3, code.begin() + 9)), "01 05 07 08 05 00");
  }

  CTide trend;
  trend.m_signed = 1;
  trend.m_numFormat = 0;
  trend.m_interval = 300;
  trend.m_trendIndex = 1;
  trend.m_trendCount = 3;
  trend.m_fullScale = 1000;
  trend.m_zeroScale = -1000;
  EXPECT_EQ(Hex(CompileRecord(trend)),
            Hex({0, 0,    0x10, 1,    0x02, 0,    1,    2,  0,    96,   48, 0,
                 0, 0x03, 0xE8, 0xFF, 0xFF, 0xFC, 0x18, 20, 0x01, 0x2C, 3,  1}));
}

TEST(GraphRecord, ScaleCheckRaisesWarningThree) {
  ProfileScope scope(3);
  CBar bar;
  bar.m_fullScale = 100;
  bar.m_zeroScale = 100;
  ImageShared shared;
  const Bytes code = CompileRecord(bar, shared);
  EXPECT_EQ(Hex(Bytes(code.begin() + 11, code.begin() + 19)), "00 00 00 65 00 00 00 64");
  EXPECT_EQ(shared.warning, kWarningGraphScale);

  CTide trend;
  trend.m_signed = 1;
  trend.m_fullScale = -1;
  trend.m_zeroScale = -1;
  CompileRecord(trend);
  EXPECT_EQ(trend.m_fullScale, -1);
  EXPECT_EQ(trend.m_zeroScale, -2);
}

}  // namespace
}  // namespace tavo
