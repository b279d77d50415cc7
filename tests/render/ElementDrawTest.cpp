// The element kinds' drawing on the simulated display.
#include <gtest/gtest.h>

#include "elements/Bar.h"
#include "elements/Chars.h"
#include "elements/Dynamic.h"
#include "elements/Function.h"
#include "elements/Light.h"
#include "elements/Register.h"
#include "elements/Tide.h"
#include "elements/UpLoadPic.h"
#include "render/EditorPictures.h"
#include "render/PanelText.h"

namespace tavo {
namespace {

constexpr Color W = kDisplayLit;
constexpr Color D = kDisplayDark;
constexpr Color R = RgbColor(255, 0, 0);

// True when `canvas` shows `picture` stretched over `to`.
bool ShowsPicture(const Canvas& canvas, int number, const Rect& to) {
  Canvas expect(canvas.Width(), canvas.Height(), R);
  expect.CopyScaled(*EditorPicture(number), to);
  for (int y = to.top; y < to.bottom; ++y)
    for (int x = to.left; x < to.right; ++x)
      if (canvas.Pixel(x, y) != expect.Pixel(x, y)) return false;
  return true;
}

TEST(LightDraw, LampPictureOfStyleAndLogicFillsTheRectangle) {
  struct Case {
    uint8_t style, inverse, dbl;
    int picture;
  };
  const Case cases[] = {{0, 0, 0, 0}, {0, 1, 0, 1}, {1, 0, 1, 2}, {1, 1, 0, 3}, {9, 0, 0, 2}};
  for (const auto& c : cases) {
    CLight light({100, 50});
    light.m_picStyle = c.style;
    light.m_inverse = c.inverse;
    light.m_double = c.dbl;
    light.PlaceAtStoredPosition();
    Canvas canvas(432, 144, R);
    light.Draw(canvas);
    const int side = c.dbl ? 72 : 36;
    EXPECT_EQ(light.m_rect, (Rect{99, 50, 99 + side, 50 + side}));
    EXPECT_TRUE(ShowsPicture(canvas, c.picture, light.m_rect)) << int(c.style) << int(c.inverse);
    EXPECT_EQ(canvas.Pixel(99 + side, 60), R);
  }
}

TEST(FunctionDraw, KeyFaceHandAndHiddenOutline) {
  CFunction key({0, 0});
  key.m_picStyle = 5;  // SET
  key.m_inverse = 1;
  key.PlaceAtStoredPosition();
  Canvas canvas(432, 144, R);
  key.Draw(canvas);
  EXPECT_TRUE(ShowsPicture(canvas, 5 * 3 + 4 + 1, {0, 0, 36, 36}));

  key.m_hand = 1;
  key.m_double = 1;
  key.PlaceAtStoredPosition();
  ASSERT_EQ(key.m_rect, (Rect{0, 0, 144, 72}));
  key.Draw(canvas);
  EXPECT_TRUE(ShowsPicture(canvas, 65, {0, 0, 72, 72}));  // bright hand at the left
  EXPECT_TRUE(ShowsPicture(canvas, 20, {72, 0, 144, 72}));

  key.m_hidden = 1;  // dotted outline whatever the inverse flag
  key.Draw(canvas);
  EXPECT_TRUE(ShowsPicture(canvas, 5 * 3 + 6, {72, 0, 144, 72}));
}

TEST(TextDraw, TextsAndSampleValuesAreDrawnAsPanelText) {
  // Each element draws what DrawPanelText draws for its shown text.
  auto same = [](CBase& e, const std::string& shown) {
    Canvas a(432, 144, R), b(432, 144, R);
    e.Draw(a);
    if (e.m_kind == kKindRegister) b.FillRect(e.m_rect, e.m_inverse ? W : D);
    DrawPanelText(b, shown, e.m_rect, e.m_double, e.m_inverse);
    return a == b;
  };
  CChars text({18, 36}, "a&b");
  text.m_inverse = 1;
  text.PlaceAtStoredPosition();
  EXPECT_TRUE(same(text, "a&b"));

  struct RegCase {
    int digits, decimals, isSigned;
    const char* shown;
  };
  const RegCase regs[] = {
      {5, 2, 0, "123.45"},        {3, 0, 1, "-123"}, {2, 2, 0, "0.12"},
      {12, 0, 0, "123456789012"}, {3, 5, 0, "123"},  // more decimals than digits: no point
  };
  for (const auto& c : regs) {
    CRegister reg({0, 0});
    reg.m_digits = static_cast<uint8_t>(c.digits);
    reg.m_decimals = static_cast<uint8_t>(c.decimals);
    reg.m_signed = static_cast<uint8_t>(c.isSigned);
    reg.PlaceAtStoredPosition();
    EXPECT_TRUE(same(reg, c.shown)) << c.shown;
  }

  // The dynamic text shows its first non-empty row, padded to its width.
  CDynamic dyn({0, 0}, "");
  dyn.m_texts[3] = "AB";
  dyn.m_texts[7] = "ABCDE";
  dyn.m_double = 1;
  dyn.PlaceAtStoredPosition();
  ASSERT_EQ(dyn.m_width, 5);
  EXPECT_TRUE(same(dyn, "AB   "));
}

TEST(BarDraw, SamplePartAndScaleStripForEveryDirection) {
  // A 16 x 48 bar at the origin: rectangle 36 x 108, or 108 x 36 lying down.
  struct Case {
    uint8_t dir;
    Point dark, white;  // a pixel of the sample part, one of the empty part
  };
  const Case cases[] = {
      {kBarUp, {20, 100}, {20, 20}},
      {kBarDown, {20, 10}, {20, 60}},
      {kBarLeft, {100, 15}, {15, 15}},
      {kBarRight, {15, 15}, {60, 15}},
  };
  for (const auto& c : cases) {
    CBar bar({0, 0});
    bar.SetDirection(c.dir);
    bar.PlaceAtStoredPosition();
    const bool lying = c.dir >= kBarLeft;
    ASSERT_EQ(bar.m_rect, lying ? (Rect{0, 0, 108, 36}) : (Rect{0, 0, 36, 108}));
    Canvas canvas(432, 144, R);
    bar.Draw(canvas);
    EXPECT_EQ(canvas.Pixel(c.dark.x, c.dark.y), D) << int(c.dir);
    EXPECT_EQ(canvas.Pixel(c.white.x, c.white.y), W) << int(c.dir);
    EXPECT_EQ(canvas.Pixel(lying ? 108 : 36, 0), R);
    // Sample part: two thirds (up, left) or one third (down, right) of the
    // inner length, with a white margin of two pixels.
    int darkCount = 0;
    for (int i = 0; i < 108; ++i)
      darkCount += (lying ? canvas.Pixel(i, 15) : canvas.Pixel(20, i)) == D;
    const int inner = 108 - 2 - 4;  // less the outline and the margins
    EXPECT_EQ(darkCount, (c.dir == kBarUp || c.dir == kBarLeft) ? inner * 2 / 3 : inner / 3);
    // Ticks on the strip: half way along, the tick is longer than at a quarter.
    auto at = [&](int along, int across) {  // along the strip, across it from the edge
      return lying ? canvas.Pixel(along, 35 - across) : canvas.Pixel(across, along);
    };
    EXPECT_EQ(at(54, 1), kBlack);
    EXPECT_EQ(at(54, 5), kBlack);
    EXPECT_EQ(at(27, 1), kBlack);
    EXPECT_EQ(at(27, 5), W);
    EXPECT_EQ(at(40, 1), W);
  }
}

TEST(TideDraw, AxesTicksAndCurve) {
  CTide trend({0, 0});
  trend.PlaceAtStoredPosition();
  ASSERT_EQ(trend.m_rect, (Rect{0, 0, 216, 108}));
  Canvas canvas(432, 144, R);
  trend.Draw(canvas);
  EXPECT_EQ(canvas.Pixel(0, 50), kBlack);  // outline
  EXPECT_EQ(canvas.Pixel(40, 90), D);      // fill
  EXPECT_EQ(canvas.Pixel(5, 60), W);       // value axis at left + 5
  EXPECT_EQ(canvas.Pixel(4, 60), W);       //   two pixels wide
  EXPECT_EQ(canvas.Pixel(100, 103), W);    // time axis along bottom - 5
  EXPECT_EQ(canvas.Pixel(100, 106), D);
  EXPECT_EQ(canvas.Pixel(212, 106), W);  // its arrow head towards (right - 4, bottom - 1)
  EXPECT_EQ(canvas.Pixel(1, 3), W);      // the value axis's arrow head from (left, top + 4)
  EXPECT_EQ(canvas.Pixel(12, 54), W);    // the longer tick at half height
  EXPECT_EQ(canvas.Pixel(12, 27), D);    // a shorter one at a quarter
  EXPECT_EQ(canvas.Pixel(9, 27), W);
  EXPECT_EQ(canvas.Pixel(54, 27), W);   // the curve through (left + w/4, top + h/4)
  EXPECT_EQ(canvas.Pixel(108, 81), W);  // and (left + w/2, top + 3h/4)
  EXPECT_EQ(canvas.Pixel(216, 50), R);
}

TEST(PictureDraw, BitsThroughTheBlackAndWhiteTable) {
  CUpLoadPic pic({0, 0}, 10, 10);
  std::vector<uint32_t> px(100, 0);
  px[0] = 0xFFFFFF;   // top-left bright
  px[99] = 0xFFFFFF;  // bottom-right bright
  ASSERT_TRUE(pic.CaptureRgb(px));
  pic.PlaceAtStoredPosition();
  ASSERT_EQ(pic.m_rect, (Rect{0, 0, 23, 23}));
  Canvas canvas(432, 144, R);
  pic.Draw(canvas);
  EXPECT_EQ(canvas.Pixel(0, 0), RgbColor(255, 255, 255));
  EXPECT_EQ(canvas.Pixel(3, 3), kBlack);
  EXPECT_EQ(canvas.Pixel(22, 22), RgbColor(255, 255, 255));
  EXPECT_EQ(canvas.Pixel(23, 23), R);
  // A header that disagrees with the pixels it came with: a black area, no read past m_bits.
  pic.m_bits.resize(3);
  canvas.Fill(R);
  pic.Draw(canvas);
  EXPECT_EQ(canvas.Pixel(0, 0), kBlack);
  EXPECT_EQ(canvas.Pixel(22, 22), kBlack);
}

}  // namespace
}  // namespace tavo
