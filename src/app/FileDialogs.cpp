#include "app/FileDialogs.h"

#include <QFileDialog>

namespace tavo::app {

namespace {

QString AskOpen(QWidget* parent, const QString& filter, const QString& suffix = {}) {
  QFileDialog dialog(parent);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilter(filter);
  if (!suffix.isEmpty()) dialog.setDefaultSuffix(suffix);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

}  // namespace

QString AskOpenProjectPath(QWidget* parent) {
  return AskOpen(parent, QStringLiteral("Tavo  画面数据文件(*.orx);;所有文件(*.*)"));
}

std::optional<std::string> AskSaveProjectPath(QWidget* parent, const std::string& proposed) {
  QFileDialog dialog(parent);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilter(QStringLiteral("Tavo文件 (*.orx)"));
  dialog.setDefaultSuffix(QStringLiteral("orx"));
  if (!proposed.empty()) dialog.selectFile(QString::fromStdString(proposed));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().first().toStdString();
}

QString AskOldProjectPath(QWidget* parent) {
  return AskOpen(parent, QStringLiteral("Tavo  旧工程数据文件(*.qse);;所有文件(*.*)"));
}

QString AskBitmapPath(QWidget* parent) {
  return AskOpen(parent, QStringLiteral("bmp文件(*.bmp)"), QStringLiteral("bmp"));
}

}  // namespace tavo::app
