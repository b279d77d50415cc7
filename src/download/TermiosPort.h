#pragma once

// A serial device (or pseudo-terminal) opened through termios.

#include <string>

#include "download/Transport.h"

namespace tavo::link {

class TermiosPort : public Transport {
 public:
  explicit TermiosPort(std::string device);
  ~TermiosPort() override;
  TermiosPort(const TermiosPort&) = delete;
  TermiosPort& operator=(const TermiosPort&) = delete;

  bool Open() override;
  void Close() override;
  bool IsOpen() const override { return fd_ >= 0; }
  long Read(uint8_t* buffer, size_t max, Clock::time_point deadline) override;
  bool Write(const uint8_t* data, size_t size) override;
  bool SetRts(bool on) override;
  std::string Name() const override { return device_; }

  // Why the last Open failed (strerror text), for diagnostics.
  const std::string& LastError() const { return error_; }

 private:
  std::string device_;
  int fd_ = -1;
  std::string error_;
};

// Puts an open terminal into raw 115200 8N1 mode without flow control.
// False (errno set) when the descriptor is not a terminal.
bool MakeRawLine(int fd);

}  // namespace tavo::link
