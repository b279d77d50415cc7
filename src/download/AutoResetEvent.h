#pragma once

// The synchronisation objects of a transfer: an auto-reset event (one waiter
// is released per signal, the signal then clears itself) and the pause gate
// the worker passes after every exchange.

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace tavo::link {

class AutoResetEvent {
 public:
  void Set() {
    {
      std::lock_guard lock(mutex_);
      signalled_ = true;
    }
    cv_.notify_one();
  }
  void Reset() {
    std::lock_guard lock(mutex_);
    signalled_ = false;
  }
  void Wait() {
    std::unique_lock lock(mutex_);
    cv_.wait(lock, [this] { return signalled_; });
    signalled_ = false;
  }
  // True when signalled within the timeout.
  template <class Rep, class Period>
  bool WaitFor(std::chrono::duration<Rep, Period> timeout) {
    std::unique_lock lock(mutex_);
    if (!cv_.wait_for(lock, timeout, [this] { return signalled_; })) return false;
    signalled_ = false;
    return true;
  }

 private:
  std::mutex mutex_;
  std::condition_variable cv_;
  bool signalled_ = false;
};

// Closed while the user is asked whether to cancel: the worker then waits at
// its next pass. Release() opens it for good so that a closing session never
// leaves the worker waiting here.
class PauseGate {
 public:
  void Close() {
    std::lock_guard lock(mutex_);
    closed_ = true;
  }
  void Open() {
    {
      std::lock_guard lock(mutex_);
      closed_ = false;
    }
    cv_.notify_all();
  }
  void Release() {
    {
      std::lock_guard lock(mutex_);
      released_ = true;
    }
    cv_.notify_all();
  }
  void Pass() {
    std::unique_lock lock(mutex_);
    if (!closed_ || released_) return;
    ++held_;
    heldCv_.notify_all();
    cv_.wait(lock, [this] { return !closed_ || released_; });
    --held_;
  }
  // True once a worker waits at the closed gate, within the timeout.
  template <class Rep, class Period>
  bool WaitUntilHeld(std::chrono::duration<Rep, Period> timeout) {
    std::unique_lock lock(mutex_);
    return heldCv_.wait_for(lock, timeout, [this] { return held_ > 0; });
  }
  bool IsClosed() {
    std::lock_guard lock(mutex_);
    return closed_ && !released_;
  }

 private:
  std::mutex mutex_;
  std::condition_variable cv_;
  std::condition_variable heldCv_;
  int held_ = 0;  // workers waiting at the gate
  bool closed_ = false;
  bool released_ = false;
};

}  // namespace tavo::link
