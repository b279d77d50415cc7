// tavo download FILE.orx --port DEVICE [--force-driver] [--on-warning cancel|continue]
//                        [--timeout SECONDS]
// Compiles a project and downloads the image, with the protocol driver when
// the panel needs it, over a serial line at 115200 8N1. Progress goes to
// stderr, the completion message to stdout. Ctrl+C asks whether to cancel; a
// second Ctrl+C cancels at once. A panel that has not answered the handshake
// within --timeout seconds of the first try (10 by default) is given up.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "base/DataFiles.h"
#include "cli/Cli.h"
#include "cli/Command.h"
#include "cli/ConsolePrompter.h"
#include "cli/DownloadConsole.h"
#include "cli/ProjectCompile.h"
#include "download/TermiosPort.h"
#include "download/TransferSession.h"

namespace tavo::cli {

namespace {

constexpr char kUsage[] =
    "download FILE.orx --port DEVICE [--force-driver] [--on-warning cancel|continue]"
    " [--timeout SECONDS]   compile and send to the panel";

// How long a panel that does not answer the handshake is waited for, in all,
// before the download gives up.
constexpr double kDefaultTimeoutSeconds = 10;
constexpr double kMaxTimeoutSeconds = 3600;
// How often the waiting command looks for Ctrl+C.
constexpr auto kInterruptPoll = std::chrono::milliseconds(50);

struct DownloadArgs {
  std::string project;
  std::string device;
  bool forceDriver = false;
  QuestionPolicy onWarning = QuestionPolicy::kAsk;
  std::chrono::milliseconds timeout{static_cast<long>(kDefaultTimeoutSeconds * 1000)};
};

int Usage() {
  std::fprintf(stderr, "usage: tavo %s\n", kUsage);
  return kExitFailure;
}

std::optional<std::chrono::milliseconds> ParseSeconds(const std::string& text) {
  if (text.empty()) return std::nullopt;
  char* end = nullptr;
  const double s = std::strtod(text.c_str(), &end);
  if (end != text.c_str() + text.size() || !std::isfinite(s) || s <= 0 || s > kMaxTimeoutSeconds)
    return std::nullopt;
  return std::chrono::milliseconds(std::max(1L, std::lround(s * 1000)));
}

std::optional<DownloadArgs> Parse(const std::vector<std::string>& args) {
  DownloadArgs d;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool hasValue = i + 1 < args.size();
    if (a == "--port" && hasValue) {
      d.device = args[++i];
    } else if (a == "--force-driver") {
      d.forceDriver = true;
    } else if (a == "--on-warning" && hasValue) {
      const auto parsed = ParseOnWarning(args[++i]);
      if (!parsed) {
        std::fprintf(stderr, "tavo download: --on-warning takes cancel or continue, not '%s'\n",
                     args[i].c_str());
        return std::nullopt;
      }
      d.onWarning = *parsed;
    } else if (a == "--timeout" && hasValue) {
      const auto parsed = ParseSeconds(args[++i]);
      if (!parsed) {
        std::fprintf(
            stderr,
            "tavo download: --timeout takes seconds (more than 0, at most 3600), not '%s'\n",
            args[i].c_str());
        return std::nullopt;
      }
      d.timeout = *parsed;
    } else if (a == "--data-dir" && hasValue) {
      SetDataDir(args[++i]);
    } else if (d.project.empty() && !a.empty() && a[0] != '-') {
      d.project = a;
    } else {
      std::fprintf(stderr, "tavo download: unexpected argument '%s'\n", a.c_str());
      return std::nullopt;
    }
  }
  if (d.project.empty() || d.device.empty()) return std::nullopt;
  return d;
}

// Runs the transfer to its end, asking the cancel question at Ctrl+C.
link::TransferResult Transfer(const DownloadArgs& args, const CompiledProject& project,
                              ProgressLine& bar) {
  link::TransferOptions options;
  options.protocol = project.protocol;
  options.driverVersion = project.compiled.driver.version;
  options.forceDriver = args.forceDriver;
  // The timeout counts from the first handshake frame, the first exchange's
  // own wait (about a second) included: a shorter one ends that wait early.
  options.handshakeGiveUp = args.timeout;
  const auto start = std::chrono::steady_clock::now();

  link::TransferCallbacks callbacks;
  callbacks.progress = [&bar](int position) { bar.Update(position); };
  callbacks.message = [&bar, &args, start](const link::TransferMessage& m) {
    if (m.notice == link::Notice::NoResponseEnded) return;  // the transfer goes on
    bar.Break();
    if (m.notice == link::Notice::Completed) {
      std::printf("%s\n", m.text.c_str());
      std::fflush(stdout);
      return;
    }
    CurrentPrompter().Message(m.text, m.caption, m.icon);
    if (m.notice == link::Notice::NoResponse &&
        std::chrono::steady_clock::now() - start < args.timeout)
      std::fprintf(stderr,
                   "tavo download: trying again until %.3g s have passed (--timeout; Ctrl+C "
                   "cancels)\n",
                   std::chrono::duration<double>(args.timeout).count());
  };

  link::TermiosPort port(args.device);
  InterruptWatch watch;
  CancelQuestion question(watch, STDIN_FILENO, isatty(STDIN_FILENO) != 0);
  link::TransferSession session(port, options, std::move(callbacks));
  bool started;
  {
    InterruptsBlocked blocked;  // Ctrl+C must reach this thread, not the transfer's
    started = session.Start(project.compiled.image, project.compiled.driver.bytes);
  }
  int seen = 0;
  while (started && !session.WaitFor(kInterruptPoll)) {
    const int presses = watch.Presses();
    if (presses == seen) continue;
    watch.Drain();
    if (presses - seen >= 2) {
      session.Cancel();
      break;
    }
    bar.Break();
    session.AskCancel(question);
    seen = watch.Presses();
  }
  return session.Wait();
}

int RunDownload(const std::vector<std::string>& argv) {
  const auto args = Parse(argv);
  if (!args) return Usage();

  ConsolePrompter prompter(args->onWarning);
  PrompterScope installed(&prompter);

  CompiledProject project;
  if (const int status = CompileProjectFile(args->project, project); status != kExitOk)
    return status;

  ProgressLine bar(stderr, isatty(STDERR_FILENO) != 0, link::kProgressRange);
  const link::TransferResult result = Transfer(*args, project, bar);
  bar.Break();
  switch (result.outcome) {
    case link::TransferOutcome::Completed:
      if (result.driverSent)
        std::fprintf(stderr, "tavo download: protocol driver sent (%zu bytes, version %u)\n",
                     project.compiled.driver.bytes.size(),
                     static_cast<unsigned>(project.compiled.driver.version));
      else
        std::fprintf(stderr,
                     "tavo download: protocol driver not sent: the panel holds protocol %d, "
                     "version %d\n",
                     result.panelProtocol, result.panelDriverVersion);
      return kExitOk;
    case link::TransferOutcome::Cancelled:
      std::fputs("tavo download: cancelled\n", stderr);
      return kExitCancelled;
    default:
      return kExitFailure;
  }
}

constexpr char kHelp[] =
    "Compiles a project and sends it to the panel over a serial line at 115200 8N1,\n"
    "with the protocol driver when the panel holds another one. Progress goes to\n"
    "stderr; Ctrl+C asks whether to cancel, a second Ctrl+C cancels at once.\n"
    "  FILE.orx         the project (a .json name: its text form)\n"
    "  --port DEVICE    the serial device (a pseudo-terminal of tavo-panel too)\n"
    "  --force-driver   send the protocol driver whatever the panel holds\n"
    "  --on-warning cancel|continue   the answer to the question about corrected\n"
    "                   register limits (without it: asked on a terminal, else cancel)\n"
    "  --timeout SECONDS   give up a panel that has not answered the handshake\n"
    "                   so long after the first try (10 by default)\n";

const CommandRegistration kRegistration({"download", kUsage, RunDownload, kHelp});

}  // namespace

}  // namespace tavo::cli
