#pragma once

#include <QDialog>
#include <cstdint>
#include <functional>
#include <string>

class QLineEdit;
class QSpinBox;

namespace tavo::app {

// "新建画面": proposes the current screen's number + 1 (1 to 65535) and a
// description. OK hands both to `create`, which refuses a number that exists
// (after its message); the dialog then stays open.
class NewScreenDialog : public QDialog {
  Q_OBJECT

 public:
  using Create = std::function<bool(uint16_t number, const std::string& descriptionGbk)>;
  NewScreenDialog(uint16_t currentNumber, Create create, QWidget* parent = nullptr);

  QSpinBox* Number() const { return number_; }
  QLineEdit* Description() const { return description_; }

  void accept() override;

 private:
  Create create_;
  QSpinBox* number_;
  QLineEdit* description_;
};

// "复制画面": "复制%d号画面到:" with the current number, proposing that number + 1.
class CopyScreenDialog : public QDialog {
  Q_OBJECT

 public:
  CopyScreenDialog(uint16_t currentNumber, QWidget* parent = nullptr);
  QSpinBox* Number() const { return number_; }
  uint16_t Target() const;

 private:
  QSpinBox* number_;
};

// The proposed number of both dialogs: the current number + 1, kept inside
// 1..65535.
uint16_t ProposedScreenNumber(uint16_t current);

}  // namespace tavo::app
