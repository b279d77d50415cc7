#pragma once

// The panel-settings dialog ("设置TavoB") and the alarm-list dialog ("报警列表"),
// over their forms. Each edits a copy: only OK stores into the project and
// marks it modified.

#include <QDialog>

#include "app/pages/BindControls.h"
#include "pages/AlarmListForm.h"
#include "pages/PanelSettingsForm.h"

class QLabel;
class QTableWidget;

namespace tavo {
class Project;
}

namespace tavo::app {

class PanelSettingsDialog : public QDialog {
  Q_OBJECT

 public:
  explicit PanelSettingsDialog(QWidget* parent = nullptr);
  // Loads the project's settings for the current protocol.
  void Open(const Project& project);
  // OK: stores the settings and marks the project modified.
  void Store(Project& project) const;
  PanelSettingsForm& Form() { return form_; }

  // Runs the dialog over the project; true when the user confirmed.
  static bool Run(QWidget* parent, Project& project);

 private:
  void Update();
  PanelSettingsForm form_;
  QLabel* hints_[3] = {};
  QLabel* captions_[3] = {};
};

class AlarmListDialog : public QDialog {
  Q_OBJECT

 public:
  explicit AlarmListDialog(QWidget* parent = nullptr);
  void Open(const Project& project);
  void Store(Project& project) const;
  AlarmListForm& Form() { return form_; }
  QTableWidget* Grid() const { return grid_; }
  // Opens the edit box over a content cell, as a click on it does.
  void OpenCell(int row);

  static bool Run(QWidget* parent, Project& project);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FillGrid();
  void CloseCell();
  AlarmListForm form_;
  QTableWidget* grid_ = nullptr;
  CBindEdit* edit_ = nullptr;
};

}  // namespace tavo::app
