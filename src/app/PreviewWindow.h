#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QWidget>
#include <cstdint>
#include <optional>
#include <vector>

#include "panel/PanelBitmap.h"
#include "panel/PanelRuntime.h"

class QComboBox;
class QLabel;
class QTimer;

namespace tavo {
class Project;
}

namespace tavo::app {

class PreviewKeypad;
class PreviewLink;
class PreviewValues;

// Shows the panel's display for the project being edited, as the panel would
// draw it from the compiled image: the screen the editor shows, at a chosen
// zoom, with the keypad as buttons, a table of the PLC values the screen
// uses and a status line. The project is compiled again a moment after it
// changes; the simulated PLC keeps its values across compiles.
class PreviewWindow : public QWidget {
  Q_OBJECT

 public:
  // `project` is the editor's (the window follows its current screen).
  PreviewWindow(std::function<Project&()> project, QWidget* parent = nullptr);
  ~PreviewWindow() override;

  // The project may have changed: it is looked at again shortly, and compiled
  // again when what it stores differs.
  void ProjectMayHaveChanged();
  // Looks at the project now (what the delay would do).
  void Update();
  // True while a change waits for the delay to end.
  bool ChangePending() const;

  // ---- what the window shows, for tests ----
  panel::PanelRuntime& Runtime() { return runtime_; }
  int Zoom() const { return zoom_; }
  void SetZoom(int zoom);  // 1 .. kMaxZoom
  static constexpr int kMaxZoom = 6;
  // The display as drawn now, zoom x zoom screen pixels per panel pixel.
  const QImage& DisplayImage() const { return image_; }
  QString StatusText() const;
  PreviewKeypad* Keypad() const { return keypad_; }
  PreviewValues* Values() const { return values_; }
  PreviewLink* Link() const { return link_; }
  // How many times the project was compiled (tests see a compile happen or not).
  int CompileCount() const { return compiles_; }
  // Lets the runtime's time pass and repaints what changed (the timer's work).
  void Tick(std::chrono::milliseconds elapsed);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void Recompile(std::vector<uint8_t> snapshot);
  void FollowEditorScreen(bool force);
  void OnKeyDown(panel::PanelKey key);
  void OnKeyUp(panel::PanelKey key);
  // Draws the display again and updates the table and status line.
  void Repaint();
  void ShowStatus();
  void OnTimer();
  // Lets go of the keys held down on the keyboard or with the mouse (the
  // window was hidden or lost the input).
  void ReleaseHeldKeys();

  std::function<Project&()> project_;
  panel::PanelRuntime runtime_;
  QWidget* display_ = nullptr;
  QComboBox* zoomBox_ = nullptr;
  PreviewKeypad* keypad_ = nullptr;
  PreviewValues* values_ = nullptr;
  PreviewLink* link_ = nullptr;
  QLabel* status_ = nullptr;
  QTimer* changeTimer_ = nullptr;
  QTimer* clockTimer_ = nullptr;
  QElapsedTimer clock_;

  int zoom_ = 3;
  QImage image_;
  panel::PanelBitmap shown_;
  bool hasProject_ = false;
  bool compiled_ = false;
  std::vector<uint8_t> snapshot_;         // the project as last compiled
  QString compileReason_;                 // why the last compile gave no image
  QString note_;                          // a value typed that could not be used
  std::optional<uint16_t> editorScreen_;  // the editor's screen last followed
  int compiles_ = 0;
  // Keyboard keys down, in press order, with the key's scan code (0 when the
  // platform gives none): the release is matched by the scan code, since the
  // key code a release reports follows the modifiers held at that moment.
  struct HeldKey {
    panel::PanelKey key;
    quint32 scanCode;
  };
  std::vector<HeldKey> held_;
};

}  // namespace tavo::app
