// `tavo ptc` and the protocol file the build places beside the executables.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "plc/ProtocolFiles.h"
#include "support/TempDir.h"

namespace tavo {
namespace {

namespace fs = std::filesystem;

int Tavo(const std::string& args) {
  const std::string cmd = std::string(TAVO_BIN_DIR) + "/tavo " + args + " 2>/dev/null";
  const int status = std::system(cmd.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

struct PtcCommand : ::testing::Test {
  void SetUp() override {
    dir = temp.path;
    std::ofstream(dir / "a.bin", std::ios::binary) << "driver A";
    std::ofstream(dir / "big.bin", std::ios::binary) << std::string(kPtcMaxDriver + 1, 'x');
  }
  std::string P(const std::string& name) const { return (dir / name).string(); }
  test::TempDir temp;
  fs::path dir;
};

TEST_F(PtcCommand, BuildsRecordsInTheOrderGiven) {
  ASSERT_EQ(Tavo("ptc -o " + P("out.dat") + " --driver 16:4:" + P("a.bin") +
                 " --driver 2:9:" + P("a.bin")),
            0);
  auto list = ReadProtocolCatalogue(P("out.dat"));
  ASSERT_TRUE(list);
  EXPECT_EQ(*list, (std::vector<uint8_t>{16, 2}));
  PtcDriver d;
  ASSERT_EQ(ReadProtocolDriver(P("out.dat"), 2, d), DriverRead::Ok);
  EXPECT_EQ(d.version, 9);
  EXPECT_EQ(d.position, 1);
  ASSERT_EQ(d.bytes.size(), 8u + 128);
  EXPECT_EQ(std::string(d.bytes.begin(), d.bytes.begin() + 8), "driver A");
}

TEST_F(PtcCommand, RefusesBadDrivers) {
  const std::string out = " -o " + P("bad.dat");
  const std::string a = P("a.bin");
  for (const std::string& args : {
           "ptc" + out + " --driver 0:1:" + a,                         // protocol 0
           "ptc" + out + " --driver 37:1:" + a,                        // not in the catalogue
           "ptc" + out + " --driver 3:256:" + a,                       // version too large
           "ptc" + out + " --driver 3:1",                              // no path
           "ptc" + out + " --driver x:1:" + a,                         // not a number
           "ptc" + out + " --driver 3:1:" + a + " --driver 3:2:" + a,  // twice
           "ptc" + out + " --driver 3:1:" + P("missing.bin"),
           "ptc" + out + " --driver 3:1:" + P("big.bin"),
           "ptc" + out,              // no driver
           "ptc --driver 3:1:" + a,  // no output
       }) {
    EXPECT_EQ(Tavo(args), 1) << args;
    EXPECT_FALSE(fs::exists(P("bad.dat"))) << args;
  }
}

TEST(GeneratedProtocolFile, OnePlaceholderPerProtocol) {
  const std::string ptc = std::string(TAVO_BIN_DIR) + "/ormed_Ptc.dat";
  auto list = ReadProtocolCatalogue(ptc);
  ASSERT_TRUE(list);
  ASSERT_EQ(list->size(), 36u);
  for (uint8_t p = 1; p <= 36; ++p) {
    EXPECT_EQ((*list)[p - 1], p);
    PtcDriver d;
    ASSERT_EQ(ReadProtocolDriver(ptc, p, d), DriverRead::Ok);
    EXPECT_EQ(d.version, 1);
    char name[64];
    std::snprintf(name, sizeof name, "TAVO PLACEHOLDER DRIVER protocol %02d version 1\n", p);
    ASSERT_GE(d.bytes.size(), std::strlen(name) + 128);
    EXPECT_EQ(std::string(d.bytes.begin(), d.bytes.begin() + std::strlen(name)), name);
  }
}

}  // namespace
}  // namespace tavo
