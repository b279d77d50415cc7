#pragma once

#include <QDockWidget>
#include <vector>

#include "check/Finding.h"

class QLabel;
class QTableView;

namespace tavo::app {

class FindingsModel;

// "检查结果": the findings of the project check as a list (severity, code,
// screen, element, message) in a dock of the main window. Double-click or
// Enter on a row asks for its screen and element to be shown. A refresh
// keeps the row chosen and the scroll position where the same finding is
// still found.
class FindingsDock : public QDockWidget {
  Q_OBJECT

 public:
  explicit FindingsDock(QWidget* parent = nullptr);
  ~FindingsDock() override;

  // The findings of the last check; `hasProject` false: no project is open.
  void ShowFindings(const std::vector<Finding>& findings, bool hasProject);

  QTableView* Table() const { return table_; }
  // The line above the list: the counts, or why there is no list.
  QString Summary() const;

 signals:
  // The row of finding `index` (in the list given last) was activated.
  void FindingChosen(int index);

 private:
  FindingsModel* model_ = nullptr;
  QTableView* table_ = nullptr;
  QLabel* summary_ = nullptr;
};

}  // namespace tavo::app
