#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tavo {

// Writes JSON in one fixed layout so that the same content always gives the
// same text: two-space indentation, one member or array item per line, keys
// in the order they are written, "\n" line ends, no trailing spaces. Strings
// are UTF-8 and written as they are except for the escapes JSON requires.
class JsonWriter {
 public:
  void BeginObject();
  void EndObject();
  void BeginArray();
  void EndArray();
  // The next value's key (inside an object).
  void Key(std::string_view key);

  void String(std::string_view utf8);
  void Int(int64_t v);
  void Bool(bool v);
  void Null();

  // The text so far, ending in "\n" once the outermost value is closed.
  const std::string& Text() const { return m_out; }
  std::string Take() { return std::move(m_out); }

  // A JSON string literal with its quotes.
  static std::string Quote(std::string_view utf8);

 private:
  void BeforeValue();
  void Close(char bracket);

  struct Level {
    bool isObject;
    bool empty = true;
  };
  std::string m_out;
  std::vector<Level> m_stack;
  bool m_afterKey = false;
};

}  // namespace tavo
