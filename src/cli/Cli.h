#pragma once

#include <string>
#include <vector>

namespace tavo::cli {

// Exit statuses of the `tavo` command.
enum ExitCode : int {
  kExitOk = 0,
  kExitFailure = 1,
  kExitRefused = 2,    // a refused input file
  kExitCancelled = 3,  // the user's answer (or --on-warning cancel) cancelled
};

// Runs the `tavo` command with its arguments; returns the exit status.
int Main(int argc, char** argv);

}  // namespace tavo::cli
