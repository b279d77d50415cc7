#include "app/ScreenDialogs.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "base/Gbk.h"

namespace tavo::app {

namespace {

QSpinBox* NumberSpin(QWidget* parent, uint16_t value) {
  auto* spin = new QSpinBox(parent);
  spin->setRange(1, 65535);
  spin->setValue(value);
  return spin;
}

QDialogButtonBox* OkCancel(QDialog* dialog) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
  buttons->button(QDialogButtonBox::Ok)
      ->setText(QCoreApplication::translate("tavo::app::ScreenDialogs", "确定"));
  buttons->button(QDialogButtonBox::Cancel)
      ->setText(QCoreApplication::translate("tavo::app::ScreenDialogs", "取消"));
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  return buttons;
}

}  // namespace

uint16_t ProposedScreenNumber(uint16_t current) {
  return current >= 65535 ? uint16_t{65535} : static_cast<uint16_t>(current + 1);
}

NewScreenDialog::NewScreenDialog(uint16_t currentNumber, Create create, QWidget* parent)
    : QDialog(parent), create_(std::move(create)) {
  setWindowTitle(tr("新建画面"));
  auto* form = new QFormLayout;
  number_ = NumberSpin(this, ProposedScreenNumber(currentNumber));
  description_ = new QLineEdit(this);
  form->addRow(tr("画面号:"), number_);
  form->addRow(tr("画面描述:"), description_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(OkCancel(this));
  number_->selectAll();
}

void NewScreenDialog::accept() {
  const auto number = static_cast<uint16_t>(number_->value());
  if (create_ && !create_(number, Utf8ToGbk(description_->text().toStdString()))) return;
  QDialog::accept();
}

CopyScreenDialog::CopyScreenDialog(uint16_t currentNumber, QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("复制画面"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(tr("复制%1号画面到:").arg(currentNumber), this));
  number_ = NumberSpin(this, ProposedScreenNumber(currentNumber));
  layout->addWidget(number_);
  layout->addWidget(OkCancel(this));
  number_->selectAll();
}

uint16_t CopyScreenDialog::Target() const {
  return static_cast<uint16_t>(number_->value());
}

}  // namespace tavo::app
