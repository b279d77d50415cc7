#include <gtest/gtest.h>

#include <algorithm>

#include "model/JsonReader.h"
#include "model/JsonWriter.h"
#include "model/ProjectTextForm.h"
#include "support/TempDir.h"

namespace tavo {
namespace {

void Write(JsonWriter& w, const JsonValue& v) {
  switch (v.type) {
    case JsonType::Null:
      w.Null();
      break;
    case JsonType::Bool:
      w.Bool(v.boolean);
      break;
    case JsonType::Integer:
      w.Int(v.integer);
      break;
    case JsonType::String:
      w.String(v.string);
      break;
    case JsonType::Array:
      w.BeginArray();
      for (const JsonValue& item : v.items) Write(w, item);
      w.EndArray();
      break;
    case JsonType::Object:
      w.BeginObject();
      for (const JsonMember& m : v.members) {
        w.Key(m.first);
        Write(w, m.second);
      }
      w.EndObject();
      break;
  }
}

void Reverse(JsonValue& v) {
  std::reverse(v.members.begin(), v.members.end());
  for (JsonMember& m : v.members) Reverse(m.second);
  for (JsonValue& item : v.items) Reverse(item);
}

std::string ExampleText(std::vector<uint8_t>& orx) {
  orx = test::ReadBytes(std::string(TAVO_SOURCE_DIR) + "/examples/all-elements.orx");
  Project p;
  ReadInfo info;
  EXPECT_EQ(ReadProjectBytes(orx, p, info), ProjectFileError::None);
  return ProjectToTextForm(p, info.protocol);
}

// Fields are taken by name: a text whose every object lists its fields
// backwards builds the same file.
TEST(TextFormRead, FieldsInAnyOrder) {
  std::vector<uint8_t> orx;
  const std::string text = ExampleText(orx);
  JsonValue tree;
  std::string error;
  ASSERT_TRUE(ParseJson(text, tree, error)) << error;
  Reverse(tree);
  JsonWriter w;
  Write(w, tree);
  ASSERT_NE(w.Text(), text);
  std::vector<uint8_t> built;
  TextFormError refused;
  ASSERT_TRUE(TextFormToOrxBytes(w.Text(), built, refused))
      << refused.path << ": " << refused.reason;
  EXPECT_TRUE(built == orx);
}

// The text with the line of the first (or last) "KEY": replaced by `line`.
std::string WithLine(std::string text, const std::string& key, bool last, const std::string& line) {
  const size_t at = last ? text.rfind("\"" + key + "\": ") : text.find("\"" + key + "\": ");
  EXPECT_NE(at, std::string::npos) << key;
  return text.replace(at, text.find('\n', at) - at, line);
}

// The first refusal is the one the reading order meets: the whole text is
// read as JSON before any field, an object's repeated names before its
// fields, and objects in the order they stand.
TEST(TextFormRead, WhichRefusalComesFirst) {
  std::vector<uint8_t> orx;
  const std::string text = ExampleText(orx);
  const std::string badX = WithLine(text, "m_x", false, "\"m_x\": \"8\",");
  struct Case {
    std::string text, path, reason;
  } cases[] = {
      {badX + "x", "", "unexpected text after the end"},
      {badX, "screens[0].elements[0].m_x", "expected a number, found a text"},
      {WithLine(text, "m_x", false, "\"m_x\": \"8\", \"m_x\": 0,"), "screens[0].elements[0].m_x",
       "duplicate field"},
      {WithLine(badX, "m_y", true, "\"m_y\": 0, \"m_y\": 0,"), "screens[0].elements[0].m_x",
       "expected a number, found a text"},
      {WithLine(badX, "protocol", false, "\"protocol\": 3, \"protocol\": 3,"), "protocol",
       "duplicate field"},
  };
  for (const Case& c : cases) {
    std::vector<uint8_t> built;
    TextFormError refused;
    EXPECT_FALSE(TextFormToOrxBytes(c.text, built, refused));
    EXPECT_EQ(refused.path, c.path);
    EXPECT_EQ(refused.reason.substr(0, c.reason.size()), c.reason);
  }
}

// An object larger than any the program writes is looked up the same way.
TEST(TextFormRead, LargeObjects) {
  std::vector<uint8_t> orx;
  const std::string text = ExampleText(orx);
  std::string extra;
  for (int i = 0; i < 500; ++i) extra += "\"m_extra" + std::to_string(i) + "\": 0, ";
  struct Case {
    std::string add, path, reason;
  } cases[] = {
      {extra, "settings.m_extra0", "unknown field"},
      {extra + "\"m_extra250\": 1, ", "settings.m_extra250", "duplicate field"},
      {extra + "\"m_baud\": 1, ", "settings.m_baud", "duplicate field"},
  };
  for (const Case& c : cases) {
    std::string bad = text;
    bad.insert(bad.find("\"m_password\""), c.add);
    std::vector<uint8_t> built;
    TextFormError refused;
    EXPECT_FALSE(TextFormToOrxBytes(bad, built, refused));
    EXPECT_EQ(refused.path, c.path);
    EXPECT_EQ(refused.reason, c.reason);
  }
}

}  // namespace
}  // namespace tavo
