// The register, graph and dynamic-text pages without a window.
#include <gtest/gtest.h>

#include "base/Gbk.h"
#include "elements/Bar.h"
#include "elements/Dynamic.h"
#include "elements/Register.h"
#include "elements/Tide.h"
#include "pages/DynamicPageLogic.h"
#include "pages/GraphPageLogic.h"
#include "pages/PageTestSupport.h"
#include "pages/RegisterPageLogic.h"

namespace tavo::pagetest {
namespace {

using app::DynamicPageLogic;
using app::GraphPageLogic;
using app::Radix;
using app::RegisterPageLogic;

int IndexOf(const app::BoundCombo& combo, const std::string& name) {
  const auto& items = combo.Items();
  return static_cast<int>(std::find(items.begin(), items.end(), name) - items.begin());
}

TEST(RegisterPage, DigitsAndDecimalsPullEachOther) {
  ProfileScope protocol(3);
  RecordingEnv rec;
  RegisterPageLogic page(rec.env);
  auto reg = Placed<CRegister>(kKindRegister, {0, 0});
  page.Load(*reg);
  Type(page.decimals, "3");
  page.Idle();
  EXPECT_EQ(reg->Cells(), 6);  // 5 digits and the point
  Type(page.digits, "2");
  page.Idle();
  EXPECT_EQ(reg->m_decimals, 2);
  EXPECT_EQ(page.decimals.Text(), "2");
  Type(page.decimals, "9");
  page.Idle();
  EXPECT_EQ(reg->m_digits, 9);
  EXPECT_EQ(page.digits.Text(), "9");
  EXPECT_EQ(reg->m_rect.Width(), 18 * reg->Cells());
  EXPECT_EQ(page.x.Max(), 192 - 8 * reg->Cells());
  EXPECT_EQ(Type(page.digits, "11"), 1);
}

TEST(RegisterPage, HexModeClearsTheSignAndTheDecimals) {
  ProfileScope protocol(3);
  RecordingEnv rec;
  RegisterPageLogic page(rec.env);
  auto reg = Placed<CRegister>(kKindRegister, {0, 0});
  page.Load(*reg);
  page.isSigned.Click();
  Type(page.decimals, "2");
  page.Idle();
  EXPECT_EQ(page.inHigh.Min(), -32768);
  EXPECT_EQ(page.inHigh.GetRadix(), Radix::Signed);
  page.mode.Choose(0);
  page.Idle();
  EXPECT_EQ(reg->m_numFormat, 0);
  EXPECT_EQ(reg->m_signed, 0);
  EXPECT_EQ(reg->m_decimals, 0);
  EXPECT_FALSE(page.isSigned.Enabled());
  EXPECT_FALSE(page.decimals.Enabled());
  EXPECT_EQ(page.inHigh.GetRadix(), Radix::Hex);
  EXPECT_EQ(page.inHigh.Min(), 0);
  EXPECT_EQ(reg->Cells(), 5);
  page.mode.Choose(1);
  page.Idle();
  EXPECT_TRUE(page.isSigned.Enabled());
  EXPECT_TRUE(page.decimals.Enabled());
}

TEST(RegisterPage, ProtocolRulesForSettingAndTheCount) {
  {
    ProfileScope protocol(3);  // W "4x","3x",...
    RecordingEnv rec;
    RegisterPageLogic page(rec.env);
    auto reg = Placed<CRegister>(kKindRegister, {0, 0});
    page.Load(*reg);
    page.settable.Click();
    page.address.type.Choose(1);  // "3x": input registers
    page.Idle();
    EXPECT_EQ(reg->m_settable, 0);
    EXPECT_FALSE(page.settable.Enabled());
    page.address.type.Choose(0);
    page.Idle();
    EXPECT_TRUE(page.settable.Enabled());
    EXPECT_TRUE(page.count.Enabled());
    Type(page.count, "2");
    page.Idle();
    EXPECT_EQ(page.inHigh.Max(), 4294967295.0);  // two words
  }
  ProfileScope protocol(20);  // W "D","SD","Z","T","C","C_double"
  RecordingEnv rec;
  RegisterPageLogic page(rec.env);
  auto reg = Placed<CRegister>(kKindRegister, {0, 0});
  page.Load(*reg);
  EXPECT_TRUE(page.count.Enabled());
  page.address.type.Choose(5);  // "C_double"
  page.Idle();
  EXPECT_EQ(reg->m_regCount, 2);
  EXPECT_FALSE(page.count.Enabled());
  EXPECT_EQ(page.inHigh.Min(), 200);  // word code 0xD2
  EXPECT_EQ(page.inHigh.Max(), 255);
  page.address.type.Choose(2);  // "Z"
  page.Idle();
  EXPECT_EQ(reg->m_regCount, 1);
  EXPECT_FALSE(page.count.Enabled());
}

TEST(RegisterPage, CheckBoxesEnableTheLimitFields) {
  ProfileScope protocol(3);
  RecordingEnv rec;
  RegisterPageLogic page(rec.env);
  auto reg = Placed<CRegister>(kKindRegister, {0, 0});
  page.Load(*reg);
  EXPECT_FALSE(page.inHigh.Enabled());
  EXPECT_FALSE(page.protect.Enabled());
  page.limited.Click();
  page.settable.Click();
  page.Idle();
  EXPECT_TRUE(page.inHigh.Enabled());
  EXPECT_TRUE(page.scaling.Enabled());
  EXPECT_TRUE(page.protect.Enabled());
  EXPECT_FALSE(page.engHigh.Enabled());
  page.scaling.Choose(1);
  page.Idle();
  EXPECT_TRUE(page.engLow.Enabled());
  EXPECT_EQ(Type(page.inLow, "65536"), 1);
  EXPECT_EQ(reg->m_inLow, 6553);
}

TEST(GraphPage, DirectionBetweenVerticalAndHorizontalExchangesTheSize) {
  ProfileScope protocol(3);
  RecordingEnv rec;
  GraphPageLogic page(rec.env);
  auto bar = Placed<CBar>(kKindBar, {0, 0});
  page.Load(*bar);
  EXPECT_EQ(page.Caption(), "棒状图属性");
  EXPECT_FALSE(page.points.Visible());
  page.direction.Choose(2);  // "向左"
  page.Idle();
  EXPECT_EQ(bar->m_direction, kBarLeft);
  EXPECT_EQ(bar->m_widthPx, 48);
  EXPECT_EQ(bar->m_height, 16);
  EXPECT_EQ(page.width.Text(), "48");
  EXPECT_EQ(bar->m_rect.Width(), PanelToEditor(48));
  EXPECT_EQ(page.x.Max(), 144);
  page.direction.Choose(3);  // "向右": still horizontal
  page.Idle();
  EXPECT_EQ(bar->m_widthPx, 48);
}

TEST(GraphPage, SizeAndPositionRangesFollowEachOther) {
  ProfileScope protocol(3);
  RecordingEnv rec;
  GraphPageLogic page(rec.env);
  auto trend = Placed<CTide>(kKindTrend, {0, 0});
  page.Load(*trend);
  EXPECT_EQ(page.Caption(), "趋势图属性");
  EXPECT_EQ(page.x.Max(), 96);
  EXPECT_EQ(page.points.Max(), 94);
  Type(page.x, "50");
  page.Idle();
  EXPECT_EQ(page.width.Max(), 142);
  Type(page.width, "40");
  page.Idle();
  EXPECT_EQ(trend->m_rect.Width(), PanelToEditor(40));
  EXPECT_EQ(page.x.Max(), 152);
  EXPECT_EQ(page.points.Max(), 38);
  EXPECT_EQ(Type(page.width, "500"), 1);  // "5" may still become 50, "500" is too wide
  EXPECT_EQ(trend->m_widthPx, 50);
  EXPECT_EQ(Type(page.interval, "60001"), 1);
  EXPECT_EQ(trend->m_interval, 6000);
}

TEST(GraphPage, PanelInternalTypesFixCountAndStationAnd6xHasNoScale) {
  ProfileScope protocol(19);  // W "3x","4x","5x","6x","RP",...
  RecordingEnv rec;
  GraphPageLogic page(rec.env);
  auto bar = Placed<CBar>(kKindBar, {0, 0});
  page.Load(*bar);
  page.address.type.Choose(IndexOf(page.address.type, "RP"));
  page.Idle();
  EXPECT_FALSE(page.count.Enabled());
  EXPECT_FALSE(page.address.station.Enabled());
  EXPECT_EQ(bar->m_station, 1);
  page.address.type.Choose(IndexOf(page.address.type, "6x"));
  page.Idle();
  EXPECT_TRUE(page.address.station.Enabled());
  EXPECT_FALSE(page.fullScale.Enabled());
  EXPECT_FALSE(page.zeroScale.Enabled());
  page.address.type.Choose(0);
  page.isSigned.Click();
  page.Idle();
  EXPECT_TRUE(page.fullScale.Enabled());
  EXPECT_EQ(page.fullScale.Min(), -32768);
  page.mode.Choose(0);
  page.Idle();
  EXPECT_EQ(bar->m_signed, 0);
  EXPECT_FALSE(page.isSigned.Enabled());
  EXPECT_EQ(page.fullScale.GetRadix(), Radix::Hex);
}

TEST(GraphPage, Protocol31HidesTheCount) {
  ProfileScope protocol(31);
  RecordingEnv rec;
  GraphPageLogic page(rec.env);
  auto bar = Placed<CBar>(kKindBar, {0, 0});
  page.Load(*bar);
  EXPECT_FALSE(page.count.Visible());
  EXPECT_TRUE(page.address.subType.Visible());
  EXPECT_EQ(page.fullScale.Max(), 4294967295.0);
  page.Idle();
  EXPECT_EQ(bar->m_subTypeCode, 50);  // "Itime"
  EXPECT_EQ(bar->m_subAddr, 5);
}

TEST(DynamicPage, HexModeClearsTheSignAndClampsTheRows) {
  ProfileScope protocol(3);
  RecordingEnv rec;
  DynamicPageLogic page(rec.env);
  auto dyn = Placed<CDynamic>(kKindDynamic, {0, 0});
  dyn->m_values[1] = -5;
  dyn->m_valueTexts[1] = "-5";
  dyn->m_texts[1] = "x";
  page.Load(*dyn);
  page.isSigned.Click();
  page.Idle();
  EXPECT_EQ(page.ValueRange().min, -32768);
  page.mode.Choose(0);
  page.Idle();
  EXPECT_EQ(dyn->m_signed, 0);
  EXPECT_FALSE(page.isSigned.Enabled());
  EXPECT_EQ(dyn->m_values[1], 0);
  EXPECT_EQ(dyn->m_valueTexts[1], "0");
  EXPECT_EQ(dyn->m_valueTexts[0], "1");
}

TEST(DynamicPage, EditingCells) {
  ProfileScope protocol(3);
  RecordingEnv rec;
  DynamicPageLogic page(rec.env);
  auto dyn = Placed<CDynamic>(kKindDynamic, {0, 0});
  page.Load(*dyn);
  int gridRows = 0;
  page.onGridChanged = [&](int) { ++gridRows; };
  ASSERT_TRUE(page.EditCell(3, DynamicPageLogic::kValueColumn));
  EXPECT_EQ(page.valueBox.Text(), "");
  EXPECT_EQ(Type(page.valueBox, "70000", false), 1);
  EXPECT_EQ(dyn->m_valueTexts[3], "7000");
  EXPECT_EQ(dyn->m_values[3], 7000);
  ASSERT_TRUE(page.EditCell(3, DynamicPageLogic::kTextColumn));
  const std::string longText = G("十二个汉字十二个汉字十二个");
  EXPECT_TRUE(page.textBox.UserText(longText, false));
  EXPECT_EQ(dyn->m_texts[3].size(), 24u);
  page.Idle();
  EXPECT_EQ(dyn->m_width, 24);
  EXPECT_EQ(page.x.Max(), 0);
  // Clearing the value cell clears the row's text as well.
  ASSERT_TRUE(page.EditCell(3, DynamicPageLogic::kValueColumn));
  EXPECT_EQ(page.valueBox.Text(), "7000");
  page.valueBox.SetFocused(true);
  page.valueBox.UserText("", true);
  EXPECT_EQ(dyn->m_valueTexts[3], "");
  EXPECT_EQ(dyn->m_texts[3], "");
  EXPECT_EQ(dyn->m_width, 10);  // "动态文字串"
  EXPECT_EQ(page.x.Max(), 112);
  EXPECT_GT(gridRows, 0);
  EXPECT_FALSE(page.EditCell(32, 0));
}

}  // namespace
}  // namespace tavo::pagetest
