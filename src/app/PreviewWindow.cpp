#include "app/PreviewWindow.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "app/DisplayWidget.h"
#include "app/PreviewCompile.h"
#include "app/PreviewKeypad.h"
#include "app/PreviewLink.h"
#include "app/PreviewValues.h"
#include "model/Project.h"
#include "model/Screen.h"
#include "render/Canvas.h"

namespace tavo::app {

using panel::PanelKey;
using panel::PanelView;

namespace {

// The project is looked at this long after the last change, so that a drag
// or typing compiles once.
constexpr int kChangeDelayMs = 200;
// The panel's time (trend sampling, screen saver, clock) moves this often.
constexpr int kClockMs = 100;

const char kNoProject[] = QT_TRANSLATE_NOOP("tavo::app::PreviewWindow", "没有打开的工程");

// Paints the window's display picture, framed as the panel's glass.
class PreviewDisplay : public QWidget {
 public:
  PreviewDisplay(const QImage& image, QWidget* parent) : QWidget(parent), image_(image) {
    setObjectName(QStringLiteral("previewDisplay"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    // A click on the display gives the keyboard back to the panel's keys.
    setFocusPolicy(Qt::ClickFocus);
  }
  static constexpr int kBorder = 4;
  void Fit(int zoom) {
    setFixedSize(panel::PanelBitmap::kWidth * zoom + 2 * kBorder,
                 panel::PanelBitmap::kHeight * zoom + 2 * kBorder);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), QColor(24, 24, 24));
    p.drawImage(kBorder, kBorder, image_);
  }

 private:
  const QImage& image_;
};

QString ViewName(const panel::PanelRuntime& rt) {
  switch (rt.View()) {
    case PanelView::Screen:
      return rt.CurrentScreen() ? QCoreApplication::translate("tavo::app::PreviewWindow", "画面 %1")
                                      .arg(*rt.CurrentScreen())
                                : QString();
    case PanelView::AlarmList:
      return QCoreApplication::translate("tavo::app::PreviewWindow", "报警列表");
    case PanelView::Clock:
      return QCoreApplication::translate("tavo::app::PreviewWindow", "时间日期");
    case PanelView::Saver:
      return QCoreApplication::translate("tavo::app::PreviewWindow", "屏幕保护");
    case PanelView::Nothing:
      break;
  }
  return {};
}

}  // namespace

PreviewWindow::PreviewWindow(std::function<Project&()> project, QWidget* parent)
    : QWidget(parent, Qt::Window), project_(std::move(project)) {
  setObjectName(QStringLiteral("previewWindow"));
  setWindowTitle(tr("面板预览"));
  setAttribute(Qt::WA_DeleteOnClose, false);
  setFocusPolicy(Qt::StrongFocus);

  auto* top = new QHBoxLayout;
  top->addWidget(new QLabel(tr("缩放:"), this));
  zoomBox_ = new QComboBox(this);
  zoomBox_->setObjectName(QStringLiteral("previewZoom"));
  for (int z = 1; z <= kMaxZoom; ++z) zoomBox_->addItem(QStringLiteral("%1x").arg(z), z);
  zoomBox_->setCurrentIndex(zoom_ - 1);
  zoomBox_->setFocusPolicy(Qt::ClickFocus);
  connect(zoomBox_, &QComboBox::currentIndexChanged, this,
          [this](int index) { SetZoom(index + 1); });
  top->addWidget(zoomBox_);
  top->addStretch(1);

  auto* display = new PreviewDisplay(image_, this);
  display->Fit(zoom_);
  display_ = display;

  keypad_ = new PreviewKeypad(this);
  connect(keypad_, &PreviewKeypad::KeyDown, this, &PreviewWindow::OnKeyDown);
  connect(keypad_, &PreviewKeypad::KeyUp, this, &PreviewWindow::OnKeyUp);

  values_ = new PreviewValues(runtime_, this);
  values_->setMinimumSize(280, 150);
  connect(values_, &PreviewValues::ValueWritten, this, [this] {
    note_.clear();
    Repaint();
  });
  connect(values_, &PreviewValues::ValueRefused, this, [this](const QString& reason) {
    note_ = reason;
    ShowStatus();
  });

  link_ = new PreviewLink(runtime_, this);
  connect(link_, &PreviewLink::LinkChanged, this, [this] {
    if (link_->Linked())
      values_->SetStates([this](const panel::PlcKey& key) { return link_->ItemState(key); });
    else
      values_->SetStates({});
    values_->Refresh();
    Repaint();
  });

  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("previewStatus"));
  status_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  status_->setWordWrap(true);
  status_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(keypad_, 0, Qt::AlignTop);
  bottom->addWidget(values_, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(link_);
  layout->addWidget(display_, 0, Qt::AlignHCenter);
  layout->addLayout(bottom, 1);
  layout->addWidget(status_);

  changeTimer_ = new QTimer(this);
  changeTimer_->setSingleShot(true);
  changeTimer_->setInterval(kChangeDelayMs);
  connect(changeTimer_, &QTimer::timeout, this, &PreviewWindow::Update);
  clockTimer_ = new QTimer(this);
  clockTimer_->setInterval(kClockMs);
  connect(clockTimer_, &QTimer::timeout, this, &PreviewWindow::OnTimer);

  Repaint();
}

PreviewWindow::~PreviewWindow() {
  // The link ends before the runtime it serves, without telling the window.
  link_->blockSignals(true);
  link_->DisconnectLink();
}

// ---- following the editor ----------------------------------------------------

void PreviewWindow::ProjectMayHaveChanged() {
  if (isVisible()) changeTimer_->start();
}

bool PreviewWindow::ChangePending() const {
  return changeTimer_->isActive();
}

void PreviewWindow::Update() {
  changeTimer_->stop();
  Project& project = project_();
  if (!project.HasProject()) {
    hasProject_ = false;
    snapshot_.clear();
    runtime_.Load({});
    link_->ImageChanged();
    compileReason_ = tr(kNoProject);
    editorScreen_.reset();
  } else {
    std::vector<uint8_t> snapshot = PreviewSnapshot(project);
    if (!hasProject_ || snapshot != snapshot_)
      Recompile(std::move(snapshot));
    else
      FollowEditorScreen(false);
  }
  values_->Refresh();
  Repaint();
}

void PreviewWindow::Recompile(std::vector<uint8_t> snapshot) {
  // The new image knows nothing of the keys held now: their momentary coils
  // are let go first, or they would stay set.
  ReleaseHeldKeys();
  hasProject_ = true;
  ++compiles_;
  const PreviewImage compiled = CompilePreview(snapshot);
  snapshot_ = std::move(snapshot);
  note_.clear();
  if (!compiled.ok) {
    // What the panel would keep showing is unknown: the display stays dark
    // and the status line says why.
    compiled_ = false;
    compileReason_ = QString::fromStdString(compiled.reason);
    runtime_.Load({});
    editorScreen_.reset();
    link_->ImageChanged();
    return;
  }
  compiled_ = true;
  compileReason_.clear();
  runtime_.Load(compiled.image);
  FollowEditorScreen(true);
  link_->ImageChanged();
}

void PreviewWindow::FollowEditorScreen(bool force) {
  const CMainView* screen = project_().CurrentScreen();
  if (!screen) return;
  const uint16_t number = screen->m_number;
  if (!force && editorScreen_ == number) return;
  editorScreen_ = number;
  runtime_.ShowScreen(number);
}

// ---- the panel at work ----------------------------------------------------------

void PreviewWindow::OnKeyDown(PanelKey key) {
  note_.clear();
  runtime_.KeyDown(key);
  values_->Refresh();
  Repaint();
}

void PreviewWindow::OnKeyUp(PanelKey key) {
  runtime_.KeyUp(key);
  values_->Refresh();
  Repaint();
}

void PreviewWindow::OnTimer() {
  const qint64 elapsed = clock_.isValid() ? clock_.restart() : 0;
  if (!clock_.isValid()) clock_.start();
  Tick(std::chrono::milliseconds(std::clamp<qint64>(elapsed, 0, 10 * kClockMs)));
}

void PreviewWindow::Tick(std::chrono::milliseconds elapsed) {
  const uint64_t revision = runtime_.Source().Revision();
  const auto screen = runtime_.CurrentScreen();
  const PanelView view = runtime_.View();
  // What a live PLC sent since: never waited for, only taken over.
  const bool linkChanged = link_->Sync();
  runtime_.Advance(elapsed);
  if (linkChanged || runtime_.Source().Revision() != revision ||
      runtime_.CurrentScreen() != screen || runtime_.View() != view)
    values_->Refresh();
  Repaint();
}

void PreviewWindow::SetZoom(int zoom) {
  zoom = std::clamp(zoom, 1, kMaxZoom);
  if (zoomBox_->currentIndex() != zoom - 1) zoomBox_->setCurrentIndex(zoom - 1);
  if (zoom == zoom_) return;
  zoom_ = zoom;
  static_cast<PreviewDisplay*>(display_)->Fit(zoom_);
  image_ = {};  // drawn again at the new size
  Repaint();
  adjustSize();
}

void PreviewWindow::Repaint() {
  // A key, a screen change or a new image may change what the PLC link polls.
  link_->Follow();
  const panel::PanelBitmap bitmap = runtime_.Render();
  if (image_.isNull() || !(bitmap == shown_)) {
    shown_ = bitmap;
    image_ = CanvasImage(bitmap.ToCanvas(zoom_));
    display_->update();
  }
  ShowStatus();
}

QString PreviewWindow::StatusText() const {
  return status_->text();
}

void PreviewWindow::ShowStatus() {
  QStringList parts;
  if (!compileReason_.isEmpty()) {
    parts << compileReason_;
  } else if (!runtime_.Ready()) {
    parts << QString::fromStdString(runtime_.Notice());
  } else {
    const QString view = ViewName(runtime_);
    if (!view.isEmpty()) parts << view;
    parts << tr("图像 %1 字节").arg(runtime_.Image().Size());
    if (!runtime_.Status().empty()) parts << QString::fromStdString(runtime_.Status());
    // The first few problems; the rest are counted.
    const std::vector<std::string> problems = runtime_.Problems();
    constexpr size_t kShownProblems = 3;
    for (size_t i = 0; i < problems.size() && i < kShownProblems; ++i)
      parts << QString::fromStdString(problems[i]);
    if (problems.size() > kShownProblems)
      parts << tr("另有 %1 个问题").arg(problems.size() - kShownProblems);
  }
  if (link_->Linked()) parts << link_->StatusText();
  if (!link_->Note().isEmpty()) parts << link_->Note();
  if (!note_.isEmpty()) parts << note_;
  const QString text = parts.join(QStringLiteral(" · "));
  if (status_->text() != text) status_->setText(text);
}

// ---- the window ----------------------------------------------------------------------

void PreviewWindow::keyPressEvent(QKeyEvent* event) {
  const auto key = PanelKeyOfKeyboard(event->key());
  if (!key || event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
    QWidget::keyPressEvent(event);
    return;
  }
  const bool down =
      std::any_of(held_.begin(), held_.end(), [&](const HeldKey& h) { return h.key == *key; });
  if (event->isAutoRepeat() || down) return;
  held_.push_back({*key, event->nativeScanCode()});
  OnKeyDown(*key);
}

void PreviewWindow::keyReleaseEvent(QKeyEvent* event) {
  // A held key is let go whatever modifiers came down meanwhile (Ctrl, or
  // Shift turning "1" into "!"), or its coil would stay set and the key
  // would take no further press.
  auto it = held_.end();
  if (event->nativeScanCode() != 0)
    it = std::find_if(held_.begin(), held_.end(),
                      [&](const HeldKey& h) { return h.scanCode == event->nativeScanCode(); });
  if (it == held_.end()) {
    const auto key = PanelKeyOfKeyboard(event->key());
    if (key)
      it =
          std::find_if(held_.begin(), held_.end(), [&](const HeldKey& h) { return h.key == *key; });
  }
  if (it == held_.end()) {
    QWidget::keyReleaseEvent(event);
    return;
  }
  if (event->isAutoRepeat()) return;
  const PanelKey key = it->key;
  held_.erase(it);
  OnKeyUp(key);
}

void PreviewWindow::ReleaseHeldKeys() {
  // A momentary coil must not stay set because its key's release went elsewhere.
  keypad_->ReleaseAll();
  while (!held_.empty()) {
    const PanelKey key = held_.back().key;
    held_.pop_back();
    OnKeyUp(key);
  }
}

void PreviewWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && !isActiveWindow()) ReleaseHeldKeys();
  QWidget::changeEvent(event);
}

void PreviewWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  clock_.start();
  clockTimer_->start();
  Update();
}

void PreviewWindow::hideEvent(QHideEvent* event) {
  ReleaseHeldKeys();
  // Nobody looks: the PLC is no longer polled.
  link_->DisconnectLink();
  clockTimer_->stop();
  changeTimer_->stop();
  QWidget::hideEvent(event);
}

}  // namespace tavo::app
