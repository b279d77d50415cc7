// tavo budget FILE [--json]: the bytes of the download image, part by part
// and screen by screen, against the panel's 32,767 bytes.
#include "check/ImageBudget.h"
#include "cli/Cli.h"
#include "cli/Command.h"
#include "cli/ProjectCheckRead.h"
#include "model/Project.h"

namespace tavo::cli {

namespace {

constexpr char kUsage[] = "budget FILE.orx [--json]        the image's bytes, part by part";

int RunBudget(const std::vector<std::string>& args) {
  CheckArgs a;
  if (!ParseCheckArgs("budget", kUsage, false, args, a)) return kExitFailure;
  Project project;
  if (!OpenProjectForCheck(a.file, project)) return kExitRefused;
  const ImageBudget budget = MeasureImage(project);
  return WriteCheckOutput("budget", "", a.json ? BudgetToJson(budget) : BudgetToText(budget));
}

constexpr char kHelp[] =
    "Counts the bytes of the download image, part by part and screen by screen,\n"
    "against the panel's 32,767 bytes.\n"
    "  FILE.orx         the project (a .json name: its text form)\n"
    "  --json           as JSON\n";

const CommandRegistration kRegistration({"budget", kUsage, RunBudget, kHelp});

}  // namespace

}  // namespace tavo::cli
