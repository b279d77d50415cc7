#include "cli/Cli.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "cli/Command.h"

namespace tavo::cli {

std::vector<Command>& Commands() {
  static std::vector<Command> commands;
  return commands;
}

namespace {

void Usage() {
  std::fputs("usage: tavo COMMAND [ARGS]   (every command takes --data-dir DIR)\n", stderr);
  auto cmds = Commands();
  std::sort(cmds.begin(), cmds.end(), [](auto& a, auto& b) { return a.name < b.name; });
  for (auto& c : cmds)
    if (!c.usage.empty())
      std::fprintf(stderr, "  %s\n", c.usage.c_str());  // unlisted: developer tools
}

}  // namespace

int Main(int argc, char** argv) {
  if (argc < 2) {
    Usage();
    return kExitFailure;
  }
  std::string name = argv[1];
  std::vector<std::string> args(argv + 2, argv + argc);
  for (auto& c : Commands())
    if (c.name == name) return c.run(args);
  std::fprintf(stderr, "tavo: unknown command '%s'\n", name.c_str());
  Usage();
  return kExitFailure;
}

}  // namespace tavo::cli
