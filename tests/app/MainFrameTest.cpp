#include <QAction>
#include <QFile>
#include <QLabel>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "EditorFixture.h"
#include "app/Commands.h"
#include "app/RecentFiles.h"
#include "app/ToolIcons.h"
#include "app/pages/SettingsDialogs.h"

namespace tavo::test {
namespace {

using namespace tavo::app;

// Every command with its enable state before and after a project exists.
struct EnableRule {
  int id;
  bool withoutProject;
  bool withProject;
};
const EnableRule kRules[] = {
    {kCmdNewProject, true, true},    {kCmdPanelType, true, true},
    {kCmdImport, true, true},        {kCmdPlc, false, true},
    {kCmdComPort, true, true},       {kCmdDownload, false, true},
    {kCmdSettings, false, true},     {kCmdAlarmList, false, true},
    {kCmdExit, true, true},          {kCmdAbout, true, true},
    {kCmdNewScreen, false, true},    {kCmdCopyScreen, false, true},
    {kCmdDeleteScreen, false, true}, {kCmdScreenProperties, false, false},
    {kCmdCut, false, false},         {kCmdCopy, false, false},
    {kCmdUndo, false, false},        {kCmdRedo, false, false},
};

TEST_F(EditorTest, CommandEnableRulesFollowTheProject) {
  for (const EnableRule& r : kRules) {
    SCOPED_TRACE(r.id);
    EXPECT_EQ(frame->IsCommandEnabled(r.id), r.withoutProject);
    EXPECT_EQ(frame->Action(r.id)->isEnabled(), r.withoutProject);
  }
  NewProject();
  for (const EnableRule& r : kRules) {
    SCOPED_TRACE(r.id);
    EXPECT_EQ(frame->Action(r.id)->isEnabled(), r.withProject);
  }
}

TEST_F(EditorTest, ACommandWithoutAnActionIsDisabledUntilOneIsInstalled) {
  NewProject();
  int runs = 0;
  frame->SetCommandHandler(kCmdSettings, [&] { ++runs; });
  EXPECT_TRUE(frame->Action(kCmdSettings)->isEnabled());
  frame->Action(kCmdSettings)->trigger();
  EXPECT_EQ(runs, 1);
  frame->SetCommandHandler(kCmdSettings, {});
  EXPECT_FALSE(frame->Action(kCmdSettings)->isEnabled());
  frame->Execute(kCmdSettings);
  EXPECT_EQ(runs, 1);
}

TEST_F(EditorTest, TheAlarmListNeedsAProtocolWithAlarmCoils) {
  PlcChoice choice;
  choice.protocol = 31;  // names device variables; no alarm coil types
  choice.plcPos = 30;
  prompter.plcAnswers.push_back(choice);
  NewProject();
  EXPECT_FALSE(frame->Action(kCmdAlarmList)->isEnabled());
  EXPECT_TRUE(frame->Action(kCmdSettings)->isEnabled());
  OnNextDialog<PanelSettingsDialog>([](PanelSettingsDialog* d) { d->reject(); });
  frame->Execute(kCmdSettings);
  EXPECT_FALSE(Proj().IsModified());
}

TEST_F(EditorTest, TitleNamesTheDocument) {
  // "[*]": the modified mark, shown while the project is modified.
  EXPECT_EQ(frame->windowTitle(), QStringLiteral("Tavo[*] - Tavo画面设置工具"));
  NewProject();
  EXPECT_EQ(frame->windowTitle(), QStringLiteral("新文件[*] - Tavo画面设置工具"));
  EXPECT_FALSE(frame->isWindowModified());
}

TEST_F(EditorTest, NewProjectTakesTheScriptedPlcChoiceAndCreatesScreenOne) {
  PlcChoice choice;
  choice.protocol = 2;
  choice.plcPos = 1;
  choice.baud = 1;
  choice.parity = 2;
  choice.e5Timeout = 10000;
  prompter.plcAnswers.push_back(choice);
  NewProject();
  EXPECT_EQ(Proj().ScreenCount(), 1u);
  EXPECT_EQ(Proj().CurrentScreen()->m_number, 1);
  EXPECT_EQ(Proj().m_settings.m_baud, 1);
  EXPECT_EQ(Proj().m_settings.m_e5Timeout, 10000);
  EXPECT_FALSE(Proj().IsModified());

  // A cancelled choice leaves the project as it was.
  Proj().AddScreen(7, "");
  prompter.plcAnswers.push_back(std::nullopt);
  prompter.answers.push_back(Answer::No);  // in case it is offered for saving
  frame->Execute(kCmdNewProject);
  EXPECT_EQ(Proj().ScreenCount(), 2u);
}

TEST_F(EditorTest, NewProjectWithoutAProtocolFileSaysSoBeforeAnythingElse) {
  NewProject();
  Proj().AddScreen(7, "");
  Proj().SetModified();
  const QString empty = dir.filePath("empty.dat");
  QFile(empty).open(QIODevice::WriteOnly);
  for (const QString& path : {dir.filePath("missing.dat"), empty}) {
    SCOPED_TRACE(path.toStdString());
    CurrentProtocolFiles() =
        ProtocolFiles(path.toStdString(), dir.filePath("In.dat").toStdString());
    View().InitialUpdate();
    prompter.said.clear();
    frame->Execute(kCmdNewProject);
    // Neither the offer to save nor the PLC choice: the project stays.
    ASSERT_EQ(prompter.said.size(), 1u);
    EXPECT_EQ(prompter.said[0].kind, "message");
    EXPECT_EQ(prompter.said[0].text, "文件ormed_Ptc.dat出错!!!");
    EXPECT_EQ(Proj().ScreenCount(), 2u);
    EXPECT_TRUE(Proj().IsModified());
  }
}

TEST_F(EditorTest, StatusBarPanes) {
  EXPECT_EQ(frame->PaneText(0), QStringLiteral("就绪"));
  EXPECT_EQ(frame->PaneText(1), QStringLiteral("无协议"));
  // The original's 150 pixels, or more where a protocol's name needs it.
  EXPECT_GE(frame->Pane(1)->width(), 150);
  EXPECT_EQ(frame->PaneText(2), QStringLiteral("大写"));
  EXPECT_EQ(frame->PaneText(3), QStringLiteral("数字"));
  EXPECT_EQ(frame->PaneText(4), QStringLiteral("滚动"));
}

TEST_F(EditorTest, ToolbarHoldsEveryButtonInOrderWithItsPictureAndTips) {
  auto* bar = frame->findChild<QToolBar*>("toolBar");
  ASSERT_NE(bar, nullptr);
  std::vector<int> ids;
  for (QAction* a : bar->actions()) {
    if (a->isSeparator()) {
      ids.push_back(0);
      continue;
    }
    QWidget* button = bar->widgetForAction(a);
    ASSERT_NE(button, nullptr);
    const int id = a->data().toInt();
    ids.push_back(id);
    EXPECT_EQ(a->icon().pixmap(QSize(18, 17)).size(), QSize(18, 17)) << id;
    if (const CommandInfo* c = FindCommand(id); c && c->tooltip) {
      EXPECT_EQ(a->toolTip(), QString::fromUtf8(c->tooltip));
    }
  }
  EXPECT_EQ(ids, ToolbarLayout());
  EXPECT_EQ(frame->Action(kCmdNewProject)->toolTip(), QStringLiteral("新建工程(Ctrl+N)"));
  EXPECT_EQ(frame->Action(kCmdNewProject)->statusTip(), QStringLiteral("创建新工程文档"));
  EXPECT_EQ(frame->Action(kCmdDownload)->statusTip(), QStringLiteral("下载画面数据至Tavo"));
  EXPECT_EQ(frame->Action(kCmdImport)->shortcut(), QKeySequence(QStringLiteral("Ctrl+L")));
}

TEST_F(EditorTest, FrameHasAFixedSizeAndNoMaximiseBox) {
  EXPECT_EQ(frame->minimumSize(), QSize(750, 560));
  EXPECT_EQ(frame->maximumSize(), QSize(750, 560));
  EXPECT_FALSE(frame->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(frame->windowFlags() & Qt::WindowMinimizeButtonHint);
  // A size grip on a frame that cannot be resized would only mislead.
  EXPECT_FALSE(frame->statusBar()->isSizeGripEnabled());
}

TEST_F(EditorTest, TheToolbarDocksOnlyWhereTheFixedFrameHasRoomForIt) {
  auto* bar = frame->findChild<QToolBar*>("toolBar");
  ASSERT_NE(bar, nullptr);
  // At the left or right it would take the width the display and the pages
  // need, and most of its buttons would go behind the extension arrow.
  EXPECT_FALSE(bar->isAreaAllowed(Qt::LeftToolBarArea));
  EXPECT_FALSE(bar->isAreaAllowed(Qt::RightToolBarArea));
  for (Qt::ToolBarArea area : {Qt::BottomToolBarArea, Qt::TopToolBarArea}) {
    SCOPED_TRACE(area);
    ASSERT_TRUE(bar->isAreaAllowed(area));
    frame->addToolBar(area, bar);
    bar->show();
    QApplication::processEvents();
    EXPECT_EQ(frame->toolBarArea(bar), area);
    // The view's parts reach to x 731 and y 447.
    EXPECT_GE(View().width(), 732);
    EXPECT_GE(View().height(), 448);
    for (QAction* a : bar->actions()) {
      if (a->isSeparator()) continue;
      QWidget* button = bar->widgetForAction(a);
      ASSERT_NE(button, nullptr);
      EXPECT_TRUE(button->isVisible()) << a->toolTip().toStdString();
    }
  }
}

TEST_F(EditorTest, RecentFilesKeepTheFourNewestInTheUserSettings) {
  {
    RecentFiles recent(settings.get());
    for (const char* f : {"/p/a.orx", "/p/b.orx", "/p/c.orx", "/p/d.orx", "/p/e.orx", "/p/c.orx"})
      recent.Add(QString::fromLatin1(f));
    EXPECT_EQ(recent.Files(), QStringList({"/p/c.orx", "/p/e.orx", "/p/d.orx", "/p/b.orx"}));
    recent.Remove("/p/e.orx");
  }
  RecentFiles again(settings.get());
  EXPECT_EQ(again.Files(), QStringList({"/p/c.orx", "/p/d.orx", "/p/b.orx"}));
  EXPECT_EQ(settings->value("Recent File List/File1").toString(), "/p/c.orx");
  EXPECT_FALSE(settings->contains("Recent File List/File4"));
}

}  // namespace
}  // namespace tavo::test
