#include "cli/Cli.h"

int main(int argc, char** argv) {
  return tavo::cli::Main(argc, argv);
}
