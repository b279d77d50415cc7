#pragma once

class QAbstractItemModel;
class QString;
class QTableView;
class QWidget;

namespace tavo::app {

// A read-only list of rows over `model`: whole rows chosen one at a time,
// no grid numbers, one text line a row, the last column taking the rest.
QTableView* NewListTable(const QString& name, QAbstractItemModel* model, QWidget* parent);

}  // namespace tavo::app
