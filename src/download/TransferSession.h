#pragma once

// One download of an image (and, when the panel needs it, the protocol driver)
// to the panel over a serial line. The editor's progress dialog and the `tavo`
// command drive the same session: they start it, watch it through callbacks
// and may pause, cancel or give up the unanswered handshake.
//
// Threads: a worker does all sending and waiting; a retry thread keeps sending
// the handshake while the panel does not answer; a clock thread counts ticks;
// a reader thread feeds received bytes to the reply judge. Callbacks run on the
// worker or retry thread; they may call Cancel(), Pause() or GiveUpHandshake()
// but must not call Wait() (Close() from a callback only cancels).
//
// The editor's progress dialog: Start(); show the messages as they come (keep
// the NoResponse box open until NoResponseEnded, and call GiveUpHandshake()
// when the user closes it); on the cancel button call AskCancel(); when the
// session has Finished() or the dialog closes, Close().

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "base/Captions.h"
#include "base/Prompter.h"
#include "download/AutoResetEvent.h"
#include "download/Frame.h"
#include "download/LinkConstants.h"
#include "download/TransferTexts.h"
#include "download/Transport.h"

namespace tavo::link {

// Outcome of one send-and-await exchange.
enum class AwaitResult : int {
  Done = 0,
  DelayExceeded = 1,   // no reply within the tick limit
  TooManyErrors = 2,   // too many negative or damaged replies
  TooManyResends = 3,  // out of attempts
  NoAnswer = 5,        // handshake mode: no reply within the tick limit
  Cancelled = -1,
};

// What a message tells the watching user interface.
enum class Notice {
  CannotOpenPort,
  TooLarge,
  TimerUnavailable,
  TooManyErrors,
  DelayExceeded,
  TooManyResends,
  WrongReply,
  // "The panel does not answer": shown while the handshake is being retried.
  // The box stays until NoResponseEnded (the panel answered) or until the user
  // closes it, which the interface reports with GiveUpHandshake().
  NoResponse,
  NoResponseEnded,
  CommunicationFailed,  // the handshake was given up
  Completed,
};

struct TransferMessage {
  Notice notice;
  std::string text;
  std::string caption;
  MessageIcon icon;
};

enum class TransferOutcome { Running, Completed, Failed, Cancelled, NoResponse };

struct TransferResult {
  TransferOutcome outcome = TransferOutcome::Running;
  std::string message;  // the failure text shown; empty when none was
  bool driverSent = false;
  int panelProtocol = -1;  // from the panel's answer to the query; -1 before it
  int panelDriverVersion = -1;
};

struct TransferOptions {
  uint8_t protocol = 1;       // the project's protocol number
  uint8_t driverVersion = 0;  // version of the driver taken from the protocol file
  bool forceDriver = false;   // send the driver whatever the panel holds
  // Length of one tick of the transfer clock; the reply limits count ticks.
  std::chrono::microseconds tick = kDefaultTick;
  // How the port is named in "cannot open" (e.g. "COM3"); the device path when empty.
  std::string portLabel;
  // Give the unanswered handshake up after this long, as if the user had
  // closed the no-response box; zero keeps retrying until GiveUpHandshake().
  std::chrono::milliseconds noResponseGiveUp{0};
  // Give the handshake up, in the same way, when the panel has not answered
  // within this long of the first handshake frame. A time shorter than the
  // first exchange's own tick limit ends that exchange early. Zero: no such
  // limit.
  std::chrono::milliseconds handshakeGiveUp{0};
};

struct TransferCallbacks {
  // Progress bar position, 0..kProgressRange.
  std::function<void(int position)> progress;
  // Every message; when empty they go to CurrentPrompter().
  std::function<void(const TransferMessage&)> message;
};

class TransferSession {
 public:
  TransferSession(Transport& port, TransferOptions options, TransferCallbacks callbacks);
  ~TransferSession();  // closes the session
  TransferSession(const TransferSession&) = delete;
  TransferSession& operator=(const TransferSession&) = delete;

  // Opens the port, gives the reset pulse and starts the transfer threads.
  // False, after its message, when the data does not fit the panel's memory,
  // the port cannot be opened or the clock cannot be started. A session runs once.
  bool Start(std::vector<uint8_t> image, std::vector<uint8_t> driver);

  // Waits for the end of the transfer, stops every thread and closes the port.
  TransferResult Wait();
  // True when the transfer has ended within the timeout (then Wait() is quick).
  bool WaitFor(std::chrono::milliseconds timeout);
  bool Finished() const;

  // The worker stops after its current exchange until Resume().
  void Pause();
  void Resume();
  // True once the worker, paused, has finished its exchange and waits; false
  // when it does not within the timeout.
  bool WaitUntilPaused(std::chrono::milliseconds timeout) { return gate_.WaitUntilHeld(timeout); }
  // Ends the transfer at the next wake-up of the worker; nothing more is shown.
  void Cancel();
  // Pauses, asks "确实要取消下载吗?" and cancels on OK. True when cancelled.
  bool AskCancel(Prompter& prompter);
  // The user closed the no-response box while the handshake was unanswered.
  void GiveUpHandshake();
  // Cancels, releases every wait, joins the threads and closes the port.
  void Close();

  int Progress() const { return progress_.load(); }

 private:
  enum HandshakeState : int { kPending = -1, kUnanswered = 0, kGivenUp = 1, kAnswered = 2 };

  AwaitResult SendAndAwait(const Bytes& frame, bool handshakeMode);
  void Settle();
  bool Exchange(const Bytes& frame);
  void OnReceive(const uint8_t* data, size_t size);
  void Work();
  bool Handshake();
  void RetryHandshake();
  // The time of handshakeGiveUp has passed.
  bool HandshakeTimeUp() const;
  void RunClock();
  void RunReader();
  void ResetPulse();
  void Advance(int delta);
  // Texts and captions come in the user's language; a failure without a
  // caption has the download's.
  void Say(Notice notice, std::string text, std::string caption, MessageIcon icon);
  void Fail(Notice notice, const std::string& message, const char* caption = nullptr);
  void Finish(TransferOutcome outcome);
  void Join();
  bool OnSessionThread() const;

  Transport& port_;
  TransferOptions options_;
  TransferCallbacks callbacks_;
  std::vector<uint8_t> image_;
  std::vector<uint8_t> driver_;

  // Reply state shared by the reader thread and the sender.
  std::mutex rxMutex_;
  std::vector<uint8_t> rx_;     // bytes received since the frame was sent
  std::vector<uint8_t> reply_;  // the bytes judged good
  bool waiting_ = false;
  ReplyState replyState_ = ReplyState::None;

  std::chrono::steady_clock::time_point handshakeDeadline_{};  // with handshakeGiveUp
  std::atomic<int> ticks_{0};
  std::atomic<uint64_t> received_{0};  // bytes received in all
  std::atomic<bool> cancel_{false};
  std::atomic<int> handshake_{kPending};
  std::atomic<int> progress_{0};
  std::atomic<bool> stop_{false};  // ends the clock and reader threads

  AutoResetEvent receiveEvent_;    // a reply was judged, or the clock woke the sender
  AutoResetEvent handshakeEvent_;  // the handshake was answered or given up
  PauseGate gate_;

  std::mutex stopMutex_;
  std::condition_variable stopCv_;

  mutable std::mutex resultMutex_;
  std::condition_variable resultCv_;
  TransferResult result_;
  bool started_ = false;
  bool finished_ = false;

  std::mutex joinMutex_;
  std::thread worker_;
  std::thread retry_;
  std::thread clock_;
  std::thread reader_;
};

}  // namespace tavo::link
