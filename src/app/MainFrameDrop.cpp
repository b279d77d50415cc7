#include <QApplication>
#include <QDragEnterEvent>
#include <QFile>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <span>

#include "app/MainFrame.h"
#include "app/MainView.h"
#include "model/OldProject.h"

// Files handed over by the desktop: named on the command line by the menu
// entry, or dropped on the main window from a file manager. The drag is
// taken for the window wherever it is over it: the text boxes of the
// property pages would otherwise take a file manager's drag as text and type
// the file's path into the element.

namespace tavo::app {

namespace {

// The local files a drag carries; empty when it carries none.
QStringList LocalFiles(const QMimeData* mime) {
  QStringList paths;
  if (!mime || !mime->hasUrls()) return paths;
  for (const QUrl& url : mime->urls())
    if (url.isLocalFile()) paths.push_back(url.toLocalFile());
  return paths;
}

bool IsOldProjectFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  const QByteArray head = file.read(4);
  return HasOldProjectMark(std::span(reinterpret_cast<const uint8_t*>(head.constData()),
                                     static_cast<size_t>(head.size())));
}

bool IsDragEvent(const QEvent* event) {
  const QEvent::Type t = event->type();
  return t == QEvent::DragEnter || t == QEvent::DragMove || t == QEvent::Drop;
}

}  // namespace

void MainFrame::AcceptDroppedFiles() {
  setAcceptDrops(true);
  qApp->installEventFilter(this);
}

void MainFrame::dragEnterEvent(QDragEnterEvent* event) {
  if (!LocalFiles(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainFrame::dragMoveEvent(QDragMoveEvent* event) {
  if (!LocalFiles(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainFrame::dropEvent(QDropEvent* event) {
  const QStringList paths = LocalFiles(event->mimeData());
  if (paths.isEmpty()) return;
  event->acceptProposedAction();
  // Opened once the drop has returned: the file manager is told the drop
  // is done instead of waiting for the questions and messages of opening.
  QTimer::singleShot(0, this, [this, paths] { OpenDroppedFiles(paths); });
}

bool MainFrame::eventFilter(QObject* watched, QEvent* event) {
  if (!IsDragEvent(event)) return QMainWindow::eventFilter(watched, event);
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget || widget == this || widget->window() != this) return false;
  auto* drag = static_cast<QDropEvent*>(event);  // enter and move events are drop events
  if (LocalFiles(drag->mimeData()).isEmpty()) return false;
  if (event->type() == QEvent::Drop)
    dropEvent(drag);
  else
    drag->acceptProposedAction();
  return true;
}

OpenResult MainFrame::OpenHandedFile(const QString& path) {
  if (IsOldProjectFile(path))
    return ImportOldProjectFile(path) ? OpenResult::Opened : OpenResult::Refused;
  return OpenDocumentFile(path);
}

void MainFrame::OpenDroppedFiles(const QStringList& paths) {
  activateWindow();
  // As with the shell's drop: every file is opened in turn, each one
  // offering to save what it replaces (the import asks that itself).
  for (const QString& path : paths) {
    if (!IsOldProjectFile(path) && !view_->SaveModified()) break;
    OpenHandedFile(path);
  }
  UpdateCommands();
}

}  // namespace tavo::app
