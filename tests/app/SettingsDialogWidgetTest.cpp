// The panel-settings and alarm-list dialogs driven through their widgets.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

#include "app/pages/SettingsDialogs.h"
#include "base/Gbk.h"
#include "model/Project.h"
#include "pages/PageTestSupport.h"

namespace tavo::pagetest {
namespace {

using namespace tavo::app;

void Keys(QWidget* w, const QString& text) {
  for (QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(w, &press);
  }
}

template <class W>
W* Find(QWidget* parent, const char* name) {
  W* w = parent->findChild<W*>(QString::fromLatin1(name));
  EXPECT_NE(w, nullptr) << name;
  return w;
}

void Click(QAbstractButton* b) {
  QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
}

TEST(PanelSettingsDialog, HintsEnablingAndOk) {
  ProfileScope protocol(4);  // word type "D", step 1
  Project project;
  project.m_settings.m_ctrlRegAddr = 100;
  project.m_settings.m_saverAction = 1;
  PanelSettingsDialog dialog;
  dialog.Open(project);
  dialog.show();
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("设置TavoB"));
  EXPECT_FALSE(Find<QLabel>(&dialog, "hint0")->isVisible());
  for (const char* name : {"autoScreen", "reportScreen", "clock"})
    Click(Find<QAbstractButton>(&dialog, name));
  EXPECT_EQ(Find<QLabel>(&dialog, "hint0")->text(), QStringLiteral("对应D100"));
  EXPECT_EQ(Find<QLabel>(&dialog, "hint1")->text(), QStringLiteral("对应D101"));
  EXPECT_EQ(Find<QLabel>(&dialog, "hint2")->text(), QStringLiteral("对应D102"));

  auto* password = Find<CNumEdit>(&dialog, "password");
  password->setFocus();
  password->selectAll();
  Keys(password, QStringLiteral("99999"));
  EXPECT_EQ(password->text(), QStringLiteral("9999"));
  auto* saverScreen = Find<CNumEdit>(&dialog, "saverScreen");
  EXPECT_TRUE(saverScreen->isEnabled());
  Click(Find<QRadioButton>(&dialog, "saverOff"));
  EXPECT_FALSE(saverScreen->isEnabled());

  const QString shots = qEnvironmentVariable("TAVO_PAGE_SHOTS");
  if (!shots.isEmpty()) dialog.grab().save(shots + "/settings.png");

  EXPECT_EQ(project.m_settings.m_password, 0);
  Click(Find<QPushButton>(&dialog, "ok"));
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  dialog.Store(project);
  EXPECT_TRUE(project.IsModified());
  EXPECT_EQ(project.m_settings.m_password, 9999);
  EXPECT_EQ(project.m_settings.m_ctrlFlags, 7);
  EXPECT_EQ(project.m_settings.m_saverAction, 0);
}

TEST(AlarmListDialog, GridLabelsAndEditing) {
  ProfileScope protocol(2);  // alarm type "M", bytes of 8 coils
  Project project;
  project.m_alarmList.m_alarmbegin = 10;
  project.m_alarmList.m_alarmTexts = {G("温度高"), "", G("压力低")};
  AlarmListDialog dialog;
  dialog.Open(project);
  dialog.show();
  QTableWidget* grid = dialog.Grid();
  ASSERT_EQ(grid->rowCount(), 4);
  EXPECT_EQ(grid->item(0, 0)->text(), QStringLiteral("M10.0"));
  EXPECT_EQ(grid->item(2, 0)->text(), QStringLiteral("M10.2"));
  EXPECT_EQ(grid->item(2, 1)->text(), QStringLiteral("压力低"));
  EXPECT_FALSE(Find<CNumEdit>(&dialog, "bitOffset")->isVisible());

  dialog.OpenCell(3);
  auto* cell = Find<CBindEdit>(&dialog, "cell");
  ASSERT_TRUE(cell->isVisible());
  Keys(cell, QStringLiteral("新报警"));
  EXPECT_EQ(grid->rowCount(), 5);
  EXPECT_EQ(grid->item(3, 1)->text(), QStringLiteral("新报警"));
  // Clearing the last two texts drops the empty one before them as well.
  for (int row : {3, 2}) {
    dialog.OpenCell(row);
    cell->selectAll();
    QTest::keyClick(cell, Qt::Key_Delete);
  }
  EXPECT_EQ(grid->rowCount(), 2);
  EXPECT_FALSE(cell->isVisible());

  auto* addr = Find<CNumEdit>(&dialog, "addr");
  addr->setFocus();
  addr->selectAll();
  Keys(addr, QStringLiteral("20"));
  EXPECT_EQ(grid->item(0, 0)->text(), QStringLiteral("M20.0"));

  const QString shots = qEnvironmentVariable("TAVO_PAGE_SHOTS");
  if (!shots.isEmpty()) dialog.grab().save(shots + "/alarmlist.png");

  Click(Find<QPushButton>(&dialog, "cancel"));
  EXPECT_EQ(project.m_alarmList.m_alarmTexts.size(), 3u);  // cancel changes nothing
  EXPECT_FALSE(project.IsModified());
  dialog.Store(project);
  EXPECT_EQ(project.m_alarmList.m_alarmTexts, std::vector<std::string>{G("温度高")});
  EXPECT_EQ(project.m_alarmList.m_alarmbegin, 20);
}

}  // namespace
}  // namespace tavo::pagetest
