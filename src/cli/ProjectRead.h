#pragma once

// Reading a project file for the commands that show or rewrite it as the
// file holds it (info, export, save).

#include <string>
#include <string_view>
#include <vector>

#include "model/ProjectFile.h"

namespace tavo::cli {

// Reads `path` (a project file, or a text form when the name ends in .json)
// into `fresh` (a newly constructed project) without showing the
// reader's own messages (a damaged register's geometry warning is no
// refusal). A refused file is reported on stderr as "caption: text" and
// false returned; `fresh` is then not to be used.
bool ReadProjectQuietly(const std::string& path, Project& fresh, ReadInfo& info);

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

}  // namespace tavo::cli
