// The keyboard on the editor's view as a user meets it: the arrows move a
// selected element as undo steps or else walk the screen list, and the
// download's Ctrl flag follows the key.
#include <QMouseEvent>
#include <QTableWidget>

#include "EditorFixture.h"
#include "app/AboutDialog.h"
#include "app/pages/PageArea.h"
#include "app/pages/PageWidgets.h"
#include "pages/NumberBox.h"

namespace tavo::test {
namespace {

using namespace tavo::app;

class ViewKeyboardTest : public ActiveEditorTest {
 protected:
  QTableWidget* List() { return View().ScreenList(); }
  // The mouse moved to a point of the display and clicked there.
  void Click(QPoint at) {
    const QPoint p = at + QPoint(260, 40);
    QMouseEvent move(QEvent::MouseMove, p, p, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&View(), &move);
    QMouseEvent press(QEvent::MouseButtonPress, p, p, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&View(), &press);
    QMouseEvent release(QEvent::MouseButtonRelease, p, p, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(&View(), &release);
  }
  // The key goes where the user's key would: to the widget with the focus.
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
  }
  CBase* Front() { return Proj().CurrentScreen()->Head(); }
  QString UndoText() { return frame->Action(kCmdUndo)->text(); }
};

TEST_F(ViewKeyboardTest, ArrowsMoveTheSelectedElementAsStepsAndDeleteThenTakesTheElement) {
  Proj().AddScreen(2, "");
  Proj().SelectScreen(0);
  View().RefreshScreenList();
  frame->Execute(kCmdLight);
  Click(QPoint(10, 10));  // placed at panel (4, 4), selected
  ASSERT_EQ(QApplication::focusWidget(), List());

  Key(Qt::Key_Right);
  EXPECT_EQ(Front()->m_x, 8);
  EXPECT_EQ(Proj().m_curScreen, 0);  // the list did not move
  EXPECT_EQ(UndoText(), QStringLiteral("撤销 移动元件(&U)"));
  EXPECT_TRUE(frame->isWindowModified());
  auto* x = View().Properties()->Current()->findChild<CNumEdit*>(QStringLiteral("c1087"));
  ASSERT_NE(x, nullptr);
  EXPECT_EQ(x->text(), QStringLiteral("8"));
  Key(Qt::Key_Down, Qt::ShiftModifier);
  EXPECT_EQ(Front()->m_y, 5);
  Key(Qt::Key_Left);
  Key(Qt::Key_Left);
  Key(Qt::Key_Left);  // on the edge already
  EXPECT_EQ(Front()->m_x, 0);
  EXPECT_EQ(x->text(), QStringLiteral("0"));
  // One step per key that moved.
  frame->Execute(kCmdUndo);
  EXPECT_EQ(Front()->m_x, 4);
  frame->Execute(kCmdUndo);
  frame->Execute(kCmdUndo);
  EXPECT_EQ(Front()->m_x, 8);
  EXPECT_EQ(Front()->m_y, 4);
  EXPECT_EQ(x->text(), QStringLiteral("8"));
  frame->Execute(kCmdUndo);
  EXPECT_EQ(Front()->m_x, 4);
  EXPECT_EQ(UndoText(), QStringLiteral("撤销 放置元件(&U)"));
  frame->Execute(kCmdRedo);

  // After the undo the element is still the selection: Delete takes it, not
  // the screen, and asks nothing.
  List()->setFocus();
  const size_t asked = prompter.said.size();
  Key(Qt::Key_Delete);
  EXPECT_EQ(Proj().CurrentScreen()->ElementCount(), 0u);
  EXPECT_EQ(Proj().ScreenCount(), 2u);
  EXPECT_EQ(prompter.said.size(), asked);
  // Nothing selected: the arrows walk the screen list again.
  Key(Qt::Key_Down);
  EXPECT_EQ(Proj().m_curScreen, 1);
  EXPECT_EQ(List()->currentRow(), 1);
}

TEST_F(ViewKeyboardTest, CtrlLetGoOfInADialogDoesNotStayDownForTheDownload) {
  List()->setFocus();
  QTest::keyPress(List(), Qt::Key_Control);
  EXPECT_TRUE(View().Controller().ControlDown());
  // The key is released while the dialog has the keyboard: the view never
  // hears of it.
  OnNextDialog<AboutDialog>([](AboutDialog* d) { d->reject(); });
  frame->Execute(kCmdAbout);
  EXPECT_FALSE(View().Controller().ControlDown());
  // Held and released in the view, the flag follows the key as before.
  QTest::keyPress(List(), Qt::Key_Control);
  EXPECT_TRUE(View().Controller().ControlDown());
  QTest::keyRelease(List(), Qt::Key_Control);
  EXPECT_FALSE(View().Controller().ControlDown());
}

}  // namespace
}  // namespace tavo::test
