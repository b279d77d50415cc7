#include "app/DisplayWidget.h"

#include <QPainter>
#include <cstring>

#include "render/Canvas.h"

namespace tavo::app {

QImage CanvasImage(const Canvas& canvas) {
  QImage image(canvas.Width(), canvas.Height(), QImage::Format_RGB32);
  const auto& px = canvas.Pixels();
  for (int y = 0; y < canvas.Height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < canvas.Width(); ++x)
      line[x] = 0xFF000000u | px[static_cast<size_t>(y) * canvas.Width() + x];
  }
  return image;
}

DisplayWidget::DisplayWidget(QWidget* parent) : QWidget(parent) {
  setFixedSize(kDisplayWidth, kDisplayHeight);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

bool DisplayWidget::Render() {
  Canvas canvas;
  shown_ = painter_ && painter_(canvas);
  if (shown_) image_ = CanvasImage(canvas);
  return shown_;
}

QImage DisplayWidget::Snapshot() {
  if (!Render()) {
    QImage blank(width(), height(), QImage::Format_RGB32);
    blank.fill(palette().color(QPalette::Window));
    return blank;
  }
  return image_;
}

void DisplayWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (Render())
    p.drawImage(0, 0, image_);
  else
    p.fillRect(rect(), palette().color(QPalette::Window));
}

}  // namespace tavo::app
