#include "elements/LightFunc.h"

// The part of the light's and the key's project-file record they share.
namespace tavo {

void CLightFunc::Serialize(CArchive& ar) {}

}  // namespace tavo
