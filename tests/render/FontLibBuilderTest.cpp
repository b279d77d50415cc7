#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/Gbk.h"
#include "render/FontLibBuilder.h"
#include "render/FontTestSupport.h"

namespace tavo {
namespace {

using test::TempDir;
using Bytes = std::vector<uint8_t>;

const std::string kA = "00000000182424427E42424242000000";  // 8 x 16 'A'

Bytes Cell(const Bytes& lib, const std::string& utf8) {
  std::string g = G(utf8);
  size_t off = *ChineseGlyphOffset(g[0], g[1]);
  return Bytes(lib.begin() + off, lib.begin() + off + 32);
}

TEST(BuildFontLibraries, PlacesHandMadeGlyphs) {
  TempDir dir;
  std::string zhong, alpha = "0000000000003A4444444444443A0000";  // α is 8 wide
  for (int y = 0; y < 16; ++y) zhong += "8" + std::string(1, "0123456789ABCDEF"[y]) + "01";
  std::string hex = "# comment\n001F:" + kA + "\n0041:" + kA + "\r\n0042:" + std::string(64, 'F') +
                    "\n007F:" + kA + "\n03b1:" + alpha + "\n4E2D:" + zhong +
                    "\n4E2E:" + std::string(300, '0') + "\n0043:" + kA;  // no line end
  FontLibraryImages libs;
  std::string error;
  ASSERT_EQ(BuildFontLibraries(dir.WriteText("f.hex", hex), libs, error), FontLibBuild::Ok);
  EXPECT_EQ(libs.englishGlyphs, 2u);  // A and C: 1F and 7F lie outside, B is 16 wide
  EXPECT_EQ(libs.chineseGlyphs, 2u);
  EXPECT_EQ(libs.centredGlyphs, 1u);

  Bytes a = {0, 0, 0, 0, 0x18, 0x24, 0x24, 0x42, 0x7E, 0x42, 0x42, 0x42, 0x42, 0, 0, 0};
  for (int code = 0; code < 256; ++code)
    EXPECT_EQ(Bytes(libs.english.begin() + code * 16, libs.english.begin() + code * 16 + 16),
              code == 'A' || code == 'C' ? a : Bytes(16, 0))
        << code;
  Bytes z = Cell(libs.chinese, "中"), al = Cell(libs.chinese, "α");
  for (int y = 0; y < 16; ++y) {
    EXPECT_EQ(z[2 * y] << 8 | z[2 * y + 1], 0x8001 | y << 8) << y;
    int row8 = std::stoi(alpha.substr(2 * y, 2), nullptr, 16);  // centred: columns 4-11
    EXPECT_EQ(al[2 * y] << 8 | al[2 * y + 1], row8 << 4) << y;
  }
  EXPECT_EQ(std::count(libs.chinese.begin(), libs.chinese.end(), 0),
            kChineseLibraryBytes - std::count_if(z.begin(), z.end(), [](int b) { return b; }) -
                std::count_if(al.begin(), al.end(), [](int b) { return b; }));
}

// The libraries the build generated from GNU Unifont.
TEST(BuiltFontLibraries, HoldRecognisableGlyphsInTheirPlaces) {
  std::string dir = test::BuiltDataDir();
  Bytes en = test::ReadAll(dir + "/" + kEnglishFontFile);
  Bytes ch = test::ReadAll(dir + "/" + kChineseFontFile);
  ASSERT_EQ(en.size(), kEnglishLibraryBytes) << dir;
  ASSERT_EQ(ch.size(), kChineseLibraryBytes) << dir;

  // 'A': a crossbar of at least four pixels between blank top and bottom rows.
  const uint8_t* a = en.data() + 'A' * 16;
  EXPECT_EQ(a[0] | a[15], 0);
  EXPECT_TRUE(std::any_of(a + 6, a + 12, [](uint8_t r) { return __builtin_popcount(r) >= 4; }));
  for (int code : {0x00, 0x1F, 0x20, 0x7F, 0x80, 0xFF})
    EXPECT_EQ(std::count(en.begin() + code * 16, en.begin() + code * 16 + 16, 0), 16) << code;

  // 中: a vertical stroke through columns 7-8 nearly top to bottom; 中 and its
  // neighbour 盅 differ; a cell code page 936 leaves empty is blank.
  Bytes z = Cell(ch, "中");
  int stroke = 0;
  for (int y = 0; y < 16; ++y) stroke += ((z[2 * y] << 8 | z[2 * y + 1]) & 0x0180) != 0;
  EXPECT_GE(stroke, 14);
  EXPECT_NE(z, Cell(ch, "盅"));
  size_t empty = *ChineseGlyphOffset(0xA2, 0xAB);
  EXPECT_EQ(std::count(ch.begin() + empty, ch.begin() + empty + 32, 0), 32);
  // α, 8 wide in Unifont, is centred; ·(A1 A4) is the glyph of U+00B7, as texts store it.
  Bytes al = Cell(ch, "α");
  for (int y = 0; y < 16; ++y) EXPECT_EQ((al[2 * y] & 0xF0) | (al[2 * y + 1] & 0x0F), 0) << y;
  EXPECT_NE(al, Bytes(32, 0));
  EXPECT_EQ(GridCellCharacter(0, 3), U'\u00B7');
}

}  // namespace
}  // namespace tavo
