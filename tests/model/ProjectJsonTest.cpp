#include <gtest/gtest.h>

#include "base/Archive.h"
#include "base/Gbk.h"
#include "elements/Bar.h"
#include "elements/Chars.h"
#include "elements/Dynamic.h"
#include "elements/Function.h"
#include "elements/Light.h"
#include "elements/Register.h"
#include "elements/Tide.h"
#include "elements/UpLoadPic.h"
#include "model/OrxBytes.h"
#include "model/ProjectFields.h"
#include "model/ProjectFile.h"
#include "model/ProjectJson.h"

namespace tavo {
namespace {

TEST(JsonWriter, OneLayoutForNestedValues) {
  JsonWriter j;
  j.BeginObject();
  j.Key("a");
  j.Int(-1);
  j.Key("empty");
  j.BeginArray();
  j.EndArray();
  j.Key("none");
  j.BeginObject();
  j.EndObject();
  j.Key("list");
  j.BeginArray();
  j.String("x\"y\\z\n\x01");
  j.Bool(true);
  j.Null();
  j.BeginObject();
  j.Key("k");
  j.String("文字");
  j.EndObject();
  j.EndArray();
  j.EndObject();
  EXPECT_EQ(j.Text(),
            "{\n"
            "  \"a\": -1,\n"
            "  \"empty\": [],\n"
            "  \"none\": {},\n"
            "  \"list\": [\n"
            "    \"x\\\"y\\\\z\\n\\u0001\",\n"
            "    true,\n"
            "    null,\n"
            "    {\n"
            "      \"k\": \"文字\"\n"
            "    }\n"
            "  ]\n"
            "}\n");
}

TEST(ProjectJson, GbkTextForms) {
  struct Case {
    std::string gbk, json, display;
  } cases[] = {
      {"", "\"\"", ""},
      {G("温度 A"), "\"温度 A\"", "温度 A"},
      {"\x80", "\"€\"", "€"},
      {"a\\b", "\"a\\\\b\"", "a\\\\b"},
      {"A\xFF"
       "B",
       "{\n  \"gbk\": \"41FF42\"\n}\n", "A\\xFFB"},
      {G("报") + "\x81", "{\n  \"gbk\": \"B1A881\"\n}\n", "报\\x81"},
  };
  for (auto& c : cases) {
    SCOPED_TRACE(c.display);
    JsonWriter j;
    WriteGbkJson(j, c.gbk);
    EXPECT_EQ(j.Text(), c.json);
    EXPECT_EQ(GbkForDisplay(c.gbk), c.display);
  }
}

// Adds up the bytes the visited fields take in a record, so that a field
// missing from the visitor shows as a size difference.
class RecordSize : public FieldVisitor {
 public:
  size_t size = 0;
  void Field(const char*, uint8_t&) override { size += 1; }
  void Field(const char*, uint16_t&) override { size += 2; }
  void Field(const char*, int32_t&) override { size += 4; }
  void Text(const char*, std::string& s) override { size += String(s); }
  void TextList(const char*, std::vector<std::string>& l) override {
    size += 2;
    for (auto& s : l) size += String(s);
  }
  void IntList(const char*, std::vector<int32_t>& v) override { size += 2 + 4 * v.size(); }
  void Block(const char*, uint8_t*, size_t n) override { size += n; }
  void ByteList(const char*, std::vector<uint8_t>& v) override { size += v.size(); }

 private:
  static size_t String(const std::string& s) { return (s.size() < 255 ? 1 : 3) + s.size(); }
};

TEST(ProjectFields, EveryStoredFieldIsVisited) {
  struct Case {
    std::unique_ptr<CBase> element;
    size_t reserved;
  };
  Case cases[] = {
      {std::make_unique<CChars>(Point{0, 0}, G("文字串")), 50},
      {std::make_unique<CLight>(), 50},
      {std::make_unique<CFunction>(), 91},
      {std::make_unique<CRegister>(), 99},
      {std::make_unique<CDynamic>(Point{0, 0}, G("动态文字串")), 99},
      {std::make_unique<CBar>(), 99},
      {std::make_unique<CTide>(), 99},
      {std::make_unique<CUpLoadPic>(Point{0, 0}, 10, 10), 20},
  };
  for (auto& c : cases) {
    SCOPED_TRACE(c.element->ClassName());
    CArchive ar;
    c.element->Serialize(ar);
    RecordSize visited;
    ASSERT_TRUE(VisitElementFields(*c.element, visited));
    EXPECT_EQ(visited.size + c.reserved, ar.Buffer().size());
  }
  Project p;
  p.AddScreen(1, G("画面"));
  p.m_alarmList.m_alarmTexts = {"a", G("报警")};
  RecordSize settings, screen, alarms;
  VisitSettingsFields(p.m_settings, settings);
  VisitScreenFields(*p.ScreenAt(0), screen);
  VisitAlarmListFields(p.m_alarmList, alarms);
  EXPECT_EQ(settings.size, 25u - 3u);  // less m_curScreen and the protocol number
  EXPECT_EQ(screen.size, 2u + 5u + 4u);
  CArchive ar;
  p.m_alarmList.Serialize(ar);
  EXPECT_EQ(alarms.size + 100, ar.Buffer().size());
}

TEST(ProjectJson, MinimalProjectGolden) {
  test::Bytes file = test::FileHead(12);
  file.zeros(98).w(1).newClass("CMainView").append(test::EmptyScreen(1, G("首页")));
  file.append(test::AlarmRecord({"\xFF"}));
  Project p;
  ReadInfo info;
  ASSERT_EQ(ReadProjectBytes(file.v, p, info), ProjectFileError::None);
  EXPECT_EQ(ProjectToJson(p, info.protocol),
            R"({
  "m_fileVersion": 12,
  "m_formatMark": 1,
  "m_curScreen": 0,
  "protocol": 3,
  "settings": {
    "m_password": 1234,
    "m_startScreen": 7,
    "m_ctrlStation": 4,
    "m_ctrlRegAddr": 4386,
    "m_ctrlRegType": 2,
    "m_saverScreen": 9,
    "m_saverDelay": 5,
    "m_ctrlFlags": 5,
    "m_baud": 3,
    "m_dataBits": 1,
    "m_stopBits": 1,
    "m_parity": 2,
    "m_commParam": 17,
    "m_protoMode": 1,
    "m_saverAction": 1,
    "m_commOption": 1,
    "m_e5Timeout": 300
  },
  "screens": [
    {
      "class": "CMainView",
      "m_number": 1,
      "m_description": "首页",
      "m_upScreen": 0,
      "m_downScreen": 2,
      "elements": []
    }
  ],
  "alarmList": {
    "m_station": 1,
    "m_alarmbegin": 0,
    "m_subAddr": 0,
    "m_regType": 0,
    "m_bitOffset": 0,
    "m_alarmTexts": [
      {
        "gbk": "FF"
      }
    ]
  }
}
)");
}

TEST(ProjectJson, ElementsAppearInListOrderWithTheirFields) {
  Project p;
  p.AddScreen(1, "");
  auto light = std::make_unique<CLight>();
  light->m_bitOffset = 9;
  auto text = std::make_unique<CChars>(Point{0, 0}, G("甲"));
  p.ScreenAt(0)->m_elements.push_back(std::move(text));
  p.ScreenAt(0)->m_elements.push_back(std::move(light));
  const std::string json = ProjectToJson(p, 3);
  const auto chars = json.find("\"class\": \"CChars\"");
  const auto lamp = json.find("\"class\": \"CLight\"");
  ASSERT_NE(chars, std::string::npos);
  ASSERT_NE(lamp, std::string::npos);
  EXPECT_LT(chars, lamp);
  EXPECT_NE(json.find("\"m_text\": \"甲\""), std::string::npos);
  EXPECT_NE(json.find("\"m_bitOffset\": 9"), std::string::npos);
  EXPECT_EQ(json, ProjectToJson(p, 3));
  const std::string listing = ProjectToText(p, 3);
  EXPECT_NE(listing.find("      element 1: CLight\n"), std::string::npos);
  EXPECT_NE(listing.find("        m_text: \"甲\"\n"), std::string::npos);
  EXPECT_NE(listing.find("protocol: 3 Modbus RTU\n"), std::string::npos);
  EXPECT_NE(ProjectToText(p, 99).find("protocol: 99 (not in the catalogue)\n"), std::string::npos);
}

}  // namespace
}  // namespace tavo
