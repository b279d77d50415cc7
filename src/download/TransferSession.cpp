#include "download/TransferSession.h"

#include <algorithm>
#include <cstdio>
#include <random>
#include <system_error>

#include "base/Captions.h"
#include "base/Substitute.h"
#include "base/Texts.h"
#include "download/TransferPlan.h"
#include "download/TransferTexts.h"

namespace tavo::link {

namespace {

std::string Tr(const char* text) {
  return Translate(text::kContext, text);
}

// Received bytes kept per frame; a reply longer than the longest one the
// panel sends can never be judged good, so the rest is dropped.
constexpr size_t kReceiveLimit = 256;
// How long one read of the reader thread waits before it looks at the stop flag.
constexpr auto kReaderSlice = std::chrono::milliseconds(20);
// How often the worker looks at the give-up deadline while the retry thread runs.
constexpr auto kHandshakeWatch = std::chrono::milliseconds(20);

// A frame that went out more than once may still be answered late. After such
// an exchange the line must stay quiet this many ticks (and at least
// kSettleFloor) before the next frame, so that a late reply is not taken for
// the next frame's.
constexpr int kSettleTicks = 5;
constexpr auto kSettleFloor = std::chrono::milliseconds(20);

// The session whose worker or retry thread is running on this thread.
thread_local const TransferSession* t_session = nullptr;

}  // namespace

TransferSession::TransferSession(Transport& port, TransferOptions options,
                                 TransferCallbacks callbacks)
    : port_(port), options_(std::move(options)), callbacks_(std::move(callbacks)) {
  if (options_.tick <= std::chrono::microseconds::zero()) options_.tick = kDefaultTick;
}

TransferSession::~TransferSession() {
  Close();
}

bool TransferSession::Start(std::vector<uint8_t> image, std::vector<uint8_t> driver) {
  {
    std::lock_guard lock(resultMutex_);
    if (started_) return false;
    started_ = true;
  }
  image_ = std::move(image);
  driver_ = std::move(driver);
  // Addresses are 16-bit: anything longer would wrap onto the other area.
  if (image_.size() > kImageAreaSize || driver_.size() > kDriverAreaSize) {
    Fail(Notice::TooLarge, Tr(text::kTooLarge));
    return false;
  }
  if (!port_.Open()) {
    std::string name = options_.portLabel.empty() ? port_.Name() : options_.portLabel;
    Fail(Notice::CannotOpenPort, Substitute(Tr(text::kCannotOpenPort), {name}));
    return false;
  }
  // Whatever the panel sent before the transfer is not a reply.
  uint8_t discard[256];
  port_.Read(discard, sizeof discard, Transport::Clock::now());
  ResetPulse();
  try {
    clock_ = std::thread(&TransferSession::RunClock, this);
  } catch (const std::system_error&) {
    port_.Close();
    Fail(Notice::TimerUnavailable, text::kTimerUnavailable, text::kTimerCaption);
    return false;
  }
  try {
    reader_ = std::thread(&TransferSession::RunReader, this);
    worker_ = std::thread(&TransferSession::Work, this);
  } catch (const std::system_error&) {
    Fail(Notice::TimerUnavailable, text::kTimerUnavailable);
    Join();
    return false;
  }
  return true;
}

bool TransferSession::Finished() const {
  std::lock_guard lock(resultMutex_);
  return finished_;
}

bool TransferSession::WaitFor(std::chrono::milliseconds timeout) {
  std::unique_lock lock(resultMutex_);
  return resultCv_.wait_for(lock, timeout, [this] { return finished_ || !started_; });
}

TransferResult TransferSession::Wait() {
  {
    std::unique_lock lock(resultMutex_);
    resultCv_.wait(lock, [this] { return finished_ || !started_; });
  }
  Join();
  std::lock_guard lock(resultMutex_);
  return result_;
}

void TransferSession::Pause() {
  gate_.Close();
}

void TransferSession::Resume() {
  gate_.Open();
}

void TransferSession::Cancel() {
  {
    std::lock_guard lock(stopMutex_);
    cancel_ = true;
  }
  stopCv_.notify_all();
  gate_.Release();
  receiveEvent_.Set();
  handshakeEvent_.Set();
}

bool TransferSession::AskCancel(Prompter& prompter) {
  Pause();
  bool ok = prompter.OkCancel(Tr(text::kConfirmCancel), DownloadCaption());
  if (ok) Cancel();
  Resume();
  return ok;
}

void TransferSession::GiveUpHandshake() {
  int expected = kUnanswered;
  if (handshake_.compare_exchange_strong(expected, kGivenUp)) handshakeEvent_.Set();
}

void TransferSession::Close() {
  Cancel();
  Join();
}

bool TransferSession::OnSessionThread() const {
  return t_session == this;
}

void TransferSession::Join() {
  // A callback closing the session from the worker cannot join its own thread;
  // the owner's later Close() or destructor does.
  if (OnSessionThread()) return;
  std::lock_guard lock(joinMutex_);
  if (worker_.joinable()) worker_.join();
  {
    std::lock_guard stopLock(stopMutex_);
    stop_ = true;
  }
  stopCv_.notify_all();
  if (clock_.joinable()) clock_.join();
  if (reader_.joinable()) reader_.join();
  if (port_.IsOpen()) port_.Close();
}

// --- Clock and receiving -------------------------------------------------

void TransferSession::RunClock() {
  auto next = std::chrono::steady_clock::now() + options_.tick;
  std::unique_lock lock(stopMutex_);
  while (!stop_) {
    if (stopCv_.wait_until(lock, next, [this] { return stop_.load(); })) break;
    next += options_.tick;
    // After a long stall, count on from now instead of catching up in a burst.
    auto now = std::chrono::steady_clock::now();
    if (next + 10 * options_.tick < now) next = now + options_.tick;
    int before = ticks_.fetch_add(1);
    if (before % kTicksPerReceiveWake == 1) receiveEvent_.Set();
  }
}

void TransferSession::RunReader() {
  uint8_t buffer[256];
  while (!stop_) {
    long n = port_.Read(buffer, sizeof buffer, Transport::Clock::now() + kReaderSlice);
    if (n < 0) {
      // The line has gone; the sender runs into its tick limit.
      std::unique_lock lock(stopMutex_);
      stopCv_.wait(lock, [this] { return stop_.load(); });
      return;
    }
    if (n > 0) OnReceive(buffer, static_cast<size_t>(n));
  }
}

void TransferSession::OnReceive(const uint8_t* data, size_t size) {
  bool judged = false;
  received_ += size;
  {
    std::lock_guard lock(rxMutex_);
    size_t room = kReceiveLimit - std::min(kReceiveLimit, rx_.size());
    rx_.insert(rx_.end(), data, data + std::min(room, size));
    if (waiting_) {
      ReplyState state = JudgeReply(rx_);
      if (state != ReplyState::None) {
        replyState_ = state;
        if (state == ReplyState::Good) reply_ = rx_;
        judged = true;
      }
    }
  }
  if (judged) receiveEvent_.Set();
}

// --- Send and await ------------------------------------------------------

AwaitResult TransferSession::SendAndAwait(const Bytes& frame, bool handshakeMode) {
  const int attempts = handshakeMode ? kHandshakeAttempts : kNormalAttempts;
  const int ticksPerAttempt = handshakeMode ? kHandshakeTicksPerAttempt : kNormalTicksPerAttempt;
  // A missed wake-up of the clock costs at most this long.
  const auto fallback = options_.tick * (2 * kTicksPerReceiveWake);
  int errors = 0;
  bool resent = false;  // an attempt ended without a reply
  bool timeUp = false;  // handshake mode: the handshake's own time has passed
  ticks_ = 0;
  auto abandoned = [&] { return cancel_ || (handshakeMode && handshake_ == kGivenUp); };
  for (int k = 1; k <= attempts; ++k) {
    // The reply state is cleared at every attempt, so that one bad reply is
    // counted once. Waiting starts before the frame goes out: a fast panel's
    // reply is judged even when it arrives before the write returns.
    {
      std::lock_guard lock(rxMutex_);
      rx_.clear();
      reply_.clear();
      replyState_ = ReplyState::None;
      waiting_ = true;
    }
    receiveEvent_.Reset();
    port_.Write(frame.data(), frame.size());  // a lost frame runs into the tick limit
    for (;;) {
      receiveEvent_.WaitFor(fallback);
      if (abandoned()) {
        std::lock_guard lock(rxMutex_);
        waiting_ = false;
        return AwaitResult::Cancelled;
      }
      ReplyState state;
      {
        std::lock_guard lock(rxMutex_);
        state = replyState_;
        if (state == ReplyState::Good) waiting_ = false;
      }
      if (state == ReplyState::Good) {
        if (resent) Settle();
        return AwaitResult::Done;
      }
      if (state == ReplyState::Error) {
        ++errors;
        break;
      }
      if (handshakeMode && HandshakeTimeUp()) {
        timeUp = true;
        break;
      }
      if (ticks_ > ticksPerAttempt * k) {
        resent = true;
        break;
      }
    }
    {
      std::lock_guard lock(rxMutex_);
      waiting_ = false;
    }
    if (errors > kMaxErrors) return AwaitResult::TooManyErrors;
    if (ticks_ > kMaxTicks || timeUp) {
      if (!handshakeMode) return AwaitResult::DelayExceeded;
      int expected = kPending;
      handshake_.compare_exchange_strong(expected, kUnanswered);
      return AwaitResult::NoAnswer;
    }
  }
  return AwaitResult::TooManyResends;
}

void TransferSession::Settle() {
  const auto quiet =
      std::max<std::chrono::microseconds>(options_.tick * kSettleTicks, kSettleFloor);
  const auto limit = std::chrono::steady_clock::now() +
                     std::max<std::chrono::microseconds>(options_.tick * kMaxTicks, 10 * quiet);
  for (;;) {
    uint64_t before = received_;
    std::unique_lock lock(stopMutex_);
    stopCv_.wait_for(lock, quiet, [this] { return stop_ || cancel_; });
    if (stop_ || cancel_ || received_ == before || std::chrono::steady_clock::now() >= limit)
      return;
  }
}

// One exchange of the worker: send and await in normal mode, then pass the
// pause gate. A failure shows its message and ends the transfer.
bool TransferSession::Exchange(const Bytes& frame) {
  AwaitResult r = SendAndAwait(frame, false);
  gate_.Pass();
  switch (r) {
    case AwaitResult::Done:
      if (!cancel_) return true;
      Finish(TransferOutcome::Cancelled);
      return false;
    case AwaitResult::TooManyErrors:
      Fail(Notice::TooManyErrors, Tr(text::kTooManyErrors));
      return false;
    case AwaitResult::DelayExceeded:
      Fail(Notice::DelayExceeded, Tr(text::kDelayExceeded));
      return false;
    case AwaitResult::TooManyResends:
      Fail(Notice::TooManyResends, Tr(text::kTooManyResends));
      return false;
    default:
      Finish(TransferOutcome::Cancelled);
      return false;
  }
}

// --- The worker ----------------------------------------------------------

bool TransferSession::Handshake() {
  handshakeEvent_.Reset();
  AwaitResult r = SendAndAwait(HandshakeFrame(), true);
  gate_.Pass();
  if (r == AwaitResult::Cancelled || cancel_) {
    Finish(TransferOutcome::Cancelled);
    return false;
  }
  if (r != AwaitResult::NoAnswer) return true;

  Say(Notice::NoResponse, Tr(text::kNoResponse), Tr(text::kNoResponseCaption),
      MessageIcon::Information);
  if (HandshakeTimeUp()) {
    GiveUpHandshake();  // the first exchange took all the time there was
  } else {
    try {
      retry_ = std::thread(&TransferSession::RetryHandshake, this);
    } catch (const std::system_error&) {
      GiveUpHandshake();
    }
  }
  auto giveUpAt = std::chrono::steady_clock::time_point::max();
  if (options_.noResponseGiveUp.count() > 0)
    giveUpAt = std::chrono::steady_clock::now() + options_.noResponseGiveUp;
  if (options_.handshakeGiveUp.count() > 0) giveUpAt = std::min(giveUpAt, handshakeDeadline_);
  while (!cancel_ && handshake_ == kUnanswered) {
    handshakeEvent_.WaitFor(kHandshakeWatch);
    if (std::chrono::steady_clock::now() >= giveUpAt) GiveUpHandshake();
  }
  if (retry_.joinable()) retry_.join();
  if (cancel_) {
    Finish(TransferOutcome::Cancelled);
    return false;
  }
  if (handshake_ == kGivenUp) {
    const std::string failed = Tr(text::kCommunicationFailed);
    Say(Notice::CommunicationFailed, failed, DownloadCaption(), MessageIcon::Warning);
    {
      std::lock_guard lock(resultMutex_);
      result_.message = failed;
    }
    Finish(TransferOutcome::NoResponse);
    return false;
  }
  return true;
}

void TransferSession::RetryHandshake() {
  t_session = this;
  const Bytes frame = HandshakeFrame();
  while (!cancel_ && handshake_ != kGivenUp) {
    AwaitResult r = SendAndAwait(frame, true);
    if (r == AwaitResult::Cancelled) return;
    if (r == AwaitResult::NoAnswer && HandshakeTimeUp()) {
      GiveUpHandshake();
      return;
    }
    if (r == AwaitResult::Done) {
      int expected = kUnanswered;
      if (handshake_.compare_exchange_strong(expected, kAnswered)) {
        handshakeEvent_.Set();
        Say(Notice::NoResponseEnded, "", Tr(text::kNoResponseCaption), MessageIcon::Information);
      }
      return;
    }
  }
}

bool TransferSession::HandshakeTimeUp() const {
  return options_.handshakeGiveUp.count() > 0 &&
         std::chrono::steady_clock::now() >= handshakeDeadline_;
}

void TransferSession::Work() {
  t_session = this;
  handshakeDeadline_ = std::chrono::steady_clock::now() + options_.handshakeGiveUp;
  if (!Handshake()) return;

  Advance(kProgressAfterHandshake);
  if (!Exchange(QueryFrame())) return;

  // The answer must be the query reply and as long as it says it is.
  Bytes answer;
  {
    std::lock_guard lock(rxMutex_);
    answer = reply_;
  }
  if (answer.size() <= kQueryVersionIndex || answer[kCommandIndex] != kReplyQuery ||
      answer[kLengthIndex] != answer.size()) {
    Fail(Notice::WrongReply, Tr(text::kWrongReply));
    return;
  }
  const uint8_t panelProtocol = answer[kQueryProtocolIndex];
  const uint8_t panelVersion = answer[kQueryVersionIndex];
  const bool sendDriver = panelProtocol != options_.protocol ||
                          panelVersion != options_.driverVersion || options_.forceDriver;
  {
    std::lock_guard lock(resultMutex_);
    result_.panelProtocol = panelProtocol;
    result_.panelDriverVersion = panelVersion;
    result_.driverSent = sendDriver;
  }

  const int step = ProgressStep(ProgressBlocks(driver_.size(), sendDriver, image_.size()));
  Advance(step);

  // Challenge: both sides derive the keys from it; zero keys would leave the
  // data readable, so draw again until both are nonzero.
  Challenge challenge{};
  ScrambleKeys keys;
  std::mt19937 random(
      static_cast<uint32_t>(std::chrono::system_clock::now().time_since_epoch().count()));
  do {
    for (auto& c : challenge) c = static_cast<uint8_t>(random() & 0xFF);
    keys = DeriveKeys(challenge);
  } while (!keys.Usable());
  if (!Exchange(ChallengeFrame(challenge))) return;

  // The stored image becomes invalid before anything of it is overwritten.
  const Bytes fill(kBlockSize, kInvalidFill);
  if (!Exchange(WriteFrame(kImageBase, fill, keys))) return;

  auto sendBlocks = [&](uint16_t base, const std::vector<uint8_t>& data) {
    for (const Block& block : SplitIntoBlocks(base, data)) {
      if (!Exchange(WriteFrame(block.address, block.data, keys))) return false;
      Advance(step);
    }
    return true;
  };
  if (sendDriver && !sendBlocks(kDriverBase, driver_)) return;
  if (!sendBlocks(kImageBase, image_)) return;

  if (!Exchange(WriteFrame(kImageBase, kValidityMark, keys))) return;
  progress_ = kProgressRange;
  if (callbacks_.progress) callbacks_.progress(kProgressRange);
  ResetPulse();
  Say(Notice::Completed, Substitute(Tr(text::kCompleted), {std::to_string(image_.size())}),
      DownloadCaption(), MessageIcon::Information);
  Finish(TransferOutcome::Completed);
}

// --- Helpers -------------------------------------------------------------

void TransferSession::ResetPulse() {
  port_.SetRts(true);
  std::this_thread::sleep_for(kResetPulseWidth);
  port_.SetRts(false);
}

void TransferSession::Advance(int delta) {
  int pos = std::min(progress_.load() + delta, kProgressRange);
  progress_ = pos;
  if (callbacks_.progress) callbacks_.progress(pos);
}

void TransferSession::Say(Notice notice, std::string text, std::string caption, MessageIcon icon) {
  if (callbacks_.message) {
    callbacks_.message({notice, std::move(text), std::move(caption), icon});
  } else if (notice != Notice::NoResponseEnded) {
    CurrentPrompter().Message(text, caption, icon);
  }
}

void TransferSession::Fail(Notice notice, const std::string& message, const char* caption) {
  Say(notice, message, caption ? std::string(caption) : DownloadCaption(), MessageIcon::Warning);
  {
    std::lock_guard lock(resultMutex_);
    result_.message = message;
  }
  Finish(TransferOutcome::Failed);
}

void TransferSession::Finish(TransferOutcome outcome) {
  {
    std::lock_guard lock(resultMutex_);
    result_.outcome = outcome;
    finished_ = true;
  }
  resultCv_.notify_all();
}

}  // namespace tavo::link
