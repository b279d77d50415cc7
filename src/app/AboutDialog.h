#pragma once

#include <QDialog>

namespace tavo::app {

// "关于": the program's picture, name, version and copyright.
class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  explicit AboutDialog(QWidget* parent = nullptr);
};

}  // namespace tavo::app
