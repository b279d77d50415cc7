#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "base/SafeFile.h"
#include "base/Substitute.h"
#include "base/Texts.h"
#include "elements/Register.h"
#include "model/PageHooks.h"
#include "model/ProjectFile.h"
#include "model/ProjectTextForm.h"
#include "plc/Protocol.h"

// Reading and writing project files on disk, with the user's messages.
namespace tavo {

namespace {

constexpr const char* kContext = "tavo::model::ProjectFile";
const char* const kFormatCaption = TAVO_TRANSLATE_NOOP("tavo::model::ProjectFile", "文件格式错误");

// A message in the user's language, `fileName` put in for %1.
FileMessage Say(const char* text, const std::string& fileName, const char* caption = nullptr) {
  return {Substitute(Translate(kContext, text), {fileName}),
          caption ? Translate(kContext, caption) : std::string()};
}

std::string BaseName(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

void Show(ProjectFileError e, const std::string& path) {
  FileMessage m = ProjectFileMessage(e, path);
  CurrentPrompter().Message(m.text, m.caption, MessageIcon::Warning);
}

}  // namespace

ProjectFileError WriteError(int err) {
  switch (err) {
    case ENOSPC:
    case EDQUOT:
      return ProjectFileError::DiskFull;
    case EACCES:
    case EPERM:
    case EROFS:
      return ProjectFileError::AccessDenied;
    default:
      return ProjectFileError::SaveFailed;
  }
}

FileMessage ProjectFileMessage(ProjectFileError error, const std::string& fileName) {
  const char* const readFailed = TAVO_TRANSLATE_NOOP("tavo::model::ProjectFile", "打开文档失败。");
  switch (error) {
    case ProjectFileError::None:
      return {};
    case ProjectFileError::OpenFailed:
      return Say(TAVO_TRANSLATE_NOOP("tavo::model::ProjectFile", "打开文件%1时出错!"), fileName);
    case ProjectFileError::NotOrx:
      return Say(TAVO_TRANSLATE_NOOP("tavo::model::ProjectFile", "请确认是否为orx文件!"), fileName,
                 kFormatCaption);
    case ProjectFileError::VersionMismatch:
      return Say(TAVO_TRANSLATE_NOOP("tavo::model::ProjectFile", "软件版本不匹配!"), fileName,
                 kFormatCaption);
    case ProjectFileError::BadIndex:
      return Say(TAVO_TRANSLATE_NOOP("tavo::model::ProjectFile", "%1 格式错。"), fileName);
    case ProjectFileError::BadClass:
      return Say(TAVO_TRANSLATE_NOOP("tavo::model::ProjectFile", "%1 含有非预期的对象。"),
                 fileName);
    case ProjectFileError::BadSchema:
      return Say(TAVO_TRANSLATE_NOOP("tavo::model::ProjectFile", "%1 包含错误的模式。"), fileName);
    case ProjectFileError::EndOfFile:
      return Say(TAVO_TRANSLATE_NOOP("tavo::model::ProjectFile", "试图越过其尾端对 %1 进行读写。"),
                 fileName);
    case ProjectFileError::ReadFailed:
      return Say(readFailed, fileName);
    case ProjectFileError::DiskFull:
      return Say(TAVO_TRANSLATE_NOOP("tavo::model::ProjectFile", "目的磁盘驱动器已满。"), fileName);
    case ProjectFileError::AccessDenied:
      return Say(TAVO_TRANSLATE_NOOP("tavo::model::ProjectFile", "对 %1 的存取被拒绝。"), fileName);
    case ProjectFileError::SaveFailed:
      return Say(TAVO_TRANSLATE_NOOP("tavo::model::ProjectFile", "保存文档失败。"), fileName);
  }
  return Say(readFailed, fileName);
}

int ReadWholeFile(const std::string& path, std::vector<uint8_t>& out, size_t maxBytes) {
  out.clear();
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return errno;
  struct stat st;
  int err = 0;
  if (fstat(fd, &st) != 0)
    err = errno;
  else if (!S_ISREG(st.st_mode))
    err = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
  else if (static_cast<uint64_t>(st.st_size) > maxBytes)
    err = EFBIG;
  if (err) {
    close(fd);
    return err;
  }
  // The size only sizes the first allocation; the loop reads what is there.
  out.reserve(static_cast<size_t>(st.st_size));
  uint8_t buf[65536];
  for (;;) {
    const ssize_t n = read(fd, buf, sizeof buf);
    if (n < 0) {
      if (errno == EINTR) continue;
      const int err = errno;
      close(fd);
      return err;
    }
    if (n == 0) break;
    if (static_cast<size_t>(n) > maxBytes - out.size()) {  // the file grew while read
      close(fd);
      out.clear();
      return EFBIG;
    }
    out.insert(out.end(), buf, buf + n);
  }
  close(fd);
  return 0;
}

// Reads a text form into a fresh project; shows the refusal.
static bool ReadTextFormFile(const std::string& path, Project& fresh, ReadInfo& info) {
  std::string text;
  TextFormError error;
  const TextFileLoad load = LoadTextFormFile(path, text, error);
  if (load == TextFileLoad::Unreadable) {
    Show(ProjectFileError::OpenFailed, path);
    return false;
  }
  if (load == TextFileLoad::Loaded && ReadTextForm(text, fresh, info, error)) return true;
  CurrentPrompter().Message(TextFormMessage(path, error), kFormatCaption, MessageIcon::Warning);
  return false;
}

bool CheckProjectFile(const std::string& path) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  struct stat st;
  // Only regular files: a directory, a pipe or a device is no project and
  // must not make the check wait for input.
  if (fd < 0 || fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    if (fd >= 0) close(fd);
    Show(ProjectFileError::OpenFailed, path);
    return false;
  }
  // A text form has no header: reading it checks everything.
  if (IsTextFormPath(path)) {
    close(fd);
    return true;
  }
  uint8_t head[8];
  size_t got = 0;
  while (got < sizeof head) {
    const ssize_t n = read(fd, head + got, sizeof head - got);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    got += static_cast<size_t>(n);
  }
  close(fd);
  const ProjectFileError e = CheckProjectHeader(std::span<const uint8_t>(head, got));
  if (e != ProjectFileError::None) {
    Show(e, path);
    return false;
  }
  return true;
}

void AdoptReadProject(Project& project, Project&& fresh, const ReadInfo& info) {
  project.m_screens = std::move(fresh.m_screens);
  project.m_curScreen = fresh.m_curScreen;
  const uint8_t plcPos = project.m_settings.m_plcPos;
  project.m_settings = fresh.m_settings;
  project.m_settings.m_plcPos = plcPos;  // not stored in the file
  project.m_alarmList = std::move(fresh.m_alarmList);
  project.m_fileVersion = fresh.m_fileVersion;
  project.m_formatMark = fresh.m_formatMark;
  project.m_elementSelected = false;
  project.m_hasProject = true;
  project.m_modified = false;
  // Recomputes the protocol-dependent values over what was read.
  project.ApplyProtocol(info.protocol);
  CurrentPageHooks().ShowScreenPage();
}

// The reading of ReadProjectFile, its messages as they come.
static bool ReadProjectFileShowing(Project& project, const std::string& path) {
  if (IsTextFormPath(path)) {
    Project fresh;
    ReadInfo info;
    if (!ReadTextFormFile(path, fresh, info)) return false;
    AdoptReadProject(project, std::move(fresh), info);
    project.m_path = path;
    project.m_title = BaseName(path);
    return true;
  }
  std::vector<uint8_t> data;
  if (ReadWholeFile(path, data) != 0) {
    Show(ProjectFileError::OpenFailed, path);
    return false;
  }
  Project fresh;
  ReadInfo info;
  const ProjectFileError e = ReadProjectBytes(data, fresh, info);
  if (e != ProjectFileError::None) {
    Show(e, path);
    return false;
  }
  AdoptReadProject(project, std::move(fresh), info);
  project.m_path = path;
  project.m_title = BaseName(path);
  return true;
}

bool ReadProjectFile(Project& project, const std::string& path) {
  // Every register with more decimals than digits says "寄存器出现错误" as it
  // is placed: the project's registers say it once, naming where they are.
  bool read = false;
  MessageBatch batch(RegisterErrorText(),
                     [&] { return read ? RegisterErrorPlaces(project) : std::string(); });
  read = ReadProjectFileShowing(project, path);
  batch.Release();
  return read;
}

bool OpenProjectFile(Project& project, const std::string& path) {
  return CheckProjectFile(path) && ReadProjectFile(project, path);
}

bool SaveProjectFile(Project& project, const std::string& path) {
  std::vector<uint8_t> bytes;
  try {
    if (IsTextFormPath(path)) {
      const std::string text = ProjectToTextForm(project, CurrentProtocol());
      bytes.assign(text.begin(), text.end());
    } else {
      bytes = WriteProjectBytes(project, CurrentProtocol());
    }
  } catch (const std::exception&) {
    Show(ProjectFileError::SaveFailed, path);
    return false;
  }
  const int err = WriteFileSafely(path, bytes);
  if (err != 0) {
    Show(WriteError(err), path);
    return false;
  }
  project.m_fileVersion = kProjectFileVersion;
  project.m_path = path;
  project.m_title = BaseName(path);
  project.m_modified = false;
  return true;
}

bool SaveProject(Project& project) {
  std::string path = project.m_path;
  if (path.empty()) {
    const bool untitled = project.m_title.empty() || project.m_title == kNewProjectTitle;
    const std::string proposed =
        untitled ? Translate("tavo::model::Project", kNewProjectTitle) + ".orx" : project.m_title;
    auto chosen = CurrentPrompter().ChooseSavePath(proposed);
    if (!chosen || chosen->empty()) return false;
    path = *chosen;
    // The default extension, when the name has none.
    const auto slash = path.rfind('/');
    const auto dot = path.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) path += ".orx";
  }
  return SaveProjectFile(project, path);
}

}  // namespace tavo
