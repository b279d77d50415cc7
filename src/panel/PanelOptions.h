#pragma once

// Command line of `tavo-panel`.

#include <optional>
#include <string>
#include <vector>

#include "panel/PanelProtocol.h"

namespace tavo::panel {

struct PanelOptions {
  std::string device;      // serve this device; empty: create a pseudo-terminal
  std::string memoryFile;  // panel memory is saved here on SIGUSR1 and at exit
  std::string loadFile;    // initial panel memory (64 KiB); erased memory when empty
  bool pace = false;       // take frames and send replies at the pace of a 115200-baud line
  bool once = false;       // exit after the first completed transfer
  bool help = false;
  bool version = false;
  PanelConfig config;
  // With --render anywhere: draw a stored image instead of serving a line;
  // all arguments go to the render options (panel/PanelRender.h).
  std::vector<std::string> render;
};

extern const char* const kPanelUsage;
extern const char* const kPanelVersion;  // "tavo-panel RELEASE\n"

// Parses the arguments after the program name. Every option is checked:
// unknown options, missing or malformed values and values out of range are
// refused with a one-line reason in `error`.
std::optional<PanelOptions> ParsePanelOptions(const std::vector<std::string>& args,
                                              std::string& error);

}  // namespace tavo::panel
