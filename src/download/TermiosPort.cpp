#include "download/TermiosPort.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "base/WriteAll.h"

namespace tavo::link {

namespace {

// A write that makes no progress for this long means the line is stuck.
constexpr auto kWriteStall = std::chrono::seconds(2);

int MillisUntil(Transport::Clock::time_point deadline) {
  auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Transport::Clock::now());
  if (left.count() <= 0) return 0;
  return left.count() > 1000000 ? 1000000 : static_cast<int>(left.count());
}

}  // namespace

bool MakeRawLine(int fd) {
  termios tio{};
  if (tcgetattr(fd, &tio) != 0) return false;
  cfmakeraw(&tio);
  tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB | CRTSCTS);
  tio.c_cflag |= CS8 | CLOCAL | CREAD;
  tio.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
  tio.c_cc[VMIN] = 0;
  tio.c_cc[VTIME] = 0;
  cfsetispeed(&tio, B115200);
  cfsetospeed(&tio, B115200);
  return tcsetattr(fd, TCSANOW, &tio) == 0;
}

TermiosPort::TermiosPort(std::string device) : device_(std::move(device)) {}

TermiosPort::~TermiosPort() {
  Close();
}

bool TermiosPort::Open() {
  Close();
  int fd = ::open(device_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    error_ = std::strerror(errno);
    return false;
  }
  if (!MakeRawLine(fd)) {
    error_ = std::strerror(errno);
    ::close(fd);
    return false;
  }
  tcflush(fd, TCIOFLUSH);
  fd_ = fd;
  return true;
}

void TermiosPort::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

long TermiosPort::Read(uint8_t* buffer, size_t max, Clock::time_point deadline) {
  if (fd_ < 0) return -1;
  for (;;) {
    ssize_t n = ::read(fd_, buffer, max);
    if (n > 0) return n;
    if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) return -1;
    int wait = MillisUntil(deadline);
    if (wait == 0) return 0;
    pollfd p{fd_, POLLIN, 0};
    int r = ::poll(&p, 1, wait);
    if (r < 0 && errno != EINTR) return -1;
    // A hang-up with nothing left to read: the other end has gone.
    if (r > 0 && (p.revents & (POLLERR | POLLNVAL))) return -1;
    if (r > 0 && (p.revents & POLLHUP) && !(p.revents & POLLIN)) return -1;
  }
}

bool TermiosPort::Write(const uint8_t* data, size_t size) {
  return fd_ >= 0 && WriteAll(fd_, data, size, kWriteStall) == 0;
}

bool TermiosPort::SetRts(bool on) {
  if (fd_ < 0) return false;
  int bits = TIOCM_RTS;
  if (::ioctl(fd_, on ? TIOCMBIS : TIOCMBIC, &bits) == 0) return true;
  // Pseudo-terminals and some adapters have no modem lines.
  return errno == ENOTTY || errno == EINVAL || errno == ENOTSUP;
}

}  // namespace tavo::link
