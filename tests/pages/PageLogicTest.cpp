// The screen, text, light, picture and function-key pages without a window:
// bindings, ranges and the idle pass.
#include <gtest/gtest.h>

#include "base/Gbk.h"
#include "elements/Chars.h"
#include "elements/Function.h"
#include "elements/Light.h"
#include "elements/UpLoadPic.h"
#include "model/Screen.h"
#include "pages/BasicPageLogic.h"
#include "pages/KeyPageLogic.h"
#include "pages/PageTestSupport.h"

namespace tavo::pagetest {
namespace {

using app::KeyPageLogic;
using app::LightPageLogic;
using app::Radix;
using app::TextPageLogic;

TEST(TextPage, TypingPastTheYMaximumIsRefusedAndTheTextMovesAtTheIdlePass) {
  ProfileScope protocol(1);
  RecordingEnv rec;
  TextPageLogic page(rec.env);
  auto text = Placed<CChars>(kKindText, {0, 0});
  page.Load(*text);
  EXPECT_EQ(page.y.Max(), 48);
  EXPECT_EQ(Type(page.y, "300"), 1);
  EXPECT_EQ(page.y.Text(), "30");
  EXPECT_EQ(text->m_rect.top, 0);  // nothing moves before the idle pass
  page.Idle();
  EXPECT_EQ(text->m_y, 30);
  EXPECT_EQ(text->m_rect.top, PanelToEditor(30));
  EXPECT_GT(rec.repaints, 0);
  EXPECT_GT(rec.modified, 0);
  EXPECT_FALSE(page.y.Changed());
}

TEST(TextPage, DoubleSizeAtTheRightEdgePullsTheTextBackAndLowersTheXMaximum) {
  ProfileScope protocol(1);
  RecordingEnv rec;
  TextPageLogic page(rec.env);
  auto text = Placed<CChars>(kKindText, {0, 0});  // "文字串": 6 bytes, 48 panel pixels
  page.Load(*text);
  EXPECT_EQ(page.x.Max(), 144);
  Type(page.x, "144");
  page.Idle();
  page.doubleSize.Click();
  page.Idle();
  EXPECT_EQ(text->m_rect.right, kDisplayWidth);
  EXPECT_EQ(text->m_x, 96);
  EXPECT_EQ(page.x.Max(), 96);
  EXPECT_EQ(page.y.Max(), 32);
  EXPECT_EQ(page.x.Text(), "96");
}

TEST(TextPage, TheTextHoldsAtMost24BytesAndResizes) {
  ProfileScope protocol(1);
  RecordingEnv rec;
  TextPageLogic page(rec.env);
  auto text = Placed<CChars>(kKindText, {0, 0});
  page.Load(*text);
  const std::string full(24, 'A');
  EXPECT_TRUE(page.text.UserText(full, true));
  EXPECT_FALSE(page.text.UserText(full + "B", true));
  EXPECT_TRUE(page.text.UserText(full + G("中"), false));  // pasted: cut
  EXPECT_EQ(text->m_text, full);
  page.Idle();
  EXPECT_EQ(text->m_len, 24);
  EXPECT_EQ(page.x.Max(), 0);
  EXPECT_FALSE(page.x.Enabled());
}

TEST(ScreenPage, TheDescriptionGoesIntoTheScreenListRow) {
  RecordingEnv rec;
  app::ScreenPageLogic page(rec.env);
  CMainView screen(7, "old");
  page.Load(screen);
  EXPECT_EQ(page.NumberText(), "7号画面");
  page.description.UserText(G("主画面"), true);
  page.Idle();
  EXPECT_EQ(rec.row, G("主画面"));
  EXPECT_EQ(screen.m_description, G("主画面"));
  EXPECT_EQ(Type(page.upScreen, "65536"), 1);
  EXPECT_EQ(screen.m_upScreen, 6553);
  EXPECT_GE(rec.modified, 5);
}

TEST(LightPage, BitOffsetFollowsTheTypeWidthWhereTheProtocolShowsIt) {
  ProfileScope protocol(1);  // types "B", "W", "D": 1, 2 and 4 bytes
  RecordingEnv rec;
  LightPageLogic page(rec.env);
  auto light = Placed<CLight>(kKindLight, {0, 0});
  page.Load(*light);
  EXPECT_TRUE(page.bitOffset.Visible());
  EXPECT_EQ(page.bitOffset.Max(), 7);
  page.address.type.Choose(2);
  page.Idle();
  EXPECT_EQ(page.bitOffset.Max(), 31);
  Type(page.bitOffset, "31");
  page.address.type.Choose(0);
  page.Idle();
  EXPECT_EQ(light->m_bitOffset, 7);
  EXPECT_EQ(page.address.station.Max(), 15);
  EXPECT_FALSE(page.address.subType.Visible());

  ProfileScope other(3);
  page.Load(*light);
  EXPECT_FALSE(page.bitOffset.Visible());
  EXPECT_FALSE(page.address.subAddr.Visible());  // switch 1 hidden for protocol 3
}

TEST(LightPage, ListsAndRepaints) {
  ProfileScope protocol(3);
  RecordingEnv rec;
  LightPageLogic page(rec.env);
  auto light = Placed<CLight>(kKindLight, {0, 0});
  page.Load(*light);
  EXPECT_EQ(page.address.type.Items(), (std::vector<std::string>{"0x", "1x"}));
  page.logic.Choose(1);
  page.style.Choose(1);
  page.Idle();
  EXPECT_EQ(light->m_inverse, 1);
  EXPECT_EQ(light->m_picStyle, 1);
  EXPECT_EQ(rec.repaints, 1);
  page.doubleSize.Click();
  page.Idle();
  EXPECT_EQ(light->m_rect.Width(), 72);
  EXPECT_EQ(page.x.Max(), 160);
}

TEST(LightPage, AddressBoxesWorkInOctalForProtocol7AndForXYOfProtocol20) {
  {
    ProfileScope protocol(7);
    RecordingEnv rec;
    LightPageLogic page(rec.env);
    auto light = Placed<CLight>(kKindLight, {0, 0});
    page.Load(*light);
    EXPECT_EQ(page.address.addr.GetRadix(), Radix::Octal);
    EXPECT_EQ(Type(page.address.addr, "179"), 1);
    EXPECT_EQ(light->m_addr, 15);
    EXPECT_EQ(Type(page.address.addr, "8"), 1);
    EXPECT_EQ(page.address.addr.Text(), "");
  }
  ProfileScope protocol(20);  // BL "M","SM","Y","X","S","T","C"
  RecordingEnv rec;
  LightPageLogic page(rec.env);
  auto light = Placed<CLight>(kKindLight, {0, 0});
  page.Load(*light);
  EXPECT_EQ(page.address.addr.GetRadix(), Radix::Unsigned);
  page.address.type.Choose(2);  // "Y"
  page.Idle();
  EXPECT_EQ(page.address.addr.GetRadix(), Radix::Octal);
  page.address.type.Choose(0);
  page.Idle();
  EXPECT_EQ(page.address.addr.GetRadix(), Radix::Unsigned);
}

TEST(LightPage, Protocol31ChoosesAVariableAndComputesItsFields) {
  ProfileScope protocol(31);
  RecordingEnv rec;
  LightPageLogic page(rec.env);
  auto light = Placed<CLight>(kKindLight, {0, 0});
  light->m_addr = 0x1234;
  page.Load(*light);
  EXPECT_EQ(light->m_addr, 255);  // protocol 31 addresses run to 255
  page.address.addr.SetValue(0x34);
  EXPECT_TRUE(page.address.subType.Visible());
  EXPECT_EQ(page.address.subType.Items().front(), "Inv1");  // RC, bit read
  page.address.type.Choose(6);                              // "PK": its bit list
  page.Idle();
  EXPECT_EQ(page.address.subType.Items(), std::vector<std::string>{"SensorError"});
  EXPECT_FALSE(page.address.subAddr.Visible());
  EXPECT_EQ(light->m_subTypeCode, 16);
  EXPECT_EQ(light->m_subAddr, 35);
  EXPECT_EQ(light->m_subTypeAddr, 0x934);

  page.address.type.Choose(0);  // "RC"
  page.Idle();
  const auto& names = page.address.subType.Items();
  const auto reset = std::find(names.begin(), names.end(), "MinMaxReset") - names.begin();
  page.address.subType.Choose(static_cast<int>(reset));
  page.Idle();
  EXPECT_EQ(light->m_subTypeCode, 16);
  EXPECT_EQ(light->m_subAddr, 99);
  EXPECT_EQ(light->m_subTypeAddr, 0x134);
}

TEST(PicturePage, PositionRangesUseThePicturesOwnSize) {
  ProfileScope protocol(1);
  RecordingEnv rec;
  app::PicturePageLogic page(rec.env);
  CUpLoadPic pic({0, 0}, 10, 10);
  pic.PlaceAt(0, 0);
  page.Load(pic);
  EXPECT_EQ(page.Width(), 10);
  EXPECT_EQ(page.x.Max(), 182);
  EXPECT_EQ(page.y.Max(), 54);
  Type(page.x, "100");
  page.Idle();
  EXPECT_EQ(pic.m_rect.left, PanelToEditor(100));

  CUpLoadPic wide({0, 0}, 196, 64);
  wide.PlaceAt(0, 0);
  page.Load(wide);
  EXPECT_FALSE(page.x.Enabled());
  EXPECT_FALSE(page.y.Enabled());
}

TEST(KeyPage, ScreenJumpShowsItsSubPageAndEnablesTheNumberForScreensOnly) {
  ProfileScope protocol(3);
  RecordingEnv rec;
  KeyPageLogic page(rec.env);
  auto key = Placed<CFunction>(kKindKey, {0, 0});
  page.Load(*key);
  // The keypad's keys, named as the project check names them.
  ASSERT_EQ(page.key.Items().size(), size_t{kKeyCount});
  EXPECT_EQ(page.key.Items().front(), "‘ESC’键");
  EXPECT_EQ(page.key.Items()[5], "‘SET’键");
  EXPECT_EQ(page.key.Items().back(), "‘CLR’键");
  EXPECT_EQ(page.SubPage(), KeyPageLogic::kSubPageCoil);
  page.action.Choose(kActionJump);
  page.Idle();
  EXPECT_EQ(key->m_action, kActionJump);
  EXPECT_EQ(page.SubPage(), KeyPageLogic::kSubPageJump);
  EXPECT_EQ(key->m_screenNo, 1);  // the range starts at 1
  EXPECT_TRUE(page.screenNo.Enabled());
  page.jumpKind.Choose(1);
  page.Idle();
  EXPECT_EQ(key->m_jumpKind, 1);
  EXPECT_FALSE(page.screenNo.Enabled());
}

TEST(KeyPage, SetCoilAndSetRegisterShareTheirSubPageWithDifferentControls) {
  ProfileScope protocol(3);  // BW "0x"; W "4x","3x",...
  RecordingEnv rec;
  KeyPageLogic page(rec.env);
  auto key = Placed<CFunction>(kKindKey, {0, 0});
  page.Load(*key);
  EXPECT_TRUE(page.coilOp.Visible());
  EXPECT_FALSE(page.value.Visible());
  EXPECT_EQ(page.coil.type.Items(), std::vector<std::string>{"0x"});
  page.coilOp.Choose(3);
  page.Idle();
  EXPECT_EQ(key->m_coilOp, 3);

  page.action.Choose(kActionSetRegister);
  page.Idle();
  EXPECT_FALSE(page.coilOp.Visible());
  EXPECT_TRUE(page.value.Visible());
  EXPECT_TRUE(page.format.Visible());
  EXPECT_FALSE(page.coil.subAddr.Visible());  // only protocol 1 shows it here
  EXPECT_EQ(page.coil.type.Items().front(), "4x");
  EXPECT_EQ(page.value.Max(), 65535);
  page.format.Choose(2);  // "有符号"
  page.Idle();
  EXPECT_EQ(key->m_valueSigned, 1);
  EXPECT_EQ(key->m_signed, 1);
  EXPECT_EQ(page.value.Min(), -32768);
  Type(page.value, "-2");
  EXPECT_EQ(key->m_setValue, -2);
  page.format.Choose(1);  // "HEX": back to 16 unsigned bits
  page.Idle();
  EXPECT_EQ(key->m_valueHex, 1);
  EXPECT_EQ(key->m_signed, 0);
  EXPECT_EQ(page.value.GetRadix(), Radix::Hex);
  EXPECT_EQ(key->m_setValue, 0xFFFF);
}

TEST(KeyPage, ProtocolRulesForTheActions) {
  {
    ProfileScope protocol(1);
    RecordingEnv rec;
    KeyPageLogic page(rec.env);
    auto key = Placed<CFunction>(kKindKey, {0, 0});
    page.Load(*key);
    EXPECT_FALSE(page.action.ButtonEnabled(kActionSetCoil));
    EXPECT_EQ(key->m_coilOp, 4);
    page.action.Choose(kActionSetCoil);
    EXPECT_EQ(page.action.Value(), kActionJump);
    page.action.Choose(kActionSetRegister);
    page.Idle();
    EXPECT_TRUE(page.coil.subAddr.Visible());
  }
  ProfileScope protocol(25);
  RecordingEnv rec;
  KeyPageLogic page(rec.env);
  auto key = Placed<CFunction>(kKindKey, {0, 0});
  page.Load(*key);
  EXPECT_FALSE(page.action.ButtonEnabled(kActionRecipe));
  EXPECT_TRUE(page.action.ButtonEnabled(kActionSetCoil));
}

TEST(KeyPage, RecipeLimitsAndTheHandResize) {
  ProfileScope protocol(4);
  RecordingEnv rec;
  KeyPageLogic page(rec.env);
  auto key = Placed<CFunction>(kKindKey, {0, 0});
  page.Load(*key);
  page.action.Choose(kActionRecipe);
  page.Idle();
  EXPECT_EQ(page.SubPage(), KeyPageLogic::kSubPageRecipe);
  EXPECT_EQ(Type(page.recipeLen, "2000"), 1);
  EXPECT_EQ(key->m_recipeLen, 200);
  Type(page.recipeTarget, "1024");
  EXPECT_EQ(key->m_recipeTarget, 1024);
  page.recipeOp.Choose(2);
  page.Idle();
  EXPECT_EQ(key->m_recipeOp, 2);
  EXPECT_FALSE(page.recipeStation.Enabled());  // protocol 4 has station 1 only

  Type(page.x, "176");
  page.Idle();
  page.hand.Click();
  page.Idle();
  EXPECT_EQ(key->m_rect.Width(), 72);
  EXPECT_EQ(key->m_rect.right, kDisplayWidth);
  EXPECT_EQ(page.x.Max(), 160);
}

}  // namespace
}  // namespace tavo::pagetest

namespace tavo::pagetest {
namespace {

// A page lets go of its element before the element goes: focus changes and
// idle passes afterwards touch nothing of it.
TEST(PageUnload, AnUnloadedPageTouchesNothing) {
  ProfileScope protocol(3);
  RecordingEnv rec;
  app::KeyPageLogic page(rec.env);
  {
    auto key = Placed<CFunction>(kKindKey, {0, 0});
    page.Load(*key);
    Type(page.x, "5");
    page.Unload();
  }
  page.x.FocusOut();
  page.coil.station.Step(1);
  page.doubleSize.Click();
  page.action.Choose(kActionJump);
  page.Idle();
  EXPECT_EQ(page.Element(), nullptr);
  EXPECT_EQ(rec.repaints, 0);
}

}  // namespace
}  // namespace tavo::pagetest
