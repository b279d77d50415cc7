#include <gtest/gtest.h>

#include "model/OldProject.h"
#include "model/ProjectFile.h"
#include "support/OldProjectBuilder.h"

// Converted files read with the project reader: the values the old file held
// come back in the project's own fields.
namespace tavo {
namespace {

using test::OldElement;
using test::OldFileBuilder;
using test::Put16;
using test::Put32;
using test::Put8;
using test::PutText;

struct ReadBack {
  Project project;
  ReadInfo info;
};

std::unique_ptr<ReadBack> Read(const std::vector<uint8_t>& old) {
  auto out = ConvertOldProject(old);
  EXPECT_TRUE(out.has_value());
  auto r = std::make_unique<ReadBack>();
  EXPECT_EQ(ReadProjectBytes(out.value_or(std::vector<uint8_t>{}), r->project, r->info),
            ProjectFileError::None);
  return r;
}

TEST(OldProjectReadBack, SettingsScreensAndAlarmList) {
  OldFileBuilder b;
  auto& h = b.header;
  Put8(h, 13, 4);  // → protocol 8
  Put8(h, 17, 3);
  Put16(h, 21, 2);
  Put16(h, 25, 9999);
  Put8(h, 33, 6);
  Put32(h, 41, 300);
  Put8(h, 45, 4);
  Put8(h, 46, 1);
  Put8(h, 47, 1);
  Put8(h, 48, 0);
  Put8(h, 49, 0x2F);
  Put8(h, 50, 5);
  Put16(h, 58, 700);
  Put8(h, 67, 10);
  Put8(h, 71, 0);
  Put16(h, 72, 3);
  auto& s1 = b.AddScreen(1, std::string(40, 'a'));
  Put16(s1.header, 45, 0);
  Put16(s1.header, 47, 2);
  auto& s2 = b.AddScreen(2, "\xBB\xAD\xC3\xE6");
  Put16(s2.header, 45, 1);
  Put16(s2.header, 47, 3);
  b.alarms = {"\xB1\xA8\xBE\xAF", "", "x"};

  auto r = Read(b.Bytes());
  const PanelSettings& s = r->project.m_settings;
  EXPECT_EQ(r->info.protocol, 8);
  EXPECT_EQ(r->project.m_fileVersion, 1);
  EXPECT_EQ(r->project.m_curScreen, 0);
  EXPECT_EQ(s.m_password, 9999);
  EXPECT_EQ(s.m_startScreen, 2);
  EXPECT_EQ(s.m_ctrlStation, 5);
  EXPECT_EQ(s.m_ctrlRegAddr, 700);
  EXPECT_EQ(s.m_ctrlRegType, 0);
  EXPECT_EQ(s.m_saverScreen, 3);
  EXPECT_EQ(s.m_saverDelay, 10);
  EXPECT_EQ(s.m_ctrlFlags, 0x0F + 4);
  EXPECT_EQ(s.m_baud, 2);
  EXPECT_EQ(s.m_dataBits, 0);
  EXPECT_EQ(s.m_stopBits, 1);
  EXPECT_EQ(s.m_parity, 1);
  EXPECT_EQ(s.m_commParam, 3);
  EXPECT_EQ(s.m_saverAction, 1);

  ASSERT_EQ(r->project.ScreenCount(), 2u);
  const CMainView& first = *r->project.m_screens[0];
  EXPECT_EQ(first.m_number, 1);
  EXPECT_EQ(first.m_description, std::string(40, 'a'));
  EXPECT_EQ(first.m_upScreen, 0);
  EXPECT_EQ(first.m_downScreen, 2);
  const CMainView& second = *r->project.m_screens[1];
  EXPECT_EQ(second.m_number, 2);
  EXPECT_EQ(second.m_description, "\xBB\xAD\xC3\xE6");
  EXPECT_EQ(second.m_upScreen, 1);
  EXPECT_EQ(second.m_downScreen, 3);

  const CAlarmList& a = r->project.m_alarmList;
  EXPECT_EQ(a.m_station, 6);
  EXPECT_EQ(a.m_alarmbegin, 300);
  EXPECT_EQ(a.m_subAddr, 0);
  EXPECT_EQ(a.m_regType, 0);
  EXPECT_EQ(a.m_bitOffset, 0);
  EXPECT_EQ(a.m_alarmTexts, (std::vector<std::string>{"\xB1\xA8\xBE\xAF", "", "x"}));
}

TEST(OldProjectReadBack, AnOldFileWithoutScreensOpensOnScreenOne) {
  OldFileBuilder b;
  auto r = Read(b.Bytes());
  ASSERT_EQ(r->project.ScreenCount(), 1u);
  EXPECT_EQ(r->project.m_screens[0]->m_number, 1);
  EXPECT_TRUE(r->project.m_alarmList.m_alarmTexts.empty());
}

}  // namespace
}  // namespace tavo
