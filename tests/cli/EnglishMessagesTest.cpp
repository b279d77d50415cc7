// The core's messages in English, and the scripts' output of `tavo` the same
// in both languages.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "base/Texts.h"
#include "download/ImageCompiler.h"
#include "download/TransferSession.h"
#include "elements/Chars.h"
#include "elements/Function.h"
#include "elements/Register.h"
#include "lang/Catalogues.h"
#include "link/ModbusLink.h"
#include "model/Project.h"
#include "model/ProjectFile.h"
#include "panel/InProcessPanel.h"
#include "render/PictureFile.h"
#include "support/CliRun.h"
#include "support/ProfileScope.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

namespace tavo {
namespace {

using test::CliRun;
using test::Tavo;
using test::TempDir;

const std::string kExamples = std::string(TAVO_SOURCE_DIR) + "/examples/";

// English for the life of the scope; Chinese, the tests' language, after.
class English {
 public:
  English() { EXPECT_TRUE(lang::LoadCatalogues(Language::English, {"tavo_core"}).isEmpty()); }
  ~English() { lang::LoadCatalogues(Language::Chinese, {}); }
};

TEST(EnglishMessages, ProjectFileRefusal) {
  TempDir dir;
  const std::string path = dir.WriteText("bad.orx", "not a project at all");
  English english;
  test::ScriptedPrompter prompter;
  Project project;
  EXPECT_FALSE(OpenProjectFile(project, path));
  ASSERT_EQ(prompter.said.size(), 1u);
  EXPECT_EQ(prompter.said[0].text, "Please check that this is an .orx file!");
  EXPECT_EQ(prompter.said[0].caption, "File format error");

  // A template takes the file name where the English puts it.
  EXPECT_EQ(ProjectFileMessage(ProjectFileError::AccessDenied, "a%2.orx").text,
            "Access to a%2.orx was denied.");
}

TEST(EnglishMessages, CompileRefusal) {
  test::ProfileScope modbus(3);
  Project project;
  CMainView& screen = project.AddScreen(7, "");
  for (int i = 0; i < 256; ++i) screen.m_elements.push_back(std::make_unique<CChars>());
  English english;
  test::ScriptedPrompter prompter;
  EXPECT_EQ(CompileImage(project).outcome, CompileOutcome::kRefused);
  ASSERT_EQ(prompter.said.size(), 1u);
  EXPECT_EQ(prompter.said[0].text,
            "Screen 7 has 256 elements, more than the 255 a screen can hold. It cannot be "
            "downloaded!");
  EXPECT_EQ(prompter.said[0].caption, "Download screen data");
}

TEST(EnglishMessages, TransferFailure) {
  panel::InProcessPanel panel(panel::PanelConfig{});
  English english;
  test::ScriptedPrompter prompter;
  link::TransferSession session(panel, link::TransferOptions{}, {});
  EXPECT_FALSE(session.Start(std::vector<uint8_t>(70000), {}));
  ASSERT_EQ(prompter.said.size(), 1u);
  EXPECT_EQ(prompter.said[0].text, "The download does not fit in the panel's memory!");
  EXPECT_EQ(prompter.said[0].caption, "Download screen data");
  EXPECT_EQ(session.Wait().message, prompter.said[0].text);
}

// The states a person reads are shown in English; the texts as written stay
// for the monitor's piped lines.
TEST(EnglishMessages, LinkStatesAndPictureRefusal) {
  English english;
  EXPECT_EQ(link::ShownLinkStateText(link::LinkState::NoResponse), "No response");
  EXPECT_EQ(link::ShownItemStateText(link::ItemState::Panel), "Panel internal");
  EXPECT_STREQ(link::LinkStateText(link::LinkState::NoResponse), "无响应");

  test::ScriptedPrompter prompter;
  ReportPictureLoad(PictureLoad::TooLarge);
  ASSERT_EQ(prompter.said.size(), 1u);
  EXPECT_EQ(prompter.said[0].text, "The bitmap is too large!!!");
  EXPECT_EQ(prompter.said[0].caption, "Open bitmap");
}

TEST(EnglishMessages, TavoSpeaksTheLanguageAsked) {
  TempDir dir;
  const std::string bad = dir.WriteText("bad.orx", "not a project at all");
  CliRun en = Tavo({"--lang", "en", "info", bad});
  EXPECT_EQ(en.status, cli::kExitRefused);
  EXPECT_NE(en.err.find("Please check that this is an .orx file!"), std::string::npos) << en.err;
  // After the English run the locale's language (the tests': Chinese) is back.
  CliRun zh = Tavo({"info", bad, "--lang=zh"});
  EXPECT_NE(zh.err.find("请确认是否为orx文件!"), std::string::npos) << zh.err;
  CliRun plain = Tavo({"info", bad});
  EXPECT_EQ(plain.err, zh.err);

  CliRun check = Tavo({"check", kExamples + "modbus-rtu.orx", "--lang", "en"});
  EXPECT_NE(check.out.find("Errors: "), std::string::npos) << check.out;
  EXPECT_EQ(check.out.find("个错误"), std::string::npos) << check.out;

  CliRun wrong = Tavo({"--lang", "fr", "info", bad});
  EXPECT_EQ(wrong.status, cli::kExitFailure);
  EXPECT_NE(wrong.err.find("--lang takes zh or en"), std::string::npos) << wrong.err;
}

// A Modbus RTU project with a few faults: a start screen and a key target
// that do not exist, one key bound twice, a register at station 0.
std::string FaultyProject(const TempDir& dir) {
  test::ProfileScope modbus(3);
  Project p;
  CMainView& s = p.AddScreen(1, "");
  p.m_settings.m_startScreen = 5;
  for (int x : {0, 60}) {
    auto key = std::make_unique<CFunction>();
    key->m_x = x;
    key->m_action = kActionJump;
    key->m_screenNo = x == 0 ? 9 : 1;
    key->m_picStyle = 5;
    s.m_elements.push_back(std::move(key));
  }
  auto reg = std::make_unique<CRegister>();
  reg->m_y = 16;
  reg->m_addr = 100;
  reg->m_station = 0;
  s.m_elements.push_back(std::move(reg));
  const std::string path = dir.File("faulty.orx");
  test::WriteBytes(path, WriteProjectBytes(p, 3));
  return path;
}

// The check's findings and the cross-reference read in English, numbers
// and places where the English puts them; the report for scripts and the
// exports stay as they were.
TEST(EnglishMessages, CheckFindingsAndCrossReference) {
  TempDir dir;
  const std::string project = FaultyProject(dir);
  CliRun en = Tavo({"--lang", "en", "check", project});
  EXPECT_EQ(en.status, cli::kExitFailure) << en.err;
  EXPECT_EQ(en.out,
            "Warning start-screen: Start screen 5 does not exist; the download uses screen 1 "
            "instead\n"
            "Note alarm-list-empty: The protocol has alarm coils, but the alarm list is empty\n"
            "Error jump-target screen 1 element 1: Function key (0,0) jumps to screen 9, which "
            "does not exist\n"
            "Error duplicate-key screen 1 element 2: Function key (60,0) and Function key (0,0) "
            "are both the ‘SET’ key; the panel runs only one of them\n"
            "Error station-range screen 1 element 3: Register (0,16): station 0 is outside the "
            "protocol's range 1 to 247\n"
            "Errors: 3, warnings: 1, notes: 1\n");
  CliRun xref = Tavo({"--lang", "en", "xref", project});
  EXPECT_EQ(xref.status, cli::kExitOk) << xref.err;
  EXPECT_EQ(xref.out, "Station 0 4x100 read 2 bytes  Screen 1 Register (0,16)\n");

  for (const std::vector<std::string>& command :
       {std::vector<std::string>{"check", project, "--json"},
        std::vector<std::string>{"xref", project, "--csv"},
        std::vector<std::string>{"xref", project, "--json"}}) {
    std::vector<std::string> inZh = command, inEn = command;
    inZh.insert(inZh.begin(), {"--lang", "zh"});
    inEn.insert(inEn.begin(), {"--lang", "en"});
    const CliRun a = Tavo(inZh), b = Tavo(inEn);
    EXPECT_EQ(a.out, b.out) << command[0] << " " << command[2];
    EXPECT_NE(a.out.find("寄存器"), std::string::npos) << a.out;
  }
}

// What scripts read does not change with the language.
TEST(EnglishMessages, ScriptOutputIsTheSameInBothLanguages) {
  TempDir dir;
  const std::vector<std::vector<std::string>> commands = {
      {"catalogue", "--codes"},
      {"info", kExamples + "modbus-rtu.orx", "--json"},
      {"check", kExamples + "modbus-rtu.orx", "--json"},
      {"budget", kExamples + "modbus-rtu.orx", "--json"},
      {"xref", kExamples + "modbus-rtu.orx", "--csv"},
  };
  for (const auto& command : commands) {
    std::vector<std::string> zh = command, en = command;
    zh.insert(zh.begin(), {"--lang", "zh"});
    en.insert(en.begin(), {"--lang", "en"});
    CliRun a = Tavo(zh), b = Tavo(en);
    EXPECT_EQ(a.status, cli::kExitOk) << command[0] << ": " << a.err;
    EXPECT_FALSE(a.out.empty()) << command[0];
    EXPECT_EQ(a.out, b.out) << command[0];
    EXPECT_EQ(a.status, b.status) << command[0];
  }
}

}  // namespace
}  // namespace tavo
