#include <gtest/gtest.h>

#include "model/OldProject.h"
#include "support/OldProjectBuilder.h"

namespace tavo {
namespace {

using test::OldElement;
using test::Put16;
using test::Put32;
using test::Put8;
using test::PutText;

TEST(OldProjectMap, ProtocolCodes) {
  const uint8_t expected[] = {4, 7, 2, 5, 8, 4, 6, 13, 10, 4, 11, 14, 11, 4, 14, 15, 16};
  for (uint8_t c = 0; c < sizeof expected; ++c) EXPECT_EQ(MapProtocol(c), expected[c]) << int(c);
  EXPECT_EQ(MapProtocol(20), 20);
  EXPECT_EQ(MapProtocol(255), 255);
}

TEST(OldProjectMap, AddressParts) {
  struct Case {
    uint8_t p;
    int32_t a;
    uint16_t reg, word;
    uint8_t bit;
  } cases[] = {
      {7, 123, 83, 83, 0},            // octal digits: 1*64 + 2*8 + 3
      {7, 99999, 42129, 42129, 0},    // digits 8 and 9 still weigh 8^k
      {7, 1234567, 14711, 14711, 0},  // only the last five digits: 34567 read as octal
      {2, 0x13, 2, 2, 3},
      {2, -9, 0xFFFF, 0xFFFF, 0xFF},  // truncation toward zero, sign kept
      {5, 35, 35, 2, 3},
      {6, 0x10005, 5, 0x1000, 5},
      {14, 31, 31, 1, 15},
      // Word × 16 + bit protocols: the word part is the word, so that the
      // light's and the key's m_addr × 16 + m_subAddr gives the old address.
      {11, 0x123, 0x123, 0x12, 3},
      {12, 0x12345, 0x2345, 0x1234, 5},
      {18, 17, 17, 1, 1},
      {22, -3, 0xFFFD, 0, 0xFD},
      {1, 0x12345, 0x2345, 0x2345, 0},
      {4, 500, 500, 500, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "p=" << int(c.p) << " a=" << c.a);
    EXPECT_EQ(RegAddr(c.a, c.p), c.reg);
    EXPECT_EQ(WordPart(c.a, c.p), c.word);
    EXPECT_EQ(BitPart(c.a, c.p), c.bit);
  }
}

TEST(OldProjectMap, KeyStylesAndBaud) {
  const uint8_t styles[] = {0, 7,  4,  3,  2,  1,  5,  6,  19, 18, 8,
                            9, 10, 11, 12, 13, 14, 15, 16, 17, 20};
  for (uint8_t v = 0; v < sizeof styles; ++v) EXPECT_EQ(MapKeyStyle(v), styles[v]) << int(v);
  EXPECT_EQ(MapKeyStyle(200), 200);

  const uint8_t baud[] = {0, 1, 0, 1, 2, 3, 4, 7, 5, 9};
  for (uint8_t v = 0; v < sizeof baud; ++v) EXPECT_EQ(MapBaud(v, 7), baud[v]) << int(v);
  EXPECT_EQ(MapBaud(5, 2), 0);
  EXPECT_EQ(MapBaud(6, 2), 1);
  EXPECT_EQ(MapBaud(3, 2), 5);
}

// The values of a field list, skipping nothing: numbers as numbers, strings
// and raw bytes by their text.
std::vector<uint32_t> Numbers(const OrxRecord& r) {
  std::vector<uint32_t> out;
  for (const auto& f : r.fields)
    if (f.type != OrxField::kString && f.type != OrxField::kRaw) out.push_back(f.value);
  return out;
}

TEST(OldProjectMap, NegativePositionsRoundTowardZero) {
  auto e = ConvertOldElement({kOldText, OldElement(kOldText, -1, -45)}, 4);
  EXPECT_EQ(static_cast<int32_t>(e.record.fields[1].value), 0);
  EXPECT_EQ(static_cast<int32_t>(e.record.fields[2].value), -19);  // trunc(-20 + 0.5)
}

TEST(OldProjectMap, LightAndKeyRecords) {
  auto light = OldElement(kOldLight, 9, 18);
  light[8] = 1;
  light[14] = 2;  // style
  light[18] = 7;  // station
  light[22] = 3;  // register type
  Put32(light, 26, 0x13);
  light[30] = 1;  // the old inverse is stored the other way round
  auto l = ConvertOldElement({kOldLight, light}, 2);
  EXPECT_STREQ(ArchiveClassName(l.cls), "CLight");
  //                                   kind x  y  dbl inv sub sty st typ addr bitoff res
  EXPECT_EQ(Numbers(l.record), (std::vector<uint32_t>{3, 4, 8, 1, 0, 3, 2, 2, 3, 2, 0, 50}));
  EXPECT_EQ(l.record.Size(), 9 + 9 + 50u);

  auto key = OldElement(kOldKey);
  key[14] = 8;  // style 8 → 19
  key[18] = 1;  // hidden
  key[19] = 1;  // hand
  key[20] = 1;  // protected
  key[21] = 2;  // action
  key[22] = 5;  // station
  key[26] = 4;  // register type
  Put32(key, 30, 35);
  key[34] = 3;
  key[35] = 1;
  Put16(key, 36, 0x1234);
  auto k = ConvertOldElement({kOldKey, key}, 5);
  EXPECT_STREQ(ArchiveClassName(k.cls), "CFunction");
  EXPECT_EQ(Numbers(k.record), (std::vector<uint32_t>{4, 0, 0, 0, 0, 3, 19, 5, 4, 2, 1, 1, 1, 2, 3,
                                                      1, 0x1234, 0, 100}));
  // Base 9, light-and-key part 8, 8 bytes of key fields, m_setValue and 100
  // bytes of zero fields and reserved block.
  EXPECT_EQ(k.record.Size(), 9 + 8 + 8 + 4 + 100u);
}

TEST(OldProjectMap, RegisterRecord) {
  auto r = OldElement(kOldRegister);
  r[9] = 1;
  Put32(r, 14, 0x103);  // station: low byte
  Put32(r, 18, 1);      // register type, counted from 1 under protocol 2
  Put32(r, 22, 80);
  Put32(r, 26, 2);
  Put32(r, 30, 5);
  Put32(r, 34, 2);
  r[38] = 1;
  r[39] = 0;
  r[40] = 1;
  r[41] = 1;
  r[42] = 1;
  Put32(r, 43, 10);  // high not above low: raised to low + 1
  Put32(r, 47, 10);
  auto e = ConvertOldElement({kOldRegister, r}, 2);
  EXPECT_STREQ(ArchiveClassName(e.cls), "CRegister");
  EXPECT_EQ(Numbers(e.record), (std::vector<uint32_t>{2, 0,  0,  0, 1, 2, 0, 10, 2, 5, 2, 1,
                                                      1, 11, 10, 1, 0, 1, 1, 1,  0, 0, 99}));
  EXPECT_EQ(e.record.Size(), 9 + 32 + 99u);

  // Under another protocol the station and type stay; a high limit above
  // the low one stays; the top of the 32-bit range wraps without fault.
  Put32(r, 43, 0x7FFFFFFF);
  Put32(r, 47, 0x7FFFFFFF);
  e = ConvertOldElement({kOldRegister, r}, 4);
  auto n = Numbers(e.record);
  EXPECT_EQ(n[5], 3u);
  EXPECT_EQ(n[6], 1u);
  EXPECT_EQ(n[13], 0x80000000u);
  Put32(r, 43, 20);
  Put32(r, 47, 10);
  EXPECT_EQ(Numbers(ConvertOldElement({kOldRegister, r}, 4).record)[13], 20u);
}

TEST(OldProjectMap, BarAndTrendRecords) {
  auto bar = OldElement(kOldBar, 90, 0);
  bar[14] = 4;
  bar[18] = 2;
  Put32(bar, 22, 100);
  bar[26] = 1;
  bar[30] = 1;
  bar[31] = 1;
  bar[32] = 90;  // width, editor pixels
  bar[36] = 45;  // height
  Put32(bar, 40, static_cast<uint32_t>(-5));
  Put32(bar, 44, static_cast<uint32_t>(-7));
  for (uint8_t dir : {0, 1, 2, 3, 4}) {
    bar[48] = dir;
    auto e = ConvertOldElement({kOldBar, bar}, 1);
    EXPECT_STREQ(ArchiveClassName(e.cls), "CBar");
    uint8_t expectedDir = dir == 2 ? 3 : dir == 3 ? 2 : dir;
    EXPECT_EQ(Numbers(e.record),
              (std::vector<uint32_t>{6, 40, 0, 40, 20, 1, 0, static_cast<uint32_t>(-4),
                                     static_cast<uint32_t>(-5), 4, 2, 100, 1, expectedDir, 0, 99}));
    EXPECT_EQ(e.record.Size(), 9 + 19 + 99u);
  }

  auto tide = OldElement(kOldTrend);
  tide[48] = 30;
  Put32(tide, 52, 0x12345);
  Put32(tide, 44, 100);
  auto t = ConvertOldElement({kOldTrend, tide}, 1);
  EXPECT_STREQ(ArchiveClassName(t.cls), "CTide");
  auto n = Numbers(t.record);
  EXPECT_EQ(n[7], 100u);
  EXPECT_EQ(std::vector<uint32_t>(n.end() - 5, n.end()),
            (std::vector<uint32_t>{0, 0x2345, 30, 0, 99}));
  EXPECT_EQ(t.record.Size(), 9 + 21 + 99u);
}

TEST(OldProjectMap, PictureKeepsItsBlockAndMendsTheImageSize) {
  auto r = OldElement(kOldPicture, 0, 0, 16);
  for (int i = 0; i < 16; ++i) r[88 + i] = static_cast<uint8_t>(0xA0 + i);
  Put32(r, 60, 0);  // image size left 0 by the old editor
  auto e = ConvertOldElement({kOldPicture, r}, 1);
  EXPECT_STREQ(ArchiveClassName(e.cls), "CUpLoadPic");
  ASSERT_EQ(e.record.fields[3].type, OrxField::kRaw);
  const std::string& block = e.record.fields[3].bytes;
  ASSERT_EQ(block.size(), 48 + 16u);
  EXPECT_EQ(static_cast<uint8_t>(block[0]), 40);
  EXPECT_EQ(static_cast<uint8_t>(block[20]), 16);
  EXPECT_EQ(static_cast<uint8_t>(block[63]), 0xAF);
  EXPECT_EQ(e.record.fields[4].value, 20u);
}

}  // namespace
}  // namespace tavo
