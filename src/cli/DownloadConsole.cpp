#include "cli/DownloadConsole.h"

#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cerrno>

#include "download/TransferTexts.h"

namespace tavo::cli {

namespace {

constexpr int kBarWidth = 30;
constexpr int kQuarters = 4;
// Longest answer line kept; the rest of a longer line is dropped.
constexpr size_t kAnswerLimit = 64;

volatile sig_atomic_t g_presses = 0;
int g_wakeRead = -1;
int g_wakeWrite = -1;
struct sigaction g_previous {};

void OnInterrupt(int) {
  const int saved = errno;
  g_presses = g_presses + 1;
  if (g_wakeWrite >= 0) {
    const char c = 1;
    [[maybe_unused]] ssize_t n = ::write(g_wakeWrite, &c, 1);
  }
  errno = saved;
}

std::string Trimmed(const std::string& s) {
  size_t b = 0, e = s.size();
  while (b < e && std::isspace(static_cast<unsigned char>(s[b]))) ++b;
  while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1]))) --e;
  return s.substr(b, e - b);
}

}  // namespace

// ---- ProgressLine ---------------------------------------------------------

ProgressLine::ProgressLine(std::FILE* out, bool terminal, int range)
    : out_(out), terminal_(terminal), range_(std::max(range, 1)) {}

void ProgressLine::Update(int position) {
  std::lock_guard lock(mutex_);
  position = std::clamp(position, 0, range_);
  const int percent = static_cast<int>(static_cast<long long>(position) * 100 / range_);
  if (terminal_) {
    if (percent != shownPercent_ || !lineOpen_) Draw(percent);
    return;
  }
  const int quarter = static_cast<int>(static_cast<long long>(position) * kQuarters / range_);
  if (quarter == shownQuarter_) return;
  shownQuarter_ = quarter;
  shownPercent_ = percent;
  std::fprintf(out_, "%s %d%%\n",
               Translate(link::text::kContext, link::text::kProgressText).c_str(), percent);
  std::fflush(out_);
}

void ProgressLine::Draw(int percent) {
  const int filled = percent * kBarWidth / 100;
  std::string bar(static_cast<size_t>(filled), '#');
  bar.append(static_cast<size_t>(kBarWidth - filled), '.');
  std::fprintf(out_, "\r%s [%s] %3d%%",
               Translate(link::text::kContext, link::text::kProgressText).c_str(), bar.c_str(),
               percent);
  std::fflush(out_);
  shownPercent_ = percent;
  lineOpen_ = true;
}

void ProgressLine::Break() {
  std::lock_guard lock(mutex_);
  if (!lineOpen_) return;
  std::fputc('\n', out_);
  std::fflush(out_);
  lineOpen_ = false;
}

// ---- InterruptWatch -------------------------------------------------------

InterruptWatch::InterruptWatch() {
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) == 0) {
    g_wakeRead = fds[0];
    g_wakeWrite = fds[1];
  }
  g_presses = 0;
  struct sigaction action {};
  action.sa_handler = OnInterrupt;
  sigemptyset(&action.sa_mask);
  action.sa_flags = 0;  // no SA_RESTART: a press interrupts a blocking wait
  ::sigaction(SIGINT, &action, &g_previous);
}

InterruptWatch::~InterruptWatch() {
  ::sigaction(SIGINT, &g_previous, nullptr);
  const int r = g_wakeRead, w = g_wakeWrite;
  g_wakeWrite = -1;
  g_wakeRead = -1;
  if (w >= 0) ::close(w);
  if (r >= 0) ::close(r);
}

int InterruptWatch::Presses() const {
  return g_presses;
}

int InterruptWatch::WakeDescriptor() const {
  return g_wakeRead;
}

void InterruptWatch::Drain() {
  char buffer[64];
  if (g_wakeRead < 0) return;
  while (::read(g_wakeRead, buffer, sizeof buffer) > 0) {
  }
}

InterruptsBlocked::InterruptsBlocked() {
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, SIGINT);
  sigset_t old;
  if (pthread_sigmask(SIG_BLOCK, &set, &old) == 0) restore_ = !sigismember(&old, SIGINT);
}

InterruptsBlocked::~InterruptsBlocked() {
  if (!restore_) return;
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, SIGINT);
  pthread_sigmask(SIG_UNBLOCK, &set, nullptr);
}

// ---- The cancel question --------------------------------------------------

std::optional<bool> ParseOkCancelAnswer(const std::string& line) {
  std::string a = Trimmed(line);
  std::transform(a.begin(), a.end(), a.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (a == "ok" || a == "o" || a == "y" || a == "yes" || a == "确定") return true;
  if (a == "cancel" || a == "c" || a == "n" || a == "no" || a == "取消") return false;
  return std::nullopt;
}

CancelQuestion::CancelQuestion(InterruptWatch& watch, int inFd, bool interactive)
    : watch_(watch), inFd_(inFd), interactive_(interactive && inFd >= 0) {}

void CancelQuestion::Message(const std::string& text, const std::string& caption, MessageIcon) {
  if (caption.empty())
    std::fprintf(stderr, "%s\n", text.c_str());
  else
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
}

bool CancelQuestion::OkCancel(const std::string& text, const std::string& caption) {
  const std::string question = caption.empty() ? text : caption + ": " + text;
  if (!interactive_) {
    std::fprintf(stderr, "%s [OK/Cancel] OK\n", question.c_str());
    return true;
  }
  const int presses = watch_.Presses();
  for (;;) {
    std::fprintf(stderr, "%s [OK/Cancel] ", question.c_str());
    std::fflush(stderr);
    const auto line = ReadAnswer(presses);
    if (!line) {
      std::fputs("OK\n", stderr);
      return true;
    }
    if (const auto answer = ParseOkCancelAnswer(*line)) return *answer;
  }
}

std::optional<std::string> CancelQuestion::ReadAnswer(int pressesBefore) {
  std::string line;
  for (;;) {
    if (watch_.Presses() != pressesBefore) return std::nullopt;
    pollfd fds[2] = {{inFd_, POLLIN, 0}, {watch_.WakeDescriptor(), POLLIN, 0}};
    const int n = ::poll(fds, fds[1].fd >= 0 ? 2 : 1, -1);
    if (n < 0) {
      if (errno == EINTR) continue;
      return std::nullopt;
    }
    if (fds[1].fd >= 0 && (fds[1].revents & POLLIN)) {
      watch_.Drain();
      continue;
    }
    if (!(fds[0].revents & (POLLIN | POLLHUP | POLLERR))) continue;
    char c;
    const ssize_t got = ::read(inFd_, &c, 1);
    if (got < 0 && (errno == EINTR || errno == EAGAIN)) continue;
    if (got <= 0) return std::nullopt;  // the input ended: the safe answer
    if (c == '\n') return line;
    if (line.size() < kAnswerLimit) line.push_back(c);
  }
}

}  // namespace tavo::cli
