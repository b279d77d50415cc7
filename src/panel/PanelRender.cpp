#include "panel/PanelRender.h"

#include <algorithm>
#include <charconv>
#include <fstream>

namespace tavo::panel {

const char* const kRenderUsage =
    "usage: tavo-panel --render IMAGE.bin [--screen N] -o OUT.png [--values FILE.json]\n"
    "                  [--scale S] [--press KEY,KEY,...]\n"
    "IMAGE.bin is a compiled image or a panel memory saved by tavo-panel --memory.\n"
    "Keys: ESC LEFT RIGHT DOWN UP SET ENT ALM 0-9 CLR.\n";

namespace {

bool ParseUnsigned(const std::string& text, long lo, long hi, long& out) {
  if (text.empty()) return false;
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, out);
  return ec == std::errc() && ptr == end && out >= lo && out <= hi;
}

}  // namespace

bool ParseViewOption(const std::vector<std::string>& args, size_t& i, RenderOptions& opt,
                     std::string& error) {
  const std::string& a = args[i];
  auto value = [&](std::string& out) {
    if (i + 1 >= args.size() || args[i + 1].empty()) {
      error = a + " needs a value";
      return false;
    }
    out = args[++i];
    return true;
  };
  std::string text;
  long n = 0;
  if (a == "-o" || a == "--output") {
    return value(opt.output);
  } else if (a == "--values") {
    return value(opt.valuesFile);
  } else if (a == "--screen") {
    if (!value(text)) return false;
    if (!ParseUnsigned(text, 0, 65535, n)) {
      error = "--screen: '" + text + "' is not a screen number (0-65535)";
      return false;
    }
    opt.screen = static_cast<uint16_t>(n);
    return true;
  } else if (a == "--scale") {
    if (!value(text)) return false;
    if (!ParseUnsigned(text, 1, 16, n)) {
      error = "--scale: '" + text + "' is not a number from 1 to 16";
      return false;
    }
    opt.scale = static_cast<int>(n);
    return true;
  } else if (a == "--press") {
    if (!value(text)) return false;
    size_t start = 0;
    while (start <= text.size()) {
      const size_t comma = std::min(text.find(',', start), text.size());
      const std::string name = text.substr(start, comma - start);
      auto key = PanelKeyFromName(name);
      if (!key) {
        error = "--press: '" + name + "' is not a key";
        return false;
      }
      opt.keys.push_back(*key);
      start = comma + 1;
    }
    return true;
  }
  return false;
}

std::optional<RenderOptions> ParseRenderOptions(const std::vector<std::string>& args,
                                                std::string& error) {
  RenderOptions opt;
  for (size_t i = 0; i < args.size(); ++i) {
    error.clear();
    if (args[i] == "--render") {
      if (i + 1 >= args.size() || args[i + 1].empty()) {
        error = "--render needs a value";
        return std::nullopt;
      }
      opt.input = args[++i];
    } else if (!ParseViewOption(args, i, opt, error)) {
      if (error.empty()) error = "unknown option '" + args[i] + "' with --render";
      return std::nullopt;
    }
  }
  if (opt.input.empty() || opt.output.empty()) {
    error = "--render needs an image file and -o OUT.png";
    return std::nullopt;
  }
  return opt;
}

bool LoadRenderValues(PanelRuntime& runtime, const RenderOptions& options,
                      const std::string& prefix, std::FILE* err) {
  std::string error;
  if (options.valuesFile.empty() || LoadPlcValuesFile(options.valuesFile, runtime.Plc(), error))
    return true;
  std::fprintf(err, "%s%s\n", prefix.c_str(), error.c_str());
  return false;
}

int FinishRender(PanelRuntime& runtime, const RenderOptions& options, const std::string& prefix,
                 std::FILE* out, std::FILE* err) {
  if (options.screen && !runtime.ShowScreen(*options.screen)) {
    std::fprintf(err, "%sthe image has no screen %u\n", prefix.c_str(),
                 static_cast<unsigned>(*options.screen));
    return 1;
  }
  for (PanelKey key : options.keys) runtime.PressKey(key);
  const PanelBitmap bitmap = runtime.Render();
  for (const std::string& p : runtime.Problems())
    std::fprintf(err, "%swarning: %s\n", prefix.c_str(), p.c_str());
  if (!runtime.Status().empty())
    std::fprintf(err, "%s%s\n", prefix.c_str(), runtime.Status().c_str());
  if (!WritePanelPng(bitmap, options.scale, options.output)) {
    std::fprintf(err, "%scannot write %s\n", prefix.c_str(), options.output.c_str());
    return 1;
  }
  if (auto screen = runtime.CurrentScreen())
    std::fprintf(out, "screen %u\n", static_cast<unsigned>(*screen));
  return 0;
}

int RunRender(const RenderOptions& options, std::FILE* out, std::FILE* err) {
  const std::string prefix = "tavo-panel: ";
  PanelRuntime runtime;
  if (!LoadRenderValues(runtime, options, prefix, err)) return 1;
  if (!std::ifstream(options.input, std::ios::binary)) {
    std::fprintf(err, "%scannot read %s\n", prefix.c_str(), options.input.c_str());
    return 1;
  }
  std::string error;
  if (!runtime.LoadFile(options.input, error)) {
    std::fprintf(err, "%s%s\n", prefix.c_str(), error.c_str());
    // The panel shows nothing for a memory whose download did not complete:
    // so does the picture.
    if (runtime.Image().State() == ImageState::NoValidityMark &&
        !WritePanelPng(PanelBitmap{}, options.scale, options.output))
      return 1;
    return 2;
  }
  return FinishRender(runtime, options, prefix, out, err);
}

}  // namespace tavo::panel
