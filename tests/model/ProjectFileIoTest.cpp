#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "base/Gbk.h"
#include "base/SafeFile.h"
#include "elements/Register.h"
#include "model/OrxBytes.h"
#include "model/ProjectFile.h"
#include "plc/Protocol.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

namespace tavo {
namespace {

using test::MinimalFile;
using test::ReadBytes;
using test::ScriptedPrompter;
using test::SettingsBytes;
using test::TempDir;
using test::WriteBytes;

// A project with two screens, as the user would have it open.
void MakeOpenProject(Project& p) {
  p.AddScreen(5, G("旧画面"));
  p.AddScreen(6, "");
  p.m_settings.m_password = 4321;
  p.m_alarmList.m_alarmTexts = {"old alarm"};
  p.m_hasProject = true;
  p.m_path = "/somewhere/old.orx";
  p.SetModified();
}

TEST(ProjectFileOpen, CheckRefusalsNameTheFile) {
  TempDir dir;
  ScriptedPrompter prompter;
  const std::string missing = dir.File("missing.orx");
  EXPECT_FALSE(CheckProjectFile(missing));
  EXPECT_FALSE(CheckProjectFile(dir.path));  // a directory
  const std::string fifo = dir.File("pipe.orx");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_FALSE(CheckProjectFile(fifo));  // refused at once, not waited on
  Project untouched;
  EXPECT_FALSE(ReadProjectFile(untouched, fifo));
  const std::string notOrx = dir.File("x.orx");
  WriteBytes(notOrx, {0x08, 'O', 'r', 'm', 'i', 'y', 12, 1});
  EXPECT_FALSE(CheckProjectFile(notOrx));
  const std::string mark2 = dir.File("m.orx");
  auto bytes = MinimalFile().v;
  bytes[7] = 2;
  WriteBytes(mark2, bytes);
  EXPECT_FALSE(CheckProjectFile(mark2));
  const std::string good = dir.File("good.orx");
  WriteBytes(good, MinimalFile().v);
  EXPECT_TRUE(CheckProjectFile(good));
  ASSERT_EQ(prompter.said.size(), 6u);
  EXPECT_EQ(prompter.said[0].text, "打开文件" + missing + "时出错!");
  EXPECT_EQ(prompter.said[1].text, "打开文件" + dir.path + "时出错!");
  EXPECT_EQ(prompter.said[2].text, "打开文件" + fifo + "时出错!");
  EXPECT_EQ(prompter.said[3].text, "打开文件" + fifo + "时出错!");
  EXPECT_EQ(prompter.said[4].text, "请确认是否为orx文件!");
  EXPECT_EQ(prompter.said[4].caption, "文件格式错误");
  EXPECT_EQ(prompter.said[5].text, "软件版本不匹配!");
  EXPECT_EQ(prompter.said[5].caption, "文件格式错误");
}

TEST(ProjectFileOpen, FailedReadLeavesTheOpenProjectAndProtocol) {
  TempDir dir;
  ScriptedPrompter prompter;
  SetCurrentProtocol(4);
  Project p;
  MakeOpenProject(p);
  SettingsBytes s;
  s.protocol = 2;
  auto bytes = MinimalFile(12, s).v;
  bytes.resize(bytes.size() - 1);
  const std::string path = dir.File("cut.orx");
  WriteBytes(path, bytes);
  EXPECT_FALSE(OpenProjectFile(p, path));
  EXPECT_EQ(prompter.Messages(),
            std::vector<std::string>{"试图越过其尾端对 " + path + " 进行读写。"});
  EXPECT_EQ(CurrentProtocol(), 4);
  ASSERT_EQ(p.ScreenCount(), 2u);
  EXPECT_EQ(p.ScreenAt(0)->m_description, G("旧画面"));
  EXPECT_EQ(p.m_curScreen, 1);
  EXPECT_EQ(p.m_settings.m_password, 4321);
  EXPECT_EQ(p.m_alarmList.m_alarmTexts, std::vector<std::string>{"old alarm"});
  EXPECT_EQ(p.m_path, "/somewhere/old.orx");
  EXPECT_TRUE(p.IsModified());
  SetCurrentProtocol(1);
}

TEST(ProjectFileOpen, SuccessfulReadReplacesTheProject) {
  TempDir dir;
  ScriptedPrompter prompter;
  SetCurrentProtocol(4);
  Project p;
  MakeOpenProject(p);
  bool saverCalled = false;
  p.m_save = [&](Project&) { return saverCalled = true; };
  SettingsBytes s;
  s.protocol = 2;
  s.password = 77;
  const std::string path = dir.File("ok.orx");
  WriteBytes(path, MinimalFile(11, s).v);
  EXPECT_TRUE(OpenProjectFile(p, path));
  EXPECT_TRUE(prompter.said.empty());
  EXPECT_EQ(CurrentProtocol(), 2);
  ASSERT_EQ(p.ScreenCount(), 1u);
  EXPECT_EQ(p.ScreenAt(0)->m_number, 1);
  EXPECT_EQ(p.m_settings.m_password, 77);
  EXPECT_TRUE(p.m_alarmList.m_alarmTexts.empty());
  EXPECT_EQ(p.m_fileVersion, 11);
  EXPECT_EQ(p.m_path, path);
  EXPECT_EQ(p.m_title, "ok.orx");
  EXPECT_FALSE(p.IsModified());
  EXPECT_TRUE(p.HasProject());
  // The installed saver stays with the project.
  p.SetModified();
  EXPECT_TRUE(p.SaveModified());
  EXPECT_TRUE(saverCalled);
  SetCurrentProtocol(1);
}

// Registers with more decimals than digits, on screens 1 and 3, and a sound one.
void AddRegisters(Project& p) {
  p.AddScreen(1, "");
  p.AddScreen(3, "");
  auto add = [&](size_t screen, int x, int y, uint8_t digits, uint8_t decimals) {
    auto r = std::make_unique<CRegister>(Point{0, 0});
    r->m_x = x;
    r->m_y = y;
    r->m_digits = digits;
    r->m_decimals = decimals;
    p.ScreenAt(screen)->m_elements.push_back(std::move(r));
  };
  add(0, 8, 16, 2, 4);
  add(0, 100, 16, 5, 2);
  add(1, 40, 0, 3, 5);
}

TEST(ProjectFileOpen, RegisterErrorsAreShownOnceWithTheirPlaces) {
  TempDir dir;
  ScriptedPrompter prompter;
  SetCurrentProtocol(3);
  Project written;
  AddRegisters(written);
  const std::string path = dir.File("registers.orx");
  ASSERT_TRUE(SaveProjectFile(written, path));

  prompter.said.clear();
  Project p;
  ASSERT_TRUE(ReadProjectFile(p, path));
  ASSERT_EQ(prompter.said.size(), 1u);
  EXPECT_EQ(prompter.said[0].text, "寄存器出现错误");
  EXPECT_EQ(prompter.said[0].details,
            "1号画面 寄存器(8,16): 小数位4多于位数2\n"
            "3号画面 寄存器(40,0): 小数位5多于位数3");

  // A read that fails after its registers: the same message once, without
  // places (the project was not taken), before the refusal as it came.
  auto bytes = ReadBytes(path);
  bytes.resize(bytes.size() - 1);
  const std::string cut = dir.File("cut.orx");
  WriteBytes(cut, bytes);
  prompter.said.clear();
  Project untouched;
  EXPECT_FALSE(ReadProjectFile(untouched, cut));
  ASSERT_EQ(prompter.said.size(), 2u);
  EXPECT_EQ(prompter.said[0].text, "寄存器出现错误");
  EXPECT_EQ(prompter.said[0].details, "");
  EXPECT_EQ(prompter.said[1].text, "试图越过其尾端对 " + cut + " 进行读写。");
  SetCurrentProtocol(1);
}

TEST(ProjectFileSave, SavesWholeFileAndClearsTheMark) {
  TempDir dir;
  ScriptedPrompter prompter;
  Project p;
  MakeOpenProject(p);
  p.m_fileVersion = 10;
  const std::string path = dir.File("new.orx");
  ASSERT_TRUE(SaveProjectFile(p, path));
  EXPECT_EQ(ReadBytes(path), WriteProjectBytes(p, CurrentProtocol()));
  EXPECT_EQ(p.m_fileVersion, 12);
  EXPECT_EQ(p.m_path, path);
  EXPECT_FALSE(p.IsModified());
  // Saving again over the file replaces it; no temporary file stays behind.
  p.m_settings.m_password = 1;
  ASSERT_TRUE(SaveProjectFile(p, path));
  EXPECT_EQ(ReadBytes(path), WriteProjectBytes(p, CurrentProtocol()));
  size_t entries = 0;
  for (auto& e : std::filesystem::directory_iterator(dir.path)) entries += e.exists();
  EXPECT_EQ(entries, 1u);
  EXPECT_TRUE(prompter.said.empty());
}

TEST(ProjectFileSave, KeepsPermissionsAndFollowsLinks) {
  TempDir dir;
  Project p;
  MakeOpenProject(p);
  const std::string real = dir.File("real.orx");
  WriteBytes(real, {1, 2, 3});
  chmod(real.c_str(), 0640);
  const std::string link = dir.File("link.orx");
  ASSERT_EQ(symlink("real.orx", link.c_str()), 0);
  ASSERT_TRUE(SaveProjectFile(p, link));
  struct stat st;
  ASSERT_EQ(lstat(link.c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  ASSERT_EQ(stat(real.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  EXPECT_EQ(ReadBytes(real), WriteProjectBytes(p, CurrentProtocol()));
}

TEST(ProjectFileSave, APipeOrDeviceIsWrittenToNotReplaced) {
  // "-o /dev/null" run by the superuser replaced the device with a file; a
  // pipe stands in for it here.
  TempDir dir;
  const std::string fifo = dir.File("pipe.json");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const int reader = open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  const std::vector<uint8_t> data = {'{', '}', '\n'};
  EXPECT_EQ(WriteFileSafely(fifo, data), 0);
  struct stat st;
  ASSERT_EQ(lstat(fifo.c_str(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
  uint8_t got[8] = {};
  EXPECT_EQ(read(reader, got, sizeof got), 3);
  EXPECT_EQ(std::vector<uint8_t>(got, got + 3), data);
  close(reader);
  // A pipe nobody reads is refused at once, not waited on.
  EXPECT_EQ(WriteFileSafely(fifo, data), ENXIO);
}

TEST(ProjectFileSave, FailedWriteLeavesTheOldFile) {
  TempDir dir;
  ScriptedPrompter prompter;
  const std::string path = dir.File("keep.orx");
  const std::vector<uint8_t> old(100, 0x42);
  WriteBytes(path, old);
  Project p;
  MakeOpenProject(p);
  p.m_fileVersion = 11;
  // A file-size limit below the project's size makes the write fail half-way.
  struct rlimit saved;
  getrlimit(RLIMIT_FSIZE, &saved);
  auto handler = signal(SIGXFSZ, SIG_IGN);
  struct rlimit lim = saved;
  lim.rlim_cur = 200;
  setrlimit(RLIMIT_FSIZE, &lim);
  const bool ok = SaveProjectFile(p, path);
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, handler);
  EXPECT_FALSE(ok);
  EXPECT_EQ(prompter.Messages(), std::vector<std::string>{"保存文档失败。"});
  EXPECT_EQ(ReadBytes(path), old);
  EXPECT_EQ(p.m_path, "/somewhere/old.orx");
  EXPECT_EQ(p.m_fileVersion, 11);
  EXPECT_TRUE(p.IsModified());
  size_t entries = 0;
  for (auto& e : std::filesystem::directory_iterator(dir.path)) entries += e.exists();
  EXPECT_EQ(entries, 1u);  // the temporary file is gone
}

TEST(ProjectFileSave, MissingOrUnwritableDirectory) {
  TempDir dir;
  ScriptedPrompter prompter;
  Project p;
  MakeOpenProject(p);
  EXPECT_FALSE(SaveProjectFile(p, dir.File("no/such/dir.orx")));
  EXPECT_EQ(prompter.Messages().back(), "保存文档失败。");
  if (geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
  const std::string locked = dir.File("locked");
  mkdir(locked.c_str(), 0500);
  const std::string path = locked + "/p.orx";
  EXPECT_FALSE(SaveProjectFile(p, path));
  EXPECT_EQ(prompter.Messages().back(), "对 " + path + " 的存取被拒绝。");
}

TEST(ProjectFileSave, OfferToSave) {
  TempDir dir;
  const std::string path = dir.File("offer.orx");
  struct Case {
    const char* name;
    std::string projectPath, title;
    std::vector<Answer> answers;
    std::vector<std::string> savePaths;
    bool result, saved;
    std::string question;
  } cases[] = {
      {"yes saves", path, "", {Answer::Yes}, {}, true, true, "将改动保存到 " + path + "？"},
      {"no discards", path, "", {Answer::No}, {}, true, false, "将改动保存到 " + path + "？"},
      {"cancel cancels",
       path,
       "",
       {Answer::Cancel},
       {},
       false,
       false,
       "将改动保存到 " + path + "？"},
      {"new project asks a path",
       "",
       "新文件",
       {Answer::Yes},
       {dir.File("named")},
       true,
       true,
       "将改动保存到 新文件？"},
      {"cancelled path cancels",
       "",
       "新文件",
       {Answer::Yes},
       {},
       false,
       false,
       "将改动保存到 新文件？"},
      {"untitled", "", "", {Answer::No}, {}, true, false, "将改动保存到 无标题？"},
      {"failed save cancels",
       dir.File("no/dir.orx"),
       "",
       {Answer::Yes},
       {},
       false,
       false,
       "将改动保存到 " + dir.File("no/dir.orx") + "？"},
  };
  for (auto& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedPrompter prompter;
    prompter.answers.assign(c.answers.begin(), c.answers.end());
    prompter.savePaths.assign(c.savePaths.begin(), c.savePaths.end());
    Project p;
    p.AddScreen(1, "");
    p.m_hasProject = true;
    p.m_path = c.projectPath;
    p.m_title = c.title;
    p.SetModified();
    std::filesystem::remove(path);
    EXPECT_EQ(p.SaveModified(), c.result);
    ASSERT_FALSE(prompter.said.empty());
    EXPECT_EQ(prompter.said[0].kind, "yesnocancel");
    EXPECT_EQ(prompter.said[0].text, c.question);
    EXPECT_EQ(!p.IsModified(), c.saved);
    if (c.saved) {
      EXPECT_FALSE(p.m_path.empty());
      EXPECT_EQ(ReadBytes(p.m_path), WriteProjectBytes(p, CurrentProtocol()));
    }
  }
  // The default extension is added to a chosen name without one.
  EXPECT_TRUE(std::filesystem::exists(dir.File("named.orx")));
  // Nothing to offer: not modified, or no project.
  ScriptedPrompter quiet;
  Project p;
  p.m_hasProject = true;
  EXPECT_TRUE(p.SaveModified());
  EXPECT_TRUE(quiet.said.empty());
}

}  // namespace
}  // namespace tavo
