#include "elements/Bar.h"

// The bar graph on the simulated display.
namespace tavo {

void CBar::Draw(Canvas& canvas) {}

}  // namespace tavo
