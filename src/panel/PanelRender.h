#pragma once

// `tavo-panel --render`: what the panel shows for a stored image or a panel
// memory, as a PNG.

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "panel/PanelRuntime.h"

namespace tavo::panel {

struct RenderOptions {
  std::string input;               // compiled image or 64 KiB panel memory
  std::string output;              // PNG
  std::optional<uint16_t> screen;  // default: the start screen
  std::string valuesFile;          // simulated PLC values (JSON)
  std::vector<PanelKey> keys;      // pressed in order before drawing
  int scale = 4;                   // PNG pixels per panel pixel
};

extern const char* const kRenderUsage;

// Parses the render arguments (everything on the command line, "--render
// FILE" among them). Refuses unknown options and bad values with a reason.
std::optional<RenderOptions> ParseRenderOptions(const std::vector<std::string>& args,
                                                std::string& error);

// Loads, sets the values, shows the screen, presses the keys, writes the PNG.
// Problems found in the image are listed on `err` as warnings. Exit status:
// 0 drawn; 1 a failure (unreadable or unwritable file, unknown screen, bad
// values file); 2 the input holds no usable screen data (a panel memory
// without the validity mark, which is then drawn dark as the panel shows it,
// or not an image at all).
int RunRender(const RenderOptions& options, std::FILE* out, std::FILE* err);

// Shared by `tavo preview`: draws the runtime's current display into a PNG and
// lists its problems on `err` with `prefix`. False when the PNG cannot be written.
bool WriteRuntimePng(const PanelRuntime& runtime, int scale, const std::string& path,
                     const std::string& prefix, std::FILE* err);

}  // namespace tavo::panel
