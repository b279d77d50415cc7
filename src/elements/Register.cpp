#include "elements/Register.h"

#include "base/Prompter.h"
#include "base/Substitute.h"
#include "elements/ElementCommon.h"
#include "model/Project.h"
#include "plc/Protocol.h"
#include "plc/ProtocolTraits.h"

namespace tavo {

namespace {

// Byte width of a new register: named variables are one word.
unsigned NewRegisterWidth(uint8_t protocol) {
  return TraitsOf(protocol).namedVariables ? 2 : DefaultWordWidth(protocol);
}

}  // namespace

CRegister::CRegister() {
  const uint8_t p = CurrentProtocol();
  m_kind = kKindRegister;
  m_addr = TraitsOf(p).registerAddress;
  m_inHigh = AllOnesOfWidth(NewRegisterWidth(p));
  m_engHigh = m_inHigh;
}

CRegister::CRegister(Point at) : CRegister() {
  SetPanelPosition(*this, at);
}

std::unique_ptr<CBase> CRegister::Clone() const {
  return std::unique_ptr<CBase>(new CRegister(*this));
}

int CRegister::Cells() const {
  int point = 0;
  if (m_decimals > 0 && m_decimals < m_digits) point = 1;
  if (m_decimals > 0 && m_decimals == m_digits) point = 2;
  return m_digits + Flag(m_signed) + point;
}

int CRegister::RecordCells() const {
  int n = m_digits + Flag(m_signed);
  if (m_decimals > 0) ++n;
  if (m_decimals >= m_digits) ++n;
  return n;
}

void CRegister::SetScreenPos(int left, int top) {
  if (m_decimals > m_digits)
    CurrentPrompter().Message(RegisterErrorText(), "", MessageIcon::Warning);
  const int scale = 1 + Flag(m_double);
  m_rect = {left, top, left + scale * 18 * Cells(), top + 36 * scale};
}

std::string RegisterErrorText() {
  return Translate("tavo::elements::Register", kRegisterErrorText);
}

std::string RegisterErrorPlaces(const Project& project) {
  std::string places;
  for (const auto& screen : project.m_screens) {
    for (const auto& element : screen->m_elements) {
      const auto* r = dynamic_cast<const CRegister*>(element.get());
      if (!r || r->m_decimals <= r->m_digits) continue;
      if (!places.empty()) places += '\n';
      // %1 the screen, %2 and %3 the register's place, %4 its decimals, %5 its digits.
      const char* place = TAVO_TRANSLATE_NOOP("tavo::elements::Register",
                                              "%1号画面 寄存器(%2,%3): 小数位%4多于位数%5");
      places += Substitute(
          Translate("tavo::elements::Register", place),
          {std::to_string(screen->m_number), std::to_string(r->m_x), std::to_string(r->m_y),
           std::to_string(r->m_decimals), std::to_string(r->m_digits)});
    }
  }
  return places;
}

}  // namespace tavo
