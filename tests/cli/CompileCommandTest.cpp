#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "base/Gbk.h"
#include "cli/Cli.h"
#include "cli/ConsolePrompter.h"
#include "elements/Chars.h"
#include "elements/Register.h"
#include "model/ProjectFile.h"
#include "plc/ProtocolFiles.h"
#include "support/CliRun.h"
#include "support/ProfileScope.h"
#include "support/TempDir.h"

namespace tavo {
namespace {

namespace fs = std::filesystem;
using test::CliRun;
using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

// Runs `tavo compile` in this process with standard input that is no terminal.
CliRun Compile(std::vector<std::string> args) {
  static const bool noTerminal = std::freopen("/dev/null", "r", stdin) != nullptr;
  EXPECT_TRUE(noTerminal);
  args.insert(args.begin(), "compile");
  return test::Tavo(std::move(args));
}

// A data directory with the built font libraries and protocol file.
struct DataDir : TempDir {
  DataDir() {
    const fs::path built = TAVO_BIN_DIR;
    for (const char* name : {kProtocolFileName, "ormed_CH.dat", "ormed_EN.dat"})
      fs::copy_file(built / name, File(name));
  }
};

// A protocol-3 project: one screen with a text and a register, written as a
// project file. `elements` more texts go on screen 2.
std::string WriteProject(const TempDir& dir, bool badLimits = false, int elements = 0) {
  test::ProfileScope scope(3);
  Project project;
  project.ApplyProtocol(3);
  CMainView& screen = project.AddScreen(1, "");
  screen.m_elements.push_back(std::make_unique<CChars>(Point{0, 0}, "AB" + G("中文")));
  auto reg = std::make_unique<CRegister>(Point{0, 40});
  if (badLimits) reg->m_inHigh = reg->m_inLow = 7;
  screen.m_elements.push_back(std::move(reg));
  CMainView& more = project.AddScreen(2, "");
  for (int i = 0; i < elements; ++i)
    more.m_elements.push_back(std::make_unique<CChars>(Point{0, 0}, "x"));
  const std::string path = dir.File("plant.orx");
  WriteBytes(path, WriteProjectBytes(project, 3));
  return path;
}

TEST(CompileCommand, WritesImageAndDriverAndNeverInDat) {
  DataDir data;
  const std::string project = WriteProject(data);
  CliRun r = Compile({project, "-o", data.File("image.bin"), "--driver-out",
                      data.File("driver.bin"), "--data-dir", data.path});
  ASSERT_EQ(r.status, cli::kExitOk) << r.err;
  const std::vector<uint8_t> image = ReadBytes(data.File("image.bin"));
  ASSERT_GT(image.size(), 48u);
  EXPECT_EQ(image[0], 0xFF);
  EXPECT_EQ(image[12], 3);
  EXPECT_EQ(r.out, "image: " + std::to_string(image.size()) +
                       " bytes\nscreens: 2\nelements: 2\nwide glyphs: 2\nnarrow glyphs: 2\n"
                       "driver: " +
                       std::to_string(ReadBytes(data.File("driver.bin")).size()) +
                       " bytes, version " + std::to_string(image[13]) + "\n");
  PtcDriver expected;
  ASSERT_EQ(ReadProtocolDriver(data.File(kProtocolFileName), 3, expected), DriverRead::Ok);
  EXPECT_EQ(ReadBytes(data.File("driver.bin")), expected.bytes);
  EXPECT_FALSE(fs::exists(data.File(kSettingsFileName)));
}

TEST(CompileCommand, WarningQuestionByOptionOrCancelledWithoutTerminal) {
  DataDir data;
  const std::string project = WriteProject(data, /*badLimits=*/true);
  const std::string out = data.File("image.bin");
  const std::string question = "寄存器原始数据上下限输入有误，取消下载吗?";

  CliRun r = Compile({project, "-o", out, "--data-dir", data.path});
  EXPECT_EQ(r.status, cli::kExitCancelled);
  EXPECT_NE(r.err.find(question), std::string::npos) << r.err;
  EXPECT_FALSE(fs::exists(out));

  r = Compile({project, "-o", out, "--data-dir", data.path, "--on-warning", "cancel"});
  EXPECT_EQ(r.status, cli::kExitCancelled);
  EXPECT_FALSE(fs::exists(out));

  r = Compile({project, "-o", out, "--data-dir", data.path, "--on-warning", "continue"});
  EXPECT_EQ(r.status, cli::kExitOk) << r.err;
  EXPECT_TRUE(fs::exists(out));
}

TEST(CompileCommand, ExitStatusSaysWhatWentWrong) {
  DataDir data;
  const std::string out = data.File("image.bin");
  // A screen of 256 elements is refused; nothing is written.
  const std::string crowded = WriteProject(data, false, 256);
  CliRun r = Compile({crowded, "-o", out, "--data-dir", data.path});
  EXPECT_EQ(r.status, cli::kExitRefused);
  EXPECT_NE(r.err.find("255"), std::string::npos) << r.err;
  EXPECT_FALSE(fs::exists(out));

  WriteBytes(data.File("junk.orx"), {1, 2, 3});
  EXPECT_EQ(Compile({data.File("junk.orx"), "-o", out, "--data-dir", data.path}).status,
            cli::kExitRefused);
  EXPECT_EQ(Compile({crowded}).status, cli::kExitFailure);  // no -o
  EXPECT_EQ(Compile({crowded, "-o", out, "--on-warning", "maybe"}).status, cli::kExitFailure);
}

// Every example project compiles with the driver of its protocol.
TEST(CompileCommand, ExampleProjects) {
  DataDir data;
  int compiled = 0;
  for (const auto& entry : fs::directory_iterator(fs::path(TAVO_SOURCE_DIR) / "examples")) {
    if (entry.path().extension() != ".orx") continue;
    const CliRun r = Compile({entry.path().string(), "-o", data.File("image.bin"), "--driver-out",
                              data.File("driver.bin"), "--data-dir", data.path});
    ASSERT_EQ(r.status, cli::kExitOk) << entry.path() << r.err;
    const std::vector<uint8_t> image = ReadBytes(data.File("image.bin"));
    ASSERT_GT(image.size(), 48u);
    PtcDriver driver;
    ASSERT_EQ(ReadProtocolDriver(data.File(kProtocolFileName), image[12], driver), DriverRead::Ok);
    EXPECT_EQ(ReadBytes(data.File("driver.bin")), driver.bytes) << entry.path();
    ++compiled;
  }
  EXPECT_GT(compiled, 0);
}

TEST(ConsolePrompter, AsksOnTheTerminalUntilAnswered) {
  struct Case {
    const char* input;
    bool ok;
  };
  for (const Case& c : {Case{"maybe\ncancel\n", false}, Case{" OK \n", true}, Case{"取消\n", false},
                        Case{"", true}}) {
    std::string text = c.input;
    std::FILE* in = fmemopen(text.data(), text.size(), "r");
    if (text.empty()) {
      std::fclose(in);
      in = std::fopen("/dev/null", "r");
    }
    cli::ConsolePrompter prompter(cli::QuestionPolicy::kAsk, in, true);
    testing::internal::CaptureStderr();
    EXPECT_EQ(prompter.OkCancel("q?", "cap"), c.ok) << c.input;
    testing::internal::GetCapturedStderr();
    std::fclose(in);
  }
}

}  // namespace
}  // namespace tavo
