#pragma once

// A small JSON reader for the preview's values file: bounded in nesting and
// in what it accepts (integers only, no fractions or exponents), enough for
// hand-written value tables and nothing more.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tavo::panel {

struct JsonValue {
  enum class Type { Null, Bool, Integer, String, Array, Object };
  Type type = Type::Null;
  bool boolean = false;
  int64_t integer = 0;
  std::string string;
  std::vector<JsonValue> items;                            // Array
  std::vector<std::pair<std::string, JsonValue>> members;  // Object, in file order

  // The member of that name, or nullptr.
  const JsonValue* Member(std::string_view name) const;
};

// Parses `text` (UTF-8). Nesting deeper than 16 levels, integers outside
// 64 bits, fractions, exponents and trailing garbage are refused with a reason
// that names the byte position.
bool ParseJson(std::string_view text, JsonValue& out, std::string& error);

// Appends `text` as a JSON string literal (quotes and escapes included).
void AppendJsonString(std::string& out, std::string_view text);

}  // namespace tavo::panel
