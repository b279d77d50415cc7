#include "elements/Light.h"

#include "elements/ElementCommon.h"

namespace tavo {

CLight::CLight() {
  m_kind = kKindLight;
}

CLight::CLight(Point at) : CLight() {
  SetPanelPosition(*this, at);
  m_picStyle = 0;
  m_bitOffset = 0;
}

std::unique_ptr<CBase> CLight::Clone() const {
  return std::unique_ptr<CBase>(new CLight(*this));
}

void CLight::SetScreenPos(int left, int top) {
  const int side = Side();
  m_rect = {left, top, left + side, top + side};
}

int CLight::Picture() const {
  return m_picStyle * 2 + Flag(m_inverse);
}
int CLight::OtherPicture() const {
  return m_picStyle * 2 + (1 - Flag(m_inverse));
}

}  // namespace tavo
