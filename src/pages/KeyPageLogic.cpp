#include "pages/KeyPageLogic.h"

#include "elements/Function.h"
#include "elements/KeyNames.h"
#include "pages/PageRules.h"
#include "plc/Catalogue.h"
#include "plc/Protocol.h"
#include "plc/ProtocolTraits.h"

namespace tavo::app {

namespace {
// The keys in the user's language, in key-index order.
std::vector<std::string> KeyNames() {
  return TranslateAll(kKeyNamesContext, {kKeyNames.begin(), kKeyNames.end()});
}

void SetRange(NumberBox& box, const Range& r) {
  box.SetRange(r.min, r.max);
}
}  // namespace

KeyPageLogic::KeyPageLogic(PageEnv& env) : ElementPageLogic(env) {
  for (ControlState* c : std::initializer_list<ControlState*>{
           &doubleSize, &inverse, &key, &hand, &hidden, &protect, &action, &format, &coilOp,
           &jumpKind, &recipeOp, &recipeType})
    Connect(*c);
  Connect(coil);
  for (NumberBox* b : {&value, &screenNo, &recipeStation, &recipeAddr, &recipeTarget, &recipeLen})
    Connect(*b);
}

bool KeyPageLogic::RecipeOffered(uint8_t protocol) {
  return TraitsOf(protocol).keyRecipes;
}

int KeyPageLogic::SubPage() const {
  switch (action.Value()) {
    case kActionJump:
      return kSubPageJump;
    case kActionRecipe:
      return kSubPageRecipe;
    default:
      return kSubPageCoil;
  }
}

void KeyPageLogic::Load(CBase& element) {
  key_ = &static_cast<CFunction&>(element);
  StartLoad(element);
  const uint8_t protocol = CurrentProtocol();
  doubleSize.Bind(key_->m_double);
  inverse.Bind(key_->m_inverse);
  key.Bind(key_->m_picStyle, KeyNames());
  hand.Bind(key_->m_hand);
  hidden.Bind(key_->m_hidden);
  protect.Bind(key_->m_protected);

  // Without a set-coil action the key's coil operation is 4.
  const bool setsCoils = TraitsOf(protocol).setsCoils;
  action.SetButtonEnabled(kActionSetCoil, setsCoils);
  if (!setsCoils) key_->m_coilOp = 4;
  action.SetButtonEnabled(kActionRecipe, RecipeOffered(protocol));
  action.Set(key_->m_action);
  action.ClearChanged();
  coilOp.Set(key_->m_coilOp);
  jumpKind.Set(key_->m_jumpKind);
  recipeOp.Set(key_->m_recipeOp);
  for (ControlState* c : std::initializer_list<ControlState*>{&coilOp, &jumpKind, &recipeOp})
    c->ClearChanged();

  LoadSubPage();
  ElementPageLogic::Load(element);
}

void KeyPageLogic::LoadSubPage() {
  const ProtocolProfile& profile = CurrentProfile();
  switch (SubPage()) {
    case kSubPageCoil: {
      const bool setRegister = action.Value() == kActionSetRegister;
      const bool subShown =
          setRegister ? TraitsOf(profile.m_protocol).wordWriteSubAddress : SubAddressShown(profile);
      coil.Load(*key_, setRegister ? VariableUse::WordWrite : VariableUse::BitWrite, !setRegister,
                subShown ? 1 : 0);
      format.Bind(key_->m_valueFormat, ShownChoices(profile.m_dataFormats));
      // Visibility first: a hidden box never changes its field.
      coilOp.SetVisible(!setRegister);
      value.SetVisible(setRegister);
      format.SetVisible(setRegister && !profile.m_dataFormats.empty());
      UpdateSubAddressShown();
      value.Bind(key_->m_setValue);
      UpdateValueRange();
      break;
    }
    case kSubPageJump:
      screenNo.SetRadix(Radix::Unsigned);
      screenNo.Bind(key_->m_screenNo);
      screenNo.SetRange(1, 65535);
      screenNo.SetEnabled(jumpKind.Value() == 0);
      break;
    default: {
      recipeStation.SetRadix(Radix::Unsigned);
      recipeStation.Bind(key_->m_station);
      SetRange(recipeStation, StationRange(profile));
      recipeType.Bind(key_->m_regType, profile.m_wordWriteTypes);
      recipeAddr.SetRadix(AddressRadix(profile, recipeType.SelectedName()));
      recipeAddr.Bind(key_->m_addr);
      SetRange(recipeAddr, AddressRange(profile, false));
      recipeTarget.SetRadix(Radix::Unsigned);
      recipeTarget.Bind(key_->m_recipeTarget);
      recipeTarget.SetRange(0, kRecipeMax);
      recipeLen.SetRadix(Radix::Unsigned);
      recipeLen.Bind(key_->m_recipeLen);
      recipeLen.SetRange(0, kRecipeMax);
      break;
    }
  }
  Layout();
}

void KeyPageLogic::TakeBaseline() {
  ElementPageLogic::TakeBaseline();
  if (key_) baseValue_ = key_->m_setValue;
}

void KeyPageLogic::UpdateValueRange() {
  // The value is cut to the new range from its value before the session.
  key_->m_setValue = baseValue_;
  const ProtocolProfile& profile = CurrentProfile();
  const uint8_t code = profile.m_namedVariables
                           ? key_->m_regSubTypeCode
                           : RegisterTypeCode(profile, key_->m_regType, kUseWord);
  const unsigned width = RegisterWidth(code, 1);
  const uint8_t fmt = key_->m_valueFormat;
  value.SetRadix(fmt == 1 ? Radix::Hex : fmt == 2 ? Radix::Signed : Radix::Unsigned);
  SetRange(value, WidthRange(width, fmt == 2));
}

void KeyPageLogic::UpdateSubAddressShown() {
  const ProtocolProfile& profile = CurrentProfile();
  if (action.Value() == kActionSetRegister)
    coil.subAddr.SetVisible(TraitsOf(profile.m_protocol).wordWriteSubAddress);
  else
    coil.subAddr.SetVisible(SubAddressShown(profile));
}

void KeyPageLogic::Idle() {
  if (!key_) return;
  if (!EditControl()) TakeBaseline();  // a pass without a session derives from now
  IdlePosition();
  if (doubleSize.Changed() || hand.Changed()) {
    doubleSize.ClearChanged();
    hand.ClearChanged();
    Resize();
  }
  if (inverse.Changed() || hidden.Changed() || key.Changed()) {
    inverse.ClearChanged();
    hidden.ClearChanged();
    key.ClearChanged();
    env_.Repaint();
  }
  protect.ClearChanged();

  key_->SetOption(static_cast<uint8_t>(action.Value()), kOptionAction);
  if (action.Changed()) {
    action.ClearChanged();
    LoadSubPage();
  }
  switch (SubPage()) {
    case kSubPageCoil: {
      const bool setRegister = action.Value() == kActionSetRegister;
      if (!setRegister) key_->SetOption(static_cast<uint8_t>(coilOp.Value()), kOptionCoilOp);
      coilOp.ClearChanged();
      const bool rangeDirty = coil.type.Changed() || coil.subType.Changed() || format.Changed();
      if (format.Changed()) key_->SetValueFormat(key_->m_valueFormat);
      format.ClearChanged();
      const bool listShown = coil.subType.Visible();
      coil.Idle(setRegister ? &key_->m_regSubTypeCode : &key_->m_coilSubTypeCode,
                &key_->m_subTypeAddr);
      if (setRegister && rangeDirty) UpdateValueRange();
      UpdateSubAddressShown();
      if (listShown != coil.subType.Visible()) Layout();
      value.ClearChanged();
      break;
    }
    case kSubPageJump:
      key_->SetOption(static_cast<uint8_t>(jumpKind.Value()), kOptionJumpKind);
      jumpKind.ClearChanged();
      screenNo.SetEnabled(jumpKind.Value() == 0);
      screenNo.ClearChanged();
      break;
    default:
      key_->SetOption(static_cast<uint8_t>(recipeOp.Value()), kOptionRecipeOp);
      recipeOp.ClearChanged();
      if (recipeType.Changed() && !TraitsOf(CurrentProfile().m_protocol).octalTypes.empty())
        recipeAddr.SetRadix(AddressRadix(CurrentProfile(), recipeType.SelectedName()));
      for (ControlState* c : std::initializer_list<ControlState*>{&recipeType}) c->ClearChanged();
      for (NumberBox* b : {&recipeStation, &recipeAddr, &recipeTarget, &recipeLen})
        b->ClearChanged();
      break;
  }
}

}  // namespace tavo::app
