// tavo check FILE [--json]: what would stop the download, make the panel
// misbehave or is likely a mistake. Exit 0 without errors, 1 with errors,
// 2 for a file that cannot be read or is refused.
#include "check/ProjectCheck.h"
#include "cli/Cli.h"
#include "cli/Command.h"
#include "cli/ProjectCheckRead.h"
#include "cli/ProjectRead.h"
#include "model/Project.h"

namespace tavo::cli {

namespace {

constexpr char kUsage[] = "check FILE.orx [--json]         problems before the download";

int RunCheck(const std::vector<std::string>& args) {
  CheckArgs a;
  if (!ParseCheckArgs("check", kUsage, false, args, a)) return kExitRefused;
  Project project;
  if (!OpenProjectForCheck(a.file, project)) return kExitRefused;
  const std::vector<Finding> findings = CheckProject(project);
  const std::string text = a.json ? FindingsToJson(findings) : FindingsToText(findings);
  if (!WriteStandardOutput("check", text)) return kExitFailure;
  return CountFindings(findings, Severity::kError) > 0 ? kExitFailure : kExitOk;
}

constexpr char kHelp[] =
    "Lists what would stop the download, make the panel misbehave or is likely a\n"
    "mistake. Exit status 0 without errors, 1 with errors.\n"
    "  FILE.orx         the project (a .json name: its text form)\n"
    "  --json           as JSON\n";

const CommandRegistration kRegistration({"check", kUsage, RunCheck, kHelp});

}  // namespace

}  // namespace tavo::cli
