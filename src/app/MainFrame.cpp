#include "app/MainFrame.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <algorithm>

#include "app/AboutDialog.h"
#include "app/CaptionFit.h"
#include "app/Commands.h"
#include "app/CrossReferenceWindow.h"
#include "app/FindingsDock.h"
#include "app/LanguageMenu.h"
#include "app/LockKeys.h"
#include "app/MainView.h"
#include "app/PreviewWindow.h"
#include "app/ProjectChecker.h"
#include "app/QtPrompter.h"
#include "app/SplashWindow.h"
#include "app/ToolIcons.h"
#include "app/pages/SettingsDialogs.h"
#include "base/Prompter.h"
#include "plc/Catalogue.h"
#include "render/FontLibrary.h"

namespace tavo::app {

namespace {
constexpr int kFrameWidth = 750;
constexpr int kFrameHeight = 560;
constexpr int kProtocolPaneWidth = 150;
const char kNoProtocol[] = QT_TRANSLATE_NOOP("tavo::app::MainFrame", "无协议");
const char kReady[] = QT_TRANSLATE_NOOP("tavo::app::MainFrame", "就绪");
const char kDeviceKey[] = "Download/Device";
const char* const kLockNames[3] = {QT_TRANSLATE_NOOP("tavo::app::MainFrame", "大写"),
                                   QT_TRANSLATE_NOOP("tavo::app::MainFrame", "数字"),
                                   QT_TRANSLATE_NOOP("tavo::app::MainFrame", "滚动")};

QString CommandText(const char* source) {
  return source ? QCoreApplication::translate(kCommandContext, source) : QString();
}
}  // namespace

MainFrame::MainFrame(QSettings* settings, QWidget* parent)
    : QMainWindow(parent),
      docTitle_(QStringLiteral("Tavo")),
      settings_(settings),
      recent_(settings) {
  if (settings_) device_ = settings_->value(kDeviceKey).toString();
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setWindowIcon(QIcon(AppIconImage(32)));
  // The frame's dialogs and message boxes show their captions whole.
  FitCaptionsOfAllDialogs();
  choosers_.openProject = [this] { return AskOpenProjectPath(this); };
  choosers_.oldProject = [this] { return AskOldProjectPath(this); };
  choosers_.bitmap = [this] { return AskBitmapPath(this); };

  view_ = new MainView(this);
  setCentralWidget(view_);
  BuildActions();
  BuildToolBar();
  BuildMenu();
  BuildStatusBar();
  InstallHandlers();
  view_->SetActionSource([this](int id) { return Action(id); });
  view_->SetBitmapChooser([this] { return choosers_.bitmap ? choosers_.bitmap() : QString(); });
  connect(view_, &MainView::Changed, this, &MainFrame::UpdateCommands);
  connect(view_, &MainView::ProtocolText, this, &MainFrame::SetProtocolPaneText);
  connect(view_, &MainView::StatusMessage, this,
          [this](const QString& text) { statusBar()->showMessage(text); });
  // Paste follows what the clipboard offers.
  connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &MainFrame::UpdateCommands);
  connect(view_, &MainView::ProjectTouched, this, [this] {
    if (preview_) preview_->ProjectMayHaveChanged();
  });
  setFixedSize(kFrameWidth, kFrameHeight);
  BuildCheckViews();
  SetDocumentTitle(docTitle_);
  UpdateCommands();
}

MainFrame::~MainFrame() {
  // The list hides as the window goes; nothing of the window is left to update.
  if (findings_) findings_->disconnect(this);
}

bool MainFrame::Create(bool allowSplash) {
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect area = screen->availableGeometry();
    move(area.center() - QPoint(kFrameWidth / 2, kFrameHeight / 2));
  }
  SetProtocolPaneText(tr(kNoProtocol));
  if (allowSplash) ShowSplash();
  if (!LoadEnglishFontAtStartup()) {
    CurrentPrompter().Message("Load Font Lib Failure", "", MessageIcon::Error);
    return false;
  }
  AcceptDroppedFiles();
  view_->InitialUpdate();
  UpdateCommands();
  return true;
}

// ---- commands ----------------------------------------------------------------

void MainFrame::BuildActions() {
  for (const CommandInfo& c : CommandTable()) {
    auto* a = new QAction(this);
    a->setText(CommandText(c.menuText ? c.menuText : c.tooltip));
    a->setIcon(ToolIcon(c.id));
    if (c.tooltip) a->setToolTip(CommandText(c.tooltip));
    a->setStatusTip(CommandText(c.prompt));
    if (c.key) {
      a->setShortcut(QKeySequence(QString::fromLatin1(c.key)));
      a->setShortcutContext(Qt::WindowShortcut);
    }
    if (InsertKindOf(c.id)) a->setCheckable(true);
    a->setData(c.id);
    connect(a, &QAction::triggered, this, [this, id = c.id] { Execute(id); });
    actions_[c.id] = a;
    addAction(a);  // keys work whatever has the focus
  }
}

void MainFrame::BuildToolBar() {
  toolBar_ = new QToolBar(this);
  toolBar_->setObjectName(QStringLiteral("toolBar"));
  toolBar_->setIconSize(QSize(kToolImageWidth, kToolImageHeight));
  toolBar_->setMovable(true);
  // Docked at a side, the bar would take width the fixed frame gives the
  // display and the pages, and most buttons would not fit its height: it
  // docks at the top or the bottom, or floats.
  toolBar_->setAllowedAreas(Qt::TopToolBarArea | Qt::BottomToolBarArea);
  for (int id : ToolbarLayout()) {
    if (id == 0) {
      toolBar_->addSeparator();
      continue;
    }
    QAction* a = actions_.at(id);
    if (toolBar_->actions().contains(a)) {
      // A second button of the same command needs an action of its own.
      QAction* twin = new QAction(a->icon(), a->text(), this);
      twin->setToolTip(a->toolTip());
      twin->setStatusTip(a->statusTip());
      twin->setData(id);
      connect(twin, &QAction::triggered, this, [this, id] { Execute(id); });
      twins_.emplace_back(id, twin);
      a = twin;
    }
    toolBar_->addAction(a);
  }
  addToolBar(Qt::TopToolBarArea, toolBar_);
}

void MainFrame::BuildMenu() {
  fileMenu_ = menuBar()->addMenu(tr("文件(&F)"));
  const auto& layout = FileMenuLayout();
  for (size_t i = 0; i < layout.size(); ++i) {
    if (layout[i] == 0) {
      QAction* sep = fileMenu_->addSeparator();
      if (i + 2 == layout.size()) recentSeparator_ = sep;  // the one before "退出"
      continue;
    }
    QAction* a = actions_.at(layout[i]);
    fileMenu_->addAction(a);
  }
  // Without a toolbar picture the menu shows none either.
  RebuildRecentMenu();
  BuildEditMenu();
  QMenu* viewMenu = menuBar()->addMenu(tr("查看(&V)"));
  viewMenu->setObjectName(QStringLiteral("viewMenu"));
  viewMenu->addAction(actions_.at(kCmdPreview));
  viewMenu->addSeparator();
  viewMenu->addAction(actions_.at(kCmdFindings));
  viewMenu->addAction(actions_.at(kCmdCrossReference));
  viewMenu->addSeparator();
  viewMenu->addMenu(BuildLanguageMenu(viewMenu, settings_));
}

void MainFrame::BuildEditMenu() {
  editMenu_ = menuBar()->addMenu(tr("编辑(&E)"));
  editMenu_->setObjectName(QStringLiteral("editMenu"));
  for (int id : EditMenuLayout()) {
    if (id == 0)
      editMenu_->addSeparator();
    else
      editMenu_->addAction(actions_.at(id));
  }
  actions_.at(kCmdRedo)->setShortcuts(
      {QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
}

void MainFrame::UpdateUndoTexts() {
  const std::string undo = view_->UndoName(), redo = view_->RedoName();
  // "撤销 粘贴元件(&U)": the step between the verb and its key.
  auto named = [](const QString& plain, const QString& withStep, const std::string& step) {
    return step.empty() ? plain : withStep.arg(QString::fromStdString(step));
  };
  actions_.at(kCmdUndo)->setText(named(tr("撤销(&U)"), tr("撤销 %1(&U)"), undo));
  actions_.at(kCmdRedo)->setText(named(tr("重做(&R)"), tr("重做 %1(&R)"), redo));
}

void MainFrame::CommitCommand(int id) {
  switch (id) {
    case kCmdSettings:
      view_->Commit(tr("设置Tavo").toStdString());
      break;
    case kCmdAlarmList:
      view_->Commit(tr("报警列表").toStdString());
      break;
    case kCmdPlc:
      view_->Commit(tr("PLC选择").toStdString());
      break;
    default:
      break;
  }
}

void MainFrame::RebuildRecentMenu() {
  for (QAction* a : recentActions_) {
    fileMenu_->removeAction(a);
    a->deleteLater();
  }
  recentActions_.clear();
  const QStringList& files = recent_.Files();
  for (int i = 0; i < files.size(); ++i) {
    auto* a = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(files[i]), fileMenu_);
    a->setStatusTip(tr("打开该文档"));
    connect(a, &QAction::triggered, this, [this, f = files[i]] { OnRecentFile(f); });
    fileMenu_->insertAction(recentSeparator_, a);
    recentActions_.push_back(a);
  }
  if (!files.isEmpty()) {
    QAction* sep = new QAction(fileMenu_);
    sep->setSeparator(true);
    fileMenu_->insertAction(recentActions_.front(), sep);
    recentActions_.insert(recentActions_.begin(), sep);
  }
}

QAction* MainFrame::Action(int id) const {
  auto it = actions_.find(id);
  return it == actions_.end() ? nullptr : it->second;
}

void MainFrame::SetCommandHandler(int id, std::function<void()> handler) {
  if (handler)
    handlers_[id] = std::move(handler);
  else
    handlers_.erase(id);
  UpdateCommands();
}

void MainFrame::InstallHandlers() {
  handlers_[kCmdNewProject] = [this] { OnNewProject(); };
  handlers_[kCmdOpen] = [this] { OnOpen(); };
  handlers_[kCmdSave] = [this] { OnSave(); };
  handlers_[kCmdSaveAs] = [this] { OnSaveAs(); };
  handlers_[kCmdImport] = [this] { OnImport(); };
  handlers_[kCmdExit] = [this] { OnExit(); };
  handlers_[kCmdPlc] = [this] { OnPlc(); };
  handlers_[kCmdComPort] = [this] { OnComPort(); };
  handlers_[kCmdDownload] = [this] { OnDownload(); };
  handlers_[kCmdPanelType] = [] {};  // accepted, does nothing
  handlers_[kCmdAbout] = [this] { ShowAbout(); };
  handlers_[kCmdPreview] = [this] { ShowPreview(); };
  for (int id :
       {kCmdLight, kCmdKey, kCmdText, kCmdDynamic, kCmdRegister, kCmdBar, kCmdTrend, kCmdPicture})
    handlers_[id] = [this, id] { view_->StartInsertion(InsertKindOf(id)); };
  handlers_[kCmdSettings] = [this] { PanelSettingsDialog::Run(this, CurrentProject()); };
  handlers_[kCmdAlarmList] = [this] { AlarmListDialog::Run(this, CurrentProject()); };
  handlers_[kCmdNewScreen] = [this] { view_->OnNewScreen(); };
  handlers_[kCmdCopyScreen] = [this] { view_->OnCopyScreen(); };
  handlers_[kCmdDeleteScreen] = [this] { view_->OnDeleteScreen(); };
  handlers_[kCmdCut] = [this] { view_->CutElement(); };
  handlers_[kCmdCopy] = [this] { view_->CopyElement(); };
  handlers_[kCmdPaste] = [this] { view_->PasteElement(); };
  handlers_[kCmdCopyScreenToClipboard] = [this] { view_->CopyScreenToClipboard(); };
  handlers_[kCmdPasteScreen] = [this] { view_->PasteScreen(); };
  handlers_[kCmdUndo] = [this] {
    view_->Undo();
    ShowProtocol();
  };
  handlers_[kCmdRedo] = [this] {
    view_->Redo();
    ShowProtocol();
  };
}

bool MainFrame::IsCommandEnabled(int id) const {
  if (!handlers_.count(id)) return false;
  const bool open = view_->ProjectOpen();
  switch (id) {
    case kCmdSave:
    case kCmdSaveAs:
    case kCmdPlc:
    case kCmdDownload:
    case kCmdNewScreen:
    case kCmdCopyScreen:
    case kCmdDeleteScreen:
    case kCmdSettings:
      return open;
    case kCmdAlarmList:
      return open && view_->AlarmTablesReady();
    case kCmdCut:
    case kCmdCopy:
      return view_->ElementSelected();
    case kCmdPaste:
      return view_->ClipboardHasElement();
    case kCmdCopyScreenToClipboard:
      return open;
    case kCmdPasteScreen:
      return view_->ClipboardHasScreen();
    case kCmdUndo:
      return view_->CanUndo();
    case kCmdRedo:
      return view_->CanRedo();
    case kCmdScreenProperties:
      return false;
    default:
      return InsertKindOf(id) ? open : true;
  }
}

bool MainFrame::IsCommandChecked(int id) const {
  if (id == kCmdFindings) return findings_ && !findings_->isHidden();
  const int kind = InsertKindOf(id);
  return kind && view_->InsertionPending(kind);
}

void MainFrame::Execute(int id) {
  UpdateCommands();
  if (!IsCommandEnabled(id)) return;
  // Any command ends the property-page edit under way: it is a step before
  // whatever the command does.
  view_->EndEdit();
  auto handler = handlers_.at(id);  // a copy: the handler may replace itself
  handler();
  CommitCommand(id);
  UpdateCommands();
}

void MainFrame::UpdateCommands() {
  const std::string title = CurrentProject().ShownTitle();
  const QString docTitle = title.empty() ? QStringLiteral("Tavo") : QString::fromStdString(title);
  if (docTitle != docTitle_) SetDocumentTitle(docTitle);
  setWindowModified(CurrentProject().HasProject() && CurrentProject().IsModified());
  UpdateUndoTexts();
  for (auto& [id, a] : actions_) {
    a->setEnabled(IsCommandEnabled(id));
    if (a->isCheckable()) a->setChecked(IsCommandChecked(id));
  }
  for (auto& [id, a] : twins_) a->setEnabled(IsCommandEnabled(id));
  // Every command and every change the view reports may have changed the
  // project or its current screen.
  if (preview_) preview_->ProjectMayHaveChanged();
  if (checker_) checker_->ProjectMayHaveChanged();
}

// ---- status bar ----------------------------------------------------------------

void MainFrame::BuildStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setSizeGripEnabled(false);  // the frame has a fixed size
  panes_[0] = new QLabel(tr(kReady), bar);
  bar->addWidget(panes_[0], 1);
  panes_[1] = new QLabel(bar);
  panes_[1]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  // Wide enough for every protocol's name with a driver version.
  int widest = 0;
  for (const std::string& name : ProtocolNames(AppliedLanguage()))
    widest = std::max(widest, panes_[1]->fontMetrics().horizontalAdvance(
                                  QString::fromStdString(name) + QStringLiteral(".255")));
  panes_[1]->setFixedWidth(
      std::max(kProtocolPaneWidth, widest + 2 * panes_[1]->frameWidth() + 2 * panes_[1]->margin()));
  bar->addPermanentWidget(panes_[1]);
  for (int i = 0; i < 3; ++i) {
    const QString name = tr(kLockNames[i]);
    panes_[2 + i] = new QLabel(name, bar);
    panes_[2 + i]->setAlignment(Qt::AlignCenter);
    panes_[2 + i]->setMinimumWidth(panes_[2 + i]->fontMetrics().horizontalAdvance(name) + 8);
    bar->addPermanentWidget(panes_[2 + i]);
  }
  for (QLabel* pane : panes_) pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  if (QueryLockKeys()) {
    lockTimer_ = new QTimer(this);
    connect(lockTimer_, &QTimer::timeout, this, &MainFrame::UpdateLockPanes);
    lockTimer_->start(300);
    UpdateLockPanes();
  }
}

void MainFrame::UpdateLockPanes() {
  auto states = QueryLockKeys();
  if (!states) return;
  panes_[2]->setEnabled(states->caps);
  panes_[3]->setEnabled(states->num);
  panes_[4]->setEnabled(states->scroll);
}

QString MainFrame::PaneText(int pane) const {
  if (pane < 0 || pane >= kPaneCount) return {};
  if (pane == 0) {
    QString message = const_cast<MainFrame*>(this)->statusBar()->currentMessage();
    if (!message.isEmpty()) return message;
  }
  return panes_[pane]->text();
}

void MainFrame::SetDownloadDevicePath(const QString& path) {
  device_ = path;
  if (settings_) settings_->setValue(kDeviceKey, path);
}

void MainFrame::SetProtocolPaneText(const QString& text) {
  panes_[1]->setText(text);
}

// ---- document ----------------------------------------------------------------

void MainFrame::SetDocumentTitle(const QString& title) {
  docTitle_ = title;
  // "[*]" shows while the project is modified.
  setWindowTitle(title + QStringLiteral("[*] - ") + AppTitle());
}

void MainFrame::ShowAbout() {
  AboutDialog dialog(this);
  dialog.exec();
}

PreviewWindow* MainFrame::Preview() const {
  return preview_.data();
}

void MainFrame::PlaceBeside(QWidget* window) const {
  // Right of the main window or else left, kept on its screen.
  const QSize size = window->frameGeometry().size();
  const QRect frame = frameGeometry();
  QPoint at = frame.topRight() + QPoint(8, 0);
  if (const QScreen* screen = this->screen()) {
    const QRect area = screen->availableGeometry();
    if (at.x() + size.width() > area.right() && frame.left() - 8 - size.width() >= area.left())
      at.setX(frame.left() - 8 - size.width());
    at.setX(std::max(area.left(), std::min(at.x(), area.right() - size.width())));
    at.setY(std::max(area.top(), std::min(at.y(), area.bottom() - size.height())));
  }
  window->move(at);
}

void MainFrame::ShowPreview() {
  if (!preview_) {
    preview_ = new PreviewWindow([this]() -> Project& { return CurrentProject(); }, this);
    preview_->adjustSize();
    PlaceBeside(preview_);
  }
  preview_->show();
  preview_->raise();
  preview_->activateWindow();
  preview_->Update();
}

// ---- closing -------------------------------------------------------------------

void MainFrame::closeEvent(QCloseEvent* event) {
  if (!closing_ && !view_->SaveModified()) {
    event->ignore();
    return;
  }
  closing_ = true;
  if (preview_) preview_->close();
  if (xref_) xref_->close();
  event->accept();
}

}  // namespace tavo::app
