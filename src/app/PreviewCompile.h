#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tavo {
class Project;
}

namespace tavo::app {

// The panel image of the project as the preview shows it. The project is
// compiled from a copy, so that what the compiler corrects (a start screen
// that does not exist, limits out of order) never changes the project being
// edited, and without the protocol driver, which the preview does not need.
// The compiler's messages are collected instead of shown; a warning question
// is answered by going on, as the download would after that answer.
struct PreviewImage {
  bool ok = false;
  std::vector<uint8_t> image;         // from panel address 0x8000
  std::string reason;                 // why there is no image (UTF-8), empty when ok
  std::vector<std::string> messages;  // everything the compiler said
};

// The project's stored content (what a saved file would hold, with the
// program-wide protocol): equal bytes mean an equal image.
std::vector<uint8_t> PreviewSnapshot(Project& project);

// Compiles the project stored in `snapshot` (see PreviewSnapshot).
PreviewImage CompilePreview(const std::vector<uint8_t>& snapshot);

}  // namespace tavo::app
