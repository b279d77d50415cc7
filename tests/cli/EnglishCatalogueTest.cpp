// `tavo catalogue` for a person in English: the line settings and profile
// words translated, the protocol names as the catalogue holds them.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <sstream>
#include <string>

#include "support/CliRun.h"

namespace tavo {
namespace {

TEST(EnglishCatalogue, LineSettingsAndProfileInEnglish) {
  test::CliRun en = test::Tavo({"--lang", "en", "catalogue"});
  ASSERT_EQ(en.status, 0) << en.err;
  EXPECT_NE(en.out.find("    Baud rates: "), std::string::npos) << en.out;
  EXPECT_NE(en.out.find(" bits "), std::string::npos);
  EXPECT_NE(en.out.find("parity"), std::string::npos);
  EXPECT_NE(en.out.find("    Station = panel station, word address 0-"), std::string::npos);
  // Only the protocols' own name lines (" 1  ...  (...)") hold Chinese.
  const std::regex han("[\xe4-\xe9][\x80-\xbf][\x80-\xbf]");
  std::istringstream lines(en.out);
  int nameLines = 0;
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("    ", 0) != 0) {
      ++nameLines;
      continue;
    }
    EXPECT_FALSE(std::regex_search(line, han)) << line;
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
