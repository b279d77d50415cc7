#include "elements/Chars.h"

// The text on the simulated display.
namespace tavo {

void CChars::Draw(Canvas& canvas) {}

}  // namespace tavo
