#include <gtest/gtest.h>

#include <set>

#include "render/EditorPictures.h"

namespace tavo {
namespace {

TEST(EditorPictures, SixtySixDistinctPicturesAndTheirNumbers) {
  std::set<std::vector<Color>> seen;
  for (int n = 0; n < kPictureCount; ++n) {
    const Canvas* p = EditorPicture(n);
    ASSERT_NE(p, nullptr) << n;
    EXPECT_EQ(p->Width() * 100 + p->Height(), 3636);
    seen.insert(p->Pixels());
  }
  EXPECT_EQ(seen.size(), 66u);
  EXPECT_EQ(EditorPicture(66), nullptr);
  EXPECT_EQ(EditorPictureById(395), EditorPicture(65));
  // Hidden keys are drawn only in the outline grey.
  for (Color c : EditorPicture(KeyPictureNumber(7, 1, 1))->Pixels()) EXPECT_NE(c, kDisplayLit);

  struct Case {
    int got, expect;
  };
  const Case numbers[] = {
      {LampPictureNumber(0, 1), 1},      {LampPictureNumber(7, 9), 3},     // damaged: nearest lamp
      {KeyPictureNumber(2, 1, 0), 11},   {KeyPictureNumber(2, 1, 1), 12},  // hidden wins
      {KeyPictureNumber(200, 0, 0), 61}, {HandPictureNumber(3), 65},
  };
  for (const auto& c : numbers) EXPECT_EQ(c.got, c.expect);
}

TEST(PanelKeyBitmaps, OneDistinctBitmapPerKeyAndTheHand) {
  std::set<PanelBitmap16> seen;
  for (int id = 0; id <= kHandKeyId; ++id) {
    auto b = PanelKeyBitmap(id);
    ASSERT_TRUE(b.has_value()) << id;
    seen.insert(*b);
    if (id == kHandKeyId) continue;
    // The key's border: its left column lit from row 1 to row 14 (round corners).
    const int column0 = (*b)[0] | ((*b)[16] << 8);
    EXPECT_EQ(column0, 0x7FFE) << id;
  }
  EXPECT_EQ(seen.size(), 21u);
  EXPECT_FALSE(PanelKeyBitmap(21).has_value());
}

}  // namespace
}  // namespace tavo
