// The runtime draws every record kind where its record says, from the image's
// own slots and glyphs and the simulated PLC's values.
#include <gtest/gtest.h>

#include "panel/PanelRuntime.h"
#include "panel/TestImage.h"

namespace tavo::panel {
namespace {

using test::TestImage;

// Lit pixels inside and outside a box.
struct BoxCount {
  int inside = 0;
  int outside = 0;
};
BoxCount CountIn(const PanelBitmap& b, int x0, int y0, int x1, int y1) {
  BoxCount c;
  for (int y = 0; y < PanelBitmap::kHeight; ++y)
    for (int x = 0; x < PanelBitmap::kWidth; ++x)
      if (b.Lit(x, y)) (x >= x0 && x < x1 && y >= y0 && y < y1 ? c.inside : c.outside)++;
  return c;
}

PanelRuntime Loaded(const TestImage& t) {
  PanelRuntime rt;
  EXPECT_TRUE(rt.Load(t.Build())) << rt.Notice();
  EXPECT_TRUE(rt.Problems().empty()) << rt.Problems().front();
  return rt;
}

TEST(PanelDraw, TextCellsComeFromNarrowGlyphsAndWideSlots) {
  TestImage t;
  t.slots = {test::SlotBox(0, 0, 16, 16)};  // wide glyph, slot 0: a full cell
  t.narrow = {test::NarrowColumn(3), test::NarrowColumn(0)};
  // "narrow 1, wide slot 0, narrow 0" at (10, 20), then the same doubled and inverse.
  t.screens = {{1, 0, 0, {test::Text(10, 20, {1, 0x80, 0x00, 0}), test::Text(100, 30, {0}, 0x03)}}};
  PanelRuntime rt = Loaded(t);
  const PanelBitmap b = rt.Render();
  // Narrow glyph 1 lights column 0 of its cell.
  for (int y = 20; y < 36; ++y) EXPECT_TRUE(b.Lit(10, y));
  EXPECT_FALSE(b.Lit(11, 20));
  // The wide glyph fills 16 x 16 from x = 18.
  EXPECT_EQ(CountIn(b, 18, 20, 34, 36).inside, 256);
  // Narrow glyph 0 lights column 3 of the cell at x = 34.
  EXPECT_TRUE(b.Lit(37, 20));
  EXPECT_FALSE(b.Lit(36, 20));
  // Double size and inverse: a 16 x 32 lit cell with a dark column 6-7.
  const BoxCount big = CountIn(b, 100, 30, 116, 62);
  EXPECT_EQ(big.inside, 16 * 32 - 2 * 32);
  EXPECT_FALSE(b.Lit(106, 40));
  EXPECT_FALSE(b.Lit(107, 40));
  EXPECT_EQ(rt.Elements()[0].box, (PanelBox{10, 20, 42, 36}));
  EXPECT_EQ(rt.Elements()[1].box, (PanelBox{100, 30, 116, 62}));
}

TEST(PanelDraw, LampShowsTheSlotOfItsBitState) {
  TestImage t;
  // Slots 0-3 as in a real image: round off, round on, square off, square on.
  t.slots = {test::SlotBox(0, 0, 1, 1), test::SlotBox(0, 0, 16, 16), test::SlotBox(0, 0, 2, 2),
             test::SlotBox(0, 0, 4, 4)};
  t.screens = {{1,
                0,
                0,
                {test::Light(0, 0, 5, 0, 0, 1),            // positive logic, bit 0
                 test::Light(40, 0, 6, 3, 3, 2, true)}}};  // negative logic, bit 3, double
  PanelRuntime rt = Loaded(t);
  EXPECT_EQ(CountIn(rt.Render(), 0, 0, 16, 16).inside, 1);
  EXPECT_EQ(CountIn(rt.Render(), 40, 0, 72, 32).inside, 4 * 4 * 4);  // bit 3 off: slot 3, doubled
  rt.Plc().Set({1, 0x10, 5, 0}, 1);
  rt.Plc().Set({1, 0x10, 6, 0}, 0x08);
  EXPECT_EQ(CountIn(rt.Render(), 0, 0, 16, 16).inside, 256);
  EXPECT_EQ(CountIn(rt.Render(), 40, 0, 72, 32).inside, 2 * 2 * 4);
  EXPECT_EQ(rt.Elements()[1].box, (PanelBox{40, 0, 72, 32}));
}

TEST(PanelDraw, KeyPicturesWithHandInverseAndHidden) {
  TestImage t;
  t.slots = {test::SlotBox(0, 0, 16, 8), test::SlotBox(0, 0, 8, 16)};  // hand, key face
  t.screens = {{1,
                0,
                0,
                {test::Key(0, 0, 0x00, 6, 1, 0, 0, {0, 1}),    // hand, then key
                 test::Key(64, 0, 0x01, 7, 1, 0, 0, {1}),      // inverse key face
                 test::Key(128, 0, 0x04, 0, 1, 0, 0, {1})}}};  // hidden
  PanelRuntime rt = Loaded(t);
  const PanelBitmap b = rt.Render();
  EXPECT_EQ(CountIn(b, 0, 0, 16, 16).inside, 128);  // hand: top half
  EXPECT_TRUE(b.Lit(0, 0));
  EXPECT_FALSE(b.Lit(0, 8));
  EXPECT_EQ(CountIn(b, 16, 0, 32, 16).inside, 128);  // key: left half
  EXPECT_TRUE(b.Lit(16, 15));
  EXPECT_FALSE(b.Lit(24, 0));
  EXPECT_EQ(CountIn(b, 64, 0, 80, 16).inside, 128);  // inverse: right half lit
  EXPECT_TRUE(b.Lit(72, 0));
  EXPECT_FALSE(b.Lit(64, 0));
  EXPECT_EQ(CountIn(b, 128, 0, 192, 64).inside, 0);
  EXPECT_EQ(rt.Elements()[0].box, (PanelBox{0, 0, 32, 16}));
  EXPECT_EQ(rt.Elements()[2].box, (PanelBox{128, 0, 144, 16}));
}

TEST(PanelDraw, PictureBandsFromThePictureData) {
  TestImage t;
  // 3 x 10: band 0 columns 0x01, 0x80, 0xFF; band 1 (rows 8-9) column 1 row 9.
  t.pictures = {{0x01, 0x80, 0xFF, 0x00, 0x02, 0x00}};
  t.narrow = {test::NarrowColumn(0)};
  t.screens = {{1, 0, 0, {test::Picture(50, 40, 3, 10, 0)}}};
  PanelRuntime rt = Loaded(t);
  const PanelBitmap b = rt.Render();
  EXPECT_TRUE(b.Lit(50, 40));
  EXPECT_TRUE(b.Lit(51, 47));
  EXPECT_TRUE(b.Lit(51, 49));
  EXPECT_FALSE(b.Lit(50, 48));
  EXPECT_EQ(CountIn(b, 50, 40, 53, 50).inside, 1 + 1 + 8 + 1);
  EXPECT_EQ(CountIn(b, 50, 40, 53, 50).outside, 0);
  EXPECT_EQ(rt.Elements()[0].box, (PanelBox{50, 40, 53, 50}));
}

TEST(PanelDraw, BarsFillFromTheirStartInEachDirection) {
  TestImage t;
  // 20 x 20 bars, scale 0..100, value 50: inner 16 x 16, half filled.
  std::vector<test::TestElement> bars;
  const uint8_t directions[] = {1, 2, 4, 8};
  for (int i = 0; i < 4; ++i)
    bars.push_back(test::Graph(false, 30 * i, 0, 0, 7, 20, 20, 100, 0, directions[i]));
  t.screens = {{1, 0, 0, bars}};
  PanelRuntime rt = Loaded(t);
  rt.Plc().Set({1, 0x02, 7, 0}, 50);
  const PanelBitmap b = rt.Render();
  const int frame = 4 * 19;
  EXPECT_EQ(CountIn(b, 0, 0, 20, 20).inside, frame + 16 * 8);
  EXPECT_TRUE(b.Lit(2, 17));  // up: filled at the bottom
  EXPECT_FALSE(b.Lit(2, 2));
  EXPECT_TRUE(b.Lit(32, 2));  // down: at the top
  EXPECT_FALSE(b.Lit(32, 17));
  EXPECT_TRUE(b.Lit(77, 10));  // left: at the right
  EXPECT_FALSE(b.Lit(62, 10));
  EXPECT_TRUE(b.Lit(92, 10));  // right: at the left
  EXPECT_FALSE(b.Lit(107, 10));
  // Over full scale fills all, under zero nothing.
  rt.Plc().Set({1, 0x02, 7, 0}, 500);
  EXPECT_EQ(CountIn(rt.Render(), 0, 0, 20, 20).inside, frame + 256);
  rt.Plc().Set({1, 0x02, 7, 0}, 0xFFFF);  // unsigned: far above
  EXPECT_EQ(CountIn(rt.Render(), 0, 0, 20, 20).inside, frame + 256);
  EXPECT_EQ(rt.Elements()[3].box, (PanelBox{90, 0, 110, 20}));
}

TEST(PanelDraw, SignedBarReadsNegativeValues) {
  TestImage t;
  t.screens = {{1, 0, 0, {test::Graph(false, 0, 0, 0x10, 7, 20, 20, 100, -100, 1)}}};
  PanelRuntime rt = Loaded(t);
  rt.Plc().Set({1, 0x02, 7, 0}, 0xFFCE);  // -50 in 16 bits: a quarter
  EXPECT_EQ(CountIn(rt.Render(), 0, 0, 20, 20).inside, 4 * 19 + 16 * 4);
}

TEST(PanelDraw, TrendPlotsItsSamplesAndScrolls) {
  TestImage t;
  t.screens = {{1, 0, 0, {test::Graph(true, 0, 0, 0, 9, 40, 20, 100, 0, 5)}}};
  PanelRuntime rt;
  // Samples from the values: rising 0, 100; the current value 100.
  rt.Plc().SetHistory({1, 0x02, 9, 0}, {0});
  rt.Plc().Set({1, 0x02, 9, 0}, 100);
  ASSERT_TRUE(rt.Load(t.Build()));
  const PanelBitmap b = rt.Render();
  // Axes: left column and bottom row.
  for (int y = 0; y < 20; ++y) EXPECT_TRUE(b.Lit(0, y));
  for (int x = 0; x < 40; ++x) EXPECT_TRUE(b.Lit(x, 19));
  // First sample at the plot's left edge, low; second a quarter across, high.
  EXPECT_TRUE(b.Lit(4, 17));
  EXPECT_TRUE(b.Lit(4 + 35 / 4, 0));
  EXPECT_FALSE(b.Lit(30, 0));
  // Five seconds later, five more samples of 100: only the last five show,
  // all at the top.
  rt.Advance(std::chrono::seconds(5));
  const PanelBitmap later = rt.Render();
  for (int x = 4; x < 39; ++x) EXPECT_TRUE(later.Lit(x, 0)) << x;
  EXPECT_FALSE(later.Lit(4, 17));
}

TEST(PanelDraw, DynamicTextShowsTheMatchingRowOrNothing) {
  TestImage t;
  t.narrow = {test::NarrowColumn(0), test::NarrowColumn(7)};
  t.screens = {{1,
                0,
                0,
                {test::Dynamic(8, 16, 0, 3, 2, {{1, {0}}, {0xFFFF, {1, 1}}}),
                 test::Dynamic(80, 16, 0x01, 4, 2, {{7, {0}}})}}};
  PanelRuntime rt = Loaded(t);
  // Value 0 matches nothing: blank, but the inverse field is lit all over.
  PanelBitmap b = rt.Render();
  EXPECT_EQ(CountIn(b, 8, 16, 24, 32).inside, 0);
  EXPECT_EQ(CountIn(b, 80, 16, 96, 32).inside, 256);
  rt.Plc().Set({1, 0x02, 3, 0}, 1);
  b = rt.Render();
  EXPECT_TRUE(b.Lit(8, 16));
  EXPECT_FALSE(b.Lit(15, 16));
  // A 32-bit value whose low 16 bits are FFFF picks the second row.
  rt.Plc().Set({1, 0x02, 3, 0}, 0x1FFFF);
  b = rt.Render();
  EXPECT_TRUE(b.Lit(15, 16));
  EXPECT_TRUE(b.Lit(23, 16));
  EXPECT_FALSE(b.Lit(8, 16));
  EXPECT_EQ(rt.Elements()[0].box, (PanelBox{8, 16, 24, 32}));
}

TEST(PanelDraw, RegisterDigitsAreRightAlignedInTheirCells) {
  TestImage t;
  t.screens = {{1, 0, 0, {test::Register(0, 0, 0x20, 1, 5, 0)}}};
  PanelRuntime rt = Loaded(t);
  rt.Plc().Set({1, 0x02, 1, 0}, 7);
  const PanelBitmap b = rt.Render();
  // Only the last cell (x 32-39) holds ink.
  const BoxCount c = CountIn(b, 32, 0, 40, 16);
  EXPECT_GT(c.inside, 10);
  EXPECT_EQ(c.outside, 0);
  EXPECT_EQ(rt.Elements()[0].box, (PanelBox{0, 0, 40, 16}));
}

TEST(PanelDraw, ClippedAtTheDisplayEdge) {
  TestImage t;
  t.slots = {test::SlotBox(0, 0, 16, 16)};
  std::vector<uint8_t> wide;
  for (int i = 0; i < 20; ++i) wide.insert(wide.end(), {0x80, 0x00});
  t.screens = {{1, 0, 0, {test::Text(180, 56, wide, 0x02), test::Picture(250, 250, 1, 1, 0)}}};
  t.pictures = {{0x01}};
  PanelRuntime rt = Loaded(t);
  EXPECT_EQ(CountIn(rt.Render(), 180, 56, 192, 64).inside, 12 * 8);
}

}  // namespace
}  // namespace tavo::panel
