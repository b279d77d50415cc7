#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/Gbk.h"
#include "render/TextEncoding.h"

namespace tavo {
namespace {

using Bytes = std::vector<uint8_t>;

// Texts encoded one after the other into the shared lists of one compilation.
TEST(EncodeText, TextsOfOneCompilationShareTheLists) {
  struct Case {
    const char* name;
    std::vector<std::string> texts;  // GBK
    uint16_t base;
    std::vector<Bytes> codes;
    std::string narrow;
    std::string wide;  // the listed pairs, concatenated
  };
  const std::vector<Case> cases = {
      {"empty text", {""}, 0, {{}}, "", ""},
      {"AB then BA", {"AB", "BA"}, 0, {{0, 1}, {1, 0}}, "AB", ""},
      {"Chinese in two texts",
       {G("中文"), G("文")},
       0,
       {{0x80, 0, 0x80, 1}, {0x80, 1}},
       "",
       G("中文")},
      {"mixed keeps positions", {G("A中1")}, 0, {{0, 0x80, 0, 1}}, "A1", G("中")},
      {"base of the alarm list", {G("中A文")}, 5, {{0x80, 5, 0, 0x80, 6}}, "A", G("中文")},
      {"0x80 and non-GB2312 pairs are wide",
       {"\x80\x41\x81\x40"},
       0,
       {{0x80, 0, 0x80, 1}},
       "",
       "\x80\x41\x81\x40"},
      {"lone lead byte at the end is a space", {"A\xD6"}, 0, {{0, 1}}, "A ", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WideCharList wide;
    NarrowCharList narrow;
    for (size_t i = 0; i < c.texts.size(); ++i) {
      Bytes record(c.texts[i].size() + 1, 0xEE);  // the spare byte must stay
      ASSERT_TRUE(EncodeText(wide, narrow, record, 0, c.texts[i], c.base));
      Bytes want = c.codes[i];
      want.push_back(0xEE);
      EXPECT_EQ(record, want) << "text " << i;
    }
    EXPECT_EQ(std::string(narrow.begin(), narrow.end()), c.narrow);
    std::string pairs;
    for (auto& p : wide) pairs += {static_cast<char>(p[0]), static_cast<char>(p[1])};
    EXPECT_EQ(pairs, c.wide);
  }
}

TEST(EncodeText, StartPositionAndRecordBounds) {
  WideCharList wide;
  NarrowCharList narrow;
  Bytes record(6, 0xEE);
  ASSERT_TRUE(EncodeText(wide, narrow, record, 3, G("x中"), 0));
  EXPECT_EQ(record, (Bytes{0xEE, 0xEE, 0xEE, 0, 0x80, 0}));
  // A text that would run past the record is refused and changes nothing.
  EXPECT_FALSE(EncodeText(wide, narrow, record, 4, G("y中"), 0));
  EXPECT_FALSE(EncodeText(wide, narrow, record, 7, "", 0));
  EXPECT_EQ(narrow, NarrowCharList{'x'});
  EXPECT_EQ(wide.size(), 1u);
}

TEST(EncodeText, NarrowListTakesEverySevenBitByteOnce) {
  WideCharList wide;
  NarrowCharList narrow;
  std::string all;
  for (int b = 0x7F; b >= 0; --b) all.push_back(static_cast<char>(b));
  Bytes record(all.size());
  for (int pass = 0; pass < 2; ++pass) {
    ASSERT_TRUE(EncodeText(wide, narrow, record, 0, all, 0));
    for (size_t i = 0; i < all.size(); ++i) ASSERT_EQ(record[i], i);
  }
  EXPECT_EQ(narrow.size(), kMaxNarrowChars);
}

TEST(AddGlyphOffset, MovesWideCodesOnly) {
  struct Case {
    const char* name;
    Bytes in;
    size_t length;
    uint16_t offset;
    Bytes out;
  };
  const std::vector<Case> cases = {
      {"first glyphs moved by 4", {0x80, 0, 0x80, 1}, 4, 4, {0x80, 4, 0x80, 5}},
      {"narrow indexes stay", {0, 0x80, 0, 0x7F}, 4, 4, {0, 0x80, 4, 0x7F}},
      {"carry into the high byte", {0x80, 0xFF}, 2, 1, {0x81, 0}},
      {"low byte with bit 7 is no code", {0x80, 0x90, 5}, 3, 0x10, {0x80, 0xA0, 5}},
      {"only the first length bytes", {0x80, 0, 0x80, 0}, 2, 1, {0x80, 1, 0x80, 0}},
      {"code cut by the length stays", {1, 0x80, 0}, 2, 1, {1, 0x80, 0}},
      {"length past the end", {0x80, 0}, 99, 2, {0x80, 2}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Bytes b = c.in;
    AddGlyphOffset(b, c.length, c.offset);
    EXPECT_EQ(b, c.out);
  }
}

}  // namespace
}  // namespace tavo
