#include "elements/Dynamic.h"

// The dynamic text on the simulated display.
namespace tavo {

void CDynamic::Draw(Canvas& canvas) {}

}  // namespace tavo
