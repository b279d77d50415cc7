#include "cli/ProjectCheckRead.h"

#include <cstdio>
#include <span>

#include "base/DataFiles.h"
#include "base/Prompter.h"
#include "cli/Cli.h"
#include "cli/ProjectRead.h"
#include "model/Project.h"
#include "model/ProjectFile.h"

namespace tavo::cli {

namespace {

// Keeps the reader's messages; they are printed only when the file is refused.
class KeepingPrompter : public SilentPrompter {
 public:
  void Message(const std::string& text, const std::string& caption, MessageIcon) override {
    messages.emplace_back(text, caption);
  }
  std::vector<std::pair<std::string, std::string>> messages;
};

}  // namespace

bool ParseCheckArgs(const char* name, const char* usage, bool xref,
                    const std::vector<std::string>& args, CheckArgs& out) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool hasValue = i + 1 < args.size();
    if (a == "--json") {
      out.json = true;
    } else if (xref && a == "--csv") {
      out.csv = true;
    } else if (xref && a == "-o" && hasValue && out.out.empty()) {
      out.out = args[++i];
    } else if (a == "--data-dir" && hasValue) {
      SetDataDir(args[++i]);
    } else if (out.file.empty() && !a.empty() && a[0] != '-') {
      out.file = a;
    } else {
      std::fprintf(stderr, "tavo %s: unexpected argument '%s'\nusage: tavo %s\n", name, a.c_str(),
                   usage);
      return false;
    }
  }
  if (out.json && out.csv) {
    std::fprintf(stderr, "tavo %s: --json and --csv exclude each other\nusage: tavo %s\n", name,
                 usage);
    return false;
  }
  if (out.file.empty()) {
    std::fprintf(stderr, "usage: tavo %s\n", usage);
    return false;
  }
  return true;
}

bool OpenProjectForCheck(const std::string& path, Project& project) {
  KeepingPrompter keeping;
  int status = kExitOk;
  {
    PrompterScope scope(&keeping);
    status = OpenProjectForCommand(path, project);
  }
  if (status == kExitOk) return true;
  for (const auto& [text, caption] : keeping.messages) PrintMessage(text, caption);
  if (keeping.messages.empty()) std::fprintf(stderr, "tavo: cannot read %s\n", path.c_str());
  return false;
}

int WriteCheckOutput(const char* name, const std::string& out, const std::string& text) {
  if (out.empty()) return WriteStandardOutput(name, text) ? kExitOk : kExitFailure;
  const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
  return WriteOutputFile(name, out, std::span<const uint8_t>(bytes, text.size()));
}

}  // namespace tavo::cli
