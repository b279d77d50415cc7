#pragma once

#include <QWidget>

namespace tavo::app {

// The start-up picture, 348 x 155 pixels, centred on the screen. It closes
// itself after 1500 ms, or earlier at the first key press or mouse-button
// press anywhere in the application.
class SplashWindow : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kWidth = 348;
  static constexpr int kHeight = 155;
  static constexpr int kShowMs = 1500;

  SplashWindow();
  ~SplashWindow() override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
};

// Shows the splash window; it deletes itself when it closes.
void ShowSplash();
// Puts a splash window still open back in front (after the main window shows).
void RaiseSplash();

// The splash picture itself.
QImage SplashImage();

}  // namespace tavo::app
