#include <gtest/gtest.h>

#include <random>

#include "model/JsonReader.h"
#include "model/JsonWriter.h"

namespace tavo {
namespace {

using namespace std::string_literals;

std::string Refusal(const std::string& text, int maxDepth = 16, size_t maxValues = 1000) {
  JsonLimits limits;
  limits.maxDepth = maxDepth;
  limits.maxValues = maxValues;
  JsonValue v;
  std::string error;
  return ParseJson(text, v, error, limits) ? "accepted" : error;
}

// The bounds refuse the first value past them where it starts, whatever
// follows there, even bytes that would be refused for themselves.
TEST(JsonReader, BoundsRefuseTheValueWhereItStarts) {
  struct Case {
    std::string text;
    int depth;
    size_t values;
    std::string error;
  } cases[] = {
      {"[[[1]]]", 2, 1000, "nesting too deep at line 1, column 4"},
      {"[[[ x", 2, 1000, "nesting too deep at line 1, column 5"},
      {"[[[  ]]]", 2, 1000, "accepted"},
      {"{\"a\": {\"b\": {\"c\" :1}}}", 2, 1000, "nesting too deep at line 1, column 19"},
      {"{\"a\": {\"b\": {\"c\" x}}}", 2, 1000, "':' expected at line 1, column 18"},
      {"{\"a\": {\"b\": {}}}", 1, 1000, "nesting too deep at line 1, column 12"},
      {"[1]", 0, 1000, "nesting too deep at line 1, column 2"},
      {"[1,2]", -1, 1000, "nesting too deep at line 1, column 1"},
      {"[1, 2, 3, 4, 5, 6]", 16, 5, "too many values at line 1, column 13"},
      {"[1,2,3,4,\"\\q\"]", 16, 5, "too many values at line 1, column 10"},
      {"{\"a\":1,\"b\":2,\"c\":3,\"d\":4,\"e\" : 5}", 16, 5,
       "too many values at line 1, column 31"},
      {"[1,2,3,[]]", 16, 4, "too many values at line 1, column 8"},
      {"[1,2,[3]  ,4]", 16, 5, "too many values at line 1, column 12"},
      {"[[1,2],[3,4]]", 16, 5, "too many values at line 1, column 9"},
      {"[[1,2],[]]", 16, 5, "accepted"},
      {"[1,2]", 16, 0, "too many values at line 1, column 1"},
  };
  for (const Case& c : cases) EXPECT_EQ(Refusal(c.text, c.depth, c.values), c.error) << c.text;
}

TEST(JsonReader, EachRefusalSaysWhyAndWhere) {
  struct Case {
    std::string text, error;
  } cases[] = {
      {"tru", "unknown word at line 1, column 1"},
      {"[nul]", "unknown word at line 1, column 2"},
      {"[fals ]", "unknown word at line 1, column 2"},
      {"[-x]", "digits expected at line 1, column 3"},
      {"-", "digits expected at line 1, column 2"},
      {"[1.]", "only whole numbers are accepted at line 1, column 3"},
      {"1e", "only whole numbers are accepted at line 1, column 2"},
      {"[1e5]", "only whole numbers are accepted at line 1, column 3"},
      {"{\"a\":\n  [1,\n   2.5]}", "only whole numbers are accepted at line 3, column 5"},
      {"9223372036854775808", "number too large at line 1, column 20"},
      {"-9223372036854775809", "number too large at line 1, column 20"},
      {"[99999999999999999999.5]", "number too large at line 1, column 20"},
      {"[" + std::string(400, '9') + "]", "number too large at line 1, column 20"},
      {"\"\\u12\"", "short \\u escape at line 1, column 4"},
      {"\"\\u12G4\"", "bad \\u escape at line 1, column 7"},
      {"\"\\ud83d\\u12G4\"", "bad \\u escape at line 1, column 13"},
      {"\"\\ud83d\\u1\"", "short \\u escape at line 1, column 10"},
      {"\"\\x\"", "bad escape at line 1, column 4"},
      {"\"abc", "unterminated string at line 1, column 5"},
      {"\"\\", "unterminated string at line 1, column 3"},
      {"\"\xE0\x9F\xBF\"", "text that is not UTF-8 at line 1, column 2"},
      {"{\"a\" 1}", "':' expected at line 1, column 6"},
      {"{\"a\":1 \"b\"", "',' or '}' expected at line 1, column 9"},
      {"[1 2", "',' or ']' expected at line 1, column 5"},
      {"[1,", "unexpected end at line 1, column 4"},
      {"[", "unexpected end at line 1, column 2"},
      {"{", "member name expected at line 1, column 2"},
      {"[1]x", "unexpected text after the end at line 1, column 4"},
      {"\xEF\xBB\xBF[]", "unexpected character at line 1, column 1"},
      // A NUL byte is a byte like any other, not the end of the text.
      {"\"a\0b\""s, "control character in a string at line 1, column 4"},
      {"\"\\\0\""s, "bad escape at line 1, column 4"},
      {"[1]\0"s, "unexpected text after the end at line 1, column 4"},
      {"\0"s, "unexpected character at line 1, column 1"},
      {"[\0]"s, "unexpected character at line 1, column 2"},
      {"{\"a\":1\0}"s, "',' or '}' expected at line 1, column 8"},
      // Not JSON: leading zeros and unpaired high surrogates.
      {"[007]", "',' or ']' expected at line 1, column 4"},
      {"{\"m_x\": -01}", "',' or '}' expected at line 1, column 12"},
      {"\"\\ud800\"", "unpaired \\u surrogate at line 1, column 2"},
      {"\"x\\ud800\\u0041\"", "unpaired \\u surrogate at line 1, column 3"},
  };
  for (const Case& c : cases) EXPECT_EQ(Refusal(c.text), c.error) << c.text;
  // An unpaired low surrogate reads as U+FFFD, as a text or a name.
  JsonValue v;
  std::string error;
  ASSERT_TRUE(ParseJson("{\"a\\udc00\": \"\\udfff\\u00e9\"}", v, error)) << error;
  EXPECT_EQ(v.members.at(0).first, "a\xEF\xBF\xBD");
  EXPECT_EQ(v.members.at(0).second.string, "\xEF\xBF\xBD\xC3\xA9");
}

// Well-formed UTF-8 as Unicode defines it (its table 3-7): the lead byte
// fixes the length and the range of the second byte; further bytes are
// 80..BF.
bool WellFormed(const std::string& s) {
  struct Lead {
    unsigned from, to, length, lo, hi;
  };
  static const Lead kLeads[] = {
      {0x00, 0x7F, 1, 0, 0},       {0xC2, 0xDF, 2, 0x80, 0xBF}, {0xE0, 0xE0, 3, 0xA0, 0xBF},
      {0xE1, 0xEC, 3, 0x80, 0xBF}, {0xED, 0xED, 3, 0x80, 0x9F}, {0xEE, 0xEF, 3, 0x80, 0xBF},
      {0xF0, 0xF0, 4, 0x90, 0xBF}, {0xF1, 0xF3, 4, 0x80, 0xBF}, {0xF4, 0xF4, 4, 0x80, 0x8F},
  };
  for (size_t i = 0; i < s.size();) {
    const auto b = [&](size_t k) { return static_cast<unsigned char>(s[i + k]); };
    const Lead* lead = nullptr;
    for (const Lead& l : kLeads)
      if (b(0) >= l.from && b(0) <= l.to) lead = &l;
    if (!lead || i + lead->length > s.size()) return false;
    if (lead->length > 1 && (b(1) < lead->lo || b(1) > lead->hi)) return false;
    for (size_t k = 2; k < lead->length; ++k)
      if (b(k) < 0x80 || b(k) > 0xBF) return false;
    i += lead->length;
  }
  return true;
}

TEST(JsonReader, TextsAreUtf8AsUnicodeDefinesIt) {
  // Every lead and second byte, with third and fourth bytes at the edges of
  // the continuation range.
  const unsigned edges[] = {0x7F, 0x80, 0x8F, 0x90, 0x9F, 0xA0, 0xBF, 0xC0};
  size_t checked = 0;
  for (unsigned b0 = 0x80; b0 <= 0xFF; ++b0) {
    for (unsigned b1 = 0x20; b1 <= 0xFF; ++b1) {
      for (unsigned b2 : edges) {
        for (unsigned b3 : {0x80u, 0xC0u}) {
          std::string bytes{char(b0), char(b1), char(b2), char(b3)};
          if (b1 == '"' || b1 == '\\') bytes.resize(1);  // the string's end or an escape
          const std::string text = "\"" + bytes + "\"";
          JsonValue v;
          std::string error;
          const bool read = ParseJson(text, v, error);
          ASSERT_EQ(read, WellFormed(bytes))
              << std::hex << b0 << " " << b1 << " " << b2 << " " << b3;
          if (read) {
            EXPECT_EQ(v.string, bytes);
          } else {
            ASSERT_EQ(error.rfind("text that is not UTF-8 at line 1, column ", 0), 0u) << error;
          }
          ++checked;
        }
      }
    }
  }
  EXPECT_GT(checked, 100000u);
}

// Whatever a text holds, written and read back it is the same text, as a
// value and as a member name: escapes anywhere, quotes and backslashes in
// runs, control characters, multi-byte characters.
TEST(JsonReader, WrittenTextsReadBack) {
  std::mt19937 rng(7);
  static const char* const kPieces[] = {"a", "\"", "\\", "\\\\", "\n",   "\x01", "\x7F", "/",
                                        "u", "温", "😀",  "\t",   "\"\"", "é",    " "};
  for (int round = 0; round < 3000; ++round) {
    std::vector<std::string> texts(3);
    for (std::string& t : texts)
      for (int n = static_cast<int>(rng() % 8); n > 0; --n)
        t += kPieces[rng() % std::size(kPieces)];
    JsonWriter w;
    w.BeginObject();
    w.Key(texts[0]);
    w.BeginArray();
    w.String(texts[1]);
    w.String(texts[2]);
    w.EndArray();
    w.EndObject();
    JsonValue v;
    std::string error;
    ASSERT_TRUE(ParseJson(w.Text(), v, error)) << error << "\n" << w.Text();
    ASSERT_EQ(v.members.size(), 1u);
    EXPECT_EQ(v.members[0].first, texts[0]);
    ASSERT_EQ(v.members[0].second.items.size(), 2u);
    EXPECT_EQ(v.members[0].second.items[0].string, texts[1]);
    EXPECT_EQ(v.members[0].second.items[1].string, texts[2]);
  }
}

// Every byte RapidJSON's own writer would escape differently keeps the
// escape written texts have always had.
TEST(JsonWriter, ControlCharactersAndDelKeepTheirEscapes) {
  std::string all;
  for (int c = 0; c < 0x20; ++c) all += static_cast<char>(c);
  all += "\x7F\"\\/";
  JsonWriter w;
  w.String(all);
  EXPECT_EQ(
      w.Text(),
      "\"\\u0000\\u0001\\u0002\\u0003\\u0004\\u0005\\u0006\\u0007\\b\\t\\n\\u000b\\f\\r"
      "\\u000e\\u000f\\u0010\\u0011\\u0012\\u0013\\u0014\\u0015\\u0016\\u0017\\u0018\\u0019"
      "\\u001a\\u001b\\u001c\\u001d\\u001e\\u001f\\u007f\\\"\\\\/\"");  // a lone value: no line end
}

// The document walks lists and objects by their nodes: After() skips a
// value with all it holds.
TEST(JsonDocument, AfterSkipsAWholeValue) {
  JsonDocument doc;
  std::string error;
  ASSERT_TRUE(ParseJson(R"({"a": [1, {"b": [[], {}]}, "x"], "c": true, "d": null})", doc, error));
  const auto root = JsonDocument::kRoot;
  ASSERT_EQ(doc.Type(root), JsonType::Object);
  EXPECT_EQ(doc.Count(root), 3u);
  JsonDocument::Index name = JsonDocument::First(root);
  EXPECT_EQ(doc.String(name), "a");
  const JsonDocument::Index list = name + 1;
  EXPECT_EQ(doc.Count(list), 3u);
  EXPECT_EQ(doc.String(doc.After(doc.After(JsonDocument::First(list)))), "x");
  name = doc.After(list);
  EXPECT_EQ(doc.String(name), "c");
  EXPECT_TRUE(doc.Bool(name + 1));
  name = doc.After(name + 1);
  EXPECT_EQ(doc.String(name), "d");
  EXPECT_EQ(doc.Type(name + 1), JsonType::Null);
  EXPECT_EQ(doc.After(name + 1), doc.After(root));
}

}  // namespace
}  // namespace tavo
