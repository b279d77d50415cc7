#pragma once

#include <functional>
#include <string>
#include <vector>

namespace tavo::cli {

// One sub-command of `tavo`. Each command lives in its own file and registers
// itself with a static CommandRegistration; the cli library is linked as an
// object library so every registration is kept.
struct Command {
  std::string name;
  std::string usage;  // one line, shown by `tavo` without arguments
  // Arguments after the command name; returns the exit status.
  std::function<int(const std::vector<std::string>& args)> run;
  // What `tavo NAME --help` explains below the usage line: the arguments and
  // options, one per line. Empty: the usage line and the common options only.
  std::string help = {};
};

std::vector<Command>& Commands();

struct CommandRegistration {
  explicit CommandRegistration(Command command) { Commands().push_back(std::move(command)); }
};

}  // namespace tavo::cli
