#include <gtest/gtest.h>

#include <set>

#include "render/EditorPictures.h"

namespace tavo {
namespace {

int CountOf(const Canvas& c, Color colour) {
  int n = 0;
  for (Color p : c.Pixels()) n += p == colour;
  return n;
}

TEST(EditorPictures, SixtySixDistinctPicturesOfOnePanelCell) {
  std::set<std::vector<Color>> seen;
  for (int n = 0; n < kPictureCount; ++n) {
    const Canvas* p = EditorPicture(n);
    ASSERT_NE(p, nullptr) << n;
    EXPECT_EQ(p->Width(), 36);
    EXPECT_EQ(p->Height(), 36);
    seen.insert(p->Pixels());
  }
  EXPECT_EQ(seen.size(), 66u);
  EXPECT_EQ(EditorPicture(-1), nullptr);
  EXPECT_EQ(EditorPicture(66), nullptr);
  EXPECT_EQ(EditorPictureById(330), EditorPicture(0));
  EXPECT_EQ(EditorPictureById(395), EditorPicture(65));
}

TEST(EditorPictures, BrightPicturesAreLitWhereDarkOnesAreNot) {
  // Lamps and key faces: the bright one is lit in its middle, the dark one
  // lights less of the cell; hidden keys use only the outline grey.
  for (int n : {0, 2}) {
    const Canvas& dark = *EditorPicture(n);
    const Canvas& bright = *EditorPicture(n + 1);
    EXPECT_EQ(dark.Pixel(18, 24), kDisplayDark) << n;
    EXPECT_EQ(bright.Pixel(18, 24), kDisplayLit) << n;
    EXPECT_GT(CountOf(bright, kDisplayLit), 2 * CountOf(dark, kDisplayLit)) << n;
  }
  for (int k = 0; k < kKeyPictureCount; ++k) {
    const Canvas& dark = *EditorPicture(KeyPictureNumber(k, 0, 0));
    const Canvas& bright = *EditorPicture(KeyPictureNumber(k, 1, 0));
    const Canvas& hidden = *EditorPicture(KeyPictureNumber(k, 0, 1));
    EXPECT_GT(CountOf(bright, kDisplayLit), CountOf(dark, kDisplayLit)) << k;
    EXPECT_EQ(CountOf(hidden, kDisplayLit), 0) << k;
    EXPECT_GT(CountOf(hidden, kOutlineGrey), 0) << k;
    // The face's border: lit on the left edge halfway down, in both faces.
    EXPECT_EQ(dark.Pixel(2, 18), kDisplayLit) << k;
    EXPECT_EQ(bright.Pixel(2, 18), kDisplayLit) << k;
    EXPECT_EQ(dark.Pixel(0, 18), kDisplayDark) << k;
  }
}

TEST(EditorPictures, PictureNumbersOfLampsKeysAndHand) {
  EXPECT_EQ(LampPictureNumber(0, 0), 0);
  EXPECT_EQ(LampPictureNumber(0, 1), 1);
  EXPECT_EQ(LampPictureNumber(1, 0), 2);
  EXPECT_EQ(LampPictureNumber(7, 9), 3);  // damaged values: the nearest lamp
  EXPECT_EQ(KeyPictureNumber(0, 0, 0), 4);
  EXPECT_EQ(KeyPictureNumber(2, 1, 0), 11);
  EXPECT_EQ(KeyPictureNumber(2, 1, 1), 12);  // hidden wins over inverse
  EXPECT_EQ(KeyPictureNumber(19, 0, 0), 61);
  EXPECT_EQ(KeyPictureNumber(200, 0, 1), 63);
  EXPECT_EQ(HandPictureNumber(0), 64);
  EXPECT_EQ(HandPictureNumber(3), 65);
}

TEST(PanelKeyBitmaps, OneDistinctBitmapPerKeyAndTheHand) {
  std::set<PanelBitmap16> seen;
  for (int id = 0; id <= kHandKeyId; ++id) {
    auto b = PanelKeyBitmap(id);
    ASSERT_TRUE(b.has_value()) << id;
    seen.insert(*b);
    if (id == kHandKeyId) continue;
    // Key border: the left column is lit from row 3 to row 12 (rounded corners).
    const uint16_t column0 = static_cast<uint16_t>((*b)[0] | ((*b)[16] << 8));
    EXPECT_EQ(column0 & 0x1FF8, 0x1FF8) << id;
    EXPECT_EQ(column0 & 0x0001, 0) << id;
  }
  EXPECT_EQ(seen.size(), 21u);
  EXPECT_FALSE(PanelKeyBitmap(21).has_value());
  EXPECT_FALSE(PanelKeyBitmap(-1).has_value());
}

TEST(PanelKeyBitmaps, EditorHandIsThePanelHandScaled) {
  // Each panel pixel of the hand shows on its 2.25 cell of the editor picture.
  const PanelBitmap16 hand = *PanelKeyBitmap(kHandKeyId);
  const Canvas& pic = *EditorPicture(kPicHand);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      const bool lit = (hand[(y / 8) * 16 + x] >> (y % 8)) & 1;
      const int ex = PanelToEditor(x) + 1, ey = PanelToEditor(y) + 1;
      EXPECT_EQ(pic.Pixel(ex, ey) == kDisplayLit, lit) << x << "," << y;
    }
}

}  // namespace
}  // namespace tavo
