// tavo save IN.orx OUT.orx: reads a project file and writes it again in the
// program's own form (version 12, protocol-derived settings recomputed).
// Needs no data files.
#include <cstdio>
#include <string>
#include <vector>

#include "base/DataFiles.h"
#include "base/Prompter.h"
#include "cli/Cli.h"
#include "cli/Command.h"
#include "cli/ProjectRead.h"
#include "model/ProjectFile.h"

namespace tavo::cli {

namespace {

constexpr char kUsage[] = "save IN.orx OUT.orx             read, then write (format 12)";

// Messages on stderr, "caption: text"; there is nobody to answer questions.
int RunSave(const std::vector<std::string>& args) {
  std::vector<std::string> paths;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--data-dir" && i + 1 < args.size()) {
      SetDataDir(args[++i]);
    } else if (paths.size() < 2 && !a.empty() && a[0] != '-') {
      paths.push_back(a);
    } else {
      std::fprintf(stderr, "tavo save: unexpected argument '%s'\nusage: tavo %s\n", a.c_str(),
                   kUsage);
      return kExitFailure;
    }
  }
  if (paths.size() != 2) {
    std::fprintf(stderr, "usage: tavo %s\n", kUsage);
    return kExitFailure;
  }

  Project fresh;
  ReadInfo info;
  if (!ReadProjectQuietly(paths[0], fresh, info)) return kExitRefused;
  Project project;
  AdoptReadProject(project, std::move(fresh), info);
  // The save's failure is printed.
  StderrPrompter loud;
  PrompterScope scope(&loud);
  return SaveProjectFile(project, paths[1]) ? kExitOk : kExitFailure;
}

constexpr char kHelp[] =
    "Reads a project file and writes it again in the program's own form\n"
    "(format 12, settings that follow the protocol recomputed).\n"
    "  IN.orx           the project to read (a .json name: its text form)\n"
    "  OUT.orx          the project file to write\n";

const CommandRegistration kRegistration({"save", kUsage, RunSave, kHelp});

}  // namespace

}  // namespace tavo::cli
