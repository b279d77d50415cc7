#include "elements/Light.h"

// The light's project-file record.
namespace tavo {

void CLight::Serialize(CArchive& ar) {}

}  // namespace tavo
