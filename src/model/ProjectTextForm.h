#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/ProjectFile.h"

namespace tavo {

// The project's text form: a JSON document (UTF-8) holding everything a
// project file holds, for keeping projects in version control and reviewing
// changes. Layout (always the same text for the same project):
//   { "format": "tavo-project", "formatVersion": 1, "protocol", "m_curScreen",
//     "settings": { every stored panel setting },
//     "screens": [ { "m_number", "m_description", "m_upScreen",
//                    "m_downScreen", "elements": [
//                      { "class": "CChars", "m_kind", "m_x", "m_y", ... } ] } ],
//     "alarmList": { ... } }
// Fields carry their own names and come in file order, one per line. Texts
// are strings, or {"gbk": "HEX"} for stored bytes that are no GBK text.
// A picture whose header is the program's own is "m_width", "m_height" and
// "m_bits" as rows, top row first, "#" a dark pixel and "." a light one;
// any other picture keeps "m_infoBlock" and "m_bits" as hex.

inline constexpr int kTextFormVersion = 1;
inline constexpr char kTextFormName[] = "tavo-project";
// Largest text form read (the reader also bounds nesting and value count).
inline constexpr size_t kMaxTextFormBytes = size_t{32} << 20;

// True when the path names the text form: it ends in ".json" (any case).
bool IsTextFormPath(const std::string& path);

// The text form of a project as the project file would hold it (format
// version 12), saved with the given protocol number.
std::string ProjectToTextForm(const Project& project, uint8_t protocol);

// Why a text form was refused: the JSON path of the value ("screens[2].
// elements[5].m_x"; empty for the document as a whole) and the reason.
struct TextFormError {
  std::string path;
  std::string reason;
};
// "FILE: PATH: reason" (without the path when it is empty).
std::string TextFormMessage(const std::string& file, const TextFormError& error);

// The project file bytes the text form describes; false with the error, and
// `orx` untouched, when the text is refused.
bool TextFormToOrxBytes(std::string_view text, std::vector<uint8_t>& orx, TextFormError& error);
// Reads the text form into `out` (a freshly constructed project) exactly as
// the project file it describes would be read.
bool ReadTextForm(std::string_view text, Project& out, ReadInfo& info, TextFormError& error);

// Reads a text form file into `text`; a file over kMaxTextFormBytes is not
// read (TooLarge, with `error` saying so).
enum class TextFileLoad { Loaded, Unreadable, TooLarge };
TextFileLoad LoadTextFormFile(const std::string& path, std::string& text, TextFormError& error);

// The project file functions (ReadProjectFile, OpenProjectFile,
// SaveProjectFile) read and write the text form for a path that names it.

}  // namespace tavo
