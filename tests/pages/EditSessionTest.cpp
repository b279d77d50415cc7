// Edit sessions of the property pages: what follows from an edit is derived
// from the values before the session began, so that a value the user passes
// on the way to the one meant destroys nothing; and the fields a page cannot
// show or hold are left as they are.
#include <gtest/gtest.h>

#include "elements/Dynamic.h"
#include "elements/Light.h"
#include "elements/Register.h"
#include "elements/Tide.h"
#include "pages/BasicPageLogic.h"
#include "pages/DynamicPageLogic.h"
#include "pages/GraphPageLogic.h"
#include "pages/PageTestSupport.h"
#include "pages/RegisterPageLogic.h"

namespace tavo::pagetest {
namespace {

using app::DynamicPageLogic;
using app::GraphPageLogic;
using app::LightPageLogic;
using app::RegisterPageLogic;

// Types one character at a time with an idle pass after each, as the editor
// runs it between keystrokes.
void TypeSlowly(app::PageLogic& page, app::NumberBox& box, const std::string& chars) {
  box.SetFocused(true);
  box.UserText("", true);
  page.Idle();
  for (char c : chars) {
    box.UserText(box.Text() + c, true);
    page.Idle();
  }
}

TEST(EditSession, DigitsAndDecimalsFollowFromTheirValuesBeforeTheEdit) {
  ProfileScope protocol(3);
  RecordingEnv rec;
  RegisterPageLogic page(rec.env);
  auto reg = Placed<CRegister>(kKindRegister, {0, 0});
  reg->m_decimals = 5;
  page.Load(*reg);
  // "10" passes through "1": the decimals follow to 1 and come back.
  page.digits.SetFocused(true);
  page.digits.UserText("1", true);
  page.Idle();
  EXPECT_EQ(reg->m_decimals, 1);
  page.digits.UserText("10", true);
  page.Idle();
  EXPECT_EQ(reg->m_digits, 10);
  EXPECT_EQ(reg->m_decimals, 5);
  EXPECT_EQ(page.decimals.Text(), "5");
  EXPECT_EQ(reg->m_rect.Width(), 18 * reg->Cells());

  // Raising the decimals through 8 and back to 3 leaves the digits at 10 ...
  page.digits.FocusOut();
  page.EndEdit();
  TypeSlowly(page, page.digits, "6");
  EXPECT_EQ(reg->m_decimals, 5);
  TypeSlowly(page, page.decimals, "8");
  EXPECT_EQ(reg->m_digits, 8);
  TypeSlowly(page, page.decimals, "3");
  EXPECT_EQ(reg->m_digits, 6);
  // ... while a new session starts from what the last one left.
  page.EndEdit();
  TypeSlowly(page, page.digits, "2");
  page.EndEdit();
  TypeSlowly(page, page.digits, "9");
  EXPECT_EQ(reg->m_decimals, 2);
}

TEST(EditSession, APassingModeOrTypeGivesBackSignDecimalsLimitsAndSetting) {
  ProfileScope protocol(3);  // W "4x", "3x", ...
  RecordingEnv rec;
  RegisterPageLogic page(rec.env);
  auto reg = Placed<CRegister>(kKindRegister, {0, 0});
  reg->m_signed = 1;
  reg->m_decimals = 2;
  reg->m_inLow = -5;
  reg->m_inHigh = 300;
  reg->m_engLow = -32768;
  reg->m_settable = 1;
  page.Load(*reg);
  page.mode.Choose(0);  // HEX/BCD
  page.Idle();
  EXPECT_EQ(reg->m_signed, 0);
  EXPECT_EQ(reg->m_decimals, 0);
  EXPECT_GE(page.inLow.Value(), 0);
  page.mode.Choose(1);  // and back
  page.Idle();
  EXPECT_EQ(reg->m_signed, 1);
  EXPECT_EQ(reg->m_decimals, 2);
  EXPECT_EQ(reg->m_inLow, -5);
  EXPECT_EQ(reg->m_inHigh, 300);
  EXPECT_EQ(reg->m_engLow, -32768);
  EXPECT_EQ(page.inLow.Text(), "-5");

  page.address.type.Choose(1);  // "3x" cannot be set ...
  page.Idle();
  EXPECT_EQ(reg->m_settable, 0);
  page.address.type.Choose(0);  // ... "4x" can, as before
  page.Idle();
  EXPECT_EQ(reg->m_settable, 1);
}

TEST(EditSession, TheSignOfADynamicTextCutsItsRowsFromTheirValuesAndLeavesUnusedRows) {
  ProfileScope protocol(3);
  RecordingEnv rec;
  DynamicPageLogic page(rec.env);
  auto dyn = Placed<CDynamic>(kKindDynamic, {0, 0});
  dyn->m_values[1] = 40000;
  dyn->m_valueTexts[1] = "40000";
  dyn->m_texts[1] = "high";
  dyn->m_texts[2] = "spare";  // a text without a value: not in use
  page.Load(*dyn);
  page.isSigned.Click();
  page.Idle();
  EXPECT_EQ(dyn->m_values[1], 32767);
  EXPECT_EQ(dyn->m_valueTexts[2], "");
  page.isSigned.Click();
  page.Idle();
  EXPECT_EQ(dyn->m_values[1], 40000);
  EXPECT_EQ(dyn->m_valueTexts[1], "40000");
  EXPECT_EQ(dyn->m_valueTexts[2], "");

  // Through HEX/BCD and back the sign returns with the rows.
  page.EndEdit();
  dyn->m_signed = 1;
  dyn->m_values[3] = -7;
  dyn->m_valueTexts[3] = "-7";
  page.Load(*dyn);
  page.mode.Choose(0);
  page.Idle();
  EXPECT_EQ(dyn->m_values[3], 0);
  page.mode.Choose(1);
  page.Idle();
  EXPECT_EQ(dyn->m_signed, 1);
  EXPECT_EQ(dyn->m_values[3], -7);
  EXPECT_EQ(dyn->m_valueTexts[3], "-7");
}

TEST(EditSession, ATrendKeepsItsSampleCountThroughANarrowWidthOnTheWay) {
  ProfileScope protocol(3);
  RecordingEnv rec;
  GraphPageLogic page(rec.env);
  auto trend = Placed<CTide>(kKindTrend, {0, 0});
  page.Load(*trend);
  TypeSlowly(page, page.width, "170");  // passes through 17: 15 samples at most
  EXPECT_EQ(trend->m_widthPx, 170);
  EXPECT_EQ(trend->m_points, 20);
}

TEST(EditSession, TheFrameHearsWhereSessionsBeginAndEnd) {
  ProfileScope protocol(3);
  RecordingEnv rec;
  RegisterPageLogic page(rec.env);
  int began = 0, ended = 0;
  page.onEditBegan = [&] { ++began; };
  page.onEditEnded = [&] { ++ended; };
  auto reg = Placed<CRegister>(kKindRegister, {0, 0});
  page.Load(*reg);
  Type(page.digits, "42");  // one session for every keystroke of one box
  EXPECT_EQ(began, 1);
  EXPECT_EQ(page.EditControl(), &page.digits);
  page.isSigned.Click();  // another control: the first session ends
  EXPECT_EQ(began, 2);
  EXPECT_EQ(ended, 1);
  page.Load(*reg);
  EXPECT_EQ(ended, 2);
  EXPECT_EQ(page.EditControl(), nullptr);
}

TEST(HiddenFields, ALightOfProtocol31KeepsItsBitOffsetAndStaysInItsRanges) {
  ProfileScope protocol(31);
  RecordingEnv rec;
  LightPageLogic page(rec.env);
  auto light = Placed<CLight>(kKindLight, {0, 0});
  light->m_bitOffset = 0;
  page.Load(*light);
  EXPECT_FALSE(page.bitOffset.Visible());
  Type(page.address.addr, "0");
  page.Idle();
  EXPECT_EQ(light->m_bitOffset, 0);
  for (app::NumberBox* box : {&page.x, &page.y, &page.address.station, &page.address.addr}) {
    if (box->Min() > box->Max()) continue;
    EXPECT_GE(box->Value(), box->Min());
    EXPECT_LE(box->Value(), box->Max());
  }
}

}  // namespace
}  // namespace tavo::pagetest
