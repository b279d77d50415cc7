// Copy, cut and paste of elements and screens in the editor's window.
#include <QClipboard>
#include <QMimeData>
#include <QTableWidget>

#include "EditorFixture.h"
#include "model/ClipboardForm.h"
#include "plc/Protocol.h"

namespace tavo::test {
namespace {

using namespace tavo::app;

class ClipboardCommandsTest : public EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    QGuiApplication::clipboard()->clear();
    NewProject();
    CBase* light = Proj().PlaceElement(kKindLight, {9, 9});
    light->m_addr = 321;
    View().Commit("放置元件");
    frame->UpdateCommands();
  }
  CMainView& Screen() { return *Proj().CurrentScreen(); }
};

TEST_F(ClipboardCommandsTest, CopyAndPasteTheSelectedElementBesideItself) {
  EXPECT_FALSE(frame->IsCommandEnabled(kCmdPaste));
  ASSERT_TRUE(frame->IsCommandEnabled(kCmdCopy));
  QWidget* list = View().ScreenList();
  list->setFocus();
  QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
  // Copying with Ctrl held: the download's Ctrl flag still follows the key.
  QTest::keyPress(list, Qt::Key_Control);
  frame->Execute(kCmdCopy);
  EXPECT_TRUE(View().Controller().ControlDown());
  QTest::keyRelease(list, Qt::Key_Control);
  EXPECT_FALSE(View().Controller().ControlDown());

  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  ASSERT_TRUE(data->hasFormat(QString::fromLatin1(kElementClipType)));
  EXPECT_TRUE(data->text().contains(QStringLiteral("\"CLight\"")));
  EXPECT_TRUE(frame->IsCommandEnabled(kCmdPaste));

  frame->Execute(kCmdPaste);
  ASSERT_EQ(Screen().ElementCount(), 2u);
  EXPECT_EQ(Screen().Head()->m_x, Screen().m_elements[1]->m_x + 4);
  EXPECT_EQ(Screen().Head()->m_addr, 321);
  EXPECT_EQ(frame->Action(kCmdUndo)->text(), QStringLiteral("撤销 粘贴元件(&U)"));
  frame->Execute(kCmdUndo);
  EXPECT_EQ(Screen().ElementCount(), 1u);
}

TEST_F(ClipboardCommandsTest, CutRemovesTheElementAndUndoBringsItBack) {
  frame->Execute(kCmdCut);
  EXPECT_EQ(Screen().ElementCount(), 0u);
  EXPECT_FALSE(frame->IsCommandEnabled(kCmdCopy));  // nothing selected now
  frame->Execute(kCmdUndo);
  ASSERT_EQ(Screen().ElementCount(), 1u);
  EXPECT_EQ(Screen().Head()->m_addr, 321);
  // Text that is no project pastes nothing and says so.
  QGuiApplication::clipboard()->setText(QStringLiteral("hello"));
  frame->Execute(kCmdPaste);
  EXPECT_EQ(Screen().ElementCount(), 1u);
  EXPECT_EQ(frame->PaneText(0), QStringLiteral("剪贴板中没有可以粘贴的工程内容"));
}

TEST_F(ClipboardCommandsTest, ScreenCopiedToTheClipboardPastesUnderTheNextFreeNumber) {
  frame->Execute(kCmdCopyScreenToClipboard);
  EXPECT_TRUE(
      QGuiApplication::clipboard()->mimeData()->hasFormat(QString::fromLatin1(kScreenClipType)));
  frame->Execute(kCmdPasteScreen);
  ASSERT_EQ(Proj().ScreenCount(), 2u);
  EXPECT_EQ(Screen().m_number, 2);
  EXPECT_EQ(Screen().ElementCount(), 1u);
  EXPECT_EQ(View().ScreenList()->rowCount(), 2);
  frame->Execute(kCmdUndo);
  EXPECT_EQ(Proj().ScreenCount(), 1u);
  EXPECT_EQ(View().ScreenList()->rowCount(), 1);
}

TEST_F(ClipboardCommandsTest, AnElementCopiedInOneEditorPastesIntoAnotherOfAnotherProtocol) {
  // The fixture's editor holds a protocol 1 project.
  ASSERT_EQ(CurrentProtocol(), 1);
  CBase* reg = Proj().PlaceElement(kKindRegister, {90, 54});
  reg->m_regType = 2;  // "D"
  reg->m_addr = 1234;
  reg->m_station = 3;
  View().Commit("放置元件");
  frame->Execute(kCmdCopy);
  const std::string copied = QGuiApplication::clipboard()->text().toStdString();

  // A second editor, as a second window would be, on a protocol 20 project
  // (its word types begin with "D").
  app::MainFrame second(settings.get());
  ASSERT_TRUE(second.Create(false));
  second.show();
  PlcChoice choice;
  choice.protocol = 20;
  choice.plcPos = 19;
  prompter.plcAnswers.push_back(choice);
  second.Execute(kCmdNewProject);
  ASSERT_EQ(CurrentProtocol(), 20);
  ASSERT_TRUE(second.IsCommandEnabled(kCmdPaste));
  second.Execute(kCmdPaste);
  CBase* pasted = second.CurrentProject().SelectedElement();
  ASSERT_NE(pasted, nullptr);
  EXPECT_EQ(pasted->m_kind, kKindRegister);
  EXPECT_EQ(pasted->m_regType, 0);  // "D" by name
  EXPECT_EQ(pasted->m_addr, 1234);
  EXPECT_EQ(pasted->m_station, 3);
  EXPECT_EQ(pasted->m_x, reg->m_x);  // nothing identical there: the same place
  EXPECT_TRUE(second.isWindowModified());
  EXPECT_EQ(second.Action(kCmdUndo)->text(), QStringLiteral("撤销 粘贴元件(&U)"));

  EXPECT_EQ(Screen().ElementCount(), 2u);  // the first project is as it was
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), copied);
}

}  // namespace
}  // namespace tavo::test
