#include "app/AboutDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/QtPrompter.h"
#include "app/ToolIcons.h"

namespace tavo::app {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("关于 ") + AppTitle());
  auto* picture = new QLabel(this);
  picture->setPixmap(AppIconImage(48));
  picture->setAlignment(Qt::AlignTop);
  auto* text = new QLabel(AppTitle() + tr(" 1.0 版\n\n") +
                              tr("Tavo 操作面板的画面设计与下载工具\n") + tr("版权所有 (C) Tavo"),
                          this);
  auto* row = new QHBoxLayout;
  row->addWidget(picture);
  row->addSpacing(12);
  row->addWidget(text, 1);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  buttons->button(QDialogButtonBox::Ok)->setText(tr("确定"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addWidget(buttons);
  setFixedSize(sizeHint());
}

}  // namespace tavo::app
