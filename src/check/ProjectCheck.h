#pragma once

#include <vector>

#include "check/Finding.h"

namespace tavo {

class Project;
class PanelFont;
struct ImageBudget;

struct CheckOptions {
  // The font libraries whose glyphs the texts are checked against; nullptr:
  // the libraries among the data files. Without a library the glyph check is
  // left out and a note says so.
  const PanelFont* font = nullptr;
};

// Walks the project under the current protocol and profile and returns what
// would stop the download, make the panel misbehave or is likely a mistake:
// screens, key targets, element geometry, texts, registers and graphs, PLC
// addresses, the image size and the alarm list. Findings come screen by
// screen in the project's order, project-wide ones first. The project is not
// changed.
// When `budget` is given it receives the image budget the check measured.
std::vector<Finding> CheckProject(const Project& project, const CheckOptions& options = {},
                                  ImageBudget* budget = nullptr);

}  // namespace tavo
