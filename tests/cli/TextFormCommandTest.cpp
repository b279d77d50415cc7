#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

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

std::vector<uint8_t> Bytes(const std::string& s) {
  return {s.begin(), s.end()};
}

std::string ReadText(const std::string& path) {
  const auto bytes = ReadBytes(path);
  return {bytes.begin(), bytes.end()};
}

const std::string kExamples = std::string(TAVO_SOURCE_DIR) + "/examples/";

TEST(ExportBuildCommands, ExportThenBuildGivesTheFileBack) {
  TempDir dir;
  for (auto& entry : std::filesystem::directory_iterator(kExamples)) {
    if (entry.path().extension() != ".orx") continue;
    SCOPED_TRACE(entry.path().string());
    const std::string json = dir.File("p.json"), orx = dir.File("p.orx");
    CliRun e = Tavo({"export", entry.path(), "-o", json});
    ASSERT_EQ(e.status, cli::kExitOk) << e.err;
    EXPECT_EQ(Tavo({"export", entry.path(), "--data-dir", "/nowhere"}).out, ReadText(json));
    CliRun b = Tavo({"build", json, "-o", orx});
    ASSERT_EQ(b.status, cli::kExitOk) << b.err;
    EXPECT_EQ(ReadBytes(orx), ReadBytes(entry.path()));
    // And build then export gives the text back.
    EXPECT_EQ(Bytes(Tavo({"export", orx}).out), ReadBytes(json));
  }
}

// The exit status of `tavo args...` run with its standard output on a full
// disk (/dev/full); -1 when the machine has no such device.
int StatusOnFullDisk(std::vector<std::string> args) {
  struct stat st;
  if (stat("/dev/full", &st) != 0 || !S_ISCHR(st.st_mode)) return -1;
  const int full = open("/dev/full", O_WRONLY | O_CLOEXEC);
  if (full < 0) return -1;
  std::fflush(stdout);
  const int saved = dup(STDOUT_FILENO);
  dup2(full, STDOUT_FILENO);
  close(full);
  args.insert(args.begin(), "tavo");
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  testing::internal::CaptureStderr();
  const int status = cli::Main(static_cast<int>(argv.size()), argv.data());
  testing::internal::GetCapturedStderr();
  std::fflush(stdout);
  std::clearerr(stdout);
  dup2(saved, STDOUT_FILENO);
  close(saved);
  return status;
}

TEST(ExportBuildCommands, OutputThatDoesNotGetWrittenIsAFailure) {
  const std::string orx = kExamples + "all-elements.orx";
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"export", orx}, {"info", orx, "--json"}, {"info", orx}}) {
    SCOPED_TRACE(args[0]);
    const int status = StatusOnFullDisk(args);
    if (status == -1) GTEST_SKIP() << "no /dev/full";
    EXPECT_EQ(status, cli::kExitFailure);
  }
}

TEST(ExportBuildCommands, AnOldVersionComesOutAsSaveWritesIt) {
  TempDir dir;
  test::SettingsBytes s;
  s.protocol = 2;
  s.protoMode = 7;
  WriteBytes(dir.File("v11.orx"), test::MinimalFile(11, s).v);
  ASSERT_EQ(Tavo({"save", dir.File("v11.orx"), dir.File("saved.orx")}).status, cli::kExitOk);
  ASSERT_EQ(Tavo({"export", dir.File("v11.orx"), "-o", dir.File("v.json")}).status, cli::kExitOk);
  ASSERT_EQ(Tavo({"build", dir.File("v.json"), "-o", dir.File("built.orx")}).status, cli::kExitOk);
  EXPECT_EQ(ReadBytes(dir.File("built.orx")), ReadBytes(dir.File("saved.orx")));
}

TEST(ExportBuildCommands, RefusalsWriteNothing) {
  TempDir dir;
  const std::string good = dir.File("good.json");
  ASSERT_EQ(Tavo({"export", kExamples + "modbus-rtu.orx", "-o", good}).status, cli::kExitOk);
  std::string text = ReadText(good);
  const std::string bad = dir.File("bad.json");
  text.replace(text.find("\"m_baud\": 4,"), 11, "\"m_baud\": -3");
  WriteBytes(bad, Bytes(text));
  const std::string notJson = dir.File("x.json");
  WriteBytes(notJson, {'P', 'K', 3, 4});
  const std::string existing = dir.File("existing.orx");
  WriteBytes(existing, {1, 2, 3});
  struct Case {
    std::vector<std::string> args;
    int status;
    std::string err;
  } cases[] = {
      {{"build", bad, "-o", dir.File("o.orx")},
       cli::kExitRefused,
       bad + ": settings.m_baud: value -3 is outside 0..255\n"},
      {{"build", bad, "-o", existing},
       cli::kExitRefused,
       bad + ": settings.m_baud: value -3 is outside 0..255\n"},
      {{"build", notJson, "-o", dir.File("o.orx")},
       cli::kExitRefused,
       notJson + ": unexpected character at line 1, column 1\n"},
      {{"build", dir.File("none.json"), "-o", dir.File("o.orx")},
       cli::kExitRefused,
       "打开文件" + dir.File("none.json") + "时出错!\n"},
      {{"build", dir.path, "-o", dir.File("o.orx")}, cli::kExitRefused, ""},
      {{"export", bad, "-o", dir.File("o.json")},
       cli::kExitRefused,
       bad + ": settings.m_baud: value -3 is outside 0..255\n"},
      {{"build", good, "-o", dir.File("no/dir/o.orx")}, cli::kExitFailure, ""},
      {{"build", good}, cli::kExitFailure, ""},
      {{"export"}, cli::kExitFailure, ""},
      {{"export", kExamples + "modbus-rtu.orx", "--pretty"}, cli::kExitFailure, ""},
  };
  for (auto& c : cases) {
    SCOPED_TRACE(c.args.back());
    CliRun r = Tavo(c.args);
    EXPECT_EQ(r.status, c.status);
    EXPECT_TRUE(r.out.empty());
    if (!c.err.empty()) {
      EXPECT_EQ(r.err, c.err);
    }
  }
  EXPECT_FALSE(std::filesystem::exists(dir.File("o.orx")));
  // A text form over the size limit is refused before it is read.
  const std::string huge = dir.File("huge.json");
  WriteBytes(huge, {'{'});
  std::filesystem::resize_file(huge, (size_t{32} << 20) + 1);
  CliRun r = Tavo({"build", huge, "-o", dir.File("o.orx")});
  EXPECT_EQ(r.status, cli::kExitRefused);
  EXPECT_EQ(r.err, huge + ": larger than 32 MiB\n");
  std::filesystem::remove(huge);
  EXPECT_FALSE(std::filesystem::exists(dir.File("o.json")));
  EXPECT_EQ(ReadBytes(existing), (std::vector<uint8_t>{1, 2, 3}));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path), {}),
            4);  // no temporary file left
}

// The commands that read a project take its text form too.
TEST(ExportBuildCommands, InfoSaveAndExportReadTheTextForm) {
  TempDir dir;
  const std::string orx = kExamples + "all-elements.orx", json = dir.File("p.json");
  ASSERT_EQ(Tavo({"export", orx, "-o", json}).status, cli::kExitOk);
  EXPECT_EQ(Tavo({"info", json}).out, Tavo({"info", orx}).out);
  ASSERT_EQ(Tavo({"save", json, dir.File("saved.orx")}).status, cli::kExitOk);
  EXPECT_EQ(ReadBytes(dir.File("saved.orx")), ReadBytes(orx));
  EXPECT_EQ(Tavo({"export", json}).out, ReadText(json));
  ASSERT_EQ(Tavo({"save", orx, dir.File("saved.json")}).status, cli::kExitOk);
  EXPECT_EQ(ReadText(dir.File("saved.json")), ReadText(json));
}

}  // namespace
}  // namespace tavo
