#pragma once

// Reading a project file for the commands that show or rewrite it as the
// file holds it (info, export, save).

#include <string>

#include "model/ProjectFile.h"

namespace tavo::cli {

// Reads `path` (a project file, or a text form when the name ends in .json)
// into `fresh` (a newly constructed project) without showing the
// reader's own messages (a damaged register's geometry warning is no
// refusal). A refused file is reported on stderr as "caption: text" and
// false returned; `fresh` is then not to be used.
bool ReadProjectQuietly(const std::string& path, Project& fresh, ReadInfo& info);

// Prints a message as the commands print the editor's message boxes:
// "caption: text", or the text alone when it has no caption.
void PrintMessage(const std::string& text, const std::string& caption);

}  // namespace tavo::cli
