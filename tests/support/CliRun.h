#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "cli/Cli.h"

namespace tavo::test {

// What one run of the `tavo` command gave: its exit status and everything it
// printed.
struct CliRun {
  int status;
  std::string out, err;
};

// Runs `tavo ARGS...` in the test's own process, capturing standard output
// and standard error.
inline CliRun Tavo(std::vector<std::string> args) {
  args.insert(args.begin(), "tavo");
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  const int status = cli::Main(static_cast<int>(argv.size()), argv.data());
  std::string out = testing::internal::GetCapturedStdout();
  std::string err = testing::internal::GetCapturedStderr();
  return {status, std::move(out), std::move(err)};
}

}  // namespace tavo::test
