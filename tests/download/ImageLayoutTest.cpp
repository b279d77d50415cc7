// A whole small project compiled and read back at the addresses the layout
// gives every part of the image.
#include <gtest/gtest.h>

#include "base/DataFiles.h"
#include "base/Gbk.h"
#include "download/ImageTestSupport.h"
#include "elements/Chars.h"
#include "elements/Dynamic.h"
#include "elements/Function.h"
#include "elements/Light.h"
#include "elements/Register.h"
#include "elements/Tide.h"
#include "elements/UpLoadPic.h"
#include "render/EditorPictures.h"
#include "render/FontLibrary.h"

namespace tavo {
namespace {

using test::At;
using test::Bytes;
using test::FromHex;
using test::ImageProject;
using test::Word;

// Screen 1: text "A中", register (64, 16), light, register (0, 16), key ENT
// with a hand. Screen 5: dynamic text "B中", two trends. Alarm text "AB".
// Wide list: 中; narrow list: A, B; key pictures: hand, ENT; lights used:
// six picture slots before the first wide glyph.
class SmallProject : public ::testing::Test {
 protected:
  SmallProject() : p(3) {
    p.Add<CChars>(1, 0, 0, Point{0, 0}, "A" + G("中"));
    p.Add<CRegister>(1, 64, 16);
    p.Add<CLight>(1, 100, 40);
    p.Add<CRegister>(1, 0, 16);
    CFunction& key = p.Add<CFunction>(1, 160, 48);
    key.m_hand = 1;
    key.m_picStyle = 6;
    CDynamic& dyn = p.Add<CDynamic>(5, 8, 0);
    dyn.m_texts[0] = "B" + G("中");
    dyn.m_valueTexts[0] = "3";
    dyn.m_values[0] = 3;
    p.Add<CTide>(5, 0, 16);
    p.Add<CTide>(5, 96, 16);
    p.project.m_alarmList.m_alarmTexts = {"AB"};
    p.project.m_settings.m_startScreen = 5;
    image = p.Compile();
  }

  ImageProject p;
  CompiledImage image;
};

TEST_F(SmallProject, HeaderPointsAtEveryPart) {
  ASSERT_TRUE(image.Ok());
  EXPECT_EQ(image.Size(), 0x1FBu);
  EXPECT_EQ(At(image, 0x8000, 10), FromHex("FF FF 81 30 81 DA 80 30 81 10"));
  EXPECT_EQ(image.image[12], 3);      // protocol
  EXPECT_EQ(image.image[13], 7);      // driver version
  EXPECT_EQ(Word(image, 0x8010), 2);  // screens
  EXPECT_EQ(Word(image, 0x8012), 5);  // start screen
  EXPECT_EQ(image.image[34], 1);      // alarm list
  EXPECT_EQ(image.driver.bytes, FromHex("D1 D2 D3"));
  EXPECT_EQ(image.screens, 2u);
  EXPECT_EQ(image.elements, 8u);
  EXPECT_EQ(image.wideGlyphs, 1u);
  EXPECT_EQ(image.narrowGlyphs, 2u);
}

TEST_F(SmallProject, PictureSlotsAndGlyphTables) {
  ASSERT_TRUE(image.Ok());
  const char* lamps[4] = {
      "00 C0 30 08 C4 24 12 12 02 02 04 04 08 30 C0 00 / 00 03 0C 10 20 20 40 40 40 40 20 20 10 "
      "0C 03 00",
      "00 C0 F0 F8 3C DC EE EE FE FE FC FC F8 F0 C0 00 / 00 03 0F 1F 3F 3F 7F 7F 7F 7F 3F 3F 1F "
      "0F 03 00",
      "00 FC 02 F2 0A 0A 0A 0A 02 02 02 02 02 02 FC 00 / 00 3F 40 40 40 40 40 40 40 40 40 40 40 "
      "40 3F 00",
      "00 FC FE 0E F6 F6 F6 F6 FE FE FE FE FE FE FC 00 / 00 3F 7F 7F 7F 7F 7F 7F 7F 7F 7F 7F 7F "
      "7F 3F 00"};
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(At(image, static_cast<uint16_t>(0x8030 + 32 * i), 32), FromHex(lamps[i])) << i;
  const auto hand = PanelKeyBitmap(20).value();
  const auto ent = PanelKeyBitmap(6).value();
  EXPECT_EQ(At(image, 0x80B0, 32), Bytes(hand.begin(), hand.end()));
  EXPECT_EQ(At(image, 0x80D0, 32), Bytes(ent.begin(), ent.end()));

  // Slot 6: the glyph of 中 from the Chinese library; then A and B from the English one.
  const std::string zhong = G("中");
  ChineseGlyph wide;
  ReadChineseGlyph(GlyphFile(DataFilePath(kChineseFontFile)), zhong[0], zhong[1], wide);
  ChineseGlyphToPanel(wide);
  EXPECT_EQ(At(image, 0x80F0, 32), Bytes(wide.begin(), wide.end()));
  EXPECT_NE(wide, ChineseGlyph{});
  for (uint8_t c : {'A', 'B'}) {
    EnglishGlyph narrow;
    ReadEnglishGlyph(GlyphFile(DataFilePath(kEnglishFontFile)), c, narrow);
    EnglishGlyphToPanel(narrow);
    EXPECT_EQ(At(image, static_cast<uint16_t>(0x8110 + 16 * (c - 'A')), 16),
              Bytes(narrow.begin(), narrow.end()));
  }
}

TEST_F(SmallProject, ScreenTableIndexAndRecordsInRegisterOrder) {
  ASSERT_TRUE(image.Ok());
  EXPECT_EQ(At(image, 0x8130, 18),
            FromHex("00 01 05 00 00 00 02 81 42  00 05 03 00 04 00 06 81 51"));
  EXPECT_EQ(At(image, 0x8142, 24), FromHex("01 81 5A  03 81 61  04 81 6D  02 81 7F  02 81 8A"
                                           "08 81 95  07 81 A5  07 81 BD"));
  EXPECT_EQ(At(image, 0x815A, 7), FromHex("00 00 00 03 00 80 06"));  // "A中", 中 in slot 6
  EXPECT_EQ(At(image, 0x8161, 2), FromHex("64 28"));                 // the light
  const Bytes key = At(image, 0x816D, 18);
  EXPECT_EQ(Bytes(key.begin() + 15, key.end()), FromHex("04 04 05"));  // hand slot 4, ENT 5
  EXPECT_EQ(At(image, 0x817F, 2), FromHex("00 10"));                   // register (0, 16) first
  EXPECT_EQ(At(image, 0x818A, 2), FromHex("40 10"));                   // then (64, 16)
  EXPECT_EQ(At(image, 0x81A5 + 22, 2), FromHex("02 00"));  // trends numbered on their screen
  EXPECT_EQ(At(image, 0x81BD + 22, 2), FromHex("02 01"));
}

TEST_F(SmallProject, DynamicTablesThenAlarmListAtTheEndAddress) {
  ASSERT_TRUE(image.Ok());
  EXPECT_EQ(At(image, 0x8195 + 10, 6), FromHex("01 03 00 03 81 D5"));
  EXPECT_EQ(At(image, 0x81D5, 5), FromHex("20 03 01 80 06"));
  EXPECT_EQ(Word(image, 0x8004), 0x81DA);
  EXPECT_EQ(At(image, 0x81DA, 13), FromHex("01 01 00 01 00 00 00 04 00 00 00 81 E7"));
  Bytes block(20, 0);
  block[0] = 2;
  block[19] = 1;  // "AB": narrow indices 0, 1
  EXPECT_EQ(At(image, 0x81E7, 20), block);
}

TEST_F(SmallProject, EverythingCompiledIsReleasedAndACompileRepeats) {
  ASSERT_TRUE(image.Ok());
  for (auto& screen : p.project.m_screens) {
    EXPECT_TRUE(screen->m_regOrder.empty());
    for (auto& e : screen->m_elements) EXPECT_TRUE(e->m_code.empty());
  }
  EXPECT_TRUE(p.project.m_alarmList.m_header.empty());
  EXPECT_EQ(p.Compile().image, image.image);
}

TEST(ImageSlots, WithoutLightsTheFirstKeyPictureIsSlotZero) {
  auto compile = [](bool light) {
    ImageProject p(3);
    p.Add<CFunction>(1, 0, 0);
    p.Add<CChars>(1, 0, 16, Point{0, 0}, G("中"));
    if (light) p.Add<CLight>(1, 16, 0);
    CompiledImage image = p.Compile();
    EXPECT_TRUE(image.Ok());
    return image;
  };
  const CompiledImage without = compile(false);
  const CompiledImage with = compile(true);
  EXPECT_EQ(Word(without, 0x8002) + 128, Word(with, 0x8002));
  // Key record first: its picture in slot 0, then the text's glyph in slot 1.
  const uint16_t withoutRecords = Word(without, 0x8002) + 9 + 6;
  EXPECT_EQ(At(without, withoutRecords + 16, 1), FromHex("00"));
  EXPECT_EQ(At(without, withoutRecords + 17 + 4, 2), FromHex("80 01"));
  const uint16_t withRecords = Word(with, 0x8002) + 9 + 9;
  EXPECT_EQ(At(with, withRecords + 16, 1), FromHex("04"));
  EXPECT_EQ(At(with, withRecords + 17 + 4, 2), FromHex("80 05"));
}

TEST(ImageRegisterOrder, RowThenColumnStableUnsignedBytes) {
  ImageProject p(3);
  struct Pos {
    int x, y;
  };
  // Row -1 (a register above the display) is byte 0xFF: the last row.
  const std::vector<Pos> positions = {{80, 0}, {8, 16}, {0, 16}, {15, 31}, {0, 0}, {0, -16}};
  for (const Pos& pos : positions) {
    CRegister& r = p.Add<CRegister>(1, pos.x, pos.y);
    r.m_decimals = static_cast<uint8_t>(&pos - positions.data());  // tells them apart
  }
  p.Add<CChars>(1, 0, 48, Point{0, 0}, "x");
  const CompiledImage image = p.Compile();
  ASSERT_TRUE(image.Ok());
  uint16_t record = Word(image, 0x8002) + 9 + 3 * 7 + 5;  // after the text's record
  std::vector<int> order;
  for (int i = 0; i < 6; ++i, record += 11) order.push_back(At(image, record + 10, 1)[0]);
  EXPECT_EQ(order, (std::vector<int>{4, 0, 2, 1, 3, 5}));
}

}  // namespace
}  // namespace tavo
