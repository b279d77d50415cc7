// tavo fontlib --unifont FILE.hex -o DIR: builds "ormed_EN.dat" and
// "ormed_CH.dat" from GNU Unifont. The build runs it to place both libraries
// beside the executables.
#include <cstdio>
#include <string>
#include <vector>

#include "base/DataFiles.h"
#include "cli/Cli.h"
#include "cli/Command.h"
#include "render/FontLibBuilder.h"

namespace tavo::cli {

namespace {

constexpr char kUsage[] = "fontlib --unifont FILE.hex -o DIR   build both font libraries";

int RunFontlib(const std::vector<std::string>& args) {
  std::string hexPath, outDir;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    bool hasValue = i + 1 < args.size();
    if (a == "--unifont" && hasValue) {
      hexPath = args[++i];
    } else if (a == "-o" && hasValue) {
      outDir = args[++i];
    } else if (a == "--data-dir" && hasValue) {
      SetDataDir(args[++i]);
    } else {
      std::fprintf(stderr, "tavo fontlib: unexpected argument '%s'\nusage: tavo %s\n", a.c_str(),
                   kUsage);
      return kExitFailure;
    }
  }
  if (hexPath.empty() || outDir.empty()) {
    std::fprintf(stderr, "usage: tavo %s\n", kUsage);
    return kExitFailure;
  }

  FontLibraryImages libs;
  std::string error;
  FontLibBuild built = BuildFontLibraries(hexPath, libs, error);
  if (built != FontLibBuild::Ok) {
    std::fprintf(stderr, "tavo fontlib: %s\n", error.c_str());
    return built == FontLibBuild::NoGlyphs ? kExitRefused : kExitFailure;
  }
  if (!WriteFontLibraries(libs, outDir, error)) {
    std::fprintf(stderr, "tavo fontlib: %s\n", error.c_str());
    return kExitFailure;
  }
  return kExitOk;
}

constexpr char kHelp[] =
    "Builds the font libraries \"ormed_EN.dat\" and \"ormed_CH.dat\" from GNU Unifont.\n"
    "  --unifont FILE.hex   the Unifont glyphs (e.g. /usr/share/unifont/unifont.hex)\n"
    "  -o DIR           the folder to write both libraries into\n";

const CommandRegistration kRegistration({"fontlib", kUsage, RunFontlib, kHelp});

}  // namespace

}  // namespace tavo::cli
