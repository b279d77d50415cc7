#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "base/Gbk.h"
#include "cli/Cli.h"
#include "model/OrxBytes.h"
#include "support/CliRun.h"
#include "support/TempDir.h"

namespace tavo {
namespace {

using test::CliRun;
using test::ReadBytes;
using test::Tavo;
using test::TempDir;
using test::WriteBytes;

const std::string kExamples = std::string(TAVO_SOURCE_DIR) + "/examples/";

TEST(InfoCommand, ListsEveryPartOfTheProject) {
  CliRun r = Tavo({"info", kExamples + "all-elements.orx"});
  ASSERT_EQ(r.status, cli::kExitOk) << r.err;
  for (const char* want :
       {"protocol: 3 Modbus RTU\n", "  m_e5Timeout: 500\n", "screens: 3\n",
        "    m_description: \"主画面\"\n", "element 0: CFunction\n",
        "m_alarmTexts: [\"温度过高\", \"压力过低\", \"电机过载\", \"急停按下\"]\n"})
    EXPECT_NE(r.out.find(want), std::string::npos) << want;

  CliRun j = Tavo({"info", "--json", kExamples + "all-elements.orx", "--data-dir", "/nowhere"});
  ASSERT_EQ(j.status, cli::kExitOk) << j.err;
  EXPECT_EQ(j.out.substr(0, 2), "{\n");
  for (const char* cls :
       {"CChars", "CRegister", "CLight", "CFunction", "CUpLoadPic", "CBar", "CTide", "CDynamic"})
    EXPECT_NE(j.out.find(std::string("\"class\": \"") + cls + "\""), std::string::npos) << cls;
  EXPECT_EQ(j.out, Tavo({"info", kExamples + "all-elements.orx", "--json"}).out);  // stable
}

TEST(InfoCommand, RefusedFilesAndUsage) {
  TempDir dir;
  const std::string bad = dir.File("bad.orx");
  WriteBytes(bad, {0x08, 'O', 'r', 'm', 'i', 'x', 13, 1});
  const std::string cut = dir.File("cut.orx");
  auto bytes = test::MinimalFile().v;
  bytes.resize(100);
  WriteBytes(cut, bytes);
  struct Case {
    std::vector<std::string> args;
    int status;
    std::string err;
  } cases[] = {
      {{"info", bad}, cli::kExitRefused, "文件格式错误: 软件版本不匹配!\n"},
      {{"info", cut, "--json"}, cli::kExitRefused, "试图越过其尾端对 " + cut + " 进行读写。\n"},
      {{"info", dir.File("none.orx")},
       cli::kExitRefused,
       "打开文件" + dir.File("none.orx") + "时出错!\n"},
      {{"info"}, cli::kExitFailure, ""},
      {{"info", bad, "--yaml"}, cli::kExitFailure, ""},
  };
  for (auto& c : cases) {
    CliRun r = Tavo(c.args);
    EXPECT_EQ(r.status, c.status) << c.args.back();
    EXPECT_TRUE(r.out.empty());
    if (!c.err.empty()) {
      EXPECT_EQ(r.err, c.err);
    }
  }
}

TEST(SaveCommand, WritesTheProgramsOwnForm) {
  TempDir dir;
  // A file the program wrote comes back byte for byte.
  for (auto& entry : std::filesystem::directory_iterator(kExamples)) {
    if (entry.path().extension() != ".orx") continue;
    const std::string out = dir.File(entry.path().filename());
    CliRun r = Tavo({"save", entry.path(), out});
    ASSERT_EQ(r.status, cli::kExitOk) << r.err;
    EXPECT_EQ(ReadBytes(out), ReadBytes(entry.path())) << entry.path();
  }
  // A version-11 file comes back as version 12, its protocol-derived step
  // recomputed (protocol 2 steps addresses by 2).
  test::SettingsBytes s;
  s.protocol = 2;
  s.protoMode = 7;
  s.ctrlFlags = 0;
  s.ctrlRegType = 0;
  WriteBytes(dir.File("v11.orx"), test::MinimalFile(11, s).v);
  CliRun r = Tavo({"save", dir.File("v11.orx"), dir.File("v12.orx")});
  ASSERT_EQ(r.status, cli::kExitOk) << r.err;
  s.protoMode = 2;
  s.e5Timeout = 0;
  EXPECT_EQ(ReadBytes(dir.File("v12.orx")), test::MinimalFile(12, s).v);
}

TEST(SaveCommand, ExitStatusSaysWhatWentWrong) {
  TempDir dir;
  const std::string good = kExamples + "modbus-rtu.orx";
  const std::string notOrx = dir.File("x.orx");
  WriteBytes(notOrx, {'P', 'K'});
  struct Case {
    std::vector<std::string> args;
    int status;
    std::string err;
  } cases[] = {
      {{"save", notOrx, dir.File("o.orx")},
       cli::kExitRefused,
       "文件格式错误: 请确认是否为orx文件!\n"},
      {{"save", good, dir.File("no/dir/o.orx")}, cli::kExitFailure, "保存文档失败。\n"},
      {{"save", good}, cli::kExitFailure, ""},
      {{"save", good, dir.File("a.orx"), dir.File("b.orx")}, cli::kExitFailure, ""},
  };
  for (auto& c : cases) {
    CliRun r = Tavo(c.args);
    EXPECT_EQ(r.status, c.status) << c.args[1];
    if (!c.err.empty()) {
      EXPECT_EQ(r.err, c.err);
    }
  }
  EXPECT_FALSE(std::filesystem::exists(dir.File("o.orx")));
}

TEST(ExamplesCommand, CommittedExamplesAreWhatTheGeneratorWrites) {
  TempDir dir;
  CliRun r = Tavo({"examples", dir.path});
  ASSERT_EQ(r.status, cli::kExitOk) << r.err;
  size_t files = 0;
  for (auto& entry : std::filesystem::directory_iterator(dir.path)) {
    ++files;
    EXPECT_EQ(ReadBytes(entry.path()), ReadBytes(kExamples + entry.path().filename().string()))
        << entry.path().filename() << ": run `tavo examples examples` and commit the result";
  }
  EXPECT_GE(files, 6u);
}

}  // namespace
}  // namespace tavo
