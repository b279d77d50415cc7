#pragma once

// A panel inside the calling process behind the transport interface: a dry
// run of a download without a serial line. Frames written to it are answered
// at once (or after a set delay); tests can watch every frame and RTS change.

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "download/Transport.h"
#include "panel/PanelProtocol.h"

namespace tavo::panel {

class InProcessPanel : public link::Transport {
 public:
  explicit InProcessPanel(PanelConfig config = {});

  bool Open() override;
  void Close() override;
  bool IsOpen() const override;
  long Read(uint8_t* buffer, size_t max, Clock::time_point deadline) override;
  bool Write(const uint8_t* data, size_t size) override;
  bool SetRts(bool on) override;
  std::string Name() const override { return "in-process panel"; }

  // --- For tests. ---
  // Open() fails.
  void FailOpen(bool fail);
  // Replies are held back this long before they can be read.
  void SetReplyDelay(std::chrono::microseconds delay);
  // Sees every write and the panel's reply to it; may change the reply.
  using ReplyFilter =
      std::function<void(const std::vector<uint8_t>& written, std::vector<uint8_t>& reply)>;
  void SetReplyFilter(ReplyFilter filter);

  std::vector<uint8_t> Memory() const;
  PanelStats Stats() const;
  std::vector<std::vector<uint8_t>> Written() const;  // every Write, in order
  std::vector<bool> RtsChanges() const;
  int ResetPulses() const;  // RTS set and cleared again

 private:
  mutable std::mutex mutex_;
  std::condition_variable cv_;
  PanelProtocol panel_;
  bool open_ = false;
  bool failOpen_ = false;
  std::chrono::microseconds delay_{0};
  ReplyFilter filter_;
  struct Pending {
    Clock::time_point due;
    std::vector<uint8_t> bytes;
  };
  std::deque<Pending> replies_;
  std::vector<std::vector<uint8_t>> written_;
  std::vector<bool> rts_;
};

}  // namespace tavo::panel
