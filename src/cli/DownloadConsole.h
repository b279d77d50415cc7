#pragma once

// What `tavo download` shows and asks on the console while a transfer runs:
// the progress bar on stderr and the cancel question after Ctrl+C.

#include <cstdio>
#include <mutex>
#include <optional>
#include <string>

#include "base/Prompter.h"

namespace tavo::cli {

// The progress of a transfer on one stream. On a terminal one line is redrawn
// with "\r" as the position changes; otherwise a plain line is written at the
// start and whenever another quarter of the range is passed, so a log holds a
// few lines instead of thousands.
class ProgressLine {
 public:
  ProgressLine(std::FILE* out, bool terminal, int range);

  void Update(int position);
  // Ends a drawn bar's line so that a message can start on a line of its own;
  // the next Update draws the bar again below it.
  void Break();

 private:
  void Draw(int percent);

  std::mutex mutex_;
  std::FILE* out_;
  bool terminal_;
  int range_;
  int shownPercent_ = -1;  // percent of the bar on screen or of the last plain line
  int shownQuarter_ = -1;
  bool lineOpen_ = false;  // a terminal bar is on the current line
};

// While it exists, Ctrl+C (SIGINT) no longer ends the program: each press is
// counted and wakes Wait(). One watch at a time.
class InterruptWatch {
 public:
  InterruptWatch();
  ~InterruptWatch();
  InterruptWatch(const InterruptWatch&) = delete;
  InterruptWatch& operator=(const InterruptWatch&) = delete;

  // Presses since the watch began.
  int Presses() const;
  // A descriptor that becomes readable at each press (see Drain()).
  int WakeDescriptor() const;
  void Drain();
};

// Keeps SIGINT away from the threads started within its scope (they inherit
// the blocked mask), so that a press interrupts the main thread's waits.
class InterruptsBlocked {
 public:
  InterruptsBlocked();
  ~InterruptsBlocked();
  InterruptsBlocked(const InterruptsBlocked&) = delete;
  InterruptsBlocked& operator=(const InterruptsBlocked&) = delete;

 private:
  bool restore_ = false;
};

// The reading of an answer to an OK/Cancel question typed on the terminal:
// true for OK, false for Cancel, nullopt when it is neither.
std::optional<bool> ParseOkCancelAnswer(const std::string& line);

// Asks the cancel question during a transfer. On a terminal the answer is
// read from `inFd`; a further Ctrl+C while the question waits answers OK at
// once. Without a terminal the question is answered OK (the download is
// cancelled: the user pressed Ctrl+C and nobody can answer). Messages go to
// stderr as "caption: text".
class CancelQuestion : public SilentPrompter {
 public:
  CancelQuestion(InterruptWatch& watch, int inFd, bool interactive);

  void Message(const std::string& text, const std::string& caption, MessageIcon icon) override;
  bool OkCancel(const std::string& text, const std::string& caption) override;

 private:
  // One line from the terminal; nullopt when a press or the end of the input
  // came first.
  std::optional<std::string> ReadAnswer(int pressesBefore);

  InterruptWatch& watch_;
  int inFd_;
  bool interactive_;
};

}  // namespace tavo::cli
