#include "cli/ProjectRead.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "base/DataFiles.h"
#include "base/Prompter.h"
#include "base/SafeFile.h"
#include "cli/Cli.h"
#include "model/ProjectTextForm.h"

namespace tavo::cli {

int OpenProjectForCommand(const std::string& path, Project& project) {
  struct stat st;
  const bool readable =
      stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && access(path.c_str(), R_OK) == 0;
  if (OpenProjectFile(project, path)) return kExitOk;
  return readable ? kExitRefused : kExitFailure;
}

int WriteOutputFile(const char* name, const std::string& path, std::span<const uint8_t> bytes) {
  const int err = WriteFileSafely(path, bytes);
  if (err == 0) return kExitOk;
  std::fprintf(stderr, "tavo %s: cannot write %s: %s\n", name, path.c_str(), std::strerror(err));
  return kExitFailure;
}

bool ParseFileAndOutput(const char* name, const char* usage, const std::vector<std::string>& args,
                        bool needOut, std::string& in, std::string& out) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--data-dir" && i + 1 < args.size()) {
      SetDataDir(args[++i]);
    } else if (a == "-o" && i + 1 < args.size() && out.empty()) {
      out = args[++i];
    } else if (in.empty() && !a.empty() && a[0] != '-') {
      in = a;
    } else {
      std::fprintf(stderr, "tavo %s: unexpected argument '%s'\nusage: tavo %s\n", name, a.c_str(),
                   usage);
      return false;
    }
  }
  if (in.empty() || (needOut && out.empty())) {
    std::fprintf(stderr, "usage: tavo %s\n", usage);
    return false;
  }
  return true;
}

bool WriteStandardOutput(const char* name, std::string_view text) {
  // A failed write leaves the stream's error mark even when the buffer is
  // empty by the time it is flushed.
  errno = 0;
  const size_t written = std::fwrite(text.data(), 1, text.size(), stdout);
  int err = written == text.size() ? 0 : errno;
  if (std::fflush(stdout) != 0 && err == 0) err = errno;
  if (err == 0 && !std::ferror(stdout)) return true;
  std::fprintf(stderr, "tavo %s: cannot write the standard output: %s\n", name,
               std::strerror(err ? err : EIO));
  return false;
}

void PrintMessage(const std::string& text, const std::string& caption) {
  if (caption.empty())
    std::fprintf(stderr, "%s\n", text.c_str());
  else
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
}

bool ReadProjectQuietly(const std::string& path, Project& fresh, ReadInfo& info) {
  SilentPrompter silent;
  PrompterScope scope(&silent);
  if (IsTextFormPath(path)) {
    std::string text;
    TextFormError error;
    const TextFileLoad load = LoadTextFormFile(path, text, error);
    if (load == TextFileLoad::Unreadable) {
      PrintMessage(ProjectFileMessage(ProjectFileError::OpenFailed, path).text, "");
      return false;
    }
    if (load == TextFileLoad::Loaded && ReadTextForm(text, fresh, info, error)) return true;
    PrintMessage(TextFormMessage(path, error), "");
    return false;
  }
  std::vector<uint8_t> data;
  ProjectFileError error =
      ReadWholeFile(path, data) == 0 ? ProjectFileError::None : ProjectFileError::OpenFailed;
  if (error == ProjectFileError::None) error = ReadProjectBytes(data, fresh, info);
  if (error == ProjectFileError::None) return true;
  const FileMessage m = ProjectFileMessage(error, path);
  PrintMessage(m.text, m.caption);
  return false;
}

}  // namespace tavo::cli
