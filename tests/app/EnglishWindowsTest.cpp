// One window of each kind made in English: the main window's menus, toolbar
// and panes, a property page, a settings dialog and a question. The other
// GUI tests run in Chinese.
#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>

#include "EditorFixture.h"
#include "EnglishScope.h"
#include "PageWidgetFixture.h"
#include "app/CrossReferenceWindow.h"
#include "app/FindingsDock.h"
#include "app/ProjectChecker.h"
#include "app/QtPrompter.h"
#include "app/pages/SettingsDialogs.h"
#include "elements/Register.h"
#include "model/Project.h"

namespace tavo::test {
namespace {

QStringList MenuTitles(app::MainFrame& frame) {
  QStringList titles;
  for (QAction* a : frame.menuBar()->actions()) titles << a->text();
  return titles;
}

using EnglishEditorTest = InEnglish<EditorTest>;

TEST_F(EnglishEditorTest, MainWindowMenusToolbarAndPanes) {
  EXPECT_EQ(MenuTitles(*frame), (QStringList{"&File", "&Edit", "&View"}));
  EXPECT_EQ(frame->Action(app::kCmdNewProject)->text(), QStringLiteral("&New project"));
  EXPECT_EQ(frame->Action(app::kCmdNewProject)->toolTip(), QStringLiteral("New project (Ctrl+N)"));
  EXPECT_EQ(frame->Action(app::kCmdDownload)->statusTip(),
            QStringLiteral("Download the screens to the Tavo panel"));
  EXPECT_EQ(frame->PaneText(1), QStringLiteral("No protocol"));
  EXPECT_TRUE(frame->windowTitle().endsWith(QStringLiteral("Tavo Screen Editor")))
      << frame->windowTitle().toStdString();
}

TEST_F(EnglishEditorTest, DownloadQuestionNamesTheErrorsInEnglish) {
  NewProject();
  Proj().PlaceElement(kKindKey, {0, 0});
  Proj().PlaceElement(kKindKey, {60, 0});  // the same key twice
  frame->SetDownloadDevicePath("/nonexistent/tty");
  prompter.answers = {Answer::Cancel};
  frame->Execute(app::kCmdDownload);
  ASSERT_EQ(prompter.said.size(), 2u);
  EXPECT_EQ(prompter.said[1].kind, "okcancel");
  EXPECT_EQ(
      prompter.said[1].text.rfind("Errors found by the project check: 1\nScreen 1 Element 2 ", 0),
      0u)
      << prompter.said[1].text;
  EXPECT_NE(prompter.said[1].text.find("the panel runs only one of them"), std::string::npos)
      << prompter.said[1].text;
  EXPECT_NE(prompter.said[1].text.find("Compile and download anyway?"), std::string::npos);
}

// The findings list and the cross-reference window show the core's texts
// in English: messages, element kinds, key names, reads and widths.
TEST_F(EnglishEditorTest, FindingsAndCrossReferenceInEnglish) {
  NewProject();
  Proj().PlaceElement(kKindKey, {0, 0});
  Proj().PlaceElement(kKindKey, {60, 0});  // the same key twice
  dynamic_cast<CRegister&>(*Proj().PlaceElement(kKindRegister, {0, 30})).m_addr = 100;
  frame->Execute(app::kCmdFindings);
  QAbstractItemModel& rows = *frame->Findings()->Table()->model();
  ASSERT_GE(rows.rowCount(), 1);
  EXPECT_EQ(rows.index(0, 1).data().toString(), QStringLiteral("duplicate-key"));
  const QString message = rows.index(0, 4).data().toString();
  EXPECT_EQ(message, QStringLiteral("Function key (0,0) and Function key (27,0) are both the ‘→’ "
                                    "key; the panel runs only one of them"));
  EXPECT_EQ(rows.index(0, 4).data(Qt::ToolTipRole).toString(), message);
  // The list keeps the source text, as the report for scripts does.
  EXPECT_NE(QString::fromStdString(frame->Checker()->Findings()[0].message), message);

  frame->Execute(app::kCmdCrossReference);
  app::CrossReferenceWindow& xref = *frame->CrossReference();
  QAbstractItemModel& uses = *xref.Table()->model();
  QStringList cells;
  for (int r = 0; r < uses.rowCount(); ++r)
    for (int c = 0; c < uses.columnCount(); ++c) cells << uses.index(r, c).data().toString();
  EXPECT_EQ(cells.join("|"), QStringLiteral("B100|1|read|1 byte|1|1|Register|(0,13)|"));
  // The filter finds the register by its English name too.
  xref.Filter()->setText(QStringLiteral("Register"));
  EXPECT_EQ(uses.rowCount(), 1);
}

TEST(EnglishDialogs, PanelSettingsDialogAndItsButtons) {
  EnglishScope english;
  Project project;
  app::PanelSettingsDialog dialog;
  dialog.Open(project);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("TavoB settings"));
  QStringList texts;
  for (auto* label : dialog.findChildren<QLabel*>()) texts << label->text();
  for (auto* button : dialog.findChildren<QAbstractButton*>()) texts << button->text();
  EXPECT_TRUE(texts.contains(QStringLiteral("Start screen:")));
  EXPECT_TRUE(texts.contains(QStringLiteral("OK")));
  EXPECT_TRUE(texts.contains(QStringLiteral("Cancel")));
  // Nothing Chinese is left on it.
  static const QRegularExpression han(QStringLiteral("[\\x{4e00}-\\x{9fff}]"));
  for (const QString& t : texts) EXPECT_FALSE(t.contains(han)) << t.toStdString();
}

}  // namespace
}  // namespace tavo::test

namespace tavo::pagetest {
namespace {

// The page area is made after the catalogues are in.
class EnglishPageTest : public test::EnglishFirst, public PageWidgetTest {};

TEST_F(EnglishPageTest, RegisterPageCaptions) {
  Place<CRegister>(kKindRegister);
  EXPECT_EQ(area.ShownPage(), QStringLiteral("Register properties"));
  QStringList labels;
  for (auto* label : area.Current()->findChildren<QLabel*>()) labels << label->text();
  EXPECT_TRUE(labels.contains(QStringLiteral("Station:")));
  EXPECT_TRUE(labels.contains(QStringLiteral("Reg. count:")));
}

// The pages in English as pictures, for looking at (TAVO_PAGE_SHOTS=DIR).
TEST_F(EnglishPageTest, Screenshots) {
  const QString dir = qEnvironmentVariable("TAVO_PAGE_SHOTS");
  if (dir.isEmpty()) GTEST_SKIP() << "TAVO_PAGE_SHOTS not set";
  QDir().mkpath(dir);
  area.ShowScreenPage();
  area.grab().save(dir + "/en-page159.png");
  for (uint8_t kind = kKindText; kind <= kKindDynamic; ++kind) {
    Place<CBase>(kind, {40, 20});
    Settle();
    area.grab().save(dir + QStringLiteral("/en-page-kind%1.png").arg(kind));
  }
}

}  // namespace
}  // namespace tavo::pagetest
