#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace tavo {

// Writes `data` to `path` so that the file there is either the old one or the
// whole new one, never a part: the bytes go to a temporary file beside the
// target, are flushed to the disk, and the temporary file is renamed over the
// target. A symbolic link at `path` is followed (the file it names is
// replaced). An existing target keeps its permission bits; one we may not
// write is refused. A target that is no file (a device such as /dev/null, a
// pipe) is written to directly instead of being replaced. Returns 0, or the
// errno value of the step that failed (the temporary file is then removed).
int WriteFileSafely(const std::string& path, std::span<const uint8_t> data);

}  // namespace tavo
