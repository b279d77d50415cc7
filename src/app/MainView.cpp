#include "app/MainView.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QTableWidget>
#include <algorithm>

#include "app/Commands.h"
#include "app/DisplayWidget.h"
#include "app/ScreenDialogs.h"
#include "app/pages/PageArea.h"
#include "base/Gbk.h"
#include "plc/Catalogue.h"
#include "plc/ProtocolFiles.h"
#include "render/Canvas.h"

namespace tavo::app {

namespace {
// The parts of the view lie where the display's controller places them
// (model/DisplayView.h), so that its mouse positions match the widgets.
QRect ToQRect(const Rect& r) {
  return QRect(r.left, r.top, r.Width(), r.Height());
}
}  // namespace

MainView::MainView(QWidget* parent)
    : QWidget(parent),
      project_(std::make_unique<Project>()),
      history_(std::make_unique<EditHistory>(*project_)) {
  screenList_ = new QTableWidget(0, 2, this);
  screenList_->setObjectName(QStringLiteral("screenList"));
  screenList_->setGeometry(ToQRect(kViewScreenList));
  screenList_->setHorizontalHeaderLabels({tr("画面"), tr("描述")});
  // The columns fit the list: the number column holds "65535" and its
  // caption, the description takes the rest and is cut at the list's edge
  // instead of scrolling the number out of sight.
  const QFontMetrics metrics = screenList_->fontMetrics();
  screenList_->setColumnWidth(0, std::max(metrics.horizontalAdvance(QStringLiteral("65535")),
                                          metrics.horizontalAdvance(tr("画面"))) +
                                     16);
  screenList_->horizontalHeader()->setStretchLastSection(true);
  screenList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  screenList_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  screenList_->setTextElideMode(Qt::ElideRight);
  screenList_->horizontalHeader()->setHighlightSections(false);
  screenList_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  screenList_->verticalHeader()->hide();
  screenList_->verticalHeader()->setDefaultSectionSize(screenList_->fontMetrics().height() + 4);
  screenList_->setShowGrid(true);
  screenList_->setSelectionBehavior(QAbstractItemView::SelectRows);
  screenList_->setSelectionMode(QAbstractItemView::SingleSelection);
  screenList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  screenList_->setContextMenuPolicy(Qt::NoContextMenu);
  screenList_->installEventFilter(this);
  screenList_->viewport()->installEventFilter(this);
  connect(screenList_, &QTableWidget::currentCellChanged, this,
          [this](int row, int, int, int) { OnRowChosen(row); });
  connect(screenList_, &QTableWidget::cellClicked, this,
          [this](int row, int) { OnRowChosen(row); });

  frame_ = new QFrame(this);
  frame_->setGeometry(ToQRect(kViewDisplayFrame));
  frame_->setFrameStyle(QFrame::Box | QFrame::Sunken);
  frame_->setAttribute(Qt::WA_TransparentForMouseEvents);

  display_ = new DisplayWidget(this);
  display_->move(kViewDisplayArea.left, kViewDisplayArea.top);
  display_->SetPainter(
      [this](Canvas& canvas) { return ProjectOpen() && controller_.PaintDisplay(canvas); });
  controller_.onRepaint = [this](const Rect& r) {
    display_->update(ToQRect(r));
    emit ProjectTouched();
  };
  controller_.onFocusScreenList = [this] { screenList_->setFocus(); };
  controller_.m_history = history_.get();

  properties_ = new PageArea(this);
  properties_->setGeometry(ToQRect(kViewPropertyArea));
  properties_->SetScreenSource([this] { return project_->CurrentScreen(); });
  PageEnv env;
  env.repaint = [this] { RepaintDisplay(); };
  env.modified = [this] {
    project_->SetModified();
    if (!editOpen_) {
      editOpen_ = true;
      editName_ = tr("修改%1").arg(properties_->ShownPage()).toStdString();
      emit Changed();
    }
    emit ProjectTouched();
  };
  env.screenRowChanged = [this](const std::string& description) {
    const int row = project_->m_curScreen;
    if (QTableWidgetItem* item = screenList_->item(row, 1))
      item->setText(QString::fromStdString(GbkToUtf8(description)));
  };
  properties_->SetEnv(env);
  connect(properties_, &PageArea::LoadCorrected, this, &MainView::StatusMessage);
  SetPageHooks(properties_);
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
    // Leaving a control of a page ends its edit: the next one is a new step.
    if (editOpen_ && old && properties_->isAncestorOf(old)) EndEdit();
    // Ctrl is seen only while the view or the screen list has the keyboard;
    // a release elsewhere (in a dialog, another window) would never reach it.
    if (now != this && now != screenList_) controller_.ControlKey(false);
  });

  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
}

MainView::~MainView() {
  // Another editor window may have taken the hooks since.
  if (&CurrentPageHooks() == properties_) SetPageHooks(nullptr);
}

void MainView::InitialUpdate() {
  ProtocolFiles& files = CurrentProtocolFiles();
  files.LoadAtStartup(project_->m_settings);
  RefreshScreenList();
}

bool MainView::ProjectOpen() const {
  return controller_.m_projectOpen == 1;
}

bool MainView::AlarmTablesReady() const {
  return !CurrentProfile().m_alarmBitTypes.empty();
}

bool MainView::InsertionPending(int kind) const {
  return controller_.InsertChecked(static_cast<uint8_t>(kind));
}

void MainView::StartInsertion(int kind) {
  if (kind == kKindPicture) {
    controller_.StartPictureInsertion([this]() -> std::optional<std::string> {
      const QString path = bitmapChooser_ ? bitmapChooser_() : QString();
      if (path.isEmpty()) return std::nullopt;
      return path.toStdString();
    });
  } else {
    controller_.StartInsertion(static_cast<uint8_t>(kind));
  }
  emit Changed();
}

// ---- screen list ---------------------------------------------------------------

void MainView::RefreshScreenList() {
  fillingList_ = true;
  screenList_->setRowCount(0);
  const Project& p = *project_;
  screenList_->setRowCount(static_cast<int>(p.ScreenCount()));
  for (size_t i = 0; i < p.ScreenCount(); ++i) {
    const CMainView* s = p.ScreenAt(i);
    auto* number = new QTableWidgetItem(QStringLiteral(" %1").arg(s->m_number));
    auto* text = new QTableWidgetItem(QString::fromStdString(GbkToUtf8(s->m_description)));
    screenList_->setItem(static_cast<int>(i), 0, number);
    screenList_->setItem(static_cast<int>(i), 1, text);
  }
  fillingList_ = false;
  SelectCurrentRow();
}

void MainView::SelectCurrentRow() {
  fillingList_ = true;
  if (project_->ScreenCount() > 0) {
    const int row = project_->m_curScreen;
    screenList_->setCurrentCell(row, 0);
    screenList_->selectRow(row);
    if (screenList_->item(row, 0)) screenList_->scrollToItem(screenList_->item(row, 0));
  } else {
    screenList_->clearSelection();
  }
  fillingList_ = false;
}

void MainView::OnRowChosen(int row) {
  if (fillingList_) return;
  EndEdit();
  if (row < 0 || !controller_.ScreenListClick(static_cast<size_t>(row))) {
    SelectCurrentRow();
    return;
  }
  emit Changed();
}

void MainView::ShowScreenMenu(const QPoint& globalPos) {
  if (!actionOf_) return;
  QMenu menu(this);
  menu.setTitle(tr("功能"));
  menu.addAction(actionOf_(kCmdDeleteScreen));
  menu.addAction(actionOf_(kCmdCopyScreen));
  menu.addAction(actionOf_(kCmdCopyScreenToClipboard));
  menu.addAction(actionOf_(kCmdPasteScreen));
  menu.exec(globalPos + QPoint(0, 1));
}

// ---- screen commands ---------------------------------------------------------------

void MainView::OnNewScreen() {
  CMainView* current = project_->CurrentScreen();
  NewScreenDialog dialog(
      current ? current->m_number : 0,
      [this](uint16_t number, const std::string& description) {
        return project_->NewScreen(number, description);
      },
      this);
  if (dialog.exec() != QDialog::Accepted) return;
  Commit(tr("新建画面").toStdString());
  RefreshScreenList();
  RepaintDisplay();
  emit Changed();
}

void MainView::OnCopyScreen() {
  CMainView* current = project_->CurrentScreen();
  if (!current) return;
  CopyScreenDialog dialog(current->m_number, this);
  if (dialog.exec() != QDialog::Accepted) return;
  project_->CopyScreen(dialog.Target());
  Commit(tr("复制画面").toStdString());
  RefreshScreenList();
  RepaintDisplay();
  emit Changed();
}

void MainView::OnDeleteScreen() {
  project_->DeleteScreen();
  Commit(tr("删除画面").toStdString());
  RefreshScreenList();
  RepaintDisplay();
  emit Changed();
}

void MainView::DeleteKey() {
  if (!ProjectOpen()) return;
  EndEdit();
  controller_.DeleteKey();
  RefreshScreenList();
  RepaintDisplay();
  emit Changed();
}

bool MainView::SaveModified() {
  EndEdit();
  if (!project_->SaveModified()) return false;
  if (!project_->IsModified()) Saved();
  return true;
}

void MainView::ProjectReplaced() {
  editOpen_ = false;
  controller_.SetProject(project_.get());
  history_->Reset();
  RefreshScreenList();
  properties_->ShowScreenPage();
  RepaintDisplay();
  emit Changed();
}

// ---- undo ------------------------------------------------------------------------

void MainView::EndEdit() {
  controller_.FinishGesture();
  if (!editOpen_) return;
  editOpen_ = false;
  properties_->RunIdle();  // the consequences of the edit belong to it
  history_->Commit(editName_);
  emit Changed();
}

void MainView::Commit(const char* step) {
  history_->Commit(step);
}

std::string MainView::UndoName() const {
  return editOpen_ ? editName_ : history_->UndoName();
}

std::string MainView::RedoName() const {
  return editOpen_ ? std::string() : history_->RedoName();
}

bool MainView::CanUndo() const {
  return ProjectOpen() && (editOpen_ || history_->CanUndo());
}

bool MainView::CanRedo() const {
  return ProjectOpen() && !editOpen_ && history_->CanRedo();
}

void MainView::Undo() {
  EndEdit();
  // The pages let go of the elements the history is about to rebuild.
  properties_->LetGo();
  history_->Undo();
  ShowRestored();
}

void MainView::Redo() {
  EndEdit();
  properties_->LetGo();
  history_->Redo();
  ShowRestored();
}

void MainView::Saved() {
  history_->MarkClean();
}

void MainView::ShowRestored() {
  controller_.FinishGesture();
  controller_.m_dragging = 0;
  RefreshScreenList();
  if (CBase* element = project_->SelectedElement()) {
    element->ShowPage();
    element->LoadPage();
  } else {
    properties_->ShowScreenPage();
  }
  RepaintDisplay();
  emit Changed();
}

void MainView::RepaintDisplay() {
  display_->update();
  emit ProjectTouched();
}

// ---- mouse and keys -------------------------------------------------------------------

namespace {
Point ViewPoint(const QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  return {p.x(), p.y()};
}
}  // namespace

void MainView::AfterMouse() {
  setCursor(controller_.HandCursor() ? Qt::PointingHandCursor : Qt::ArrowCursor);
  emit Changed();
}

void MainView::mousePressEvent(QMouseEvent* event) {
  EndEdit();
  if (event->button() == Qt::LeftButton) {
    controller_.LeftButtonDown(ViewPoint(event));
    AfterMouse();
  } else if (event->button() == Qt::RightButton) {
    controller_.RightButtonDown();
    AfterMouse();
  }
  QWidget::mousePressEvent(event);
}

void MainView::mouseMoveEvent(QMouseEvent* event) {
  controller_.MouseMove(ViewPoint(event));
  setCursor(controller_.HandCursor() ? Qt::PointingHandCursor : Qt::ArrowCursor);
  QWidget::mouseMoveEvent(event);
}

void MainView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    controller_.LeftButtonUp();  // a placement or a drag becomes its step
    emit Changed();
  }
  QWidget::mouseReleaseEvent(event);
}

bool MainView::HandleKey(QKeyEvent* event) {
  if (event->key() == Qt::Key_Control) {
    controller_.ControlKey(event->type() == QEvent::KeyPress);
    return false;
  }
  if (event->type() != QEvent::KeyPress) return false;
  if (event->key() == Qt::Key_Delete) {
    DeleteKey();
    return true;
  }
  // The arrows move a selected element: a grid step (4 panel pixels), with
  // Shift one panel pixel. Without a selection they are the screen list's.
  const int step = event->modifiers() & Qt::ShiftModifier ? 1 : 4;
  int dx = 0, dy = 0;
  switch (event->key()) {
    case Qt::Key_Left:
      dx = -step;
      break;
    case Qt::Key_Right:
      dx = step;
      break;
    case Qt::Key_Up:
      dy = -step;
      break;
    case Qt::Key_Down:
      dy = step;
      break;
    default:
      return false;
  }
  if (!ElementSelected()) return false;
  EndEdit();
  controller_.ArrowKey(dx, dy);
  emit Changed();
  return true;
}

void MainView::keyPressEvent(QKeyEvent* event) {
  if (!HandleKey(event)) QWidget::keyPressEvent(event);
}

void MainView::keyReleaseEvent(QKeyEvent* event) {
  if (!HandleKey(event)) QWidget::keyReleaseEvent(event);
}

bool MainView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == screenList_ &&
      (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
    if (HandleKey(static_cast<QKeyEvent*>(event))) return true;
  }
  if (watched == screenList_->viewport()) {
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() == Qt::RightButton) {
        // A right press anywhere in the view also ends a pending insertion.
        controller_.RightButtonDown();
        // The menu acts on the current screen: the row under the mouse
        // becomes it first.
        const int row = screenList_->rowAt(mouse->position().toPoint().y());
        if (row >= 0 && row != project_->m_curScreen) {
          OnRowChosen(row);
          SelectCurrentRow();
        }
        emit Changed();
        ShowScreenMenu(mouse->globalPosition().toPoint());
        return true;
      }
      if (event->type() == QEvent::MouseButtonDblClick) return true;  // ignored
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace tavo::app
