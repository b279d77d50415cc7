#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "model/Project.h"

namespace tavo {

// The project file (.orx): header, panel settings, screens with their
// elements as tagged objects, then the alarm list.

constexpr uint8_t kProjectFileVersion = 12;  // the version this program writes

// Outcome of reading or writing a project file; each failure has its message.
enum class ProjectFileError {
  None,
  OpenFailed,       // "打开文件" + path + "时出错!"
  NotOrx,           // "请确认是否为orx文件!"
  VersionMismatch,  // "软件版本不匹配!"
  BadIndex,         // "%1 格式错。"
  BadClass,         // "%1 含有非预期的对象。"
  BadSchema,        // "%1 包含错误的模式。"
  EndOfFile,        // "试图越过其尾端对 %1 进行读写。"
  ReadFailed,       // "打开文档失败。"
  DiskFull,         // "目的磁盘驱动器已满。"
  AccessDenied,     // "对 %1 的存取被拒绝。"
  SaveFailed,       // "保存文档失败。"
};

struct FileMessage {
  std::string text;     // UTF-8
  std::string caption;  // UTF-8, may be empty
};
// The message for a failure; `fileName` fills %1 (and the open-failure text).
FileMessage ProjectFileMessage(ProjectFileError error, const std::string& fileName);
// The failure of a write that ended with errno `err` (a full disk, a
// refused access, anything else).
ProjectFileError WriteError(int err);

// What a project file holds besides the project: the program-wide protocol
// number it was saved with.
struct ReadInfo {
  uint8_t protocol = 0;
};

// ---- the format, over bytes (no messages, no program state changed) ----

// The check made before opening: tag, magic, format mark and version.
ProjectFileError CheckProjectHeader(std::span<const uint8_t> head);
// Reads a whole file into `out`, which should be a freshly constructed
// project. Elements are constructed under the file's protocol; the
// program-wide protocol is restored afterwards. On success the project has at
// least one screen and a current screen inside the list; the protocol is not
// yet applied (see AdoptReadProject). On failure `out` must be discarded.
ProjectFileError ReadProjectBytes(std::span<const uint8_t> data, Project& out, ReadInfo& info);
// The whole file, format version 12, for the given protocol number.
std::vector<uint8_t> WriteProjectBytes(Project& project, uint8_t protocol);

// ---- files, with the user's messages (through CurrentPrompter()) ----
// A path ending in ".json" names the project's text form
// (model/ProjectTextForm.h): these read and write it instead of the .orx.

// Opens the file and checks its header; shows the refusal and returns false.
bool CheckProjectFile(const std::string& path);
// Reads the file into a fresh project; only when the whole read succeeded
// does it replace `project`'s content, become the selected protocol (applied
// with Project::ApplyProtocol) and give the project its path. On failure it
// shows the message and leaves `project`, the protocol and its profile as
// they were. Registers with more decimals than digits are reported in one
// "寄存器出现错误" that names their screens and positions.
bool ReadProjectFile(Project& project, const std::string& path);
// The Open command after a file was chosen: CheckProjectFile, then
// ReadProjectFile.
bool OpenProjectFile(Project& project, const std::string& path);
// Writes the whole file through a temporary file beside `path`, renamed over
// it only once complete. On success the project takes the path, version 12
// and is no longer modified; on failure it shows the message and the project
// and any file already at `path` stay as they were.
bool SaveProjectFile(Project& project, const std::string& path);
// Save (or Save As when the project has no path yet: the path is asked for).
// This is what Project::m_save does.
bool SaveProject(Project& project);

// Replaces `project`'s stored content (screens, settings, alarm list, file
// version) by `fresh`'s, keeping its installed callbacks, and applies the
// protocol. Used after a successful read.
void AdoptReadProject(Project& project, Project&& fresh, const ReadInfo& info);

// Reads a whole regular file into memory. Returns an errno value (0 on
// success); EFBIG, with nothing read, for a file over `maxBytes`.
int ReadWholeFile(const std::string& path, std::vector<uint8_t>& out, size_t maxBytes = SIZE_MAX);

}  // namespace tavo
