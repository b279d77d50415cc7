#include <gtest/gtest.h>

#include "render/PictureFile.h"
#include "render/TestBmp.h"

namespace tavo {
namespace {

// A 13 x 9 test image: a diagonal, a frame column and the grey threshold pair.
std::vector<Color> TestImage(int w, int h, Color bright, Color dark) {
  std::vector<Color> px(static_cast<size_t>(w) * h, dark);
  for (int y = 0; y < h; ++y) {
    px[static_cast<size_t>(y) * w + (y % w)] = bright;
    px[static_cast<size_t>(y) * w + w - 1] = bright;
  }
  return px;
}

// The bits the picture element keeps for a decoded bitmap.
std::vector<uint8_t> BitsOf(const PictureBitmap& b) {
  CUpLoadPic pic({0, 0}, b.width, b.height);
  EXPECT_TRUE(pic.CaptureRgb(b.pixels));
  return pic.m_bits;
}

TEST(PictureFile, EveryBitDepthAndRowOrderGivesTheSameBits) {
  const int w = 13, h = 9;
  const auto image = TestImage(w, h, kDisplayLit, kBlack);
  std::vector<uint8_t> expected;
  for (int bpp : {1, 4, 8, 24, 32})
    for (bool topDown : {false, true}) {
      const auto bytes = MakeTestBmp(w, h, image, bpp, topDown);
      const PictureLoadResult r = DecodePictureBytes(bytes.data(), bytes.size());
      ASSERT_EQ(r.status, PictureLoad::Ok) << bpp << " " << topDown;
      ASSERT_EQ(r.bitmap.width, w);
      ASSERT_EQ(r.bitmap.height, h);
      const auto bits = BitsOf(r.bitmap);
      if (expected.empty()) expected = bits;
      EXPECT_EQ(bits, expected) << bpp << " " << topDown;
    }
  // Spot check: row 0 (stored last) has pixel 0 and pixel 12 set.
  ASSERT_EQ(expected.size(), 4u * 9);
  EXPECT_EQ(expected[8 * 4 + 0], 0x80);
  EXPECT_EQ(expected[8 * 4 + 1], 0x08);
}

TEST(PictureFile, BrightnessThresholdLiesBetween128And129) {
  // (129, 129, 129) is bright, (128, 128, 128) dark, in a paletted and a true-colour file.
  const auto image = TestImage(5, 3, RgbColor(129, 129, 129), RgbColor(128, 128, 128));
  for (int bpp : {8, 24}) {
    const auto bytes = MakeTestBmp(5, 3, image, bpp, false);
    const PictureLoadResult r = DecodePictureBytes(bytes.data(), bytes.size());
    ASSERT_EQ(r.status, PictureLoad::Ok);
    CUpLoadPic pic({0, 0}, 5, 3);
    ASSERT_TRUE(pic.CaptureRgb(r.bitmap.pixels));
    EXPECT_TRUE(pic.Pixel(0, 0));
    EXPECT_FALSE(pic.Pixel(1, 0));
    EXPECT_TRUE(pic.Pixel(4, 1));
    EXPECT_FALSE(pic.Pixel(3, 2));
  }
}

TEST(PictureFile, SizeLimitIs196By64) {
  struct Case {
    int w, h;
    PictureLoad expect;
  };
  const Case cases[] = {
      {196, 64, PictureLoad::Ok},
      {197, 64, PictureLoad::TooLarge},
      {196, 65, PictureLoad::TooLarge},
      {1, 1, PictureLoad::Ok},
  };
  for (const auto& c : cases) {
    const auto bytes =
        MakeTestBmp(c.w, c.h, std::vector<Color>(size_t(c.w) * c.h, kBlack), 1, false);
    EXPECT_EQ(DecodePictureBytes(bytes.data(), bytes.size()).status, c.expect) << c.w << "x" << c.h;
  }
}

TEST(PictureFile, DamagedFilesAreRefusedWithoutCrashing) {
  const auto good = MakeTestBmp(20, 10, TestImage(20, 10, kDisplayLit, kBlack), 4, false);
  auto with = [&](size_t at, uint32_t v, int bytes) {
    auto b = good;
    for (int i = 0; i < bytes; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
    return b;
  };
  struct Case {
    const char* what;
    std::vector<uint8_t> bytes;
    PictureLoad expect;
  };
  std::vector<Case> cases = {
      {"text", {'h', 'e', 'l', 'l', 'o'}, PictureLoad::Unreadable},
      {"empty", {}, PictureLoad::Unreadable},
      {"header only", std::vector<uint8_t>(good.begin(), good.begin() + 30),
       PictureLoad::Unreadable},
      {"last row cut", std::vector<uint8_t>(good.begin(), good.end() - 1), PictureLoad::Unreadable},
      {"unknown header size", with(14, 41, 4), PictureLoad::Unreadable},
      {"zero width", with(18, 0, 4), PictureLoad::Unreadable},
      {"run-length", with(30, 2, 4), PictureLoad::Unreadable},
      {"odd depth", with(28, 7, 2), PictureLoad::Unreadable},
      {"pixels before header end", with(10, 20, 4), PictureLoad::Unreadable},
      {"pixels past the end", with(10, 0x7FFFFFFF, 4), PictureLoad::Unreadable},
      // A complete-looking header for a huge bitmap: refused on its size, no decoding.
      {"huge and truncated", with(18, 100000, 4), PictureLoad::Unreadable},
  };
  // A huge bitmap whose header is whole and whose rows are all there.
  {
    auto huge = MakeTestBmp(300, 2, std::vector<Color>(600, kBlack), 1, false);
    cases.push_back({"300 wide", huge, PictureLoad::TooLarge});
  }
  // A paletted file with fewer palette entries than its pixels name.
  {
    auto b = good;
    b[10] = static_cast<uint8_t>(14 + 40 + 4);  // palette of one entry
    cases.push_back({"short palette", b, PictureLoad::Unreadable});
  }
  for (const auto& c : cases)
    EXPECT_EQ(DecodePictureBytes(c.bytes.data(), c.bytes.size()).status, c.expect) << c.what;
  EXPECT_EQ(DecodePictureBytes(nullptr, 10).status, PictureLoad::Unreadable);
}

TEST(PictureFile, FilesOnDiskAndTheirMessages) {
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
