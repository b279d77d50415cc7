#pragma once

#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/TempDir.h"

namespace tavo::test {

// Directory that holds the data files of the build.
inline std::string BuiltDataDir() {
  const char* env = std::getenv("TAVO_DATA_DIR");
  return env && *env ? env : TAVO_BIN_DIR;
}

inline std::vector<uint8_t> ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace tavo::test
