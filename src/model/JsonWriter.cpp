#include "model/JsonWriter.h"

#include <cstdio>

#include "model/RapidJson.h"

namespace tavo {

namespace {

namespace rj = rapidjson;

// RapidJSON's output stream over a std::string. The free functions below
// are found by argument-dependent lookup and replace RapidJSON's
// byte-at-a-time defaults.
struct TextOut {
  using Ch = char;
  std::string text;
  void Put(char c) { text.push_back(c); }
  void Flush() {}
};
[[maybe_unused]] void PutReserve(TextOut& out, size_t n) {
  out.text.reserve(out.text.size() + n);
}
[[maybe_unused]] void PutUnsafe(TextOut& out, char c) {
  out.text.push_back(c);
}
[[maybe_unused]] void PutN(TextOut& out, char c, size_t n) {
  out.text.append(n, c);
}

// A JSON string literal appended to `out`: '"', '\\' and the control
// characters escaped (the short forms where JSON has them, else \u00xx in
// lower case), DEL as \u007f, every other byte as it is. RapidJSON's writer
// escapes control characters in upper case and leaves DEL alone; written
// project texts must stay byte for byte what they were, so strings keep this
// escaping of their own.
void AppendQuoted(std::string& out, std::string_view s) {
  out += '"';
  size_t plain = 0;  // start of the bytes not yet copied
  for (size_t i = 0; i < s.size(); ++i) {
    const auto c = static_cast<unsigned char>(s[i]);
    if (c >= 0x20 && c != '"' && c != '\\' && c != 0x7F) continue;
    out.append(s.data() + plain, i - plain);
    plain = i + 1;
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
      default: {
        char buf[8];
        std::snprintf(buf, sizeof buf, "\\u%04x", c);
        out += buf;
      }
    }
  }
  out.append(s.data() + plain, s.size() - plain);
  out += '"';
}

class Pretty : public rj::PrettyWriter<TextOut> {
 public:
  explicit Pretty(TextOut& out) : rj::PrettyWriter<TextOut>(out) { SetIndent(' ', 2); }
  // A key or string value laid out as RapidJSON lays out any value, with
  // AppendQuoted's escaping.
  void Quoted(std::string_view s) {
    PrettyPrefix(rj::kStringType);
    AppendQuoted(os_->text, s);
  }
};

}  // namespace

struct JsonWriter::Impl {
  TextOut out;
  Pretty writer{out};
  // The outermost value closed: the text ends in a line end.
  void Closed() {
    if (writer.IsComplete()) out.text += '\n';
  }
};

JsonWriter::JsonWriter() : m_impl(std::make_unique<Impl>()) {}
JsonWriter::~JsonWriter() = default;

void JsonWriter::BeginObject() {
  m_impl->writer.StartObject();
}
void JsonWriter::EndObject() {
  m_impl->writer.EndObject();
  m_impl->Closed();
}
void JsonWriter::BeginArray() {
  m_impl->writer.StartArray();
}
void JsonWriter::EndArray() {
  m_impl->writer.EndArray();
  m_impl->Closed();
}
void JsonWriter::Key(std::string_view key) {
  m_impl->writer.Quoted(key);
}
void JsonWriter::String(std::string_view utf8) {
  m_impl->writer.Quoted(utf8);
}
void JsonWriter::Int(int64_t v) {
  m_impl->writer.Int64(v);
}
void JsonWriter::Bool(bool v) {
  m_impl->writer.Bool(v);
}
void JsonWriter::Null() {
  m_impl->writer.Null();
}

const std::string& JsonWriter::Text() const {
  return m_impl->out.text;
}
std::string JsonWriter::Take() {
  return std::move(m_impl->out.text);
}

}  // namespace tavo
