#include "elements/Light.h"
#include "render/EditorPictures.h"

// The light on the simulated display: the lamp picture of its style in the
// state its logic shows, stretched over the rectangle.
namespace tavo {

void CLight::Draw(Canvas& canvas) {
  canvas.CopyScaled(*EditorPicture(LampPictureNumber(m_picStyle, m_inverse)), m_rect);
}

}  // namespace tavo
