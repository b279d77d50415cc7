#pragma once

// Reading and writing project files for the `tavo` commands.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/Prompter.h"
#include "model/ProjectFile.h"

namespace tavo::cli {

// Reads `path` (a project file, or a text form when the name ends in .json)
// into `fresh` (a newly constructed project) without showing the
// reader's own messages (a damaged register's geometry warning is no
// refusal). A refused file is reported on stderr as "caption: text" and
// false returned; `fresh` is then not to be used.
bool ReadProjectQuietly(const std::string& path, Project& fresh, ReadInfo& info);

// Opens a project (a project file, or its text form) for a command that draws
// or compiles it; the reader's messages go through CurrentPrompter(). Returns
// kExitOk, kExitFailure when there is no readable file at `path`, or
// kExitRefused when the reader refuses it.
int OpenProjectForCommand(const std::string& path, Project& project);

// Writes `bytes` to the file `path` through the safe save; a failure prints
// "tavo NAME: cannot write PATH: reason". Returns the exit status.
int WriteOutputFile(const char* name, const std::string& path, std::span<const uint8_t> bytes);

// Takes the arguments "FILE [-o OUT] [--data-dir DIR]" of `tavo NAME`. An
// unexpected or missing argument (OUT too when `needOut`) prints the usage
// line and returns false.
bool ParseFileAndOutput(const char* name, const char* usage, const std::vector<std::string>& args,
                        bool needOut, std::string& in, std::string& out);

// Writes `text` to standard output. False, with "tavo NAME: cannot write the
// standard output" on stderr, when not all of it got there (a full disk).
bool WriteStandardOutput(const char* name, std::string_view text);

// Prints a message as the commands print the editor's message boxes:
// "caption: text", or the text alone when it has no caption.
void PrintMessage(const std::string& text, const std::string& caption);

// Shows the editor's message boxes on stderr (PrintMessage); questions get
// the silent prompter's answers.
class StderrPrompter : public SilentPrompter {
 public:
  void Message(const std::string& text, const std::string& caption, MessageIcon) override {
    PrintMessage(text, caption);
  }
};

}  // namespace tavo::cli
