// tavo preview --plc and tavo monitor against a Modbus server in this process.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "download/ImageTestSupport.h"
#include "elements/Function.h"
#include "elements/Light.h"
#include "elements/Register.h"
#include "model/ProjectFile.h"
#include "render/StbIo.h"
#include "support/CliRun.h"
#include "support/ModbusTestServer.h"
#include "support/TempDir.h"

namespace tavo {
namespace {

using Dir = test::TempDir;

// Lit PNG pixels (4 per panel pixel) of the 16 x 16 panel box at (x, y).
int LitIn(const std::string& png, int x, int y) {
  std::ifstream in(png, std::ios::binary);
  const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
  std::vector<uint8_t> rgb;
  int w = 0, h = 0;
  if (!DecodeRgb(bytes.data(), bytes.size(), rgb, w, h)) return -1;
  int n = 0;
  for (int yy = 4 * y; yy < 4 * (y + 16); ++yy)
    for (int xx = 4 * x; xx < 4 * (x + 16); ++xx)
      n += rgb[3 * (static_cast<size_t>(yy) * w + xx)] == 255;
  return n;
}

class PlcLinkCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(server.StartTcp());
    Write(3, project);
    Write(4, other);  // the same screens for the Mitsubishi FX protocol
  }
  // Screen 1: a lamp on coil 0x3 at panel (20, 12), ENT toggling that coil,
  // a register on 4x10; screen 2: a register on 4x20.
  static void Write(uint8_t protocol, const std::string& path) {
    test::ImageProject p(protocol);
    auto& lamp = p.Add<CLight>(1, 20, 12);
    lamp.m_addr = 3;
    auto& key = p.Add<CFunction>(1, 80, 40);
    key.m_picStyle = 6;  // ENT
    key.m_coilOp = 2;
    key.m_addr = 3;
    p.Add<CRegister>(1, 120, 0).m_addr = 10;
    p.Add<CRegister>(2, 0, 0).m_addr = 20;
    const auto bytes = WriteProjectBytes(p.project, protocol);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  }
  test::CliRun Tavo(std::vector<std::string> args) {
    args.insert(args.end(), {"--data-dir", TAVO_BIN_DIR});
    return test::Tavo(std::move(args));
  }

  test::ModbusTestServer server;
  Dir dir;
  std::string project = dir.File("modbus.orx"), other = dir.File("fx.orx");
};

TEST_F(PlcLinkCommandTest, PreviewDrawsThePlcsValuesAndItsKeysWriteToIt) {
  const std::string plc = server.TcpTarget();
  test::CliRun off = Tavo({"preview", project, "--plc", plc, "-o", dir.File("off.png")});
  ASSERT_EQ(off.status, 0) << off.err;
  server.SetCoil(2, true);
  test::CliRun on = Tavo({"preview", project, "--plc", plc, "-o", dir.File("on.png")});
  ASSERT_EQ(on.status, 0) << on.err;
  EXPECT_GT(LitIn(dir.File("on.png"), 20, 12), LitIn(dir.File("off.png"), 20, 12));
  // ENT toggles the PLC's coil: the lamp goes out, and so does the coil.
  test::CliRun press =
      Tavo({"preview", project, "--plc", plc, "--press", "ENT", "-o", dir.File("pressed.png")});
  ASSERT_EQ(press.status, 0) << press.err;
  EXPECT_FALSE(server.Coil(2));
  EXPECT_EQ(server.CountOf(5), 1u);
  EXPECT_EQ(LitIn(dir.File("pressed.png"), 20, 12), LitIn(dir.File("off.png"), 20, 12));
  // With --plc-base 0, "0x 3" is coil 3.
  server.SetCoil(3, true);
  ASSERT_EQ(Tavo({"preview", project, "--plc", plc, "--plc-base", "0", "-o", dir.File("zero.png")})
                .status,
            0);
  EXPECT_EQ(LitIn(dir.File("zero.png"), 20, 12), LitIn(dir.File("on.png"), 20, 12));
}

TEST_F(PlcLinkCommandTest, PreviewFailsWithTheLinksReason) {
  server.SetSilent(true);
  test::CliRun silent = Tavo(
      {"preview", project, "--plc", server.TcpTarget(), "--timeout", "1", "-o", dir.File("x.png")});
  EXPECT_EQ(silent.status, 1);
  EXPECT_NE(silent.err.find("did not answer"), std::string::npos) << silent.err;
  server.Stop();
  test::CliRun gone =
      Tavo({"preview", project, "--plc", server.TcpTarget(), "-o", dir.File("x.png")});
  EXPECT_EQ(gone.status, 1);
  EXPECT_NE(gone.err.find("refused"), std::string::npos) << gone.err;  // libmodbus's text
  test::CliRun fx = Tavo({"preview", other, "--plc", "tcp:127.0.0.1:502", "-o", dir.File("x.png")});
  EXPECT_EQ(fx.status, 1);
  EXPECT_NE(fx.err.find("not a Modbus protocol"), std::string::npos) << fx.err;
  for (const char* bad : {"udp:host:1", "tcp:host", "tcp:host:0", "rtu:"})
    EXPECT_EQ(Tavo({"preview", project, "--plc", bad, "-o", dir.File("x.png")}).status, 1) << bad;
  EXPECT_EQ(
      Tavo({"preview", project, "--plc", "tcp:h:1", "--plc-base", "2", "-o", dir.File("x.png")})
          .status,
      1);
  EXPECT_FALSE(std::filesystem::exists(dir.File("x.png")));
}

TEST_F(PlcLinkCommandTest, MonitorPrintsWhatChangesWhenPiped) {
  server.SetHolding(9, 321);
  test::CliRun run =
      Tavo({"monitor", project, "--plc", server.TcpTarget(), "--interval", "20", "--polls", "3"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out.rfind("poll\tstation\titem\tvalue\tstate\n", 0), 0u) << run.out;
  EXPECT_NE(run.out.find("\t1\t4x10\t321\t正常\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("\t1\t0x3\t0\t正常\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("\tlink\t-\t已连接\n"), std::string::npos) << run.out;
  // An unchanged value is printed once (a first poll that ran before the
  // watch list reached the link may show the item as still waiting first).
  size_t count = 0;
  const std::string value = "\t4x10\t321\t";
  for (size_t at = run.out.find(value); at != std::string::npos; at = run.out.find(value, at + 1))
    ++count;
  EXPECT_EQ(count, 1u);
  test::CliRun two =
      Tavo({"monitor", project, "--plc", server.TcpTarget(), "--screen", "2", "--polls", "1"});
  EXPECT_NE(two.out.find("4x20"), std::string::npos) << two.out;
  EXPECT_EQ(two.out.find("4x10"), std::string::npos);
  EXPECT_EQ(Tavo({"monitor", project}).status, 1);
  EXPECT_EQ(Tavo({"monitor", other, "--plc", server.TcpTarget(), "--polls", "1"}).status, 1);
}

}  // namespace
}  // namespace tavo
