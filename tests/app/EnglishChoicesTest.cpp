// The lists, step names and titles that come from below the window layer,
// shown in English: the choices of the property pages and dialogs are the
// same entries (the stored index does not change), only their words do.
#include <QKeyEvent>
#include <QLabel>

#include "EditorFixture.h"
#include "EnglishScope.h"
#include "PageWidgetFixture.h"
#include "app/PlcDialog.h"
#include "app/pages/SettingsDialogs.h"
#include "elements/Light.h"
#include "elements/Register.h"
#include "model/Project.h"
#include "plc/ProtocolFiles.h"

namespace tavo::test {
namespace {

QStringList Items(const QComboBox* combo) {
  QStringList items;
  for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
  return items;
}

class EnglishEditorSteps : public InEnglish<ActiveEditorTest> {
 protected:
  void Click(QPoint at) {
    const QPoint origin(260, 40);  // the display's corner in the view
    QMouseEvent press(QEvent::MouseButtonPress, at + origin, at + origin, Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&View(), &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at + origin, at + origin, Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&View(), &release);
    QApplication::processEvents();
  }
  QString UndoText() { return frame->Action(app::kCmdUndo)->text(); }
};

TEST_F(EnglishEditorSteps, StepsAndTheNewProjectsTitle) {
  EXPECT_TRUE(frame->windowTitle().startsWith(QStringLiteral("New file[*] - ")))
      << frame->windowTitle().toStdString();
  EXPECT_EQ(Proj().m_title, kNewProjectTitle);  // what the code tells a new project by

  frame->Execute(app::kCmdLight);
  Click(QPoint(10, 10));
  EXPECT_EQ(UndoText(), QStringLiteral("&Undo Place element"));
  QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
  QApplication::sendEvent(&View(), &right);
  QApplication::processEvents();
  EXPECT_EQ(UndoText(), QStringLiteral("&Undo Move element"));
  frame->Execute(app::kCmdUndo);
  EXPECT_EQ(frame->Action(app::kCmdRedo)->text(), QStringLiteral("&Redo Move element"));

  // Saving a new project proposes the English name; the file is what it is.
  frame->Execute(app::kCmdSave);
  ASSERT_FALSE(prompter.said.empty());
  EXPECT_EQ(prompter.said.back().kind, "savepath");
  EXPECT_EQ(prompter.said.back().text, "New file.orx");
}

TEST(EnglishChoices, LineSettingListsOfThePlcDialog) {
  EnglishScope english;
  PlcChoice choice;
  choice.protocol = 2;
  choice.plcPos = 1;
  choice.dataBits = 0;
  choice.parity = 2;
  app::PlcDialog dialog(CurrentProtocolFiles().m_available, choice);
  EXPECT_EQ(Items(dialog.DataBits()), (QStringList{"7 bits", "8 bits"}));
  EXPECT_EQ(Items(dialog.StopBits()), (QStringList{"1 bit", "2 bits"}));
  EXPECT_EQ(Items(dialog.Parity()), (QStringList{"No parity", "Odd parity", "Even parity"}));
  // The project's choice is the same entry as in Chinese.
  EXPECT_EQ(dialog.Parity()->currentText(), QStringLiteral("Even parity"));
  EXPECT_EQ(dialog.DataBits()->currentText(), QStringLiteral("7 bits"));
}

TEST(EnglishChoices, ScreenSaverDelaysOfTheSettingsDialog) {
  EnglishScope english;
  Project project;
  project.m_settings.m_saverDelay = 4;
  app::PanelSettingsDialog dialog;
  dialog.Open(project);
  auto* delay = dialog.findChild<QComboBox*>(QStringLiteral("saverDelay"));
  ASSERT_NE(delay, nullptr);
  ASSERT_EQ(delay->count(), 11);
  EXPECT_EQ(delay->itemText(0), QStringLiteral("Never"));
  EXPECT_EQ(delay->itemText(10), QStringLiteral("1 hour"));
  EXPECT_EQ(delay->currentText(), QStringLiteral("5 min"));
}

}  // namespace
}  // namespace tavo::test

namespace tavo::pagetest {
namespace {

class EnglishPageChoices : public test::EnglishFirst, public PageWidgetTest {
 protected:
  QStringList ItemsOf(const char* id) { return test::Items(Find<QComboBox>(id)); }
};

TEST_F(EnglishPageChoices, ScreenLightKeyRegisterAndGraphPages) {
  area.ShowScreenPage();
  QStringList labels;
  for (auto* label : area.Current()->findChildren<QLabel*>()) labels << label->text();
  EXPECT_TRUE(labels.contains(QStringLiteral("Screen 1"))) << labels.join('|').toStdString();

  Place<CLight>(kKindLight);
  Settle();
  EXPECT_EQ(ItemsOf("c1107"), (QStringList{"Round", "Square"}));
  EXPECT_EQ(ItemsOf("c1029"), (QStringList{"Positive", "Negative"}));

  Place<CBase>(kKindKey, {120, 0});
  Settle();
  const QStringList keys = ItemsOf("c1029");
  ASSERT_EQ(keys.size(), 19);
  EXPECT_EQ(keys.front(), QStringLiteral("‘ESC’ key"));
  EXPECT_EQ(keys.back(), QStringLiteral("‘CLR’ key"));

  Place<CRegister>(kKindRegister, {40, 20});
  Settle();
  EXPECT_EQ(ItemsOf("c1029"), (QStringList{"Raw data", "Scaled"}));

  Place<CBase>(kKindBar, {80, 20});
  Settle();
  EXPECT_EQ(area.ShownPage(), QStringLiteral("Bar graph properties"));
  EXPECT_EQ(ItemsOf("c1145"), (QStringList{"Up", "Down", "Left", "Right"}));
  Place<CBase>(kKindTrend, {80, 40});
  Settle();
  EXPECT_EQ(area.ShownPage(), QStringLiteral("Trend graph properties"));
}

}  // namespace
}  // namespace tavo::pagetest
