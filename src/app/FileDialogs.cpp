#include "app/FileDialogs.h"

#include <QCoreApplication>
#include <QFileDialog>

#include "model/ProjectTextForm.h"

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

// The project's text form (.json) is offered beside the project file.
QString AskOpenProjectPath(QWidget* parent) {
  return AskOpen(
      parent, QCoreApplication::translate("tavo::app::FileDialogs",
                                          "Tavo  画面数据文件(*.orx);;Tavo  画面数据文本(*.json);;"
                                          "所有文件(*.*)"));
}

std::optional<std::string> AskSaveProjectPath(QWidget* parent, const std::string& proposed) {
  const QString orx = QCoreApplication::translate("tavo::app::FileDialogs", "Tavo文件 (*.orx)");
  const QString json = QCoreApplication::translate("tavo::app::FileDialogs", "Tavo文本 (*.json)");
  QFileDialog dialog(parent);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilters({orx, json});
  // The proposed name's form is chosen first; a name typed without an
  // extension takes that of the chosen file type.
  const bool text = IsTextFormPath(proposed);
  dialog.selectNameFilter(text ? json : orx);
  dialog.setDefaultSuffix(text ? QStringLiteral("json") : QStringLiteral("orx"));
  QObject::connect(
      &dialog, &QFileDialog::filterSelected, &dialog, [&dialog, json](const QString& f) {
        dialog.setDefaultSuffix(f == json ? QStringLiteral("json") : QStringLiteral("orx"));
      });
  if (!proposed.empty()) dialog.selectFile(QString::fromStdString(proposed));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().first().toStdString();
}

QString AskOldProjectPath(QWidget* parent) {
  return AskOpen(parent, QCoreApplication::translate("tavo::app::FileDialogs",
                                                     "Tavo  旧工程数据文件(*.qse);;所有文件(*.*)"));
}

QString AskBitmapPath(QWidget* parent) {
  return AskOpen(parent, QCoreApplication::translate("tavo::app::FileDialogs", "bmp文件(*.bmp)"),
                 QStringLiteral("bmp"));
}

QString AskSaveCsvPath(QWidget* parent, const QString& proposed) {
  QFileDialog dialog(parent);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilter(QCoreApplication::translate("tavo::app::FileDialogs", "CSV文件 (*.csv)"));
  dialog.setDefaultSuffix(QStringLiteral("csv"));
  dialog.selectFile(proposed);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

}  // namespace tavo::app
