#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "base/Gbk.h"
#include "elements/Chars.h"
#include "elements/Dynamic.h"
#include "elements/Register.h"
#include "elements/UpLoadPic.h"
#include "model/JsonReader.h"
#include "model/ProjectGenerator.h"
#include "model/ProjectTextForm.h"
#include "plc/Protocol.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

namespace tavo {
namespace {

std::string Str(const std::vector<uint8_t>& v) {
  return std::string(v.begin(), v.end());
}

std::vector<std::string> Lines(const std::string& s) {
  std::vector<std::string> out;
  std::istringstream in(s);
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

// The text form of a project file, which must build back to the same bytes
// and read back to the same text.
std::string ExpectRoundTrip(const std::vector<uint8_t>& orx) {
  Project p;
  ReadInfo info;
  EXPECT_EQ(ReadProjectBytes(orx, p, info), ProjectFileError::None);
  const std::string json = ProjectToTextForm(p, info.protocol);
  std::vector<uint8_t> built;
  TextFormError error;
  EXPECT_TRUE(TextFormToOrxBytes(json, built, error)) << error.path << ": " << error.reason;
  EXPECT_TRUE(built == orx);
  Project q;
  ReadInfo qInfo;
  EXPECT_TRUE(ReadTextForm(json, q, qInfo, error));
  EXPECT_EQ(ProjectToTextForm(q, qInfo.protocol), json);
  return json;
}

TEST(TextForm, EveryExampleProjectRoundTrips) {
  const std::string dir = std::string(TAVO_SOURCE_DIR) + "/examples";
  int seen = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    if (entry.path().extension() != ".orx") continue;
    SCOPED_TRACE(entry.path().string());
    const std::string json = ExpectRoundTrip(test::ReadBytes(entry.path().string()));
    EXPECT_EQ(json.find("\"gbk\""), std::string::npos);  // the examples' texts are all GBK
    ++seen;
  }
  EXPECT_EQ(seen, 8);
}

// Every byte the project file holds has a place in the text: a changed byte of
// an example that the reader still accepts must come back from the text as the
// writer writes the project it read (a field the text leaves out would fall
// back to its default here).
TEST(TextForm, ChangedBytesOfExampleFilesSurviveTheText) {
  const std::string dir = std::string(TAVO_SOURCE_DIR) + "/examples";
  int accepted = 0;
  for (const char* name : {"all-elements.orx", "modbus-rtu.orx", "ktc-variables.orx"}) {
    const std::vector<uint8_t> original = test::ReadBytes(dir + "/" + name);
    for (size_t at = 0; at < original.size(); ++at) {
      for (uint8_t flip : {uint8_t{0x01}, uint8_t{0x80}}) {
        std::vector<uint8_t> bytes = original;
        bytes[at] ^= flip;
        Project p;
        ReadInfo info;
        if (ReadProjectBytes(bytes, p, info) != ProjectFileError::None) continue;
        ++accepted;
        const std::vector<uint8_t> saved = WriteProjectBytes(p, info.protocol);
        std::vector<uint8_t> built;
        TextFormError error;
        ASSERT_TRUE(TextFormToOrxBytes(ProjectToTextForm(p, info.protocol), built, error))
            << name << " byte " << at << ": " << error.path << ": " << error.reason;
        ASSERT_TRUE(built == saved) << name << " byte " << at << " ^ " << int(flip);
      }
    }
  }
  EXPECT_GT(accepted, 1000);
}

// A text saved by an editor that leads UTF-8 with a byte order mark builds the
// same file.
TEST(TextForm, ByteOrderMarkIsAccepted) {
  const std::vector<uint8_t> orx =
      test::ReadBytes(std::string(TAVO_SOURCE_DIR) + "/examples/all-elements.orx");
  Project p;
  ReadInfo info;
  ASSERT_EQ(ReadProjectBytes(orx, p, info), ProjectFileError::None);
  std::vector<uint8_t> built;
  TextFormError error;
  ASSERT_TRUE(
      TextFormToOrxBytes("\xEF\xBB\xBF" + ProjectToTextForm(p, info.protocol), built, error))
      << error.reason;
  EXPECT_TRUE(built == orx);
}

TEST(TextForm, GeneratedProjectsRoundTrip) {
  int rowPictures = 0, hexPictures = 0, hexTexts = 0;
  for (uint32_t seed = 1; seed <= 2000; ++seed) {
    SCOPED_TRACE(seed);
    test::ProjectGenerator gen(seed);
    Project p;
    uint8_t protocol = 0;
    gen.Make(p, protocol);
    const std::string json = ExpectRoundTrip(WriteProjectBytes(p, protocol));
    if (HasFailure()) break;
    rowPictures += json.find("\"m_width\"") != std::string::npos;
    hexPictures += json.find("\"m_infoBlock\"") != std::string::npos;
    hexTexts += json.find("\"gbk\"") != std::string::npos;
  }
  // The generator reaches every form.
  EXPECT_GT(rowPictures, 100);
  EXPECT_GT(hexPictures, 100);
  EXPECT_GT(hexTexts, 100);
}

TEST(TextForm, PictureRowsShowThePixels) {
  Project p;
  p.AddScreen(1, "");
  auto pic = std::make_unique<CUpLoadPic>(Point{0, 0}, 5, 2);
  // Bottom-up rows: the stored first row is the picture's bottom row.
  pic->m_bits[0] = 0xF8;  // bottom: all light
  pic->m_bits[4] = 0xA8;  // top: light, dark, light, dark, light
  p.ScreenAt(0)->m_elements.push_back(std::move(pic));
  const std::string json = ProjectToTextForm(p, 3);
  EXPECT_NE(json.find("\"m_width\": 5,\n"), std::string::npos);
  EXPECT_NE(json.find("\"m_bits\": [\n            \".#.#.\",\n            \".....\"\n"),
            std::string::npos)
      << json;
}

// Replaces the value on the `nth` line holding "key": (the comma kept).
std::function<void(std::string&)> SetLine(std::string key, int nth, std::string value) {
  return [=](std::string& s) {
    size_t at = 0;
    for (int i = 0; i <= nth; ++i) {
      at = s.find("\"" + key + "\": ", i ? at + 1 : 0);
      ASSERT_NE(at, std::string::npos) << key;
    }
    const size_t from = at + key.size() + 4;
    size_t end = s.find('\n', from);
    if (s[end - 1] == ',') --end;
    if (s[end - 1] == '[' || s[end - 1] == '{') {  // a list or object: up to its end
      const char close = s[end - 1] == '[' ? ']' : '}';
      const size_t indent = at - s.rfind('\n', at) - 1;
      end = s.find("\n" + std::string(indent, ' ') + close, from) + indent + 2;
    }
    s.replace(from, end - from, value);
  };
}
std::function<void(std::string&)> Raw(std::string from, std::string to) {
  return [=](std::string& s) {
    const size_t at = s.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    s.replace(at, from.size(), to);
  };
}
std::function<void(std::string&)> Whole(std::string text) {
  return [=](std::string& s) { s = text; };
}

// Screen 1: a text, a register, a 5 x 3 picture, a dynamic text; screen 2: a
// picture with a foreign header (hex form).
std::string SmallProjectText() {
  Project p;
  CMainView& one = p.AddScreen(1, G("主画面"));
  one.m_elements.push_back(std::make_unique<CChars>(Point{0, 0}, G("文字")));
  one.m_elements.push_back(std::make_unique<CRegister>());
  one.m_elements.push_back(std::make_unique<CUpLoadPic>(Point{0, 0}, 5, 3));
  auto dyn = std::make_unique<CDynamic>(Point{0, 0}, G("动态"));
  dyn->m_values = {1, 2};
  one.m_elements.push_back(std::move(dyn));
  CMainView& two = p.AddScreen(2, "");
  auto foreign = std::make_unique<CUpLoadPic>(Point{0, 0}, 8, 1);
  foreign->m_infoBlock[24] = 1;
  two.m_elements.push_back(std::move(foreign));
  p.m_alarmList.m_alarmTexts = {G("报警")};
  p.m_curScreen = 0;
  return ProjectToTextForm(p, 3);
}

TEST(TextForm, BadTextIsRefusedWithPathAndReason) {
  const std::string e0 = "screens[0].elements[0].";
  struct Case {
    std::function<void(std::string&)> edit;
    std::string path, reason;
  } cases[] = {
      {SetLine("m_x", 0, "\"8\""), e0 + "m_x", "expected a number, found a text"},
      {SetLine("m_baud", 0, "256"), "settings.m_baud", "value 256 is outside 0..255"},
      {SetLine("m_number", 0, "-1"), "screens[0].m_number", "value -1 is outside 0..65535"},
      {SetLine("m_y", 0, "2147483648"), e0 + "m_y",
       "value 2147483648 is outside -2147483648..2147483647"},
      {SetLine("m_y", 0, "true"), e0 + "m_y", "expected a number, found true or false"},
      {SetLine("m_x", 0, "1.5"), "", "only whole numbers are accepted at line 35, column 19"},
      {SetLine("m_x", 0, "99999999999999999999"), "", "number too large"},
      {SetLine("class", 0, "\"CCircle\""), e0 + "class", "unknown element class \"CCircle\""},
      {SetLine("class", 0, "\"CBase\""), e0 + "class", "unknown element class \"CBase\""},
      {SetLine("class", 0, "5"), e0 + "class", "expected a text, found a number"},
      {SetLine("m_kind", 0, "2"), e0 + "m_kind", "kind 2 is not the kind of CChars (1)"},
      {SetLine("m_description", 0, "\"温度😀\""), "screens[0].m_description",
       "the character \"😀\" has no GBK code"},
      {SetLine("m_text", 0, "{\"gbk\": \"4G\"}"), e0 + "m_text.gbk", "'4G' is not a hex byte"},
      {SetLine("m_text", 0, "{\"gbk\": \"414\"}"), e0 + "m_text.gbk",
       "hex bytes need two digits each"},
      {SetLine("m_text", 0, "{\"hex\": \"41\"}"), e0 + "m_text.gbk", "missing field"},
      {SetLine("m_text", 0, "null"), e0 + "m_text",
       "expected a text or {\"gbk\": HEX}, found null"},
      {SetLine("m_alarmTexts", 0, "[1]"), "alarmList.m_alarmTexts[0]",
       "expected a text or {\"gbk\": HEX}, found a number"},
      {SetLine("m_values", 0, "[1, \"2\"]"), "screens[0].elements[3].m_values[1]",
       "expected a number, found a text"},
      {SetLine("m_texts", 0, "{}"), "screens[0].elements[3].m_texts",
       "expected a list, found an object"},
      {SetLine("formatVersion", 0, "2"), "formatVersion",
       "version 2 is newer than this program reads (1)"},
      {SetLine("formatVersion", 0, "0"), "formatVersion", "value 0 is outside 1..2147483647"},
      {SetLine("format", 0, "\"other\""), "format",
       "not a project text form (\"tavo-project\" expected)"},
      {SetLine("m_curScreen", 0, "2"), "m_curScreen", "there is no screen 2 (2 screens)"},
      {SetLine("screens", 0, "[]"), "screens", "a project has at least one screen"},
      {SetLine("settings", 0, "[]"), "settings", "expected an object, found a list"},
      {SetLine("elements", 0, "[7]"), e0.substr(0, e0.size() - 1),
       "expected an object, found a number"},
      {SetLine("m_width", 0, "197"), "screens[0].elements[2].m_width",
       "value 197 is outside 0..196"},
      {SetLine("m_height", 0, "4"), "screens[0].elements[2].m_bits", "has 3 rows, m_height is 4"},
      {Raw("\"#####\"", "\"####\""), "screens[0].elements[2].m_bits[0]",
       "has 4 pixels, m_width is 5"},
      {Raw("\"#####\"", "\"##x##\""), "screens[0].elements[2].m_bits[0]",
       "pixel 2 is neither \"#\" nor \".\""},
      {SetLine("m_infoBlock", 0, "\"00\""), "screens[1].elements[0].m_infoBlock",
       "holds 1 bytes, the picture header has 48"},
      {SetLine("m_bits", 1, "\"00\""), "screens[1].elements[0].m_bits",
       "holds 1 bytes, the header's image size is 4"},
      {Raw("\"m_y\": 0,", "\"m_y\": 0,\n\"m_y\": 0,"), e0 + "m_y", "duplicate field"},
      {Raw("\"m_y\": 0,", "\"m_y\": 0,\n\"m_z\": 0,"), e0 + "m_z", "unknown field"},
      {Raw("\"m_y\": 0,", ""), e0 + "m_y", "missing field"},
      // A name from the file is shown short and without control characters.
      {Raw("\"m_y\": 0,", "\"m_y\": 0,\n\"" + std::string(100000, 'z') + "\": 0,"),
       e0 + std::string(60, 'z') + "...", "unknown field"},
      {Raw("\"m_y\": 0,", "\"m_y\": 0,\n\"m_\\n\\u001b\": 0,"), e0 + "m_??", "unknown field"},
      {SetLine("class", 0, "\"" + std::string(58, 'C') + "温度\""), e0 + "class",
       "unknown element class \"" + std::string(58, 'C') + "...\""},
      {Raw("\"m_ctrlStation\"", "\"m_CtrlStation\""), "settings.m_ctrlStation", "missing field"},
      {Whole("[]"), "", "expected an object, found a list"},
      {Whole("{\"format\": \"tavo-project\",}"), "", "member name expected at line 1, column 27"},
      {Whole("{\"a\": \"\xC3\x28\"}"), "", "text that is not UTF-8 at line 1, column 8"},
      {Whole(std::string(40, '[') + std::string(40, ']')), "", "nesting too deep"},
      {Whole(""), "", "unexpected end at line 1, column 1"},
      {Whole(std::string(kMaxTextFormBytes + 1, ' ')), "", "larger than 32 MiB"},
  };
  const std::string base = SmallProjectText();
  std::vector<uint8_t> good;
  TextFormError none;
  ASSERT_TRUE(TextFormToOrxBytes(base, good, none)) << none.path << ": " << none.reason;
  for (auto& c : cases) {
    SCOPED_TRACE(c.path + ": " + c.reason);
    std::string text = base;
    c.edit(text);
    std::vector<uint8_t> orx = {1, 2, 3};
    TextFormError error;
    EXPECT_FALSE(TextFormToOrxBytes(text, orx, error));
    EXPECT_EQ(error.path, c.path);
    EXPECT_NE(error.reason.find(c.reason), std::string::npos) << error.reason;
    EXPECT_EQ(orx, (std::vector<uint8_t>{1, 2, 3}));  // untouched
  }
  EXPECT_EQ(TextFormMessage("p.json", {"screens[2].m_x", "why"}), "p.json: screens[2].m_x: why");
  EXPECT_EQ(TextFormMessage("p.json", {"", "why"}), "p.json: why");
}

TEST(TextForm, OneFieldEditIsOneLineAndOneField) {
  const std::string orxPath = std::string(TAVO_SOURCE_DIR) + "/examples/all-elements.orx";
  const std::vector<uint8_t> orx = test::ReadBytes(orxPath);
  Project p;
  ReadInfo info;
  ASSERT_EQ(ReadProjectBytes(orx, p, info), ProjectFileError::None);
  const std::string base = ProjectToTextForm(p, info.protocol);
  struct Case {
    std::function<void(std::string&)> edit;
    size_t orxBytes;  // bytes of the field in the .orx; 0: its length changes
  } cases[] = {
      {SetLine("m_x", 3, "64"), 4},
      {SetLine("m_addr", 2, "4660"), 2},
      {SetLine("m_baud", 0, "5"), 1},
      {SetLine("protocol", 0, "31"), 1},
      {SetLine("m_curScreen", 0, "2"), 2},
      {SetLine("m_e5Timeout", 0, "501"), 2},
      {SetLine("m_description", 1, "\"新的说明\""), 0},
      {Raw(".#..########################..#.", ".#..#########.##############..#."), 1},
  };
  const auto baseLines = Lines(base);
  for (size_t k = 0; k < std::size(cases); ++k) {
    SCOPED_TRACE(k);
    std::string text = base;
    cases[k].edit(text);
    std::vector<uint8_t> built;
    TextFormError error;
    ASSERT_TRUE(TextFormToOrxBytes(text, built, error)) << error.path << ": " << error.reason;
    // The text differs in one line, and exporting the built file gives it back.
    const auto lines = Lines(text);
    ASSERT_EQ(lines.size(), baseLines.size());
    size_t changed = 0;
    for (size_t i = 0; i < lines.size(); ++i) changed += lines[i] != baseLines[i];
    EXPECT_EQ(changed, 1u);
    Project q;
    ReadInfo qInfo;
    ASSERT_EQ(ReadProjectBytes(built, q, qInfo), ProjectFileError::None);
    EXPECT_EQ(ProjectToTextForm(q, qInfo.protocol), text);
    // In the .orx only that field's bytes change.
    if (cases[k].orxBytes == 0) continue;
    ASSERT_EQ(built.size(), orx.size());
    size_t first = orx.size(), last = 0;
    for (size_t i = 0; i < orx.size(); ++i)
      if (orx[i] != built[i]) first = std::min(first, i), last = i;
    ASSERT_LT(first, orx.size());
    EXPECT_LT(last - first, cases[k].orxBytes);
  }
}

TEST(TextForm, MutatedTextNeverCrashesAndWhatIsAcceptedRoundTrips) {
  std::mt19937 rng(11);
  size_t accepted = 0;
  for (uint32_t seed = 1; seed <= 60; ++seed) {
    test::ProjectGenerator gen(seed);
    Project p;
    uint8_t protocol = 0;
    gen.Make(p, protocol);
    const std::string base = ProjectToTextForm(p, protocol);
    for (int round = 0; round < 50; ++round) {
      std::string text = base;
      const int edits = 1 + static_cast<int>(rng() % 4);
      for (int e = 0; e < edits && !text.empty(); ++e) {
        const size_t at = rng() % text.size();
        static const char kChars[] = "{}[]\":,\\-0129#.xe \n";
        switch (rng() % 5) {
          case 0:
            text[at] = kChars[rng() % (sizeof kChars - 1)];
            break;
          case 1:
            text[at] = static_cast<char>(rng());
            break;
          case 2:
            text.erase(at, rng() % 40);
            break;
          case 3:
            text.insert(at, text.substr(rng() % text.size(), rng() % 60));
            break;
          default:
            text.resize(at);
        }
      }
      std::vector<uint8_t> orx;
      TextFormError error;
      if (!TextFormToOrxBytes(text, orx, error)) {
        EXPECT_FALSE(error.reason.empty());
        continue;
      }
      ++accepted;
      ExpectRoundTrip(orx);
    }
  }
  EXPECT_GT(accepted, 50u);  // some edits keep a valid text (digits in values)
}

TEST(TextFormFile, ProjectFileFunctionsChooseTheFormByExtension) {
  test::TempDir dir;
  test::ScriptedPrompter prompter;
  ProtocolScope protocol(3);
  Project p;
  p.AddScreen(1, G("主画面"));
  p.AddScreen(2, G("第二"));
  const std::string json = dir.File("p.Json");
  ASSERT_TRUE(SaveProjectFile(p, json));
  EXPECT_EQ(Str(test::ReadBytes(json)), ProjectToTextForm(p, 3));
  EXPECT_EQ(p.m_title, "p.Json");
  Project q;
  ASSERT_TRUE(OpenProjectFile(q, json));
  EXPECT_EQ(q.m_path, json);
  ASSERT_EQ(q.ScreenCount(), 2u);
  EXPECT_EQ(q.ScreenAt(1)->m_description, G("第二"));
  EXPECT_FALSE(q.IsModified());

  // A refused text changes nothing and names the file, path and reason.
  const std::string bad = dir.File("bad.json");
  std::string text = ProjectToTextForm(p, 3);
  SetLine("m_upScreen", 1, "70000")(text);
  test::WriteBytes(bad, std::vector<uint8_t>(text.begin(), text.end()));
  EXPECT_FALSE(OpenProjectFile(q, bad));
  EXPECT_EQ(q.m_path, json);
  ASSERT_FALSE(prompter.said.empty());
  EXPECT_EQ(prompter.said.back().text,
            bad + ": screens[1].m_upScreen: value 70000 is outside 0..65535");
  EXPECT_EQ(prompter.said.back().caption, "文件格式错误");
  // A .orx is still a project file.
  ASSERT_TRUE(SaveProjectFile(q, dir.File("p.orx")));
  EXPECT_EQ(test::ReadBytes(dir.File("p.orx")), WriteProjectBytes(q, 3));
}

TEST(JsonReader, RefusalsNameLineAndColumn) {
  struct Case {
    std::string text, error;
  } cases[] = {
      {"{\n  \"a\": 1,\n  \"b\": x\n}", "unexpected character at line 3, column 8"},
      {"{\"文字\": 1.0}", "only whole numbers are accepted at line 1, column 9"},
      {"[1] 2", "unexpected text after the end at line 1, column 5"},
      {"\"\xF0\x9F\x98\"", "text that is not UTF-8 at line 1, column 2"},
      {"\"\xC0\xAF\"", "text that is not UTF-8 at line 1, column 2"},      // overlong
      {"\"\xED\xA0\x80\"", "text that is not UTF-8 at line 1, column 2"},  // surrogate
      {"\"a\nb\"", "control character in a string at line 2, column 1"},
      {"[1,2,3,4]", "too many values at line 1, column 8"},
  };
  JsonLimits limits;
  limits.maxValues = 4;
  for (auto& c : cases) {
    JsonValue v;
    std::string error;
    EXPECT_FALSE(ParseJson(c.text, v, error, limits)) << c.text;
    EXPECT_EQ(error, c.error) << c.text;
  }
  JsonValue v;
  std::string error;
  ASSERT_TRUE(ParseJson("{\"k\": [\"温度 😀\", -9223372036854775808]}", v, error));
  EXPECT_EQ(v.Member("k")->items[0].string, "温度 😀");
  EXPECT_EQ(v.Member("k")->items[1].integer, INT64_MIN);
}

}  // namespace
}  // namespace tavo
