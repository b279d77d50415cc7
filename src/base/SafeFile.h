#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace tavo {

// Writes `data` to `path` so that the file there is either the old one or the
// whole new one, never a part: the bytes go to a new file beside the target,
// are flushed to the disk, and the new file is then put in the target's place.
// While it is written the new file has no name (O_TMPFILE), so that a save
// killed half-way leaves nothing behind; where the file system has no such
// files it is written under a hidden name ".NAME.tmpNNNNNN" and renamed over
// the target. A save killed in the moment between naming and renaming (or,
// on such a file system, while writing) leaves one such file; the next save
// of the same target removes it. A symbolic link at `path` is followed (the
// file it names is replaced). An existing target keeps its permission bits;
// one we may not write is refused. A target that is no file (a device such as /dev/null, a
// pipe) is written to directly instead of being replaced. Returns 0, or the
// errno value of the step that failed (the temporary file is then removed).
int WriteFileSafely(const std::string& path, std::span<const uint8_t> data);

// The same, always through a hidden name, as on a file system without
// nameless files (for tests of that way).
int WriteFileSafelyNamed(const std::string& path, std::span<const uint8_t> data);

}  // namespace tavo
