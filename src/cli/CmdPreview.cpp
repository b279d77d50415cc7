// tavo preview FILE.orx [--screen N] -o OUT.png [--values FILE.json] [--scale S]
// [--press KEY,...] [--plc rtu:DEVICE|tcp:HOST:PORT ...]: compiles the project
// into the panel's image and draws what the panel shows for it, in one step,
// with the simulated PLC's values or those a live PLC holds now.
#include <cstdio>
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
#include "panel/PanelRender.h"

namespace tavo::cli {

namespace {

constexpr char kUsage[] =
    "preview FILE.orx [--screen N] -o OUT.png [--values FILE.json] [--scale S] "
    "[--press KEY,...] [--plc rtu:DEVICE|tcp:HOST:PORT] [--plc-base 0|1] [--word-order high|low] "
    "[--timeout SECONDS]   what the panel shows, as PNG";

constexpr char kPrefix[] = "tavo preview: ";

// Messages of reading and compiling go to stderr with their caption. The
// question about corrected limits is answered by going on: the preview shows
// the image as the download would send it after that answer.
class PreviewPrompter : public StderrPrompter {
 public:
  bool OkCancel(const std::string& text, const std::string& caption) override {
    std::fprintf(stderr, "%s: %s (continuing with the corrected values)\n", caption.c_str(),
                 text.c_str());
    return false;
  }
};

// The screen drawn with the values of a live PLC: the keys pressed write to it.
int PreviewWithPlc(panel::PanelRuntime& runtime, panel::RenderOptions options,
                   const PlcLinkArgs& args) {
  std::string error;
  const std::optional<link::LinkOptions> linkOptions =
      MakeLinkOptions(args, runtime.Image().Header(), error);
  if (!linkOptions) {
    std::fprintf(stderr, "%s%s\n", kPrefix, error.c_str());
    return kExitFailure;
  }
  if (options.screen && !runtime.ShowScreen(*options.screen)) {
    std::fprintf(stderr, "%sthe image has no screen %u\n", kPrefix,
                 static_cast<unsigned>(*options.screen));
    return kExitFailure;
  }
  options.screen.reset();
  link::ModbusLink modbus(*linkOptions);
  link::LinkedPlc plc(modbus);
  runtime.Connect(&plc);
  struct Disconnect {
    panel::PanelRuntime& rt;
    ~Disconnect() { rt.Connect(nullptr); }
  } disconnect{runtime};

  const bool settled = SettleLink(runtime, plc, args);
  const link::LinkStats& stats = plc.Stats();
  if (!settled || stats.state != link::LinkState::Connected) {
    std::fprintf(stderr, "%sthe PLC at %s did not answer: %s\n", kPrefix,
                 linkOptions->target.Describe().c_str(),
                 stats.lastError.empty()
                     ? link::ShownLinkStateText(link::LinkState::NoResponse).c_str()
                     : stats.lastError.c_str());
    return kExitFailure;
  }
  // The screen starts again with the PLC's values (a trend's first sample).
  if (runtime.View() == panel::PanelView::Screen && runtime.CurrentScreen())
    runtime.ShowScreen(*runtime.CurrentScreen());
  for (panel::PanelKey key : options.keys) {
    runtime.PressKey(key);
    if (!SettleLink(runtime, plc, args)) {
      std::fprintf(stderr, "%sthe PLC at %s did not answer after %s\n", kPrefix,
                   linkOptions->target.Describe().c_str(), panel::PanelKeyName(key));
      return kExitFailure;
    }
  }
  options.keys.clear();
  for (const panel::ScreenBinding& b : runtime.WatchedItems()) {
    const link::ItemReading r = plc.Reading(b.key);
    if (r.state == link::ItemState::Ok || r.state == link::ItemState::Panel) continue;
    std::fprintf(stderr, "%swarning: %s station %u %s: %s\n", kPrefix,
                 link::ModbusItemName(b.key).c_str(), static_cast<unsigned>(b.key.station),
                 link::ShownItemStateText(r.state).c_str(), r.error.c_str());
  }
  if (!plc.Stats().lastError.empty() && plc.Stats().errors > 0)
    std::fprintf(stderr, "%slast link error: %s\n", kPrefix, plc.Stats().lastError.c_str());
  return panel::FinishRender(runtime, options, kPrefix, stdout, stderr);
}

int RunPreview(const std::vector<std::string>& args) {
  std::string input, error;
  panel::RenderOptions options;
  PlcLinkArgs linkArgs;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    error.clear();
    if (a == "--data-dir" && i + 1 < args.size()) {
      SetDataDir(args[++i]);
    } else if (panel::ParseViewOption(args, i, options, error) ||
               (error.empty() && ParsePlcLinkOption(args, i, linkArgs, error))) {
    } else if (!error.empty()) {
      std::fprintf(stderr, "%s%s\n", kPrefix, error.c_str());
      return kExitFailure;
    } else if (input.empty() && !a.empty() && a[0] != '-') {
      input = a;
    } else {
      std::fprintf(stderr, "%sunexpected argument '%s'\nusage: tavo %s\n", kPrefix, a.c_str(),
                   kUsage);
      return kExitFailure;
    }
  }
  if (input.empty() || options.output.empty()) {
    std::fprintf(stderr, "usage: tavo %s\n", kUsage);
    return kExitFailure;
  }

  PreviewPrompter prompter;
  PrompterScope scope(&prompter);

  CompiledImage image;
  if (const int status = CompileProjectForPreview(input, kPrefix, image); status != kExitOk)
    return status;

  panel::PanelRuntime runtime;
  if (!panel::LoadRenderValues(runtime, options, kPrefix, stderr)) return kExitFailure;
  if (!runtime.Load(image.image)) {
    std::fprintf(stderr, "%s%s\n", kPrefix, runtime.Notice().c_str());
    return kExitFailure;
  }
  if (!linkArgs.plc.empty()) return PreviewWithPlc(runtime, options, linkArgs);
  return panel::FinishRender(runtime, options, kPrefix, stdout, stderr);
}

constexpr char kHelp[] =
    "Compiles a project and draws what the panel shows for it, 192 x 64 pixels.\n"
    "  FILE.orx         the project (a .json name: its text form)\n"
    "  -o OUT.png       the picture to write\n"
    "  --screen N       show screen N (default: the panel's start screen)\n"
    "  --values FILE.json   values of the simulated PLC\n"
    "  --scale S        each panel pixel S x S (1 to 16, 4 by default)\n"
    "  --press KEY,...  press keys first: ESC LEFT RIGHT DOWN UP SET ENT ALM 0-9 CLR\n";

const CommandRegistration kRegistration({"preview", kUsage, RunPreview,
                                         std::string(kHelp) + kPlcLinkHelp});

}  // namespace

}  // namespace tavo::cli
