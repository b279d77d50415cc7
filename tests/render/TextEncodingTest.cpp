#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/Gbk.h"
#include "render/TextEncoding.h"

namespace tavo {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes Encode(WideCharList& wide, NarrowCharList& narrow, const std::string& gbk,
             uint16_t base = 0) {
  Bytes record(gbk.size(), 0xEE);
  EXPECT_TRUE(EncodeText(wide, narrow, record, 0, gbk, base));
  return record;
}

WideChar Pair(const std::string& utf8) {
  std::string g = G(utf8);
  return {static_cast<uint8_t>(g[0]), static_cast<uint8_t>(g[1])};
}

// Texts encoded one after the other into shared lists, as one compilation does.
struct EncodeCase {
  const char* name;
  std::vector<std::string> textsUtf8;
  uint16_t base;
  std::vector<Bytes> expected;
  std::string narrowExpected;
  std::vector<std::string> wideExpected;  // characters, in list order
};

TEST(EncodeText, SequencesShareTheListsOfOneCompilation) {
  const std::vector<EncodeCase> cases = {
      {"empty text", {""}, 0, {{}}, "", {}},
      {"AB then BA", {"AB", "BA"}, 0, {{0x00, 0x01}, {0x01, 0x00}}, "AB", {}},
      {"repeated narrow", {"AAA", "A"}, 0, {{0, 0, 0}, {0}}, "A", {}},
      {"first two Chinese characters",
       {"中文", "文"},
       0,
       {{0x80, 0x00, 0x80, 0x01}, {0x80, 0x01}},
       "",
       {"中", "文"}},
      {"mixed keeps byte positions",
       {"A中1", "1中"},
       0,
       {{0x00, 0x80, 0x00, 0x01}, {0x01, 0x80, 0x00}},
       "A1",
       {"中"}},
      {"base counts slots before the first glyph",
       {"中A文", "文"},
       5,
       {{0x80, 0x05, 0x00, 0x80, 0x06}, {0x80, 0x06}},
       "A",
       {"中", "文"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WideCharList wide;
    NarrowCharList narrow;
    for (size_t i = 0; i < c.textsUtf8.size(); ++i)
      EXPECT_EQ(Encode(wide, narrow, G(c.textsUtf8[i]), c.base), c.expected[i]) << "text " << i;
    EXPECT_EQ(std::string(narrow.begin(), narrow.end()), c.narrowExpected);
    ASSERT_EQ(wide.size(), c.wideExpected.size());
    for (size_t j = 0; j < wide.size(); ++j) EXPECT_EQ(wide[j], Pair(c.wideExpected[j]));
  }
}

TEST(EncodeText, WritesOnlyTheTextsBytesFromTheStartPosition) {
  WideCharList wide;
  NarrowCharList narrow;
  Bytes record(8, 0xEE);
  ASSERT_TRUE(EncodeText(wide, narrow, record, 3, G("x中"), 0));
  EXPECT_EQ(record, (Bytes{0xEE, 0xEE, 0xEE, 0x00, 0x80, 0x00, 0xEE, 0xEE}));
}

TEST(EncodeText, RefusesATextThatOverrunsTheRecordAndChangesNothing) {
  WideCharList wide;
  NarrowCharList narrow;
  Bytes record(4, 0xEE);
  EXPECT_FALSE(EncodeText(wide, narrow, record, 2, G("ab中"), 0));
  EXPECT_FALSE(EncodeText(wide, narrow, record, 5, "", 0));
  EXPECT_EQ(record, Bytes(4, 0xEE));
  EXPECT_TRUE(wide.empty());
  EXPECT_TRUE(narrow.empty());
  EXPECT_TRUE(EncodeText(wide, narrow, record, 4, "", 0));  // empty text at the very end
}

TEST(EncodeText, LeadByteWithoutTrailBecomesANarrowSpace) {
  WideCharList wide;
  NarrowCharList narrow;
  std::string text = "A" + G("中").substr(0, 1);  // the trail byte is missing
  Bytes record(3, 0xEE);                          // one spare byte that must stay untouched
  ASSERT_TRUE(EncodeText(wide, narrow, record, 0, text, 0));
  EXPECT_EQ(record, (Bytes{0x00, 0x01, 0xEE}));
  EXPECT_EQ(std::string(narrow.begin(), narrow.end()), "A ");
  EXPECT_TRUE(wide.empty());
}

TEST(EncodeText, ByteSevenBitSetAlwaysStartsAWideCharacter) {
  // 0x80 (the euro sign of code page 936) and a pair outside GB2312 are wide.
  WideCharList wide;
  NarrowCharList narrow;
  std::string text = "\x80\x41\x81\x40";
  EXPECT_EQ(Encode(wide, narrow, text), (Bytes{0x80, 0x00, 0x80, 0x01}));
  EXPECT_EQ(wide, (WideCharList{{0x80, 0x41}, {0x81, 0x40}}));
  EXPECT_TRUE(narrow.empty());
}

TEST(EncodeText, NarrowListHoldsEverySevenBitByteOnce) {
  WideCharList wide;
  NarrowCharList narrow;
  std::string all;
  for (int b = 0x7F; b >= 0; --b) all.push_back(static_cast<char>(b));
  Bytes first = Encode(wide, narrow, all);
  Bytes again = Encode(wide, narrow, all);
  ASSERT_EQ(narrow.size(), kMaxNarrowChars);
  for (size_t i = 0; i < all.size(); ++i) {
    EXPECT_EQ(first[i], i);
    EXPECT_EQ(again[i], i);
  }
}

TEST(EncodeText, SplitCellsAgreeWithTheEncoding) {
  std::string text = G("A中") + "\x80";
  auto cells = SplitPanelText(text);
  ASSERT_EQ(cells.size(), 3u);
  EXPECT_FALSE(cells[0].wide);
  EXPECT_EQ(cells[0].code, 'A');
  EXPECT_TRUE(cells[1].wide);
  EXPECT_EQ(cells[1].pos, 1u);
  EXPECT_EQ(cells[1].pair, Pair("中"));
  EXPECT_FALSE(cells[2].wide);  // lone lead byte at the end
  EXPECT_EQ(cells[2].pos, 3u);
  EXPECT_EQ(cells[2].code, ' ');
}

TEST(AddGlyphOffset, MovesWideCodesAndLeavesNarrowIndexes) {
  struct Case {
    const char* name;
    Bytes in;
    size_t length;
    uint16_t offset;
    Bytes out;
  };
  const std::vector<Case> cases = {
      {"first glyphs moved by 4", {0x80, 0x00, 0x80, 0x01}, 4, 4, {0x80, 0x04, 0x80, 0x05}},
      {"narrow indexes stay", {0x00, 0x80, 0x00, 0x7F}, 4, 4, {0x00, 0x80, 0x04, 0x7F}},
      {"carry into the high byte", {0x80, 0xFF}, 2, 1, {0x81, 0x00}},
      {"low byte with bit 7 is not a code", {0x80, 0x90, 0x05}, 3, 0x10, {0x80, 0xA0, 0x05}},
      {"only the first length bytes", {0x80, 0x00, 0x80, 0x00}, 2, 1, {0x80, 0x01, 0x80, 0x00}},
      {"code cut by the length stays", {0x01, 0x80, 0x00}, 2, 1, {0x01, 0x80, 0x00}},
      {"length past the end is clamped", {0x80, 0x00}, 99, 2, {0x80, 0x02}},
      {"zero offset", {0x80, 0x03}, 2, 0, {0x80, 0x03}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Bytes b = c.in;
    AddGlyphOffset(b, c.length, c.offset);
    EXPECT_EQ(b, c.out);
  }
}

TEST(AddGlyphOffset, RelocatedTextsReferToTheSlotsAfterThePictures) {
  // Two texts encoded with base 0, then relocated by the picture slot count:
  // the same character keeps one code in both.
  WideCharList wide;
  NarrowCharList narrow;
  Bytes t1 = Encode(wide, narrow, G("温度A"));
  Bytes t2 = Encode(wide, narrow, G("A度"));
  AddGlyphOffset(t1, t1.size(), 6);
  AddGlyphOffset(t2, t2.size(), 6);
  EXPECT_EQ(t1, (Bytes{0x80, 0x06, 0x80, 0x07, 0x00}));
  EXPECT_EQ(t2, (Bytes{0x00, 0x80, 0x07}));
}

}  // namespace
}  // namespace tavo
