#include "app/BudgetGauge.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStatusBar>
#include <algorithm>

namespace tavo::app {

namespace {

QString Bytes(long long n) {
  return QString::fromStdString(GroupedNumber(n));
}

QString Tip(const ImageBudget& b) {
  QString tip;
  switch (b.Level()) {
    case BudgetLevel::kFits:
      tip = QCoreApplication::translate("tavo::app::BudgetGauge", "剩余 %1 字节")
                .arg(Bytes(b.Remaining()));
      break;
    case BudgetLevel::kNearLimit:
      tip = QCoreApplication::translate("tavo::app::BudgetGauge", "剩余 %1 字节，接近上限")
                .arg(Bytes(b.Remaining()));
      break;
    case BudgetLevel::kOverLimit:
      tip = QCoreApplication::translate("tavo::app::BudgetGauge", "超出上限 %1 字节，无法下载")
                .arg(Bytes(-b.Remaining()));
      break;
  }
  return tip + QCoreApplication::translate("tavo::app::BudgetGauge",
                                           "\n汉字 %1 个, 字符 %2 个, 按键图形 %3 个")
                   .arg(b.wideGlyphCount)
                   .arg(b.narrowGlyphCount)
                   .arg(b.keyPictureCount);
}

}  // namespace

BudgetGauge::BudgetGauge(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("budgetGauge"));
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setCursor(Qt::PointingHandCursor);
  hide();
}

QColor BudgetGauge::LevelColor(BudgetLevel level) {
  switch (level) {
    case BudgetLevel::kFits:
      return QColor(0x9c, 0xd0, 0x94);
    case BudgetLevel::kNearLimit:
      return QColor(0xf0, 0xb8, 0x40);
    case BudgetLevel::kOverLimit:
      break;
  }
  return QColor(0xe0, 0x5a, 0x4c);
}

void BudgetGauge::SetBudget(const std::optional<ImageBudget>& budget) {
  if (!budget) {
    text_.clear();
    setToolTip({});
    hide();
    return;
  }
  const ImageBudget& b = *budget;
  text_ =
      tr("画面数据 %1 / %2 字节")
          .arg(Bytes(static_cast<long long>(b.Total())), Bytes(static_cast<long long>(b.limit)));
  level_ = b.Level();
  share_ = b.limit ? std::min(1.0, double(b.Total()) / double(b.limit)) : 1.0;
  setToolTip(Tip(b));
  // The status bar would squeeze it before the message pane.
  setMinimumWidth(sizeHint().width());
  updateGeometry();
  show();
  if (auto* bar = qobject_cast<QStatusBar*>(parentWidget());
      bar && !bar->currentMessage().isEmpty()) {
    // A message shows: the status bar shows the gauge again when it ends.
    hide();
    setAttribute(Qt::WA_WState_ExplicitShowHide, false);
  }
  update();
}

QSize BudgetGauge::sizeHint() const {
  // Wide enough for the limit's own digits, so that the pane keeps its width
  // while the project grows.
  const QFontMetrics m = fontMetrics();
  const int text = std::max(m.horizontalAdvance(text_),
                            m.horizontalAdvance(tr("画面数据 32,767 / 32,767 字节")));
  return {text + 2 * frameWidth() + 20, m.height() + 2 * frameWidth()};
}

void BudgetGauge::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter p(this);
  const QRect inside = contentsRect();
  p.fillRect(inside, palette().base());
  QRect bar = inside;
  bar.setWidth(static_cast<int>(inside.width() * share_ + 0.5));
  p.fillRect(bar, LevelColor(level_));
  p.setPen(palette().color(QPalette::Text));
  p.drawText(inside, Qt::AlignCenter, text_);
}

void BudgetGauge::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit Clicked();
  QFrame::mousePressEvent(event);
}

}  // namespace tavo::app
