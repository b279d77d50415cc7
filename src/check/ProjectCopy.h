#pragma once

#include <memory>

namespace tavo {

class Project;

// A copy of the screens, elements, settings and alarm list of a project for a
// trial compilation: compiling corrects limits and screen numbers in the
// project it compiles, and a check must leave the user's project as it is.
// The copy has no file state and shows no page.
std::unique_ptr<Project> CopyForTrial(const Project& project);

}  // namespace tavo
