#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/Cli.h"
#include "model/Gbk.h"
#include "render/FontLibBuilder.h"
#include "render/FontTestSupport.h"

namespace tavo {
namespace {

using test::TempDir;
using Bytes = std::vector<uint8_t>;

TEST(ParseUnifontLine, AcceptsOnlyGlyphLines) {
  struct Case {
    std::string line;
    bool ok;
    char32_t cp;
    int width;
  };
  const std::string narrow32 = "00000000182424427E42424242000000";
  const std::string wide64(64, 'f');
  const std::vector<Case> cases = {
      {"0041:" + narrow32 + "\n", true, 0x41, 8},
      {"4E2D:" + wide64 + "\r\n", true, 0x4E2D, 16},
      {"01f600:" + narrow32, true, 0x1F600, 8},
      {"041:" + narrow32, false, 0, 0},      // code point too short
      {"1234567:" + narrow32, false, 0, 0},  // too long
      {"0041:" + narrow32.substr(1), false, 0, 0},
      {"0041:" + wide64 + "00", false, 0, 0},  // a 24-wide glyph: not ours
      {"00G1:" + narrow32, false, 0, 0},
      {"0041:" + narrow32.substr(0, 31) + "x", false, 0, 0},
      {"# comment", false, 0, 0},
      {"", false, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    char32_t cp = 0;
    GlyphBitmap g;
    ASSERT_EQ(ParseUnifontLine(c.line, cp, g), c.ok);
    if (!c.ok) continue;
    EXPECT_EQ(cp, c.cp);
    EXPECT_EQ(g.width, c.width);
  }
  char32_t cp;
  GlyphBitmap a;
  ASSERT_TRUE(ParseUnifontLine("0041:" + narrow32, cp, a));
  EXPECT_EQ(a.rows[4], 0x1800);
  EXPECT_EQ(a.rows[8], 0x7E00);
  EXPECT_TRUE(a.Lit(1, 8) && a.Lit(6, 8) && !a.Lit(0, 8) && !a.Lit(7, 8));
}

std::string Row16(uint16_t row) {
  char buf[5];
  std::snprintf(buf, sizeof buf, "%04X", row);
  return buf;
}

TEST(BuildFontLibraries, PlacesUnifontGlyphsInBothGrids) {
  TempDir dir;
  std::string aBits = "00000000182424427E42424242000000";
  std::string zhong, alpha = "0000000000003A4444444444443A0000";  // 8 wide
  for (int y = 0; y < 16; ++y) zhong += Row16(static_cast<uint16_t>(0x8001 | (y << 4)));
  std::string hex =
      "# test font\n"
      "001F:" +
      aBits +
      "\n"  // below the English range
      "0041:" +
      aBits + "\n" + "0042:" + std::string(64, 'F') +
      "\n"  // 16 wide: no English glyph
      "007F:" +
      aBits +
      "\n"  // above the range
      "03B1:" +
      alpha + "\n" + "4E2D:" + zhong + "\n" + "4E2E:" + std::string(300, '0') +
      "\n" +            // over-long line
      "0043:" + aBits;  // last line without a line end
  std::string path = dir.WriteText("font.hex", hex);

  FontLibraryImages libs;
  std::string error;
  ASSERT_EQ(BuildFontLibraries(path, libs, error), FontLibBuild::Ok) << error;
  ASSERT_EQ(libs.english.size(), kEnglishLibraryBytes);
  ASSERT_EQ(libs.chinese.size(), kChineseLibraryBytes);
  EXPECT_EQ(libs.englishGlyphs, 2u);
  EXPECT_EQ(libs.chineseGlyphs, 2u);
  EXPECT_EQ(libs.centredGlyphs, 1u);

  // English: 'A' and 'C' as given, everything else blank.
  Bytes a = {0, 0, 0, 0, 0x18, 0x24, 0x24, 0x42, 0x7E, 0x42, 0x42, 0x42, 0x42, 0, 0, 0};
  for (int code = 0; code < 256; ++code) {
    Bytes got(libs.english.begin() + code * 16, libs.english.begin() + code * 16 + 16);
    EXPECT_EQ(got, (code == 'A' || code == 'C') ? a : Bytes(16, 0)) << code;
  }

  // 中 (D6 D0) exactly as drawn; α (A6 C1) centred in columns 4-11.
  auto cell = [&](const std::string& utf8) {
    std::string g = G(utf8);
    size_t off = *ChineseGlyphOffset(g[0], g[1]);
    return Bytes(libs.chinese.begin() + off, libs.chinese.begin() + off + 32);
  };
  Bytes z = cell("中");
  for (int y = 0; y < 16; ++y) {
    EXPECT_EQ(z[2 * y], 0x80 | (y >> 4)) << y;
    EXPECT_EQ(z[2 * y + 1], ((y << 4) | 1) & 0xFF) << y;
  }
  Bytes al = cell("α");
  for (int y = 0; y < 16; ++y) {
    uint8_t row8 = static_cast<uint8_t>(std::stoi(alpha.substr(2 * y, 2), nullptr, 16));
    EXPECT_EQ(al[2 * y], row8 >> 4) << y;
    EXPECT_EQ(al[2 * y + 1], (row8 << 4) & 0xFF) << y;
  }
  size_t lit = std::count_if(libs.chinese.begin(), libs.chinese.end(), [](uint8_t b) { return b; });
  size_t litExpected = std::count_if(z.begin(), z.end(), [](uint8_t b) { return b; }) +
                       std::count_if(al.begin(), al.end(), [](uint8_t b) { return b; });
  EXPECT_EQ(lit, litExpected);  // nothing else in the grid
}

TEST(BuildFontLibraries, RefusesWhatIsNotAUnifontFile) {
  TempDir dir;
  FontLibraryImages libs;
  std::string error;
  EXPECT_EQ(BuildFontLibraries(dir.WriteText("x.hex", "hello\nworld\n" + std::string(5000, 'A')),
                               libs, error),
            FontLibBuild::NoGlyphs);
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(BuildFontLibraries(dir.WriteText("e.hex", ""), libs, error), FontLibBuild::NoGlyphs);
  EXPECT_EQ(BuildFontLibraries(dir.File("missing.hex"), libs, error), FontLibBuild::Unreadable);
  EXPECT_EQ(BuildFontLibraries(dir.path(), libs, error), FontLibBuild::Unreadable);
}

TEST(GridCellCharacter, CellsDecodeAsTheEditorsTexts) {
  EXPECT_EQ(GridCellCharacter(0, 0), U'\u3000');            // A1 A1
  EXPECT_EQ(GridCellCharacter(0xB0 - 0xA1, 0), U'\u554A');  // B0 A1 啊
  EXPECT_EQ(GridCellCharacter(0xD6 - 0xA1, 0xD0 - 0xA1), U'\u4E2D');
  EXPECT_EQ(GridCellCharacter(0, 3), U'\u00B7');  // A1 A4, as Utf8ToGbk stores ·
  EXPECT_EQ(GridCellCharacter(94, 0), 0u);
}

TEST(FontlibCommand, WritesBothLibrariesAndReportsBadInput) {
  TempDir dir;
  std::string hex = dir.WriteText("f.hex", "0041:00000000182424427E42424242000000\n");
  auto run = [](std::vector<std::string> args) {
    args.insert(args.begin(), {"tavo", "fontlib"});
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    return cli::Main(static_cast<int>(argv.size()), argv.data());
  };
  std::string out = dir.File("out/sub");
  ASSERT_EQ(run({"--unifont", hex, "-o", out}), cli::kExitOk);
  EXPECT_EQ(test::ReadAll(out + "/" + kEnglishFontFile).size(), kEnglishLibraryBytes);
  EXPECT_EQ(test::ReadAll(out + "/" + kChineseFontFile).size(), kChineseLibraryBytes);
  EXPECT_FALSE(std::filesystem::exists(out + "/" + kEnglishFontFile + ".tmp"));

  EXPECT_EQ(run({"--unifont", hex}), cli::kExitFailure);
  EXPECT_EQ(run({"--unifont", hex, "-o", out, "--bogus"}), cli::kExitFailure);
  EXPECT_EQ(run({"--unifont", dir.File("none.hex"), "-o", out}), cli::kExitFailure);
  EXPECT_EQ(run({"--unifont", dir.WriteText("bad.hex", "nonsense\n"), "-o", out}),
            cli::kExitRefused);
}

// The libraries the build generated from GNU Unifont.
TEST(BuiltFontLibraries, HoldRecognisableGlyphsInTheirPlaces) {
  std::string dir = test::BuiltDataDir();
  Bytes en = test::ReadAll(dir + "/" + kEnglishFontFile);
  Bytes ch = test::ReadAll(dir + "/" + kChineseFontFile);
  ASSERT_EQ(en.size(), kEnglishLibraryBytes) << dir;
  ASSERT_EQ(ch.size(), kChineseLibraryBytes) << dir;

  // 'A': blank top and bottom rows, a lit crossbar, symmetric legs.
  const uint8_t* a = en.data() + 'A' * 16;
  EXPECT_EQ(a[0], 0);
  EXPECT_EQ(a[15], 0);
  EXPECT_TRUE(std::any_of(a + 6, a + 12, [](uint8_t r) { return __builtin_popcount(r) >= 4; }));
  // Codes outside 0x20-0x7E are blank; the space too, but digits are not.
  for (int code : {0x00, 0x1F, 0x20, 0x7F, 0x80, 0xFF})
    EXPECT_TRUE(std::all_of(en.begin() + code * 16, en.begin() + code * 16 + 16, [](uint8_t b) {
      return b == 0;
    })) << code;
  EXPECT_TRUE(
      std::any_of(en.begin() + '0' * 16, en.begin() + '0' * 16 + 16, [](uint8_t b) { return b; }));

  // 中 (D6 D0): a vertical stroke through the middle columns nearly top to bottom.
  std::string zhong = G("中");
  const uint8_t* z = ch.data() + *ChineseGlyphOffset(zhong[0], zhong[1]);
  int strokeRows = 0;
  for (int y = 0; y < 16; ++y) {
    uint16_t row = static_cast<uint16_t>(z[2 * y] << 8 | z[2 * y + 1]);
    if (row & 0x0180) ++strokeRows;  // column 7 or 8
  }
  EXPECT_GE(strokeRows, 14);
  // The neighbour cell (D6 D1) holds another glyph; an unassigned cell is blank.
  EXPECT_FALSE(std::equal(z, z + 32, z + 32));
  size_t unassigned = *ChineseGlyphOffset(0xA2, 0xAB);  // empty in code page 936
  EXPECT_TRUE(std::all_of(ch.begin() + unassigned, ch.begin() + unassigned + 32,
                          [](uint8_t b) { return b == 0; }));
  // α (A6 C1), 8 wide in Unifont, sits centred: columns 0-3 and 12-15 blank.
  size_t alpha = *ChineseGlyphOffset(0xA6, 0xC1);
  bool any = false;
  for (int y = 0; y < 16; ++y) {
    uint16_t row = static_cast<uint16_t>(ch[alpha + 2 * y] << 8 | ch[alpha + 2 * y + 1]);
    EXPECT_EQ(row & 0xF00F, 0) << y;
    any |= row != 0;
  }
  EXPECT_TRUE(any);
}

}  // namespace
}  // namespace tavo
