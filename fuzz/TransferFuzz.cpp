// The download's transfer session against a line whose panel replies with
// the fuzzer's bytes: every frame sent is answered with the next piece of
// them (or nothing once they run out). The session must end, with one of its
// outcomes, whatever comes back.
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>

#include "FuzzSupport.h"
#include "download/RunDownload.h"
#include "download/Transport.h"

namespace {

using namespace tavo::link;

class ReplyingLine : public Transport {
 public:
  ReplyingLine(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  bool Open() override { return open_ = true; }
  void Close() override { open_ = false; }
  bool IsOpen() const override { return open_; }
  long Read(uint8_t* buffer, size_t max, Clock::time_point deadline) override {
    std::unique_lock lock(mutex_);
    cv_.wait_until(lock, deadline, [&] { return !pending_.empty() || !open_; });
    if (!open_) return -1;
    size_t n = 0;
    while (n < max && !pending_.empty()) {
      buffer[n++] = pending_.front();
      pending_.pop_front();
    }
    return static_cast<long>(n);
  }
  bool Write(const uint8_t*, size_t) override {
    {
      std::lock_guard lock(mutex_);
      if (at_ < size_) {
        const size_t piece = data_[at_++] % 24;
        for (size_t i = 0; i < piece && at_ < size_; ++i) pending_.push_back(data_[at_++]);
      }
    }
    cv_.notify_all();
    return true;
  }
  bool SetRts(bool) override { return true; }
  std::string Name() const override { return "fuzz"; }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t at_ = 0;
  std::atomic<bool> open_{false};
  std::mutex mutex_;
  std::condition_variable cv_;
  std::deque<uint8_t> pending_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ReplyingLine line(data, size);
  TransferOptions options;
  options.tick = std::chrono::microseconds(100);
  options.noResponseGiveUp = std::chrono::milliseconds(5);
  std::vector<uint8_t> image(300), driver(200);
  for (size_t i = 0; i < image.size(); ++i) image[i] = static_cast<uint8_t>(i);
  TransferCallbacks quiet{[](int) {}, [](const TransferMessage&) {}};
  const TransferResult r = RunDownload(image, driver, options, line, quiet);
  tavo::fuzz::Require(r.outcome != TransferOutcome::Running);
  return 0;
}
