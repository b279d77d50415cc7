// tavo compile FILE.orx -o IMAGE.bin [--driver-out DRIVER.bin]
//                       [--on-warning cancel|continue]
// Compiles a project into the panel's download image as a download would, and
// writes the image (and the protocol driver that would be sent with it).
// Nothing is written unless the whole compilation succeeded. The command never
// writes "In.dat".
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "base/DataFiles.h"
#include "base/SafeFile.h"
#include "cli/Cli.h"
#include "cli/Command.h"
#include "cli/ConsolePrompter.h"
#include "cli/ProjectCompile.h"

namespace tavo::cli {

namespace {

constexpr char kUsage[] =
    "compile FILE.orx -o IMAGE.bin [--driver-out DRIVER.bin] [--on-warning cancel|continue]"
    "   the download image";

int Usage() {
  std::fprintf(stderr, "usage: tavo %s\n", kUsage);
  return kExitFailure;
}

bool Write(const std::string& path, const std::vector<uint8_t>& bytes) {
  if (const int err = WriteFileSafely(path, bytes); err != 0) {
    std::fprintf(stderr, "tavo compile: cannot write %s: %s\n", path.c_str(), std::strerror(err));
    return false;
  }
  return true;
}

int RunCompile(const std::vector<std::string>& args) {
  std::string input, imagePath, driverPath;
  QuestionPolicy policy = QuestionPolicy::kAsk;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool hasValue = i + 1 < args.size();
    if (a == "-o" && hasValue) {
      imagePath = args[++i];
    } else if (a == "--driver-out" && hasValue) {
      driverPath = args[++i];
    } else if (a == "--on-warning" && hasValue) {
      const auto parsed = ParseOnWarning(args[++i]);
      if (!parsed) {
        std::fprintf(stderr, "tavo compile: --on-warning takes cancel or continue, not '%s'\n",
                     args[i].c_str());
        return Usage();
      }
      policy = *parsed;
    } else if (a == "--data-dir" && hasValue) {
      SetDataDir(args[++i]);
    } else if (input.empty() && !a.empty() && a[0] != '-') {
      input = a;
    } else {
      std::fprintf(stderr, "tavo compile: unexpected argument '%s'\n", a.c_str());
      return Usage();
    }
  }
  if (input.empty() || imagePath.empty()) return Usage();

  ConsolePrompter prompter(policy);
  PrompterScope installed(&prompter);

  CompiledProject project;
  if (const int status = CompileProjectFile(input, project); status != kExitOk) return status;
  const CompiledImage& compiled = project.compiled;

  if (!Write(imagePath, compiled.image)) return kExitFailure;
  if (!driverPath.empty() && !Write(driverPath, compiled.driver.bytes)) return kExitFailure;
  std::printf("image: %zu bytes\n", compiled.Size());
  std::printf("screens: %zu\n", compiled.screens);
  std::printf("elements: %zu\n", compiled.elements);
  std::printf("wide glyphs: %zu\n", compiled.wideGlyphs);
  std::printf("narrow glyphs: %zu\n", compiled.narrowGlyphs);
  std::printf("driver: %zu bytes, version %u\n", compiled.driver.bytes.size(),
              static_cast<unsigned>(compiled.driver.version));
  return kExitOk;
}

constexpr char kHelp[] =
    "Compiles a project into the panel's download image, as a download would, and\n"
    "writes nothing unless the whole compilation succeeded.\n"
    "  FILE.orx         the project (a .json name: its text form)\n"
    "  -o IMAGE.bin     the image to write\n"
    "  --driver-out DRIVER.bin   also write the protocol driver a download sends\n"
    "  --on-warning cancel|continue   the answer to the question about corrected\n"
    "                   register limits (without it: asked on a terminal, else cancel)\n";

const CommandRegistration kRegistration({"compile", kUsage, RunCompile, kHelp});

}  // namespace

}  // namespace tavo::cli
