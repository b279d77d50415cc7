// The property area, the panel-settings and the alarm-list commands in the
// editor's window.
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include "EditorFixture.h"
#include "app/pages/PageArea.h"
#include "app/pages/PageWidgets.h"
#include "app/pages/SettingsDialogs.h"
#include "base/Gbk.h"

namespace tavo::test {
namespace {

using namespace tavo::app;

class PageCommandsTest : public EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    NewProject();
    Proj().SetModified(false);
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

TEST_F(PageCommandsTest, PageEditsMarkTheProjectModifiedAndReachTheScreenList) {
  auto* description = OnPage<CBindEdit>("c1123");
  ASSERT_NE(description, nullptr);
  description->setFocus();
  Keys(description, QStringLiteral("泵站"));
  QApplication::processEvents();
  EXPECT_TRUE(Proj().IsModified());
  EXPECT_TRUE(View().ScreenList()->item(0, 1)->text().endsWith(QStringLiteral("泵站")));

  Proj().SetModified(false);
  Proj().CurrentScreen()->AddElement(kKindLight, {0, 0});
  auto* x = OnPage<CNumEdit>("c1087");
  x->setFocus();
  x->selectAll();
  Keys(x, QStringLiteral("40"));
  QApplication::processEvents();
  EXPECT_TRUE(Proj().IsModified());
  EXPECT_EQ(Proj().CurrentScreen()->Head()->m_x, 40);
  // Deleting the element while its page has the focus leaves the page first.
  View().DeleteKey();
  QApplication::processEvents();
  EXPECT_EQ(View().Properties()->ShownPage(), QStringLiteral("画面属性"));
}

TEST_F(PageCommandsTest, PanelSettingsOkStoresAndCancelChangesNothing) {
  OnNextDialog<PanelSettingsDialog>([](PanelSettingsDialog* d) { d->reject(); });
  frame->Execute(kCmdSettings);
  EXPECT_FALSE(Proj().IsModified());
  OnNextDialog<PanelSettingsDialog>([](PanelSettingsDialog* d) {
    d->Form().password.SetValue(1234);
    d->findChild<QPushButton*>(QStringLiteral("ok"))->click();
  });
  frame->Execute(kCmdSettings);
  EXPECT_TRUE(Proj().IsModified());
  EXPECT_EQ(Proj().m_settings.m_password, 1234);
}

TEST_F(PageCommandsTest, AlarmListOkStoresTheTexts) {
  OnNextDialog<AlarmListDialog>([](AlarmListDialog* d) {
    d->OpenCell(0);
    d->Form().textBox.UserText(G("超温"), true);
    d->accept();
  });
  frame->Execute(kCmdAlarmList);
  EXPECT_TRUE(Proj().IsModified());
  EXPECT_EQ(Proj().m_alarmList.m_alarmTexts, std::vector<std::string>{G("超温")});
}

}  // namespace
}  // namespace tavo::test
