#include "app/pages/BindControls.h"

#include <QKeyEvent>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "base/Gbk.h"

namespace tavo::app {

namespace {
// A key that edits the text itself: a character, Backspace or Delete. Pastes
// and everything else are not keystrokes.
bool IsKeystroke(QKeyEvent* event) {
  if (event->matches(QKeySequence::Paste)) return false;
  if (event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete) return true;
  const QString text = event->text();
  return !text.isEmpty() && text.at(0).isPrint();
}
}  // namespace

void MarkControl(QObject* widget, const void* control) {
  widget->setProperty(kControlProperty, QVariant::fromValue(reinterpret_cast<quintptr>(control)));
}

const void* ControlOf(const QObject* widget) {
  for (const QObject* w = widget; w; w = w->parent()) {
    const QVariant v = w->property(kControlProperty);
    if (v.isValid()) return reinterpret_cast<const void*>(v.value<quintptr>());
  }
  return nullptr;
}

void Buddies::SetVisible(bool visible) const {
  for (QWidget* w : widgets_) w->setVisible(visible);
}

void Buddies::SetEnabled(bool enabled) const {
  for (QWidget* w : widgets_) w->setEnabled(enabled);
}

// ---- CNumEdit ----

CNumEdit::CNumEdit(QWidget* parent) : QLineEdit(parent) {
  connect(this, &QLineEdit::textEdited, this, &CNumEdit::OnTextEdited);
}

void CNumEdit::Attach(NumberBox* box) {
  box_ = box;
  MarkControl(this, box);
  box_->onRefresh = [this] { Sync(); };
  Sync();
}

void CNumEdit::Sync() {
  if (!box_) return;
  const QString shown = QString::fromStdString(box_->Text());
  if (text() != shown) setText(shown);
  setEnabled(box_->Enabled());
  setVisible(box_->Visible());
  buddies_.SetVisible(box_->Visible());
  buddies_.SetEnabled(box_->Enabled());
  if (box_->TakeSelectAll()) selectAll();
}

void CNumEdit::keyPressEvent(QKeyEvent* event) {
  if (event->text() == QLatin1String(" ")) return;  // blanks are ignored
  // Up and Down step the value as the arrows beside the box do.
  if ((event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) && box_ &&
      event->modifiers() == Qt::NoModifier) {
    if (box_->Enabled() && !isReadOnly()) box_->Step(event->key() == Qt::Key_Up ? 1 : -1);
    return;
  }
  if (dropKeys_ && IsKeystroke(event)) return;
  keystroke_ = IsKeystroke(event);
  QLineEdit::keyPressEvent(event);
  keystroke_ = false;
}

void CNumEdit::OnTextEdited(const QString& text) {
  if (!box_) return;
  box_->SetFocused(hasFocus());
  if (box_->UserText(text.toStdString(), keystroke_) == NumberBox::Edit::Refused) {
    setText(QString::fromStdString(box_->Text()));
    selectAll();
    box_->TakeSelectAll();
    // The keystrokes already waiting are dropped with the refused one.
    dropKeys_ = true;
    QTimer::singleShot(0, this, [this] { dropKeys_ = false; });
    return;
  }
  Sync();
}

void CNumEdit::focusInEvent(QFocusEvent* event) {
  if (box_) box_->SetFocused(true);
  QLineEdit::focusInEvent(event);
}

void CNumEdit::focusOutEvent(QFocusEvent* event) {
  if (beforeFocusOut) beforeFocusOut();
  if (box_) box_->FocusOut();
  QLineEdit::focusOutEvent(event);
}

// ---- CNumSpinCtrl ----

CNumSpinCtrl::CNumSpinCtrl(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  up_ = new QToolButton(this);
  down_ = new QToolButton(this);
  for (QToolButton* b : {up_, down_}) {
    b->setAutoRepeat(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setFixedWidth(16);
    b->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    layout->addWidget(b);
  }
  up_->setArrowType(Qt::UpArrow);
  down_->setArrowType(Qt::DownArrow);
  connect(up_, &QToolButton::clicked, this, [this] {
    if (edit_ && edit_->Box()) edit_->Box()->Step(1);
  });
  connect(down_, &QToolButton::clicked, this, [this] {
    if (edit_ && edit_->Box()) edit_->Box()->Step(-1);
  });
}

void CNumSpinCtrl::Attach(CNumEdit* edit) {
  edit_ = edit;
  edit->buddies().Add(this);
}

// ---- CBindCheck ----

CBindCheck::CBindCheck(const QString& text, QWidget* parent) : QCheckBox(text, parent) {}

void CBindCheck::Attach(BoundCheck* check) {
  check_ = check;
  MarkControl(this, check);
  check_->onRefresh = [this] { Sync(); };
  Sync();
}

void CBindCheck::nextCheckState() {
  if (check_) check_->Click();
  Sync();
}

void CBindCheck::Sync() {
  if (!check_) return;
  setChecked(check_->Checked());
  setEnabled(check_->Enabled());
  setVisible(check_->Visible());
}

// ---- CBindEdit ----

CBindEdit::CBindEdit(QWidget* parent) : QLineEdit(parent) {
  connect(this, &QLineEdit::textEdited, this, &CBindEdit::OnTextEdited);
}

void CBindEdit::Attach(BoundText* text) {
  text_ = text;
  MarkControl(this, text);
  text_->onRefresh = [this] { Sync(); };
  Sync();
}

void CBindEdit::Sync() {
  if (!text_) return;
  const QString shown = QString::fromStdString(GbkToUtf8(text_->Text()));
  if (text() != shown) setText(shown);
  setEnabled(text_->Enabled());
  setVisible(text_->Visible());
}

void CBindEdit::keyPressEvent(QKeyEvent* event) {
  if (dropKeys_ && IsKeystroke(event)) return;
  keystroke_ = IsKeystroke(event);
  // Where the cursor and the selection stood, for a refused keystroke.
  before_ = {cursorPosition(), selectionStart(), static_cast<int>(selectedText().size())};
  QLineEdit::keyPressEvent(event);
  keystroke_ = false;
}

void CBindEdit::OnTextEdited(const QString& text) {
  if (!text_) return;
  if (!text_->UserText(Utf8ToGbk(text.toStdString()), keystroke_)) {
    // The text, the cursor and the selection come back as they were.
    setText(QString::fromStdString(GbkToUtf8(text_->Text())));
    if (before_.selectionStart >= 0 && before_.selectionLength > 0)
      setSelection(before_.selectionStart, before_.selectionLength);
    else
      setCursorPosition(before_.cursor);
    dropKeys_ = true;
    QTimer::singleShot(0, this, [this] { dropKeys_ = false; });
    return;
  }
  Sync();
}

// ---- CBindCombo ----

CBindCombo::CBindCombo(QWidget* parent) : QComboBox(parent) {
  connect(this, &QComboBox::activated, this, [this](int index) {
    if (combo_) combo_->Choose(index);
    Sync();
  });
}

void CBindCombo::Attach(BoundCombo* combo) {
  combo_ = combo;
  MarkControl(this, combo);
  combo_->onRefresh = [this] { Sync(); };
  Sync();
}

void CBindCombo::Sync() {
  if (!combo_) return;
  const QSignalBlocker block(this);
  if (shownItems_ != combo_->Items()) {
    shownItems_ = combo_->Items();
    clear();
    for (const std::string& item : shownItems_) addItem(QString::fromStdString(item));
  }
  setCurrentIndex(combo_->Selected());
  setEnabled(combo_->Enabled());
  setVisible(combo_->Visible());
  buddies_.SetVisible(combo_->Visible());
}

// ---- RadioGroup ----

RadioGroup::RadioGroup(QObject* parent) : QObject(parent) {
  connect(&group_, &QButtonGroup::idClicked, this, [this](int id) {
    if (choice_) choice_->Choose(id);
    Sync();
  });
}

void RadioGroup::Add(QRadioButton* button, int value) {
  group_.addButton(button, value);
}

QRadioButton* RadioGroup::Button(int value) const {
  return static_cast<QRadioButton*>(group_.button(value));
}

void RadioGroup::Attach(RadioChoice* choice) {
  choice_ = choice;
  for (QAbstractButton* b : group_.buttons()) MarkControl(b, choice);
  choice_->onRefresh = [this] { Sync(); };
  Sync();
}

void RadioGroup::Sync() {
  if (!choice_) return;
  // A value without a button (a coil operation of 4) shows no button checked.
  group_.setExclusive(false);
  for (QAbstractButton* b : group_.buttons()) {
    const int id = group_.id(b);
    b->setChecked(id == choice_->Value());
    b->setEnabled(choice_->Enabled() && choice_->ButtonEnabled(id));
    const bool never = std::find(neverShown_.begin(), neverShown_.end(), id) != neverShown_.end();
    b->setVisible(choice_->Visible() && !never);
  }
  group_.setExclusive(true);
}

}  // namespace tavo::app
