#include "app/ComPortDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QSerialPortInfo>
#include <QVBoxLayout>
#include <algorithm>

namespace tavo::app {

QStringList MachineSerialPorts() {
  QStringList ports;
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
    ports << info.systemLocation();
  std::sort(ports.begin(), ports.end());
  ports.removeDuplicates();
  while (ports.size() > 6) ports.removeLast();
  return ports;
}

QString DownloadDevice(const QStringList& ports, int index, const QString& typed) {
  if (!typed.isEmpty()) return typed;
  if (ports.isEmpty()) return {};
  return index >= 0 && index < ports.size() ? ports[index] : ports.first();
}

ComPortDialog::ComPortDialog(const QStringList& ports, int index, const QString& device,
                             QWidget* parent)
    : QDialog(parent), listed_(ports), index_(index) {
  setWindowTitle(tr("选择通信口"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(tr("选择计算机的通信口用于下载画面数据..."), this));
  layout->addWidget(new QLabel(tr("通信口:"), this));
  ports_ = new QComboBox(this);
  ports_->setEditable(true);
  ports_->setInsertPolicy(QComboBox::NoInsert);
  ports_->addItems(ports);
  ports_->setMinimumWidth(220);
  // The port chosen before; without one the stored index, and when the
  // machine lists fewer ports than that (the first start stores COM2), the
  // first listed port.
  if (!device.isEmpty())
    ports_->setEditText(device);
  else if (index >= 0 && index < ports.size())
    ports_->setCurrentIndex(index);
  else if (!ports.isEmpty())
    ports_->setCurrentIndex(0);
  else
    ports_->setEditText(QString());
  layout->addWidget(ports_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setText(tr("确定"));
  buttons->button(QDialogButtonBox::Cancel)->setText(tr("取消"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

int ComPortDialog::Index() const {
  const int i = listed_.indexOf(ports_->currentText().trimmed());
  return i >= 0 ? i : index_;
}

QString ComPortDialog::Device() const {
  return ports_->currentText().trimmed();
}

}  // namespace tavo::app
