// Findings about the screens as a whole: targets, numbers, keys, counts,
// the image size and the alarm list.
#include "check/CheckSupport.h"
#include "elements/Chars.h"
#include "elements/Function.h"
#include "elements/Light.h"
#include "elements/UpLoadPic.h"

namespace tavo::test {
namespace {

TEST_F(CheckTest, AProjectWithNothingWrongGivesNoFinding) {
  Put<CChars>(First(), 0, 0, Point{}, G("温度 T1"));
  CFunction& key = Put<CFunction>(First(), 100, 0);
  key.m_action = kActionJump;
  key.m_screenNo = 2;
  CMainView& second = Screen(2);
  second.m_upScreen = 1;
  Put<CLight>(second, 0, 0);
  EXPECT_EQ(Codes(), std::vector<std::string>{});
}

TEST_F(CheckTest, ScreensThatKeysAndSettingsLeadToMustExist) {
  CFunction& jump = Put<CFunction>(First(), 0, 0);
  jump.m_action = kActionJump;
  jump.m_screenNo = 7;
  First().m_upScreen = 9;    // no such screen
  First().m_downScreen = 2;  // the default target past the last screen: fine
  project.m_settings.m_startScreen = 4;
  project.m_settings.m_saverAction = 1;
  project.m_settings.m_saverScreen = 5;

  const Finding f = Only("jump-target");
  EXPECT_EQ(f.severity, Severity::kError);
  EXPECT_EQ(f.screen, 1);
  EXPECT_EQ(f.element, 0u);
  EXPECT_NE(f.message.find("7号画面不存在"), std::string::npos) << f.message;
  EXPECT_EQ(Only("up-target").severity, Severity::kNote);
  EXPECT_EQ(Only("start-screen").severity, Severity::kWarning);
  EXPECT_NE(Only("saver-screen").message.find("改用1号画面"), std::string::npos);

  // A saver that only turns the backlight off names no screen.
  project.m_settings.m_saverAction = 0;
  EXPECT_EQ(Codes(), (std::vector<std::string>{"start-screen", "up-target", "jump-target"}));
}

TEST_F(CheckTest, DuplicateNumbersKeysAndOverfullScreens) {
  Screen(1);  // a second screen 1, as only a damaged file holds
  EXPECT_EQ(Only("duplicate-screen").severity, Severity::kError);
  project.m_screens.pop_back();

  Put<CFunction>(First(), 0, 0).m_picStyle = 5;
  Put<CFunction>(First(), 40, 0).m_picStyle = 6;
  Put<CFunction>(First(), 80, 0).m_picStyle = 5;
  const Finding key = Only("duplicate-key");
  EXPECT_EQ(key.element, 2u);
  EXPECT_NE(key.message.find("‘SET’键"), std::string::npos) << key.message;

  CMainView& full = Screen(2);
  for (int i = 0; i < 256; ++i) Put<CLight>(full, 0, 0);
  const Finding count = Only("too-many-elements");
  EXPECT_EQ(count.screen, 2);
  EXPECT_NE(count.message.find("256"), std::string::npos);
}

TEST_F(CheckTest, TheImageSizeAgainstThePanelsArea) {
  // A full-display picture takes 8 x 192 = 1,536 bytes of picture data.
  for (int i = 0; i < 21; ++i) Put<CUpLoadPic>(First(), 0, 0, Point{}, 192, 64);
  const std::vector<std::string> codes = Codes();
  EXPECT_EQ(std::count(codes.begin(), codes.end(), "image-size"), 0);
  EXPECT_EQ(Only("image-near-limit").severity, Severity::kWarning);
  Put<CUpLoadPic>(First(), 0, 0, Point{}, 192, 64);
  const Finding f = Only("image-size");
  EXPECT_EQ(f.severity, Severity::kError);
  EXPECT_FALSE(f.screen.has_value());
}

TEST_F(CheckTest, AlarmListAgainstTheProtocolsAlarmCoils) {
  project.m_alarmList.m_alarmTexts.clear();
  CFunction& toAlarms = Put<CFunction>(First(), 0, 0);
  toAlarms.m_action = kActionJump;
  toAlarms.m_jumpKind = 1;
  EXPECT_EQ(Codes(), (std::vector<std::string>{"alarm-list-empty", "alarm-jump-empty"}));
  EXPECT_EQ(Only("alarm-list-empty").severity, Severity::kNote);

  // Protocol 31 has no alarm coil type: its alarm list cannot be edited.
  ProfileScope ktc(31);
  project.m_alarmList.SetText(0, G("超温"));
  EXPECT_EQ(Only("alarm-no-coils").severity, Severity::kNote);
}

}  // namespace
}  // namespace tavo::test
