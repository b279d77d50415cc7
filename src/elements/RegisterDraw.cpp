#include "elements/Register.h"

// The numeric register on the simulated display.
namespace tavo {

void CRegister::Draw(Canvas& canvas) {}

}  // namespace tavo
