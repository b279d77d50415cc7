#pragma once

// Runs the built `tavo` for a test: its standard output and error are
// collected, its standard input is /dev/null or a given descriptor (a
// terminal, for the questions), and every wait has a deadline after which the
// process is killed.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace tavo::test {

class CommandProcess {
 public:
  using Clock = std::chrono::steady_clock;

  static std::string Binary() { return std::string(TAVO_BIN_DIR) + "/tavo"; }

  // Starts `tavo args...`; standard input is `stdinFd` or /dev/null when -1.
  bool Start(const std::vector<std::string>& args, int stdinFd = -1) {
    int out[2], err[2];
    if (::pipe2(out, O_CLOEXEC) != 0) return false;
    if (::pipe2(err, O_CLOEXEC) != 0) {
      ::close(out[0]);
      ::close(out[1]);
      return false;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (stdinFd >= 0)
      posix_spawn_file_actions_adddup2(&actions, stdinFd, STDIN_FILENO);
    else
      posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, err[1], STDERR_FILENO);
    std::vector<std::string> all{Binary()};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : all) argv.push_back(a.data());
    argv.push_back(nullptr);
    const int rc = ::posix_spawn(&pid_, all[0].c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    ::close(err[1]);
    out_ = out[0];
    err_ = err[0];
    if (rc != 0) pid_ = -1;
    return rc == 0;
  }

  // Collects output until `done(stderr)` holds or the timeout passes; true
  // when it held.
  bool WaitForError(const std::function<bool(const std::string&)>& done,
                    std::chrono::milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    while (!done(err)) {
      if (Clock::now() >= deadline || !Pump(std::chrono::milliseconds(20))) return done(err);
    }
    return true;
  }
  bool WaitForError(const std::string& text, std::chrono::milliseconds timeout) {
    return WaitForError([&](const std::string& e) { return e.find(text) != std::string::npos; },
                        timeout);
  }

  void Signal(int sig) {
    if (pid_ > 0) ::kill(pid_, sig);
  }

  // The exit status (128 + signal when killed by one), or nullopt when the
  // command has not ended within the timeout: it is then killed.
  std::optional<int> WaitExit(std::chrono::milliseconds timeout) {
    if (pid_ <= 0) return std::nullopt;
    const auto deadline = Clock::now() + timeout;
    for (;;) {
      int status = 0;
      if (::waitpid(pid_, &status, WNOHANG) == pid_) {
        pid_ = -1;
        while (Pump(std::chrono::milliseconds(0))) {
        }
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
      }
      if (Clock::now() >= deadline) break;
      if (!Pump(std::chrono::milliseconds(5)))
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    Kill();
    return std::nullopt;
  }

  ~CommandProcess() {
    Kill();
    if (out_ >= 0) ::close(out_);
    if (err_ >= 0) ::close(err_);
  }

  std::string out;  // standard output so far
  std::string err;  // standard error so far

 private:
  // Reads what is there within `wait`; false once both pipes have ended.
  bool Pump(std::chrono::milliseconds wait) {
    pollfd fds[2] = {{out_, POLLIN, 0}, {err_, POLLIN, 0}};
    if (out_ < 0 && err_ < 0) return false;
    if (::poll(fds, 2, static_cast<int>(wait.count())) <= 0) return true;
    ReadFrom(out_, fds[0].revents, out);
    ReadFrom(err_, fds[1].revents, err);
    return out_ >= 0 || err_ >= 0;
  }

  static void ReadFrom(int& fd, short revents, std::string& into) {
    if (fd < 0 || !(revents & (POLLIN | POLLHUP | POLLERR))) return;
    char buffer[4096];
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n > 0) {
      into.append(buffer, static_cast<size_t>(n));
    } else {
      ::close(fd);
      fd = -1;
    }
  }

  void Kill() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
    pid_ = -1;
  }

  pid_t pid_ = -1;
  int out_ = -1;
  int err_ = -1;
};

}  // namespace tavo::test
