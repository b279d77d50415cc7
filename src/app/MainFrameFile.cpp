#include <QFileInfo>

#include "app/FileDialogs.h"
#include "app/ImportDialog.h"
#include "app/MainFrame.h"
#include "app/MainView.h"
#include "model/OldProjectImport.h"
#include "model/Project.h"
#include "model/ProjectFile.h"

// The file commands of the main window: new project, open, save, save as,
// import of an old project, the recent files and exit.

namespace tavo::app {

Project& MainFrame::CurrentProject() const {
  return view_->CurrentProject();
}

void MainFrame::OnNewProject() {
  if (!CurrentProject().NewProject()) return;
  // The protocol's driver sets the settings' position in the protocol file
  // first: the history starts from the project as it then is.
  ShowProtocol();
  view_->ProjectReplaced();
}

OpenResult MainFrame::OpenDocumentFile(const QString& path) {
  const std::string file = path.toStdString();
  if (!CheckProjectFile(file)) return OpenResult::Refused;
  if (!ReadProjectFile(CurrentProject(), file)) return OpenResult::ReadFailed;
  AfterProjectRead(path);
  return OpenResult::Opened;
}

void MainFrame::AfterProjectRead(const QString& path) {
  ShowProtocol();  // before the history starts, as for a new project
  view_->ProjectReplaced();
  recent_.Add(path);
  RebuildRecentMenu();
  UpdateCommands();
}

void MainFrame::OnOpen() {
  const QString path = choosers_.openProject ? choosers_.openProject() : QString();
  if (path.isEmpty() || !view_->SaveModified()) return;
  if (OpenDocumentFile(path) == OpenResult::Refused) {
    recent_.Remove(path);
    RebuildRecentMenu();
  }
}

void MainFrame::OnSave() {
  Project& project = CurrentProject();
  if (!project.m_save || !project.m_save(project)) return;
  view_->Saved();
  recent_.Add(QString::fromStdString(project.m_path));
  RebuildRecentMenu();
}

void MainFrame::OnSaveAs() {
  Project& project = CurrentProject();
  const std::string proposed =
      project.m_path.empty() ? project.ShownTitle() + ".orx" : project.m_path;
  auto path = CurrentPrompter().ChooseSavePath(proposed);
  if (!path || path->empty()) return;
  if (!SaveProjectFile(project, *path)) return;
  view_->Saved();
  recent_.Add(QString::fromStdString(project.m_path));
  RebuildRecentMenu();
}

void MainFrame::OnImport() {
  const QString path = choosers_.oldProject ? choosers_.oldProject() : QString();
  if (path.isEmpty()) return;
  ImportOldProjectFile(path);
}

bool MainFrame::ImportOldProjectFile(const QString& path) {
  ImportRequest request;
  request.oldPath = path.toStdString();
  request.confirm = [this] {
    ImportDialog dialog(this);
    return dialog.exec() == QDialog::Accepted;
  };
  if (ImportOldProject(CurrentProject(), request) != ImportStatus::kImported) return false;
  AfterProjectRead(QString::fromStdString(CurrentProject().m_path));
  return true;
}

void MainFrame::OnExit() {
  close();
}

void MainFrame::OnRecentFile(const QString& path) {
  if (!view_->SaveModified()) return;
  if (OpenDocumentFile(path) == OpenResult::Refused) {
    recent_.Remove(path);
    RebuildRecentMenu();
  }
  UpdateCommands();
}

}  // namespace tavo::app
