#pragma once

// The bound controls of the property pages as Qt widgets. Each shows the state
// of its logic object (NumberBox, BoundCheck, BoundText, BoundCombo,
// RadioChoice) and passes the user's actions to it; the logic object owns the
// binding, the range and the changed mark.

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QWidget>
#include <functional>
#include <vector>

#include "pages/BoundControls.h"
#include "pages/NumberBox.h"

class QToolButton;
class QRadioButton;

namespace tavo::app {

// Every bound widget carries the logic object it edits, so that the page can
// tell when the focus passes to another control (the edit session's end).
constexpr const char* kControlProperty = "tavoControl";
void MarkControl(QObject* widget, const void* control);
// The logic object of a bound widget (or of the bound widget it lies in);
// nullptr for any other widget.
const void* ControlOf(const QObject* widget);

// Widgets that are shown and hidden with a control (its label, its arrows).
class Buddies {
 public:
  void Add(QWidget* w) { widgets_.push_back(w); }
  void SetVisible(bool visible) const;
  void SetEnabled(bool enabled) const;

 private:
  std::vector<QWidget*> widgets_;
};

// The number box: a line edit over a NumberBox.
class CNumEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit CNumEdit(QWidget* parent = nullptr);
  void Attach(NumberBox* box);
  NumberBox* Box() const { return box_; }
  Buddies& buddies() { return buddies_; }
  // Called before losing the focus clears the changed mark, so that the
  // page's idle pass sees the last edit.
  std::function<void()> beforeFocusOut;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void Sync();
  void OnTextEdited(const QString& text);

  NumberBox* box_ = nullptr;
  Buddies buddies_;
  bool keystroke_ = false;
  bool dropKeys_ = false;  // pending keystrokes after a refused one
};

// The arrows beside a number box: one click adds or subtracts one step.
class CNumSpinCtrl : public QWidget {
  Q_OBJECT

 public:
  explicit CNumSpinCtrl(QWidget* parent = nullptr);
  void Attach(CNumEdit* edit);
  QToolButton* Up() const { return up_; }
  QToolButton* Down() const { return down_; }

 private:
  CNumEdit* edit_ = nullptr;
  QToolButton* up_ = nullptr;
  QToolButton* down_ = nullptr;
};

class CBindCheck : public QCheckBox {
  Q_OBJECT

 public:
  explicit CBindCheck(const QString& text, QWidget* parent = nullptr);
  void Attach(BoundCheck* check);

 protected:
  void nextCheckState() override;

 private:
  void Sync();
  BoundCheck* check_ = nullptr;
};

// A text box bound to a GBK text with a byte limit.
class CBindEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit CBindEdit(QWidget* parent = nullptr);
  void Attach(BoundText* text);
  BoundText* Text() const { return text_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Sync();
  void OnTextEdited(const QString& text);
  BoundText* text_ = nullptr;
  bool keystroke_ = false;
  bool dropKeys_ = false;
  struct {
    int cursor = 0;
    int selectionStart = -1;
    int selectionLength = 0;
  } before_;
};

class CBindCombo : public QComboBox {
  Q_OBJECT

 public:
  explicit CBindCombo(QWidget* parent = nullptr);
  void Attach(BoundCombo* combo);
  Buddies& buddies() { return buddies_; }

 private:
  void Sync();
  BoundCombo* combo_ = nullptr;
  Buddies buddies_;
  std::vector<std::string> shownItems_;
};

// Radio buttons over a RadioChoice; button `value` chooses that value.
class RadioGroup : public QObject {
  Q_OBJECT

 public:
  explicit RadioGroup(QObject* parent = nullptr);
  void Add(QRadioButton* button, int value);
  void Attach(RadioChoice* choice);
  QRadioButton* Button(int value) const;
  // A button the page never shows.
  void NeverShow(int value) { neverShown_.push_back(value); }

 private:
  void Sync();
  QButtonGroup group_;
  std::vector<int> neverShown_;
  RadioChoice* choice_ = nullptr;
};

}  // namespace tavo::app
