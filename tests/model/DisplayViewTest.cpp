#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "elements/Chars.h"
#include "elements/UpLoadPic.h"
#include "model/DisplayView.h"
#include "model/EditHistory.h"
#include "model/PageHooks.h"
#include "render/TestBmp.h"
#include "support/ScriptedPrompter.h"

namespace tavo {
namespace {

// View position of a display point.
Point V(int x, int y) {
  return {kViewDisplayArea.left + x, kViewDisplayArea.top + y};
}

struct RecordingHooks : PageHooks {
  int screenPages = 0;
  void ShowScreenPage() override { ++screenPages; }
};

class DisplayViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetPageHooks(&hooks);
    project.AddScreen(1, "");
    view.SetProject(&project);
    view.onRepaint = [this](const Rect& r) { repaints.push_back(r); };
  }
  void TearDown() override { SetPageHooks(nullptr); }

  // Places an element of `kind` with the mouse at display point (x, y).
  CBase* Place(uint8_t kind, int x, int y) {
    view.StartInsertion(kind);
    view.MouseMove(V(x, y));
    view.LeftButtonDown(V(x, y));
    view.LeftButtonUp();
    return project.CurrentScreen()->Head();
  }
  int GreyPixels() {
    Canvas c = view.Paint();
    int n = 0;
    for (Color p : c.Pixels()) n += p == kOutlineGrey;
    return n;
  }

  test::ScriptedPrompter prompter;
  RecordingHooks hooks;
  Project project;
  DisplayView view;
  std::vector<Rect> repaints;
};

TEST_F(DisplayViewTest, ToolClickedTwiceLeavesNoInsertionAndNoOutline) {
  view.StartInsertion(kKindLight);
  EXPECT_EQ(view.m_markRect, (Rect{0, 0, 36, 36}));
  EXPECT_GT(GreyPixels(), 0);
  view.StartInsertion(kKindLight);
  EXPECT_EQ(view.m_insertKind, -1);
  EXPECT_EQ(GreyPixels(), 0);
  // Another tool while one is pending replaces it, with its own outline.
  view.StartInsertion(kKindText);
  view.StartInsertion(kKindTrend);
  EXPECT_EQ(view.m_insertKind, kKindTrend);
  EXPECT_EQ(view.m_markRect, (Rect{0, 0, 216, 108}));
  view.RightButtonDown();
  EXPECT_EQ(view.m_insertKind, -1);
}

TEST(DisplayViewNoProject, CommandsAndClicksDoNothingWithoutAProject) {
  DisplayView view;
  EXPECT_FALSE(view.InsertEnabled());
  view.StartInsertion(kKindLight);
  EXPECT_EQ(view.m_insertKind, -1);
  view.LeftButtonDown(V(5, 5));
  view.DeleteKey();
  Canvas c(432, 144, kBlack);
  EXPECT_FALSE(view.PaintDisplay(c));
  EXPECT_EQ(c.Pixel(17, 17), kBlack);
}

TEST_F(DisplayViewTest, OutlineFollowsTheMouseOnTheNinePixelGridInsideTheDisplay) {
  struct Case {
    uint8_t kind;
    Point at;  // display point
    Rect expect;
  };
  const Case cases[] = {
      {kKindLight, {50, 30}, {45, 27, 81, 63}},
      {kKindLight, {8, 8}, {0, 0, 36, 36}},
      {kKindLight, {430, 140}, {395, 107, 431, 143}},  // pulled back at right and bottom
      {kKindText, {400, 10}, {323, 9, 431, 45}},
      {kKindTrend, {220, 36}, {216, 36, 432, 144}},  // ends on the edge: not pulled back
  };
  for (const auto& c : cases) {
    view.StartInsertion(c.kind);
    view.MouseMove(V(c.at.x, c.at.y));
    EXPECT_EQ(view.m_markRect, c.expect) << c.at.x << "," << c.at.y;
    view.MouseMove({kViewDisplayArea.right + 5, 60});  // outside: stays
    EXPECT_EQ(view.m_markRect, c.expect);
    view.RightButtonDown();
  }
}

TEST_F(DisplayViewTest, PlacedLightLandsOnTheGridAndIsSelected) {
  project.SetModified(false);
  CBase* light = Place(kKindLight, 50, 30);
  ASSERT_NE(light, nullptr);
  EXPECT_EQ(light->m_rect, (Rect{45, 27, 81, 63}));
  EXPECT_EQ(light->m_x, 20);
  EXPECT_EQ(light->m_y, 12);
  EXPECT_TRUE(project.IsModified());
  EXPECT_EQ(view.m_insertKind, -1);
  EXPECT_EQ(view.m_selectMode, 0);
  // The selection frame: the element's rectangle less one at right and bottom.
  const Canvas c = view.Paint();
  EXPECT_EQ(view.m_markRect, (Rect{45, 27, 80, 62}));
  EXPECT_EQ(c.Pixel(45, 27), kOutlineGrey);
  EXPECT_EQ(c.Pixel(80, 62), kOutlineGrey);  // the element's last row and column
  EXPECT_NE(c.Pixel(81, 62), kOutlineGrey);
}

TEST_F(DisplayViewTest, DragMovesInWholeStepsOfFourPanelPixels) {
  // Press on a placed light at display (50, 40) and move by growing amounts.
  Place(kKindLight, 50, 30);
  view.LeftButtonDown(V(50, 40));
  CBase* light = project.CurrentScreen()->Head();
  project.SetModified(false);
  struct Step {
    int mouseX;
    int expectX;     // panel
    int expectLeft;  // display
    bool modified;
  };
  const Step steps[] = {
      {58, 20, 45, false},  // 8 pixels: nothing
      {67, 24, 54, true},   // 17: one step, 8 pixels left pending
      {68, 28, 63, true},   // one more pixel completes the next step
      {32, 12, 27, true},   // back by 36: four steps
  };
  for (const auto& s : steps) {
    view.MouseMove(V(s.mouseX, 40));
    EXPECT_EQ(light->m_x, s.expectX) << s.mouseX;
    EXPECT_EQ(light->m_rect.left, s.expectLeft) << s.mouseX;
    EXPECT_EQ(project.IsModified(), s.modified) << s.mouseX;
    EXPECT_TRUE(view.HandCursor());
  }
  EXPECT_EQ(view.m_lastPoint.x, V(32, 40).x);
  view.LeftButtonUp();
  view.MouseMove(V(140, 40));
  EXPECT_EQ(light->m_x, 12);
  EXPECT_FALSE(view.HandCursor());
}

TEST_F(DisplayViewTest, DragPastTheEdgesStopsOnTheDisplay) {
  Place(kKindLight, 360, 90);
  CBase* light = project.CurrentScreen()->Head();
  view.LeftButtonDown(V(370, 100));
  view.MouseMove(V(370 + 90, 100 + 90));
  EXPECT_EQ(light->m_rect.right, 432);
  EXPECT_EQ(light->m_rect.bottom, 144);
  EXPECT_EQ(light->m_x, EditorToPanel(432 - 36));
  view.MouseMove(V(-500, -500));
  EXPECT_EQ(light->m_rect, (Rect{0, 0, 36, 36}));
  EXPECT_EQ(light->m_x + light->m_y, 0);
  // The repainted areas cover old and new places, grown by one pixel.
  ASSERT_FALSE(repaints.empty());
  EXPECT_EQ(repaints.back().left, -1);
  EXPECT_GE(repaints.back().right, 433);
}

TEST_F(DisplayViewTest, ClickOnOverlapSelectsTheTopmostAndBringsItToTheFront) {
  CBase* first = Place(kKindLight, 0, 0);    // (0,0)-(36,36)
  CBase* second = Place(kKindLight, 18, 0);  // (18,0)-(54,36), on top
  ASSERT_EQ(project.CurrentScreen()->Head(), second);
  view.LeftButtonDown(V(25, 10));  // both contain it
  view.LeftButtonUp();
  EXPECT_EQ(project.CurrentScreen()->Head(), second);
  view.LeftButtonDown(V(5, 10));  // only the first
  view.LeftButtonUp();
  EXPECT_EQ(project.CurrentScreen()->Head(), first);
  EXPECT_EQ(project.CurrentScreen()->m_elements[1].get(), second);
  EXPECT_EQ(view.m_selectMode, 0);
  // Now on top, the first light wins the overlap.
  view.LeftButtonDown(V(25, 10));
  EXPECT_EQ(project.CurrentScreen()->Head(), first);
  // A miss selects nothing and shows the screen's page.
  const int before = hooks.screenPages;
  view.LeftButtonDown(V(300, 100));
  EXPECT_EQ(view.m_selectMode, 1);
  EXPECT_EQ(view.m_dragging, 0);
  EXPECT_EQ(hooks.screenPages, before + 1);
  EXPECT_EQ(GreyPixels(), 0);
  // A press outside the display only remembers the point.
  view.LeftButtonDown({5, 5});
  EXPECT_EQ(view.m_lastPoint.x, 5);
}

TEST_F(DisplayViewTest, DeleteRemovesTheSelectedElementOrElseTheScreen) {
  Place(kKindLight, 0, 0);
  CBase* key = Place(kKindKey, 90, 0);
  ASSERT_EQ(project.CurrentScreen()->ElementCount(), 2u);
  project.SetModified(false);
  view.DeleteKey();
  EXPECT_EQ(project.CurrentScreen()->ElementCount(), 1u);
  EXPECT_NE(project.CurrentScreen()->Head(), key);
  EXPECT_EQ(view.m_selectMode, 1);
  EXPECT_TRUE(project.IsModified());
  EXPECT_TRUE(prompter.said.empty());
  // Nothing selected: the screen goes, after the question.
  project.AddScreen(2, "");
  project.SelectScreen(0);
  view.DeleteKey();
  ASSERT_EQ(prompter.said.size(), 1u);
  EXPECT_EQ(prompter.said[0].text, "确实要删除1号画面吗?");
  EXPECT_EQ(project.ScreenCount(), 1u);
  EXPECT_EQ(project.CurrentScreen()->m_number, 2);
}

TEST_F(DisplayViewTest, ScreenListClicksChangeTheCurrentScreen) {
  Place(kKindLight, 0, 0);
  project.AddScreen(5, "");  // becomes current, nothing selected
  EXPECT_EQ(GreyPixels(), 0);
  EXPECT_TRUE(view.ScreenListClick(0));
  EXPECT_EQ(project.m_curScreen, 0);
  EXPECT_EQ(view.m_selectMode, 1);
  EXPECT_FALSE(view.ScreenListClick(2));
  EXPECT_EQ(project.m_curScreen, 0);
}

TEST_F(DisplayViewTest, ArrowKeysMoveTheSelectionByAStepOrAPixelAndStopAtTheEdges) {
  Place(kKindLight, 50, 30);  // panel (20, 12)
  EditHistory history(project);
  view.m_history = &history;
  project.SetModified(false);
  auto light = [&] { return project.CurrentScreen()->Head(); };
  struct Key {
    int dx, dy;
    int expectX, expectY;
    bool step;  // recorded as a step of its own
  };
  const Key keys[] = {
      {4, 0, 24, 12, true},    // a grid step: 9 display pixels
      {0, 1, 24, 13, true},    // Shift: one panel pixel, off the grid
      {-1, 0, 23, 13, true},   //
      {0, -4, 23, 9, true},    //
      {0, -4, 23, 5, true},    //
      {0, -4, 23, 1, true},    //
      {0, -4, 23, 0, true},    // stops on the top edge
      {0, -4, 23, 0, false},   // nothing left to move: no step
      {160, 0, 176, 0, true},  // 192 - 36 / 2.25: the right edge
      {4, 0, 176, 0, false},
  };
  size_t steps = 0;
  for (const Key& k : keys) {
    EXPECT_TRUE(view.ArrowKey(k.dx, k.dy));
    EXPECT_EQ(light()->m_x, k.expectX) << k.dx << "," << k.dy;
    EXPECT_EQ(light()->m_y, k.expectY) << k.dx << "," << k.dy;
    EXPECT_EQ(light()->m_rect.left, PanelToEditor(k.expectX));
    steps += k.step;
    EXPECT_EQ(history.StepCount(), steps) << k.dx << "," << k.dy;
  }
  EXPECT_EQ(light()->m_rect.right, 432);
  EXPECT_TRUE(project.IsModified());
  EXPECT_EQ(history.UndoName(), "移动元件");
  history.Undo();
  EXPECT_EQ(light()->m_x, 23);
  view.SetProject(&project);  // the selection ends with the rebuilt screen

  // An element a file put beyond the right edge is not pushed further out,
  // but comes back in.
  view.LeftButtonDown(V(60, 5));
  view.LeftButtonUp();
  ASSERT_EQ(view.m_selectMode, 0);
  light()->m_x = 190;
  light()->PlaceAtStoredPosition();
  view.ArrowKey(4, 0);
  EXPECT_EQ(light()->m_x, 190);
  view.ArrowKey(-1, 0);
  EXPECT_EQ(light()->m_x, 189);
  // Without a selection the keys are not the display's.
  view.LeftButtonDown(V(10, 130));
  view.LeftButtonUp();
  const size_t before = history.StepCount();
  EXPECT_FALSE(view.ArrowKey(4, 0));
  EXPECT_EQ(light()->m_x, 189);
  EXPECT_EQ(history.StepCount(), before);
}

TEST_F(DisplayViewTest, SelectionOutlineShowsOverALitInverseElement) {
  auto* text = static_cast<CChars*>(Place(kKindText, 45, 27));
  text->m_text = "    ";  // four blanks: inverse, the whole rectangle is lit
  text->m_inverse = 1;
  text->PlaceAtStoredPosition();
  const Canvas c = view.Paint();
  // The outline runs along the element's last row and column, on lit pixels.
  EXPECT_EQ(c.Pixel(45, 27), kOutlineDarkGrey);
  EXPECT_EQ(c.Pixel(45 + 71, 27 + 35), kOutlineDarkGrey);
  int light = 0, dark = 0;
  for (Color p : c.Pixels()) {
    light += p == kOutlineGrey;
    dark += p == kOutlineDarkGrey;
  }
  EXPECT_EQ(light, 0);
  EXPECT_EQ(dark, 71 + 35);  // every second pixel of the closed path
}

class PictureInsertionTest : public DisplayViewTest {
 protected:
  std::string WriteBitmap(int w, int h, const std::string& name) {
    const std::string path = ::testing::TempDir() + name;
    std::vector<Color> px(static_cast<size_t>(w) * h, kBlack);
    for (int x = 0; x < w; ++x) px[x] = kDisplayLit;  // top row bright
    WriteTestBmp(path, w, h, px, 24, false);
    return path;
  }
};

TEST_F(PictureInsertionTest, ChosenBitmapIsPlacedWithItsBits) {
  const std::string path = WriteBitmap(196, 64, "wide.bmp");
  view.StartPictureInsertion([&] { return std::optional<std::string>(path); });
  ASSERT_EQ(view.m_insertKind, kKindPicture);
  EXPECT_EQ(view.m_markRect, (Rect{0, 0, 490, 160}));
  EXPECT_TRUE(prompter.said.empty());
  view.MouseMove(V(0, 0));
  view.LeftButtonDown(V(0, 0));
  auto* pic = dynamic_cast<CUpLoadPic*>(project.CurrentScreen()->Head());
  ASSERT_NE(pic, nullptr);
  EXPECT_EQ(pic->Width(), 196);
  EXPECT_EQ(pic->Height(), 64);
  EXPECT_EQ(pic->m_captured, 1);
  EXPECT_TRUE(pic->Pixel(0, 0));
  EXPECT_FALSE(pic->Pixel(0, 1));
  EXPECT_FALSE(view.m_pendingBitmap.has_value());
  EXPECT_FALSE(TakeBitmapToPlace().has_value());
  std::remove(path.c_str());
}

TEST_F(PictureInsertionTest, RefusedOrCancelledChoicesLeaveNothingPending) {
  struct Case {
    std::optional<std::string> path;
    const char* message;  // nullptr: none
  };
  const std::string tooWide = WriteBitmap(197, 64, "toowide.bmp");
  const std::string tooHigh = WriteBitmap(196, 65, "toohigh.bmp");
  const std::string text = ::testing::TempDir() + "notabitmap.bmp";
  std::ofstream(text) << "hello";
  const Case cases[] = {
      {std::nullopt, nullptr},
      {tooWide, "位图尺寸太大!!!"},
      {tooHigh, "位图尺寸太大!!!"},
      {text, "打开位图出错!!!"},
      {::testing::TempDir() + "missing.bmp", "打开位图出错!!!"},
  };
  for (const auto& c : cases) {
    prompter.said.clear();
    view.StartInsertion(kKindLight);
    view.StartPictureInsertion([&] { return c.path; });
    EXPECT_EQ(view.m_insertKind, -1);
    EXPECT_FALSE(view.m_pendingBitmap.has_value());
    if (c.message) {
      ASSERT_EQ(prompter.said.size(), 1u);
      EXPECT_EQ(prompter.said[0].text, c.message);
      EXPECT_EQ(prompter.said[0].caption, "打开位图");
    } else {
      EXPECT_TRUE(prompter.said.empty());
    }
  }
  // Choosing the picture tool again while a picture is pending cancels it
  // without asking for a file.
  const std::string ok = WriteBitmap(10, 10, "small.bmp");
  view.StartPictureInsertion([&] { return std::optional<std::string>(ok); });
  EXPECT_EQ(view.m_markRect, (Rect{0, 0, 25, 25}));
  bool asked = false;
  view.StartPictureInsertion([&] {
    asked = true;
    return std::optional<std::string>(ok);
  });
  EXPECT_FALSE(asked);
  EXPECT_EQ(view.m_insertKind, -1);
  for (auto& p : {tooWide, tooHigh, text, ok}) std::remove(p.c_str());
}

}  // namespace
}  // namespace tavo
