#include "base/DataFiles.h"

#include <cstdlib>
#include <filesystem>
#include <vector>

namespace tavo {

namespace fs = std::filesystem;

namespace {
std::string g_dataDir;
}

void SetDataDir(const std::string& dir) {
  g_dataDir = dir;
}

std::string ExecutableDir() {
  std::error_code ec;
  fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec) return ".";
  return exe.parent_path().string();
}

std::string DataFilePath(const std::string& name) {
  std::vector<fs::path> dirs;
  if (!g_dataDir.empty()) dirs.emplace_back(g_dataDir);
  if (const char* env = std::getenv("TAVO_DATA_DIR"); env && *env) dirs.emplace_back(env);
  fs::path exeDir = ExecutableDir();
  dirs.push_back(exeDir);
  dirs.push_back(exeDir / ".." / "share" / "tavo");
  std::error_code ec;
  for (auto& d : dirs)
    if (fs::exists(d / name, ec)) return (d / name).string();
  return (dirs.front() / name).string();
}

}  // namespace tavo
