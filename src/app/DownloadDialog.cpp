#include "app/DownloadDialog.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMessageBox>
#include <QMetaObject>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "base/Captions.h"
#include "download/LinkConstants.h"
#include "download/TransferTexts.h"

namespace tavo::app {

namespace {
constexpr int kWatchMs = 20;
}

DownloadDialog::DownloadDialog(link::Transport& port, link::TransferOptions options,
                               QWidget* parent)
    : QDialog(parent),
      session_(port, std::move(options),
               link::TransferCallbacks{// Both arrive on the transfer's threads: the window side
                                       // takes them over on its own thread.
                                       [this](int position) {
                                         QMetaObject::invokeMethod(
                                             this, [this, position] { bar_->setValue(position); },
                                             Qt::QueuedConnection);
                                       },
                                       [this](const link::TransferMessage& m) {
                                         QMetaObject::invokeMethod(
                                             this, [this, m] { OnMessage(m); },
                                             Qt::QueuedConnection);
                                       }}) {
  setWindowTitle(QString::fromStdString(DownloadCaption()));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(
      QString::fromStdString(Translate(link::text::kContext, link::text::kProgressText)), this));
  bar_ = new QProgressBar(this);
  bar_->setRange(0, link::kProgressRange);
  bar_->setValue(0);
  bar_->setTextVisible(false);
  bar_->setMinimumWidth(300);
  layout->addWidget(bar_);
  cancel_ = new QPushButton(
      QString::fromStdString(Translate(link::text::kContext, link::text::kCancelButton)), this);
  connect(cancel_, &QPushButton::clicked, this, &DownloadDialog::reject);
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  row->addWidget(cancel_);
  row->addStretch(1);
  layout->addLayout(row);
  watch_ = new QTimer(this);
  connect(watch_, &QTimer::timeout, this, &DownloadDialog::CheckFinished);
}

DownloadDialog::~DownloadDialog() {
  // Releases every wait of the transfer threads and closes the port.
  session_.Close();
  delete noResponse_;
}

link::TransferResult DownloadDialog::Run(std::vector<uint8_t> image, std::vector<uint8_t> driver) {
  if (!session_.Start(std::move(image), std::move(driver))) {
    QCoreApplication::sendPostedEvents(this);  // the refusal's message
    return session_.Wait();
  }
  watch_->start(kWatchMs);
  exec();
  link::TransferResult result = session_.Wait();
  if (!completion_.empty())
    CurrentPrompter().Message(completion_, DownloadCaption(), MessageIcon::Information);
  return result;
}

void DownloadDialog::OnMessage(const link::TransferMessage& m) {
  switch (m.notice) {
    case link::Notice::NoResponse:
      ShowNoResponse(m);
      return;
    case link::Notice::NoResponseEnded:
      CloseNoResponse();
      return;
    case link::Notice::Completed:
      bar_->setValue(link::kProgressRange);
      completion_ = m.text;
      return;
    default:
      CloseNoResponse();
      CurrentPrompter().Message(m.text, m.caption, m.icon);
      return;
  }
}

void DownloadDialog::ShowNoResponse(const link::TransferMessage& m) {
  if (noResponse_) return;
  auto* box = new QMessageBox(QMessageBox::Information, QString::fromStdString(m.caption),
                              QString::fromStdString(m.text), QMessageBox::Ok, this);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setWindowModality(Qt::WindowModal);
  // Closed by the user while the panel is still silent: the handshake is given up.
  connect(box, &QMessageBox::finished, this, [this] {
    if (!ended_) session_.GiveUpHandshake();
  });
  noResponse_ = box;
  box->open();
}

void DownloadDialog::CloseNoResponse() {
  if (!noResponse_) return;
  QMessageBox* box = noResponse_;
  noResponse_ = nullptr;
  box->disconnect(this);  // closed by the panel's answer, not by the user
  box->close();
}

void DownloadDialog::reject() {
  if (ended_) {
    QDialog::reject();
    return;
  }
  if (asking_) return;
  asking_ = true;
  session_.AskCancel(CurrentPrompter());
  asking_ = false;
}

void DownloadDialog::CheckFinished() {
  if (asking_ || !session_.Finished()) return;
  // Messages the transfer sent just before it ended come first.
  QCoreApplication::sendPostedEvents(this);
  ended_ = true;
  watch_->stop();
  CloseNoResponse();
  done(completion_.empty() ? QDialog::Rejected : QDialog::Accepted);
}

}  // namespace tavo::app
