#include "check/Bindings.h"
#include "check/CheckContext.h"
#include "model/Project.h"
#include "plc/Catalogue.h"

// PLC addresses against the protocol profile: the station range, the highest
// word or bit address, the highest bit index, the register count and the
// register-type list; and the alarm list against the protocol's alarm coils.
namespace tavo {

namespace {

void CheckBinding(CheckContext& c, const CMainView* screen, size_t i, const Phrase& who,
                  const Binding& b) {
  const ProtocolProfile& p = c.profile;
  if (b.typePastEnd)
    c.Add(Severity::kWarning, "register-type", screen, i,
          FindingText(TAVO_TRANSLATE_NOOP("tavo::check::ProjectCheck",
                                          "%1的类型序号%2超出协议的类型表，下载时用最后一个类型%3"),
                      {who, std::to_string(b.regType), b.typeName}));
  // The panel's own registers have no station and their own address range;
  // protocol 31 names variables instead of addresses.
  if (b.panelInternal) {
    if (b.address > p.m_internalWordMax)
      c.Add(Severity::kError, "address-range", screen, i,
            FindingText(TAVO_TRANSLATE_NOOP("tavo::check::ProjectCheck",
                                            "%1的地址%2超出面板内部寄存器的最大地址%3"),
                        {who, std::to_string(b.address), std::to_string(p.m_internalWordMax)}));
    return;
  }
  if (b.station < p.m_stationMin || b.station > p.m_stationMax)
    c.Add(Severity::kError, "station-range", screen, i,
          FindingText(
              TAVO_TRANSLATE_NOOP("tavo::check::ProjectCheck", "%1的局号%2超出协议允许的%3至%4"),
              {who, std::to_string(b.station), std::to_string(p.m_stationMin),
               std::to_string(p.m_stationMax)}));
  if (b.countChecked && (b.count < 1 || b.count > p.m_maxRegCount))
    c.Add(Severity::kError, "register-count", screen, i,
          FindingText(TAVO_TRANSLATE_NOOP("tavo::check::ProjectCheck",
                                          "%1的寄存器个数%2超出协议允许的1至%3"),
                      {who, std::to_string(b.count), std::to_string(p.m_maxRegCount)}));
  if (p.m_namedVariables) return;
  const uint16_t maxAddr = b.bit ? p.m_maxBitAddr : p.m_maxWordAddr;
  if (b.address > maxAddr)
    c.Add(Severity::kError, "address-range", screen, i,
          FindingText(TAVO_TRANSLATE_NOOP("tavo::check::ProjectCheck",
                                          "%1的地址%2超出协议允许的最大地址%3"),
                      {who, std::to_string(b.address), std::to_string(maxAddr)}));
  if (b.subAddr > p.m_maxBitIndex)
    c.Add(Severity::kError, "bit-range", screen, i,
          FindingText(TAVO_TRANSLATE_NOOP("tavo::check::ProjectCheck",
                                          "%1的子地址%2超出协议允许的最大位号%3"),
                      {who, std::to_string(b.subAddr), std::to_string(p.m_maxBitIndex)}));
}

}  // namespace

void CheckAddresses(CheckContext& c) {
  if (auto ctrl = ControlRegisterBinding(c.project.m_settings, c.profile))
    CheckBinding(c, nullptr, SIZE_MAX, Phrase(kBindingsContext, kControlRegisterUser), *ctrl);
  for (const Binding& b : AlarmBindings(c.project.m_alarmList, c.profile))
    CheckBinding(c, nullptr, SIZE_MAX, Phrase(kBindingsContext, kAlarmListUser), b);
  for (const auto& screen : c.project.m_screens)
    for (size_t i = 0; i < screen->m_elements.size(); ++i) {
      const CBase& e = *screen->m_elements[i];
      for (const Binding& b : ElementBindings(e, c.profile))
        CheckBinding(c, screen.get(), i, Describe(e), b);
    }
}

void CheckAlarmList(CheckContext& c) {
  const bool hasCoils = !c.profile.m_alarmBitTypes.empty();
  const size_t texts = c.project.m_alarmList.m_alarmTexts.size();
  if (hasCoils && texts == 0)
    c.AddProject(Severity::kNote, "alarm-list-empty",
                 FindingText(TAVO_TRANSLATE_NOOP("tavo::check::ProjectCheck",
                                                 "协议有报警线圈，但报警列表没有内容")));
  if (!hasCoils && texts > 0)
    c.AddProject(Severity::kNote, "alarm-no-coils",
                 FindingText(TAVO_TRANSLATE_NOOP(
                                 "tavo::check::ProjectCheck",
                                 "协议没有报警线圈类型，报警列表却有%1条内容(在此协议下不能编辑)"),
                             {std::to_string(texts)}));
}

}  // namespace tavo
