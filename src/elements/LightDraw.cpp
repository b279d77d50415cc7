#include "elements/Light.h"

// The light on the simulated display.
namespace tavo {

void CLight::Draw(Canvas& canvas) {}

}  // namespace tavo
