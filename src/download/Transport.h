#pragma once

// The serial line to the panel as the transfer sees it. The transfer never
// calls the operating system itself: the termios adapter serves real ports and
// pseudo-terminals, an in-process panel serves tests and dry runs.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>

namespace tavo::link {

class Transport {
 public:
  using Clock = std::chrono::steady_clock;

  virtual ~Transport() = default;

  // Opens the line at 115200 baud, 8 data bits, no parity, 1 stop bit, raw,
  // and drops any input already pending. False when it cannot be opened.
  virtual bool Open() = 0;
  virtual void Close() = 0;
  virtual bool IsOpen() const = 0;

  // Reads up to `max` bytes, waiting until at least one byte is there or the
  // deadline has passed. Returns the count (0 at the deadline), -1 when the
  // line has failed for good. May be called from another thread than Write.
  virtual long Read(uint8_t* buffer, size_t max, Clock::time_point deadline) = 0;

  // Writes every byte; false on failure.
  virtual bool Write(const uint8_t* data, size_t size) = 0;

  // Drives the RTS line. A line without RTS (a pseudo-terminal) is not a
  // failure; false only when the line itself has failed.
  virtual bool SetRts(bool on) = 0;

  // The port's name for messages (a device path).
  virtual std::string Name() const = 0;
};

}  // namespace tavo::link
