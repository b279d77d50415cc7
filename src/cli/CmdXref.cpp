// tavo xref FILE [--csv|--json] [-o OUT]: every PLC address the project uses
// and every element that reads or writes it, sorted by address.
#include "check/CrossReference.h"
#include "cli/Cli.h"
#include "cli/Command.h"
#include "cli/ProjectCheckRead.h"
#include "model/Project.h"
#include "plc/Catalogue.h"

namespace tavo::cli {

namespace {

constexpr char kUsage[] =
    "xref FILE.orx [--csv|--json] [-o OUT]   the PLC addresses and who uses them";

int RunXref(const std::vector<std::string>& args) {
  CheckArgs a;
  if (!ParseCheckArgs("xref", kUsage, true, args, a)) return kExitFailure;
  Project project;
  if (!OpenProjectForCheck(a.file, project)) return kExitRefused;
  const auto entries = BuildCrossReference(project, CurrentProfile());
  const std::string text = a.json  ? XrefToJson(entries)
                           : a.csv ? XrefToCsv(entries)
                                   : XrefToText(entries);
  return WriteCheckOutput("xref", a.out, text);
}

constexpr char kHelp[] =
    "Lists every PLC address the project uses and every element that reads or\n"
    "writes it, sorted by address.\n"
    "  FILE.orx         the project (a .json name: its text form)\n"
    "  --csv            as CSV\n"
    "  --json           as JSON\n"
    "  -o OUT           write into OUT (without it: standard output)\n";

const CommandRegistration kRegistration({"xref", kUsage, RunXref, kHelp});

}  // namespace

}  // namespace tavo::cli
