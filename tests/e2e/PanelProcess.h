#pragma once

// Runs the built `tavo-panel` for a test: starts it, reads the path of its
// pseudo-terminal, and stops it again within bounded time.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <optional>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace tavo::test {

class PanelProcess {
 public:
  static std::string Binary() { return std::string(TAVO_BIN_DIR) + "/tavo-panel"; }

  // Starts the panel with `args`; false when it cannot be started.
  bool Start(const std::vector<std::string>& args) {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    std::vector<std::string> all{Binary()};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : all) argv.push_back(a.data());
    argv.push_back(nullptr);
    int rc = ::posix_spawn(&pid_, all[0].c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(fds[1]);
    out_ = fds[0];
    if (rc != 0) pid_ = -1;
    return rc == 0;
  }

  // Starts a panel that keeps its memory in `memoryFile` and ends after one
  // download, with `extra` arguments; its pseudo-terminal, or nullopt when it
  // did not start or name one.
  std::optional<std::string> StartForDownload(const std::string& memoryFile,
                                              std::vector<std::string> extra = {}) {
    extra.insert(extra.begin(), {"--memory", memoryFile, "--once"});
    if (!Start(extra)) return std::nullopt;
    return ReadLine();
  }

  // The first line the panel prints (its pseudo-terminal), within the timeout.
  std::optional<std::string> ReadLine(std::chrono::milliseconds timeout = std::chrono::seconds(5)) {
    std::string line;
    auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
      pollfd p{out_, POLLIN, 0};
      if (::poll(&p, 1, 50) <= 0) continue;
      char c;
      if (::read(out_, &c, 1) != 1) return std::nullopt;
      if (c == '\n') return line;
      line += c;
    }
    return std::nullopt;
  }

  void Signal(int sig) {
    if (pid_ > 0) ::kill(pid_, sig);
  }

  // The exit status, or nullopt when it has not ended within the timeout (it
  // is then killed).
  std::optional<int> WaitExit(std::chrono::milliseconds timeout = std::chrono::seconds(5)) {
    if (pid_ <= 0) return std::nullopt;
    auto deadline = std::chrono::steady_clock::now() + timeout;
    int status = 0;
    while (std::chrono::steady_clock::now() < deadline) {
      pid_t r = ::waitpid(pid_, &status, WNOHANG);
      if (r == pid_) {
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    Kill();
    return std::nullopt;
  }

  ~PanelProcess() {
    Kill();
    if (out_ >= 0) ::close(out_);
  }

 private:
  void Kill() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
    pid_ = -1;
  }

  pid_t pid_ = -1;
  int out_ = -1;
};

}  // namespace tavo::test
