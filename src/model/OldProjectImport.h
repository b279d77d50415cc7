#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace tavo {

class Project;

// "导入旧工程" without its dialogs: the editor asks for the old file and shows
// the conversion dialog (as `confirm`); the `tavo import` command runs it
// straight through. Messages go through CurrentPrompter().
enum class ImportStatus {
  kImported,       // new file written and opened as the project
  kCancelled,      // the offer to save or the conversion dialog was cancelled
  kOpenFailed,     // "文件打开错误!": the old file cannot be read
  kBadFormat,      // "文件格式非法!": not an old project, or one that does not hold together
  kWriteFailed,    // "导入失败!": the new file could not be written; any earlier one is intact
  kOpenNewFailed,  // the new file was written but the project reader refused it
};

struct ImportRequest {
  std::string oldPath;
  // Where the new file goes; empty: beside the old file, extension ".orx".
  std::string outPath;
  // The conversion dialog, asked after the old file passed its check; false
  // cancels and nothing is written.
  std::function<bool()> confirm;
};

ImportStatus ImportOldProject(Project& project, const ImportRequest& request);

// The old file's path with the extension ".orx".
std::string ImportedProjectPath(const std::string& oldPath);

}  // namespace tavo
