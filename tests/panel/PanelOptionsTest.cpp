#include <gtest/gtest.h>

#include "panel/PanelOptions.h"

namespace tavo::panel {
namespace {

TEST(PanelOptions, RefusesMalformedArguments) {
  // clang-format off
  const std::vector<std::vector<std::string>> bad = {
      {"--protocol"}, {"--protocol", "256"}, {"--protocol", "-1"}, {"--protocol", "1x"},
      {"--protocol", ""}, {"--protocol", " 5"}, {"--driver-version", "0x10"},
      {"--nak", "5"}, {"--nak", "0:3"}, {"--nak", "5:"}, {"--nak", ":3"}, {"--nak", "5:3:1"},
      {"--silent-handshakes", "0"}, {"--corrupt-checksum", "99999999999999999999"},
      {"--memory"}, {"--device", ""}, {"--bogus"}, {"stray"},
  };
  // clang-format on
  for (const auto& args : bad) {
    std::string error;
    EXPECT_FALSE(ParsePanelOptions(args, error)) << args[0] << " " << args.back();
    EXPECT_FALSE(error.empty());
  }
  std::string error;
  auto ok = ParsePanelOptions({"--nak", "5:9", "--protocol", "0", "--silent"}, error);
  ASSERT_TRUE(ok) << error;
  EXPECT_EQ(ok->config.faults.nakFrame, 5);
  EXPECT_EQ(ok->config.faults.nakTimes, 9);
}

}  // namespace
}  // namespace tavo::panel
