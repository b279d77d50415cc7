// tavo monitor FILE.orx --plc rtu:DEVICE|tcp:HOST:PORT [--screen N] ...: the
// PLC items a screen uses and their live values, as a table redrawn on a
// terminal, or as tab-separated lines of what changed when piped, until
// Ctrl+C (or --polls N).
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "base/DataFiles.h"
#include "base/Prompter.h"
#include "cli/Cli.h"
#include "cli/Command.h"
#include "cli/PlcLinkArgs.h"
#include "cli/ProjectCompile.h"
#include "cli/ProjectRead.h"
#include "download/ImageCompiler.h"
#include "model/ProjectFile.h"

namespace tavo::cli {

namespace {

constexpr char kUsage[] =
    "monitor FILE.orx --plc rtu:DEVICE|tcp:HOST:PORT [--plc-base 0|1] [--word-order high|low] "
    "[--timeout SECONDS] [--interval MS] [--screen N] [--polls N]   live values of a screen's "
    "PLC items";
constexpr char kPrefix[] = "tavo monitor: ";

volatile std::sig_atomic_t g_interrupted = 0;
void OnInterrupt(int) {
  g_interrupted = 1;
}

// Messages of reading and compiling go to stderr; the question about
// corrected limits is answered by going on, as for the preview.
class MonitorPrompter : public StderrPrompter {
 public:
  bool OkCancel(const std::string& text, const std::string& caption) override {
    std::fprintf(stderr, "%s: %s (continuing with the corrected values)\n", caption.c_str(),
                 text.c_str());
    return false;
  }
};

const char* KindName(uint8_t kind) {
  switch (kind) {
    case 2:
      return "register";
    case 3:
      return "light";
    case 4:
      return "key";
    case 6:
      return "bar";
    case 7:
      return "trend";
    case 8:
      return "dynamic";
    default:
      return "control";
  }
}

// `shown`: in the user's language, for the table a person reads.
std::string StateText(const link::ItemReading& r, bool shown) {
  std::string text = shown ? link::ShownItemStateText(r.state) : link::ItemStateText(r.state);
  if (!r.error.empty()) text += " (" + r.error + ")";
  return text;
}

void PrintTable(const panel::PanelRuntime& runtime, const link::LinkedPlc& plc,
                const std::string& target) {
  const link::LinkStats& s = plc.Stats();
  std::string screen = runtime.CurrentScreen() ? std::to_string(*runtime.CurrentScreen()) : "-";
  std::printf(
      "\x1b[H\x1b[J%s  %s  screen %s  %.0f requests/s  %zu per poll  errors %llu  "
      "timeouts %llu\n",
      target.c_str(), link::ShownLinkStateText(s.state).c_str(), screen.c_str(),
      s.requestsPerSecond, s.requestsLastPoll, static_cast<unsigned long long>(s.errors),
      static_cast<unsigned long long>(s.timeouts));
  if (!s.lastError.empty()) std::printf("last error: %s\n", s.lastError.c_str());
  std::printf("\n%-10s %-8s %-9s %12s  %s\n", "item", "station", "element", "value", "state");
  for (const panel::ScreenBinding& b : runtime.WatchedItems())
    std::printf("%-10s %-8u %-9s %12s  %s\n", link::ModbusItemName(b.key).c_str(),
                static_cast<unsigned>(b.key.station), KindName(b.kind),
                ShownValue(runtime, plc, b).c_str(), StateText(plc.Reading(b.key), true).c_str());
  std::fflush(stdout);
}

// Piped: the lines of what changed since the last poll.
class ChangeLines {
 public:
  void Print(uint64_t poll, const panel::PanelRuntime& runtime, const link::LinkedPlc& plc) {
    if (poll_ == 0) std::printf("poll\tstation\titem\tvalue\tstate\n");
    poll_ = poll;
    const link::LinkStats& s = plc.Stats();
    std::string link = link::LinkStateText(s.state);
    if (s.state != link::LinkState::Connected && !s.lastError.empty())
      link += " (" + s.lastError + ")";
    if (link != link_) std::printf("%llu\t-\tlink\t-\t%s\n", ToLong(poll), link.c_str());
    link_ = link;
    for (const panel::ScreenBinding& b : runtime.WatchedItems()) {
      const std::string line =
          ShownValue(runtime, plc, b) + "\t" + StateText(plc.Reading(b.key), false);
      std::string& last = shown_[b.key];
      if (line == last) continue;
      last = line;
      std::printf("%llu\t%u\t%s\t%s\n", ToLong(poll), static_cast<unsigned>(b.key.station),
                  link::ModbusItemName(b.key).c_str(), line.c_str());
    }
    std::fflush(stdout);
  }

 private:
  static unsigned long long ToLong(uint64_t v) { return static_cast<unsigned long long>(v); }
  uint64_t poll_ = 0;
  std::string link_;
  std::map<panel::PlcKey, std::string> shown_;
};

int RunMonitor(const std::vector<std::string>& args) {
  std::string input, error;
  PlcLinkArgs linkArgs;
  std::optional<uint16_t> screen;
  long polls = 0;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    error.clear();
    if (a == "--data-dir" && i + 1 < args.size()) {
      SetDataDir(args[++i]);
    } else if (ParsePlcLinkOption(args, i, linkArgs, error)) {
    } else if (!error.empty()) {
      std::fprintf(stderr, "%s%s\n", kPrefix, error.c_str());
      return kExitFailure;
    } else if ((a == "--screen" || a == "--polls") && i + 1 < args.size()) {
      const std::string v = args[++i];
      char* end = nullptr;
      const long n = std::strtol(v.c_str(), &end, 10);
      if (v.empty() || *end != '\0' || n < (a == "--polls" ? 1 : 0) || n > 65535) {
        std::fprintf(stderr, "%s%s: '%s' is not a number from %d to 65535\n", kPrefix, a.c_str(),
                     v.c_str(), a == "--polls" ? 1 : 0);
        return kExitFailure;
      }
      if (a == "--screen")
        screen = static_cast<uint16_t>(n);
      else
        polls = n;
    } else if (input.empty() && !a.empty() && a[0] != '-') {
      input = a;
    } else {
      std::fprintf(stderr, "%sunexpected argument '%s'\nusage: tavo %s\n", kPrefix, a.c_str(),
                   kUsage);
      return kExitFailure;
    }
  }
  if (input.empty() || linkArgs.plc.empty()) {
    std::fprintf(stderr, "usage: tavo %s\n", kUsage);
    return kExitFailure;
  }

  MonitorPrompter prompter;
  PrompterScope scope(&prompter);
  CompiledImage image;
  if (const int status = CompileProjectForPreview(input, kPrefix, image); status != kExitOk)
    return status;
  panel::PanelRuntime runtime;
  if (!runtime.Load(image.image)) {
    std::fprintf(stderr, "%s%s\n", kPrefix, runtime.Notice().c_str());
    return kExitFailure;
  }
  const std::optional<link::LinkOptions> options =
      MakeLinkOptions(linkArgs, runtime.Image().Header(), error);
  if (!options) {
    std::fprintf(stderr, "%s%s\n", kPrefix, error.c_str());
    return kExitFailure;
  }
  if (screen && !runtime.ShowScreen(*screen)) {
    std::fprintf(stderr, "%sthe image has no screen %u\n", kPrefix, static_cast<unsigned>(*screen));
    return kExitFailure;
  }

  link::ModbusLink modbus(*options);
  link::LinkedPlc plc(modbus);
  runtime.Connect(&plc);
  g_interrupted = 0;
  struct sigaction action {
  }, previous{};
  action.sa_handler = OnInterrupt;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, &previous);

  const bool terminal = ::isatty(STDOUT_FILENO) != 0;
  const std::string target = options->target.Describe();
  ChangeLines lines;
  uint64_t seen = 0;
  long done = 0;
  auto last = std::chrono::steady_clock::now();
  while (!g_interrupted && (polls == 0 || done < polls)) {
    plc.Watch(runtime.WatchedItems());
    if (!modbus.WaitForPoll(seen, std::chrono::milliseconds(100))) continue;
    plc.Sync();
    seen = plc.Polls();
    ++done;
    // The PLC may change the screen through the control register.
    const auto now = std::chrono::steady_clock::now();
    runtime.Advance(std::chrono::duration_cast<std::chrono::milliseconds>(now - last));
    last = now;
    if (terminal)
      PrintTable(runtime, plc, target);
    else
      lines.Print(seen, runtime, plc);
  }
  sigaction(SIGINT, &previous, nullptr);
  runtime.Connect(nullptr);
  return kExitOk;
}

constexpr char kHelp[] =
    "Prints the PLC items a screen uses and their live values: a table redrawn on a\n"
    "terminal, tab-separated lines of what changed when piped, until Ctrl+C.\n"
    "  FILE.orx         the project (a .json name: its text form)\n"
    "  --screen N       follow screen N (default: the panel's start screen)\n"
    "  --polls N        end after N polls\n";

const CommandRegistration kRegistration({"monitor", kUsage, RunMonitor,
                                         std::string(kHelp) + kPlcLinkHelp});

}  // namespace

}  // namespace tavo::cli
