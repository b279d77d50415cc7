// Screen-list commands of the project with real elements on the screens.
#include <gtest/gtest.h>

#include "base/Gbk.h"
#include "elements/Chars.h"
#include "model/Project.h"
#include "support/ScriptedPrompter.h"

namespace tavo {
namespace {

using test::ScriptedPrompter;

std::vector<int> Numbers(const Project& p) {
  std::vector<int> out;
  for (auto& s : p.m_screens) out.push_back(s->m_number);
  return out;
}

// Kinds of a screen's elements from the head.
std::vector<int> Kinds(const CMainView& s) {
  std::vector<int> out;
  for (auto& e : s.m_elements) out.push_back(e->m_kind);
  return out;
}

TEST(ScreenList, AddingKeepsNumberOrder) {
  Project p;
  p.AddScreen(5, "");
  p.AddScreen(2, "");
  EXPECT_EQ(p.m_curScreen, 0);
  p.AddScreen(9, "");
  EXPECT_EQ(p.m_curScreen, 2);
  EXPECT_EQ(Numbers(p), (std::vector<int>{2, 5, 9}));
  EXPECT_EQ(p.FindScreen(5).position, 1u);
  EXPECT_TRUE(p.FindScreen(5).found);
  EXPECT_FALSE(p.FindScreen(6).found);
  EXPECT_EQ(p.FindScreen(6).position, 2u);
  EXPECT_EQ(p.FindScreen(10).position, 3u);
  EXPECT_EQ(p.ScreenAt(3), nullptr);

  CMainView& edge = p.AddScreen(0, "");  // key targets wrap within 16 bits
  EXPECT_EQ(edge.m_upScreen, 65535);
  EXPECT_EQ(edge.m_downScreen, 1);
}

TEST(ScreenList, NewScreenRefusesAnExistingNumber) {
  ScriptedPrompter prompter;
  Project p;
  p.AddScreen(1, "");
  p.AddScreen(2, "");
  p.SetModified(false);
  EXPECT_FALSE(p.NewScreen(2, "x"));
  ASSERT_EQ(prompter.said.size(), 1u);
  EXPECT_EQ(prompter.said[0].text, "2号画面已存在");
  EXPECT_EQ(prompter.said[0].caption, "画面已存在");
  EXPECT_FALSE(p.IsModified());
  EXPECT_TRUE(p.NewScreen(3, "x"));
  EXPECT_TRUE(p.IsModified());
  EXPECT_EQ(p.CurrentScreen()->m_number, 3);
}

TEST(ScreenCopy, ToANewSmallerNumberCopiesTheSourceScreen) {
  ScriptedPrompter prompter;
  Project p;
  p.AddScreen(1, "one");
  p.CurrentScreen()->AddElement(kKindText, {0, 0});
  p.AddScreen(5, G("源"));
  CMainView& five = *p.CurrentScreen();
  five.AddElement(kKindLight, {0, 0});
  five.AddElement(kKindRegister, {100, 50});
  five.Head()->m_codeSize = 11;
  five.Head()->m_code.assign(11, 1);
  p.CopyScreen(3);
  EXPECT_TRUE(prompter.said.empty());
  EXPECT_EQ(Numbers(p), (std::vector<int>{1, 3, 5}));
  EXPECT_EQ(p.m_curScreen, 1);
  CMainView& three = *p.CurrentScreen();
  EXPECT_EQ(three.m_number, 3);
  EXPECT_EQ(three.m_upScreen, 2);
  EXPECT_EQ(three.m_downScreen, 4);
  EXPECT_EQ(three.m_description, G("源"));
  EXPECT_EQ(Kinds(three), (std::vector<int>{kKindRegister, kKindLight}));
  EXPECT_NE(three.m_elements[0].get(), five.m_elements[0].get());
  EXPECT_EQ(three.m_elements[0]->m_rect, five.m_elements[0]->m_rect);
  EXPECT_TRUE(three.m_elements[0]->m_code.empty());
  EXPECT_EQ(three.m_elements[0]->m_codeSize, 0);
  EXPECT_EQ(Kinds(five), (std::vector<int>{kKindRegister, kKindLight}));
  EXPECT_TRUE(p.IsModified());
  EXPECT_FALSE(p.SelectedElement());
}

TEST(ScreenCopy, ToANewGreaterNumber) {
  Project p;
  p.AddScreen(5, "");
  p.CurrentScreen()->AddElement(kKindBar, {0, 0});
  p.AddScreen(7, "");
  p.SelectScreen(0);
  p.CopyScreen(6);
  EXPECT_EQ(Numbers(p), (std::vector<int>{5, 6, 7}));
  EXPECT_EQ(p.m_curScreen, 1);
  EXPECT_EQ(Kinds(*p.CurrentScreen()), (std::vector<int>{kKindBar}));
}

TEST(ScreenCopy, OverAnExistingScreenAsksAndReplacesItsElements) {
  for (bool ok : {false, true}) {
    ScriptedPrompter prompter;
    prompter.answers = {ok ? Answer::Ok : Answer::Cancel};
    Project p;
    p.AddScreen(1, "src");
    p.CurrentScreen()->AddElement(kKindText, {0, 0});
    p.CurrentScreen()->AddElement(kKindKey, {50, 50});
    p.AddScreen(2, "dst");
    CMainView& dst = *p.CurrentScreen();
    dst.m_upScreen = 40;
    dst.m_downScreen = 41;
    dst.AddElement(kKindTrend, {0, 0});
    p.SelectScreen(0);
    p.SetModified(false);
    p.CopyScreen(2);
    ASSERT_EQ(prompter.said.size(), 1u);
    EXPECT_EQ(prompter.said[0].kind, "okcancel");
    EXPECT_EQ(prompter.said[0].text, "2号画面已经存在，要替换吗?");
    EXPECT_EQ(prompter.said[0].caption, "画面已存在");
    EXPECT_EQ(dst.m_number, 2);
    EXPECT_EQ(dst.m_upScreen, 40);
    EXPECT_EQ(dst.m_downScreen, 41);
    if (ok) {
      EXPECT_EQ(dst.m_description, "src");
      EXPECT_EQ(Kinds(dst), (std::vector<int>{kKindKey, kKindText}));
      EXPECT_EQ(p.m_curScreen, 1);
      EXPECT_TRUE(p.IsModified());
    } else {
      EXPECT_EQ(dst.m_description, "dst");
      EXPECT_EQ(Kinds(dst), (std::vector<int>{kKindTrend}));
      EXPECT_EQ(p.m_curScreen, 0);
      EXPECT_FALSE(p.IsModified());
    }
  }
}

TEST(ScreenCopy, ToItsOwnNumberIsRefused) {
  ScriptedPrompter prompter;
  Project p;
  p.AddScreen(4, "");
  p.CopyScreen(4);
  ASSERT_EQ(prompter.said.size(), 1u);
  EXPECT_EQ(prompter.said[0].text, "复制画面号和当前画面号相同!!!");
  EXPECT_EQ(prompter.said[0].caption, "画面号相同");
  EXPECT_EQ(p.ScreenCount(), 1u);
}

TEST(ScreenDelete, TheOnlyScreenLeavesScreenOne) {
  ScriptedPrompter prompter;
  Project p;
  p.AddScreen(7, G("描述"));
  p.CurrentScreen()->AddElement(kKindText, {0, 0});
  prompter.answers = {Answer::Cancel};
  p.DeleteScreen();
  EXPECT_EQ(Numbers(p), (std::vector<int>{7}));
  p.DeleteScreen();
  ASSERT_EQ(prompter.said.size(), 2u);
  EXPECT_EQ(prompter.said[1].text, "确实要删除7号画面吗?");
  EXPECT_EQ(prompter.said[1].caption, "删除画面");
  ASSERT_EQ(Numbers(p), (std::vector<int>{1}));
  EXPECT_EQ(p.m_curScreen, 0);
  EXPECT_EQ(p.CurrentScreen()->m_description, "");
  EXPECT_EQ(p.CurrentScreen()->ElementCount(), 0u);
}

TEST(ScreenDelete, LastOrMiddlePosition) {
  ScriptedPrompter prompter;
  Project p;
  for (uint16_t n : {1, 2, 3, 4}) p.AddScreen(n, "");
  p.DeleteScreen();  // the last: the new last becomes current
  EXPECT_EQ(Numbers(p), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(p.m_curScreen, 2);
  p.SelectScreen(1);
  p.DeleteScreen();  // in the middle: the position now shows the next screen
  EXPECT_EQ(Numbers(p), (std::vector<int>{1, 3}));
  EXPECT_EQ(p.m_curScreen, 1);
  EXPECT_EQ(p.CurrentScreen()->m_number, 3);
  EXPECT_FALSE(p.SelectScreen(2));  // not a row
  EXPECT_EQ(p.m_curScreen, 1);
}

TEST(DeleteKey, DeletesTheSelectedElementElseTheScreen) {
  ScriptedPrompter prompter;
  Project p;
  p.AddScreen(1, "");
  p.AddScreen(2, "");
  p.PlaceElement(kKindLight, {0, 0});
  p.PlaceElement(kKindText, {200, 100});
  ASSERT_TRUE(p.SelectedElement());
  EXPECT_EQ(p.SelectedElement()->m_kind, kKindText);
  p.DeleteKey();
  EXPECT_TRUE(prompter.said.empty());
  EXPECT_EQ(Kinds(*p.CurrentScreen()), (std::vector<int>{kKindLight}));
  EXPECT_FALSE(p.SelectedElement());
  p.DeleteKey();  // no element selected: the screen goes, after the question
  ASSERT_EQ(prompter.said.size(), 1u);
  EXPECT_EQ(prompter.said[0].text, "确实要删除2号画面吗?");
  EXPECT_EQ(Numbers(p), (std::vector<int>{1}));
}

}  // namespace
}  // namespace tavo
