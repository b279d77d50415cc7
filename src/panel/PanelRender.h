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

// The options every renderer shares: -o, --screen, --scale, --values, --press.
// Takes args[i] (and its value, advancing i) when it is one of them; false
// when it is not, or (with `error` set) when its value is bad.
bool ParseViewOption(const std::vector<std::string>& args, size_t& i, RenderOptions& options,
                     std::string& error);

// Shared with `tavo preview`: the values file into the runtime's PLC (before
// the image is loaded, so that trends start with its samples); false, with
// the reason on `err`, when it cannot be read.
bool LoadRenderValues(PanelRuntime& runtime, const RenderOptions& options,
                      const std::string& prefix, std::FILE* err);
// Shows the chosen screen, presses the keys, writes the PNG (problems of the
// image listed on `err` as warnings) and prints the screen shown on `out`.
// Exit status 0, or 1 for an unknown screen or an unwritable PNG.
int FinishRender(PanelRuntime& runtime, const RenderOptions& options, const std::string& prefix,
                 std::FILE* out, std::FILE* err);

}  // namespace tavo::panel
