#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

#include "check/CrossReference.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace tavo::app {

class XrefModel;

// "地址交叉引用": every PLC address the project uses with the elements that
// read or write it, sorted by address, in a window of its own. The filter
// box keeps the rows whose address, user, screen or description holds its
// text ("D100" shows who reads and writes D100); the rows shown can be
// saved as CSV. Double-click or Enter on a row asks for its element.
class CrossReferenceWindow : public QWidget {
  Q_OBJECT

 public:
  // `chooseCsvPath` is asked for the file to export to (empty: cancelled),
  // given the name proposed.
  explicit CrossReferenceWindow(std::function<QString(const QString&)> chooseCsvPath,
                                QWidget* parent = nullptr);
  ~CrossReferenceWindow() override;

  // The cross-reference of the last check; `projectPath` names the export.
  void ShowEntries(const std::vector<XrefEntry>& entries, const QString& projectPath);

  QLineEdit* Filter() const { return filter_; }
  QTableView* Table() const { return table_; }
  QPushButton* ExportButton() const { return export_; }
  // "共 37 处，显示 12 处"
  QString CountText() const;
  // The entries the filter shows now.
  std::vector<XrefEntry> ShownEntries() const;
  // Writes the rows shown to `path` as CSV; false (after saying why) when
  // the file could not be written.
  bool ExportCsv(const QString& path);

 signals:
  // The row of entry `index` (in the list given last) was activated.
  void EntryChosen(int index);
  // The window was closed or hidden: its entries are not needed meanwhile.
  void Hidden();

 protected:
  void hideEvent(QHideEvent* event) override;

 private:
  // The column widths from the captions and the entries they can show.
  void FitColumns();
  void ApplyFilter();
  void OnExport();

  std::function<QString(const QString&)> chooseCsvPath_;
  XrefModel* model_ = nullptr;
  QLineEdit* filter_ = nullptr;
  QTableView* table_ = nullptr;
  QLabel* count_ = nullptr;
  QPushButton* export_ = nullptr;
  QString projectPath_;
};

}  // namespace tavo::app
