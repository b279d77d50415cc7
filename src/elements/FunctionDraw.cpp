#include "elements/Function.h"

// The function key on the simulated display.
namespace tavo {

void CFunction::Draw(Canvas& canvas) {}

}  // namespace tavo
