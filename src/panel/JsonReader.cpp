#include "panel/JsonReader.h"

#include <cstdio>

namespace tavo::panel {

namespace {

constexpr int kMaxDepth = 16;

class Parser {
 public:
  explicit Parser(std::string_view text) : m_text(text) {}

  bool Document(JsonValue& out, std::string& error) {
    if (!Value(out, 0)) {
      error = m_error;
      return false;
    }
    SkipSpace();
    if (m_pos != m_text.size()) {
      Fail("unexpected text after the end");
      error = m_error;
      return false;
    }
    return true;
  }

 private:
  bool Fail(const std::string& what) {
    if (m_error.empty()) m_error = what + " at byte " + std::to_string(m_pos + 1);
    return false;
  }
  void SkipSpace() {
    while (m_pos < m_text.size() && (m_text[m_pos] == ' ' || m_text[m_pos] == '\t' ||
                                     m_text[m_pos] == '\n' || m_text[m_pos] == '\r'))
      ++m_pos;
  }
  bool Literal(std::string_view word) {
    if (m_text.substr(m_pos, word.size()) != word) return Fail("unknown word");
    m_pos += word.size();
    return true;
  }

  bool Value(JsonValue& out, int depth) {
    if (depth > kMaxDepth) return Fail("nesting too deep");
    SkipSpace();
    if (m_pos >= m_text.size()) return Fail("unexpected end");
    const char c = m_text[m_pos];
    switch (c) {
      case '{':
        return Object(out, depth);
      case '[':
        return Array(out, depth);
      case '"':
        out.type = JsonValue::Type::String;
        return String(out.string);
      case 't':
        out.type = JsonValue::Type::Bool;
        out.boolean = true;
        return Literal("true");
      case 'f':
        out.type = JsonValue::Type::Bool;
        out.boolean = false;
        return Literal("false");
      case 'n':
        out.type = JsonValue::Type::Null;
        return Literal("null");
      default:
        if (c == '-' || (c >= '0' && c <= '9')) return Integer(out);
        return Fail("unexpected character");
    }
  }

  bool Integer(JsonValue& out) {
    bool negative = false;
    if (m_text[m_pos] == '-') {
      negative = true;
      ++m_pos;
    }
    const size_t first = m_pos;
    uint64_t magnitude = 0;
    while (m_pos < m_text.size() && m_text[m_pos] >= '0' && m_text[m_pos] <= '9') {
      const unsigned digit = static_cast<unsigned>(m_text[m_pos] - '0');
      if (magnitude > (UINT64_C(1) << 63) / 10) return Fail("number too large");
      magnitude = magnitude * 10 + digit;
      if (magnitude > (UINT64_C(1) << 63)) return Fail("number too large");
      ++m_pos;
    }
    if (m_pos == first) return Fail("digits expected");
    if (m_pos < m_text.size() &&
        (m_text[m_pos] == '.' || m_text[m_pos] == 'e' || m_text[m_pos] == 'E'))
      return Fail("only whole numbers are accepted");
    if (!negative && magnitude > static_cast<uint64_t>(INT64_MAX)) return Fail("number too large");
    out.type = JsonValue::Type::Integer;
    out.integer = negative ? static_cast<int64_t>(0 - magnitude) : static_cast<int64_t>(magnitude);
    return true;
  }

  bool Hex4(unsigned& out) {
    if (m_text.size() - m_pos < 4) return Fail("short \\u escape");
    out = 0;
    for (int i = 0; i < 4; ++i) {
      const char h = m_text[m_pos++];
      out <<= 4;
      if (h >= '0' && h <= '9')
        out |= static_cast<unsigned>(h - '0');
      else if (h >= 'a' && h <= 'f')
        out |= static_cast<unsigned>(h - 'a' + 10);
      else if (h >= 'A' && h <= 'F')
        out |= static_cast<unsigned>(h - 'A' + 10);
      else
        return Fail("bad \\u escape");
    }
    return true;
  }

  static void AppendUtf8(std::string& s, unsigned cp) {
    if (cp < 0x80) {
      s += static_cast<char>(cp);
    } else if (cp < 0x800) {
      s += static_cast<char>(0xC0 | (cp >> 6));
      s += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
      s += static_cast<char>(0xE0 | (cp >> 12));
      s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      s += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      s += static_cast<char>(0xF0 | (cp >> 18));
      s += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
      s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      s += static_cast<char>(0x80 | (cp & 0x3F));
    }
  }

  bool String(std::string& out) {
    ++m_pos;  // opening quote
    out.clear();
    while (m_pos < m_text.size()) {
      const char c = m_text[m_pos++];
      if (c == '"') return true;
      if (static_cast<unsigned char>(c) < 0x20) return Fail("control character in a string");
      if (c != '\\') {
        out += c;
        continue;
      }
      if (m_pos >= m_text.size()) break;
      const char e = m_text[m_pos++];
      switch (e) {
        case '"':
        case '\\':
        case '/':
          out += e;
          break;
        case 'b':
          out += '\b';
          break;
        case 'f':
          out += '\f';
          break;
        case 'n':
          out += '\n';
          break;
        case 'r':
          out += '\r';
          break;
        case 't':
          out += '\t';
          break;
        case 'u': {
          unsigned cp = 0;
          if (!Hex4(cp)) return false;
          if (cp >= 0xD800 && cp < 0xDC00 && m_text.substr(m_pos, 2) == "\\u") {
            m_pos += 2;
            unsigned low = 0;
            if (!Hex4(low)) return false;
            if (low >= 0xDC00 && low < 0xE000)
              cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
            else
              cp = 0xFFFD;
          } else if (cp >= 0xD800 && cp < 0xE000) {
            cp = 0xFFFD;
          }
          AppendUtf8(out, cp);
          break;
        }
        default:
          return Fail("bad escape");
      }
    }
    return Fail("unterminated string");
  }

  bool Array(JsonValue& out, int depth) {
    ++m_pos;
    out.type = JsonValue::Type::Array;
    SkipSpace();
    if (m_pos < m_text.size() && m_text[m_pos] == ']') {
      ++m_pos;
      return true;
    }
    for (;;) {
      out.items.emplace_back();
      if (!Value(out.items.back(), depth + 1)) return false;
      SkipSpace();
      if (m_pos >= m_text.size()) return Fail("unterminated list");
      const char c = m_text[m_pos++];
      if (c == ']') return true;
      if (c != ',') return Fail("',' or ']' expected");
    }
  }

  bool Object(JsonValue& out, int depth) {
    ++m_pos;
    out.type = JsonValue::Type::Object;
    SkipSpace();
    if (m_pos < m_text.size() && m_text[m_pos] == '}') {
      ++m_pos;
      return true;
    }
    for (;;) {
      SkipSpace();
      if (m_pos >= m_text.size() || m_text[m_pos] != '"') return Fail("member name expected");
      std::string name;
      if (!String(name)) return false;
      SkipSpace();
      if (m_pos >= m_text.size() || m_text[m_pos] != ':') return Fail("':' expected");
      ++m_pos;
      out.members.emplace_back(std::move(name), JsonValue{});
      if (!Value(out.members.back().second, depth + 1)) return false;
      SkipSpace();
      if (m_pos >= m_text.size()) return Fail("unterminated object");
      const char c = m_text[m_pos++];
      if (c == '}') return true;
      if (c != ',') return Fail("',' or '}' expected");
    }
  }

  std::string_view m_text;
  size_t m_pos = 0;
  std::string m_error;
};

}  // namespace

const JsonValue* JsonValue::Member(std::string_view name) const {
  for (const auto& [key, value] : members)
    if (key == name) return &value;
  return nullptr;
}

bool ParseJson(std::string_view text, JsonValue& out, std::string& error) {
  out = JsonValue{};
  Parser parser(text);
  return parser.Document(out, error);
}

void AppendJsonString(std::string& out, std::string_view text) {
  out += '"';
  for (const char c : text) {
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
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char esc[8];
          std::snprintf(esc, sizeof esc, "\\u%04x", static_cast<unsigned>(c));
          out += esc;
        } else {
          out += c;
        }
    }
  }
  out += '"';
}

}  // namespace tavo::panel
