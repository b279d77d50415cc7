// `tavo download` against the built `tavo-panel` over a pseudo-terminal: what
// arrives in the panel's memory, the panel's faults and the user's answers as
// the command's messages and exit statuses.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

#include "CommandProcess.h"
#include "PanelProcess.h"
#include "base/Gbk.h"
#include "download/LinkConstants.h"
#include "elements/Chars.h"
#include "elements/Function.h"
#include "elements/Light.h"
#include "elements/Register.h"
#include "elements/UpLoadPic.h"
#include "model/Project.h"
#include "model/ProjectFile.h"
#include "support/ProfileScope.h"
#include "support/TempDir.h"

namespace tavo {
namespace {

using namespace std::chrono_literals;
using Bytes = std::vector<uint8_t>;
using test::CommandProcess;
using test::PanelProcess;

// Every wait of a test ends within this; the command's own limits are shorter.
constexpr auto kRunLimit = 8s;
constexpr uint8_t kProtocol = 3;             // the protocol of the test projects
constexpr const char* kDriverVersion = "1";  // of the build's protocol file

Bytes ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const std::string& path, const Bytes& data) {
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
}

template <typename T, typename... Args>
T& Place(Project& project, uint16_t screen, Args&&... args) {
  auto found = project.FindScreen(screen);
  CMainView& view = found.found ? *project.ScreenAt(found.position) : project.AddScreen(screen, "");
  auto element = std::make_unique<T>(std::forward<Args>(args)...);
  T& ref = *element;
  view.m_elements.push_back(std::move(element));
  return ref;
}

// Writes a project of the test protocol built by `fill` with the program's
// own project writer.
template <typename Fill>
void WriteProject(const std::string& path, Fill fill) {
  test::ProfileScope scope(kProtocol);
  Project project;
  project.ApplyProtocol(kProtocol);
  fill(project);
  WriteFile(path, WriteProjectBytes(project, kProtocol));
}

// A picture of `w` x `h` panel pixels with a pattern that differs per seed.
void AddPicture(Project& project, uint16_t screen, int w, int h, int seed) {
  auto& pic = Place<CUpLoadPic>(project, screen, Point{0, 0}, w, h);
  std::vector<uint32_t> pixels(static_cast<size_t>(w * h));
  for (size_t i = 0; i < pixels.size(); ++i)
    pixels[i] = (i * 7 + i / 13 + static_cast<size_t>(seed)) % 3 ? 0xFFFFFF : 0;
  ASSERT_TRUE(pic.CaptureRgb(pixels));
}

struct Compiled {
  Bytes image, driver;
};

class DownloadCommand : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new test::TempDir;
    WriteProject(File("small.orx"), [](Project& p) {
      Place<CChars>(p, 1, Point{0, 0}, G("泵站 Pump 1"));
      Place<CLight>(p, 1, Point{0, 40});
      Place<CFunction>(p, 1, Point{60, 40});
      Place<CRegister>(p, 2, Point{0, 0});
    });
    // About 8 KiB: long enough at the line's pace to be interrupted midway.
    WriteProject(File("large.orx"), [](Project& p) {
      for (uint16_t s = 1; s <= 5; ++s) AddPicture(p, s, 192, 64, s);
    });
    // A register whose input limits are out of order raises the download warning.
    WriteProject(File("warning.orx"), [](Project& p) {
      CRegister& reg = Place<CRegister>(p, 1, Point{0, 0});
      reg.m_limited = 1;
      reg.m_inHigh = reg.m_inLow = 100;
    });
    WriteFile(File("damaged.orx"), Bytes(300, 0x41));
    for (const char* name : {"small", "large"}) {
      CommandProcess compile;
      const std::string base = File(name);
      ASSERT_TRUE(compile.Start(
          {"compile", base + ".orx", "-o", base + ".img", "--driver-out", base + ".drv"}));
      ASSERT_EQ(compile.WaitExit(kRunLimit), 0) << compile.err;
      compiled_[name] = {ReadFile(base + ".img"), ReadFile(base + ".drv")};
    }
  }
  static void TearDownTestSuite() {
    delete dir_;
    dir_ = nullptr;
  }
  static std::string File(const std::string& name) { return dir_->File(name); }

  void SetUp() override {
    const auto* info = testing::UnitTest::GetInstance()->current_test_info();
    memory_ = File(std::string(info->name()) + "_memory.bin");
    load_ = File(std::string(info->name()) + "_load.bin");
    // A known memory, so that what the download must not touch can be checked.
    initial_.resize(link::kPanelMemorySize);
    for (size_t i = 0; i < initial_.size(); ++i)
      initial_[i] = static_cast<uint8_t>(i * 29 + (i >> 9));
    WriteFile(load_, initial_);
  }

  // Starts a panel with a fresh copy of the known memory; returns its line.
  std::string StartPanel(PanelProcess& panel, const std::vector<std::string>& extra) {
    std::remove(memory_.c_str());
    std::vector<std::string> args{"--memory", memory_, "--load", load_};
    args.insert(args.end(), extra.begin(), extra.end());
    EXPECT_TRUE(panel.Start(args));
    return panel.ReadLine().value_or("/dev/null/no-panel");
  }

  // Ends the panel and returns the memory it saved.
  Bytes StopPanel(PanelProcess& panel) {
    panel.Signal(SIGTERM);
    EXPECT_EQ(panel.WaitExit(), 0);
    return ReadFile(memory_);
  }

  // The panel memory after a complete download of `name`.
  Bytes Downloaded(const std::string& name, bool withDriver) const {
    const Compiled& c = compiled_.at(name);
    Bytes mem = initial_;
    if (withDriver) std::copy(c.driver.begin(), c.driver.end(), mem.begin() + link::kDriverBase);
    // Bytes of the invalidating block beyond a short image stay 0xFF.
    std::fill_n(mem.begin() + link::kImageBase, link::kBlockSize, link::kInvalidFill);
    std::copy(c.image.begin(), c.image.end(), mem.begin() + link::kImageBase);
    mem[link::kImageBase] = link::kValidityMark[0];
    mem[link::kImageBase + 1] = link::kValidityMark[1];
    return mem;
  }

  static std::string Completion(const std::string& name) {
    return "下载完成!画面数据共" + std::to_string(compiled_.at(name).image.size()) + "字节\n";
  }

  static bool Valid(const Bytes& mem) {
    return mem.size() == link::kPanelMemorySize && mem[link::kImageBase] == 0x5A &&
           mem[link::kImageBase + 1] == 0xA5;
  }

  static inline test::TempDir* dir_ = nullptr;
  static inline std::map<std::string, Compiled> compiled_;
  std::string memory_, load_;
  Bytes initial_;
};

TEST_F(DownloadCommand, DriverGoesWhenThePanelHoldsAnotherOrWhenForced) {
  struct Case {
    std::vector<std::string> panel;
    bool force;
    bool driverSent;
  };
  const Case cases[] = {
      {{}, false, true},  // a fresh panel holds protocol 1
      {{"--protocol", "3", "--driver-version", kDriverVersion}, false, false},
      {{"--protocol", "3", "--driver-version", kDriverVersion}, true, true},
      {{"--protocol", "3", "--driver-version", "9"}, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.panel) + (c.force ? " forced" : ""));
    PanelProcess panel;
    const std::string device = StartPanel(panel, c.panel);
    CommandProcess tavo;
    std::vector<std::string> args{"download", File("small.orx"), "--port", device};
    if (c.force) args.push_back("--force-driver");
    ASSERT_TRUE(tavo.Start(args));
    EXPECT_EQ(tavo.WaitExit(kRunLimit), 0) << tavo.err;
    EXPECT_EQ(tavo.out, Completion("small"));
    EXPECT_NE(tavo.err.find(c.driverSent ? "driver sent" : "driver not sent"), std::string::npos)
        << tavo.err;
    const Bytes mem = StopPanel(panel);
    EXPECT_TRUE(mem == Downloaded("small", c.driverSent));
  }
}

TEST_F(DownloadCommand, PanelFaultsEndWithTheirMessage) {
  struct Case {
    std::vector<std::string> panel;
    std::vector<std::string> options;
    int exit;
    std::vector<std::string> messages;  // on stderr, in this order
    bool valid;                         // the panel holds the validity mark afterwards
  };
  const std::vector<std::string> same{"--protocol", "3", "--driver-version", kDriverVersion};
  auto with = [&](std::vector<std::string> faults) {
    faults.insert(faults.begin(), same.begin(), same.end());
    return faults;
  };
  // Frames: handshake 1, query 2, challenge 3, invalidate 4, image blocks from 5.
  const Case cases[] = {
      {with({"--nak", "7:8"}), {}, 0, {}, true},
      {with({"--nak", "7:9"}), {}, 1, {"下载画面数据: 通讯错误次数越界"}, false},
      {with({"--wrong-query-length"}), {}, 1, {"下载画面数据: 返回信息错误!"}, false},
      {with({"--silent"}),
       {"--timeout", "1.5"},
       1,
       {"Tavo  下位机无响应: 通讯无响应!!!",
        "tavo download: trying again until 1.5 s have passed (--timeout; Ctrl+C cancels)",
        "下载画面数据: 本次通信失败!!!"},
       false},
      // Shorter than the first try's own wait: given up within it, no retries.
      {with({"--silent"}),
       {"--timeout", "0.3"},
       1,
       {"Tavo  下位机无响应: 通讯无响应!!!", "下载画面数据: 本次通信失败!!!"},
       false},
      {with({"--silent-handshakes", "60", "--pace"}),
       {"--timeout", "5"},
       0,
       {"Tavo  下位机无响应: 通讯无响应!!!"},
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.panel));
    PanelProcess panel;
    const std::string device = StartPanel(panel, c.panel);
    CommandProcess tavo;
    std::vector<std::string> args{"download", File("large.orx"), "--port", device};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(tavo.Start(args));
    EXPECT_EQ(tavo.WaitExit(kRunLimit), c.exit) << tavo.err;
    const auto took = std::chrono::steady_clock::now() - start;
    size_t at = 0;
    for (const std::string& m : c.messages) {
      at = tavo.err.find(m + "\n", at);
      ASSERT_NE(at, std::string::npos) << m << " in\n" << tavo.err;
    }
    EXPECT_EQ(tavo.out, c.exit == 0 ? Completion("large") : "");
    const Bytes mem = StopPanel(panel);
    EXPECT_EQ(Valid(mem), c.valid);
    if (c.valid) {
      EXPECT_TRUE(mem == Downloaded("large", false));
    }
    // A silent panel: nothing written, given up when the timeout has passed.
    if (c.panel.back() == "--silent") {
      const std::chrono::duration<double> timeout(std::stod(c.options.back()));
      EXPECT_TRUE(mem == initial_);
      EXPECT_GT(took, timeout - 0.1s);
      EXPECT_LT(took, timeout + 2s);
      if (timeout < 1s) {
        EXPECT_EQ(tavo.err.find("trying again"), std::string::npos) << tavo.err;
      }
    }
  }
}

TEST_F(DownloadCommand, WarningQuestionCancelsBeforeAnythingIsSent) {
  struct Case {
    std::vector<std::string> options;
    int exit;
    std::string answer;
  };
  const Case cases[] = {
      {{"--on-warning", "cancel"}, 3, "[OK/Cancel] OK"},
      {{}, 3, "[OK/Cancel] OK"},  // no terminal to ask on: cancelled
      {{"--on-warning", "continue"}, 0, "[OK/Cancel] Cancel"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.options));
    PanelProcess panel;
    const std::string device = StartPanel(panel, {});
    CommandProcess tavo;
    std::vector<std::string> args{"download", File("warning.orx"), "--port", device};
    args.insert(args.end(), c.options.begin(), c.options.end());
    ASSERT_TRUE(tavo.Start(args));
    EXPECT_EQ(tavo.WaitExit(kRunLimit), c.exit) << tavo.err;
    EXPECT_NE(tavo.err.find("下载画面数据: 寄存器原始数据上下限输入有误，取消下载吗? " + c.answer),
              std::string::npos)
        << tavo.err;
    const Bytes mem = StopPanel(panel);
    if (c.exit == 3)
      EXPECT_TRUE(mem == initial_);
    else
      EXPECT_TRUE(Valid(mem));
  }
}

TEST_F(DownloadCommand, RefusedInputAndMissingPort) {
  struct Case {
    std::vector<std::string> args;
    int exit;
    std::string message;
  };
  const std::string missing = File("no-such-tty");
  const Case cases[] = {
      {{File("damaged.orx"), "--port", missing}, 2, "请确认是否为orx文件!"},
      {{File("small.orx"), "--port", missing}, 1, "下载画面数据: 无法打开通信口" + missing + "!"},
      {{File("small.orx")}, 1, "usage: tavo download"},
      {{File("small.orx"), "--port", missing, "--timeout", "0"}, 1, "--timeout"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.args));
    CommandProcess tavo;
    std::vector<std::string> args{"download"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    ASSERT_TRUE(tavo.Start(args));
    EXPECT_EQ(tavo.WaitExit(kRunLimit), c.exit);
    EXPECT_NE(tavo.err.find(c.message), std::string::npos) << tavo.err;
    EXPECT_EQ(tavo.out, "");
  }
}

// A few progress lines on a log have passed: the transfer is midway.
bool Midway(const std::string& err) {
  size_t lines = 0;
  for (size_t at = 0; (at = err.find("正在下载画面数据......", at)) != std::string::npos; ++at)
    ++lines;
  return lines >= 2;
}

TEST_F(DownloadCommand, CtrlCWithoutTerminalCancelsAndLeavesThePanelInvalid) {
  PanelProcess panel;
  const std::string device =
      StartPanel(panel, {"--protocol", "3", "--driver-version", kDriverVersion, "--pace"});
  CommandProcess tavo;
  ASSERT_TRUE(tavo.Start({"download", File("large.orx"), "--port", device}));
  ASSERT_TRUE(tavo.WaitForError(Midway, kRunLimit)) << tavo.err;
  tavo.Signal(SIGINT);
  EXPECT_EQ(tavo.WaitExit(kRunLimit), 3) << tavo.err;
  EXPECT_NE(tavo.err.find("下载画面数据: 确实要取消下载吗? [OK/Cancel] OK"), std::string::npos);
  EXPECT_EQ(tavo.out, "");
  const Bytes mem = StopPanel(panel);
  EXPECT_FALSE(Valid(mem));
  EXPECT_EQ(mem[link::kImageBase], link::kInvalidFill);
}

// The command's standard input is a terminal: the cancel question waits for
// an answer, and a second Ctrl+C answers it at once.
TEST_F(DownloadCommand, CtrlCOnATerminalAsksAndASecondCancels) {
  struct Case {
    const char* reply;  // typed at the question; nullptr: a second Ctrl+C
    int exit;
  };
  for (const Case c : {Case{"cancel\n", 0}, Case{nullptr, 3}, Case{"ok\n", 3}}) {
    SCOPED_TRACE(c.reply ? c.reply : "second Ctrl+C");
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(master, 0);
    ASSERT_EQ(::grantpt(master), 0);
    ASSERT_EQ(::unlockpt(master), 0);
    const int terminal = ::open(::ptsname(master), O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(terminal, 0);

    PanelProcess panel;
    const std::string device =
        StartPanel(panel, {"--protocol", "3", "--driver-version", kDriverVersion, "--pace"});
    CommandProcess tavo;
    ASSERT_TRUE(tavo.Start({"download", File("large.orx"), "--port", device}, terminal));
    ASSERT_TRUE(tavo.WaitForError(Midway, kRunLimit)) << tavo.err;
    tavo.Signal(SIGINT);
    ASSERT_TRUE(tavo.WaitForError("确实要取消下载吗? [OK/Cancel] ", kRunLimit)) << tavo.err;
    if (c.reply)
      ASSERT_GT(::write(master, c.reply, std::strlen(c.reply)), 0);
    else
      tavo.Signal(SIGINT);
    EXPECT_EQ(tavo.WaitExit(kRunLimit), c.exit) << tavo.err;
    const Bytes mem = StopPanel(panel);
    EXPECT_EQ(Valid(mem), c.exit == 0);
    ::close(terminal);
    ::close(master);
  }
}

}  // namespace
}  // namespace tavo
