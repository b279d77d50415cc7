#include "pages/DynamicPageLogic.h"

#include <algorithm>

#include "elements/Dynamic.h"
#include "plc/Catalogue.h"

namespace tavo::app {

DynamicPageLogic::DynamicPageLogic(PageEnv& env) : ElementPageLogic(env) {
  EndEdit();
  for (ControlState* c :
       std::initializer_list<ControlState*>{&doubleSize, &inverse, &mode, &isSigned, &textBox})
    Connect(*c);
  Connect(address);
  valueBox.onUserEdit = [this] {
    Touch(&valueBox);
    ValueEdited();
    Edited();
  };
}

void DynamicPageLogic::Load(CBase& element) {
  EndEdit();
  dyn_ = &static_cast<CDynamic&>(element);
  StartLoad(element);
  doubleSize.Bind(dyn_->m_double);
  inverse.Bind(dyn_->m_inverse);
  address.Load(element, VariableUse::WordDisplay, false);
  mode.Set(dyn_->m_numFormat ? 1 : 0);
  mode.ClearChanged();
  isSigned.Bind(dyn_->m_signed);
  isSigned.SetEnabled(mode.Value() == 1);
  ElementPageLogic::Load(element);
  GridChanged(-1);
  Layout();
}

Range DynamicPageLogic::ValueRange() const {
  const ProtocolProfile& profile = CurrentProfile();
  unsigned width = 2;
  if (!profile.m_namedVariables)
    width = RegisterWidth(RegisterTypeCode(profile, dyn_->m_regType, kUseWord), dyn_->m_regCount);
  return WidthRange(std::min(width, 2u), dyn_->m_signed != 0 && dyn_->m_numFormat == 1);
}

std::string DynamicPageLogic::CellText(int row, int column) const {
  if (!dyn_ || row < 0 || row >= kRows) return {};
  const auto& list = column == kValueColumn ? dyn_->m_valueTexts : dyn_->m_texts;
  return static_cast<size_t>(row) < list.size() ? list[row] : std::string();
}

bool DynamicPageLogic::EditCell(int row, int column) {
  EndEdit();
  if (!dyn_ || row < 0 || row >= kRows) return false;
  if (static_cast<size_t>(row) >= dyn_->m_texts.size() ||
      static_cast<size_t>(row) >= dyn_->m_valueTexts.size() ||
      static_cast<size_t>(row) >= dyn_->m_values.size())
    return false;
  if (column == kValueColumn) {
    dyn_->m_newValue = dyn_->m_values[row];
    const Range r = ValueRange();
    valueBox.SetRadix(ValueRadix(dyn_->m_numFormat, dyn_->m_signed != 0));
    valueBox.Bind(dyn_->m_newValue);
    valueBox.SetRange(r.min, r.max);
    // The cell as the user typed it; an empty cell (a row not in use) stays empty.
    const std::string& cell = dyn_->m_valueTexts[row];
    const ParsedText p = ParseNumber(cell, valueBox.GetRadix(), valueBox.Min(), valueBox.Max());
    if (cell.empty())
      valueBox.ShowText("");
    else if (p.check != TextCheck::Valid)
      valueBox.Reload();
    else
      valueBox.ShowText(cell);
  } else if (column == kTextColumn) {
    textBox.Bind(dyn_->m_texts[row], kMaxCellText);
  } else {
    return false;
  }
  editRow_ = row;
  editColumn_ = column;
  if (column == kValueColumn)
    valueBox.SetVisible(true);
  else
    textBox.SetVisible(true);
  return true;
}

void DynamicPageLogic::EndEdit() {
  // The edit boxes are shown only over the cell being edited.
  valueBox.SetVisible(false);
  textBox.SetVisible(false);
  valueBox.Unbind();
  textBox.Bind(scratch_, kMaxCellText);
  editRow_ = editColumn_ = -1;
}

void DynamicPageLogic::ValueEdited() {
  if (!dyn_ || editColumn_ != kValueColumn) return;
  const bool hadText = !CellText(editRow_, kTextColumn).empty();
  dyn_->EditValue(editRow_ + 1, valueBox.Text());
  if (hadText && CellText(editRow_, kTextColumn).empty()) UpdateMaxima();
  GridChanged(editRow_);
}

void DynamicPageLogic::TakeBaseline() {
  ElementPageLogic::TakeBaseline();
  if (!dyn_) return;
  baseSigned_ = dyn_->m_signed;
  baseValues_ = dyn_->m_values;
  baseValueTexts_ = dyn_->m_valueTexts;
}

void DynamicPageLogic::ApplyValueRange(bool clampRows) {
  const Range r = ValueRange();
  if (clampRows) {
    if (baseValues_.size() == dyn_->m_values.size() &&
        baseValueTexts_.size() == dyn_->m_valueTexts.size()) {
      dyn_->m_values = baseValues_;
      dyn_->m_valueTexts = baseValueTexts_;
    }
    dyn_->ClampValues(dyn_->m_numFormat, static_cast<int32_t>(r.max), static_cast<int32_t>(r.min));
    GridChanged(-1);
  }
  if (editColumn_ == kValueColumn) {
    valueBox.SetRadix(ValueRadix(dyn_->m_numFormat, dyn_->m_signed != 0));
    valueBox.SetRange(r.min, r.max);
  }
}

void DynamicPageLogic::Idle() {
  if (!dyn_) return;
  IdlePosition();
  if (doubleSize.Changed()) Resize();
  if (inverse.Changed()) env_.Repaint();

  if (!EditControl()) TakeBaseline();  // a pass without a session derives from now
  const uint8_t before = dyn_->m_numFormat;
  dyn_->SetOption(static_cast<uint8_t>(mode.Value()), 0);
  const bool decimal = mode.Value() == 1;
  // HEX/BCD clears the sign; "十进制" gives back the sign of the session's start.
  if (!decimal)
    isSigned.SetChecked(false, true);
  else if (mode.Changed())
    isSigned.SetChecked(baseSigned_ != 0, true);
  isSigned.SetEnabled(decimal);

  const auto result = address.Idle(&dyn_->m_subTypeCode, &dyn_->m_subTypeAddr);
  if (before != dyn_->m_numFormat || isSigned.Changed() || result.typeChanged)
    ApplyValueRange(true);

  if (textBox.Changed() && editColumn_ == kTextColumn) {
    Resize();
    GridChanged(editRow_);
  }
  for (ControlState* c :
       std::initializer_list<ControlState*>{&doubleSize, &inverse, &mode, &isSigned, &textBox})
    c->ClearChanged();
  valueBox.ClearChanged();
}

}  // namespace tavo::app
