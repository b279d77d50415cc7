// tavo export FILE.orx [-o FILE.json]: the project's text form (JSON), on
// standard output or into the named file: the project as `tavo save` would
// write it (a file of an older format version comes out as version 12 would
// hold it), so that building the text gives what saving gives. Needs no data
// files.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "base/DataFiles.h"
#include "base/Prompter.h"
#include "base/SafeFile.h"
#include "cli/Cli.h"
#include "cli/Command.h"
#include "cli/ProjectRead.h"
#include "model/ProjectFile.h"
#include "model/ProjectTextForm.h"

namespace tavo::cli {

namespace {

constexpr char kUsage[] = "export FILE.orx [-o FILE.json]  the project as text (JSON)";

int RunExport(const std::vector<std::string>& args) {
  std::string in, out;
  if (!ParseFileAndOutput("export", kUsage, args, false, in, out)) return kExitFailure;

  Project fresh;
  ReadInfo info;
  if (!ReadProjectQuietly(in, fresh, info)) return kExitRefused;
  Project project;
  AdoptReadProject(project, std::move(fresh), info);
  const std::string text = ProjectToTextForm(project, info.protocol);
  if (out.empty()) {
    return WriteStandardOutput("export", text) ? kExitOk : kExitFailure;
  }
  return WriteOutputFile(
      "export", out,
      std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

constexpr char kHelp[] =
    "Writes a project as text (JSON, UTF-8), as saving would write it.\n"
    "  FILE.orx         the project file to read\n"
    "  -o FILE.json     the text to write (without it: standard output)\n";

const CommandRegistration kRegistration({"export", kUsage, RunExport, kHelp});

}  // namespace

}  // namespace tavo::cli
