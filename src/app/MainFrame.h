#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "app/FileDialogs.h"
#include "app/RecentFiles.h"

class QAction;
class QLabel;
class QMenu;
class QSettings;
class QTimer;
class QToolBar;

namespace tavo {
class Project;
}

namespace tavo::app {

class BudgetGauge;
class CrossReferenceWindow;
class FindingsDock;
class MainView;
class PreviewWindow;
class ProjectChecker;

enum class OpenResult { Opened, Refused, ReadFailed };

// The editor's single main window: menu, toolbar, status bar and the main view.
// Commands are routed to their handler; a command without one is shown
// disabled. The enable and check rules are applied after every command and
// every change the view reports.
class MainFrame : public QMainWindow {
  Q_OBJECT

 public:
  // `settings` holds the recent-file list (not owned; may be null).
  explicit MainFrame(QSettings* settings = nullptr, QWidget* parent = nullptr);
  ~MainFrame() override;

  // The creation steps after the widgets exist: centre on the screen, the
  // protocol pane, the splash window when allowed, the font-library check.
  // False, after "Load Font Lib Failure", when the English font library cannot
  // be read: the window must then not be used.
  bool Create(bool allowSplash);

  // ---- commands ----
  QAction* Action(int id) const;
  // Installs (or, with an empty function, removes) the action of a command.
  void SetCommandHandler(int id, std::function<void()> handler);
  bool IsCommandEnabled(int id) const;
  bool IsCommandChecked(int id) const;
  // Carries out a command as if the user chose it (nothing when disabled).
  void Execute(int id);
  void UpdateCommands();

  // ---- status bar: 0 message, 1 protocol, 2-4 Caps, Num and Scroll Lock ----
  static constexpr int kPaneCount = 5;
  QString PaneText(int pane) const;
  QLabel* Pane(int pane) const { return panes_[pane]; }
  void SetProtocolPaneText(const QString& text);

  // ---- the document ----
  // Title shown before " - Tavo画面设置工具": "Tavo" at start, "新文件" for a new
  // project, the file name of an opened or saved one.
  QString DocumentTitle() const { return docTitle_; }
  void SetDocumentTitle(const QString& title);
  void SetDocumentPath(const QString& path);

  MainView* View() const { return view_; }
  // The panel preview window, once the preview command opened it (null before).
  PreviewWindow* Preview() const;
  // The project check at idle, its findings list, the budget pane of the
  // status bar, and the cross-reference window once opened (null before).
  ProjectChecker* Checker() const { return checker_; }
  FindingsDock* Findings() const { return findings_; }
  BudgetGauge* Gauge() const { return gauge_; }
  CrossReferenceWindow* CrossReference() const;
  Project& CurrentProject() const;
  RecentFiles& Recent() { return recent_; }
  // The device path downloads go to (chosen in "选择通信口").
  QString DownloadDevicePath() const { return device_; }
  void SetDownloadDevicePath(const QString& path);
  // File choices go through these; tests replace them.
  FileChoosers& Choosers() { return choosers_; }

  // Opens a project file the way a file named on the command line or dropped
  // on the window is opened: the check (a refusal leaves the project as it
  // was), the read, then the file's path and title.
  OpenResult OpenDocumentFile(const QString& path);
  // Opens a file the desktop hands over (named on the command line by the
  // menu entry, or dropped on the window): an old project (0x03 "QSE") is
  // imported through the conversion dialog as "导入旧工程" imports it (a
  // refusal or cancel counts as Refused), anything else as OpenDocumentFile.
  OpenResult OpenHandedFile(const QString& path);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildActions();
  void BuildToolBar();
  void BuildMenu();
  void BuildEditMenu();
  // The undo and redo items name their step.
  void UpdateUndoTexts();
  // Records what a command changed as its step.
  void CommitCommand(int id);
  void BuildStatusBar();
  void InstallHandlers();
  void RebuildRecentMenu();
  void UpdateLockPanes();
  void ShowAbout();
  // Opens the preview window, or brings the open one to the front.
  void ShowPreview();
  // Moves a window of the editor's beside the main window.
  void PlaceBeside(QWidget* window) const;

  // File commands (MainFrameFile.cpp).
  void OnNewProject();
  void OnOpen();
  void OnSave();
  void OnSaveAs();
  void OnImport();
  // Converts an old project and opens the new file; false when it was not.
  bool ImportOldProjectFile(const QString& path);
  void OnExit();
  // Files dropped on the window (MainFrameDrop.cpp).
  void AcceptDroppedFiles();
  void OpenDroppedFiles(const QStringList& paths);
  void OnRecentFile(const QString& path);
  void AfterProjectRead(const QString& path);
  // The protocol pane after a project was created, read or given a protocol.
  void ShowProtocol();

  // The project check (MainFrameCheck.cpp).
  void BuildCheckViews();
  void ShowCheckResults();
  void ShowFindings(bool show);
  void ShowCrossReference();
  // The window keeps the view's size: a docked list adds its own.
  void FitToDocks();
  // Before a download: the errors of the check, shown in the list and asked
  // about; false when the user chose not to download.
  bool ConfirmDownloadErrors();

  // Communication commands (MainFrameComm.cpp).
  void OnPlc();
  void OnComPort();
  void OnDownload();

  MainView* view_ = nullptr;
  QPointer<PreviewWindow> preview_;
  ProjectChecker* checker_ = nullptr;
  FindingsDock* findings_ = nullptr;
  BudgetGauge* gauge_ = nullptr;
  QPointer<CrossReferenceWindow> xref_;
  QSize baseSize_;  // the window without docked lists
  QToolBar* toolBar_ = nullptr;
  QMenu* fileMenu_ = nullptr;
  QMenu* editMenu_ = nullptr;
  QAction* recentSeparator_ = nullptr;
  std::vector<QAction*> recentActions_;
  std::map<int, QAction*> actions_;
  std::vector<std::pair<int, QAction*>> twins_;  // further toolbar buttons of a command
  std::map<int, std::function<void()>> handlers_;
  std::array<QLabel*, kPaneCount> panes_{};
  QTimer* lockTimer_ = nullptr;
  QString docTitle_;
  QSettings* settings_ = nullptr;
  QString device_;
  RecentFiles recent_;
  FileChoosers choosers_;
  bool closing_ = false;
};

}  // namespace tavo::app
