#include "pages/PageLogic.h"

#include "model/Base.h"
#include "pages/PageRules.h"
#include "plc/Catalogue.h"
#include "plc/ProtocolTraits.h"

namespace tavo::app {

// ---- PageLogic ----

void PageLogic::Edited() {
  if (env_.modified) env_.modified();
  if (onIdleWanted) onIdleWanted();
}

void PageLogic::Connect(ControlState& control) {
  control.onUserEdit = [this, c = &control] {
    Touch(c);
    Edited();
  };
  controls_.push_back(&control);
}

void PageLogic::Connect(NumberBox& box) {
  box.onUserEdit = [this, b = &box] {
    Touch(b);
    Edited();
  };
  boxes_.push_back(&box);
}

void PageLogic::Touch(const void* control) {
  if (editControl_ == control) return;
  EndEdit();
  editControl_ = control;
  TakeBaseline();
  if (onEditBegan) onEditBegan();
}

void PageLogic::EndEdit() {
  if (!editControl_) return;
  editControl_ = nullptr;
  if (onEditEnded) onEditEnded();
}

void PageLogic::Unload() {
  EndEdit();
  for (ControlState* c : controls_) c->Unbind();
  for (NumberBox* b : boxes_) b->Unbind();
}

void PageLogic::Connect(AddressControls& a) {
  Connect(a.station);
  Connect(a.type);
  Connect(a.subType);
  Connect(a.addr);
  Connect(a.subAddr);
}

// ---- AddressControls ----

namespace {
uint8_t ListUse(VariableUse use) {
  switch (use) {
    case VariableUse::BitWrite:
      return kUseBitWrite;
    case VariableUse::BitRead:
      return kUseBitRead;
    default:
      return kUseWord;
  }
}

void SetRange(NumberBox& box, const Range& r) {
  box.SetRange(r.min, r.max);
}
}  // namespace

void AddressControls::Load(CBase& e, VariableUse use, bool bitAddress, int subAddrShown) {
  element_ = &e;
  use_ = use;
  const ProtocolProfile& profile = CurrentProfile();

  station.SetRadix(Radix::Unsigned);
  station.Bind(e.m_station);
  SetRange(station, StationRange(profile));

  type.Bind(e.m_regType, TypeList(profile, ListUse(use)));
  FillSubTypes();

  addr.SetRadix(AddressRadix(profile, type.SelectedName()));
  addr.Bind(e.m_addr);
  SetRange(addr, AddressRange(profile, bitAddress));

  subAddr.SetRadix(Radix::Unsigned);
  // Visibility first: a hidden box never changes its field.
  subAddr.SetVisible(subAddrShown < 0 ? SubAddressShown(profile) : subAddrShown != 0);
  subAddr.Bind(e.m_subAddr);
  SetRange(subAddr, SubAddressRange(profile));
}

void AddressControls::FillSubTypes() {
  if (CurrentProfile().m_namedVariables)
    subType.Bind(element_->m_subType, VariableNames(type.SelectedName(), use_));
  else
    subType.Bind(element_->m_subType, {});
}

AddressControls::IdleResult AddressControls::Idle(uint8_t* typeCode, uint16_t* typeAddr) {
  IdleResult result;
  if (!element_) return result;
  const ProtocolProfile& profile = CurrentProfile();
  result.typeChanged = type.Changed();
  if (result.typeChanged && !TraitsOf(profile.m_protocol).octalTypes.empty()) {
    const Radix radix = AddressRadix(profile, type.SelectedName());
    if (radix != addr.GetRadix()) addr.SetRadix(radix);
  }
  if (profile.m_namedVariables) {
    subAddr.SetVisible(false);
    if (result.typeChanged) FillSubTypes();
    const std::string typeName = type.SelectedName();
    const VariableFields f = Protocol31Fields(typeName, subType.SelectedName());
    if (typeCode) *typeCode = f.typeCode;
    element_->m_subAddr = f.subAddr;
    if (typeAddr) *typeAddr = SubTypeAddress(typeName, element_->m_addr);
    addr.ClearChanged();
    subType.ClearChanged();
  }
  type.ClearChanged();
  station.ClearChanged();
  subAddr.ClearChanged();
  return result;
}

// ---- ElementPageLogic ----

ElementPageLogic::ElementPageLogic(PageEnv& env) : PageLogic(env) {
  Connect(x);
  Connect(y);
  x.SetRadix(Radix::Signed);
  y.SetRadix(Radix::Signed);
}

void ElementPageLogic::StartLoad(CBase& e) {
  EndEdit();
  element_ = &e;
  TakeBaseline();
}

void ElementPageLogic::Load(CBase& e) {
  EndEdit();
  element_ = &e;
  TakeBaseline();
  x.Bind(e.m_x);
  y.Bind(e.m_y);
  UpdateMaxima();
}

void ElementPageLogic::Unload() {
  PageLogic::Unload();
  element_ = nullptr;
}

void ElementPageLogic::TakeBaseline() {
  if (!element_) return;
  baseX_ = element_->m_x;
  baseY_ = element_->m_y;
}

void ElementPageLogic::ShowPosition() {
  // Moved from outside the page (a drag): the position is the user's now.
  if (!placing_) {
    EndEdit();
    TakeBaseline();
  }
  x.Reload();
  y.Reload();
}

void ElementPageLogic::UpdateMaxima() {
  if (!element_) return;
  x.SetRange(0, MaxXOf(element_->m_rect));
  y.SetRange(0, MaxYOf(element_->m_rect));
}

bool ElementPageLogic::IdlePosition() {
  if (!element_ || !(x.Changed() || y.Changed())) return false;
  element_->SetScreenPos(PanelToEditor(element_->m_x), PanelToEditor(element_->m_y));
  x.ClearChanged();
  y.ClearChanged();
  env_.Repaint();
  return true;
}

void ElementPageLogic::Resize() {
  if (!element_) return;
  const int oldX = element_->m_x, oldY = element_->m_y;
  if (EditControl() && EditControl() != &x && EditControl() != &y) {
    element_->m_x = baseX_;
    element_->m_y = baseY_;
    element_->SetScreenPos(PanelToEditor(baseX_), PanelToEditor(baseY_));
  }
  placing_ = true;
  element_->Replace();
  if (element_->m_x != oldX || element_->m_y != oldY) ShowPosition();
  placing_ = false;
  UpdateMaxima();
  env_.Repaint();
}

}  // namespace tavo::app
