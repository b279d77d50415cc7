// tavo build FILE.json -o FILE.orx: the project file a text form describes.
// A refused text names the file, the JSON path and the reason, and nothing is
// written. Needs no data files.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "base/DataFiles.h"
#include "base/SafeFile.h"
#include "cli/Cli.h"
#include "cli/Command.h"
#include "cli/ProjectRead.h"
#include "model/ProjectFile.h"
#include "model/ProjectTextForm.h"

namespace tavo::cli {

namespace {

constexpr char kUsage[] = "build FILE.json -o FILE.orx     the project file of a text form";

int RunBuild(const std::vector<std::string>& args) {
  std::string in, out;
  if (!ParseFileAndOutput("build", kUsage, args, true, in, out)) return kExitFailure;

  std::string text;
  TextFormError error;
  std::vector<uint8_t> orx;
  const TextFileLoad load = LoadTextFormFile(in, text, error);
  if (load == TextFileLoad::Unreadable) {
    std::fprintf(stderr, "%s\n", ProjectFileMessage(ProjectFileError::OpenFailed, in).text.c_str());
    return kExitRefused;
  }
  if (load != TextFileLoad::Loaded || !TextFormToOrxBytes(text, orx, error)) {
    std::fprintf(stderr, "%s\n", TextFormMessage(in, error).c_str());
    return kExitRefused;
  }
  return WriteOutputFile("build", out, orx);
}

constexpr char kHelp[] =
    "Builds the project file a text form (tavo export) describes. A refused text is\n"
    "reported with the file, the JSON path and the reason, and nothing is written.\n"
    "  FILE.json        the text form to read\n"
    "  -o FILE.orx      the project file to write\n";

const CommandRegistration kRegistration({"build", kUsage, RunBuild, kHelp});

}  // namespace

}  // namespace tavo::cli
