#pragma once

#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "download/TransferSession.h"

class QMessageBox;
class QProgressBar;
class QPushButton;
class QTimer;

namespace tavo::app {

// "下载画面数据": runs one transfer of the image (and the driver when the panel
// needs it) and watches it: the progress bar, the cancel question, the
// no-response box that closes itself when the panel answers, and the
// messages of the transfer. The dialog closes itself when the transfer ends;
// the completion message follows once it has closed.
class DownloadDialog : public QDialog {
  Q_OBJECT

 public:
  // `port` must outlive the dialog.
  DownloadDialog(link::Transport& port, link::TransferOptions options, QWidget* parent = nullptr);
  ~DownloadDialog() override;

  // Starts the transfer and runs the dialog until it ends. The result says how
  // it ended; the failure messages have been shown by then.
  link::TransferResult Run(std::vector<uint8_t> image, std::vector<uint8_t> driver);

  QProgressBar* Bar() const { return bar_; }
  QPushButton* CancelButton() const { return cancel_; }
  // The no-response box while it is open, else null.
  QMessageBox* NoResponseBox() const { return noResponse_; }

  // Enter, Escape and the cancel button ask whether to cancel.
  void reject() override;
  void accept() override { reject(); }

 private:
  void OnMessage(const link::TransferMessage& message);
  void ShowNoResponse(const link::TransferMessage& message);
  void CloseNoResponse();
  void CheckFinished();

  link::TransferSession session_;
  QProgressBar* bar_;
  QPushButton* cancel_;
  QTimer* watch_;
  QPointer<QMessageBox> noResponse_;
  std::string completion_;  // the completion message, shown after closing
  bool asking_ = false;
  bool ended_ = false;
};

}  // namespace tavo::app
