#include <gtest/gtest.h>

#include <climits>

#include "render/Canvas.h"

namespace tavo {
namespace {

constexpr Color W = kDisplayLit;
constexpr Color D = kDisplayDark;
constexpr Color R = RgbColor(255, 0, 0);

std::vector<std::pair<int, int>> PixelsOf(const Canvas& canvas, Color c) {
  std::vector<std::pair<int, int>> out;
  for (int y = 0; y < canvas.Height(); ++y)
    for (int x = 0; x < canvas.Width(); ++x)
      if (canvas.Pixel(x, y) == c) out.push_back({x, y});
  return out;
}

TEST(DisplayBackground, DotsSitOnTheEighteenPixelGrid) {
  const Canvas bg = MakeDisplayBackground();
  ASSERT_EQ(bg.Width(), 432);
  ASSERT_EQ(bg.Height(), 144);
  // Dots at x = 17-18 ... 413-414 and y = 17-18 ... 125-126, nothing else.
  auto onDot = [](int v, int last) {
    return v <= last && (v % 18 == 17 || (v % 18 == 0 && v > 0));
  };
  for (int y = 0; y < 144; ++y)
    for (int x = 0; x < 432; ++x)
      ASSERT_EQ(bg.Pixel(x, y), onDot(x, 414) && onDot(y, 126) ? W : D) << x << "," << y;
}

TEST(Canvas, NothingIsWrittenOutsideTheBufferOrTheClip) {
  const Rect huge{INT_MIN, INT_MIN, INT_MAX, INT_MAX};
  Canvas canvas(10, 10, D);
  canvas.FillRect({-5, -5, 3, 2}, R);
  EXPECT_EQ(PixelsOf(canvas, R).size(), 6u);
  canvas.FillRect({6, 6, 2, 2}, W);  // inverted: nothing
  canvas.FrameRect(huge, W, 3);
  canvas.Line({INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}, W, 3);
  canvas.DottedOutline(huge, W);
  canvas.CopyScaled(Canvas(3, 3, W), huge);
  EXPECT_EQ(canvas.Pixel(5, 5), W);  // the diagonal crosses the canvas

  canvas.Fill(D);
  canvas.SetClip({5, 5, 10, 10});
  canvas.FillRect(huge, R);
  canvas.Line({0, 7}, {20, 7}, W);
  EXPECT_EQ(PixelsOf(canvas, R).size() + PixelsOf(canvas, W).size(), 25u);
  EXPECT_EQ(canvas.Pixel(9, 7), W);
  canvas.ResetClip();
  canvas.SetPixel(0, 0, W);
  EXPECT_EQ(canvas.Pixel(0, 0), W);
}

TEST(Canvas, FramesLinesAndPens) {
  Canvas canvas(12, 12, D);
  canvas.FrameRect({1, 1, 7, 6}, R, 2);
  EXPECT_EQ(canvas.Pixel(2, 2), R);
  EXPECT_EQ(canvas.Pixel(3, 3), D);
  EXPECT_EQ(canvas.Pixel(6, 5), R);
  EXPECT_EQ(canvas.Pixel(7, 5), D);  // right edge exclusive

  canvas.Fill(D);
  canvas.Line({1, 1}, {4, 4}, W);  // end point excluded
  EXPECT_EQ(PixelsOf(canvas, W), (std::vector<std::pair<int, int>>{{1, 1}, {2, 2}, {3, 3}}));
  canvas.Fill(D);
  canvas.Line({5, 1}, {5, 4}, W, 2);  // a 2 x 2 brush: columns 4-5, rows 0-3
  EXPECT_EQ(PixelsOf(canvas, W).size(), 8u);
  EXPECT_EQ(canvas.Pixel(4, 0), W);
  EXPECT_EQ(canvas.Pixel(5, 4), D);
}

TEST(Canvas, DottedOutlineAlternatesAroundTheClosedPath) {
  Canvas canvas(8, 8, D);
  canvas.DottedOutline({1, 1, 5, 4}, W);  // right and bottom inclusive
  const std::vector<std::pair<int, int>> expect = {{1, 1}, {3, 1}, {5, 1}, {1, 3},
                                                   {5, 3}, {2, 4}, {4, 4}};
  EXPECT_EQ(PixelsOf(canvas, W), expect);
  Canvas big(432, 144, D);
  big.DottedOutline({INT_MIN, 10, INT_MAX, 20}, W);  // walks only what is visible
  EXPECT_EQ(PixelsOf(big, W).size(), 432u);
}

TEST(Canvas, ContrastOutlineTakesItsColourFromThePixelUnderEachDot) {
  // Left half dark, right half lit; the outline crosses both.
  Canvas canvas(8, 4, D);
  canvas.FillRect({4, 0, 8, 4}, W);
  const Color light = kOutlineGrey, dark = kOutlineDarkGrey;
  canvas.DottedOutline({0, 0, 7, 3}, light, dark);
  using P = std::vector<std::pair<int, int>>;
  EXPECT_EQ(PixelsOf(canvas, light), (P{{0, 0}, {2, 0}, {0, 2}, {1, 3}, {3, 3}}));
  EXPECT_EQ(PixelsOf(canvas, dark), (P{{4, 0}, {6, 0}, {7, 1}, {5, 3}, {7, 3}}));
  // A flat outline walks its row twice: the dots keep the colour of what was
  // under them, not of the first pass.
  Canvas flat(8, 1, W);
  flat.DottedOutline({0, 0, 6, 0}, light, dark);
  EXPECT_EQ(PixelsOf(flat, dark), (P{{0, 0}, {2, 0}, {4, 0}, {6, 0}}));
  EXPECT_TRUE(PixelsOf(flat, light).empty());
}

TEST(Canvas, ScaledCopiesTakeTheSourcePixelUnderEachCentre) {
  // 8 panel pixels over 18 display pixels: each source column 2 or 3 wide.
  std::vector<int> widths(8, 0);
  for (int d = 0; d < 18; ++d) ++widths[ScaledSource(d, 8, 18)];
  EXPECT_EQ(widths, (std::vector<int>{2, 2, 3, 2, 2, 2, 3, 2}));

  const uint8_t checker[2] = {0x80, 0x40};  // (0,0) and (1,1) set
  MonoBitmap bm{checker, 2, 2, 1, false};
  Canvas canvas(6, 6, R);
  canvas.CopyScaled(bm, {1, 1, 5, 5}, D, W);
  EXPECT_EQ(canvas.Pixel(2, 2), W);
  EXPECT_EQ(canvas.Pixel(3, 2), D);
  EXPECT_EQ(canvas.Pixel(5, 5), R);
  bm.bottomUp = true;  // now (0,1) and (1,0) set; clear bits leave the canvas alone
  canvas.StampScaled(bm, {1, 1, 5, 5}, R);
  EXPECT_EQ(canvas.Pixel(1, 4), R);
  EXPECT_EQ(canvas.Pixel(1, 1), W);
}

TEST(Canvas, PngIsDeterministic) {
  Canvas canvas = MakeDisplayBackground();
  const auto png = canvas.EncodePng();
  ASSERT_GT(png.size(), 8u);
  EXPECT_EQ(png, MakeDisplayBackground().EncodePng());
  EXPECT_FALSE(canvas.WritePng("/nonexistent-dir/x.png"));
}

}  // namespace
}  // namespace tavo
