#include "elements/Tide.h"

// The trend graph on the simulated display.
namespace tavo {

void CTide::Draw(Canvas& canvas) {}

}  // namespace tavo
