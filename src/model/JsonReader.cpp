#include "model/JsonReader.h"

#include <algorithm>
#include <cstring>

#include "model/RapidJson.h"

namespace tavo {

namespace {

namespace rj = rapidjson;

// The text as RapidJSON reads it. It never reads past the end (Peek and Take
// give '\0' there) and an embedded NUL byte stays apart from the end by its
// position.
struct TextStream {
  using Ch = char;
  const char* begin;
  const char* cur;
  const char* end;
  Ch Peek() const { return cur == end ? '\0' : *cur; }
  Ch Take() { return cur == end ? '\0' : *cur++; }
  size_t Tell() const { return static_cast<size_t>(cur - begin); }
  // Only in-place parsing writes to the input, which this reader never asks for.
  Ch* PutBegin() { return nullptr; }
  void Put(Ch) {}
  void Flush() {}
  size_t PutEnd(Ch*) { return 0; }
};

// Found by argument-dependent lookup in place of RapidJSON's generic
// byte-by-byte version.
[[maybe_unused]] void SkipWhitespace(TextStream& in) {
#ifdef RAPIDJSON_SSE2
  in.cur = rj::SkipWhitespace_SIMD(in.cur, in.end);
#else
  in.cur = rj::SkipWhitespace(in.cur, in.end);
#endif
}

// Strict JSON, every string checked to be UTF-8, numbers handed over as their
// text so that only whole numbers pass and a refusal can say where.
constexpr unsigned kParseFlags = rj::kParseValidateEncodingFlag | rj::kParseNumbersAsStringsFlag;

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

size_t SkipSpace(std::string_view text, size_t at) {
  while (at < text.size() && IsSpace(text[at])) ++at;
  return at;
}

bool IsHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// Where reading stopped and why.
struct Stop {
  const char* reason = nullptr;
  size_t at = 0;
};

// The whole number at text[at...]: its value, or why it is refused and where.
// Fractions and exponents are refused where they start; digits beyond 64 bits
// at the digit that does not fit.
bool ReadInteger(std::string_view text, size_t at, int64_t& value, Stop& stop) {
  const bool negative = at < text.size() && text[at] == '-';
  if (negative) ++at;
  const size_t first = at;
  uint64_t magnitude = 0;
  for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
    const auto digit = static_cast<unsigned>(text[at] - '0');
    if (magnitude > (UINT64_C(1) << 63) / 10 || magnitude * 10 + digit > (UINT64_C(1) << 63)) {
      stop = {"number too large", at};
      return false;
    }
    magnitude = magnitude * 10 + digit;
  }
  if (at == first) {
    stop = {"digits expected", at};
    return false;
  }
  if (at < text.size() && (text[at] == '.' || text[at] == 'e' || text[at] == 'E')) {
    stop = {"only whole numbers are accepted", at};
    return false;
  }
  if (!negative && magnitude > static_cast<uint64_t>(INT64_MAX)) {
    stop = {"number too large", at};
    return false;
  }
  value = negative ? static_cast<int64_t>(0 - magnitude) : static_cast<int64_t>(magnitude);
  return true;
}

// The reason for one of RapidJSON's refusals, and the position it concerns,
// from its error code and the byte offset it reports.
Stop Describe(rj::ParseErrorCode code, size_t at, std::string_view text) {
  const size_t size = text.size();
  switch (code) {
    case rj::kParseErrorDocumentEmpty:
      return {at == size ? "unexpected end" : "unexpected character", at};
    case rj::kParseErrorDocumentRootNotSingular:
      return {"unexpected text after the end", at};
    case rj::kParseErrorValueInvalid: {
      // Reported where the value stopped matching: inside a word (true,
      // false, null), after a minus sign, or at the value's first byte.
      size_t start = at;
      while (start > 0 && at - start < 4 && text[start - 1] >= 'a' && text[start - 1] <= 'z')
        --start;
      if (start < at) return {"unknown word", start};
      if (at > 0 && text[at - 1] == '-') return {"digits expected", at};
      return {at == size ? "unexpected end" : "unexpected character", at};
    }
    case rj::kParseErrorNumberTooBig:
    case rj::kParseErrorNumberMissFraction:
    case rj::kParseErrorNumberMissExponent: {
      size_t start = std::min(at, size);
      while (start > 0 && std::strchr("0123456789+-.eE", text[start - 1]) &&
             text[start - 1] != '\0')
        --start;
      int64_t value = 0;
      Stop stop;
      if (!ReadInteger(text, start, value, stop)) return stop;
      return {"only whole numbers are accepted", at};
    }
    case rj::kParseErrorObjectMissName:
      return {"member name expected", at};
    case rj::kParseErrorObjectMissColon:
      return {"':' expected", at};
    case rj::kParseErrorObjectMissCommaOrCurlyBracket:
      return at == size ? Stop{"unterminated object", at} : Stop{"',' or '}' expected", at + 1};
    case rj::kParseErrorArrayMissCommaOrSquareBracket:
      return at == size ? Stop{"unterminated list", at} : Stop{"',' or ']' expected", at + 1};
    case rj::kParseErrorStringMissQuotationMark:
      return at == size ? Stop{"unterminated string", at}
                        : Stop{"control character in a string", at + 1};
    case rj::kParseErrorStringEscapeInvalid:
      if (at < size && text[at] == '\\')
        return at + 1 == size ? Stop{"unterminated string", size} : Stop{"bad escape", at + 2};
      return {"control character in a string", at + 1};
    case rj::kParseErrorStringUnicodeEscapeInvalidHex:
      // At the escape's backslash; of a surrogate pair, the first one's.
      for (size_t hex = at + 2; hex < size; hex += 6) {
        if (size - hex < 4) return {"short \\u escape", hex};
        for (size_t k = 0; k < 4; ++k)
          if (!IsHexDigit(text[hex + k])) return {"bad \\u escape", hex + k + 1};
      }
      return {"bad \\u escape", at};
    case rj::kParseErrorStringUnicodeSurrogateInvalid:
      return {"unpaired \\u surrogate", at};
    case rj::kParseErrorStringInvalidEncoding:
      return {"text that is not UTF-8", at};
    default:
      return {"unexpected character", at};
  }
}

// "REASON at line L, column C": lines counted from 1 by '\n', columns in
// characters from 1.
std::string Message(std::string_view text, const Stop& stop) {
  const size_t at = std::min(stop.at, text.size());
  size_t line = 1, column = 1;
  for (size_t i = 0; i < at; ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c == '\n') {
      ++line;
      column = 1;
    } else if ((c & 0xC0) != 0x80) {
      ++column;
    }
  }
  return std::string(stop.reason) + " at line " + std::to_string(line) + ", column " +
         std::to_string(column);
}

}  // namespace

JsonDocument::Index JsonDocument::Append(const Node& n) {
  const Index i = m_size++;
  if ((i >> kBlockBits) == m_blocks.size())
    m_blocks.push_back(std::make_unique_for_overwrite<Node[]>(size_t{1} << kBlockBits));
  At(i) = n;
  return i;
}

// Receives RapidJSON's events and appends the nodes. The depth and count
// bounds are checked where the next value would start, before RapidJSON
// reads it, so that whatever that value holds the refusal is the same.
class JsonDocumentBuilder : public rj::BaseReaderHandler<rj::UTF8<>, JsonDocumentBuilder> {
 public:
  using Node = JsonDocument::Node;

  JsonDocumentBuilder(JsonDocument& doc, const TextStream& in, std::string_view text,
                      const JsonLimits& limits)
      : m_doc(doc), m_in(in), m_text(text), m_limits(limits) {
    // Node indexes are 32 bits; names and values together stay below.
    m_limits.maxValues = std::min(m_limits.maxValues, size_t{1} << 30);
  }

  bool Null() { return Scalar(Make(JsonType::Null)); }
  bool Bool(bool b) {
    Node n = Make(JsonType::Bool);
    n.boolean = b;
    return Scalar(n);
  }
  bool RawNumber(const char*, rj::SizeType length, bool) {
    Node n = Make(JsonType::Integer);
    Stop stop;
    if (!ReadInteger(m_text, m_in.Tell() - length, n.integer, stop)) return Refuse(stop);
    return Scalar(n);
  }
  bool String(const char* s, rj::SizeType length, bool) { return Scalar(Text(s, length)); }
  bool Key(const char* s, rj::SizeType length, bool) {
    m_doc.Append(Text(s, length));
    // The member's value starts after the ':'.
    const bool tooDeep = m_open.size() > static_cast<size_t>(m_limits.maxDepth);
    if (tooDeep || m_values >= m_limits.maxValues) {
      const size_t at = SkipSpace(m_text, m_in.Tell());
      if (at < m_text.size() && m_text[at] == ':')
        return Refuse({tooDeep ? "nesting too deep" : "too many values", at + 1});
    }
    return true;
  }
  bool StartObject() { return Open(JsonType::Object); }
  bool StartArray() {
    if (!Open(JsonType::Array)) return false;
    // The first item starts after the '[' and any space.
    const bool tooDeep = m_open.size() > static_cast<size_t>(m_limits.maxDepth);
    if (tooDeep || m_values >= m_limits.maxValues) {
      const size_t at = SkipSpace(m_text, m_in.Tell());
      if (at == m_text.size() || m_text[at] != ']')
        return Refuse({tooDeep ? "nesting too deep" : "too many values", at});
    }
    return true;
  }
  bool EndObject(rj::SizeType members) { return Close(members); }
  bool EndArray(rj::SizeType items) { return Close(items); }
  // Never called: numbers come as RawNumber.
  bool Default() { return Refuse({"unexpected character", m_in.Tell()}); }

  // The document itself as a value where the bounds allow none.
  bool RefuseRoot() {
    if (m_limits.maxDepth < 0) return Refuse({"nesting too deep", 0});
    if (m_limits.maxValues == 0) return Refuse({"too many values", 0});
    return true;
  }
  const Stop& Refusal() const { return m_refusal; }

 private:
  bool Refuse(Stop stop) {
    m_refusal = stop;
    return false;
  }

  static Node Make(JsonType type) {
    Node n{};
    n.type = type;
    return n;
  }

  // A text as a node: without escapes the node points into the parsed text,
  // otherwise the document keeps a copy.
  Node Text(const char* s, rj::SizeType length) {
    Node n = Make(JsonType::String);
    n.size = length;
    const size_t end = m_in.Tell() - 1;  // the closing quote
    if (length < end && m_text[end - length - 1] == '"') {
      // An unescaped quote `length` bytes before the end can only be the
      // opening one: the string's bytes are exactly its text.
      size_t backslashes = 0;
      while (backslashes < end - length - 1 && m_text[end - length - 2 - backslashes] == '\\')
        ++backslashes;
      if (backslashes % 2 == 0) {
        n.source = m_text.data() + end - length;
        return n;
      }
    }
    n.copied = true;
    n.offset = m_doc.m_copies.size();
    m_doc.m_copies.append(s, length);
    // A \u escape of an unpaired low surrogate reads as U+FFFD: RapidJSON
    // writes the surrogate's own three bytes, which are no UTF-8 (an unpaired
    // high surrogate it refuses). The text's own bytes never hold them: they
    // were checked to be UTF-8.
    char* p = m_doc.m_copies.data() + n.offset;
    for (size_t i = 0; i + 2 < length; ++i) {
      if (static_cast<unsigned char>(p[i]) == 0xED &&
          static_cast<unsigned char>(p[i + 1]) >= 0xA0) {
        p[i] = '\xEF';
        p[i + 1] = '\xBF';
        p[i + 2] = '\xBD';
        i += 2;
      }
    }
    return n;
  }

  bool Scalar(const Node& n) {
    ++m_values;
    m_doc.Append(n);
    return AfterValue();
  }

  bool Open(JsonType type) {
    ++m_values;
    m_open.push_back(m_doc.Append(Make(type)));
    return true;
  }

  bool Close(rj::SizeType count) {
    Node& n = m_doc.At(m_open.back());
    n.size = count;
    n.end = m_doc.m_size;
    m_open.pop_back();
    return AfterValue();
  }

  // In a list, the next item starts after the ','.
  bool AfterValue() {
    if (m_open.empty() || m_values < m_limits.maxValues) return true;
    if (m_doc.Type(m_open.back()) != JsonType::Array) return true;
    const size_t at = SkipSpace(m_text, m_in.Tell());
    if (at < m_text.size() && m_text[at] == ',') return Refuse({"too many values", at + 1});
    return true;
  }

  JsonDocument& m_doc;
  const TextStream& m_in;
  std::string_view m_text;
  JsonLimits m_limits;
  size_t m_values = 0;
  std::vector<JsonDocument::Index> m_open;  // the lists and objects being read
  Stop m_refusal;
};

bool ParseJson(std::string_view text, JsonDocument& out, std::string& error,
               const JsonLimits& limits) {
  out = JsonDocument{};
  TextStream in{text.data(), text.data(), text.data() + text.size()};
  JsonDocumentBuilder builder(out, in, text, limits);
  if (!builder.RefuseRoot()) {
    error = Message(text, builder.Refusal());
    return false;
  }
  rj::Reader reader;
  const rj::ParseResult result = reader.Parse<kParseFlags>(in, builder);
  Stop stop;
  if (result.IsError()) {
    stop = result.Code() == rj::kParseErrorTermination && builder.Refusal().reason
               ? builder.Refusal()
               : Describe(result.Code(), result.Offset(), text);
  } else if (in.Tell() != text.size()) {
    stop = {"unexpected text after the end", in.Tell()};  // after a NUL byte
  } else {
    return true;
  }
  error = Message(text, stop);
  out = JsonDocument{};
  return false;
}

namespace {

void ToTree(const JsonDocument& doc, JsonDocument::Index i, JsonValue& out) {
  out.type = doc.Type(i);
  switch (out.type) {
    case JsonType::Null:
      break;
    case JsonType::Bool:
      out.boolean = doc.Bool(i);
      break;
    case JsonType::Integer:
      out.integer = doc.Integer(i);
      break;
    case JsonType::String:
      out.string = doc.String(i);
      break;
    case JsonType::Array: {
      out.items.resize(doc.Count(i));
      JsonDocument::Index k = JsonDocument::First(i);
      for (JsonValue& item : out.items) {
        ToTree(doc, k, item);
        k = doc.After(k);
      }
      break;
    }
    case JsonType::Object: {
      out.members.reserve(doc.Count(i));
      JsonDocument::Index k = JsonDocument::First(i);
      for (uint32_t m = 0; m < doc.Count(i); ++m) {
        out.members.emplace_back(std::string(doc.String(k)), JsonValue{});
        ToTree(doc, k + 1, out.members.back().second);
        k = doc.After(k + 1);
      }
      break;
    }
  }
}

}  // namespace

bool ParseJson(std::string_view text, JsonValue& out, std::string& error,
               const JsonLimits& limits) {
  out = JsonValue{};
  JsonDocument doc;
  if (!ParseJson(text, doc, error, limits)) return false;
  ToTree(doc, JsonDocument::kRoot, out);  // as deep as the depth bound allows
  return true;
}

const JsonValue* JsonValue::Member(std::string_view name) const {
  for (const auto& [key, value] : members)
    if (key == name) return &value;
  return nullptr;
}

const char* JsonTypeName(JsonType type) {
  switch (type) {
    case JsonType::Null:
      return "null";
    case JsonType::Bool:
      return "true or false";
    case JsonType::Integer:
      return "a number";
    case JsonType::String:
      return "a text";
    case JsonType::Array:
      return "a list";
    case JsonType::Object:
      return "an object";
  }
  return "a value";
}

}  // namespace tavo
