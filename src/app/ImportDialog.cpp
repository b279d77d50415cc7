#include "app/ImportDialog.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavo::app {

ImportDialog::ImportDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("导入旧的工程文件"));
  status_ = new QLabel(this);
  status_->setMinimumWidth(320);
  bar_ = new QProgressBar(this);
  bar_->setRange(0, 10000);
  bar_->setValue(0);
  bar_->setTextVisible(false);
  start_ = new QPushButton(tr("开始转换"), this);
  cancel_ = new QPushButton(tr("取   消"), this);
  start_->setDefault(true);
  connect(start_, &QPushButton::clicked, this, &ImportDialog::Start);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(start_);
  buttons->addWidget(cancel_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(status_);
  layout->addWidget(bar_);
  layout->addLayout(buttons);
}

void ImportDialog::Start() {
  start_->setEnabled(false);
  cancel_->setEnabled(false);
  status_->setText(tr("正在转换旧的工程数据..........."));
  for (int pos = 1; pos < 10000; pos += 2) {
    bar_->setValue(pos);
    if (pos % 500 == 1) QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  }
  accept();
}

}  // namespace tavo::app
