#include "panel/PanelOptions.h"

#include <charconv>

namespace tavo::panel {

const char* const kPanelUsage =
    "usage: tavo-panel [--device PATH] [--memory FILE] [--load FILE]\n"
    "                  [--protocol N] [--driver-version N] [--pace] [--once]\n"
    "                  [--nak FRAME:TIMES] [--silent-handshakes N] [--silent]\n"
    "                  [--corrupt-checksum FRAME] [--wrong-query-length]\n"
    "Without --device a pseudo-terminal is created and its path printed.\n"
    "The panel memory is written to --memory FILE on SIGUSR1 and at exit.\n"
    "       tavo-panel --render IMAGE.bin [--screen N] -o OUT.png [--values FILE.json]\n"
    "                  [--scale S] [--press KEY,...]   draw what the panel shows\n"
    "       tavo-panel --help | --version\n"
    "Every form takes --lang zh|en, the language of the messages (default: the locale's).\n";

#ifndef TAVO_VERSION
#define TAVO_VERSION "unknown"
#endif
const char* const kPanelVersion = "tavo-panel " TAVO_VERSION "\n";

namespace {

// Largest count accepted for frame numbers and repeat counts.
constexpr long kMaxCount = 1000000;

bool ParseNumber(const std::string& text, long lo, long hi, long& out) {
  if (text.empty()) return false;
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, out);
  return ec == std::errc() && ptr == end && out >= lo && out <= hi;
}

}  // namespace

std::optional<PanelOptions> ParsePanelOptions(const std::vector<std::string>& args,
                                              std::string& error) {
  PanelOptions opt;
  for (const std::string& a : args)
    if (a == "--render") {
      opt.render = args;
      return opt;
    }
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&](std::string& out) {
      if (i + 1 >= args.size()) {
        error = a + " needs a value";
        return false;
      }
      out = args[++i];
      if (out.empty()) {
        error = a + " needs a non-empty value";
        return false;
      }
      return true;
    };
    auto number = [&](long lo, long hi, long& out) {
      std::string text;
      if (!value(text)) return false;
      if (ParseNumber(text, lo, hi, out)) return true;
      error = a + ": '" + text + "' is not a number from " + std::to_string(lo) + " to " +
              std::to_string(hi);
      return false;
    };
    long n = 0;
    if (a == "--help" || a == "-h") {
      opt.help = true;
    } else if (a == "--version") {
      opt.version = true;
    } else if (a == "--device") {
      if (!value(opt.device)) return std::nullopt;
    } else if (a == "--memory") {
      if (!value(opt.memoryFile)) return std::nullopt;
    } else if (a == "--load") {
      if (!value(opt.loadFile)) return std::nullopt;
    } else if (a == "--protocol") {
      if (!number(0, 255, n)) return std::nullopt;
      opt.config.protocol = static_cast<uint8_t>(n);
    } else if (a == "--driver-version") {
      if (!number(0, 255, n)) return std::nullopt;
      opt.config.driverVersion = static_cast<uint8_t>(n);
    } else if (a == "--pace") {
      opt.pace = true;
    } else if (a == "--once") {
      opt.once = true;
    } else if (a == "--nak") {
      std::string text;
      if (!value(text)) return std::nullopt;
      auto colon = text.find(':');
      long frame = 0, times = 0;
      if (colon == std::string::npos || !ParseNumber(text.substr(0, colon), 1, kMaxCount, frame) ||
          !ParseNumber(text.substr(colon + 1), 1, kMaxCount, times)) {
        error = "--nak: '" + text + "' is not FRAME:TIMES (both from 1 to " +
                std::to_string(kMaxCount) + ")";
        return std::nullopt;
      }
      opt.config.faults.nakFrame = static_cast<int>(frame);
      opt.config.faults.nakTimes = static_cast<int>(times);
    } else if (a == "--silent-handshakes") {
      if (!number(1, kMaxCount, n)) return std::nullopt;
      opt.config.faults.silentHandshakes = static_cast<int>(n);
    } else if (a == "--silent") {
      opt.config.faults.silent = true;
    } else if (a == "--corrupt-checksum") {
      if (!number(1, kMaxCount, n)) return std::nullopt;
      opt.config.faults.corruptChecksumFrame = static_cast<int>(n);
    } else if (a == "--wrong-query-length") {
      opt.config.faults.wrongQueryLength = true;
    } else {
      error = "unknown option '" + a + "'";
      return std::nullopt;
    }
  }
  return opt;
}

}  // namespace tavo::panel
