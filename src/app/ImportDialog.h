#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace tavo::app {

// "导入旧的工程文件": asks before an old project is converted. "开始转换" shows
// the progress text, runs the bar through and closes the dialog (accepted);
// the conversion itself follows once the dialog has closed. "取   消" ends
// the import without converting.
class ImportDialog : public QDialog {
  Q_OBJECT

 public:
  explicit ImportDialog(QWidget* parent = nullptr);

  QPushButton* StartButton() const { return start_; }
  QProgressBar* Bar() const { return bar_; }
  QLabel* Status() const { return status_; }

 private:
  void Start();

  QLabel* status_;
  QProgressBar* bar_;
  QPushButton* start_;
  QPushButton* cancel_;
};

}  // namespace tavo::app
