#include <gtest/gtest.h>

#include "elements/Bar.h"
#include "elements/Chars.h"
#include "elements/Dynamic.h"
#include "elements/Function.h"
#include "elements/Light.h"
#include "elements/Register.h"
#include "elements/Tide.h"
#include "elements/UpLoadPic.h"
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
  Put8(h, 13, 2);  // protocol 2: station 2, bit addresses of 8 bits
  Put16(h, 25, 9999);
  Put8(h, 33, 6);
  Put32(h, 41, 0x13);
  Put8(h, 48, 0);
  Put8(h, 49, 0x2F);
  Put8(h, 50, 5);
  Put16(h, 58, 700);
  auto& s1 = b.AddScreen(1, std::string(40, 'a'));
  Put16(s1.header, 47, 2);
  auto& s2 = b.AddScreen(2, "\xBB\xAD\xC3\xE6");
  Put16(s2.header, 45, 1);
  Put16(s2.header, 47, 3);
  b.alarms = {"\xB1\xA8\xBE\xAF", "", "x"};

  auto r = Read(b.Bytes());
  const PanelSettings& s = r->project.m_settings;
  EXPECT_EQ(r->info.protocol, 2);
  EXPECT_EQ(r->project.m_fileVersion, 1);
  EXPECT_EQ(s.m_password, 9999);
  EXPECT_EQ(s.m_ctrlStation, 2);
  EXPECT_EQ(s.m_ctrlRegAddr, 700 / 8);
  EXPECT_EQ(s.m_ctrlRegType, 1);
  EXPECT_EQ(s.m_ctrlFlags, 0x0F + 4);
  EXPECT_EQ(s.m_stopBits, 1);
  EXPECT_EQ(s.m_saverAction, 1);

  ASSERT_EQ(r->project.ScreenCount(), 2u);
  const CMainView& first = *r->project.m_screens[0];
  EXPECT_EQ(first.m_description, std::string(40, 'a'));
  EXPECT_EQ(first.m_downScreen, 2);
  const CMainView& second = *r->project.m_screens[1];
  EXPECT_EQ(second.m_number, 2);
  EXPECT_EQ(second.m_description, "\xBB\xAD\xC3\xE6");
  EXPECT_EQ(second.m_upScreen, 1);
  EXPECT_EQ(second.m_downScreen, 3);

  // The alarm coils start at bit 3 of word 2.
  const CAlarmList& a = r->project.m_alarmList;
  EXPECT_EQ(a.m_station, 2);
  EXPECT_EQ(a.m_alarmbegin, 2);
  EXPECT_EQ(a.m_subAddr, 3);
  EXPECT_EQ(a.m_alarmTexts, (std::vector<std::string>{"\xB1\xA8\xBE\xAF", "", "x"}));
}

TEST(OldProjectReadBack, AnOldFileWithoutScreensOpensOnScreenOne) {
  OldFileBuilder b;
  auto r = Read(b.Bytes());
  ASSERT_EQ(r->project.ScreenCount(), 1u);
  EXPECT_EQ(r->project.m_screens[0]->m_number, 1);
  EXPECT_TRUE(r->project.m_alarmList.m_alarmTexts.empty());
}

TEST(OldProjectReadBack, EveryElementKindWithItsConvertedValues) {
  OldFileBuilder b;
  b.header[13] = 2;  // protocol 2: stations 2, register types counted from 1
  auto& s = b.AddScreen(1);
  // Old order: dynamic text, picture, trend, bar, key, light, register, text.
  auto dyn = OldElement(kOldDynamic, 18, 36, 0, 2);
  Put32(dyn, 22, 80);
  PutText(dyn, 31, 32, "off");
  PutText(dyn, 56, 57, "on");
  s.elements.push_back(dyn);
  auto pic = OldElement(kOldPicture, 45, 0, 8);
  Put32(pic, 44, 16);  // width
  Put32(pic, 48, 4);   // height: 4 rows of 4 bytes would be 16; the bits say 8
  pic[88] = 0xAA;
  s.elements.push_back(pic);
  auto tide = OldElement(kOldTrend);
  tide[32] = 90;
  tide[36] = 72;
  tide[48] = 25;
  Put32(tide, 52, 60);
  s.elements.push_back(tide);
  auto bar = OldElement(kOldBar);
  bar[18] = 2;
  bar[48] = 2;
  Put32(bar, 44, 1000);
  s.elements.push_back(bar);
  auto key = OldElement(kOldKey, 90, 90);
  key[14] = 1;
  key[21] = 1;
  Put32(key, 30, 0x13);
  Put16(key, 36, 7);
  s.elements.push_back(key);
  auto light = OldElement(kOldLight, 45, 36);
  Put32(light, 26, 0x13);
  s.elements.push_back(light);
  auto reg = OldElement(kOldRegister);
  Put32(reg, 18, 2);
  Put32(reg, 22, 16);
  Put32(reg, 30, 4);
  Put32(reg, 43, 100);
  s.elements.push_back(reg);
  auto text = OldElement(kOldText, 45, 36);
  PutText(text, 14, 15, "\xCE\xC4\xD7\xD6");
  s.elements.push_back(text);

  auto r = Read(b.Bytes());
  ASSERT_EQ(r->project.ScreenCount(), 1u);
  const auto& list = r->project.m_screens[0]->m_elements;
  ASSERT_EQ(list.size(), 8u);
  const uint8_t kinds[] = {kKindText, kKindRegister, kKindLight,   kKindKey,
                           kKindBar,  kKindTrend,    kKindPicture, kKindDynamic};
  for (size_t i = 0; i < 8; ++i) EXPECT_EQ(list[i]->m_kind, kinds[i]) << i;

  auto& t = dynamic_cast<CChars&>(*list[0]);
  EXPECT_EQ(t.m_x, 20);
  EXPECT_EQ(t.m_y, 16);
  EXPECT_EQ(t.m_text, "\xCE\xC4\xD7\xD6");

  auto& g = dynamic_cast<CRegister&>(*list[1]);
  EXPECT_EQ(g.m_station, 2);
  EXPECT_EQ(g.m_regType, 1);
  EXPECT_EQ(g.m_addr, 2);
  EXPECT_EQ(g.m_digits, 4);
  EXPECT_EQ(g.m_inHigh, 100);
  EXPECT_EQ(g.m_engHigh, 1);
  EXPECT_EQ(g.m_signed, 1);

  auto& l = dynamic_cast<CLight&>(*list[2]);
  EXPECT_EQ(l.m_addr, 2);
  EXPECT_EQ(l.m_subAddr, 3);
  EXPECT_EQ(l.m_inverse, 1);
  EXPECT_EQ(l.m_station, 2);

  auto& k = dynamic_cast<CFunction&>(*list[3]);
  EXPECT_EQ(k.m_x, 40);
  EXPECT_EQ(k.m_picStyle, 7);
  EXPECT_EQ(k.m_action, 1);
  EXPECT_EQ(k.m_screenNo, 7);
  EXPECT_EQ(k.m_addr, 2);
  EXPECT_EQ(k.m_subAddr, 3);

  auto& bg = dynamic_cast<CBar&>(*list[4]);
  EXPECT_EQ(bg.m_regType, 1);
  EXPECT_EQ(bg.m_direction, 3);
  EXPECT_EQ(bg.m_fullScale, 1000);

  auto& tg = dynamic_cast<CTide&>(*list[5]);
  EXPECT_EQ(tg.m_widthPx, 40);
  EXPECT_EQ(tg.m_height, 32);
  EXPECT_EQ(tg.m_points, 25);
  EXPECT_EQ(tg.m_interval, 60);

  auto& p = dynamic_cast<CUpLoadPic&>(*list[6]);
  EXPECT_EQ(p.m_x, 20);
  ASSERT_EQ(p.m_bits.size(), 8u);
  EXPECT_EQ(p.m_bits[0], 0xAA);

  auto& d = dynamic_cast<CDynamic&>(*list[7]);
  EXPECT_EQ(d.m_x, 8);
  EXPECT_EQ(d.m_addr, 10);
  ASSERT_EQ(d.m_texts.size(), 32u);
  EXPECT_EQ(d.m_texts[0], "off");
  EXPECT_EQ(d.m_texts[1], "on");
  EXPECT_EQ(d.m_texts[2], "");
  EXPECT_EQ(d.m_values[1], 2);
  EXPECT_EQ(d.m_values[2], 0);
  EXPECT_EQ(d.m_valueTexts[1], "2");
  EXPECT_EQ(d.m_valueTexts[2], "");
}

}  // namespace
}  // namespace tavo
