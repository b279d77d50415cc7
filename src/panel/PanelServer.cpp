#include "panel/PanelServer.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fstream>
#include <thread>

#include "base/SafeFile.h"
#include "base/WriteAll.h"
#include "download/TermiosPort.h"

namespace tavo::panel {

namespace {

using Clock = std::chrono::steady_clock;

// One byte on a 115200-baud 8N1 line: start bit, 8 data bits, stop bit.
constexpr auto kByteTime = std::chrono::nanoseconds(10 * 1000000000LL / 115200);
// A frame whose bytes stop arriving for this long is dropped.
constexpr auto kFrameGap = std::chrono::milliseconds(100);
// How long poll waits before the loop looks at the signal flags.
constexpr int kPollMillis = 50;
// A reply the other end does not take within this long is dropped.
constexpr auto kWriteStall = std::chrono::seconds(1);
// With --once, the longest wait after the transfer for the editor to close the line.
constexpr auto kOnceLinger = std::chrono::seconds(2);

volatile sig_atomic_t g_stop = 0;
volatile sig_atomic_t g_save = 0;

void OnStop(int) {
  g_stop = 1;
}
void OnSave(int) {
  g_save = 1;
}

void InstallSignals() {
  struct sigaction sa {};
  sigemptyset(&sa.sa_mask);
  sa.sa_handler = OnStop;
  sigaction(SIGINT, &sa, nullptr);
  sigaction(SIGTERM, &sa, nullptr);
  sigaction(SIGHUP, &sa, nullptr);
  sa.sa_handler = OnSave;
  sigaction(SIGUSR1, &sa, nullptr);
  sa.sa_handler = SIG_IGN;
  sigaction(SIGPIPE, &sa, nullptr);
}

bool WriteReply(int fd, const uint8_t* data, size_t size) {
  return WriteAll(fd, data, size, kWriteStall) == 0;
}

bool SendReply(int fd, const std::vector<uint8_t>& reply, bool pace) {
  if (!pace) return WriteReply(fd, reply.data(), reply.size());
  auto next = Clock::now();
  for (uint8_t b : reply) {
    std::this_thread::sleep_until(next);
    if (!WriteReply(fd, &b, 1)) return false;
    next += kByteTime;
  }
  return true;
}

// A pseudo-terminal whose far end the editor opens. While no editor has it
// open the panel holds the far end itself, so that the near end does not
// report a hang-up; once the editor has sent something the panel lets go,
// and the next hang-up tells it the editor has closed the line.
struct Pty {
  int master = -1;
  int hold = -1;
  std::string path;

  bool Hold() {
    if (hold >= 0) return true;
    hold = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    return hold >= 0 && link::MakeRawLine(hold);
  }
  void LetGo() {
    if (hold >= 0) ::close(hold);
    hold = -1;
  }
  ~Pty() {
    LetGo();
    if (master >= 0) ::close(master);
  }
};

bool OpenPty(Pty& pty, std::string& error) {
  pty.master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (pty.master < 0 || ::grantpt(pty.master) != 0 || ::unlockpt(pty.master) != 0) {
    error = std::string("cannot create a pseudo-terminal: ") + std::strerror(errno);
    return false;
  }
  char name[256];
  if (::ptsname_r(pty.master, name, sizeof name) != 0) {
    error = std::string("ptsname: ") + std::strerror(errno);
    return false;
  }
  pty.path = name;
  if (!pty.Hold()) {
    error = pty.path + ": " + std::strerror(errno);
    return false;
  }
  int flags = ::fcntl(pty.master, F_GETFL);
  ::fcntl(pty.master, F_SETFL, flags | O_NONBLOCK);
  return true;
}

}  // namespace

bool ReadMemoryFile(const std::string& path, std::vector<uint8_t>& memory, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = path + ": cannot be read";
    return false;
  }
  std::vector<uint8_t> data(link::kPanelMemorySize + 1);
  in.read(reinterpret_cast<char*>(data.data()), static_cast<std::streamsize>(data.size()));
  if (static_cast<size_t>(in.gcount()) != link::kPanelMemorySize) {
    error = path + ": a panel memory file holds exactly 65536 bytes";
    return false;
  }
  data.resize(link::kPanelMemorySize);
  memory = std::move(data);
  return true;
}

bool WriteMemoryFile(const std::string& path, const std::vector<uint8_t>& memory,
                     std::string& error) {
  // Saved like a project: the old file stays whole until the new one is.
  if (int err = WriteFileSafely(path, memory); err != 0) {
    error = path + ": " + std::strerror(err);
    return false;
  }
  return true;
}

int RunPanelServer(const PanelOptions& options, std::FILE* out, std::FILE* err) {
  PanelProtocol panel(options.config);
  std::string error;
  if (!options.loadFile.empty()) {
    std::vector<uint8_t> memory;
    if (!ReadMemoryFile(options.loadFile, memory, error)) {
      std::fprintf(err, "tavo-panel: %s\n", error.c_str());
      return 1;
    }
    panel.LoadMemory(memory);
  }

  // Before the path is printed: whoever reads it may ask for a save or a stop
  // at once, and an unhandled SIGUSR1 would end the panel.
  InstallSignals();
  Pty pty;
  int fd = -1;
  if (options.device.empty()) {
    if (!OpenPty(pty, error)) {
      std::fprintf(err, "tavo-panel: %s\n", error.c_str());
      return 1;
    }
    fd = pty.master;
    std::fprintf(out, "%s\n", pty.path.c_str());
    std::fflush(out);
  } else {
    fd = ::open(options.device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0 || !link::MakeRawLine(fd)) {
      std::fprintf(err, "tavo-panel: %s: %s\n", options.device.c_str(), std::strerror(errno));
      if (fd >= 0) ::close(fd);
      return 1;
    }
  }
  const bool ownPty = options.device.empty();

  auto save = [&] {
    if (options.memoryFile.empty()) return true;
    if (WriteMemoryFile(options.memoryFile, panel.Memory(), error)) return true;
    std::fprintf(err, "tavo-panel: %s\n", error.c_str());
    return false;
  };

  int status = 0;
  bool complete = false;  // with --once: a transfer has completed
  auto completedAt = Clock::now();
  auto lastByte = Clock::now();
  auto lineFree = Clock::now();  // when the bytes read so far have all crossed the line
  uint8_t buffer[512];
  while (!g_stop) {
    if (g_save) {
      g_save = 0;
      save();
    }
    if (complete && (!ownPty || Clock::now() - completedAt > kOnceLinger)) break;
    pollfd p{fd, POLLIN, 0};
    int r = ::poll(&p, 1, kPollMillis);
    if (r < 0) {
      if (errno == EINTR) continue;
      std::fprintf(err, "tavo-panel: poll: %s\n", std::strerror(errno));
      status = 1;
      break;
    }
    if (r == 0) {
      if (panel.HasPartialFrame() && Clock::now() - lastByte > kFrameGap) panel.DropPartialFrame();
      continue;
    }
    ssize_t n = (p.revents & POLLIN) ? ::read(fd, buffer, sizeof buffer) : -1;
    if (n < 0 && (errno == EAGAIN || errno == EINTR)) continue;
    if (n <= 0) {
      // On our own terminal: the editor has closed its end.
      if (ownPty) {
        if (complete) break;
        panel.DropPartialFrame();
        if (pty.Hold()) continue;
      }
      std::fprintf(err, "tavo-panel: the line has closed\n");
      status = 1;
      break;
    }
    if (ownPty) pty.LetGo();
    lastByte = Clock::now();
    if (options.pace) {
      // A pseudo-terminal hands over a whole frame at once; on a real line its
      // bytes arrive one byte time apart, and the panel can answer only after
      // the last one.
      lineFree = std::max(lineFree, lastByte) + n * kByteTime;
      std::this_thread::sleep_until(lineFree);
    }
    int marks = panel.Stats().marks;
    auto reply = panel.Receive(std::span(buffer, static_cast<size_t>(n)));
    if (!reply.empty() && !SendReply(fd, reply, options.pace))
      std::fprintf(err, "tavo-panel: a reply could not be sent\n");
    if (panel.Stats().marks > marks) {
      std::fprintf(err, "tavo-panel: transfer complete (%d writes)\n", panel.Stats().writes);
      if (options.once && !complete) {
        // Leave when the editor has taken the last reply and closed the line.
        complete = true;
        completedAt = Clock::now();
      }
    }
  }

  if (!save()) status = 1;
  if (!ownPty) {
    ::tcdrain(fd);
    ::close(fd);
  }
  return status;
}

}  // namespace tavo::panel
