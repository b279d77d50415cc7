#pragma once

// `tavo-panel` at work: the panel protocol on a serial device or on a
// pseudo-terminal of its own.

#include <cstdio>

#include "panel/PanelOptions.h"

namespace tavo::panel {

// Serves the line until SIGINT, SIGTERM or SIGHUP (or, with `once`, until a
// transfer has completed); SIGUSR1 saves the memory file. The pseudo-terminal's
// path is printed on `out`, problems on `err`. Returns the exit status:
// 0 done, 1 failure (line, files).
int RunPanelServer(const PanelOptions& options, std::FILE* out, std::FILE* err);

// Reads a 64 KiB memory image; false (with a reason) for any other size.
bool ReadMemoryFile(const std::string& path, std::vector<uint8_t>& memory, std::string& error);
// Writes the memory through a temporary file renamed over the target.
bool WriteMemoryFile(const std::string& path, const std::vector<uint8_t>& memory,
                     std::string& error);

}  // namespace tavo::panel
