#pragma once

// The dynamic-text page (165) without a window, with its value / text grid
// (sub-page 256 in the frame "显示文本").

#include <functional>
#include <string>
#include <vector>

#include "pages/PageLogic.h"
#include "pages/PageRules.h"

namespace tavo {
class CDynamic;
}

namespace tavo::app {

class DynamicPageLogic : public ElementPageLogic {
 public:
  static constexpr int kRows = 32;
  static constexpr int kValueColumn = 0;  // "数值"
  static constexpr int kTextColumn = 1;   // "内容"
  static constexpr size_t kMaxCellText = 24;

  explicit DynamicPageLogic(PageEnv& env);
  void Load(CBase& element) override;
  void Idle() override;
  void Unload() override {
    EndEdit();
    ElementPageLogic::Unload();
    dyn_ = nullptr;
  }

  BoundCheck doubleSize;    // 1099 "倍角"
  BoundCheck inverse;       // 1100 "反相"
  AddressControls address;  // 1149, 1138, 1092, 1139, 1078
  RadioChoice mode;         // "模式:" 0 "HEX/BCD" (1131), 1 "十进制" (1130)
  BoundCheck isSigned;      // 1091 "有符号数"

  // ---- the grid, rows 0 - 31 ----
  // A cell as the grid shows it (GBK).
  std::string CellText(int row, int column) const;
  // Starts editing a cell: the value box (1158) or the text box (1080) is
  // bound to it and holds its current text. False for a cell outside the grid.
  bool EditCell(int row, int column);
  void EndEdit();
  int EditRow() const { return editRow_; }
  int EditColumn() const { return editColumn_; }
  NumberBox valueBox;  // 1158: the value of the row being edited
  BoundText textBox;   // 1080: the text of the row being edited, 24 bytes

  // The values a row can hold: the register's width and sign, at most the
  // 16 bits the panel compares.
  Range ValueRange() const;

  // Rows of the grid changed (-1: every row).
  std::function<void(int row)> onGridChanged;

 private:
  void ValueEdited();
  void ApplyValueRange(bool clampRows);
  void TakeBaseline() override;
  void GridChanged(int row) const {
    if (onGridChanged) onGridChanged(row);
  }
  CDynamic* dyn_ = nullptr;
  int editRow_ = -1;
  int editColumn_ = -1;
  std::string scratch_;  // what the text box is bound to while nothing is edited
  // The sign and the rows' values when the session began: the value range
  // cuts them from there, so that a passing choice does not cut them for good.
  uint8_t baseSigned_ = 0;
  std::vector<int32_t> baseValues_;
  std::vector<std::string> baseValueTexts_;
};

}  // namespace tavo::app
