#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace tavo {

// Writes JSON in one fixed layout so that the same content always gives the
// same text: two-space indentation, one member or array item per line, keys
// in the order they are written, "\n" line ends, no trailing spaces. Strings
// are UTF-8 and written as they are except for the escapes JSON requires
// (control characters and DEL as \u00xx in lower case). RapidJSON's pretty
// writer lays the text out.
class JsonWriter {
 public:
  JsonWriter();
  ~JsonWriter();
  JsonWriter(const JsonWriter&) = delete;
  JsonWriter& operator=(const JsonWriter&) = delete;

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
  const std::string& Text() const;
  std::string Take();

 private:
  struct Impl;
  std::unique_ptr<Impl> m_impl;
};

}  // namespace tavo
