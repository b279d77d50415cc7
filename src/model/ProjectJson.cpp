#include "model/ProjectJson.h"

#include <cstdio>

#include "base/Gbk.h"
#include "model/Project.h"
#include "model/ProjectFields.h"
#include "plc/Catalogue.h"

namespace tavo {

namespace {

// Length of the GBK character at s[i] that decodes, or 0 when the byte there
// starts nothing that decodes.
size_t DecodableAt(std::string_view s, size_t i, std::string& utf8) {
  const auto b = static_cast<unsigned char>(s[i]);
  if (b < 0x80) {
    utf8.assign(1, static_cast<char>(b));
    return 1;
  }
  const size_t n = (IsGbkLead(b) && i + 1 < s.size()) ? 2 : 1;
  return GbkToUtf8(s.substr(i, n), utf8, true) && !utf8.empty() ? n : 0;
}

class TextFields : public FieldVisitor {
 public:
  TextFields(std::string& out, int indent) : m_out(out), m_indent(indent) {}
  void Field(const char* name, uint8_t& v) override { Line(name, std::to_string(v)); }
  void Field(const char* name, uint16_t& v) override { Line(name, std::to_string(v)); }
  void Field(const char* name, int32_t& v) override { Line(name, std::to_string(v)); }
  void Text(const char* name, std::string& gbk) override { Line(name, Quoted(gbk)); }
  void TextList(const char* name, std::vector<std::string>& list) override {
    std::string s = "[";
    for (size_t i = 0; i < list.size(); ++i) s += (i ? ", " : "") + Quoted(list[i]);
    Line(name, s + "]");
  }
  void IntList(const char* name, std::vector<int32_t>& values) override {
    std::string s = "[";
    for (size_t i = 0; i < values.size(); ++i) s += (i ? ", " : "") + std::to_string(values[i]);
    Line(name, s + "]");
  }
  void Block(const char* name, uint8_t* data, size_t size) override {
    Line(name, HexBytes(data, size));
  }
  void ByteList(const char* name, std::vector<uint8_t>& bytes) override {
    Line(name, HexBytes(bytes.data(), bytes.size()));
  }

 private:
  static std::string Quoted(const std::string& gbk) { return "\"" + GbkForDisplay(gbk) + "\""; }
  void Line(const char* name, const std::string& value) {
    m_out.append(static_cast<size_t>(m_indent), ' ');
    m_out += name;
    m_out += ": ";
    m_out += value;
    m_out += '\n';
  }
  std::string& m_out;
  int m_indent;
};

}  // namespace

std::string HexBytes(const uint8_t* data, size_t n) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string s;
  s.reserve(n * 2);
  for (size_t i = 0; i < n; ++i) {
    s += kDigits[data[i] >> 4];
    s += kDigits[data[i] & 0x0F];
  }
  return s;
}

void WriteGbkJson(JsonWriter& json, std::string_view gbk) {
  std::string utf8, back;
  if (GbkToUtf8(gbk, utf8, true) && Utf8ToGbk(utf8, back, true) && back == gbk) {
    json.String(utf8);
    return;
  }
  json.BeginObject();
  json.Key("gbk");
  json.String(HexBytes(reinterpret_cast<const uint8_t*>(gbk.data()), gbk.size()));
  json.EndObject();
}

std::string GbkForDisplay(std::string_view gbk) {
  std::string out, ch;
  for (size_t i = 0; i < gbk.size();) {
    const size_t n = DecodableAt(gbk, i, ch);
    if (n == 0) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\x%02X", static_cast<unsigned char>(gbk[i]));
      out += buf;
      ++i;
    } else {
      out += ch == "\\" ? "\\\\" : ch;
      i += n;
    }
  }
  return out;
}

void JsonFieldWriter::Int(const char* name, int64_t v) {
  m_json.Key(name);
  m_json.Int(v);
}

void JsonFieldWriter::Text(const char* name, std::string& gbk) {
  m_json.Key(name);
  WriteGbkJson(m_json, gbk);
}

void JsonFieldWriter::TextList(const char* name, std::vector<std::string>& list) {
  m_json.Key(name);
  m_json.BeginArray();
  for (auto& s : list) WriteGbkJson(m_json, s);
  m_json.EndArray();
}

void JsonFieldWriter::IntList(const char* name, std::vector<int32_t>& values) {
  m_json.Key(name);
  m_json.BeginArray();
  for (int32_t v : values) m_json.Int(v);
  m_json.EndArray();
}

void JsonFieldWriter::Block(const char* name, uint8_t* data, size_t size) {
  m_json.Key(name);
  m_json.String(HexBytes(data, size));
}

void JsonFieldWriter::ByteList(const char* name, std::vector<uint8_t>& bytes) {
  Block(name, bytes.data(), bytes.size());
}

void WriteProjectMembers(JsonWriter& json, Project& project, JsonFieldWriter& fields,
                         bool screenClass) {
  json.Key("settings");
  json.BeginObject();
  VisitSettingsFields(project.m_settings, fields);
  json.EndObject();
  json.Key("screens");
  json.BeginArray();
  for (auto& screen : project.m_screens) {
    json.BeginObject();
    if (screenClass) {
      json.Key("class");
      json.String("CMainView");
    }
    VisitScreenFields(*screen, fields);
    json.Key("elements");
    json.BeginArray();
    for (auto& e : screen->m_elements) {
      json.BeginObject();
      json.Key("class");
      json.String(e->ClassName());
      VisitElementFields(*e, fields);
      json.EndObject();
    }
    json.EndArray();
    json.EndObject();
  }
  json.EndArray();
  json.Key("alarmList");
  json.BeginObject();
  VisitAlarmListFields(project.m_alarmList, fields);
  json.EndObject();
}

std::string ProjectToJson(const Project& constProject, uint8_t protocol) {
  // The visitors take references so that the same walk can fill fields in;
  // writing JSON only reads them.
  Project& project = const_cast<Project&>(constProject);
  JsonWriter json;
  JsonFieldWriter fields(json);
  json.BeginObject();
  json.Key("m_fileVersion");
  json.Int(project.m_fileVersion);
  json.Key("m_formatMark");
  json.Int(project.m_formatMark);
  json.Key("m_curScreen");
  json.Int(project.m_curScreen);
  json.Key("protocol");
  json.Int(protocol);
  WriteProjectMembers(json, project, fields, true);
  json.EndObject();
  return json.Take();
}

std::string ProjectToText(const Project& constProject, uint8_t protocol) {
  Project& project = const_cast<Project&>(constProject);
  std::string out;
  auto line = [&](int indent, const std::string& s) {
    out.append(static_cast<size_t>(indent), ' ');
    out += s;
    out += '\n';
  };
  line(0, "m_fileVersion: " + std::to_string(project.m_fileVersion));
  line(0, "m_formatMark: " + std::to_string(project.m_formatMark));
  line(0, "m_curScreen: " + std::to_string(project.m_curScreen));
  const std::string name = ProtocolName(protocol);
  line(0, "protocol: " + std::to_string(protocol) +
              (name.empty() ? " (not in the catalogue)" : " " + name));
  line(0, "settings:");
  TextFields settings(out, 2);
  VisitSettingsFields(project.m_settings, settings);
  line(0, "screens: " + std::to_string(project.m_screens.size()));
  for (size_t i = 0; i < project.m_screens.size(); ++i) {
    CMainView& screen = *project.m_screens[i];
    line(2, "screen " + std::to_string(i) + ": CMainView");
    TextFields fields(out, 4);
    VisitScreenFields(screen, fields);
    line(4, "elements: " + std::to_string(screen.m_elements.size()));
    for (size_t j = 0; j < screen.m_elements.size(); ++j) {
      CBase& e = *screen.m_elements[j];
      line(6, "element " + std::to_string(j) + ": " + e.ClassName());
      TextFields ef(out, 8);
      VisitElementFields(e, ef);
    }
  }
  line(0, "alarmList:");
  TextFields alarms(out, 2);
  VisitAlarmListFields(project.m_alarmList, alarms);
  return out;
}

}  // namespace tavo
