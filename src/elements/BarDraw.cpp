#include "elements/Bar.h"
#include "render/Canvas.h"

// The bar graph on the simulated display: a white bar area with a dark sample
// part, a white two-pixel margin around that part, and a scale strip with
// ticks at 0, 1/4, 1/2 (longer), 3/4 and the full length along the side the
// bar is measured on (left for vertical bars, bottom for horizontal ones).
namespace tavo {

namespace {

constexpr int kStrip = 3;   // strip width, the boundary line included
constexpr int kMargin = 2;  // white frame between the bar area and the sample part

}  // namespace

void CBar::Draw(Canvas& canvas) {
  const Rect r = m_rect;
  const Rect savedClip = canvas.Clip();
  canvas.SetClip({std::max(r.left, savedClip.left), std::max(r.top, savedClip.top),
                  std::min(r.right, savedClip.right), std::min(r.bottom, savedClip.bottom)});
  canvas.FillRect(r, kDisplayLit);
  canvas.FrameRect(r, kBlack);
  const int w = r.Width(), h = r.Height();
  const int ticks[5] = {0, 1, 2, 3, 4};  // quarters
  if (!IsHorizontal(m_direction)) {
    // Strip: columns left+1 .. left+2 between the outline and the boundary line.
    const int boundary = r.left + kStrip;
    canvas.Line({boundary, r.top}, {boundary, r.bottom}, kBlack);
    for (int q : ticks) {
      const int y = q == 4 ? r.bottom - 1 : r.top + h * q / 4;
      canvas.Line({r.left + 1, y}, {boundary + (q == 2 ? 3 : 0), y}, kBlack);
    }
    const Rect inner{boundary + 1 + kMargin, r.top + 1 + kMargin, r.right - 1 - kMargin,
                     r.bottom - 1 - kMargin};
    const int ih = inner.Height();
    if (m_direction == kBarDown)  // grows from the top: a third shown
      canvas.FillRect({inner.left, inner.top, inner.right, inner.top + ih / 3}, kDisplayDark);
    else  // up: grows from the bottom, two thirds shown
      canvas.FillRect({inner.left, inner.bottom - ih * 2 / 3, inner.right, inner.bottom},
                      kDisplayDark);
  } else {
    const int boundary = r.bottom - 1 - kStrip;
    canvas.Line({r.left, boundary}, {r.right, boundary}, kBlack);
    for (int q : ticks) {
      const int x = q == 4 ? r.right - 1 : r.left + w * q / 4;
      canvas.Line({x, r.bottom - 2}, {x, boundary - (q == 2 ? 3 : 0) - 1}, kBlack);
    }
    const Rect inner{r.left + 1 + kMargin, r.top + 1 + kMargin, r.right - 1 - kMargin,
                     boundary - kMargin};
    const int iw = inner.Width();
    if (m_direction == kBarLeft)  // grows from the right: two thirds shown
      canvas.FillRect({inner.right - iw * 2 / 3, inner.top, inner.right, inner.bottom},
                      kDisplayDark);
    else  // right: grows from the left, a third shown
      canvas.FillRect({inner.left, inner.top, inner.left + iw / 3, inner.bottom}, kDisplayDark);
  }
  canvas.SetClip(savedClip);
}

}  // namespace tavo
