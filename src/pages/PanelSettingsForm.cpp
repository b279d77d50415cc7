#include "pages/PanelSettingsForm.h"

#include "base/Substitute.h"
#include "base/Texts.h"
#include "model/Project.h"
#include "plc/Catalogue.h"
#include "plc/ProtocolTraits.h"

namespace tavo::app {

namespace {
// Enabled by the rule, unless an empty range already disabled the box.
void Enable(NumberBox& box, bool rule) {
  box.SetEnabled(rule && box.Min() < box.Max());
}
}  // namespace

void PanelSettingsForm::Open(const PanelSettings& settings) {
  const ProtocolProfile& profile = CurrentProfile();
  work_ = settings;
  for (NumberBox* b : {&startScreen, &password, &saverScreen, &station})
    b->SetRadix(Radix::Unsigned);
  startScreen.Bind(work_.m_startScreen);
  startScreen.SetRange(0, 65535);
  password.Bind(work_.m_password);
  password.SetRange(0, 9999);
  saverScreen.Bind(work_.m_saverScreen);
  saverScreen.SetRange(0, 65535);
  ctrlAddr.SetRadix(profile.OctalAddresses() ? Radix::Octal : Radix::Unsigned);
  ctrlAddr.Bind(work_.m_ctrlRegAddr);
  ctrlAddr.SetRange(TraitsOf(profile.m_protocol).controlAddressMin, profile.m_maxWordAddr);
  station.Bind(work_.m_ctrlStation);
  station.SetRange(profile.m_stationMin, profile.m_stationMax);

  ctrlType.Bind(work_.m_ctrlRegType, profile.m_wordTypes);
  saverDelay.Bind(work_.m_saverDelay,
                  TranslateAll("tavo::model::Project",
                               {std::begin(kSaverDelayNames), std::end(kSaverDelayNames)}));
  saverAction.Set(work_.m_saverAction ? 1 : 0);
  for (int i = 0; i < 3; ++i) {
    flags_[i] = (work_.m_ctrlFlags >> i) & 1;
    functions[i].Bind(flags_[i]);
    functions[i].SetEnabled(profile.m_statusControl);
  }
  Idle();
}

void PanelSettingsForm::Accept(PanelSettings& settings) const {
  settings.m_ctrlFlags = static_cast<uint8_t>(flags_[0] + 2 * flags_[1] + 4 * flags_[2]);
  settings.m_password = work_.m_password;
  settings.m_saverAction = static_cast<uint8_t>(saverAction.Value());
  settings.m_saverScreen = work_.m_saverScreen;
  settings.m_ctrlStation = work_.m_ctrlStation;
  settings.m_ctrlRegType = work_.m_ctrlRegType;
  settings.m_ctrlRegAddr = work_.m_ctrlRegAddr;
  settings.m_saverDelay = work_.m_saverDelay;
  settings.m_startScreen = work_.m_startScreen;
}

std::array<std::string, 3> PanelSettingsForm::Hints(const std::array<bool, 3>& checked,
                                                    unsigned address, unsigned step,
                                                    const std::string& typeName, uint8_t protocol) {
  std::array<std::string, 3> out;
  unsigned before = 0;  // functions checked before this one (of the first two)
  for (int i = 0; i < 3; ++i) {
    if (!checked[i]) continue;
    const unsigned a = address + step * before;
    // "对应D100": the register the function uses.
    out[i] =
        Substitute(Translate("tavo::pages::PanelSettingsForm", "对应%1"),
                   {typeName + (TraitsOf(protocol).fileAddresses ? ":" : "") + std::to_string(a)});
    if (i < 2) ++before;
  }
  return out;
}

void PanelSettingsForm::Idle() {
  const ProtocolProfile& profile = CurrentProfile();
  const std::array<bool, 3> checked = {functions[0].Checked(), functions[1].Checked(),
                                       functions[2].Checked()};
  hints_ = Hints(checked, work_.m_ctrlRegAddr, profile.m_addrStep, ctrlType.SelectedName(),
                 profile.m_protocol);
  const bool any = checked[0] || checked[1] || checked[2];
  Enable(saverScreen, saverAction.Value() == 1);
  Enable(ctrlAddr, any);
  const ProtocolTraits& traits = TraitsOf(profile.m_protocol);
  Enable(station, any && traits.controlStationSet);
  ctrlType.SetEnabled(any && profile.m_ctrlRegTypeChoosable && !traits.controlTypeFixed);
}

}  // namespace tavo::app
