#pragma once

#include <QString>
#include <functional>

#include "base/Prompter.h"

class QWidget;

namespace tavo::app {

// Messages and questions of the logic as Qt message boxes, captioned with the
// program's title when the logic gives no caption.
class QtPrompter : public Prompter {
 public:
  // `parent` gives the boxes their owner window (may be null).
  explicit QtPrompter(std::function<QWidget*()> parent = {}) : parent_(std::move(parent)) {}

  void Message(const std::string& text, const std::string& caption, MessageIcon icon) override;
  // The details in the box's details pane.
  void DetailedMessage(const std::string& text, const std::string& caption, MessageIcon icon,
                       const std::string& details) override;
  bool OkCancel(const std::string& text, const std::string& caption) override;
  Answer YesNoCancel(const std::string& text, const std::string& caption) override;
  std::optional<PlcChoice> ChoosePlc(const PlcChoice& proposed) override;
  std::optional<std::string> ChooseSavePath(const std::string& proposed) override;

 private:
  QWidget* Parent() const { return parent_ ? parent_() : nullptr; }
  std::function<QWidget*()> parent_;
};

// The program's title, "Tavo画面设置工具" (the source text), and as shown.
extern const char kAppTitle[];
QString AppTitle();

}  // namespace tavo::app
