#include <gtest/gtest.h>

#include "elements/UpLoadPic.h"
#include "render/PictureFile.h"
#include "render/TestBmp.h"

namespace tavo {
namespace {

// A diagonal and the right column in `bright`, the rest in `dark`.
std::vector<Color> TestImage(int w, int h, Color bright, Color dark) {
  std::vector<Color> px(static_cast<size_t>(w) * h, dark);
  for (int y = 0; y < h; ++y) {
    px[static_cast<size_t>(y) * w + (y % w)] = bright;
    px[static_cast<size_t>(y) * w + w - 1] = bright;
  }
  return px;
}

PictureLoad StatusOf(const std::vector<uint8_t>& bytes) {
  return DecodePictureBytes(bytes.data(), bytes.size()).status;
}

TEST(PictureFile, EveryBitDepthAndRowOrderGivesTheSameBits) {
  std::vector<uint8_t> expected;
  for (int bpp : {1, 4, 8, 24, 32})
    for (bool topDown : {false, true}) {
      const auto bytes = MakeTestBmp(13, 9, TestImage(13, 9, kDisplayLit, kBlack), bpp, topDown);
      const PictureLoadResult r = DecodePictureBytes(bytes.data(), bytes.size());
      ASSERT_EQ(r.status, PictureLoad::Ok) << bpp << " " << topDown;
      CUpLoadPic pic({0, 0}, r.bitmap.width, r.bitmap.height);
      ASSERT_TRUE(pic.CaptureRgb(r.bitmap.pixels));
      if (expected.empty()) expected = pic.m_bits;
      EXPECT_EQ(pic.m_bits, expected) << bpp << " " << topDown;
    }
  // Row 0, stored last: pixels 0 and 12 set.
  ASSERT_EQ(expected.size(), 4u * 9);
  EXPECT_EQ(expected[32], 0x80);
  EXPECT_EQ(expected[33], 0x08);
}

TEST(PictureFile, BrightnessThresholdLiesBetween128And129) {
  const auto image = TestImage(5, 3, RgbColor(129, 129, 129), RgbColor(128, 128, 128));
  for (int bpp : {8, 24}) {
    const auto bytes = MakeTestBmp(5, 3, image, bpp, false);
    const PictureLoadResult r = DecodePictureBytes(bytes.data(), bytes.size());
    CUpLoadPic pic({0, 0}, 5, 3);
    ASSERT_TRUE(pic.CaptureRgb(r.bitmap.pixels));
    EXPECT_TRUE(pic.Pixel(0, 0));
    EXPECT_FALSE(pic.Pixel(1, 0));
  }
}

TEST(PictureFile, OversizedDamagedAndForeignFilesAreRefused) {
  auto plain = [](int w, int h, int bpp = 1) {
    return MakeTestBmp(w, h, std::vector<Color>(size_t(w) * h, kBlack), bpp, false);
  };
  const std::vector<uint8_t> good =
      MakeTestBmp(20, 10, TestImage(20, 10, kDisplayLit, kBlack), 4, false);
  auto with = [&](size_t at, uint32_t v, int bytes) {
    std::vector<uint8_t> b = good;
    for (int i = 0; i < bytes && at + i < b.size(); ++i) b[at + i] = uint8_t(v >> (8 * i));
    return b;
  };
  struct Case {
    const char* what;
    std::vector<uint8_t> bytes;
    PictureLoad expect;
  };
  const Case cases[] = {
      {"196 x 64", plain(196, 64), PictureLoad::Ok},
      {"197 x 64", plain(197, 64), PictureLoad::TooLarge},
      {"196 x 65", plain(196, 65, 24), PictureLoad::TooLarge},
      {"text", {'h', 'e', 'l', 'l', 'o'}, PictureLoad::Unreadable},
      {"header only", std::vector<uint8_t>(good.begin(), good.begin() + 30),
       PictureLoad::Unreadable},
      {"last row cut", std::vector<uint8_t>(good.begin(), good.end() - 1), PictureLoad::Unreadable},
      {"unknown header size", with(14, 41, 4), PictureLoad::Unreadable},
      {"zero width", with(18, 0, 4), PictureLoad::Unreadable},
      {"run-length", with(30, 2, 4), PictureLoad::Unreadable},
      {"odd depth", with(28, 7, 2), PictureLoad::Unreadable},
      {"pixels inside the header", with(10, 20, 4), PictureLoad::Unreadable},
      {"pixels past the end", with(10, 0x7FFFFFFF, 4), PictureLoad::Unreadable},
      {"huge and truncated", with(18, 100000, 4), PictureLoad::Unreadable},
      {"palette of one entry", with(10, 14 + 40 + 4, 4), PictureLoad::Unreadable},
  };
  for (const auto& c : cases) EXPECT_EQ(StatusOf(c.bytes), c.expect) << c.what;
}

TEST(PictureFile, LoadingFromDisk) {
  const std::string dir = ::testing::TempDir();
  WriteTestBmp(dir + "ok.bmp", 4, 4, std::vector<Color>(16, kDisplayLit), 24, true);
  const PictureLoadResult ok = LoadPictureFile(dir + "ok.bmp");
  ASSERT_EQ(ok.status, PictureLoad::Ok);
  EXPECT_EQ(ok.bitmap.pixels[15], kDisplayLit);
  EXPECT_EQ(LoadPictureFile(dir).status, PictureLoad::Unreadable);  // a directory
  EXPECT_EQ(LoadPictureFile(dir + "none.bmp").status, PictureLoad::Unreadable);
  std::remove((dir + "ok.bmp").c_str());
}

}  // namespace
}  // namespace tavo
