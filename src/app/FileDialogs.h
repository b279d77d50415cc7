#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace tavo::app {

// The file choices of the editor's commands; each returns an empty string when
// the user cancels.
QString AskOpenProjectPath(QWidget* parent);
std::optional<std::string> AskSaveProjectPath(QWidget* parent, const std::string& proposed);
QString AskOldProjectPath(QWidget* parent);
QString AskBitmapPath(QWidget* parent);
// Where to export a table as CSV, starting from `proposed`.
QString AskSaveCsvPath(QWidget* parent, const QString& proposed);

// The choosers a main window uses, replaceable (tests script them).
struct FileChoosers {
  std::function<QString()> openProject;
  std::function<QString()> oldProject;
  std::function<QString()> bitmap;
  std::function<QString(const QString& proposed)> csvSave;
};

}  // namespace tavo::app
