#pragma once

// The alarm-list dialog "报警列表" without a window: the first coil's address
// fields, the grid of coil labels and alarm texts, and the rules of editing
// the texts.

#include <functional>
#include <string>

#include "elements/AlarmList.h"
#include "pages/BoundControls.h"
#include "pages/NumberBox.h"
#include "plc/Catalogue.h"

namespace tavo::app {

// The label of coil row i (1-based) in the column "线圈" for a list's first
// coil, sub-address and bit offset, the selected type's name and width in
// bytes, under a profile.
std::string CoilLabel(const ProtocolProfile& profile, const CAlarmList& list,
                      const std::string& typeName, unsigned width, int row);

class AlarmListForm {
 public:
  AlarmListForm() { EndEdit(); }
  // Copies the project's alarm list into the form.
  void Open(const CAlarmList& list);
  // OK: the form's binding and texts replace the list's.
  void Accept(CAlarmList& list) const;
  // The idle moment: a narrower register type drops the texts it cannot hold.
  void Idle();

  NumberBox station;    // "局号"
  BoundCombo type;      // "类型"
  NumberBox addr;       // "地址": the first coil
  NumberBox subAddr;    // the sub-address
  NumberBox bitOffset;  // "偏移" (protocol 1)

  // ---- the grid ----
  // 8 x the byte width of the selected type: the most texts the list holds.
  int Capacity() const;
  // One row per text, plus an empty one for the next while there is room.
  int RowCount() const;
  std::string Label(int row) const;  // row 0-based
  std::string Text(int row) const;   // GBK

  // Opens the edit box over a content cell; false for a row past the grid.
  bool EditText(int row);
  void EndEdit();
  int EditRow() const { return editRow_; }
  BoundText textBox;  // the edit box: at most 237 bytes

  const CAlarmList& List() const { return work_; }

  // The grid's rows changed.
  std::function<void()> onGridChanged;
  // The edit box closed because its text no longer exists.
  std::function<void()> onEditClosed;

 private:
  void TextEdited();
  void UpdateBitOffsetRange();
  void GridChanged() const {
    if (onGridChanged) onGridChanged();
  }
  CAlarmList work_;
  std::string editText_;
  int editRow_ = -1;
};

}  // namespace tavo::app
