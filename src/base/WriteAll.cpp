#include "base/WriteAll.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace tavo {

int WriteAll(int fd, const uint8_t* data, size_t size, std::chrono::milliseconds stall) {
  using Clock = std::chrono::steady_clock;
  const bool bounded = stall != std::chrono::milliseconds::max();
  auto deadline = bounded ? Clock::now() + stall : Clock::time_point::max();
  size_t done = 0;
  while (done < size) {
    const ssize_t n = ::write(fd, data + done, size - done);
    if (n > 0) {
      done += static_cast<size_t>(n);
      if (bounded) deadline = Clock::now() + stall;
      continue;
    }
    if (n == 0) return EIO;
    if (errno == EINTR) continue;
    if (errno != EAGAIN && errno != EWOULDBLOCK) return errno;
    int wait = -1;
    if (bounded) {
      const auto left =
          std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
      if (left <= 0) return ETIMEDOUT;
      wait = static_cast<int>(std::min<long long>(left, 1000));
    }
    pollfd p{fd, POLLOUT, 0};
    if (::poll(&p, 1, wait) < 0 && errno != EINTR) return errno;
  }
  return 0;
}

}  // namespace tavo
