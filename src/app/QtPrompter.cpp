#include "app/QtPrompter.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>

#include "app/FileDialogs.h"
#include "app/PlcDialog.h"

namespace tavo::app {

const char kAppTitle[] = QT_TRANSLATE_NOOP("tavo::app::QtPrompter", "Tavo画面设置工具");

QString AppTitle() {
  return QCoreApplication::translate("tavo::app::QtPrompter", kAppTitle);
}

namespace {

QString Caption(const std::string& caption) {
  return caption.empty() ? AppTitle() : QString::fromStdString(caption);
}

QMessageBox::Icon BoxIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information:
      return QMessageBox::Information;
    case MessageIcon::Warning:
      return QMessageBox::Warning;
    case MessageIcon::Error:
      return QMessageBox::Critical;
    case MessageIcon::Question:
      return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

void QtPrompter::Message(const std::string& text, const std::string& caption, MessageIcon icon) {
  QMessageBox box(BoxIcon(icon), Caption(caption), QString::fromStdString(text), QMessageBox::Ok,
                  Parent());
  box.exec();
}

void QtPrompter::DetailedMessage(const std::string& text, const std::string& caption,
                                 MessageIcon icon, const std::string& details) {
  QMessageBox box(BoxIcon(icon), Caption(caption), QString::fromStdString(text), QMessageBox::Ok,
                  Parent());
  box.setDetailedText(QString::fromStdString(details));
  box.exec();
}

bool QtPrompter::OkCancel(const std::string& text, const std::string& caption) {
  QMessageBox box(QMessageBox::Question, Caption(caption), QString::fromStdString(text),
                  QMessageBox::Ok | QMessageBox::Cancel, Parent());
  box.setDefaultButton(QMessageBox::Ok);
  return box.exec() == QMessageBox::Ok;
}

Answer QtPrompter::YesNoCancel(const std::string& text, const std::string& caption) {
  QMessageBox box(QMessageBox::Question, Caption(caption), QString::fromStdString(text),
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, Parent());
  box.setDefaultButton(QMessageBox::Yes);
  switch (box.exec()) {
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    default:
      return Answer::Cancel;
  }
}

std::optional<PlcChoice> QtPrompter::ChoosePlc(const PlcChoice& proposed) {
  return RunPlcDialog(proposed, Parent());
}

std::optional<std::string> QtPrompter::ChooseSavePath(const std::string& proposed) {
  return AskSaveProjectPath(Parent(), proposed);
}

}  // namespace tavo::app
