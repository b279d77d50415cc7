#include "elements/Function.h"
#include "render/EditorPictures.h"

// The function key on the simulated display: its key picture (the dotted
// outline when hidden), with the pointing hand in the left half when it has one.
namespace tavo {

void CFunction::Draw(Canvas& canvas) {
  const Canvas& key = *EditorPicture(KeyPictureNumber(m_picStyle, m_inverse, m_hidden));
  if (m_hand == 0) {
    canvas.CopyScaled(key, m_rect);
    return;
  }
  const int middle = m_rect.left + m_rect.Width() / 2;
  canvas.CopyScaled(*EditorPicture(HandPictureNumber(m_inverse)),
                    {m_rect.left, m_rect.top, middle, m_rect.bottom});
  canvas.CopyScaled(key, {middle, m_rect.top, m_rect.right, m_rect.bottom});
}

}  // namespace tavo
