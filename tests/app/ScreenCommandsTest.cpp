#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

#include "EditorFixture.h"
#include "app/ScreenDialogs.h"
#include "app/pages/PageArea.h"
#include "base/Gbk.h"

namespace tavo::test {
namespace {

using namespace tavo::app;

class ScreenCommandsTest : public EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    NewProject();
  }
  QStringList Rows() {
    QStringList rows;
    QTableWidget* list = View().ScreenList();
    for (int r = 0; r < list->rowCount(); ++r)
      rows << list->item(r, 0)->text() + "|" + list->item(r, 1)->text();
    return rows;
  }
  int SelectedRow() { return View().ScreenList()->currentRow(); }
  void AddScreenByDialog(int number, const QString& description) {
    OnNextDialog<NewScreenDialog>([=](NewScreenDialog* d) {
      d->Number()->setValue(number);
      d->Description()->setText(description);
      d->accept();
    });
    frame->Execute(kCmdNewScreen);
  }
};

TEST_F(ScreenCommandsTest, NewScreenDialogAddsInNumberOrderAndRefusesAnExistingNumber) {
  EXPECT_EQ(Rows(), QStringList({" 1|"}));
  AddScreenByDialog(5, QStringLiteral("报警"));
  AddScreenByDialog(3, QString());
  EXPECT_EQ(Rows(), QStringList({" 1|", " 3|", " 5|报警"}));
  EXPECT_EQ(SelectedRow(), 1);
  EXPECT_EQ(Proj().ScreenAt(2)->m_description, G("报警"));
  EXPECT_TRUE(Proj().IsModified());
  EXPECT_EQ(View().Properties()->ShownPage(), QStringLiteral("画面属性"));

  // The dialog proposes the current number + 1 even when it exists; OK then
  // keeps the dialog open after the message.
  bool stayedOpen = false;
  OnNextDialog<NewScreenDialog>([&](NewScreenDialog* d) {
    EXPECT_EQ(d->Number()->value(), 4);
    d->Number()->setValue(5);
    d->accept();
    stayedOpen = d->isVisible();
    d->reject();
  });
  frame->Execute(kCmdNewScreen);
  EXPECT_TRUE(stayedOpen);
  EXPECT_EQ(prompter.Messages(), std::vector<std::string>({"5号画面已存在"}));
  EXPECT_EQ(Proj().ScreenCount(), 3u);
}

TEST_F(ScreenCommandsTest, CopyScreenDialogNamesTheSourceAndCopiesToTheTarget) {
  Proj().CurrentScreen()->m_description = G("首页");
  QString label;
  OnNextDialog<CopyScreenDialog>([&](CopyScreenDialog* d) {
    label = d->findChild<QLabel*>()->text();
    EXPECT_EQ(d->Number()->value(), 2);
    d->Number()->setValue(9);
    d->accept();
  });
  frame->Execute(kCmdCopyScreen);
  EXPECT_EQ(label, QStringLiteral("复制1号画面到:"));
  EXPECT_EQ(Rows(), QStringList({" 1|首页", " 9|首页"}));
  EXPECT_EQ(SelectedRow(), 1);

  // Onto itself: the warning, nothing copied.
  OnNextDialog<CopyScreenDialog>([](CopyScreenDialog* d) {
    d->Number()->setValue(9);
    d->accept();
  });
  frame->Execute(kCmdCopyScreen);
  EXPECT_EQ(prompter.Messages(), std::vector<std::string>({"复制画面号和当前画面号相同!!!"}));
  EXPECT_EQ(Proj().ScreenCount(), 2u);
}

TEST_F(ScreenCommandsTest, DeleteAsksAndTheDeleteKeyOnTheListDeletesTheScreen) {
  AddScreenByDialog(2, QString());
  prompter.answers = {Answer::Cancel};
  frame->Execute(kCmdDeleteScreen);
  EXPECT_EQ(Proj().ScreenCount(), 2u);
  EXPECT_EQ(prompter.said.back().text, "确实要删除2号画面吗?");
  EXPECT_EQ(prompter.said.back().caption, "删除画面");

  QTest::keyClick(View().ScreenList(), Qt::Key_Delete);  // scripted OK
  EXPECT_EQ(Rows(), QStringList({" 1|"}));
  EXPECT_EQ(SelectedRow(), 0);
  // The last screen goes and screen 1 comes back empty.
  frame->Execute(kCmdDeleteScreen);
  EXPECT_EQ(Rows(), QStringList({" 1|"}));
}

TEST_F(ScreenCommandsTest, ClickingARowMakesItsScreenCurrent) {
  AddScreenByDialog(2, QString());
  AddScreenByDialog(3, QString());
  QTableWidget* list = View().ScreenList();
  const QRect cell = list->visualItemRect(list->item(0, 1));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
  EXPECT_EQ(Proj().m_curScreen, 0);
  EXPECT_EQ(SelectedRow(), 0);
}

TEST_F(ScreenCommandsTest, TheListsColumnsFitAndAClickNeverScrollsTheNumberAway) {
  AddScreenByDialog(65535, QString(300, QChar(u'长')));
  QTableWidget* list = View().ScreenList();
  EXPECT_FALSE(list->horizontalScrollBar()->isVisible());
  EXPECT_LE(list->columnWidth(0) + list->columnWidth(1), list->viewport()->width());
  EXPECT_GE(list->columnWidth(0),
            list->fontMetrics().horizontalAdvance(QStringLiteral("65535")) + 8);
  const QRect cell = list->visualItemRect(list->item(1, 1));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
  EXPECT_EQ(list->columnViewportPosition(0), 0);
}

TEST_F(ScreenCommandsTest, RightClickOnTheListOpensTheScreenMenu) {
  QStringList items;
  QTimer::singleShot(50, [&] {
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
      for (QAction* a : menu->actions()) items << a->text();
      menu->close();
    }
  });
  QTableWidget* list = View().ScreenList();
  QTest::mouseClick(list->viewport(), Qt::RightButton, {}, QPoint(20, 5));
  EXPECT_EQ(items, QStringList({QStringLiteral("删除画面(&D)"), QStringLiteral("复制画面(&C)"),
                                QStringLiteral("复制到剪贴板"), QStringLiteral("粘贴画面")}));
}

TEST_F(ScreenCommandsTest, RightClickMakesTheRowUnderTheMouseCurrentBeforeTheMenuActs) {
  AddScreenByDialog(2, QString());
  AddScreenByDialog(3, QString());
  ASSERT_EQ(SelectedRow(), 2);
  QAction* chosen = nullptr;
  QTimer::singleShot(50, [&] {
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
      chosen = menu->actions().value(0);  // "删除画面(&D)"
      menu->close();
    }
  });
  QTableWidget* list = View().ScreenList();
  QTest::mouseClick(list->viewport(), Qt::RightButton, {},
                    list->visualItemRect(list->item(0, 1)).center());
  ASSERT_NE(chosen, nullptr);
  EXPECT_EQ(Proj().m_curScreen, 0);
  EXPECT_EQ(SelectedRow(), 0);
  chosen->trigger();  // scripted OK
  EXPECT_EQ(prompter.said.back().text, "确实要删除1号画面吗?");
  EXPECT_EQ(Rows(), QStringList({" 2|", " 3|"}));
  // Below the last row the menu acts on the current screen.
  QTimer::singleShot(50, [] {
    if (QWidget* menu = QApplication::activePopupWidget()) menu->close();
  });
  const int current = Proj().m_curScreen;
  QTest::mouseClick(list->viewport(), Qt::RightButton, {},
                    QPoint(20, list->viewport()->height() - 5));
  EXPECT_EQ(Proj().m_curScreen, current);
  EXPECT_EQ(SelectedRow(), current);
}

}  // namespace
}  // namespace tavo::test
