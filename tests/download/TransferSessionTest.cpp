#include <gtest/gtest.h>

#include <algorithm>
#include <future>
#include <mutex>
#include <random>

#include "download/RunDownload.h"
#include "download/TransferPlan.h"
#include "download/TransferSession.h"
#include "download/TransferTexts.h"
#include "panel/InProcessPanel.h"
#include "support/ScriptedPrompter.h"

namespace tavo::link {
namespace {

using panel::InProcessPanel;
using panel::PanelConfig;
using namespace std::chrono_literals;

Bytes Pattern(size_t size, uint8_t seed) {
  Bytes b(size);
  for (size_t i = 0; i < size; ++i) b[i] = static_cast<uint8_t>(seed + i * 7 + (i >> 8));
  return b;
}

// Everything a transfer told its watcher.
struct Watch {
  std::mutex mutex;
  std::condition_variable changed;
  std::vector<TransferMessage> messages;
  std::vector<int> progress;
  std::function<void(int)> onProgress;

  TransferCallbacks Callbacks() {
    return {[this](int p) {
              {
                std::lock_guard lock(mutex);
                progress.push_back(p);
              }
              if (onProgress) onProgress(p);
            },
            [this](const TransferMessage& m) {
              {
                std::lock_guard lock(mutex);
                messages.push_back(m);
              }
              changed.notify_all();
            }};
  }
  // True once `count` messages have come, within a time no transfer here needs.
  bool WaitForMessages(size_t count) {
    std::unique_lock lock(mutex);
    return changed.wait_for(lock, 10s, [&] { return messages.size() >= count; });
  }
  std::vector<std::string> Texts() {
    std::lock_guard lock(mutex);
    std::vector<std::string> out;
    for (auto& m : messages) out.push_back(m.text);
    return out;
  }
  std::vector<Notice> Notices() {
    std::lock_guard lock(mutex);
    std::vector<Notice> out;
    for (auto& m : messages) out.push_back(m.notice);
    return out;
  }
};

// Counts the handshakes a panel is sent, so that a test can wait for the
// retry thread's instead of sleeping.
struct HandshakeCount {
  std::mutex mutex;
  std::condition_variable changed;
  int sent = 0;

  void Watch(InProcessPanel& panel) {
    panel.SetReplyFilter([this](const Bytes& w, Bytes&) {
      if (w[3] != kCmdHandshake) return;
      {
        std::lock_guard lock(mutex);
        ++sent;
      }
      changed.notify_all();
    });
  }
  int Now() {
    std::lock_guard lock(mutex);
    return sent;
  }
  bool WaitFor(int count) {
    std::unique_lock lock(mutex);
    return changed.wait_for(lock, 10s, [&] { return sent >= count; });
  }
};

// A panel that never answers, its handshakes counted.
struct SilentPanel {
  SilentPanel() : panel(Config()) { handshakes.Watch(panel); }
  static PanelConfig Config() {
    PanelConfig c;
    c.faults.silent = true;
    return c;
  }
  InProcessPanel panel;
  HandshakeCount handshakes;
};

// Transfers that must succeed run at the real tick, so that a busy machine
// cannot push a reply past its limit; tests that wait for the limits shorten it.
TransferOptions Options(uint8_t protocol = 1, uint8_t version = 1, bool force = false) {
  TransferOptions o;
  o.protocol = protocol;
  o.driverVersion = version;
  o.forceDriver = force;
  return o;
}

TransferOptions ShortTick(std::chrono::microseconds tick) {
  TransferOptions o = Options();
  o.tick = tick;
  return o;
}

// The panel memory a completed transfer leaves: erased, driver from 0x0000
// when sent, image from 0x8000 with the validity mark over its first bytes.
Bytes ExpectedMemory(const Bytes& image, const Bytes* driver) {
  Bytes mem(kPanelMemorySize, 0xFF);
  if (driver) std::copy(driver->begin(), driver->end(), mem.begin());
  std::copy(image.begin(), image.end(), mem.begin() + kImageBase);
  if (image.size() < kBlockSize)
    std::fill(mem.begin() + kImageBase + image.size(), mem.begin() + kImageBase + kBlockSize, 0xFF);
  mem[kImageBase] = kValidityMark[0];
  mem[kImageBase + 1] = kValidityMark[1];
  return mem;
}

// The 0x81 writes among the frames sent, unscrambled with the keys of the
// challenge sent before them.
std::vector<PanelWrite> DecodeWrites(const std::vector<Bytes>& written) {
  std::vector<PanelWrite> out;
  ScrambleKeys keys;
  for (const Bytes& f : written) {
    if (f.size() == kChallengeLength && f[3] == kCmdChallenge) {
      Challenge c;
      std::copy_n(f.begin() + 4, kChallengeSize, c.begin());
      keys = DeriveKeys(c);
      EXPECT_TRUE(keys.Usable());
    } else if (auto w = ReadWriteFrame(f, keys)) {
      out.push_back(*w);
    }
  }
  return out;
}

TEST(TransferSession, CompleteTransferWritesDriverImageAndMarkLast) {
  PanelConfig cfg;
  cfg.protocol = 4;  // another protocol: the driver goes too
  InProcessPanel panel(cfg);
  const Bytes image = Pattern(300, 1), driver = Pattern(1000, 50);
  Watch watch;
  TransferResult r = RunDownload(image, driver, Options(1, 1), panel, watch.Callbacks());

  EXPECT_EQ(r.outcome, TransferOutcome::Completed);
  EXPECT_TRUE(r.driverSent);
  EXPECT_EQ(r.panelProtocol, 4);
  EXPECT_EQ(panel.Memory(), ExpectedMemory(image, &driver));
  ASSERT_EQ(watch.messages.size(), 1u);
  EXPECT_EQ(watch.messages[0].text, "下载完成!画面数据共300字节");
  EXPECT_EQ(watch.messages[0].caption, "下载画面数据");
  EXPECT_EQ(watch.messages[0].icon, MessageIcon::Information);
  EXPECT_EQ(panel.ResetPulses(), 2);  // after opening and after completion
  EXPECT_FALSE(panel.IsOpen());

  // blocks = 1000/128 + 300/128 + 2 = 11, step 909: 50, then one step after
  // the query and after each of the 8 driver and 3 image blocks, clamped.
  ASSERT_GE(watch.progress.size(), 3u);
  EXPECT_EQ(watch.progress[0], 50);
  EXPECT_EQ(watch.progress[1], 959);
  EXPECT_TRUE(std::is_sorted(watch.progress.begin(), watch.progress.end()));
  EXPECT_EQ(watch.progress.back(), kProgressRange);

  // Invalidate first, then the driver from 0x0000, the image from 0x8000, the mark last.
  auto writes = DecodeWrites(panel.Written());
  ASSERT_EQ(writes.size(), 1u + 8 + 3 + 1);
  EXPECT_EQ(writes.front().address, 0x8000);
  EXPECT_EQ(writes.front().data, Bytes(128, 0xFF));
  EXPECT_EQ(writes[1].address, 0x0000);
  EXPECT_EQ(writes[8].address, 0x0380);
  EXPECT_EQ(writes[8].data.size(), 1000u - 7 * 128);
  EXPECT_EQ(writes[9].address, 0x8000);
  EXPECT_EQ(writes[10].address, 0x8080);
  EXPECT_EQ(writes[11].address, 0x8100);
  EXPECT_EQ(writes[11].data.size(), 44u);
  EXPECT_EQ(writes.back().address, 0x8000);
  EXPECT_EQ(writes.back().data, Bytes(kValidityMark.begin(), kValidityMark.end()));
}

TEST(TransferSession, DriverIsSentOnlyWhenThePanelNeedsItOrItIsForced) {
  struct Case {
    const char* name;
    uint8_t panelProtocol, panelVersion;
    bool force;
    bool driverSent;
  };
  const Case cases[] = {
      {"same protocol and version", 7, 3, false, false},
      {"same, forced", 7, 3, true, true},
      {"other protocol", 8, 3, false, true},
      {"other version", 7, 2, false, true},
  };
  const Bytes image = Pattern(700, 9), driver = Pattern(200, 3);
  for (const Case& c : cases) {
    PanelConfig cfg;
    cfg.protocol = c.panelProtocol;
    cfg.driverVersion = c.panelVersion;
    InProcessPanel panel(cfg);
    Watch watch;
    auto r = RunDownload(image, driver, Options(7, 3, c.force), panel, watch.Callbacks());
    EXPECT_EQ(r.outcome, TransferOutcome::Completed) << c.name;
    EXPECT_EQ(r.driverSent, c.driverSent) << c.name;
    EXPECT_EQ(panel.Memory(), ExpectedMemory(image, c.driverSent ? &driver : nullptr)) << c.name;
    // Without the driver: blocks = 700/128 + 2 = 7, step 1429.
    if (!c.driverSent) {
      EXPECT_EQ(watch.progress.at(1), 50 + 1429) << c.name;
    }
  }
}

TEST(TransferSession, NegativeAcknowledgesAreResentUpToEightTimes) {
  struct Case {
    int frame, naks;
    bool completes;
  };
  // Frame 2 is the query, frame 5 the first image block.
  const Case cases[] = {{5, 8, true}, {5, 9, false}, {2, 8, true}, {2, 9, false}};
  for (const Case& c : cases) {
    PanelConfig cfg;
    cfg.faults.nakFrame = c.frame;
    cfg.faults.nakTimes = c.naks;
    InProcessPanel panel(cfg);
    Watch watch;
    auto r = RunDownload(Pattern(256, 1), {}, Options(), panel, watch.Callbacks());
    SCOPED_TRACE(testing::Message() << "frame " << c.frame << " naks " << c.naks);
    EXPECT_EQ(panel.Stats().naks, std::min(c.naks, 9));
    if (c.completes) {
      EXPECT_EQ(r.outcome, TransferOutcome::Completed);
    } else {
      EXPECT_EQ(r.outcome, TransferOutcome::Failed);
      EXPECT_EQ(watch.Texts(), std::vector<std::string>{"通讯错误次数越界"});
      EXPECT_EQ(watch.messages.at(0).icon, MessageIcon::Warning);
      EXPECT_EQ(watch.messages.at(0).caption, "下载画面数据");
    }
    // Every refused frame went out again unchanged, right after itself.
    auto w = panel.Written();
    int repeats = 0;
    for (size_t i = 1; i < w.size(); ++i) repeats += w[i] == w[i - 1];
    EXPECT_EQ(repeats, std::min(c.naks, 8));
  }
}

TEST(TransferSession, QueryAnswerMustBeAnAnswerOfItsOwnLength) {
  PanelConfig shortAnswer;
  shortAnswer.faults.wrongQueryLength = true;
  struct Case {
    const char* name;
    PanelConfig config;
    Bytes queryReply;  // replaces the panel's answer when not empty
  };
  const Case cases[] = {
      {"length one short", shortAnswer, {}},
      {"acknowledge instead of an answer", {}, MakeFrame(kReplyAck, {})},
  };
  for (const Case& c : cases) {
    InProcessPanel panel(c.config);
    if (!c.queryReply.empty())
      panel.SetReplyFilter([&c](const Bytes& w, Bytes& out) {
        if (w[3] == kCmdQuery) out = c.queryReply;
      });
    Watch watch;
    auto r = RunDownload(Pattern(200, 1), {}, Options(), panel, watch.Callbacks());
    EXPECT_EQ(r.outcome, TransferOutcome::Failed) << c.name;
    EXPECT_EQ(watch.Texts(), std::vector<std::string>{"返回信息错误!"}) << c.name;
    EXPECT_EQ(panel.Stats().writes, 0) << c.name;
  }
}

TEST(TransferSession, PanelFallingSilentAfterTheHandshakeExceedsTheDelay) {
  InProcessPanel panel;
  panel.SetReplyFilter([](const Bytes& w, Bytes& out) {
    if (w[3] != kCmdHandshake) out.clear();
  });
  Watch watch;
  auto start = std::chrono::steady_clock::now();
  auto r = RunDownload(Pattern(200, 1), {}, ShortTick(2ms), panel, watch.Callbacks());
  auto took = std::chrono::steady_clock::now() - start;
  EXPECT_EQ(r.outcome, TransferOutcome::Failed);
  EXPECT_EQ(watch.Texts(), std::vector<std::string>{"延时越界"});
  // Attempts end after 30, 60, 90 and 120 ticks: four queries, then the limit
  // (fewer when a busy machine wakes the sender late, past two limits at once).
  EXPECT_LE(panel.Written().size(), 1u + 4);
  EXPECT_GE(panel.Written().size(), 1u + 2);
  EXPECT_GE(took, 200ms);
}

TEST(TransferSession, LateRepliesToRepeatedHandshakesAreNotTakenForTheAnswer) {
  // Replies slower than the two-tick handshake window: several handshakes go
  // out and each is acknowledged, late. The query must still get its answer.
  InProcessPanel panel;
  panel.SetReplyDelay(15ms);
  Watch watch;
  const Bytes image = Pattern(300, 3);
  auto r = RunDownload(image, {}, ShortTick(2ms), panel, watch.Callbacks());
  EXPECT_EQ(r.outcome, TransferOutcome::Completed) << watch.Texts().at(0);
  EXPECT_EQ(panel.Memory(), ExpectedMemory(image, nullptr));
}

TEST(TransferSession, ResendsRunOutAfterTenAttempts) {
  // Two unanswered attempts (60 ticks) and eight refusals: ten attempts,
  // neither limit reached.
  InProcessPanel panel;
  int queries = 0;
  panel.SetReplyFilter([&](const Bytes& w, Bytes& out) {
    if (w[3] != kCmdQuery) return;
    ++queries;
    out = queries <= 2 ? Bytes{} : MakeFrame(kReplyNak, {});
  });
  Watch watch;
  auto r = RunDownload(Pattern(200, 1), {}, ShortTick(3ms), panel, watch.Callbacks());
  EXPECT_EQ(r.outcome, TransferOutcome::Failed);
  EXPECT_EQ(watch.Texts(), std::vector<std::string>{"重发次数越界"});
  EXPECT_EQ(queries, 10);
}

TEST(TransferSession, HandshakeAnsweredLateGoesOn) {
  struct Case {
    int silent;
    bool noResponseShown;
    std::chrono::microseconds tick;
  };
  // About 50 handshakes fit in the first wait; more need the retry thread.
  for (Case c : {Case{3, false, kDefaultTick}, Case{80, true, 2ms}}) {
    PanelConfig cfg;
    cfg.faults.silentHandshakes = c.silent;
    InProcessPanel panel(cfg);
    Watch watch;
    auto r = RunDownload(Pattern(200, 1), {}, ShortTick(c.tick), panel, watch.Callbacks());
    EXPECT_EQ(r.outcome, TransferOutcome::Completed) << c.silent;
    auto n = watch.Notices();
    if (c.noResponseShown)
      EXPECT_EQ(
          n, (std::vector<Notice>{Notice::NoResponse, Notice::NoResponseEnded, Notice::Completed}));
    else
      EXPECT_EQ(n, std::vector<Notice>{Notice::Completed});
  }
}

TEST(TransferSession, AHandshakeTimeShorterThanTheFirstWaitIsHonoured) {
  // At the real tick the first handshake exchange alone waits 100 ticks (1 s)
  // and sends about fifty handshakes, one per two ticks.
  SilentPanel silent;
  InProcessPanel& panel = silent.panel;
  HandshakeCount& handshakes = silent.handshakes;
  Watch watch;
  TransferOptions o = Options();
  o.handshakeGiveUp = 100ms;
  auto r = RunDownload(Pattern(10, 1), {}, o, panel, watch.Callbacks());
  EXPECT_EQ(r.outcome, TransferOutcome::NoResponse);
  EXPECT_EQ(watch.Texts(), (std::vector<std::string>{"通讯无响应!!!", "本次通信失败!!!"}));
  EXPECT_GE(handshakes.Now(), 1);
  EXPECT_LT(handshakes.Now(), 25);

  // A panel that answers within the time goes on as ever.
  PanelConfig late;
  late.faults.silentHandshakes = 3;
  InProcessPanel answering(late);
  Watch done;
  o.handshakeGiveUp = 5s;
  EXPECT_EQ(RunDownload(Pattern(10, 1), {}, o, answering, done.Callbacks()).outcome,
            TransferOutcome::Completed);
}

TEST(TransferSession, SilentPanelEndsWithNoResponseWhenTheUserGivesUp) {
  SilentPanel silent;
  InProcessPanel& panel = silent.panel;
  HandshakeCount& handshakes = silent.handshakes;
  Watch watch;
  TransferSession session(panel, ShortTick(1ms), watch.Callbacks());
  ASSERT_TRUE(session.Start(Pattern(100, 1), {}));
  // The no-response box comes up after the first wait; the worker then
  // sends nothing, so two more handshakes are the retry thread's. Then the
  // user closes the box.
  ASSERT_TRUE(watch.WaitForMessages(1));
  ASSERT_EQ(watch.Notices(), std::vector<Notice>{Notice::NoResponse});
  EXPECT_EQ(watch.messages.at(0).text, "通讯无响应!!!");
  EXPECT_EQ(watch.messages.at(0).caption, "Tavo  下位机无响应");
  ASSERT_TRUE(handshakes.WaitFor(handshakes.Now() + 2));
  session.GiveUpHandshake();
  auto r = session.Wait();
  EXPECT_EQ(r.outcome, TransferOutcome::NoResponse);
  EXPECT_EQ(r.message, "本次通信失败!!!");
  EXPECT_EQ(watch.Notices(),
            (std::vector<Notice>{Notice::NoResponse, Notice::CommunicationFailed}));
  // Handshakes only, from the first wait and from the retry thread.
  auto w = panel.Written();
  EXPECT_GT(w.size(), 2u);
  EXPECT_TRUE(std::all_of(w.begin(), w.end(), [](auto& f) { return f == HandshakeFrame(); }));
}

TEST(TransferSession, CancelStopsQuietlyAndLeavesTheImageInvalid) {
  InProcessPanel panel;
  Watch watch;
  TransferSession session(panel, Options(), watch.Callbacks());
  int blocks = 0;
  watch.onProgress = [&](int) {
    if (++blocks == 4) session.Cancel();  // from the worker, after a few blocks
  };
  ASSERT_TRUE(session.Start(Pattern(2000, 1), {}));
  auto r = session.Wait();
  EXPECT_EQ(r.outcome, TransferOutcome::Cancelled);
  EXPECT_TRUE(watch.Texts().empty());
  auto mem = panel.Memory();
  EXPECT_EQ(panel.Stats().marks, 0);
  EXPECT_NE(mem[0x8000], kValidityMark[0]);
  EXPECT_LT(panel.Stats().writes, 1 + 2000 / 128);
}

// The question is asked while the worker is between two blocks.
TEST(TransferSession, CancelQuestionPausesTheWorker) {
  struct Asker : test::ScriptedPrompter {
    std::function<void()> during;
    bool OkCancel(const std::string& t, const std::string& c) override {
      during();
      return ScriptedPrompter::OkCancel(t, c);
    }
  };
  for (Answer answer : {Answer::Cancel, Answer::Ok}) {
    InProcessPanel panel;
    Watch watch;
    TransferSession session(panel, Options(), watch.Callbacks());
    std::promise<void> reached, gateClosed;
    bool first = true;
    // The worker stops in its progress report until the question is open.
    watch.onProgress = [&](int p) {
      if (first && p > 2000) {
        first = false;
        reached.set_value();
        gateClosed.get_future().wait();
      }
    };
    Asker asker;
    asker.answers = {answer};
    int moved = -1;
    size_t sentWhilePaused = 0;
    asker.during = [&] {
      const int before = session.Progress();
      const size_t sent = panel.Written().size();
      gateClosed.set_value();
      // The worker finishes the block on its way, then waits for the answer.
      ASSERT_TRUE(session.WaitUntilPaused(10s));
      moved = session.Progress() - before;
      sentWhilePaused = panel.Written().size() - sent;
    };
    ASSERT_TRUE(session.Start(Pattern(6000, 1), {}));
    reached.get_future().wait();
    EXPECT_EQ(session.AskCancel(asker), answer == Answer::Ok);
    auto r = session.Wait();
    ASSERT_EQ(asker.said.size(), 1u);
    EXPECT_EQ(asker.said[0].text, "确实要取消下载吗?");
    EXPECT_EQ(asker.said[0].caption, "下载画面数据");
    // Only the block already on its way is finished while the question is open.
    EXPECT_LE(moved, ProgressStep(6000 / 128 + 2));
    EXPECT_LE(sentWhilePaused, 1u);
    if (answer == Answer::Ok) {
      EXPECT_EQ(r.outcome, TransferOutcome::Cancelled);
      EXPECT_EQ(panel.Stats().marks, 0);
    } else {
      EXPECT_EQ(r.outcome, TransferOutcome::Completed);
    }
  }
}

TEST(TransferSession, RefusalsBeforeAnythingIsSent) {
  struct Case {
    const char* name;
    size_t image, driver;
    bool portFails;
    std::string text;
  };
  const Case cases[] = {
      {"port cannot be opened", 100, 10, true, "无法打开通信口COM3!"},
      {"image past the top of memory", kImageAreaSize + 1, 10, false,
       "下载数据超出下位机存储空间!"},
      {"driver into the image area", 100, kDriverAreaSize + 1, false,
       "下载数据超出下位机存储空间!"},
  };
  for (const Case& c : cases) {
    InProcessPanel panel;
    panel.FailOpen(c.portFails);
    Watch watch;
    TransferOptions o = Options();
    o.portLabel = "COM3";
    auto r = RunDownload(Bytes(c.image), Bytes(c.driver), o, panel, watch.Callbacks());
    EXPECT_EQ(r.outcome, TransferOutcome::Failed) << c.name;
    EXPECT_EQ(watch.Texts(), std::vector<std::string>{c.text}) << c.name;
    EXPECT_TRUE(panel.Written().empty()) << c.name;
  }
  // The largest image that fits goes through to its last byte at 0xFFFF.
  InProcessPanel panel;
  const Bytes full = Pattern(kImageAreaSize, 4);
  auto r = RunDownload(full, {}, Options(), panel, Watch().Callbacks());
  EXPECT_EQ(r.outcome, TransferOutcome::Completed);
  EXPECT_EQ(panel.Memory().back(), full.back());
}

TEST(TransferSession, MessagesGoToThePrompterWithoutACallback) {
  test::ScriptedPrompter prompter;
  InProcessPanel panel;
  auto r = RunDownload(Pattern(10, 1), {}, Options(), panel, {});
  EXPECT_EQ(r.outcome, TransferOutcome::Completed);
  EXPECT_EQ(prompter.Messages(), std::vector<std::string>{"下载完成!画面数据共10字节"});
}

TEST(TransferSession, ClosingReleasesEveryWait) {
  // A silent panel and nobody to close the no-response box: the session
  // must still end when its owner closes it.
  SilentPanel silent;
  InProcessPanel& panel = silent.panel;
  HandshakeCount& handshakes = silent.handshakes;
  Watch watch;
  bool retried = false;
  auto done = std::async(std::launch::async, [&] {
    TransferSession session(panel, ShortTick(1ms), watch.Callbacks());
    session.Start(Pattern(100, 1), {});
    // Past the first wait: the box is up and the retry thread sends.
    retried = watch.WaitForMessages(1) && handshakes.WaitFor(handshakes.Now() + 1);
    session.Pause();
  });  // destroyed here
  ASSERT_EQ(done.wait_for(15s), std::future_status::ready);
  EXPECT_TRUE(retried);
  EXPECT_FALSE(panel.IsOpen());
  EXPECT_EQ(watch.Notices(), std::vector<Notice>{Notice::NoResponse});
}

TEST(TransferSession, GarbageRepliesAreResentPastAndTheImageArrivesWhole) {
  // A third of the panel's replies replaced by noise framed like a reply,
  // never more than twice running (four in a row would rightly end in the
  // delay limit): every damaged exchange is sent again, and what the panel
  // holds at the end is the image, mark and all.
  for (unsigned seed : {11u, 12u}) {
    SCOPED_TRACE(testing::Message() << "seed " << seed);
    InProcessPanel panel;
    std::mt19937 rng(seed);
    int replaced = 0, running = 0;
    panel.SetReplyFilter([&](const Bytes&, Bytes& out) {
      if (running == 2 || rng() % 3) {
        running = 0;
        return;
      }
      ++replaced, ++running;
      // Of the lengths a reply has, or any other.
      const size_t sizes[] = {kAckLength, kQueryReplyLength, 1 + rng() % 300};
      Bytes junk(sizes[rng() % 3]);
      for (auto& b : junk) b = static_cast<uint8_t>(rng());
      if (junk.size() > 1) junk[0] = kSync0, junk[1] = kSync1;
      out = junk;
    });
    const Bytes image = Pattern(600, static_cast<uint8_t>(seed));
    Watch watch;
    auto r = RunDownload(image, {}, Options(), panel, watch.Callbacks());
    ASSERT_EQ(r.outcome, TransferOutcome::Completed) << testing::PrintToString(watch.Texts());
    EXPECT_GT(replaced, 2);
    EXPECT_EQ(panel.Memory(), ExpectedMemory(image, nullptr));
    EXPECT_EQ(watch.Texts(), std::vector<std::string>{"下载完成!画面数据共600字节"});
  }
}

}  // namespace
}  // namespace tavo::link
