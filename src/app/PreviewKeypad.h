#pragma once

#include <QWidget>
#include <map>

#include "panel/PanelRuntime.h"

class QPushButton;

namespace tavo::app {

// The panel's nineteen keys as buttons, laid out as on the panel: the
// function keys, the arrows and the digit block. A button reports its key
// when pressed and again when released, so that momentary keys hold their
// coil while the button is held.
class PreviewKeypad : public QWidget {
  Q_OBJECT

 public:
  explicit PreviewKeypad(QWidget* parent = nullptr);

  QPushButton* Button(panel::PanelKey key) const;
  // Lets go of the buttons held down (the window was hidden or lost the
  // input while the mouse held one): each reports its key's release.
  void ReleaseAll();

 signals:
  void KeyDown(panel::PanelKey key);
  void KeyUp(panel::PanelKey key);

 private:
  std::map<panel::PanelKey, QPushButton*> buttons_;
};

// The panel key a key of the computer's keyboard stands for (digits, Esc,
// Enter, the arrows, S for SET, A for ALM, Backspace and Delete for CLR).
std::optional<panel::PanelKey> PanelKeyOfKeyboard(int qtKey);

}  // namespace tavo::app
