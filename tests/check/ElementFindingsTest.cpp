// Findings about single elements: where they lie, what their texts hold,
// their digits, limits and PLC addresses.
#include "check/CheckSupport.h"
#include "elements/Bar.h"
#include "elements/Chars.h"
#include "elements/Dynamic.h"
#include "elements/Function.h"
#include "elements/Light.h"
#include "elements/Register.h"
#include "elements/Tide.h"

namespace tavo::test {
namespace {

TEST_F(CheckTest, ElementsOutsideTheDisplayOrHiddenBehindOthers) {
  Put<CChars>(First(), 180, 0, Point{}, std::string("ABCD"));  // 32 pixels wide
  Put<CLight>(First(), 200, 10);
  Put<CLight>(First(), -20, 10);
  EXPECT_EQ(Codes(),
            (std::vector<std::string>{"partly-outside", "outside-display", "outside-display"}));
  EXPECT_EQ(Only("partly-outside").element, 0u);

  First().m_elements.clear();
  // The head of the list is drawn on top: the light under the bar is hidden.
  Put<CBar>(First(), 0, 0);
  Put<CLight>(First(), 0, 8);
  Put<CLight>(First(), 40, 8);
  const Finding f = Only("hidden-element");
  EXPECT_EQ(f.element, 1u);
  EXPECT_NE(f.message.find("棒状图(0,0)"), std::string::npos) << f.message;

  // A light drawn over the bar hides nothing of it; a hidden key shows nothing.
  std::swap(First().m_elements[0], First().m_elements[1]);
  CFunction& key = Put<CFunction>(First(), 40, 8);
  key.m_hidden = 1;
  key.m_action = kActionJump;
  key.m_screenNo = 1;
  EXPECT_EQ(Codes(), std::vector<std::string>{});
}

TEST_F(CheckTest, TextsTheFontLibrariesOrTheEncodingCannotShow) {
  Put<CChars>(First(), 0, 0, Point{}, G("A~啊 吧~"));
  const Finding blank = Only("blank-glyph");
  EXPECT_EQ(blank.severity, Severity::kWarning);
  EXPECT_NE(blank.message.find("“~”“啊”"), std::string::npos) << blank.message;

  First().m_elements.clear();
  Put<CChars>(First(), 0, 0, Point{}, std::string("AB\xB0"));     // lead byte at the end
  Put<CChars>(First(), 0, 16, Point{}, std::string("\xB0\x20"));  // no trail byte
  const auto found = Check();
  ASSERT_EQ(found.size(), 2u);
  EXPECT_EQ(found[0].code, "not-gbk");
  EXPECT_NE(found[0].message.find("第3字节"), std::string::npos) << found[0].message;
  EXPECT_EQ(found[1].code, "not-gbk");

  // Only the dynamic text's rows in use reach the panel; alarm texts count.
  First().m_elements.clear();
  CDynamic& d = Put<CDynamic>(First(), 0, 0, Point{}, G("开"));
  d.m_texts[5] = "~";
  project.m_alarmList.SetText(1, "~");
  EXPECT_FALSE(Only("blank-glyph").screen.has_value());
  d.m_valueTexts[5] = "5";
  EXPECT_EQ(Codes(), (std::vector<std::string>{"blank-glyph", "blank-glyph"}));
}

TEST_F(CheckTest, RegisterDigitsAndTheLimitsTheCompilerWouldCorrect) {
  CRegister& r = Put<CRegister>(First(), 0, 0);
  r.m_digits = 3;
  r.m_decimals = 4;
  EXPECT_NE(Only("register-decimals").message.find("寄存器出现错误"), std::string::npos);
  r.m_digits = 0;
  r.m_decimals = 0;
  EXPECT_EQ(Only("register-digits").severity, Severity::kError);
  r.m_digits = 5;

  // Unsigned 0xFFFFFFFF over 0 is in order; equal limits are not.
  r.m_inHigh = -1;
  r.m_inLow = 0;
  EXPECT_EQ(Codes(), std::vector<std::string>{});
  r.m_inHigh = 5;
  r.m_inLow = 5;
  EXPECT_EQ(Only("register-limits").severity, Severity::kWarning);
  // Signed -1 over 0 is out of order.
  r.m_signed = 1;
  r.m_inHigh = -1;
  EXPECT_NE(Only("register-limits").message.find("上限-1"), std::string::npos);

  CTide& t = Put<CTide>(First(), 0, 16);
  t.m_fullScale = 100;
  t.m_zeroScale = 100;
  EXPECT_EQ(Only("graph-scale").element, 1u);
  // The check corrects nothing in the project itself.
  EXPECT_EQ(r.m_inHigh, -1);
  EXPECT_EQ(t.m_fullScale, 100);
}

TEST_F(CheckTest, AddressesAgainstTheProtocolProfile) {
  CRegister& r = Put<CRegister>(First(), 0, 0);
  r.m_station = 0;   // Modbus stations are 1-247
  r.m_subAddr = 16;  // bits 0-15
  r.m_regCount = 3;  // at most 2
  EXPECT_EQ(Codes(), (std::vector<std::string>{"station-range", "register-count", "bit-range"}));
  r.m_station = 1;
  r.m_subAddr = 0;
  r.m_regCount = 1;
  r.m_regType = 9;  // the list holds 4x, 3x and five panel-internal types
  EXPECT_NE(Only("register-type").message.find("TM"), std::string::npos);
  r.m_regType = 2;  // "RP", the panel's own memory: no PLC station
  r.m_station = 0;
  EXPECT_EQ(Codes(), std::vector<std::string>{});

  ProfileScope fx(4);  // Mitsubishi FX: station 1, addresses up to 9999
  r.m_regType = 0;
  r.m_station = 1;
  r.m_addr = 10000;
  CFunction& coil = Put<CFunction>(First(), 100, 0);
  coil.m_action = kActionSetCoil;
  coil.m_addr = 9999;
  coil.m_station = 1;
  EXPECT_EQ(Only("address-range").element, 0u);
  coil.m_addr = 10000;
  EXPECT_EQ(Codes(), (std::vector<std::string>{"address-range", "address-range"}));
}

}  // namespace
}  // namespace tavo::test
