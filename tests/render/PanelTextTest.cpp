#include <gtest/gtest.h>

#include "render/FontLibrary.h"
#include "render/FontTestSupport.h"
#include "render/PanelText.h"

namespace tavo {
namespace {

constexpr Color W = kDisplayLit;
constexpr Color D = kDisplayDark;
constexpr Color R = RgbColor(255, 0, 0);  // untouched canvas

// A font whose glyphs are easy to find on the canvas: 'A' lights its
// top-left pixel, 'B' its bottom-right one, '&' every pixel; the Chinese
// character B0A1 lights its top-right pixel.
class PanelTextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::vector<uint8_t> en(kEnglishLibraryBytes, 0), ch(kChineseLibraryBytes, 0);
    en['A' * 16] = 0x80;
    en['B' * 16 + 15] = 0x01;
    for (int i = 0; i < 16; ++i) en['&' * 16 + i] = 0xFF;
    ch[*ChineseGlyphOffset(0xB0, 0xA1) + 1] = 0x01;
    font = PanelFont::FromFiles(dir.Write("en.dat", en), dir.Write("ch.dat", ch));
  }
  test::TempDir dir;
  PanelFont font;
  Canvas canvas{200, 160, R};
};

TEST_F(PanelTextTest, GlyphPixelsStretchOverTheirDisplayCells) {
  DrawPanelText(canvas, "AB", {10, 10, 46, 46}, 0, 0, font);
  // 'A': panel pixel (0,0) covers display 2 x 2 at the cell's corner.
  EXPECT_EQ(canvas.Pixel(10, 10), W);
  EXPECT_EQ(canvas.Pixel(11, 11), W);
  EXPECT_EQ(canvas.Pixel(12, 10), D);
  EXPECT_EQ(canvas.Pixel(10, 12), D);
  // 'B' in the second cell (28..46): its last pixel in the cell's last corner.
  EXPECT_EQ(canvas.Pixel(45, 45), W);
  EXPECT_EQ(canvas.Pixel(44, 44), W);
  EXPECT_EQ(canvas.Pixel(43, 45), D);
  // Cells are opaque, nothing beyond the text's two cells.
  EXPECT_EQ(canvas.Pixel(27, 30), D);
  EXPECT_EQ(canvas.Pixel(46, 30), R);
  EXPECT_EQ(canvas.Pixel(30, 46), R);
}

TEST_F(PanelTextTest, DoubleSizeInverseAndWideCharacters) {
  DrawPanelText(canvas, "A", {0, 0, 36, 72}, 2, 1, font);  // any non-zero flag counts
  EXPECT_EQ(canvas.Pixel(3, 3), D);                        // lit pixel, inverse: dark grey on white
  EXPECT_EQ(canvas.Pixel(4, 3), W);
  EXPECT_EQ(canvas.Pixel(35, 71), W);
  EXPECT_EQ(canvas.Pixel(36, 0), R);

  canvas.Fill(R);
  const std::string wide =
      "\xB0\xA1"
      "A";
  DrawPanelText(canvas, wide, {0, 0, 54, 36}, 0, 0, font);
  EXPECT_EQ(canvas.Pixel(35, 0), W);  // top-right of the 36-wide cell
  EXPECT_EQ(canvas.Pixel(33, 0), D);
  EXPECT_EQ(canvas.Pixel(36, 0), W);  // then 'A' at 36
  EXPECT_EQ(canvas.Pixel(38, 0), D);
}

TEST_F(PanelTextTest, AmpersandIsShownAsItself) {
  DrawPanelText(canvas, "a&b", {0, 0, 54, 36}, 0, 0, font);
  for (int x = 18; x < 36; ++x) EXPECT_EQ(canvas.Pixel(x, 20), W) << x;
  EXPECT_EQ(canvas.Pixel(40, 20), D);
}

TEST_F(PanelTextTest, LinesBreakBetweenWordsAndStayInsideTheRectangle) {
  // Three cells wide: "AB" and the space fit, the next word goes below.
  DrawPanelText(canvas, "AB AB", {0, 0, 54, 72}, 0, 0, font);
  EXPECT_EQ(canvas.Pixel(0, 0), W);
  EXPECT_EQ(canvas.Pixel(0, 36), W);
  EXPECT_EQ(canvas.Pixel(35, 71), W);
  EXPECT_EQ(canvas.Pixel(54, 0), R);
  // A text longer than one line of a one-line rectangle is cut at its edges.
  canvas.Fill(R);
  DrawPanelText(canvas, "AAAAAAAAAA", {0, 0, 40, 36}, 0, 0, font);
  EXPECT_EQ(canvas.Pixel(36, 0), W);  // third 'A' starts at 36, cut at 40
  EXPECT_EQ(canvas.Pixel(40, 0), R);
  EXPECT_EQ(canvas.Pixel(0, 36), R);
  // A lone lead byte at the end takes a blank narrow cell.
  canvas.Fill(R);
  DrawPanelText(canvas, "A\xB0", {0, 0, 100, 36}, 0, 0, font);
  EXPECT_EQ(canvas.Pixel(20, 10), D);
  EXPECT_EQ(canvas.Pixel(36, 10), R);
  // Empty texts and rectangles draw nothing; the clip is restored.
  canvas.Fill(R);
  DrawPanelText(canvas, "", {0, 0, 100, 36}, 0, 0, font);
  DrawPanelText(canvas, "AB", {5, 5, 5, 5}, 0, 0, font);
  DrawPanelText(canvas, "AB", {INT32_MAX - 10, 0, INT32_MAX, 36}, 0, 0, font);
  EXPECT_EQ(canvas.Clip(), (Rect{0, 0, 200, 160}));
  for (Color c : canvas.Pixels()) ASSERT_EQ(c, R);
}

}  // namespace
}  // namespace tavo
