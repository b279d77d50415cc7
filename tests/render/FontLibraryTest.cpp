#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <numeric>
#include <utility>
#include <vector>

#include "model/DataFiles.h"
#include "model/Gbk.h"
#include "render/FontLibrary.h"
#include "render/FontTestSupport.h"
#include "render/GlyphTables.h"
#include "support/ScriptedPrompter.h"

namespace tavo {
namespace {

using test::TempDir;
using Bytes = std::vector<uint8_t>;

// Hand-made glyphs with one lit pixel: where the pixel lands in the panel's
// column bands (byte index, bit).
TEST(GlyphToPanel, SinglePixelsLandInTheirBandAndColumn) {
  struct Case {
    int x, y;
    size_t byte;
    int bit;
  };
  const std::vector<Case> english = {{0, 0, 0, 0}, {7, 0, 7, 0},   {0, 7, 0, 7},
                                     {0, 8, 8, 0}, {3, 12, 11, 4}, {7, 15, 15, 7}};
  for (const auto& c : english) {
    SCOPED_TRACE(testing::Message() << "english pixel " << c.x << "," << c.y);
    EnglishGlyph g{};
    g[c.y] = static_cast<uint8_t>(0x80 >> c.x);
    EnglishGlyphToPanel(g);
    EnglishGlyph want{};
    want[c.byte] = static_cast<uint8_t>(1 << c.bit);
    EXPECT_EQ(g, want);
  }
  const std::vector<Case> chinese = {{0, 0, 0, 0},  {8, 0, 8, 0},   {15, 7, 15, 7},
                                     {0, 8, 16, 0}, {9, 10, 25, 2}, {15, 15, 31, 7}};
  for (const auto& c : chinese) {
    SCOPED_TRACE(testing::Message() << "chinese pixel " << c.x << "," << c.y);
    ChineseGlyph g{};
    g[c.y * 2 + c.x / 8] = static_cast<uint8_t>(0x80 >> (c.x % 8));
    ChineseGlyphToPanel(g);
    ChineseGlyph want{};
    want[c.byte] = static_cast<uint8_t>(1 << c.bit);
    EXPECT_EQ(g, want);
  }
}

TEST(GlyphToPanel, ShapesConvertWhole) {
  // English: a full left column and a full top row.
  EnglishGlyph e{};
  e[0] = 0xFF;
  for (int y = 1; y < 16; ++y) e[y] = 0x80;
  EnglishGlyphToPanel(e);
  EXPECT_EQ(e, (EnglishGlyph{0xFF, 1, 1, 1, 1, 1, 1, 1, 0xFF, 0, 0, 0, 0, 0, 0, 0}));

  // Chinese: the right half of row 8 lit and the main diagonal.
  ChineseGlyph c{};
  c[8 * 2 + 1] = 0xFF;
  for (int i = 0; i < 16; ++i) c[i * 2 + i / 8] |= static_cast<uint8_t>(0x80 >> (i % 8));
  ChineseGlyphToPanel(c);
  ChineseGlyph want{};
  for (int x = 0; x < 8; ++x) want[x] = static_cast<uint8_t>(1 << x);  // top band
  for (int x = 8; x < 16; ++x) want[16 + x] = static_cast<uint8_t>(1 << (x - 8)) | 0x01;
  EXPECT_EQ(c, want);
}

TEST(GlyphBitmap, RowsReadAsPixels) {
  EnglishGlyph e{};
  e[2] = 0x81;
  GlyphBitmap eb = EnglishGlyphBitmap(e);
  EXPECT_EQ(eb.width, 8);
  EXPECT_TRUE(eb.Lit(0, 2));
  EXPECT_TRUE(eb.Lit(7, 2));
  EXPECT_FALSE(eb.Lit(8, 2));  // outside an 8-wide cell
  EXPECT_FALSE(eb.Lit(1, 2));

  ChineseGlyph c{};
  c[15 * 2 + 1] = 0x01;
  c[0] = 0x80;
  GlyphBitmap cb = ChineseGlyphBitmap(c);
  EXPECT_EQ(cb.width, 16);
  EXPECT_TRUE(cb.Lit(15, 15));
  EXPECT_TRUE(cb.Lit(0, 0));
  EXPECT_EQ(std::count_if(cb.rows.begin(), cb.rows.end(), [](uint16_t r) { return r != 0; }), 2);
}

TEST(ChineseGlyphOffset, GridPlacesAndCharactersWithoutGlyph) {
  EXPECT_EQ(ChineseGlyphOffset(0xA1, 0xA1), 0u);
  EXPECT_EQ(ChineseGlyphOffset(0xB0, 0xA1), 45120u);
  EXPECT_EQ(ChineseGlyphOffset(0xFE, 0xFE), kChineseLibraryBytes - 32);
  for (auto [lead, trail] : std::vector<std::pair<int, int>>{
           {0xA0, 0xA1}, {0xA1, 0xA0}, {0xFF, 0xA1}, {0xA1, 0xFF}, {0x81, 0x40}, {0x00, 0x00}})
    EXPECT_FALSE(ChineseGlyphOffset(lead, trail)) << std::hex << lead << " " << trail;
}

// A library whose every byte tells its own offset, so a read shows where it came from.
Bytes Numbered(size_t size) {
  Bytes b(size);
  for (size_t i = 0; i < size; ++i) b[i] = static_cast<uint8_t>(i * 7 + i / 251);
  return b;
}

TEST(ReadGlyph, ReadsFromTheGlyphsOffset) {
  TempDir dir;
  Bytes ch = Numbered(kChineseLibraryBytes);
  GlyphFile file(dir.Write("ch.dat", ch));
  ASSERT_TRUE(file.IsOpen());
  for (auto [lead, trail, offset] : std::vector<std::tuple<int, int, size_t>>{
           {0xA1, 0xA1, 0}, {0xB0, 0xA1, 45120}, {0xD6, 0xD0, ((0xD6 - 0xA1) * 94 + 0x2F) * 32}}) {
    ChineseGlyph g;
    ReadChineseGlyph(file, lead, trail, g);
    EXPECT_TRUE(std::equal(g.begin(), g.end(), ch.begin() + offset)) << offset;
  }
  ChineseGlyph g;
  g.fill(0xEE);
  ReadChineseGlyph(file, 0x81, 0x40, g);  // outside the grid: blank
  EXPECT_EQ(g, ChineseGlyph{});

  Bytes en = Numbered(kEnglishLibraryBytes);
  GlyphFile enFile(dir.Write("en.dat", en));
  EnglishGlyph e;
  ReadEnglishGlyph(enFile, 'A', e);
  EXPECT_TRUE(std::equal(e.begin(), e.end(), en.begin() + 'A' * 16));
  ReadEnglishGlyph(enFile, 255, e);
  EXPECT_TRUE(std::equal(e.begin(), e.end(), en.begin() + 255 * 16));
}

TEST(ReadGlyph, ShortFilesReadAsBlankPastTheirEnd) {
  TempDir dir;
  // English file ending 5 bytes into the glyph of 'B'.
  Bytes en(0x42 * 16 + 5, 0xFF);
  GlyphFile enFile(dir.Write("en.dat", en));
  EnglishGlyph e;
  ReadEnglishGlyph(enFile, 'A', e);
  EXPECT_TRUE(std::all_of(e.begin(), e.end(), [](uint8_t b) { return b == 0xFF; }));
  ReadEnglishGlyph(enFile, 'B', e);
  EXPECT_EQ(e, (EnglishGlyph{0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
  ReadEnglishGlyph(enFile, 'C', e);
  EXPECT_EQ(e, EnglishGlyph{});

  // Chinese file ending 10 bytes into the first glyph; an empty file.
  GlyphFile chFile(dir.Write("ch.dat", Bytes(10, 0xAA)));
  ChineseGlyph c;
  ReadChineseGlyph(chFile, 0xA1, 0xA1, c);
  EXPECT_TRUE(std::all_of(c.begin(), c.begin() + 10, [](uint8_t b) { return b == 0xAA; }));
  EXPECT_TRUE(std::all_of(c.begin() + 10, c.end(), [](uint8_t b) { return b == 0; }));
  GlyphFile empty(dir.Write("empty.dat", {}));
  c.fill(0xEE);
  ReadChineseGlyph(empty, 0xB0, 0xA1, c);
  EXPECT_EQ(c, ChineseGlyph{});

  GlyphFile closed;
  e.fill(0xEE);
  ReadEnglishGlyph(closed, 'A', e);
  EXPECT_EQ(e, EnglishGlyph{});
}

TEST(GlyphFile, OpensOnlyRegularFilesAndNeverWaits) {
  TempDir dir;
  std::string fifo = dir.File("pipe.dat");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(GlyphFile(fifo).IsOpen());
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
  EXPECT_FALSE(GlyphFile(dir.path()).IsOpen());
  EXPECT_FALSE(GlyphFile(dir.File("missing.dat")).IsOpen());
}

class DataDirTest : public testing::Test {
 protected:
  void SetUp() override { SetDataDir(dir.path()); }
  void TearDown() override { SetDataDir(""); }
  TempDir dir;
};

TEST_F(DataDirTest, StartupCheckNeedsOnlyTheEnglishLibrary) {
  // Without the English library the check fails, whatever else is there.
  dir.Write(kChineseFontFile, Bytes(100, 1));
  EXPECT_FALSE(LoadEnglishFontAtStartup(dir.File(kEnglishFontFile)));
  EXPECT_FALSE(LoadEnglishFontAtStartup(dir.path()));

  // A short English library is accepted; the rest of the table is zero.
  dir.Write(kEnglishFontFile, Bytes(20, 0x5A));
  ASSERT_TRUE(LoadEnglishFontAtStartup());
  const auto& table = StartupEnglishFont();
  EXPECT_TRUE(std::all_of(table.begin(), table.begin() + 20, [](uint8_t b) { return b == 0x5A; }));
  EXPECT_TRUE(std::all_of(table.begin() + 20, table.end(), [](uint8_t b) { return b == 0; }));

  // A longer file fills exactly the 4096 bytes of the table.
  Bytes big = Numbered(kEnglishLibraryBytes + 100);
  dir.Write(kEnglishFontFile, big);
  ASSERT_TRUE(LoadEnglishFontAtStartup());
  EXPECT_TRUE(std::equal(table.begin(), table.end(), big.begin()));
}

TEST_F(DataDirTest, GlyphTablesFollowTheListsInPanelFormat) {
  ChineseGlyph zhong{}, wen{};
  zhong[0] = 0x80;         // pixel (0,0)
  wen[15 * 2 + 1] = 0x01;  // pixel (15,15)
  Bytes ch(kChineseLibraryBytes, 0);
  std::copy(zhong.begin(), zhong.end(), ch.begin() + *ChineseGlyphOffset(0xD6, 0xD0));
  std::copy(wen.begin(), wen.end(), ch.begin() + *ChineseGlyphOffset(0xCE, 0xC4));
  dir.Write(kChineseFontFile, ch);
  Bytes en(kEnglishLibraryBytes, 0);
  en['A' * 16] = 0x80;
  en['1' * 16 + 15] = 0x01;
  dir.Write(kEnglishFontFile, en);

  WideCharList wide = {{0xCE, 0xC4}, {0xD6, 0xD0}, {0x81, 0x40}};  // 文, 中, outside GB2312
  NarrowCharList narrow = {'1', 'A'};
  GlyphTables tables;
  test::ScriptedPrompter prompter;
  ASSERT_TRUE(BuildGlyphTables(wide, narrow, tables));
  EXPECT_TRUE(prompter.said.empty());
  Bytes wantWide(96, 0);
  wantWide[31] = 0x80;      // 文: row 15, column 15
  wantWide[32 + 0] = 0x01;  // 中: row 0, column 0; then a blank glyph
  EXPECT_EQ(tables.wide, wantWide);
  Bytes wantNarrow(32, 0);
  wantNarrow[15] = 0x80;  // '1': row 15, column 7
  wantNarrow[16] = 0x01;  // 'A': row 0, column 0
  EXPECT_EQ(tables.narrow, wantNarrow);
}

TEST(GlyphTables, MissingLibraryIsNamedWithItsFullPath) {
  TempDir dir;
  struct Case {
    bool chinese, english;
    const char* missing;
  };
  for (const Case& c : std::vector<Case>{{false, true, kChineseFontFile},
                                         {true, false, kEnglishFontFile},
                                         {false, false, kChineseFontFile}}) {
    SCOPED_TRACE(c.missing);
    std::filesystem::remove(dir.File(kChineseFontFile));
    std::filesystem::remove(dir.File(kEnglishFontFile));
    if (c.chinese) dir.Write(kChineseFontFile, Bytes(64, 0xFF));
    if (c.english) dir.Write(kEnglishFontFile, Bytes(64, 0xFF));
    test::ScriptedPrompter prompter;
    GlyphTables tables;
    EXPECT_FALSE(BuildGlyphTables(dir.File(kChineseFontFile), dir.File(kEnglishFontFile),
                                  {{0xB0, 0xA1}}, {'A'}, tables));
    EXPECT_TRUE(tables.wide.empty());
    EXPECT_TRUE(tables.narrow.empty());
    ASSERT_EQ(prompter.said.size(), 1u);
    EXPECT_EQ(prompter.said[0].text,
              "请确认文件" +
                  std::filesystem::path(dir.File(c.missing)).lexically_normal().string() +
                  "是否存在!");
    EXPECT_EQ(prompter.said[0].caption, "下载画面数据");
  }
}

TEST(PanelFont, GlyphsComeFromTheLibrariesAndMissingOnesAreBlank) {
  TempDir dir;
  Bytes en(kEnglishLibraryBytes, 0);
  en['x' * 16 + 3] = 0x18;
  Bytes ch(kChineseLibraryBytes - 32 * 94, 0);  // last grid row missing
  ch[*ChineseGlyphOffset(0xB0, 0xA1) + 1] = 0x01;
  PanelFont font = PanelFont::FromFiles(dir.Write("en", en), dir.Write("ch", ch));
  ASSERT_TRUE(font.HasEnglish() && font.HasChinese());

  GlyphBitmap x = font.Narrow('x');
  EXPECT_EQ(x.width, 8);
  EXPECT_TRUE(x.Lit(3, 3) && x.Lit(4, 3));
  EXPECT_EQ(x.rows[3], 0x1800);
  GlyphBitmap a = font.Glyph(SplitPanelText("\xB0\xA1")[0]);
  EXPECT_EQ(a.width, 16);
  EXPECT_EQ(a.rows[0], 0x0001);
  EXPECT_EQ(font.Wide(0xFE, 0xFE), GlyphBitmap{.width = 16});
  EXPECT_EQ(font.Wide(0x81, 0x40), GlyphBitmap{.width = 16});

  PanelFont none = PanelFont::FromFiles(dir.File("nothing"), dir.File("nothing"));
  EXPECT_FALSE(none.HasEnglish() || none.HasChinese());
  EXPECT_EQ(none.Narrow('x'), GlyphBitmap{});
}

}  // namespace
}  // namespace tavo
