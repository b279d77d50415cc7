#include <QAction>
#include <QTest>

#include "EditorFixture.h"
#include "app/DisplayWidget.h"
#include "app/pages/PageArea.h"
#include "render/Canvas.h"

namespace tavo::test {
namespace {

using namespace tavo::app;

// Mouse and keys on the main view reach the display controller in view
// pixels; the display widget shows its canvas.
class DisplayTest : public EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    NewProject();
  }
  // A point of the simulated display, in view pixels.
  static QPoint At(int x, int y) { return QPoint(260 + x, 40 + y); }
  void Click(QPoint at) { QTest::mouseClick(&View(), Qt::LeftButton, {}, at); }
  CMainView& Screen() { return *Proj().CurrentScreen(); }
};

TEST_F(DisplayTest, AnInsertionToolPlacesItsElementWhereTheOutlineWas) {
  QAction* light = frame->Action(kCmdLight);
  frame->Execute(kCmdLight);
  EXPECT_TRUE(light->isChecked());
  QTest::mouseMove(&View(), At(50, 30));
  Click(At(50, 30));
  EXPECT_FALSE(light->isChecked());
  ASSERT_EQ(Screen().ElementCount(), 1u);
  EXPECT_EQ(Screen().Head()->m_kind, kKindLight);
  EXPECT_EQ(Screen().Head()->m_x, 20);
  EXPECT_EQ(Screen().Head()->m_y, 12);
  EXPECT_TRUE(Proj().IsModified());
  EXPECT_EQ(View().Properties()->ShownPage(), QStringLiteral("指示灯属性"));

  // The widget shows the controller's canvas.
  const QImage shown = View().Display()->Snapshot();
  EXPECT_EQ(shown.size(), QSize(432, 144));
  EXPECT_EQ(shown, CanvasImage(View().Controller().Paint()));
}

TEST_F(DisplayTest, ToolsToggleAndARightClickEndsAPendingInsertion) {
  frame->Execute(kCmdText);
  frame->Execute(kCmdText);
  EXPECT_FALSE(frame->Action(kCmdText)->isChecked());
  frame->Execute(kCmdBar);
  frame->Execute(kCmdTrend);  // replaces the bar
  EXPECT_FALSE(frame->Action(kCmdBar)->isChecked());
  EXPECT_TRUE(frame->Action(kCmdTrend)->isChecked());
  QTest::mouseClick(&View(), Qt::RightButton, {}, At(5, 5));
  EXPECT_FALSE(frame->Action(kCmdTrend)->isChecked());
  Click(At(5, 5));
  EXPECT_EQ(Screen().ElementCount(), 0u);
}

TEST_F(DisplayTest, DraggingMovesInStepsOfFourPanelPixels) {
  frame->Execute(kCmdKey);
  Click(At(0, 0));
  ASSERT_EQ(Screen().ElementCount(), 1u);
  const int x0 = Screen().Head()->m_x;
  QTest::mousePress(&View(), Qt::LeftButton, {}, At(10, 10));
  QTest::mouseMove(&View(), At(18, 10));
  EXPECT_EQ(Screen().Head()->m_x, x0);
  QTest::mouseMove(&View(), At(19, 10));
  EXPECT_EQ(Screen().Head()->m_x, x0 + 4);
  QTest::mouseRelease(&View(), Qt::LeftButton, {}, At(19, 10));
  QTest::mouseMove(&View(), At(60, 10));
  EXPECT_EQ(Screen().Head()->m_x, x0 + 4);
}

TEST_F(DisplayTest, TheDeleteKeyDeletesTheSelectedElementThenTheScreen) {
  frame->Execute(kCmdLight);
  Click(At(0, 0));
  frame->Execute(kCmdText);
  Click(At(100, 60));
  ASSERT_EQ(Screen().ElementCount(), 2u);
  QTest::keyClick(&View(), Qt::Key_Delete);
  ASSERT_EQ(Screen().ElementCount(), 1u);
  EXPECT_EQ(Screen().Head()->m_kind, kKindLight);
  EXPECT_EQ(prompter.said.back().kind, "plc");  // nothing asked since the new project
  // Nothing is selected now: the key asks about the screen.
  prompter.answers = {Answer::Cancel};
  QTest::keyClick(&View(), Qt::Key_Delete);
  EXPECT_EQ(prompter.said.back().text, "确实要删除1号画面吗?");
  EXPECT_EQ(Screen().ElementCount(), 1u);
}

TEST_F(DisplayTest, ThePictureToolAsksForABitmapAndReportsARefusedOne) {
  frame->Choosers().bitmap = [] { return QString(); };
  frame->Execute(kCmdPicture);
  EXPECT_FALSE(frame->Action(kCmdPicture)->isChecked());

  const QString path = dir.filePath("not-a-bitmap.bmp");
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("BM not really");
  f.close();
  frame->Choosers().bitmap = [path] { return path; };
  frame->Execute(kCmdPicture);
  EXPECT_FALSE(frame->Action(kCmdPicture)->isChecked());
  ASSERT_FALSE(prompter.said.empty());
  EXPECT_EQ(prompter.said.back().text, "打开位图出错!!!");
  EXPECT_EQ(prompter.said.back().caption, "打开位图");
}

TEST_F(DisplayTest, ChoosingAnotherScreenShowsItsElements) {
  frame->Execute(kCmdLight);
  Click(At(0, 0));
  Proj().AddScreen(2, "");
  View().ProjectReplaced();
  EXPECT_EQ(Proj().m_curScreen, 1);
  const QImage empty = View().Display()->Snapshot();
  EXPECT_EQ(empty, CanvasImage(MakeDisplayBackground()));
}

}  // namespace
}  // namespace tavo::test
