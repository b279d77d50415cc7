#pragma once

// The part of `tavo compile` and `tavo download` that turns a project file
// into the download image: read the project, compile it with the driver from
// the protocol file among the data files. "In.dat" is never read or written.

#include <cstdint>
#include <string>

#include "download/ImageCompiler.h"

namespace tavo::cli {

struct CompiledProject {
  CompiledImage compiled;  // image and driver when the exit status is kExitOk
  uint8_t protocol = 0;    // the project's protocol number
};

// Reads and compiles `path`. Every message and the warning question go
// through CurrentPrompter(). Returns kExitOk with `out` filled, kExitRefused
// for a file the reader refuses or a project the panel cannot hold,
// kExitCancelled when the warning question cancelled, kExitFailure otherwise.
int CompileProjectFile(const std::string& path, CompiledProject& out);

// The compile of `tavo preview` and `tavo monitor`: the panel runtime needs no
// protocol driver, so the image is compiled without one. A project that does
// not compile is reported on stderr after `prefix`. Returns kExitOk with
// `image` filled, or the exit status to end the command with.
int CompileProjectForPreview(const std::string& path, const char* prefix, CompiledImage& image);

}  // namespace tavo::cli
