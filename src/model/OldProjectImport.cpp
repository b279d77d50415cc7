#include "model/OldProjectImport.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "base/SafeFile.h"
#include "base/Texts.h"
#include "model/OldProject.h"
#include "model/ProjectFile.h"

namespace tavo {

namespace {

enum class OldFileRead { kOk, kOpenFailed, kTooLarge };

// Reads the old file whole, refusing one larger than any old project can be
// before anything is allocated for it.
OldFileRead ReadOldFile(const std::string& path, std::vector<uint8_t>& out) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return OldFileRead::kOpenFailed;
  struct stat st;
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    close(fd);
    return OldFileRead::kOpenFailed;
  }
  OldFileRead result = OldFileRead::kOk;
  uint8_t buf[65536];
  for (;;) {
    const ssize_t n = read(fd, buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      result = OldFileRead::kOpenFailed;
      break;
    }
    if (n == 0) break;
    // One byte past the limit is enough to know the file is too large.
    if (out.size() + static_cast<size_t>(n) > kOldFileMaxSize + 1) {
      result = OldFileRead::kTooLarge;
      break;
    }
    out.insert(out.end(), buf, buf + n);
  }
  close(fd);
  return result;
}

const char* const kBadFormatText =
    TAVO_TRANSLATE_NOOP("tavo::model::OldProjectImport", "文件格式非法!");

void Say(const char* text, MessageIcon icon) {
  CurrentPrompter().Message(Translate("tavo::model::OldProjectImport", text), "", icon);
}

}  // namespace

std::string ImportedProjectPath(const std::string& oldPath) {
  return std::filesystem::path(oldPath).replace_extension(".orx").string();
}

ImportStatus ImportOldProject(Project& project, const ImportRequest& request) {
  if (!project.SaveModified()) return ImportStatus::kCancelled;

  std::vector<uint8_t> oldBytes;
  switch (ReadOldFile(request.oldPath, oldBytes)) {
    case OldFileRead::kOpenFailed:
      Say(TAVO_TRANSLATE_NOOP("tavo::model::OldProjectImport", "文件打开错误!"),
          MessageIcon::Warning);
      return ImportStatus::kOpenFailed;
    case OldFileRead::kTooLarge:
      Say(kBadFormatText, MessageIcon::Warning);
      return ImportStatus::kBadFormat;
    case OldFileRead::kOk:
      break;
  }
  if (!HasOldProjectMark(oldBytes)) {
    Say(kBadFormatText, MessageIcon::Warning);
    return ImportStatus::kBadFormat;
  }
  if (request.confirm && !request.confirm()) return ImportStatus::kCancelled;

  // The whole old file is walked and checked before anything is written.
  auto converted = ConvertOldProject(oldBytes);
  if (!converted) {
    Say(kBadFormatText, MessageIcon::Warning);
    return ImportStatus::kBadFormat;
  }
  const std::string outPath =
      request.outPath.empty() ? ImportedProjectPath(request.oldPath) : request.outPath;
  if (WriteFileSafely(outPath, *converted) != 0) {
    Say(TAVO_TRANSLATE_NOOP("tavo::model::OldProjectImport", "导入失败!"), MessageIcon::Warning);
    return ImportStatus::kWriteFailed;
  }
  Say(TAVO_TRANSLATE_NOOP("tavo::model::OldProjectImport", "旧工程导入成功!"),
      MessageIcon::Information);
  // The reader shows its own message when it refuses the file.
  if (!ReadProjectFile(project, outPath)) return ImportStatus::kOpenNewFailed;
  return ImportStatus::kImported;
}

}  // namespace tavo
