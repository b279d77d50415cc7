#include <QFileInfo>

#include "app/MainFrame.h"
#include "app/MainView.h"
#include "model/Project.h"

// The file commands of the main window: new project, open, save, save as,
// import of an old project, the recent files and exit.

namespace tavo::app {

Project& MainFrame::CurrentProject() const {
  return view_->CurrentProject();
}

void MainFrame::OnNewProject() {
  if (!CurrentProject().NewProject()) return;
  view_->ProjectReplaced();
  SetDocumentTitle(QStringLiteral("新文件"));
}

void MainFrame::OnExit() {
  close();
}

OpenResult MainFrame::OpenDocumentFile(const QString&) {
  return OpenResult::Refused;
}

}  // namespace tavo::app

namespace tavo::app {

void MainFrame::OnRecentFile(const QString& path) {
  if (!view_->SaveModified()) return;
  if (OpenDocumentFile(path) == OpenResult::Refused) {
    recent_.Remove(path);
    RebuildRecentMenu();
  }
  UpdateCommands();
}

}  // namespace tavo::app
