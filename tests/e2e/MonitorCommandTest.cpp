// tavo monitor as its own process: it follows the PLC until Ctrl+C.
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "download/ImageTestSupport.h"
#include "e2e/CommandProcess.h"
#include "elements/Register.h"
#include "model/ProjectFile.h"
#include "support/ModbusTestServer.h"
#include "support/TempDir.h"

namespace tavo {
namespace {

TEST(MonitorCommand, FollowsTheValuesUntilCtrlC) {
  test::ModbusTestServer server;
  ASSERT_TRUE(server.StartTcp());
  const test::TempDir dir;
  const std::string project = dir.File("m.orx");
  {
    test::ImageProject p(3);
    p.Add<CRegister>(1, 0, 0).m_addr = 10;
    const auto bytes = WriteProjectBytes(p.project, 3);
    std::ofstream(project, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  }
  server.SetHolding(9, 5);
  test::CommandProcess monitor;
  ASSERT_TRUE(monitor.Start({"monitor", project, "--plc", server.TcpTarget(), "--interval", "20",
                             "--data-dir", TAVO_BIN_DIR}));
  auto shows = [&](const std::string& text) {
    return monitor.WaitForError(
        [&](const std::string&) { return monitor.out.find(text) != std::string::npos; },
        std::chrono::seconds(10));
  };
  EXPECT_TRUE(shows("\t4x10\t5\t")) << monitor.out << monitor.err;
  server.SetHolding(9, 6);
  EXPECT_TRUE(shows("\t4x10\t6\t")) << monitor.out;
  monitor.Signal(SIGINT);
  EXPECT_EQ(monitor.WaitExit(std::chrono::seconds(10)), 0);
}

}  // namespace
}  // namespace tavo
