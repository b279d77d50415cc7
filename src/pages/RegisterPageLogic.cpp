#include "pages/RegisterPageLogic.h"

#include <algorithm>

#include "base/Texts.h"
#include "elements/Register.h"
#include "pages/PageRules.h"
#include "plc/Catalogue.h"

namespace tavo::app {

RegisterPageLogic::RegisterPageLogic(PageEnv& env) : ElementPageLogic(env) {
  for (ControlState* c : std::initializer_list<ControlState*>{
           &doubleSize, &inverse, &mode, &isSigned, &scaling, &settable, &protect, &limited})
    Connect(*c);
  Connect(address);
  for (NumberBox* b : {&digits, &decimals, &count, &inHigh, &inLow, &engHigh, &engLow}) Connect(*b);
}

void RegisterPageLogic::Load(CBase& element) {
  reg_ = &static_cast<CRegister&>(element);
  StartLoad(element);
  doubleSize.Bind(reg_->m_double);
  inverse.Bind(reg_->m_inverse);
  digits.SetRadix(Radix::Unsigned);
  digits.Bind(reg_->m_digits);
  digits.SetRange(1, 10);
  decimals.SetRadix(Radix::Unsigned);
  decimals.Bind(reg_->m_decimals);
  decimals.SetRange(0, 10);
  mode.Set(reg_->m_numFormat ? 1 : 0);
  mode.ClearChanged();
  isSigned.Bind(reg_->m_signed);
  address.Load(element, VariableUse::WordDisplay, false);
  count.SetRadix(Radix::Unsigned);
  count.Bind(reg_->m_regCount);
  scaling.Bind(reg_->m_scaled,
               TranslateAll("tavo::pages::RegisterPageLogic",
                            {TAVO_TRANSLATE_NOOP("tavo::pages::RegisterPageLogic", "原始数据"),
                             TAVO_TRANSLATE_NOOP("tavo::pages::RegisterPageLogic", "工程数据")}));
  settable.Bind(reg_->m_settable);
  protect.Bind(reg_->m_protected);
  limited.Bind(reg_->m_limited);
  inHigh.Bind(reg_->m_inHigh);
  inLow.Bind(reg_->m_inLow);
  engHigh.Bind(reg_->m_engHigh);
  engLow.Bind(reg_->m_engLow);
  ApplyProtocolRules();
  UpdateLimitRanges();
  ApplyMode(false);
  UpdateEnabling();
  ElementPageLogic::Load(element);
  Layout();
}

void RegisterPageLogic::TakeBaseline() {
  ElementPageLogic::TakeBaseline();
  if (!reg_) return;
  base_ = {reg_->m_digits,   reg_->m_decimals,
           reg_->m_signed,   reg_->m_settable,
           reg_->m_regCount, {reg_->m_inHigh, reg_->m_inLow, reg_->m_engHigh, reg_->m_engLow}};
}

void RegisterPageLogic::ApplyMode(bool fromIdle) {
  const bool decimal = mode.Value() == 1;
  if (fromIdle) {
    // HEX/BCD clears the sign and the decimal places; "十进制" gives back
    // what they were before the session's first choice.
    const uint8_t sign = decimal ? base_.isSigned : 0;
    const uint8_t places = decimal ? std::min(base_.decimals, reg_->m_digits) : 0;
    isSigned.SetChecked(sign != 0, true);
    if (reg_->m_decimals != places) {
      decimals.SetValue(places);
      decimals.MarkChanged();
    }
  }
  decimals.SetEnabled(decimal);
  isSigned.SetEnabled(decimal);
}

void RegisterPageLogic::ApplyProtocolRules() {
  const ProtocolProfile& profile = CurrentProfile();
  const std::string typeName = address.type.SelectedName();
  const bool canSet = RegisterSettable(profile.m_protocol, typeName);
  settable.SetChecked(canSet && base_.settable != 0);
  settable.SetEnabled(canSet);
  const uint8_t fixed = FixedRegisterCount(profile.m_protocol, typeName, true);
  reg_->m_regCount = base_.count;
  if (fixed)
    count.SetRange(fixed, fixed);
  else
    count.SetRange(1, profile.m_maxRegCount);
}

void RegisterPageLogic::UpdateLimitRanges() {
  // Each limit is brought into the new range from its value before the
  // session, so that a passing mode or type does not cut it for good.
  int32_t* limits[] = {&reg_->m_inHigh, &reg_->m_inLow, &reg_->m_engHigh, &reg_->m_engLow};
  for (int i = 0; i < 4; ++i) *limits[i] = base_.limits[i];
  const Range r =
      RegisterLimitRange(CurrentProfile(), reg_->m_regType, reg_->m_regCount, reg_->m_signed != 0);
  const Radix radix = ValueRadix(reg_->m_numFormat, reg_->m_signed != 0);
  for (NumberBox* b : {&inHigh, &inLow, &engHigh, &engLow}) {
    b->SetRadix(radix);
    b->SetRange(r.min, r.max);
  }
}

void RegisterPageLogic::UpdateEnabling() {
  const bool lim = reg_->m_limited != 0;
  inHigh.SetEnabled(lim && inHigh.Min() < inHigh.Max());
  inLow.SetEnabled(lim && inLow.Min() < inLow.Max());
  scaling.SetEnabled(lim);
  protect.SetEnabled(reg_->m_settable != 0);
  const bool eng = lim && reg_->m_scaled == 1;
  engHigh.SetEnabled(eng && engHigh.Min() < engHigh.Max());
  engLow.SetEnabled(eng && engLow.Min() < engLow.Max());
}

void RegisterPageLogic::Idle() {
  if (!reg_) return;
  IdlePosition();
  bool resize = false;
  bool ranges = false;
  if (doubleSize.Changed()) resize = true;
  if (inverse.Changed()) env_.Repaint();

  if (!EditControl()) TakeBaseline();  // a pass without a session derives from now

  // 1. The number format, stored on every pass.
  reg_->SetOption(static_cast<uint8_t>(mode.Value()), 0);
  if (mode.Changed()) ranges = true;
  ApplyMode(mode.Changed() || mode.Value() == 0);

  // 2. Decimal places never exceed the digits: lowering the digits lowers
  // them, raising the decimal places raises the digits, each from the other's
  // value before the session.
  if (digits.Changed()) {
    const uint8_t places = mode.Value() == 1 ? std::min(base_.decimals, reg_->m_digits) : 0;
    if (reg_->m_decimals != places) decimals.SetValue(places);
  }
  if (decimals.Changed()) {
    const uint8_t wanted = std::max(base_.digits, reg_->m_decimals);
    if (reg_->m_digits != wanted) digits.SetValue(wanted);
  }
  if (digits.Changed() || decimals.Changed()) resize = true;
  if (isSigned.Changed()) resize = ranges = true;

  // 3. Protocol rules follow the register type.
  const auto result = address.Idle(&reg_->m_subTypeCode, &reg_->m_subTypeAddr);
  if (result.typeChanged) {
    ApplyProtocolRules();
    ranges = true;
  }
  if (count.Changed()) ranges = true;
  if (ranges) UpdateLimitRanges();

  // 4. What the check boxes enable.
  UpdateEnabling();

  if (resize) Resize();
  for (ControlState* c : std::initializer_list<ControlState*>{
           &doubleSize, &inverse, &mode, &isSigned, &scaling, &settable, &protect, &limited})
    c->ClearChanged();
  for (NumberBox* b : {&digits, &decimals, &count, &inHigh, &inLow, &engHigh, &engLow})
    b->ClearChanged();
}

}  // namespace tavo::app
