#pragma once

#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace tavo::test {

// A fresh temporary directory, removed with everything in it at the end.
class TempDir {
 public:
  TempDir() {
    std::string t = (std::filesystem::temp_directory_path() / "tavo-render-XXXXXX").string();
    if (mkdtemp(t.data())) path_ = t;
  }
  ~TempDir() {
    std::error_code ec;
    if (!path_.empty()) std::filesystem::remove_all(path_, ec);
  }
  const std::string& path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }
  std::string WriteText(const std::string& name, const std::string& text) const {
    std::ofstream(File(name), std::ios::binary) << text;
    return File(name);
  }
  std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) const {
    return WriteText(name, std::string(bytes.begin(), bytes.end()));
  }

 private:
  std::string path_;
};

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
