#pragma once

#include <stdlib.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace tavo::test {

// A fresh directory in the temporary folder ($TMPDIR or /tmp), removed with
// everything in it. A folder that cannot be made ends the test with the
// reason instead of letting it write elsewhere.
struct TempDir {
  std::string path;
  TempDir() {
    std::string t = (std::filesystem::temp_directory_path() / "tavo-test-XXXXXX").string();
    if (!mkdtemp(t.data()))
      throw std::runtime_error("cannot make a temporary folder: " + std::string(strerror(errno)));
    path = t;
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  std::string File(const std::string& name) const { return path + "/" + name; }
  std::string operator/(const std::string& name) const { return File(name); }
  // Writes a file in the folder and returns its path.
  std::string WriteText(const std::string& name, const std::string& text) const {
    std::ofstream(File(name), std::ios::binary) << text;
    return File(name);
  }
  std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) const {
    return WriteText(name, std::string(bytes.begin(), bytes.end()));
  }
};

inline void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

inline std::vector<uint8_t> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

}  // namespace tavo::test
