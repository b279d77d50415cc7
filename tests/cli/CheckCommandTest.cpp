// tavo check, tavo xref and tavo budget on project files.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/Cli.h"
#include "elements/Function.h"
#include "elements/Register.h"
#include "model/Project.h"
#include "model/ProjectFile.h"
#include "support/CliRun.h"
#include "support/ProfileScope.h"
#include "support/TempDir.h"

namespace tavo {
namespace {

using test::CliRun;
using test::Tavo;
using test::TempDir;

const std::string kExamples = std::string(TAVO_SOURCE_DIR) + "/examples/";

// A Modbus RTU project whose key jumps to a screen that does not exist and
// whose register shows 4x100.
std::string BrokenProject(const TempDir& dir) {
  test::ProfileScope modbus(3);
  Project p;
  CMainView& s = p.AddScreen(1, "");
  auto key = std::make_unique<CFunction>();
  key->m_action = kActionJump;
  key->m_screenNo = 9;
  s.m_elements.push_back(std::move(key));
  auto reg = std::make_unique<CRegister>();
  reg->m_y = 16;
  reg->m_addr = 100;
  s.m_elements.push_back(std::move(reg));
  const std::string path = dir.File("broken.orx");
  EXPECT_TRUE(WriteProjectBytes(p, 3).size() > 0);
  test::WriteBytes(path, WriteProjectBytes(p, 3));
  return path;
}

TEST(CheckCommand, ExitStatusSaysWhetherThereAreErrors) {
  TempDir dir;
  const std::string broken = BrokenProject(dir);
  CliRun r = Tavo({"check", broken});
  EXPECT_EQ(r.status, cli::kExitFailure) << r.err;
  EXPECT_NE(r.out.find("错误 jump-target 画面1 元件1: 功能键(0,0)跳转到的9号画面不存在\n"),
            std::string::npos)
      << r.out;
  CliRun j = Tavo({"check", broken, "--json"});
  EXPECT_EQ(j.status, cli::kExitFailure);
  EXPECT_NE(j.out.find("\"errors\": 1,"), std::string::npos) << j.out;

  CliRun clean = Tavo({"check", kExamples + "modbus-rtu.orx"});
  EXPECT_EQ(clean.status, cli::kExitOk) << clean.out << clean.err;
  test::WriteBytes(dir.File("bad.orx"), {0x08, 'O', 'r', 'm', 'i', 'x', 13, 1});
  EXPECT_EQ(Tavo({"check", dir.File("bad.orx")}).status, cli::kExitRefused);
  EXPECT_EQ(Tavo({"check", dir.File("none.orx")}).status, cli::kExitRefused);
  EXPECT_EQ(Tavo({"check"}).status, cli::kExitRefused);
}

TEST(CheckCommand, CrossReferenceAndBudgetOutputs) {
  TempDir dir;
  const std::string broken = BrokenProject(dir);
  CliRun text = Tavo({"xref", broken});
  ASSERT_EQ(text.status, cli::kExitOk) << text.err;
  EXPECT_EQ(text.out, "局号1 4x100 读 2字节  画面1 寄存器(0,16)\n");

  const std::string csv = dir.File("x.csv");
  ASSERT_EQ(Tavo({"xref", broken, "--csv", "-o", csv}).status, cli::kExitOk);
  const auto bytes = test::ReadBytes(csv);
  const std::string written(bytes.begin(), bytes.end());
  EXPECT_NE(written.find("\r\n1,4x,100,0,,读,2,1,1,,寄存器,2,0,16\r\n"), std::string::npos)
      << written;
  EXPECT_EQ(Tavo({"xref", broken, "--csv", "--json"}).status, cli::kExitFailure);

  CliRun budget = Tavo({"budget", broken, "--json"});
  ASSERT_EQ(budget.status, cli::kExitOk) << budget.err;
  EXPECT_NE(budget.out.find("\"limit\": 32767"), std::string::npos);
  CliRun table = Tavo({"budget", broken});
  EXPECT_NE(table.out.find("剩余"), std::string::npos) << table.out;
}

}  // namespace
}  // namespace tavo
