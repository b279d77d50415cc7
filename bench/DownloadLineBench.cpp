// Wall time of a download against the time its bytes need on the line.
//
// The panel is the built `tavo-panel --pace`, which takes frames and sends
// replies at the pace of a 115200-baud 8N1 line (10 bits a byte), over a
// pseudo-terminal. The image is the largest one the panel holds (32,767
// bytes); the driver, when sent, is 16 KiB.
//
// Counters: wire_s = bytes out and back x 10 bits / 115200 baud; wall_s = the
// measured transfer from opening the port to the acknowledged validity mark;
// ratio = wall_s / wire_s (1.0 would be a line that never stands idle).
#include <benchmark/benchmark.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "base/DataFiles.h"
#include "download/LinkConstants.h"
#include "download/RunDownload.h"
#include "download/TermiosPort.h"

extern char** environ;

namespace {

using namespace tavo;

constexpr size_t kImageSize = 32767;
constexpr size_t kDriverSize = 16384;
constexpr double kBaud = 115200;
constexpr double kBitsPerByte = 10;

// The paced panel on its own pseudo-terminal.
class Panel {
 public:
  explicit Panel(const std::vector<std::string>& extra) {
    int fds[2];
    if (::pipe(fds) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    std::vector<std::string> args{ExecutableDir() + "/tavo-panel", "--pace"};
    args.insert(args.end(), extra.begin(), extra.end());
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    if (::posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
    ::close(fds[1]);
    char c;
    pollfd p{fds[0], POLLIN, 0};
    while (pid_ > 0 && ::poll(&p, 1, 5000) > 0 && ::read(fds[0], &c, 1) == 1 && c != '\n')
      device_ += c;
    ::close(fds[0]);
  }
  ~Panel() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGTERM);
    ::waitpid(pid_, nullptr, 0);
  }
  const std::string& Device() const { return device_; }

 private:
  pid_t pid_ = -1;
  std::string device_;
};

// Bytes on the line both ways for one exchange of a frame of `length` bytes.
size_t Exchange(size_t length, size_t reply = link::kAckLength) {
  return length + reply;
}

size_t BlockBytes(size_t size) {
  size_t total = 0;
  for (size_t done = 0; done < size; done += link::kBlockSize)
    total += Exchange(link::kWriteOverhead + std::min(link::kBlockSize, size - done));
  return total;
}

void BM_Download(benchmark::State& state) {
  const bool sendDriver = state.range(0) != 0;
  std::vector<uint8_t> image(kImageSize), driver(kDriverSize);
  for (size_t i = 0; i < image.size(); ++i) image[i] = static_cast<uint8_t>(i * 7 + (i >> 8));
  for (size_t i = 0; i < driver.size(); ++i) driver[i] = static_cast<uint8_t>(i * 3 + 1);
  image[0] = image[1] = 0xFF;

  size_t wireBytes =
      Exchange(link::kHandshakeLength) + Exchange(link::kQueryLength, link::kQueryReplyLength) +
      Exchange(link::kChallengeLength) + Exchange(link::kWriteOverhead + link::kBlockSize) +
      BlockBytes(kImageSize) + Exchange(link::kWriteOverhead + link::kValidityMark.size());
  if (sendDriver) wireBytes += BlockBytes(kDriverSize);
  const double wire = static_cast<double>(wireBytes) * kBitsPerByte / kBaud;

  double wall = 0;
  for (auto _ : state) {
    Panel panel({"--protocol", "5", "--driver-version", "1"});
    link::TermiosPort port(panel.Device());
    link::TransferOptions options;
    options.protocol = sendDriver ? 6 : 5;
    options.driverVersion = 1;
    options.noResponseGiveUp = std::chrono::seconds(5);
    const auto start = std::chrono::steady_clock::now();
    const link::TransferResult r =
        link::RunDownload(image, driver, options, port, {{}, [](const link::TransferMessage&) {}});
    wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (r.outcome != link::TransferOutcome::Completed || r.driverSent != sendDriver)
      state.SkipWithError("the download did not complete as planned");
    state.SetIterationTime(wall);
  }
  state.counters["wire_s"] = wire;
  state.counters["wall_s"] = wall;
  state.counters["ratio"] = wall / wire;
}

BENCHMARK(BM_Download)
    ->ArgName("driver")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseManualTime();

}  // namespace

BENCHMARK_MAIN();
