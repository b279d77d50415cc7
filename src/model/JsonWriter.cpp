#include "model/JsonWriter.h"

#include <cstdio>

namespace tavo {

std::string JsonWriter::Quote(std::string_view s) {
  std::string out;
  out.reserve(s.size() + 2);
  out += '"';
  for (const char ch : s) {
    const auto c = static_cast<unsigned char>(ch);
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\b':
        out += "\\b";
        break;
      case '\f':
        out += "\\f";
        break;
      default:
        if (c < 0x20 || c == 0x7F) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", c);
          out += buf;
        } else {
          out += ch;
        }
    }
  }
  out += '"';
  return out;
}

void JsonWriter::BeforeValue() {
  if (m_afterKey) {
    m_afterKey = false;
    return;
  }
  if (m_stack.empty()) return;
  Level& top = m_stack.back();
  m_out += top.empty ? "\n" : ",\n";
  top.empty = false;
  m_out.append(2 * m_stack.size(), ' ');
}

void JsonWriter::Key(std::string_view key) {
  BeforeValue();
  m_out += Quote(key);
  m_out += ": ";
  m_afterKey = true;
}

void JsonWriter::BeginObject() {
  BeforeValue();
  m_out += '{';
  m_stack.push_back({true});
}

void JsonWriter::BeginArray() {
  BeforeValue();
  m_out += '[';
  m_stack.push_back({false});
}

void JsonWriter::Close(char bracket) {
  const bool empty = m_stack.back().empty;
  m_stack.pop_back();
  if (!empty) {
    m_out += '\n';
    m_out.append(2 * m_stack.size(), ' ');
  }
  m_out += bracket;
  if (m_stack.empty()) m_out += '\n';
}

void JsonWriter::EndObject() {
  Close('}');
}
void JsonWriter::EndArray() {
  Close(']');
}

void JsonWriter::String(std::string_view utf8) {
  BeforeValue();
  m_out += Quote(utf8);
}

void JsonWriter::Int(int64_t v) {
  BeforeValue();
  m_out += std::to_string(v);
}

void JsonWriter::Bool(bool v) {
  BeforeValue();
  m_out += v ? "true" : "false";
}

void JsonWriter::Null() {
  BeforeValue();
  m_out += "null";
}

}  // namespace tavo
