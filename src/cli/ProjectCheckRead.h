#pragma once

// What `tavo check`, `tavo xref` and `tavo budget` share: their arguments and
// the project opened under its protocol.

#include <string>
#include <vector>

namespace tavo {
class Project;
}

namespace tavo::cli {

struct CheckArgs {
  std::string file;
  std::string out;  // -o, xref only
  bool json = false;
  bool csv = false;
};

// Takes "FILE [--json] [--csv] [-o OUT] [--data-dir DIR]"; `--csv` and `-o`
// only where `xref` is true. Prints the usage line and returns false on an
// unexpected or missing argument.
bool ParseCheckArgs(const char* name, const char* usage, bool xref,
                    const std::vector<std::string>& args, CheckArgs& out);

// Opens the project and makes its protocol the current one. The reader's
// messages about its content (a register's digits) are left to the check;
// a file that cannot be read or is refused prints its messages on stderr and
// gives false.
bool OpenProjectForCheck(const std::string& path, Project& project);

// Writes `text` to `out`, or to standard output when `out` is empty.
// Returns the exit status.
int WriteCheckOutput(const char* name, const std::string& out, const std::string& text);

}  // namespace tavo::cli
