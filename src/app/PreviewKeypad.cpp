#include "app/PreviewKeypad.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>

namespace tavo::app {

using panel::PanelKey;

namespace {

struct KeyPlace {
  PanelKey key;
  const char* label;  // UTF-8
  int row, column;
};

// Function keys and arrows on the left, the digit block on the right.
constexpr KeyPlace kFunctionKeys[] = {
    {PanelKey::Esc, "ESC", 0, 0}, {PanelKey::Up, "▲", 0, 1},    {PanelKey::Alm, "ALM", 0, 2},
    {PanelKey::Left, "◀", 1, 0},  {PanelKey::Set, "SET", 1, 1}, {PanelKey::Right, "▶", 1, 2},
    {PanelKey::Clr, "CLR", 2, 0}, {PanelKey::Down, "▼", 2, 1},  {PanelKey::Ent, "ENT", 2, 2},
};
constexpr KeyPlace kDigitKeys[] = {
    {PanelKey::Digit7, "7", 0, 0}, {PanelKey::Digit8, "8", 0, 1}, {PanelKey::Digit9, "9", 0, 2},
    {PanelKey::Digit4, "4", 1, 0}, {PanelKey::Digit5, "5", 1, 1}, {PanelKey::Digit6, "6", 1, 2},
    {PanelKey::Digit1, "1", 2, 0}, {PanelKey::Digit2, "2", 2, 1}, {PanelKey::Digit3, "3", 2, 2},
    {PanelKey::Digit0, "0", 3, 1},
};

constexpr int kKeySize = 34;

}  // namespace

PreviewKeypad::PreviewKeypad(QWidget* parent) : QWidget(parent) {
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(12);
  auto place = [this](QGridLayout* grid, const KeyPlace& k) {
    auto* b = new QPushButton(QString::fromUtf8(k.label), this);
    b->setObjectName(QStringLiteral("key_") + QString::fromLatin1(panel::PanelKeyName(k.key)));
    b->setToolTip(QString::fromLatin1(panel::PanelKeyName(k.key)));
    b->setFixedSize(kKeySize + (panel::PanelKeyDigit(k.key) < 0 ? 8 : 0), kKeySize);
    b->setFocusPolicy(Qt::NoFocus);  // the window's keyboard keys stay with the window
    connect(b, &QPushButton::pressed, this, [this, key = k.key] { emit KeyDown(key); });
    connect(b, &QPushButton::released, this, [this, key = k.key] { emit KeyUp(key); });
    grid->addWidget(b, k.row, k.column);
    buttons_[k.key] = b;
  };
  auto* functions = new QGridLayout;
  functions->setSpacing(4);
  for (const KeyPlace& k : kFunctionKeys) place(functions, k);
  auto* digits = new QGridLayout;
  digits->setSpacing(4);
  for (const KeyPlace& k : kDigitKeys) place(digits, k);
  row->addLayout(functions);
  row->addLayout(digits);
  row->addStretch(1);
}

QPushButton* PreviewKeypad::Button(PanelKey key) const {
  auto it = buttons_.find(key);
  return it == buttons_.end() ? nullptr : it->second;
}

void PreviewKeypad::ReleaseAll() {
  // setDown(false) reports nothing, and the mouse's release, should it come,
  // finds the button up and reports nothing either.
  for (auto& [key, button] : buttons_) {
    if (!button->isDown()) continue;
    button->setDown(false);
    emit KeyUp(key);
  }
}

std::optional<PanelKey> PanelKeyOfKeyboard(int qtKey) {
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
    return panel::PanelKeyFromName(std::string(1, static_cast<char>('0' + (qtKey - Qt::Key_0))));
  switch (qtKey) {
    case Qt::Key_Escape:
      return PanelKey::Esc;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return PanelKey::Ent;
    case Qt::Key_Up:
      return PanelKey::Up;
    case Qt::Key_Down:
      return PanelKey::Down;
    case Qt::Key_Left:
      return PanelKey::Left;
    case Qt::Key_Right:
      return PanelKey::Right;
    case Qt::Key_S:
      return PanelKey::Set;
    case Qt::Key_A:
      return PanelKey::Alm;
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
      return PanelKey::Clr;
    default:
      return std::nullopt;
  }
}

}  // namespace tavo::app
