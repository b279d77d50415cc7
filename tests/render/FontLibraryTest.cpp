#include <gtest/gtest.h>
#include <sys/stat.h>

#include <tuple>
#include <vector>

#include "render/FontLibrary.h"
#include "render/FontTestSupport.h"
#include "render/GlyphTables.h"
#include "support/ScriptedPrompter.h"

namespace tavo {
namespace {

using test::TempDir;
using Bytes = std::vector<uint8_t>;

// Hand-made glyphs with one lit pixel (x, y): the panel byte and bit it lands in.
TEST(GlyphToPanel, PixelsLandInTheirBandAndColumn) {
  using P = std::tuple<int, int, size_t, int>;
  for (auto [x, y, byte, bit] : std::vector<P>{{0, 0, 0, 0},
                                               {7, 0, 7, 0},
                                               {0, 7, 0, 7},
                                               {0, 8, 8, 0},
                                               {3, 12, 11, 4},
                                               {7, 15, 15, 7}}) {
    EnglishGlyph g{}, want{};
    g[y] = static_cast<uint8_t>(0x80 >> x);
    want[byte] = static_cast<uint8_t>(1 << bit);
    EXPECT_TRUE(EnglishGlyphBitmap(g).Lit(x, y));
    EnglishGlyphToPanel(g);
    EXPECT_EQ(g, want) << "english " << x << "," << y;
  }
  for (auto [x, y, byte, bit] : std::vector<P>{{0, 0, 0, 0},
                                               {8, 0, 8, 0},
                                               {15, 7, 15, 7},
                                               {0, 8, 16, 0},
                                               {9, 10, 25, 2},
                                               {15, 15, 31, 7}}) {
    ChineseGlyph g{}, want{};
    g[y * 2 + x / 8] = static_cast<uint8_t>(0x80 >> (x % 8));
    want[byte] = static_cast<uint8_t>(1 << bit);
    EXPECT_TRUE(ChineseGlyphBitmap(g).Lit(x, y));
    ChineseGlyphToPanel(g);
    EXPECT_EQ(g, want) << "chinese " << x << "," << y;
  }
}

// A library whose every byte tells its own offset, so a read shows where it came from.
Bytes Numbered(size_t size) {
  Bytes b(size);
  for (size_t i = 0; i < size; ++i) b[i] = static_cast<uint8_t>(i * 7 + i / 251);
  return b;
}

TEST(ReadGlyph, OffsetsGridAndShortFiles) {
  TempDir dir;
  Bytes ch = Numbered(kChineseLibraryBytes);
  GlyphFile file(dir.Write("ch", ch));
  for (auto [lead, trail, offset] : std::vector<std::tuple<int, int, size_t>>{
           {0xA1, 0xA1, 0}, {0xB0, 0xA1, 45120}, {0xFE, 0xFE, kChineseLibraryBytes - 32}}) {
    ChineseGlyph g;
    ReadChineseGlyph(file, lead, trail, g);
    EXPECT_TRUE(std::equal(g.begin(), g.end(), ch.begin() + offset)) << offset;
  }
  for (auto [lead, trail] : std::vector<std::pair<int, int>>{
           {0xA0, 0xA1}, {0xA1, 0xA0}, {0xFF, 0xA1}, {0xA1, 0xFF}, {0x81, 0x40}}) {
    ChineseGlyph g;
    g.fill(0xEE);
    ReadChineseGlyph(file, lead, trail, g);  // outside the grid: blank
    EXPECT_EQ(g, ChineseGlyph{}) << std::hex << lead << " " << trail;
  }

  // English library ending 5 bytes into 'B'; Chinese one 10 bytes into A1 A1.
  GlyphFile en(dir.Write("en", Bytes('B' * 16 + 5, 0xFF)));
  EnglishGlyph e;
  ReadEnglishGlyph(en, 'B', e);
  EXPECT_EQ(e, (EnglishGlyph{0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
  ReadEnglishGlyph(en, 0xFF, e);
  EXPECT_EQ(e, EnglishGlyph{});
  GlyphFile shortCh(dir.Write("short", Bytes(10, 0xAA)));
  ChineseGlyph c;
  ReadChineseGlyph(shortCh, 0xA1, 0xA1, c);
  EXPECT_EQ(std::count(c.begin(), c.end(), 0xAA), 10);
  EXPECT_EQ(std::count(c.begin() + 10, c.end(), 0), 22);
}

TEST(GlyphFile, OpensOnlyRegularFiles) {
  TempDir dir;
  ASSERT_EQ(mkfifo(dir.File("pipe").c_str(), 0600), 0);
  EXPECT_FALSE(GlyphFile(dir.File("pipe")).IsOpen());  // must not wait for a writer
  EXPECT_FALSE(GlyphFile(dir.path).IsOpen());
  EXPECT_FALSE(LoadEnglishFontAtStartup(dir.File(kEnglishFontFile)));
  EnglishGlyph e;
  e.fill(1);
  ReadEnglishGlyph(GlyphFile(), 'A', e);
  EXPECT_EQ(e, EnglishGlyph{});
}

TEST(StartupFont, ShortFileLeavesTheRestZeroAndLongFileFillsTheTable) {
  TempDir dir;
  ASSERT_TRUE(LoadEnglishFontAtStartup(dir.Write("en", Bytes(20, 0x5A))));
  const auto& table = StartupEnglishFont();
  EXPECT_EQ(std::count(table.begin(), table.end(), 0x5A), 20);
  EXPECT_EQ(std::count(table.begin() + 20, table.end(), 0), 4076);
  Bytes big = Numbered(kEnglishLibraryBytes + 100);
  ASSERT_TRUE(LoadEnglishFontAtStartup(dir.Write("en", big)));
  EXPECT_TRUE(std::equal(table.begin(), table.end(), big.begin()));
}

TEST(GlyphTables, ListsInOrderInPanelFormat) {
  TempDir dir;
  Bytes ch(kChineseLibraryBytes - 1000, 0);         // short: the last rows read blank
  ch[*ChineseGlyphOffset(0xD6, 0xD0)] = 0x80;       // 中: pixel (0,0)
  ch[*ChineseGlyphOffset(0xCE, 0xC4) + 31] = 0x01;  // 文: pixel (15,15)
  Bytes en(kEnglishLibraryBytes, 0);
  en['A' * 16] = 0x80;
  en['1' * 16 + 15] = 0x01;
  std::string chPath = dir.Write(kChineseFontFile, ch), enPath = dir.Write(kEnglishFontFile, en);
  test::ScriptedPrompter prompter;
  GlyphTables t;
  ASSERT_TRUE(
      BuildGlyphTables(chPath, enPath, {{0xCE, 0xC4}, {0xD6, 0xD0}, {0xFE, 0xFE}}, {'1', 'A'}, t));
  Bytes wide(96, 0), narrow(32, 0);
  wide[31] = 0x80;  // 文, then 中, then a blank glyph
  wide[32] = 0x01;
  narrow[15] = 0x80;  // '1', then 'A'
  narrow[16] = 0x01;
  EXPECT_EQ(t.wide, wide);
  EXPECT_EQ(t.narrow, narrow);
  EXPECT_TRUE(prompter.said.empty());

  // A missing library is named with its full path; the Chinese one is checked first.
  for (auto [chFile, enFile, missing] :
       std::vector<std::tuple<std::string, std::string, std::string>>{
           {dir.File("none"), enPath, dir.File("none")},
           {chPath, dir.path + "/x/../none2", dir.File("none2")},
           {dir.File("none"), dir.File("none2"), dir.File("none")}}) {
    test::ScriptedPrompter p;
    EXPECT_FALSE(BuildGlyphTables(chFile, enFile, {{0xB0, 0xA1}}, {'A'}, t));
    EXPECT_TRUE(t.wide.empty() && t.narrow.empty());
    ASSERT_EQ(p.said.size(), 1u);
    EXPECT_EQ(p.said[0].text, "请确认文件" + missing + "是否存在!");
    EXPECT_EQ(p.said[0].caption, "下载画面数据");
  }
}

TEST(PanelFont, DrawsLibraryGlyphsAndBlankWhereThereAreNone) {
  TempDir dir;
  Bytes en(kEnglishLibraryBytes, 0), ch(kChineseLibraryBytes - 32 * 94, 0);
  en['x' * 16 + 3] = 0x18;
  ch[*ChineseGlyphOffset(0xB0, 0xA1) + 1] = 0x01;
  PanelFont font = PanelFont::FromFiles(dir.Write("en", en), dir.Write("ch", ch));
  EXPECT_EQ(font.Narrow('x').rows[3], 0x1800);
  EXPECT_EQ(font.Glyph(SplitPanelText("\xB0\xA1")[0]).rows[0], 0x0001);
  EXPECT_EQ(font.Wide(0xFE, 0xFE), GlyphBitmap{.width = 16});  // past the short file
  EXPECT_EQ(font.Wide(0x81, 0x40), GlyphBitmap{.width = 16});  // outside the grid
  EXPECT_EQ(PanelFont::FromFiles("", "").Narrow('x'), GlyphBitmap{});
}

}  // namespace
}  // namespace tavo
