#pragma once

// A small strict JSON reader for the files people write by hand or keep in
// version control (the preview's values file, the project's text form). It is
// bounded whatever the bytes: nesting depth, number of values, integers only
// (no fractions or exponents), strings must be valid UTF-8.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tavo {

struct JsonMember;

struct JsonValue {
  enum class Type { Null, Bool, Integer, String, Array, Object };
  Type type = Type::Null;
  bool boolean = false;
  int64_t integer = 0;
  std::string string;
  std::vector<JsonValue> items;                            // Array
  std::vector<JsonMember> members;  // Object, in file order

  // The first member of that name, or nullptr.
  const JsonValue* Member(std::string_view name) const;
};

// One member of an object: its name and value. A type of its own because a
// std::pair cannot hold JsonValue where JsonValue is still being defined.
struct JsonMember {
  JsonMember(std::string name, JsonValue value) : first(std::move(name)), second(std::move(value)) {}
  std::string first;
  JsonValue second;
};

struct JsonLimits {
  int maxDepth = 16;
  size_t maxValues = size_t{1} << 21;
};

// Parses `text` (UTF-8). Nesting deeper than the limit, more values than the
// limit, integers outside 64 bits, fractions, exponents, bytes that are not
// UTF-8 inside strings and trailing garbage are refused with a reason that
// names the line and column.
bool ParseJson(std::string_view text, JsonValue& out, std::string& error,
               const JsonLimits& limits = {});

// The name of a JSON type for messages ("a number", "a list", ...).
const char* JsonTypeName(JsonValue::Type type);

}  // namespace tavo
