// Undo and redo in the editor's window: the edit menu naming the step, one
// step per property-page control, the modified mark following the history.
#include <QFile>
#include <QKeyEvent>
#include <QMenuBar>
#include <QTableWidget>

#include "EditorFixture.h"
#include "app/DisplayWidget.h"
#include "app/pages/PageArea.h"
#include "app/pages/PageWidgets.h"
#include "app/pages/SettingsDialogs.h"
#include "model/ProjectFile.h"
#include "plc/Protocol.h"

namespace tavo::test {
namespace {

using namespace tavo::app;

class UndoCommandsTest : public ActiveEditorTest {
 protected:
  std::vector<uint8_t> Bytes() { return WriteProjectBytes(Proj(), CurrentProtocol()); }
  QString UndoText() { return frame->Action(kCmdUndo)->text(); }
  // A press, a move and a release on the view, at display coordinates.
  void Drag(QPoint from, QPoint to) {
    const QPoint origin(260, 40);
    QMouseEvent press(QEvent::MouseButtonPress, from + origin, from + origin, Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&View(), &press);
    QMouseEvent move(QEvent::MouseMove, to + origin, to + origin, Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&View(), &move);
    QMouseEvent release(QEvent::MouseButtonRelease, to + origin, to + origin, Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&View(), &release);
  }
  void Place(int command, QPoint at) {
    frame->Execute(command);
    Drag(at, at);
  }
  static void Keys(QWidget* w, const QString& text) {
    for (QChar c : text) {
      QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
      QApplication::sendEvent(w, &press);
    }
  }
  template <class W>
  W* OnPage(const char* id) {
    return View().Properties()->Current()->findChild<W*>(QString::fromLatin1(id));
  }
};

TEST_F(UndoCommandsTest, EditMenuNamesTheStepAndUndoRestoresTheDisplay) {
  QStringList menus;
  for (QAction* a : frame->menuBar()->actions()) menus << a->text();
  ASSERT_GE(menus.size(), 2);
  EXPECT_EQ(menus[0], QStringLiteral("文件(&F)"));
  EXPECT_EQ(menus[1], QStringLiteral("编辑(&E)"));
  EXPECT_FALSE(frame->IsCommandEnabled(kCmdUndo));

  const auto opened = Bytes();
  const QImage empty = View().Display()->Snapshot();
  Place(kCmdLight, QPoint(10, 10));
  EXPECT_EQ(UndoText(), QStringLiteral("撤销 放置元件(&U)"));
  const auto placed = Bytes();
  Drag(QPoint(12, 12), QPoint(12 + 36, 12 + 18));
  EXPECT_EQ(UndoText(), QStringLiteral("撤销 移动元件(&U)"));
  EXPECT_EQ(Proj().CurrentScreen()->Head()->m_x, 16);
  EXPECT_TRUE(frame->isWindowModified());

  frame->Execute(kCmdUndo);
  EXPECT_EQ(Bytes(), placed);
  EXPECT_EQ(frame->Action(kCmdRedo)->text(), QStringLiteral("重做 移动元件(&R)"));
  frame->Execute(kCmdUndo);
  EXPECT_EQ(Bytes(), opened);
  EXPECT_EQ(View().Display()->Snapshot(), empty);
  EXPECT_FALSE(frame->isWindowModified());  // back at the state created: nothing to save
  EXPECT_FALSE(Proj().IsModified());
  frame->Execute(kCmdRedo);
  frame->Execute(kCmdRedo);
  EXPECT_EQ(Proj().CurrentScreen()->Head()->m_x, 16);
  EXPECT_EQ(View().Properties()->ShownPage(), QStringLiteral("指示灯属性"));
}

TEST_F(UndoCommandsTest, TypingInOneBoxIsOneStepAndLeavingItEndsTheStep) {
  Place(kCmdText, QPoint(0, 0));
  auto* text = OnPage<CBindEdit>("c1086");
  auto* x = OnPage<CNumEdit>("c1087");
  ASSERT_TRUE(text && x);
  text->setFocus();
  text->selectAll();
  Keys(text, QStringLiteral("ABC"));
  EXPECT_EQ(UndoText(), QStringLiteral("撤销 修改文本属性(&U)"));
  const auto typed = Bytes();
  x->setFocus();  // another control: a new step
  x->selectAll();
  Keys(x, QStringLiteral("40"));
  QApplication::processEvents();
  EXPECT_EQ(Proj().CurrentScreen()->Head()->m_x, 40);

  frame->Execute(kCmdUndo);  // the X edit, though the box still has the focus
  EXPECT_EQ(Bytes(), typed);
  EXPECT_EQ(x->text(), QStringLiteral("0"));  // the page shows the restored element
  frame->Execute(kCmdUndo);                   // all three letters at once
  EXPECT_EQ(Proj().CurrentScreen()->Head()->m_kind, kKindText);
  EXPECT_EQ(OnPage<CBindEdit>("c1086")->text(), QStringLiteral("文字串"));
  frame->Execute(kCmdUndo);
  EXPECT_EQ(Proj().CurrentScreen()->ElementCount(), 0u);
}

TEST_F(UndoCommandsTest, ScreenDeletionAndSavingFollowTheHistory) {
  Place(kCmdLight, QPoint(10, 10));
  const QString path = dir.filePath("undo.orx");
  prompter.savePaths.push_back(path.toStdString());
  frame->Execute(kCmdSave);
  EXPECT_FALSE(frame->isWindowModified());
  const auto saved = Bytes();

  View().ScreenList()->setFocus();
  Proj().SelectNothing();
  View().DeleteKey();  // asks, then deletes screen 1 (screen 1 comes back empty)
  EXPECT_EQ(Proj().CurrentScreen()->ElementCount(), 0u);
  EXPECT_TRUE(frame->isWindowModified());
  EXPECT_EQ(UndoText(), QStringLiteral("撤销 删除画面(&U)"));
  frame->Execute(kCmdUndo);
  EXPECT_EQ(Bytes(), saved);
  EXPECT_FALSE(frame->isWindowModified());
  EXPECT_EQ(View().ScreenList()->rowCount(), 1);
  // Nothing to save: closing asks nothing.
  const size_t asked = prompter.said.size();
  EXPECT_TRUE(View().SaveModified());
  EXPECT_EQ(prompter.said.size(), asked);
}

// A project just opened or created has nothing to undo, and a dialog
// cancelled over it changes nothing: the protocol's driver position the
// opening settles is no step.
TEST_F(UndoCommandsTest, AnOpenedProjectHasNoStepsAndACancelledDialogLeavesIt) {
  for (const char* name : {"all-elements.orx", "ktc-variables.orx"}) {
    SCOPED_TRACE(name);
    // A copy: a failing check must not let a save question write the example.
    const QString path = dir.filePath(QString::fromLatin1(name));
    ASSERT_TRUE(QFile::copy(QStringLiteral(TAVO_SOURCE_DIR "/examples/") + name, path));
    ASSERT_EQ(frame->OpenDocumentFile(path), OpenResult::Opened);
    EXPECT_FALSE(frame->Action(kCmdUndo)->isEnabled());
    OnNextDialog<PanelSettingsDialog>([](PanelSettingsDialog* d) { d->reject(); });
    frame->Execute(kCmdSettings);
    EXPECT_FALSE(frame->isWindowModified());
    EXPECT_FALSE(frame->Action(kCmdUndo)->isEnabled());
  }
  frame->Execute(kCmdNewProject);
  EXPECT_FALSE(frame->Action(kCmdUndo)->isEnabled());
}

}  // namespace
}  // namespace tavo::test
