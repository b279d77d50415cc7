#include "cli/Cli.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "cli/Command.h"
#include "cli/ProjectRead.h"
#include "lang/Catalogues.h"

#ifndef TAVO_VERSION
#define TAVO_VERSION "unknown"
#endif

namespace tavo::cli {

std::vector<Command>& Commands() {
  static std::vector<Command> commands;
  return commands;
}

namespace {

constexpr char kCommonHelp[] =
    "  --data-dir DIR   look for the data files (font libraries, protocol file) in DIR first\n"
    "  --lang zh|en     the language of the messages (default: the locale's)\n"
    "  --help           show this help\n"
    "Exit status: 0 success, 1 failure, 2 refused input file, 3 cancelled by the user's answer.\n";

std::string CommandList() {
  std::string text =
      "usage: tavo COMMAND [ARGS]   (every command takes --data-dir DIR, --lang zh|en)\n";
  auto cmds = Commands();
  std::sort(cmds.begin(), cmds.end(), [](auto& a, auto& b) { return a.name < b.name; });
  for (auto& c : cmds)
    if (!c.usage.empty()) text += "  " + c.usage + "\n";  // unlisted: developer tools
  text += "tavo COMMAND --help explains a command; tavo --version names the release.\n";
  return text;
}

std::string CommandHelp(const Command& c) {
  std::string text = "usage: tavo " + (c.usage.empty() ? c.name : c.usage) + "\n";
  if (!c.help.empty()) {
    text += c.help;
    if (text.back() != '\n') text += '\n';
  }
  return text + kCommonHelp;
}

// "--help" (or "-h") anywhere among a command's arguments asks for its help
// instead of running it: no argument of any command is spelt so.
bool AsksForHelp(const std::vector<std::string>& args) {
  return std::any_of(args.begin(), args.end(),
                     [](const std::string& a) { return a == "--help" || a == "-h"; });
}

}  // namespace

int Main(int argc, char** argv) {
  // --lang may stand anywhere: before the command or among its arguments.
  std::vector<std::string> args(argv + 1, argv + argc);
  const LanguageOption language = TakeLanguageOption(args);
  if (!language.error.empty()) {
    std::fprintf(stderr, "tavo: %s\n", language.error.c_str());
    return kExitFailure;
  }
  // A catalogue that cannot be loaded leaves the texts as written.
  lang::LoadCatalogues(ChooseLanguage(language.language, std::nullopt),
                       {QStringLiteral("tavo_core")});
  if (args.empty()) {
    std::fputs(CommandList().c_str(), stderr);
    return kExitFailure;
  }
  const std::string name = args.front();
  args.erase(args.begin());
  if (name == "--version")
    return WriteStandardOutput("--version", "tavo " TAVO_VERSION "\n") ? kExitOk : kExitFailure;
  if (name == "--help" || name == "-h")
    return WriteStandardOutput("--help", CommandList()) ? kExitOk : kExitFailure;
  for (auto& c : Commands()) {
    if (c.name != name) continue;
    if (AsksForHelp(args))
      return WriteStandardOutput(c.name.c_str(), CommandHelp(c)) ? kExitOk : kExitFailure;
    return c.run(args);
  }
  std::fprintf(stderr, "tavo: unknown command '%s'\n", name.c_str());
  std::fputs(CommandList().c_str(), stderr);
  return kExitFailure;
}

}  // namespace tavo::cli
