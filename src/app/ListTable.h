#pragma once

#include <QAbstractTableModel>
#include <span>

class QTableView;

namespace tavo::app {

// The rows of a list with fixed column captions (UTF-8 source texts of
// `context`, shown translated); the list's own model gives the rows and their cells.
class ListModel : public QAbstractTableModel {
 public:
  ListModel(std::span<const char* const> headers, const char* context, QObject* parent)
      : QAbstractTableModel(parent), headers_(headers), context_(context) {}

  int columnCount(const QModelIndex& parent) const override {
    return parent.isValid() ? 0 : static_cast<int>(headers_.size());
  }
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  std::span<const char* const> headers_;
  const char* context_;
};

// A read-only list of rows over `model`: whole rows chosen one at a time,
// no grid numbers, one text line a row, the last column taking the rest.
QTableView* NewListTable(const QString& name, QAbstractItemModel* model, QWidget* parent);

}  // namespace tavo::app
