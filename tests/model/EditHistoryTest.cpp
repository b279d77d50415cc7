// The undo history: every kind of change taken back and done again, with the
// saved bytes compared, and long random sequences of edits.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "model/DisplayView.h"
#include "model/EditHistory.h"
#include "model/ProjectFile.h"
#include "model/ProjectGenerator.h"
#include "plc/Catalogue.h"
#include "plc/Protocol.h"
#include "support/ScriptedPrompter.h"

namespace tavo {
namespace {

using test::ScriptedPrompter;

Point ViewAt(int x, int y) {
  return {kViewDisplayArea.left + x, kViewDisplayArea.top + y};
}

struct Editor {
  explicit Editor(size_t maxSteps = EditHistory::kMaxSteps) : history(project, maxSteps) {
    SetCurrentProtocol(1);
    project.ApplyProtocol(1);
    project.AddScreen(1, "一");
    project.AddScreen(5, "five");
    project.AddScreen(9, "");
    project.m_curScreen = 1;
    view.SetProject(&project);
    Place(kKindText, 0, 0);
    Place(kKindLight, 90, 45);
    Place(kKindRegister, 180, 90);
    view.m_history = &history;
    history.Reset();
  }
  void Place(uint8_t kind, int x, int y) {
    view.StartInsertion(kind);
    view.MouseMove(ViewAt(x, y));
    view.LeftButtonDown(ViewAt(x, y));
    view.LeftButtonUp();
  }
  void Drag(int x, int y, int dx, int dy) {
    view.LeftButtonDown(ViewAt(x, y));
    view.MouseMove(ViewAt(x + dx, y + dy));
    view.LeftButtonUp();
  }
  std::vector<uint8_t> Bytes() { return WriteProjectBytes(project, CurrentProtocol()); }

  ScriptedPrompter prompter;
  Project project;
  EditHistory history;
  DisplayView view;
};

struct ChangeKind {
  const char* step;
  std::function<void(Editor&)> make;
};

TEST(EditHistory, EveryChangeKindUndoesAndRedoesToTheSavedBytes) {
  const std::vector<ChangeKind> kinds = {
      {"放置元件", [](Editor& e) { e.Place(kKindKey, 36, 18); }},
      {"移动元件", [](Editor& e) { e.Drag(95, 50, 20, 10); }},
      // Selecting the element at the back brings it to the front: one step
      // with the drag that follows.
      {"移动元件", [](Editor& e) { e.Drag(5, 5, 9, 27); }},
      {"移动元件",  // the arrow keys: one step each
       [](Editor& e) {
         e.view.LeftButtonDown(ViewAt(95, 50));
         e.view.LeftButtonUp();
         e.view.ArrowKey(0, -4);
       }},
      {"删除元件",
       [](Editor& e) {
         e.view.LeftButtonDown(ViewAt(95, 50));
         e.view.LeftButtonUp();
         e.view.DeleteKey();
       }},
      {"删除画面",
       [](Editor& e) {
         e.view.ScreenListClick(1);  // nothing selected: Delete takes the screen
         e.view.DeleteKey();
       }},
      {"新建画面",
       [](Editor& e) {
         e.project.NewScreen(3, "new");
         e.history.Commit("新建画面");
       }},
      {"复制画面",
       [](Editor& e) {
         e.project.CopyScreen(2);
         e.history.Commit("复制画面");
       }},
      {"复制画面",
       [](Editor& e) {
         e.project.CopyScreen(9);  // over an existing screen, after the question
         e.history.Commit("复制画面");
       }},
      {"修改属性",
       [](Editor& e) {
         CBase* head = e.project.CurrentScreen()->Head();
         head->m_addr = 1234;
         head->m_station = 7;
         e.history.Commit("修改属性");
       }},
      {"修改属性",
       [](Editor& e) {
         e.project.CurrentScreen()->m_description = "改";
         e.history.Commit("修改属性");
       }},
      {"设置Tavo",
       [](Editor& e) {
         e.project.m_settings.m_password = 4321;
         e.project.m_settings.m_startScreen = 9;
         e.history.Commit("设置Tavo");
       }},
      {"报警列表",
       [](Editor& e) {
         e.project.m_alarmList.SetText(3, "过热");
         e.history.Commit("报警列表");
       }},
      {"PLC选择",
       [](Editor& e) {
         SetCurrentProtocol(20);
         e.project.ApplyProtocol(20);
         e.history.Commit("PLC选择");
       }},
  };
  for (const ChangeKind& kind : kinds) {
    SCOPED_TRACE(kind.step);
    Editor e;
    const auto before = e.Bytes();
    const auto profileBefore = CurrentProfile().m_wordTypes;
    kind.make(e);
    const auto after = e.Bytes();
    ASSERT_NE(after, before);
    ASSERT_EQ(e.history.UndoName(), kind.step);
    EXPECT_TRUE(e.project.IsModified());
    EXPECT_FALSE(e.history.IsClean());

    ASSERT_TRUE(e.history.Undo());
    EXPECT_EQ(e.Bytes(), before);
    EXPECT_EQ(CurrentProfile().m_wordTypes, profileBefore);
    EXPECT_FALSE(e.project.IsModified());  // back at the state opened
    EXPECT_EQ(e.history.RedoName(), kind.step);

    ASSERT_TRUE(e.history.Redo());
    EXPECT_EQ(e.Bytes(), after);
    EXPECT_TRUE(e.project.IsModified());
    EXPECT_FALSE(e.history.CanRedo());
    SetCurrentProtocol(1);
  }
}

TEST(EditHistory, SelectionAloneIsAStepOnlyWhenUndone) {
  Editor e;
  const auto before = e.Bytes();
  // A click on the light (drawn under nothing) and one on the text at the back.
  e.view.LeftButtonDown(ViewAt(5, 5));
  e.view.LeftButtonUp();
  EXPECT_EQ(e.history.StepCount(), 0u);
  EXPECT_FALSE(e.project.IsModified());  // selecting is no edit to offer saving
  EXPECT_TRUE(e.history.HasPending());
  EXPECT_EQ(e.history.UndoName(), "选择元件");
  ASSERT_TRUE(e.history.Undo());
  EXPECT_EQ(e.Bytes(), before);
  // Switching screens is kept too (the file holds the current screen).
  e.view.ScreenListClick(2);
  EXPECT_EQ(e.history.UndoName(), "选择画面");
  ASSERT_TRUE(e.history.Undo());
  EXPECT_EQ(e.project.m_curScreen, 1);
  EXPECT_EQ(e.Bytes(), before);
}

TEST(EditHistory, ModifiedFollowsTheSavedPositionAndANewStepEndsRedo) {
  Editor e;
  e.Drag(95, 50, 20, 0);
  e.history.MarkClean();
  EXPECT_FALSE(e.project.IsModified());
  e.Drag(95 + 18, 50, 20, 0);
  EXPECT_TRUE(e.project.IsModified());
  e.history.Undo();
  EXPECT_FALSE(e.project.IsModified());
  e.history.Undo();
  EXPECT_TRUE(e.project.IsModified());  // before the saved state
  // A new step after going back: the saved state can no longer be reached.
  e.Place(kKindText, 0, 100);
  EXPECT_FALSE(e.history.CanRedo());
  e.history.Undo();
  EXPECT_TRUE(e.project.IsModified());
  // A press that moves nothing records nothing.
  const size_t steps = e.history.StepCount();
  e.Drag(95, 50, 4, 4);
  EXPECT_EQ(e.history.StepCount(), steps);
}

TEST(EditHistory, OldestStepsGoPastTheLimit) {
  Editor e(3);
  for (int i = 0; i < 5; ++i) e.Drag(95 + 9 * i, 50, 9, 0);
  EXPECT_EQ(e.history.StepCount(), 3u);
  int undone = 0;
  while (e.history.Undo()) ++undone;
  EXPECT_EQ(undone, 3);
  EXPECT_TRUE(e.project.IsModified());  // the opened state was dropped
}

// Thousands of random edits of every kind, with some undos and redos among
// them; then every step undone gives the first bytes, every step redone the
// last ones.
TEST(EditHistory, RandomSequenceUndoesToTheStartAndRedoesToTheEnd) {
  for (uint32_t seed : {1u, 2u, 3u}) {
    SCOPED_TRACE(seed);
    Editor e(100000);
    std::mt19937 rng(seed);
    test::ProjectGenerator gen(seed);
    auto below = [&](int n) { return static_cast<int>(rng() % static_cast<uint32_t>(n)); };
    const auto start = e.Bytes();
    for (int i = 0; i < 3000; ++i) {
      Project& p = e.project;
      switch (below(15)) {
        case 0:
          e.Place(static_cast<uint8_t>(1 + below(4) * 2), 9 * below(40), 9 * below(14));
          break;
        case 1:
        case 2:
          e.Drag(below(432), below(144), below(100) - 50, below(60) - 30);
          break;
        case 3:
          e.view.LeftButtonDown(ViewAt(below(432), below(144)));
          e.view.LeftButtonUp();
          if (below(3) == 0) e.view.DeleteKey();
          break;
        case 4:
          p.NewScreen(static_cast<uint16_t>(1 + below(30)), "s");
          e.history.Commit("新建画面");
          break;
        case 5:
          p.CopyScreen(static_cast<uint16_t>(1 + below(30)));
          e.history.Commit("复制画面");
          break;
        case 6:
          e.view.ScreenListClick(static_cast<size_t>(below(static_cast<int>(p.ScreenCount()))));
          break;
        case 7:
          if (CBase* head = p.CurrentScreen()->Head()) {
            if (head->m_kind != kKindPicture) VisitElementFields(*head, gen);
            e.history.Commit("修改属性");
          }
          break;
        case 8:
          p.m_settings.m_password = static_cast<uint16_t>(below(10000));
          p.m_settings.m_saverDelay = static_cast<uint8_t>(below(11));
          e.history.Commit("设置Tavo");
          break;
        case 9:
          p.m_alarmList.SetText(static_cast<size_t>(below(8)), below(2) ? "报警" : "");
          e.history.Commit("报警列表");
          break;
        case 10: {
          const uint8_t protocol = static_cast<uint8_t>(1 + below(kProtocolCount));
          SetCurrentProtocol(protocol);
          p.ApplyProtocol(protocol);
          e.history.Commit("PLC选择");
          break;
        }
        case 11:
          e.history.Undo();
          break;
        case 12:
          e.history.Redo();
          break;
        case 13: {
          const int step = below(2) ? 1 : 4;
          const int dir = below(4);
          e.view.ArrowKey(dir == 0   ? -step
                          : dir == 1 ? step
                                     : 0,
                          dir == 2   ? -step
                          : dir == 3 ? step
                                     : 0);
          break;
        }
        default:
          if (below(20) == 0) e.view.DeleteKey();  // deletes the screen after asking
          break;
      }
    }
    e.history.Commit("选择元件");  // what is pending, as Undo would take it
    const auto end = e.Bytes();
    const uint8_t endProtocol = CurrentProtocol();
    const size_t steps = e.history.Position();
    EXPECT_GT(steps, 1000u);
    while (e.history.Undo()) {
    }
    EXPECT_EQ(e.Bytes(), start);
    EXPECT_FALSE(e.project.IsModified());
    for (size_t i = 0; i < steps; ++i) ASSERT_TRUE(e.history.Redo());
    EXPECT_EQ(e.Bytes(), end);
    EXPECT_EQ(CurrentProtocol(), endProtocol);
    SetCurrentProtocol(1);
  }
}

}  // namespace
}  // namespace tavo
