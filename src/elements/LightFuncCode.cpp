#include "elements/LightFunc.h"

// The part of the light's and the key's download record they share.
namespace tavo {

void CLightFunc::Compile() {
  CBase::Compile();
}

}  // namespace tavo
