#include "model/JsonReader.h"

#include <algorithm>

namespace tavo {

namespace {

class Parser {
 public:
  Parser(std::string_view text, const JsonLimits& limits) : m_text(text), m_limits(limits) {}

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
    if (!m_error.empty()) return false;
    // Line and column (in characters) of the byte where reading stopped.
    const size_t at = std::min(m_pos, m_text.size());
    size_t line = 1, column = 1;
    for (size_t i = 0; i < at; ++i) {
      const auto c = static_cast<unsigned char>(m_text[i]);
      if (c == '\n') {
        ++line;
        column = 1;
      } else if ((c & 0xC0) != 0x80) {
        ++column;
      }
    }
    m_error = what + " at line " + std::to_string(line) + ", column " + std::to_string(column);
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
    if (depth > m_limits.maxDepth) return Fail("nesting too deep");
    if (++m_values > m_limits.maxValues) return Fail("too many values");
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

  // One multi-byte UTF-8 character at m_pos, checked (no overlong forms, no
  // surrogates, nothing above U+10FFFF) and appended.
  bool Utf8Sequence(std::string& out) {
    const auto b0 = static_cast<unsigned char>(m_text[m_pos]);
    size_t n = 0;
    unsigned cp = 0, min = 0;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
      n = 2, cp = b0 & 0x1F, min = 0x80;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
      n = 3, cp = b0 & 0x0F, min = 0x800;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
      n = 4, cp = b0 & 0x07, min = 0x10000;
    } else {
      return Fail("text that is not UTF-8");
    }
    if (m_text.size() - m_pos < n) return Fail("text that is not UTF-8");
    for (size_t i = 1; i < n; ++i) {
      const auto b = static_cast<unsigned char>(m_text[m_pos + i]);
      if ((b & 0xC0) != 0x80) return Fail("text that is not UTF-8");
      cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp < 0xE000))
      return Fail("text that is not UTF-8");
    out.append(m_text.substr(m_pos, n));
    m_pos += n;
    return true;
  }

  bool String(std::string& out) {
    ++m_pos;  // opening quote
    out.clear();
    while (m_pos < m_text.size()) {
      const char c = m_text[m_pos++];
      if (c == '"') return true;
      if (static_cast<unsigned char>(c) < 0x20) return Fail("control character in a string");
      if (c != '\\') {
        if (static_cast<unsigned char>(c) >= 0x80) {
          --m_pos;
          if (!Utf8Sequence(out)) return false;
        } else {
          out += c;
        }
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
  JsonLimits m_limits;
  size_t m_values = 0;
  size_t m_pos = 0;
  std::string m_error;
};

}  // namespace

const JsonValue* JsonValue::Member(std::string_view name) const {
  for (const auto& [key, value] : members)
    if (key == name) return &value;
  return nullptr;
}

bool ParseJson(std::string_view text, JsonValue& out, std::string& error,
               const JsonLimits& limits) {
  out = JsonValue{};
  Parser parser(text, limits);
  return parser.Document(out, error);
}

const char* JsonTypeName(JsonValue::Type type) {
  switch (type) {
    case JsonValue::Type::Null:
      return "null";
    case JsonValue::Type::Bool:
      return "true or false";
    case JsonValue::Type::Integer:
      return "a number";
    case JsonValue::Type::String:
      return "a text";
    case JsonValue::Type::Array:
      return "a list";
    case JsonValue::Type::Object:
      return "an object";
  }
  return "a value";
}

}  // namespace tavo
