#include "elements/UpLoadPic.h"

// The picture on the simulated display.
namespace tavo {

void CUpLoadPic::Draw(Canvas& canvas) {}

}  // namespace tavo
