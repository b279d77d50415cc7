#include "elements/Function.h"

#include "elements/ElementCommon.h"
#include "plc/Protocol.h"
#include "plc/ProtocolTraits.h"

namespace tavo {

CFunction::CFunction() {
  const uint8_t p = CurrentProtocol();
  m_kind = kKindKey;
  m_picStyle = 2;  // the "→" key
  // Without a set-coil action a new key jumps to a screen.
  m_action = TraitsOf(p).setsCoils ? kActionSetCoil : kActionJump;
  m_addr = TraitsOf(p).keyAddress;
}

CFunction::CFunction(Point at) : CFunction() {
  SetPanelPosition(*this, at);
}

std::unique_ptr<CBase> CFunction::Clone() const {
  return std::unique_ptr<CBase>(new CFunction(*this));
}

void CFunction::SetOption(uint8_t value, int which) {
  switch (which) {
    case kOptionAction:
      m_action = value;
      break;
    case kOptionCoilOp:
      m_coilOp = value;
      break;
    case kOptionJumpKind:
      m_jumpKind = value;
      break;
    case kOptionRecipeOp:
      m_recipeOp = value;
      break;
    default:
      break;
  }
}

void CFunction::SetScreenPos(int left, int top) {
  const int side = Side();
  m_rect = {left, top, left + side * (1 + Flag(m_hand)), top + side};
}

void CFunction::SetValueFormat(uint8_t format) {
  m_valueFormat = format;
  m_valueSigned = format == 2 ? 1 : 0;
  m_signed = m_valueSigned;
  m_valueHex = format == 1 ? 1 : 0;
}

int CFunction::KeyPicture() const {
  if (m_hidden) return m_picStyle * 3 + kPicFirstKey + 2;
  return m_picStyle * 3 + kPicFirstKey + Flag(m_inverse);
}

int CFunction::HandPicture() const {
  return kPicHand + Flag(m_inverse);
}

}  // namespace tavo
