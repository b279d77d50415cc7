#include <gtest/gtest.h>

#include <random>

#include "model/OldProject.h"
#include "model/ProjectFile.h"
#include "support/OldProjectBuilder.h"

// Thousands of damaged old files: bytes changed, counts and lengths bent,
// files cut short. None may crash or read outside the file (the sanitizer
// build runs this too), and every file the converter accepts must give a
// project file that the project reader opens.
namespace tavo {
namespace {

using test::OldElement;
using test::OldFileBuilder;
using test::Put16;
using test::Put32;
using test::PutText;

std::vector<std::vector<uint8_t>> Seeds() {
  std::vector<std::vector<uint8_t>> seeds;
  {
    OldFileBuilder b;
    b.header[13] = 2;
    auto& s = b.AddScreen(1, "every kind");
    for (uint8_t kind = 1; kind <= 8; ++kind) s.elements.push_back(OldElement(kind, 45, 36, 8, 3));
    b.AddScreen(2, "empty");
    b.alarms = {"one", "two", ""};
    seeds.push_back(b.Bytes());
  }
  {
    OldFileBuilder b;
    b.header[13] = 1;
    for (uint16_t n = 1; n <= 3; ++n) {
      auto& s = b.AddScreen(n, std::string(40, 'd'));
      auto dyn = OldElement(kOldDynamic, 0, 0, 0, 2);
      PutText(dyn, 31, 32, std::string(24, 'r'));
      s.elements.push_back(dyn);
      auto pic = OldElement(kOldPicture, 90, 9, 32);
      Put32(pic, 44, 16);  // width
      Put32(pic, 48, 8);   // height
      s.elements.push_back(pic);
      auto text = OldElement(kOldText, 9, 9);
      PutText(text, 14, 15, "\xB0\xA1\xB0\xA2");
      s.elements.push_back(text);
      s.elements.push_back(OldElement(kOldKey));
    }
    b.alarms = {std::string(24, 'a')};
    seeds.push_back(b.Bytes());
  }
  {
    OldFileBuilder b;  // no screen, no alarm
    seeds.push_back(b.Bytes());
  }
  return seeds;
}

TEST(OldProjectMutation, DamagedFilesAreRefusedOrConvertIntoReadableProjects) {
  const auto seeds = Seeds();
  std::mt19937 rng(20240611);
  auto pick = [&](size_t n) { return static_cast<size_t>(rng() % n); };
  const uint8_t interesting[] = {0, 1, 2, 7, 8, 9, 24, 25, 40, 41, 61, 62, 0x7F, 0x80, 0xFE, 0xFF};

  size_t accepted = 0, refused = 0;
  for (int round = 0; round < 10000; ++round) {
    std::vector<uint8_t> b = seeds[pick(seeds.size())];
    switch (pick(4)) {
      case 0:  // a few bytes anywhere
        for (size_t k = 1 + pick(4); k > 0; --k) b[pick(b.size())] = static_cast<uint8_t>(rng());
        break;
      case 1:  // counts, lengths and kinds take values near their limits
        for (size_t k = 1 + pick(3); k > 0; --k)
          b[pick(b.size())] = interesting[pick(sizeof interesting)];
        break;
      case 2:  // cut short
        b.resize(pick(b.size()));
        break;
      default:  // both, and a header count bent
        b[4 + pick(76)] = interesting[pick(sizeof interesting)];
        Put16(b, 76, static_cast<uint32_t>(b[76] + pick(3)));
        if (pick(2)) b.resize(b.size() - pick(std::min<size_t>(b.size(), 64)));
        break;
    }
    auto out = ConvertOldProject(b);
    if (!out) {
      ++refused;
      continue;
    }
    ++accepted;
    Project project;
    ReadInfo info;
    ASSERT_EQ(ReadProjectBytes(*out, project, info), ProjectFileError::None) << "round " << round;
  }
  // Both outcomes must be well represented, or the mutations miss the point.
  EXPECT_GT(accepted, 1000u);
  EXPECT_GT(refused, 1000u);
}

}  // namespace
}  // namespace tavo
