#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "panel/PanelOptions.h"
#include "panel/PanelServer.h"

namespace tavo::panel {
namespace {

TEST(PanelOptions, AcceptsEveryOption) {
  std::string error;
  auto o = ParsePanelOptions({"--device",
                              "/dev/ttyS0",
                              "--memory",
                              "m.bin",
                              "--load",
                              "l.bin",
                              "--protocol",
                              "36",
                              "--driver-version",
                              "0",
                              "--nak",
                              "5:9",
                              "--silent-handshakes",
                              "3",
                              "--corrupt-checksum",
                              "2",
                              "--wrong-query-length",
                              "--pace",
                              "--once",
                              "--silent"},
                             error);
  ASSERT_TRUE(o) << error;
  EXPECT_EQ(o->device, "/dev/ttyS0");
  EXPECT_EQ(o->memoryFile, "m.bin");
  EXPECT_EQ(o->loadFile, "l.bin");
  EXPECT_EQ(o->config.protocol, 36);
  EXPECT_EQ(o->config.driverVersion, 0);
  EXPECT_EQ(o->config.faults.nakFrame, 5);
  EXPECT_EQ(o->config.faults.nakTimes, 9);
  EXPECT_EQ(o->config.faults.silentHandshakes, 3);
  EXPECT_EQ(o->config.faults.corruptChecksumFrame, 2);
  EXPECT_TRUE(o->config.faults.wrongQueryLength && o->config.faults.silent);
  EXPECT_TRUE(o->pace && o->once);
}

TEST(PanelOptions, RefusesMalformedArguments) {
  const std::vector<std::vector<std::string>> bad = {
      {"--protocol"},
      {"--protocol", "256"},
      {"--protocol", "-1"},
      {"--protocol", "1x"},
      {"--protocol", ""},
      {"--protocol", " 5"},
      {"--driver-version", "0x10"},
      {"--nak", "5"},
      {"--nak", "0:3"},
      {"--nak", "5:"},
      {"--nak", ":3"},
      {"--nak", "5:3:1"},
      {"--silent-handshakes", "0"},
      {"--corrupt-checksum", "99999999999999999999"},
      {"--memory"},
      {"--device", ""},
      {"--bogus"},
      {"stray"},
  };
  for (const auto& args : bad) {
    std::string error;
    EXPECT_FALSE(ParsePanelOptions(args, error))
        << args[0] << " " << (args.size() > 1 ? args[1] : "");
    EXPECT_FALSE(error.empty());
  }
}

TEST(PanelMemoryFile, RoundTripAndWrongSizes) {
  std::string path = testing::TempDir() + "/panel_memory.bin";
  std::vector<uint8_t> mem(link::kPanelMemorySize);
  for (size_t i = 0; i < mem.size(); ++i) mem[i] = static_cast<uint8_t>(i * 31);
  std::string error;
  ASSERT_TRUE(WriteMemoryFile(path, mem, error)) << error;
  std::vector<uint8_t> back;
  ASSERT_TRUE(ReadMemoryFile(path, back, error)) << error;
  EXPECT_EQ(back, mem);
  for (size_t size : {size_t{0}, size_t{65535}, size_t{65537}}) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << std::string(size, 'x');
    EXPECT_FALSE(ReadMemoryFile(path, back, error)) << size;
  }
  EXPECT_FALSE(ReadMemoryFile(path + ".missing", back, error));
  std::remove(path.c_str());
}

}  // namespace
}  // namespace tavo::panel
