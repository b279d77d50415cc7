#pragma once

// A strict JSON reader for the files people write by hand or keep in version
// control (the preview's values file, the project's text form), over
// RapidJSON's SAX reader. It is bounded whatever the bytes: nesting depth,
// number of values, integers only (no fractions or exponents), strings must
// be valid UTF-8. A refusal names the line and column where reading stopped.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

namespace tavo {

enum class JsonType : uint8_t { Null, Bool, Integer, String, Array, Object };

struct JsonLimits {
  int maxDepth = 16;  // the document itself is at depth 0
  size_t maxValues = size_t{1} << 21;
};

// A document as one flat list of nodes in text order, 16 bytes a node: a
// list is followed by its items, an object by its members (each a name node,
// then the value's nodes). Texts without escapes stay in the parsed text,
// which must outlive the document; the others are kept in the document.
class JsonDocument {
 public:
  using Index = uint32_t;

  JsonType Type(Index i) const { return At(i).type; }
  bool Bool(Index i) const { return At(i).boolean; }
  int64_t Integer(Index i) const { return At(i).integer; }
  // A text, or a member's name.
  std::string_view String(Index i) const {
    const Node& n = At(i);
    return {n.copied ? m_copies.data() + n.offset : n.source, n.size};
  }
  // Items of a list, members of an object.
  uint32_t Count(Index i) const { return At(i).size; }
  // The first item of a list, or the name of an object's first member.
  static Index First(Index i) { return i + 1; }
  // The node after value i and everything it holds.
  Index After(Index i) const {
    const Node& n = At(i);
    return n.type == JsonType::Array || n.type == JsonType::Object ? n.end : i + 1;
  }
  static constexpr Index kRoot = 0;

 private:
  friend class JsonDocumentBuilder;
  // Trivial, so that a block of them is allocated without being filled.
  struct Node {
    JsonType type;
    bool boolean;
    bool copied;    // a text held in m_copies rather than in the source
    uint32_t size;  // text length, or item / member count
    union {
      int64_t integer;
      const char* source;  // a text in the parsed text
      size_t offset;       // a text in m_copies
      Index end;           // a list's or object's After()
    };
  };
  static_assert(sizeof(Node) == 16 && std::is_trivial_v<Node>);
  // Nodes in blocks, so that growing never copies them and the peak stays
  // near the document's size.
  static constexpr unsigned kBlockBits = 12;
  const Node& At(Index i) const {
    return m_blocks[i >> kBlockBits][i & ((Index{1} << kBlockBits) - 1)];
  }
  Node& At(Index i) { return m_blocks[i >> kBlockBits][i & ((Index{1} << kBlockBits) - 1)]; }
  Index Append(const Node& n);

  std::vector<std::unique_ptr<Node[]>> m_blocks;
  Index m_size = 0;
  std::string m_copies;
};

// Parses `text` (UTF-8) into `out`. Nesting deeper than the limit, more
// values than the limit, integers outside 64 bits, fractions, exponents,
// leading zeros, bytes that are not UTF-8 inside strings, unpaired \u
// surrogates and trailing garbage are refused with a reason that names the
// line and column.
bool ParseJson(std::string_view text, JsonDocument& out, std::string& error,
               const JsonLimits& limits = {});

// The same document as a tree of values that own their content, for small
// files read field by field.
struct JsonMember;

struct JsonValue {
  using Type = JsonType;
  Type type = Type::Null;
  bool boolean = false;
  int64_t integer = 0;
  std::string string;
  std::vector<JsonValue> items;     // Array
  std::vector<JsonMember> members;  // Object, in file order

  // The first member of that name, or nullptr.
  const JsonValue* Member(std::string_view name) const;
};

// One member of an object: its name and value. A type of its own because a
// std::pair cannot hold JsonValue where JsonValue is still being defined.
struct JsonMember {
  JsonMember(std::string name, JsonValue value)
      : first(std::move(name)), second(std::move(value)) {}
  std::string first;
  JsonValue second;
};

bool ParseJson(std::string_view text, JsonValue& out, std::string& error,
               const JsonLimits& limits = {});

// The name of a JSON type for messages ("a number", "a list", ...).
const char* JsonTypeName(JsonType type);

}  // namespace tavo
