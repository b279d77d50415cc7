#include "app/CaptionFit.h"

#include <QApplication>
#include <QBoxLayout>
#include <QDialog>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QMessageBox>
#include <QPointer>
#include <QSpacerItem>
#include <algorithm>

namespace tavo::app {

namespace {

// What a frame holds beside its caption: the window icon, up to five
// title-bar buttons and the padding around the caption.
constexpr int kFrameRoom = 150;
// What Qt puts between a title and the program's display name.
const char kNameSeparator[] = " \u2014 ";

// A zero-height item that gives a dialog's layout the width of its caption.
class CaptionRoom : public QSpacerItem {
 public:
  explicit CaptionRoom(int width)
      : QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed) {}
};

CaptionRoom* FindRoom(QLayout& layout) {
  for (int i = 0; i < layout.count(); ++i)
    if (auto* room = dynamic_cast<CaptionRoom*>(layout.itemAt(i))) return room;
  return nullptr;
}

// A row of its own below what the layout holds; false for a layout that
// sets its items side by side.
bool AddRoom(QLayout& layout, CaptionRoom* room) {
  if (auto* grid = qobject_cast<QGridLayout*>(&layout)) {
    grid->addItem(room, grid->rowCount(), 0, 1, std::max(1, grid->columnCount()));
    return true;
  }
  if (auto* form = qobject_cast<QFormLayout*>(&layout)) {
    form->addItem(room);  // a row across both columns
    return true;
  }
  auto* box = qobject_cast<QBoxLayout*>(&layout);
  if (box && (box->direction() == QBoxLayout::TopToBottom ||
              box->direction() == QBoxLayout::BottomToTop)) {
    box->addItem(room);
    return true;
  }
  return false;
}

// Fits every dialog as it is shown, and again when its caption changes.
class CaptionFitter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (type == QEvent::Show || type == QEvent::WindowTitleChange) {
      auto* dialog = qobject_cast<QDialog*>(watched);
      if (dialog && dialog->isWindow() && (type == QEvent::Show || dialog->isVisible()))
        FitCaption(*dialog);
    }
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

int CaptionWidth(const QString& title) {
  QString shown = title;
  // Qt adds the display name only when the program gave one (until then it
  // reports the application's name).
  const QString name = QGuiApplication::applicationDisplayName();
  if (!name.isEmpty() && name != QCoreApplication::applicationName() && !title.endsWith(name))
    shown += (title.isEmpty() ? QString() : QString::fromUtf8(kNameSeparator)) + name;
  QFont font = QApplication::font();
  font.setBold(true);
  return QFontMetrics(font).horizontalAdvance(shown) + kFrameRoom;
}

void FitCaption(QDialog& dialog) {
  const int needed = CaptionWidth(dialog.windowTitle());
  // A message box sets its own fixed size from its layout as it is shown, so
  // it always gets the room in its layout.
  const bool box = qobject_cast<QMessageBox*>(&dialog) != nullptr;
  if (!box && dialog.minimumWidth() == dialog.maximumWidth()) {
    if (dialog.width() < needed) dialog.setFixedWidth(needed);
    return;
  }
  QLayout* layout = dialog.layout();
  CaptionRoom* room = layout ? FindRoom(*layout) : nullptr;
  if (room) {
    room->changeSize(needed, 0, QSizePolicy::Minimum, QSizePolicy::Fixed);
    layout->invalidate();
  } else if (layout) {
    room = new CaptionRoom(needed);
    if (!AddRoom(*layout, room)) {
      delete room;
      room = nullptr;
    }
  }
  if (!room) {
    dialog.setMinimumWidth(std::max(dialog.minimumSizeHint().width(), needed));
    return;
  }
  // The window takes its new minimum before it is mapped.
  layout->activate();
}

void FitCaptionsOfAllDialogs() {
  static QPointer<CaptionFitter> fitter;
  if (fitter || !qApp) return;
  fitter = new CaptionFitter(qApp);
  qApp->installEventFilter(fitter);
}

}  // namespace tavo::app
