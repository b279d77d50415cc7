#include "elements/Light.h"

// The light's 12-byte download record.
namespace tavo {

void CLight::CalcCodeSize() {
  CBase::CalcCodeSize();
}
void CLight::Compile() {
  CLightFunc::Compile();
}

}  // namespace tavo
