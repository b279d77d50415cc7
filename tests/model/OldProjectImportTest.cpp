#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <filesystem>

#include "model/OldProject.h"
#include "model/OldProjectImport.h"
#include "model/Project.h"
#include "plc/Protocol.h"
#include "support/OldProjectBuilder.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

namespace tavo {
namespace {

using test::OldElement;
using test::OldFileBuilder;
using test::Put16;
using test::ReadBytes;
using test::ScriptedPrompter;
using test::TempDir;
using test::WriteBytes;

std::vector<uint8_t> SmallOldProject(uint16_t password) {
  OldFileBuilder b;
  b.header[13] = 1;  // protocol 7
  Put16(b.header, 25, password);
  b.AddScreen(1, "main");
  b.AddScreen(2, "second");
  b.alarms = {"fire"};
  return b.Bytes();
}

bool Exists(const std::string& path) {
  return std::filesystem::exists(path);
}

TEST(OldProjectImport, WritesBesideTheOldFileAndOpensIt) {
  TempDir dir;
  ScriptedPrompter prompter;
  const std::string old = dir.File("plant.qse");
  WriteBytes(old, SmallOldProject(1234));
  Project project;
  ASSERT_EQ(ImportOldProject(project, {old, "", nullptr}), ImportStatus::kImported);
  EXPECT_EQ(prompter.Messages(), std::vector<std::string>{"旧工程导入成功!"});
  EXPECT_EQ(project.m_path, dir.File("plant.orx"));
  ASSERT_EQ(project.ScreenCount(), 2u);
  EXPECT_EQ(project.m_screens[1]->m_description, "second");
  EXPECT_EQ(project.m_settings.m_password, 1234);
  EXPECT_EQ(CurrentProtocol(), 7);
  EXPECT_EQ(ReadBytes(dir.File("plant.orx")), *ConvertOldProject(SmallOldProject(1234)));

  // Importing again replaces the first result.
  WriteBytes(old, SmallOldProject(4321));
  ASSERT_EQ(ImportOldProject(project, {old, "", nullptr}), ImportStatus::kImported);
  EXPECT_EQ(project.m_settings.m_password, 4321);
  EXPECT_EQ(ReadBytes(dir.File("plant.orx")), *ConvertOldProject(SmallOldProject(4321)));
}

TEST(OldProjectImport, OutputPaths) {
  EXPECT_EQ(ImportedProjectPath("/a/b/plant.qse"), "/a/b/plant.orx");
  EXPECT_EQ(ImportedProjectPath("/a/b.d/plant"), "/a/b.d/plant.orx");
  EXPECT_EQ(ImportedProjectPath("plant.v2.QSE"), "plant.v2.orx");

  TempDir dir;
  ScriptedPrompter prompter;
  WriteBytes(dir.File("in.qse"), SmallOldProject(1));
  Project project;
  ASSERT_EQ(ImportOldProject(project, {dir.File("in.qse"), dir.File("elsewhere.orx"), nullptr}),
            ImportStatus::kImported);
  EXPECT_EQ(project.m_path, dir.File("elsewhere.orx"));
  EXPECT_FALSE(Exists(dir.File("in.orx")));
}

TEST(OldProjectImport, RefusalsWriteNothingAndKeepAnEarlierResult) {
  TempDir dir;
  const std::string out = dir.File("old.orx");
  const std::vector<uint8_t> earlier = {1, 2, 3};
  auto tooManyScreens = SmallOldProject(1);
  Put16(tooManyScreens, 76, 3);
  std::vector<uint8_t> notOld = SmallOldProject(1);
  notOld[1] = 'q';

  struct Case {
    const char* what;
    std::function<void()> prepare;
    ImportStatus status;
    const char* message;
  } cases[] = {
      {"missing", [&] { std::filesystem::remove(dir.File("old.qse")); }, ImportStatus::kOpenFailed,
       "文件打开错误!"},
      {"a directory", [&] { std::filesystem::create_directory(dir.File("old.qse")); },
       ImportStatus::kOpenFailed, "文件打开错误!"},
      {"empty", [&] { WriteBytes(dir.File("old.qse"), {}); }, ImportStatus::kBadFormat,
       "文件格式非法!"},
      {"wrong mark", [&] { WriteBytes(dir.File("old.qse"), notOld); }, ImportStatus::kBadFormat,
       "文件格式非法!"},
      {"screens missing", [&] { WriteBytes(dir.File("old.qse"), tooManyScreens); },
       ImportStatus::kBadFormat, "文件格式非法!"},
      {"too large",
       [&] {
         auto big = SmallOldProject(1);
         big.resize(kOldFileMaxSize + 10);
         WriteBytes(dir.File("old.qse"), big);
       },
       ImportStatus::kBadFormat, "文件格式非法!"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::error_code ec;
    std::filesystem::remove_all(dir.File("old.qse"), ec);
    WriteBytes(out, earlier);
    c.prepare();
    ScriptedPrompter prompter;
    Project project;
    project.AddScreen(9, "kept");
    EXPECT_EQ(ImportOldProject(project, {dir.File("old.qse"), "", nullptr}), c.status);
    EXPECT_EQ(prompter.Messages(), std::vector<std::string>{c.message});
    EXPECT_EQ(ReadBytes(out), earlier);
    ASSERT_EQ(project.ScreenCount(), 1u);
    EXPECT_EQ(project.m_screens[0]->m_number, 9);
  }
}

TEST(OldProjectImport, CancelledBeforeAnythingIsWritten) {
  TempDir dir;
  WriteBytes(dir.File("p.qse"), SmallOldProject(1));

  // The conversion dialog's Cancel.
  {
    ScriptedPrompter prompter;
    Project project;
    int asked = 0;
    auto status =
        ImportOldProject(project, {dir.File("p.qse"), "", [&] { return ++asked, false; }});
    EXPECT_EQ(status, ImportStatus::kCancelled);
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(prompter.Messages().empty());
    EXPECT_FALSE(Exists(dir.File("p.orx")));
  }
  // The dialog is not shown for a file that failed its check.
  {
    ScriptedPrompter prompter;
    Project project;
    int asked = 0;
    auto status =
        ImportOldProject(project, {dir.File("none.qse"), "", [&] { return ++asked, true; }});
    EXPECT_EQ(status, ImportStatus::kOpenFailed);
    EXPECT_EQ(asked, 0);
  }
  // Cancel in the offer to save a modified project.
  {
    ScriptedPrompter prompter;
    prompter.answers = {Answer::Cancel};
    Project project;
    project.AddScreen(1, "");
    project.m_hasProject = true;
    project.SetModified();
    EXPECT_EQ(ImportOldProject(project, {dir.File("p.qse"), "", nullptr}),
              ImportStatus::kCancelled);
    ASSERT_EQ(prompter.said.size(), 1u);
    EXPECT_EQ(prompter.said[0].kind, "yesnocancel");
    EXPECT_FALSE(Exists(dir.File("p.orx")));
    EXPECT_TRUE(project.IsModified());
  }
}

TEST(OldProjectImport, FailedWriteSaysSoAndLeavesTheProject) {
  TempDir dir;
  WriteBytes(dir.File("p.qse"), SmallOldProject(1));
  ScriptedPrompter prompter;
  Project project;
  project.AddScreen(4, "");
  auto status =
      ImportOldProject(project, {dir.File("p.qse"), dir.File("no/such/dir/p.orx"), nullptr});
  EXPECT_EQ(status, ImportStatus::kWriteFailed);
  EXPECT_EQ(prompter.Messages(), std::vector<std::string>{"导入失败!"});
  ASSERT_EQ(project.ScreenCount(), 1u);
  EXPECT_EQ(project.m_screens[0]->m_number, 4);
}

TEST(OldProjectImport, WriteFailingHalfWayKeepsTheFileThatWasThere) {
  TempDir dir;
  WriteBytes(dir.File("p.qse"), SmallOldProject(1));
  const std::vector<uint8_t> earlier = {0x08, 'x'};
  WriteBytes(dir.File("p.orx"), earlier);
  ScriptedPrompter prompter;
  Project project;
  // A file-size limit below the new file's size stops the write part-way.
  struct rlimit saved;
  getrlimit(RLIMIT_FSIZE, &saved);
  auto handler = signal(SIGXFSZ, SIG_IGN);
  struct rlimit lim = saved;
  lim.rlim_cur = 200;
  setrlimit(RLIMIT_FSIZE, &lim);
  auto status = ImportOldProject(project, {dir.File("p.qse"), "", nullptr});
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, handler);
  EXPECT_EQ(status, ImportStatus::kWriteFailed);
  EXPECT_EQ(prompter.Messages(), std::vector<std::string>{"导入失败!"});
  EXPECT_EQ(ReadBytes(dir.File("p.orx")), earlier);
  size_t entries = 0;
  for (auto& e : std::filesystem::directory_iterator(dir.path)) entries += e.exists();
  EXPECT_EQ(entries, 2u);  // the old file and the earlier result; no temporary file
}

}  // namespace
}  // namespace tavo
