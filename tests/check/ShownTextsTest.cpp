// What a person reads of the check and the cross-reference goes through the
// catalogue piece by piece; what files and scripts read stays as written.
#include "base/Texts.h"
#include "check/CheckSupport.h"
#include "check/CrossReference.h"
#include "elements/Dynamic.h"
#include "elements/Function.h"
#include "elements/Register.h"
#include "plc/Catalogue.h"

namespace tavo::test {
namespace {

// Every translated piece comes back in angle brackets, so that the shown
// text tells which of its parts were looked up and which were put in as
// they are. The source texts again when the scope ends.
class BracketedLanguage {
 public:
  BracketedLanguage() {
    SetTranslateFunction(
        [](const char*, const char* source) { return "<" + std::string(source) + ">"; });
  }
  ~BracketedLanguage() { SetTranslateFunction(nullptr); }
  BracketedLanguage(const BracketedLanguage&) = delete;
  BracketedLanguage& operator=(const BracketedLanguage&) = delete;
};

class ShownTextsTest : public CheckTest {
 protected:
  // A key that leads nowhere, the same key twice, a register at station 0,
  // a dynamic text and an alarm text with a character no glyph draws.
  void PutFaults() {
    CFunction& jump = Put<CFunction>(First(), 0, 0);
    jump.m_action = kActionJump;
    jump.m_screenNo = 9;
    jump.m_picStyle = 5;
    Put<CFunction>(First(), 80, 0).m_picStyle = 5;
    Put<CRegister>(First(), 24, 16).m_station = 0;
    CDynamic& d = Put<CDynamic>(First(), 0, 32, Point{}, G("开"));
    d.m_texts[2] = "~";
    d.m_valueTexts[2] = "2";
    project.m_alarmList.SetText(1, "~");
  }
  const Finding& Of(const std::vector<Finding>& found, const std::string& code) {
    for (const Finding& f : found)
      if (f.code == code) return f;
    ADD_FAILURE() << "no " << code;
    return found.front();
  }
};

TEST_F(ShownTextsTest, FindingsAreShownPieceByPieceAndWrittenAsBefore) {
  PutFaults();
  const std::vector<Finding> plain = Check();
  ASSERT_EQ(plain.size(), 5u);
  const std::string json = FindingsToJson(plain);

  BracketedLanguage bracketed;
  const std::vector<Finding> found = Check();
  EXPECT_EQ(found, plain);
  EXPECT_EQ(FindingsToJson(found), json);
  for (const Finding& f : found) {
    EXPECT_EQ(f.text.Source(), f.message) << f.code;
    EXPECT_NE(ShownMessage(f), f.message) << f.code;
  }
  // Kind names, element places, key names and row texts are looked up;
  // numbers, and the characters the project holds, are not.
  EXPECT_EQ(ShownMessage(Of(found, "jump-target")), "<<<功能键>(0,0)>跳转到的9号画面不存在>");
  EXPECT_EQ(ShownMessage(Of(found, "duplicate-key")),
            "<<<功能键>(80,0)>与<<功能键>(0,0)>是同一个<‘SET’键>，面板只执行其中一个>");
  EXPECT_EQ(ShownMessage(found[4]),
            "<<<<动态文本>(0,32)>第3行>的文字中“~”在字库中没有字形，面板上显示为空白>");
  EXPECT_EQ(found[0].code, "blank-glyph");  // the project's own findings first
  EXPECT_EQ(ShownMessage(found[0]),
            "<<报警列表第2条>的文字中“~”在字库中没有字形，面板上显示为空白>");
}

TEST_F(ShownTextsTest, TextsTheCompilerAndTheProjectShare) {
  // A key past the keypad, as only a damaged file holds, next to ESC.
  Put<CFunction>(First(), 0, 0).m_picStyle = 40;
  Put<CFunction>(First(), 80, 0).m_picStyle = 40;
  BracketedLanguage bracketed;
  EXPECT_NE(ShownMessage(Only("duplicate-key")).find("是同一个<按键40>"), std::string::npos);

  // The compiler's refusal reads as the download would show it.
  CMainView& full = Screen(2);
  for (int i = 0; i < 256; ++i) Put<CRegister>(full, 0, 0);
  const Finding count = Only("too-many-elements");
  EXPECT_EQ(ShownMessage(count), "<2号画面有256个元件，超出每个画面最多255个元件，不能下载!>");
}

// A finding made by hand, without a kept text, shows its message.
TEST(ShownMessage, WithoutTextTheMessageIsShown) {
  BracketedLanguage bracketed;
  Finding f;
  f.message = "画面号3重复";
  EXPECT_EQ(ShownMessage(f), "画面号3重复");
}

TEST_F(ShownTextsTest, CrossReferenceShownTheUsersWayAndExportedAsWritten) {
  Put<CRegister>(First(), 24, 16).m_addr = 100;
  CFunction& coil = Put<CFunction>(First(), 80, 0);
  coil.m_action = kActionSetCoil;
  coil.m_addr = 3;
  const auto xref = BuildCrossReference(project, CurrentProfile());
  ASSERT_EQ(xref.size(), 3u);  // the alarm coil, the key's coil, the register
  const std::string csv = XrefToCsv(xref), json = XrefToJson(xref);

  BracketedLanguage bracketed;
  EXPECT_EQ(XrefToCsv(xref), csv);
  EXPECT_EQ(XrefToJson(xref), json);
  EXPECT_EQ(XrefToText(xref),
            "<局号1> 0x0 <读> <位>  <报警列表>\n"
            "<局号1> 0x3 <写> <位>  <画面1> <<功能键>(80,0)>\n"
            "<局号1> 4x100 <读> <2字节>  <画面1> <<寄存器>(24,16)>\n");
  // The filter finds a user or an access by either name.
  EXPECT_TRUE(XrefMatches(xref[2], "<寄存器>"));
  EXPECT_TRUE(XrefMatches(xref[1], "<写>"));
  EXPECT_FALSE(XrefMatches(xref[2], "<写>"));
}

}  // namespace
}  // namespace tavo::test
