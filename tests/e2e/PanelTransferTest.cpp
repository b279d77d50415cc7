// Transfers through the termios port to the built `tavo-panel` over a
// pseudo-terminal, checked against the panel's saved memory.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>

#include "PanelProcess.h"
#include "download/LinkConstants.h"
#include "download/RunDownload.h"
#include "download/TermiosPort.h"

namespace tavo {
namespace {

using namespace std::chrono_literals;
using link::Bytes;
using test::PanelProcess;

Bytes Pattern(size_t size, uint8_t seed) {
  Bytes b(size);
  for (size_t i = 0; i < size; ++i) b[i] = static_cast<uint8_t>(seed * 13 + i * 5 + (i >> 7));
  return b;
}

Bytes ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const std::string& path, const Bytes& data) {
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
}

class PanelTransfer : public testing::Test {
 protected:
  void SetUp() override {
    const auto* info = testing::UnitTest::GetInstance()->current_test_info();
    base_ = testing::TempDir() + "/tavo_e2e_" + info->name();
    memory_ = base_ + "_memory.bin";
    load_ = base_ + "_load.bin";
    std::remove(memory_.c_str());
    // The panel starts with a known memory so that untouched areas can be checked.
    initial_ = Pattern(link::kPanelMemorySize, 99);
    WriteFile(load_, initial_);
  }
  void TearDown() override {
    std::remove(memory_.c_str());
    std::remove(load_.c_str());
  }

  // Starts the panel with the memory options and `extra`; returns its pty path.
  std::string StartPanel(const std::vector<std::string>& extra) {
    std::vector<std::string> args{"--memory", memory_, "--load", load_};
    args.insert(args.end(), extra.begin(), extra.end());
    EXPECT_TRUE(panel_.Start(args));
    auto path = panel_.ReadLine();
    EXPECT_TRUE(path.has_value());
    return path.value_or("");
  }

  link::TransferResult Download(const std::string& device, const Bytes& image, const Bytes& driver,
                                link::TransferOptions options) {
    if (options.noResponseGiveUp == 0ms) options.noResponseGiveUp = 2s;
    link::TermiosPort port(device);
    messages_.clear();
    link::TransferCallbacks callbacks{
        {}, [this](const link::TransferMessage& m) { messages_.push_back(m.text); }};
    return link::RunDownload(image, driver, options, port, callbacks);
  }

  Bytes Expected(const Bytes& image, const Bytes* driver) const {
    Bytes mem = initial_;
    std::fill_n(mem.begin() + link::kImageBase, link::kBlockSize, 0xFF);
    if (driver) std::copy(driver->begin(), driver->end(), mem.begin());
    std::copy(image.begin(), image.end(), mem.begin() + link::kImageBase);
    mem[link::kImageBase] = 0x5A;
    mem[link::kImageBase + 1] = 0xA5;
    return mem;
  }

  std::string base_, memory_, load_;
  Bytes initial_;
  PanelProcess panel_;
  std::vector<std::string> messages_;
};

TEST_F(PanelTransfer, DriverAndImageArriveByteForByteAtTheirAddresses) {
  std::string device = StartPanel({"--protocol", "5", "--driver-version", "2", "--pace", "--once"});
  const Bytes image = Pattern(1500, 1), driver = Pattern(700, 2);
  link::TransferOptions o;
  o.protocol = 6;
  o.driverVersion = 2;
  auto r = Download(device, image, driver, o);
  EXPECT_EQ(r.outcome, link::TransferOutcome::Completed) << (messages_.empty() ? "" : messages_[0]);
  EXPECT_TRUE(r.driverSent);
  EXPECT_EQ(r.panelProtocol, 5);
  EXPECT_EQ(messages_, std::vector<std::string>{"下载完成!画面数据共1500字节"});
  // --once: the panel ends by itself after the completed transfer.
  EXPECT_EQ(panel_.WaitExit(), 0);
  EXPECT_TRUE(ReadFile(memory_) == Expected(image, &driver));
}

TEST_F(PanelTransfer, MatchingDriverStaysAndMemoryIsSavedOnRequest) {
  std::string device = StartPanel({"--protocol", "5", "--driver-version", "2"});
  const Bytes image = Pattern(100, 3), driver = Pattern(300, 4);
  link::TransferOptions o;
  o.protocol = 5;
  o.driverVersion = 2;
  auto r = Download(device, image, driver, o);
  EXPECT_EQ(r.outcome, link::TransferOutcome::Completed);
  EXPECT_FALSE(r.driverSent);
  panel_.Signal(SIGUSR1);
  Bytes saved;
  for (int i = 0; i < 200 && saved.size() != link::kPanelMemorySize; ++i) {
    std::this_thread::sleep_for(10ms);
    saved = ReadFile(memory_);
  }
  EXPECT_TRUE(saved == Expected(image, nullptr));
  // A second transfer on the same line, the driver forced this time.
  o.forceDriver = true;
  r = Download(device, image, driver, o);
  EXPECT_EQ(r.outcome, link::TransferOutcome::Completed);
  EXPECT_TRUE(r.driverSent);
  panel_.Signal(SIGTERM);
  EXPECT_EQ(panel_.WaitExit(), 0);
  EXPECT_TRUE(ReadFile(memory_) == Expected(image, &driver));
}

TEST_F(PanelTransfer, ASaveAskedForAsSoonAsThePathIsPrintedIsMade) {
  StartPanel({});
  panel_.Signal(SIGUSR1);
  Bytes saved;
  for (int i = 0; i < 200 && saved.size() != link::kPanelMemorySize; ++i) {
    std::this_thread::sleep_for(10ms);
    saved = ReadFile(memory_);
  }
  EXPECT_EQ(saved.size(), size_t{link::kPanelMemorySize});
  panel_.Signal(SIGTERM);
  EXPECT_EQ(panel_.WaitExit(), 0);
}

TEST_F(PanelTransfer, PanelFaultsReachTheirMessages) {
  struct Case {
    std::vector<std::string> faults;
    std::vector<std::string> messages;
  };
  const Case cases[] = {
      {{"--nak", "6:8", "--corrupt-checksum", "3"}, {"下载完成!画面数据共600字节"}},
      {{"--nak", "6:9"}, {"通讯错误次数越界"}},
      {{"--wrong-query-length"}, {"返回信息错误!"}},
      {{"--silent-handshakes", "70", "--pace"},
       {"通讯无响应!!!", "", "下载完成!画面数据共600字节"}},
  };
  for (const Case& c : cases) {
    PanelProcess panel;
    ASSERT_TRUE(panel.Start(c.faults));
    auto device = panel.ReadLine();
    ASSERT_TRUE(device);
    Download(*device, Pattern(600, 5), Pattern(10, 6), {});
    EXPECT_EQ(messages_, c.messages) << c.faults[0];
    panel.Signal(SIGTERM);
    EXPECT_EQ(panel.WaitExit(), 0);
  }
}

TEST_F(PanelTransfer, SilentPanelGivesUp) {
  std::string device = StartPanel({"--silent"});
  link::TransferOptions o;
  o.noResponseGiveUp = 300ms;
  auto r = Download(device, Pattern(10, 1), {}, o);
  EXPECT_EQ(r.outcome, link::TransferOutcome::NoResponse);
  EXPECT_EQ(messages_, (std::vector<std::string>{"通讯无响应!!!", "本次通信失败!!!"}));
  panel_.Signal(SIGTERM);
  EXPECT_EQ(panel_.WaitExit(), 0);
  EXPECT_TRUE(ReadFile(memory_) == initial_);
}

TEST_F(PanelTransfer, PanelLostMidwayEndsInTheDelayLimit) {
  std::string device = StartPanel({"--pace"});
  link::TermiosPort port(device);
  link::TransferOptions o;
  o.tick = 5ms;
  bool killed = false;
  link::TransferCallbacks callbacks{
      [&](int position) {
        if (!killed && position > 3000) {
          killed = true;
          panel_.Signal(SIGKILL);
        }
      },
      [&](const link::TransferMessage& m) { messages_.push_back(m.text); }};
  auto r = link::RunDownload(Pattern(4000, 1), {}, o, port, callbacks);
  EXPECT_TRUE(killed);
  EXPECT_EQ(r.outcome, link::TransferOutcome::Failed);
  EXPECT_EQ(messages_, std::vector<std::string>{"延时越界"});
}

TEST_F(PanelTransfer, MissingDeviceCannotBeOpened) {
  link::TransferOptions o;
  o.portLabel = "COM7";
  auto r = Download(base_ + "_no_such_device", Pattern(10, 1), {}, o);
  EXPECT_EQ(r.outcome, link::TransferOutcome::Failed);
  EXPECT_EQ(messages_, std::vector<std::string>{"无法打开通信口COM7!"});
}

TEST_F(PanelTransfer, PanelRefusesBadArgumentsAndFiles) {
  PanelProcess badOption;
  ASSERT_TRUE(badOption.Start({"--protocol", "37x"}));
  EXPECT_EQ(badOption.WaitExit(), 2);
  WriteFile(load_, Bytes(1000));
  PanelProcess badFile;
  ASSERT_TRUE(badFile.Start({"--load", load_}));
  EXPECT_EQ(badFile.WaitExit(), 1);
}

}  // namespace
}  // namespace tavo
