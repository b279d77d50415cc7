// tavo info FILE.orx [--json]: what a project file holds, every stored field
// of the settings, screens, elements and alarm list, as the file has them
// (the protocol is not applied). Needs no data files.
#include <cstdio>
#include <string>
#include <vector>

#include "base/DataFiles.h"
#include "base/Prompter.h"
#include "cli/Cli.h"
#include "cli/Command.h"
#include "cli/ProjectRead.h"
#include "model/ProjectFile.h"
#include "model/ProjectJson.h"

namespace tavo::cli {

namespace {

constexpr char kUsage[] = "info FILE.orx [--json]          what a project holds";

int RunInfo(const std::vector<std::string>& args) {
  std::string path;
  bool json = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--json") {
      json = true;
    } else if (a == "--data-dir" && i + 1 < args.size()) {
      SetDataDir(args[++i]);
    } else if (path.empty() && !a.empty() && a[0] != '-') {
      path = a;
    } else {
      std::fprintf(stderr, "tavo info: unexpected argument '%s'\nusage: tavo %s\n", a.c_str(),
                   kUsage);
      return kExitFailure;
    }
  }
  if (path.empty()) {
    std::fprintf(stderr, "usage: tavo %s\n", kUsage);
    return kExitFailure;
  }

  Project project;
  ReadInfo info;
  if (!ReadProjectQuietly(path, project, info)) return kExitRefused;
  const std::string out =
      json ? ProjectToJson(project, info.protocol) : ProjectToText(project, info.protocol);
  return WriteStandardOutput("info", out) ? kExitOk : kExitFailure;
}

constexpr char kHelp[] =
    "Prints every stored field of a project: settings, screens, elements, alarm list.\n"
    "  FILE.orx         the project (a .json name: its text form)\n"
    "  --json           as JSON\n";

const CommandRegistration kRegistration({"info", kUsage, RunInfo, kHelp});

}  // namespace

}  // namespace tavo::cli
