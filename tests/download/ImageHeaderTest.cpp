// The image header's bytes from the panel settings, and the start and saver
// screen replacement.
#include <gtest/gtest.h>

#include <functional>

#include "download/ImageTestSupport.h"
#include "elements/Function.h"
#include "elements/Register.h"

namespace tavo {
namespace {

using test::At;
using test::Bytes;
using test::FromHex;
using test::ImageProject;
using test::Word;

struct HeaderCase {
  const char* name;
  uint8_t protocol;
  std::function<void(ImageProject&)> set;
  size_t at;
  Bytes expected;
};

TEST(ImageHeader, BytesFromTheSettings) {
  auto settings = [](ImageProject& p) -> PanelSettings& { return p.project.m_settings; };
  const std::vector<HeaderCase> cases = {
      {"password 0", 3, [&](ImageProject& p) { settings(p).m_password = 0; }, 36, {0, 0}},
      {"password 9999",
       3,
       [&](ImageProject& p) { settings(p).m_password = 9999; },
       36,
       {0x99, 0x99}},
      {"password 1234",
       3,
       [&](ImageProject& p) { settings(p).m_password = 1234; },
       36,
       {0x12, 0x34}},
      {"a damaged file's password 12345 counts as 9999",
       3,
       [&](ImageProject& p) { settings(p).m_password = 12345; },
       36,
       {0x99, 0x99}},
      {"protocol 2's short baud list starts at 9600",
       2,
       [&](ImageProject& p) { settings(p).m_baud = 1; },
       30,
       {4}},
      {"protocol 3 keeps the baud index",
       3,
       [&](ImageProject& p) { settings(p).m_baud = 1; },
       30,
       {1}},
      {"line settings",
       3,
       [&](ImageProject& p) {
         settings(p).m_dataBits = 1;
         settings(p).m_stopBits = 1;
         settings(p).m_parity = 2;
       },
       31,
       {8, 2, 2}},
      {"address step of protocol 2", 2, [](ImageProject&) {}, 27, {2}},
      {"control register: station, type code of 3x, address",
       3,
       [&](ImageProject& p) {
         settings(p).m_ctrlStation = 9;
         settings(p).m_ctrlRegType = 1;
         settings(p).m_ctrlRegAddr = 0x1234;
         settings(p).m_ctrlFlags = 5;
       },
       23,
       {9, 0x82, 0x12, 0x34, 1, 0, 5}},
      {"panel station, interface and E5 timeout",
       3,
       [&](ImageProject& p) {
         settings(p).m_commParam = 17;
         settings(p).m_commOption = 1;
         settings(p).m_e5Timeout = 500;
       },
       39,
       {1, 0x01, 0xF4}},
      {"panel station number",
       3,
       [&](ImageProject& p) { settings(p).m_commParam = 17; },
       10,
       {0, 17, 3, 7, 11, 0}},
      {"saver delay 10 is one hour",
       3,
       [&](ImageProject& p) { settings(p).m_saverDelay = 10; },
       22,
       {60}},
      {"saver delay 4 is five minutes",
       3,
       [&](ImageProject& p) { settings(p).m_saverDelay = 4; },
       22,
       {5}},
      {"a saver delay past the list gives 0",
       3,
       [&](ImageProject& p) { settings(p).m_saverDelay = 11; },
       22,
       {0}},
      {"saver switching the backlight off sends no screen",
       3,
       [&](ImageProject& p) {
         settings(p).m_saverAction = 0;
         settings(p).m_saverScreen = 2;
       },
       20,
       {0, 0}},
      {"saver showing screen 2",
       3,
       [&](ImageProject& p) {
         settings(p).m_saverAction = 1;
         settings(p).m_saverScreen = 2;
       },
       20,
       {0, 2}},
      {"uses-flag A from a protected key, flag B from a TM register",
       24,
       [](ImageProject& p) {
         p.Add<CFunction>(1, 0, 0).m_protected = 1;
         p.Add<CRegister>(1, 0, 16).m_regType = 1;
       },
       34,
       {0, 1, 0, 0, 1}},
      {"reserved bytes stay 0", 3, [](ImageProject&) {}, 42, {0, 0, 0, 0, 0, 0}},
  };
  for (const auto& c : cases) {
    ImageProject p(c.protocol);
    p.Screen(1);
    p.Screen(2);
    c.set(p);
    const CompiledImage image = p.Compile();
    ASSERT_TRUE(image.Ok()) << c.name;
    ASSERT_EQ(image.image.size() >= kImageHeaderSize, true);
    EXPECT_EQ(At(image, static_cast<uint16_t>(0x8000 + c.at), c.expected.size()), c.expected)
        << c.name;
  }
}

TEST(ImageHeader, MissingStartAndSaverScreensBecomeTheFirstScreenInTheProjectToo) {
  ImageProject p(3);
  p.Screen(4);
  p.Screen(9);
  PanelSettings& s = p.project.m_settings;
  s.m_startScreen = 1;
  s.m_saverAction = 1;
  s.m_saverScreen = 7;
  const CompiledImage image = p.Compile();
  ASSERT_TRUE(image.Ok());
  EXPECT_EQ(Word(image, 0x8012), 4);
  EXPECT_EQ(Word(image, 0x8014), 4);
  EXPECT_EQ(s.m_startScreen, 4);
  EXPECT_EQ(s.m_saverScreen, 4);

  s.m_startScreen = 9;
  s.m_saverAction = 0;
  s.m_saverScreen = 7;  // not shown, so not replaced
  const CompiledImage again = p.Compile();
  EXPECT_EQ(Word(again, 0x8012), 9);
  EXPECT_EQ(s.m_saverScreen, 7);
}

TEST(ImageHeader, FileVersionAndNoAlarmList) {
  ImageProject p(3);
  p.Screen(1);
  p.project.m_fileVersion = 12;
  const CompiledImage image = p.Compile();
  ASSERT_TRUE(image.Ok());
  EXPECT_EQ(image.image[14], 12);
  EXPECT_EQ(image.image[34], 0);
  // Without an alarm list the image ends at the end address.
  EXPECT_EQ(Word(image, 0x8004), 0x8000 + image.Size());
}

}  // namespace
}  // namespace tavo
