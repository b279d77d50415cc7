// `tavo catalogue` for a person in English: the line settings and profile
// words translated, the protocol names as the catalogue holds them.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>

#include "support/CliRun.h"

namespace tavo {
namespace {

// True when the UTF-8 line holds a CJK ideograph (U+4E00..U+9FFF: lead
// bytes E4..E9 of a three-byte sequence).
bool HasHan(const std::string& line) {
  for (size_t i = 0; i + 2 < line.size(); ++i) {
    const auto b = static_cast<unsigned char>(line[i]);
    if (b >= 0xE4 && b <= 0xE9 && (static_cast<unsigned char>(line[i + 1]) & 0xC0) == 0x80)
      return true;
  }
  return false;
}

TEST(EnglishCatalogue, LineSettingsAndProfileInEnglish) {
  test::CliRun en = test::Tavo({"--lang", "en", "catalogue"});
  ASSERT_EQ(en.status, 0) << en.err;
  EXPECT_NE(en.out.find("    Baud rates: "), std::string::npos) << en.out;
  EXPECT_NE(en.out.find(" bits "), std::string::npos);
  EXPECT_NE(en.out.find("parity"), std::string::npos);
  EXPECT_NE(en.out.find("    Station = panel station, word address 0-"), std::string::npos);
  // Only the protocols' own name lines (" 1  ...  (...)") hold Chinese.
  std::istringstream lines(en.out);
  int nameLines = 0;
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("    ", 0) != 0) {
      ++nameLines;
      continue;
    }
    EXPECT_FALSE(HasHan(line)) << line;
  }
  EXPECT_EQ(nameLines, 36);

  // The same numbers in both languages.
  test::CliRun zh = test::Tavo({"--lang", "zh", "catalogue"});
  EXPECT_NE(zh.out.find("    波特率: "), std::string::npos) << zh.out;
  EXPECT_EQ(std::count(zh.out.begin(), zh.out.end(), '\n'),
            std::count(en.out.begin(), en.out.end(), '\n'));
}

}  // namespace
}  // namespace tavo
