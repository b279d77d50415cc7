// Download records of the text, the picture and the alarm list.
#include <gtest/gtest.h>

#include "base/Gbk.h"
#include "elements/AlarmList.h"
#include "elements/Chars.h"
#include "elements/RecordTestSupport.h"
#include "elements/UpLoadPic.h"
#include "support/ProfileScope.h"

namespace tavo {
namespace {

using test::Bytes;
using test::CompileRecord;
using test::Hex;
using test::ProfileScope;

TEST(TextRecord, EncodedInPlaceAndRelocated) {
  CChars text(Point{0, 0}, "AB" + G("中"));
  text.m_x = 200;  // one byte each, low eight bits
  text.m_y = -1;
  text.m_inverse = 1;
  text.m_double = 1;
  ImageShared shared;
  shared.narrow = {'B'};  // an earlier text used "B"
  EXPECT_EQ(Hex(CompileRecord(text, shared)), Hex({200, 0xFF, 0x03, 4, 1, 0, 0x80, 0x00}));
  uint16_t slots = 6;
  text.Relocate(slots);
  EXPECT_EQ(slots, 6);
  EXPECT_EQ(Hex(text.m_code), Hex({200, 0xFF, 0x03, 4, 1, 0, 0x80, 0x06}));

  CChars empty(Point{0, 0}, "");
  EXPECT_EQ(Hex(CompileRecord(empty)), Hex({0, 0, 0, 0}));
}

TEST(TextRecord, OverlongTextTravelsAsItsFirst255Bytes) {
  CChars text(Point{0, 0}, std::string(254, 'x') + G("中"));  // 256 bytes
  ImageShared shared;
  const Bytes code = CompileRecord(text, shared);
  ASSERT_EQ(code.size(), 259u);
  EXPECT_EQ(code[3], 255);
  EXPECT_EQ(code[258], 1);  // the cut character shows as a space
  EXPECT_EQ(shared.narrow, (NarrowCharList{'x', ' '}));
  EXPECT_TRUE(shared.wide.empty());
}

TEST(PictureRecord, BandsOfEightRowsAndTheDataAddress) {
  CUpLoadPic pic(Point{0, 0}, 10, 10);
  pic.m_x = 5;
  pic.m_y = 6;
  std::vector<uint32_t> pixels(100, 0);
  pixels[0] = 0xFFFFFF;           // (0, 0)
  pixels[9 * 10 + 9] = 0x818181;  // (9, 9): bright, (129 + 129 + 129) / 3 > 128
  pixels[8 * 10 + 3] = 0x808080;  // (3, 8): dark, 128 is not above 128
  pixels[7 * 10 + 2] = 0xFFFFFF;  // (2, 7)
  ASSERT_TRUE(pic.CaptureRgb(pixels));
  ImageShared shared;
  shared.pictureData = {0xAA};  // an earlier picture's data
  EXPECT_EQ(Hex(CompileRecord(pic, shared)), Hex({5, 6, 0, 10, 10, 0, 0, 0, 0}));
  Bytes expected(21, 0);
  expected[0] = 0xAA;
  expected[1 + 0] = 0x01;       // band 0, column 0, row 0
  expected[1 + 2] = 0x80;       // band 0, column 2, row 7
  expected[1 + 10 + 9] = 0x02;  // band 1, column 9, row 9
  EXPECT_EQ(Hex(shared.pictureData), Hex(expected));

  uint16_t running = 0x9100;
  pic.Relocate(running);
  EXPECT_EQ(running, 0x9100 + 20);
  EXPECT_EQ(pic.m_code[5], 0x91);
  EXPECT_EQ(pic.m_code[6], 0x00);
}

TEST(PictureRecord, DamagedSizeTravelsAsAnEmptyPicture) {
  CUpLoadPic pic(Point{0, 0}, 10, 10);
  pic.m_info[4] = 200;  // width field 200 disagrees with the image size
  ImageShared shared;
  EXPECT_EQ(Hex(CompileRecord(pic, shared)), Hex({0, 0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_TRUE(shared.pictureData.empty());
  uint16_t running = 0x9000;
  pic.Relocate(running);
  EXPECT_EQ(running, 0x9000);
}

Bytes AlarmHeader(uint8_t protocol, uint16_t begin, uint8_t subAddr, uint8_t regType,
                  uint8_t bitOffset) {
  ProfileScope scope(protocol);
  CAlarmList list;
  list.m_station = 7;
  list.m_alarmbegin = begin;
  list.m_subAddr = subAddr;
  list.m_regType = regType;
  list.m_bitOffset = bitOffset;
  list.m_alarmTexts = {"a"};
  list.CalcCodeSize();
  ImageShared shared;
  list.Compile(shared, 0);
  return Bytes(list.m_header.begin(), list.m_header.begin() + 10);
}

TEST(AlarmListRecord, HeaderTablesPerProtocol) {
  struct Case {
    uint8_t protocol;
    uint16_t begin;
    uint8_t subAddr, regType, bitOffset;
    Bytes expected;  // bytes 0-9
  };
  const std::vector<Case> cases = {
      {3, 100, 9, 0, 5, {1, 1, 0, 7, 0x00, 0, 3, 4, 4, 0}},
      {19, 0, 0, 0, 0, {1, 1, 0, 7, 0x00, 0x07, 0xFF, 4, 0, 31}},  // (0 - 1) as 16 bits
      {29, 5, 2, 0, 0, {1, 1, 0, 7, 34, 0, 2, 2, 0, 10}},          // alarm code of "Q"
      {4, 21, 0, 0, 0, {1, 1, 0, 7, 0x00, 0, 2, 1, 0, 5}},
      {7, 0x3FF, 3, 0, 0, {1, 1, 0, 7, 0x00, 0, 0x3F, 2, 15, 0}},   // octal 1777
      {20, 35, 0, 1, 0, {1, 1, 0, 7, 0x32, 0, 2, 2, 3, 3}},         // "SM" 0x30 + 2
      {23, 17, 0, 0, 0, {1, 1, 0, 7, 0x20, 0, 1, 2, 1, 1}},         // bit-write "M"
      {26, 40, 1, 5, 0, {1, 1, 0, 7, 0xD2, 0, 2, 2, 1, 8}},         // past type 1: the last
      {27, 300, 6, 0, 0, {1, 1, 0, 7, 0xF2, 0x01, 0x2C, 2, 6, 6}},  // word code of "H"
      {28, 33, 0, 1, 0, {1, 1, 0, 7, 66, 0, 2, 2, 0, 1}},           // alarm code of "S"
      {1, 0x1234, 3, 2, 9, {1, 1, 0, 7, 0x04, 0x12, 0x34, 4, 3, 9}},
      {24, 50, 4, 0, 0, {1, 1, 0, 7, 0x10, 0, 50, 0, 0, 0}},
      {35, 8, 4, 0, 0, {1, 1, 0, 7, 18, 0, 8, 2, 0, 0}},
      {31, 8, 4, 0, 6, {1, 1, 0, 7, 0x00, 0, 8, 0, 4, 6}},  // empty alarm list in the profile
  };
  for (const auto& c : cases)
    EXPECT_EQ(Hex(AlarmHeader(c.protocol, c.begin, c.subAddr, c.regType, c.bitOffset)),
              Hex(c.expected))
        << "protocol " << int(c.protocol);
}

TEST(AlarmListRecord, EntriesAndBlocksFollowTheHeader) {
  ProfileScope scope(3);
  CAlarmList list;
  list.m_alarmTexts = {"abcd", "", G("报警") + "ab"};
  list.CalcCodeSize();
  EXPECT_EQ(list.m_headerLen, 19);
  EXPECT_EQ(list.m_blockLens, (Bytes{22, 18, 24}));
  ImageShared shared;
  shared.wide = {WideChar{0xB0, 0xA1}};  // one character of the screens
  list.Compile(shared, 5);
  uint16_t at = 0xA000;
  list.Relocate(at);
  EXPECT_EQ(at, 0xA000 + 19 + 22 + 18 + 24);
  EXPECT_EQ(Hex(Bytes(list.m_header.begin() + 10, list.m_header.end())),
            Hex({0, 0xA0, 0x13, 1, 0xA0, 0x29, 2, 0xA0, 0x3B}));
  Bytes image;
  list.AppendTo(image);
  ASSERT_EQ(image.size(), 19u + 64u);
  const Bytes third(image.begin() + 19 + 40, image.end());
  Bytes expected(24, 0);
  expected[0] = 6;
  expected[18] = 0x80;  // "报": 0x8000 + index 1 + base 5
  expected[19] = 0x06;
  expected[20] = 0x80;
  expected[21] = 0x07;
  expected[22] = 0;  // "a", the first narrow character
  expected[23] = 1;
  EXPECT_EQ(Hex(third), Hex(expected));
  EXPECT_EQ(image[19 + 22], 0);  // the empty text's block: length 0
}

}  // namespace
}  // namespace tavo
