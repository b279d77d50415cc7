#include "cli/Cli.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace tavo::cli {

namespace {

void Usage() {
  std::fputs(
      "usage: tavo COMMAND [ARGS]\n"
      "  catalogue [--codes]\n",
      stderr);
}

}  // namespace

int Main(int argc, char** argv) {
  if (argc < 2) {
    Usage();
    return kExitFailure;
  }
  std::string cmd = argv[1];
  Usage();
  return kExitFailure;
}

}  // namespace tavo::cli
