#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

namespace tavo {
class Canvas;
}

namespace tavo::app {

// Shows the simulated display, 432 x 144 pixels, as the core paints it. Mouse
// events pass through to the view, which forwards them in view coordinates.
class DisplayWidget : public QWidget {
  Q_OBJECT

 public:
  explicit DisplayWidget(QWidget* parent = nullptr);

  // Paints the display into the canvas; false when there is nothing to show
  // (no current screen), which leaves the widget blank.
  void SetPainter(std::function<bool(Canvas&)> painter) { painter_ = std::move(painter); }

  // What the widget shows now (repainted from the core first).
  QImage Snapshot();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  bool Render();

  std::function<bool(Canvas&)> painter_;
  QImage image_;
  bool shown_ = false;
};

// The canvas as a Qt image (same size, 32-bit RGB).
QImage CanvasImage(const Canvas& canvas);

}  // namespace tavo::app
