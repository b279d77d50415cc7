// Sizes of each element kind on the editor display, and placement at a point.
#include <gtest/gtest.h>

#include "base/Gbk.h"
#include "elements/Bar.h"
#include "elements/Chars.h"
#include "elements/Dynamic.h"
#include "elements/Function.h"
#include "elements/Light.h"
#include "elements/Register.h"
#include "elements/Tide.h"
#include "elements/UpLoadPic.h"
#include "support/ScriptedPrompter.h"

namespace tavo {
namespace {

Rect At(const CBase& e, int left, int top) {
  const_cast<CBase&>(e).SetScreenPos(left, top);
  return e.m_rect;
}

TEST(TextGeometry, CellsFollowTheByteLength) {
  struct Case {
    std::string text;
    uint8_t dbl;
    int len, w, h;
  } cases[] = {
      {"AB" + G("中"), 0, 4, 72, 36},
      {"AB" + G("中"), 1, 4, 144, 72},
      {"AB" + G("中"), 2, 4, 144, 72},  // any non-zero double-size byte counts as set
      {"", 0, 0, 0, 36},
      {std::string(24, 'x'), 1, 24, 864, 72},
      {std::string(300, 'x'), 0, 255, 255 * 18, 36},  // only a damaged file holds this
  };
  for (const auto& c : cases) {
    CChars t({0, 0}, "?");
    t.m_text = c.text;  // edited after creation: the length follows the text
    t.m_double = c.dbl;
    EXPECT_EQ(At(t, 10, 20), (Rect{10, 20, 10 + c.w, 20 + c.h})) << c.text.size();
    EXPECT_EQ(t.m_len, c.len);
  }
  CChars wide({0, 0}, std::string(24, 'x'));
  wide.m_double = 1;
  wide.SetScreenPos(0, 0);
  EXPECT_LT(wide.MaxX(), 0);  // 384 panel pixels cannot fit
  EXPECT_EQ(wide.MaxY(), 32);
  CChars empty({0, 0}, "");
  empty.SetScreenPos(0, 0);
  EXPECT_FALSE(empty.HitTest({0, 0}));
}

TEST(LightAndKeyGeometry, SquarePicturesAndTheHand) {
  CLight light({100, 50});
  EXPECT_EQ(light.m_x, 44);
  EXPECT_EQ(light.m_y, 22);
  light.PlaceAtStoredPosition();  // as after reading the project back
  EXPECT_EQ(light.m_rect, (Rect{99, 50, 135, 86}));
  light.m_double = 1;
  EXPECT_EQ(At(light, 0, 0), (Rect{0, 0, 72, 72}));

  struct Case {
    uint8_t hand, dbl;
    int w, h;
  } keys[] = {{0, 0, 36, 36}, {1, 0, 72, 36}, {0, 1, 72, 72}, {1, 1, 144, 72}, {2, 0, 72, 36}};
  for (auto c : keys) {
    CFunction key({0, 0});
    key.m_hand = c.hand;
    key.m_double = c.dbl;
    EXPECT_EQ(At(key, 5, 6), (Rect{5, 6, 5 + c.w, 6 + c.h})) << int(c.hand) << int(c.dbl);
  }
}

TEST(RegisterGeometry, CellsForDigitsSignAndPoint) {
  test::ScriptedPrompter prompter;
  struct Case {
    uint8_t digits, decimals, sign, dbl;
    int cells, recordCells;
  } cases[] = {
      {5, 0, 0, 0, 5, 5}, {5, 2, 0, 0, 6, 6},    {4, 4, 1, 0, 7, 7}, {3, 0, 1, 1, 4, 4},
      {1, 1, 0, 0, 3, 3}, {10, 9, 1, 0, 12, 12}, {3, 5, 0, 0, 3, 5},  // more decimals than digits:
                                                                      // no point counted, an error
                                                                      // shown
  };
  for (auto c : cases) {
    prompter.said.clear();
    CRegister r({0, 0});
    r.m_digits = c.digits;
    r.m_decimals = c.decimals;
    r.m_signed = c.sign;
    r.m_double = c.dbl;
    const int scale = c.dbl + 1;
    EXPECT_EQ(At(r, 0, 0), (Rect{0, 0, scale * 18 * c.cells, 36 * scale}))
        << int(c.digits) << "." << int(c.decimals);
    EXPECT_EQ(r.RecordCells(), c.recordCells);
    if (c.decimals > c.digits) {
      ASSERT_EQ(prompter.Messages().size(), 1u);
      EXPECT_EQ(prompter.Messages()[0], "寄存器出现错误");
      EXPECT_EQ(r.m_decimals, c.decimals);  // kept as it is
    } else {
      EXPECT_TRUE(prompter.said.empty());
    }
  }
}

TEST(DynamicGeometry, WidthOfTheLongestText) {
  CDynamic d({0, 0}, "AB");
  d.m_texts[5] = G("动态");
  d.m_texts[31] = "xyz";
  EXPECT_EQ(At(d, 0, 0), (Rect{0, 0, 72, 36}));
  EXPECT_EQ(d.m_width, 4);
  d.m_double = 1;
  EXPECT_EQ(At(d, 0, 0), (Rect{0, 0, 144, 72}));
  for (auto& t : d.m_texts) t.clear();
  EXPECT_EQ(At(d, 0, 0).Width(), 0);
  EXPECT_EQ(d.ShownText(), "");
}

TEST(GraphGeometry, SizeInPanelPixelsAndDirection) {
  CBar bar({0, 0});
  EXPECT_EQ(At(bar, 0, 0), (Rect{0, 0, 36, 108}));
  CTide trend({0, 0});
  EXPECT_EQ(At(trend, 0, 0), (Rect{0, 0, 216, 108}));
  trend.m_widthPx = 17;
  trend.m_height = 17;
  EXPECT_EQ(At(trend, 1, 1), (Rect{1, 1, 1 + 38, 1 + 38}));  // trunc(17 x 2.25 + 0.5)

  struct Step {
    uint8_t direction;
    int w, h;
  } steps[] = {{kBarDown, 16, 48}, {kBarLeft, 48, 16},  {kBarRight, 48, 16},
               {kBarUp, 16, 48},   {kBarRight, 48, 16}, {kBarDown, 16, 48}};
  for (auto s : steps) {
    bar.SetDirection(s.direction);
    EXPECT_EQ(bar.m_direction, s.direction);
    EXPECT_EQ(bar.m_widthPx, s.w) << int(s.direction);
    EXPECT_EQ(bar.m_height, s.h) << int(s.direction);
  }
  bar.m_x = 180;
  bar.m_y = 60;
  EXPECT_EQ(bar.MaxWidth(), 12);
  EXPECT_EQ(bar.MaxHeight(), 4);
}

TEST(PictureGeometry, SizeFromTheHeader) {
  CUpLoadPic pic({0, 0}, 10, 10);
  EXPECT_EQ(pic.Width(), 10);
  EXPECT_EQ(pic.Height(), 10);
  EXPECT_EQ(pic.ImageSizeField(), 40u);
  EXPECT_EQ(pic.m_bits.size(), 40u);
  EXPECT_EQ(pic.DataLength(), 20);
  EXPECT_EQ(pic.m_captured, 0);
  EXPECT_EQ(At(pic, 3, 4), (Rect{3, 4, 26, 27}));

  CUpLoadPic big({0, 0}, 196, 64);
  EXPECT_EQ(big.ImageSizeField(), 28u * 64u);
  EXPECT_EQ(big.DataLength(), 196 * 8);
  EXPECT_EQ(At(big, 0, 0), (Rect{0, 0, 441, 144}));

  // A header only a damaged file holds: nothing is drawn or compiled from it,
  // and the rectangle stays within the largest picture.
  big.m_info[4] = 0xFF;
  big.m_info[5] = 0xFF;
  big.m_info[6] = 0xFF;
  big.m_info[7] = 0x7F;
  EXPECT_FALSE(big.HasSoundSize());
  EXPECT_EQ(big.DataLength(), 0);
  EXPECT_FALSE(big.Pixel(0, 0));
  EXPECT_EQ(At(big, 0, 0), (Rect{0, 0, 441, 144}));

  CUpLoadPic sized({0, 0}, 8, 8);
  sized.m_info[20] = 33;  // image-size field disagrees with width and height
  EXPECT_FALSE(sized.HasSoundSize());
  CUpLoadPic shortBits({0, 0}, 8, 8);
  shortBits.m_bits.resize(31);
  EXPECT_FALSE(shortBits.HasSoundSize());
}

TEST(PictureCapture, BrightAboveMidGreyRowsBottomUp) {
  CUpLoadPic pic({0, 0}, 10, 3);
  std::vector<uint32_t> px(30, 0x000000);
  px[0] = 0x818181;           // (129,129,129): bright
  px[1] = 0x808080;           // (128,128,128): dark
  px[9] = 0xFFFFFF;           // last column of the top row
  px[2 * 10 + 3] = 0xFF8100;  // (255+129+0)/3 = 128: dark
  px[2 * 10 + 4] = 0xFF8400;  // (255+132)/3 = 129: bright
  ASSERT_TRUE(pic.CaptureRgb(px));
  EXPECT_EQ(pic.m_captured, 1);
  // Top row is stored last: bytes 8..11.
  EXPECT_EQ(pic.m_bits[8], 0x80);
  EXPECT_EQ(pic.m_bits[9], 0x40);
  EXPECT_EQ(pic.m_bits[0], 0x08);
  EXPECT_EQ(pic.m_bits[1], 0x00);
  EXPECT_TRUE(pic.Pixel(0, 0));
  EXPECT_FALSE(pic.Pixel(1, 0));
  EXPECT_TRUE(pic.Pixel(9, 0));
  EXPECT_FALSE(pic.Pixel(3, 2));
  EXPECT_TRUE(pic.Pixel(4, 2));
  EXPECT_FALSE(pic.Pixel(10, 0));
  EXPECT_FALSE(pic.Pixel(0, 3));
  // Colour table: black, then white.
  const uint8_t table[8] = {0, 0, 0, 0, 255, 255, 255, 0};
  EXPECT_TRUE(std::equal(table, table + 8, pic.m_infoBlock.begin() + 40));
  EXPECT_TRUE(std::equal(pic.m_info.begin(), pic.m_info.end(), pic.m_infoBlock.begin()));

  px.pop_back();
  CUpLoadPic other({0, 0}, 10, 3);
  EXPECT_FALSE(other.CaptureRgb(px));
  EXPECT_EQ(other.m_captured, 0);
}

}  // namespace
}  // namespace tavo
