#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/JsonWriter.h"
#include "model/ProjectFields.h"

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

// One GBK text as JSON: a string when it decodes and converts back to the
// same bytes, else {"gbk": "HEX"}, so that no stored byte is lost or altered.
void WriteGbkJson(JsonWriter& json, std::string_view gbk);

// Writes each visited field as a member of the open JSON object under the
// field's own name: numbers as integers, texts through WriteGbkJson, byte
// blocks as upper-case hex. The text form writes pictures its own way.
class JsonFieldWriter : public FieldVisitor {
 public:
  explicit JsonFieldWriter(JsonWriter& json) : m_json(json) {}
  void Field(const char* name, uint8_t& v) override { Int(name, v); }
  void Field(const char* name, uint16_t& v) override { Int(name, v); }
  void Field(const char* name, int32_t& v) override { Int(name, v); }
  void Text(const char* name, std::string& gbk) override;
  void TextList(const char* name, std::vector<std::string>& list) override;
  void IntList(const char* name, std::vector<int32_t>& values) override;
  void Block(const char* name, uint8_t* data, size_t size) override;
  void ByteList(const char* name, std::vector<uint8_t>& bytes) override;

 protected:
  void Int(const char* name, int64_t v);
  JsonWriter& m_json;
};

// Writes "settings", "screens" (each element one object, its "class" first;
// each screen led by "class": "CMainView" when screenClass is set) and
// "alarmList" into the open top-level object.
void WriteProjectMembers(JsonWriter& json, Project& project, JsonFieldWriter& fields,
                         bool screenClass);
// A GBK text for display: UTF-8, each byte that does not decode as "\xNN"
// (and a backslash as "\\").
std::string GbkForDisplay(std::string_view gbk);
// Upper-case hex, two digits a byte.
std::string HexBytes(const uint8_t* data, size_t n);

}  // namespace tavo
