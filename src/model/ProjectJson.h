#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/JsonWriter.h"

namespace tavo {

class Project;

// What a project holds, field by field, as JSON: every stored field of the
// settings, screens, elements and alarm list under the field's own name, in
// the file's order. Layout (stable: the same project always gives the same
// text):
//   { "m_fileVersion", "m_formatMark", "m_curScreen", "protocol",
//     "settings": {...},
//     "screens": [ { "class": "CMainView", "m_number", ..., "elements": [
//         { "class": "CChars", "m_kind", "m_x", "m_y", ... } ] } ],
//     "alarmList": {...} }
// Numbers are JSON integers; texts are UTF-8 strings, or {"gbk": "HEX"} (all
// the text's bytes in upper-case hex) when a text holds bytes that do not
// decode as GBK; byte blocks (the picture's m_infoBlock and m_bits) are
// upper-case hex strings.
std::string ProjectToJson(const Project& project, uint8_t protocol);

// The same content as an indented listing for people.
std::string ProjectToText(const Project& project, uint8_t protocol);

// One GBK text as JSON: a string, or {"gbk": "HEX"} when it does not decode.
void WriteGbkJson(JsonWriter& json, std::string_view gbk);
// A GBK text for display: UTF-8, each byte that does not decode as "\xNN"
// (and a backslash as "\\").
std::string GbkForDisplay(std::string_view gbk);
// Upper-case hex, two digits a byte.
std::string HexBytes(const uint8_t* data, size_t n);

}  // namespace tavo
