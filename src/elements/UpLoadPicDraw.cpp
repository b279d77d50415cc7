#include "elements/UpLoadPic.h"
#include "render/Canvas.h"

// The picture on the simulated display: its monochrome pixels through the
// black and white colour table, stretched over the rectangle. A picture whose
// stored size does not match its pixels shows as a black area.
namespace tavo {

void CUpLoadPic::Draw(Canvas& canvas) {
  if (!HasSoundSize()) {
    canvas.FillRect(m_rect, kBlack);
    return;
  }
  const MonoBitmap bits{m_bits.data(), Width(), Height(), RowBytes(Width()), true};
  canvas.CopyScaled(bits, m_rect, kBlack, RgbColor(255, 255, 255));
}

}  // namespace tavo
