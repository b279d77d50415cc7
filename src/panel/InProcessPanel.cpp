#include "panel/InProcessPanel.h"

#include <algorithm>
#include <cstring>

namespace tavo::panel {

InProcessPanel::InProcessPanel(PanelConfig config) : panel_(config) {}

bool InProcessPanel::Open() {
  std::lock_guard lock(mutex_);
  if (failOpen_) return false;
  open_ = true;
  replies_.clear();
  return true;
}

void InProcessPanel::Close() {
  {
    std::lock_guard lock(mutex_);
    open_ = false;
  }
  cv_.notify_all();
}

bool InProcessPanel::IsOpen() const {
  std::lock_guard lock(mutex_);
  return open_;
}

long InProcessPanel::Read(uint8_t* buffer, size_t max, Clock::time_point deadline) {
  std::unique_lock lock(mutex_);
  for (;;) {
    if (!open_) return -1;
    auto now = Clock::now();
    if (!replies_.empty() && replies_.front().due <= now) {
      Pending& front = replies_.front();
      size_t n = std::min(max, front.bytes.size());
      std::memcpy(buffer, front.bytes.data(), n);
      front.bytes.erase(front.bytes.begin(), front.bytes.begin() + static_cast<long>(n));
      if (front.bytes.empty()) replies_.pop_front();
      return static_cast<long>(n);
    }
    if (now >= deadline) return 0;
    auto until = deadline;
    if (!replies_.empty()) until = std::min(until, replies_.front().due);
    cv_.wait_until(lock, until);
  }
}

bool InProcessPanel::Write(const uint8_t* data, size_t size) {
  {
    std::lock_guard lock(mutex_);
    if (!open_) return false;
    std::vector<uint8_t> written(data, data + size);
    std::vector<uint8_t> reply = panel_.Receive(written);
    if (filter_) filter_(written, reply);
    written_.push_back(std::move(written));
    if (!reply.empty()) replies_.push_back({Clock::now() + delay_, std::move(reply)});
  }
  cv_.notify_all();
  return true;
}

bool InProcessPanel::SetRts(bool on) {
  std::lock_guard lock(mutex_);
  rts_.push_back(on);
  return open_;
}

void InProcessPanel::FailOpen(bool fail) {
  std::lock_guard lock(mutex_);
  failOpen_ = fail;
}

void InProcessPanel::SetReplyDelay(std::chrono::microseconds delay) {
  std::lock_guard lock(mutex_);
  delay_ = delay;
}

void InProcessPanel::SetReplyFilter(ReplyFilter filter) {
  std::lock_guard lock(mutex_);
  filter_ = std::move(filter);
}

std::vector<uint8_t> InProcessPanel::Memory() const {
  std::lock_guard lock(mutex_);
  return panel_.Memory();
}

PanelStats InProcessPanel::Stats() const {
  std::lock_guard lock(mutex_);
  return panel_.Stats();
}

std::vector<std::vector<uint8_t>> InProcessPanel::Written() const {
  std::lock_guard lock(mutex_);
  return written_;
}

std::vector<bool> InProcessPanel::RtsChanges() const {
  std::lock_guard lock(mutex_);
  return rts_;
}

int InProcessPanel::ResetPulses() const {
  std::lock_guard lock(mutex_);
  int pulses = 0;
  for (size_t i = 1; i < rts_.size(); ++i)
    if (rts_[i - 1] && !rts_[i]) ++pulses;
  return pulses;
}

}  // namespace tavo::panel
