// tavo save IN.orx OUT.orx: reads a project file and writes it again in the
// program's own form (version 12, protocol-derived settings recomputed).
// Needs no data files.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "cli/Command.h"
#include "model/DataFiles.h"
#include "model/ProjectFile.h"
#include "model/Prompter.h"

namespace tavo::cli {

namespace {

constexpr char kUsage[] = "save IN.orx OUT.orx             read, then write (format 12)";

// Messages on stderr, "caption: text"; there is nobody to answer questions.
class StderrPrompter : public SilentPrompter {
 public:
  void Message(const std::string& text, const std::string& caption, MessageIcon) override {
    if (caption.empty())
      std::fprintf(stderr, "%s\n", text.c_str());
    else
      std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
  }
};

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

  // Reading goes quietly (the geometry warning of a damaged register is not
  // a refusal); the file's own refusals and the save's failure are printed.
  StderrPrompter loud;
  SilentPrompter quiet;
  Project project;
  SetPrompter(&quiet);
  std::vector<uint8_t> data;
  ProjectFileError error =
      ReadWholeFile(paths[0], data) == 0 ? ProjectFileError::None : ProjectFileError::OpenFailed;
  Project fresh;
  ReadInfo info;
  if (error == ProjectFileError::None) error = ReadProjectBytes(data, fresh, info);
  SetPrompter(&loud);
  if (error != ProjectFileError::None) {
    const FileMessage m = ProjectFileMessage(error, paths[0]);
    loud.Message(m.text, m.caption, MessageIcon::Warning);
    SetPrompter(nullptr);
    return kExitRefused;
  }
  AdoptReadProject(project, std::move(fresh), info);
  const bool saved = SaveProjectFile(project, paths[1]);
  SetPrompter(nullptr);
  return saved ? kExitOk : kExitFailure;
}

const CommandRegistration kRegistration({"save", kUsage, RunSave});

}  // namespace

}  // namespace tavo::cli
