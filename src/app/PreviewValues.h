#pragma once

#include <QString>
#include <QTableWidget>
#include <functional>
#include <vector>

#include "panel/PanelRuntime.h"

namespace tavo::app {

// The PLC items the shown screen reads or writes, one row each, with the
// simulated PLC's value in an editable column: a number for a register, a
// check box for a coil. An edit goes straight into the simulated PLC.
class PreviewValues : public QTableWidget {
  Q_OBJECT

 public:
  static constexpr int kValueColumn = 3;
  static constexpr int kStateColumn = 4;  // shown while a live PLC is linked

  explicit PreviewValues(panel::PanelRuntime& runtime, QWidget* parent = nullptr);

  // Rows for the runtime's current bindings; only the values when the
  // bindings are the same as before.
  void Refresh();
  const std::vector<panel::ScreenBinding>& Rows() const { return rows_; }
  // The row of a PLC item, or -1.
  int RowOf(const panel::PlcKey& key) const;
  // The state of each item as a live link sees it; an empty function hides
  // the column (the simulated PLC).
  void SetStates(std::function<QString(const panel::PlcKey&)> states);

 signals:
  // A value was written into the simulated PLC.
  void ValueWritten();
  // What was typed is no value for that item.
  void ValueRefused(const QString& reason);

 private:
  void Rebuild();
  void ShowValues();
  void OnItemChanged(QTableWidgetItem* item);
  // Whether the row's item is read as signed by the element that shows it.
  bool RowSigned(size_t row) const;

  panel::PanelRuntime& runtime_;
  std::vector<panel::ScreenBinding> rows_;
  std::function<QString(const panel::PlcKey&)> states_;
  bool filling_ = false;
};

// The value typed for an item `widthBytes` wide (0 a coil): a decimal or
// 0x-hexadecimal integer, negative in two's complement; false when it is no
// number or does not fit the item, read as signed or as unsigned.
bool ParsePlcValue(const QString& text, uint8_t widthBytes, uint32_t& out);

// How the table shows a register: its type name and address, "D100", or the
// type code when the protocol has no name for it.
QString PlcItemName(const panel::PlcKey& key);

}  // namespace tavo::app
