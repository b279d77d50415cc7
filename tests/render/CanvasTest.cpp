#include <gtest/gtest.h>

#include <climits>

#include "render/Canvas.h"
#include "render/StbIo.h"

namespace tavo {
namespace {

constexpr Color W = kDisplayLit;
constexpr Color D = kDisplayDark;
constexpr Color R = RgbColor(255, 0, 0);

// Coordinates of every pixel of colour c.
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
  auto onDot = [](int v) { return v % 18 == 17 || (v % 18 == 0 && v > 0); };
  int white = 0;
  for (int y = 0; y < 144; ++y)
    for (int x = 0; x < 432; ++x) {
      const bool dot = onDot(x) && onDot(y) && x <= 414 && y <= 126;
      ASSERT_EQ(bg.Pixel(x, y), dot ? W : D) << x << "," << y;
      white += dot;
    }
  EXPECT_EQ(white, 23 * 7 * 4);
  // The first and last dots, and the edges that carry none.
  EXPECT_EQ(bg.Pixel(17, 17), W);
  EXPECT_EQ(bg.Pixel(414, 126), W);
  EXPECT_EQ(bg.Pixel(431, 143), D);
  EXPECT_EQ(bg.Pixel(0, 0), D);
}

TEST(Canvas, FillAndFrameClipToTheBuffer) {
  struct Case {
    Rect r;
    int expectRed;
  };
  const Case cases[] = {
      {{-5, -5, 3, 2}, 3 * 2},
      {{8, 8, 100, 100}, 2 * 2},
      {{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, 100},
      {{5, 5, 5, 9}, 0},  // empty
      {{6, 6, 2, 2}, 0},  // inverted
  };
  for (const auto& c : cases) {
    Canvas canvas(10, 10, D);
    canvas.FillRect(c.r, R);
    EXPECT_EQ(PixelsOf(canvas, R).size(), static_cast<size_t>(c.expectRed));
    canvas.Fill(D);
    canvas.FrameRect(c.r, R, 3);  // must not crash or write outside
  }
  Canvas canvas(10, 10, D);
  canvas.FrameRect({1, 1, 7, 6}, R, 2);
  EXPECT_EQ(canvas.Pixel(1, 1), R);
  EXPECT_EQ(canvas.Pixel(2, 2), R);
  EXPECT_EQ(canvas.Pixel(3, 3), D);  // inside the 2-pixel frame
  EXPECT_EQ(canvas.Pixel(6, 5), R);
  EXPECT_EQ(canvas.Pixel(7, 5), D);  // right edge exclusive
  EXPECT_EQ(PixelsOf(canvas, R).size(), 6u * 5 - 2u * 1);
}

TEST(Canvas, ClipRectangleLimitsEveryOperation) {
  Canvas canvas(20, 20, D);
  canvas.SetClip({5, 5, 10, 10});
  canvas.FillRect({0, 0, 20, 20}, R);
  canvas.Line({0, 7}, {20, 7}, W);
  EXPECT_EQ(PixelsOf(canvas, R).size() + PixelsOf(canvas, W).size(), 25u);
  EXPECT_EQ(canvas.Pixel(4, 7), D);
  EXPECT_EQ(canvas.Pixel(9, 7), W);
  canvas.ResetClip();
  canvas.SetPixel(0, 0, W);
  EXPECT_EQ(canvas.Pixel(0, 0), W);
}

TEST(Canvas, LinesExcludeTheirEndPointAndHonourThePen) {
  Canvas canvas(12, 12, D);
  canvas.Line({2, 2}, {6, 2}, W);
  EXPECT_EQ(PixelsOf(canvas, W),
            (std::vector<std::pair<int, int>>{{2, 2}, {3, 2}, {4, 2}, {5, 2}}));

  canvas.Fill(D);
  canvas.Line({1, 1}, {4, 4}, W);
  EXPECT_EQ(PixelsOf(canvas, W), (std::vector<std::pair<int, int>>{{1, 1}, {2, 2}, {3, 3}}));

  canvas.Fill(D);
  // Two pixels wide: a 2 x 2 brush at each point, columns 4-5, rows 0-3.
  canvas.Line({5, 1}, {5, 4}, W, 2);
  EXPECT_EQ(PixelsOf(canvas, W).size(), 8u);
  EXPECT_EQ(canvas.Pixel(4, 0), W);
  EXPECT_EQ(canvas.Pixel(4, 1), W);
  EXPECT_EQ(canvas.Pixel(5, 3), W);
  EXPECT_EQ(canvas.Pixel(6, 2), D);
  EXPECT_EQ(canvas.Pixel(5, 4), D);
}

TEST(Canvas, LinesWithExtremeCoordinatesStayBoundedAndCrossTheCanvas) {
  Canvas canvas(30, 30, D);
  canvas.Line({INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}, W, 3);
  canvas.Line({INT_MIN, 15}, {INT_MAX, 15}, R);
  canvas.Line({-1000000, -1000000}, {-5, -5}, W);
  EXPECT_EQ(canvas.Pixel(10, 10), W);
  EXPECT_EQ(canvas.Pixel(3, 15), R);
  EXPECT_EQ(canvas.Pixel(29, 15), R);
}

TEST(Canvas, DottedOutlineAlternatesAroundTheClosedPath) {
  Canvas canvas(8, 8, D);
  canvas.DottedOutline({1, 1, 5, 4}, W);
  const std::vector<std::pair<int, int>> expect = {{1, 1}, {3, 1}, {5, 1}, {1, 3},
                                                   {5, 3}, {2, 4}, {4, 4}};
  EXPECT_EQ(PixelsOf(canvas, W), expect);
  // Huge rectangles are drawn by their visible part only, and quickly.
  Canvas big(432, 144, D);
  big.DottedOutline({INT_MIN, 10, INT_MAX, 20}, W);
  EXPECT_EQ(PixelsOf(big, W).size(), 432u);
}

TEST(Canvas, ScaledCopiesUseTheNearestSourcePixel) {
  // 8 panel pixels over 18 display pixels: each source column 2 or 3 wide.
  std::vector<int> widths(8, 0);
  for (int d = 0; d < 18; ++d) ++widths[ScaledSource(d, 8, 18)];
  EXPECT_EQ(widths, (std::vector<int>{2, 2, 3, 2, 2, 2, 3, 2}));

  const uint8_t checker[2] = {0x80, 0x40};  // (0,0) and (1,1) set
  MonoBitmap bm{checker, 2, 2, 1, false};
  Canvas canvas(6, 6, R);
  canvas.CopyScaled(bm, {1, 1, 5, 5}, D, W);
  EXPECT_EQ(canvas.Pixel(0, 0), R);
  EXPECT_EQ(canvas.Pixel(1, 1), W);
  EXPECT_EQ(canvas.Pixel(2, 2), W);
  EXPECT_EQ(canvas.Pixel(3, 2), D);
  EXPECT_EQ(canvas.Pixel(4, 4), W);
  EXPECT_EQ(canvas.Pixel(5, 5), R);

  bm.bottomUp = true;  // now (0,1) and (1,0) set
  canvas.StampScaled(bm, {-2, -2, 2, 2}, R);
  EXPECT_EQ(canvas.Pixel(0, 0), R);
  EXPECT_EQ(canvas.Pixel(1, 1), W);  // a clear source bit leaves the canvas alone

  Canvas src(3, 1, D);
  src.SetPixel(2, 0, W);
  Canvas dst(9, 2, R);
  dst.CopyScaled(src, {0, 0, 9, 2});
  EXPECT_EQ(dst.Pixel(5, 1), D);
  EXPECT_EQ(dst.Pixel(6, 0), W);
  dst.CopyScaled(src, {0, 0, 0, 0});  // empty target: nothing
}

TEST(Canvas, PngRoundTripsAndIsDeterministic) {
  Canvas canvas = MakeDisplayBackground();
  canvas.FillRect({100, 20, 140, 60}, RgbColor(1, 2, 3));
  const auto png = canvas.EncodePng();
  ASSERT_FALSE(png.empty());
  EXPECT_EQ(png, canvas.EncodePng());
  std::vector<uint8_t> rgb;
  int w = 0, h = 0;
  ASSERT_TRUE(DecodeRgb(png.data(), png.size(), rgb, w, h));
  ASSERT_EQ(w, 432);
  ASSERT_EQ(h, 144);
  for (int i = 0; i < w * h; ++i) {
    const Color c = RgbColor(rgb[i * 3], rgb[i * 3 + 1], rgb[i * 3 + 2]);
    ASSERT_EQ(c, canvas.Pixels()[i]) << i;
  }
  EXPECT_FALSE(canvas.WritePng("/nonexistent-dir/x.png"));
}

}  // namespace
}  // namespace tavo
