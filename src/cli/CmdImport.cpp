// tavo import OLD.qse [-o NEW.orx]: converts a project of the previous
// generation into a project file (beside the old file unless -o is given)
// and checks that the new file opens.
#include <cstdio>
#include <string>
#include <vector>

#include "base/DataFiles.h"
#include "base/Prompter.h"
#include "cli/Cli.h"
#include "cli/Command.h"
#include "model/OldProjectImport.h"
#include "model/Project.h"

namespace tavo::cli {

namespace {

constexpr char kUsage[] = "import OLD.qse [-o NEW.orx]   convert a previous-generation project";

// Messages of the import: the success on stdout, everything else on stderr.
// The import asks no question here (the fresh project is not modified and
// there is no conversion dialog), so every question is answered Cancel.
class ImportPrompter : public SilentPrompter {
 public:
  void Message(const std::string& text, const std::string& caption, MessageIcon icon) override {
    std::FILE* to = icon == MessageIcon::Information ? stdout : stderr;
    if (caption.empty())
      std::fprintf(to, "%s\n", text.c_str());
    else
      std::fprintf(to, "%s: %s\n", caption.c_str(), text.c_str());
  }
};

int RunImport(const std::vector<std::string>& args) {
  ImportRequest request;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    bool hasValue = i + 1 < args.size();
    if (a == "-o" && hasValue) {
      request.outPath = args[++i];
    } else if (a == "--data-dir" && hasValue) {
      SetDataDir(args[++i]);
    } else if (request.oldPath.empty() && !a.empty() && a[0] != '-') {
      request.oldPath = a;
    } else {
      std::fprintf(stderr, "tavo import: unexpected argument '%s'\nusage: tavo %s\n", a.c_str(),
                   kUsage);
      return kExitFailure;
    }
  }
  if (request.oldPath.empty()) {
    std::fprintf(stderr, "usage: tavo %s\n", kUsage);
    return kExitFailure;
  }

  ImportPrompter prompter;
  SetPrompter(&prompter);
  Project project;
  ImportStatus status = ImportOldProject(project, request);
  SetPrompter(nullptr);
  switch (status) {
    case ImportStatus::kImported:
      return kExitOk;
    case ImportStatus::kOpenFailed:
    case ImportStatus::kBadFormat:
      return kExitRefused;
    case ImportStatus::kCancelled:
      return kExitCancelled;
    case ImportStatus::kWriteFailed:
    case ImportStatus::kOpenNewFailed:
      break;
  }
  return kExitFailure;
}

constexpr char kHelp[] =
    "Converts a project of the previous generation into a project file and checks\n"
    "that the new file opens.\n"
    "  OLD.qse          the old project\n"
    "  -o NEW.orx       the project file to write (without it: beside the old file)\n";

const CommandRegistration kRegistration({"import", kUsage, RunImport, kHelp});

}  // namespace

}  // namespace tavo::cli
