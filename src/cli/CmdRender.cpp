// tavo render FILE.orx [--screen N] -o OUT.png: the simulated display of one
// screen as a 432 x 144 PNG, as the editor shows it (without a selection);
// --all -o DIR writes one PNG per screen, named screen-N.png.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "base/DataFiles.h"
#include "base/Prompter.h"
#include "cli/Cli.h"
#include "cli/Command.h"
#include "cli/ProjectRead.h"
#include "model/DisplayView.h"
#include "model/ProjectFile.h"
#include "render/FontLibrary.h"

namespace tavo::cli {

namespace {

constexpr char kUsage[] =
    "render FILE.orx [--screen N] -o OUT.png | --all -o DIR   the simulated display as PNG";

int Fail(const char* fmt, const std::string& arg) {
  std::fputs("tavo render: ", stderr);
  std::fprintf(stderr, fmt, arg.c_str());
  std::fputc('\n', stderr);
  return kExitFailure;
}

std::optional<uint16_t> ParseScreenNumber(const std::string& s) {
  if (s.empty() || s.size() > 5 || s.find_first_not_of("0123456789") != std::string::npos)
    return std::nullopt;
  const unsigned long n = std::strtoul(s.c_str(), nullptr, 10);
  if (n > 0xFFFF) return std::nullopt;
  return static_cast<uint16_t>(n);
}

bool WriteScreen(Project& project, size_t position, const std::string& path) {
  project.SelectScreen(position);
  DisplayView view;
  view.SetProject(&project);
  return view.Paint().WritePng(path);
}

int RunRender(const std::vector<std::string>& args) {
  std::string input, output;
  std::optional<uint16_t> screen;
  bool all = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool hasValue = i + 1 < args.size();
    if (a == "-o" && hasValue) {
      output = args[++i];
    } else if (a == "--screen" && hasValue) {
      screen = ParseScreenNumber(args[++i]);
      if (!screen) return Fail("not a screen number: '%s'", args[i]);
    } else if (a == "--all") {
      all = true;
    } else if (a == "--data-dir" && hasValue) {
      SetDataDir(args[++i]);
    } else if (input.empty() && !a.empty() && a[0] != '-') {
      input = a;
    } else {
      std::fprintf(stderr, "tavo render: unexpected argument '%s'\nusage: tavo %s\n", a.c_str(),
                   kUsage);
      return kExitFailure;
    }
  }
  if (input.empty() || output.empty() || (all && screen)) {
    std::fprintf(stderr, "usage: tavo %s\n", kUsage);
    return kExitFailure;
  }

  // Messages of reading the project go to stderr with their caption.
  StderrPrompter prompter;
  PrompterScope scope(&prompter);

  Project project;
  if (const int status = OpenProjectForCommand(input, project); status != kExitOk) return status;

  if (!PanelFont::Shared().HasEnglish() || !PanelFont::Shared().HasChinese())
    std::fprintf(stderr, "tavo render: font libraries not found (%s, %s): texts are drawn blank\n",
                 DataFilePath(kEnglishFontFile).c_str(), DataFilePath(kChineseFontFile).c_str());

  if (all) {
    std::error_code ec;
    std::filesystem::create_directories(output, ec);
    for (size_t i = 0; i < project.ScreenCount(); ++i) {
      const std::string path =
          (std::filesystem::path(output) /
           ("screen-" + std::to_string(project.ScreenAt(i)->m_number) + ".png"))
              .string();
      if (!WriteScreen(project, i, path)) return Fail("cannot write %s", path);
    }
    return kExitOk;
  }
  size_t position = project.m_curScreen;
  if (screen) {
    const Project::Found f = project.FindScreen(*screen);
    if (!f.found) return Fail("the project has no screen %s", std::to_string(*screen));
    position = f.position;
  }
  if (!WriteScreen(project, position, output)) return Fail("cannot write %s", output);
  return kExitOk;
}

constexpr char kHelp[] =
    "Draws screens of a project as the editor shows them, 432 x 144 pixels.\n"
    "  FILE.orx         the project (a .json name: its text form)\n"
    "  -o OUT.png       the picture to write\n"
    "  --screen N       draw screen N (default: the project's current screen)\n"
    "  --all -o DIR     one picture per screen, DIR/screen-N.png\n";

const CommandRegistration kRegistration({"render", kUsage, RunRender, kHelp});

}  // namespace

}  // namespace tavo::cli
