#include "elements/Tide.h"
#include "render/Canvas.h"

// The trend graph on the simulated display: axes with arrow heads, ticks on
// the value axis and a sample curve, white on the dark display.
namespace tavo {

void CTide::Draw(Canvas& canvas) {
  const Rect r = m_rect;
  const Rect savedClip = canvas.Clip();
  canvas.SetClip({std::max(r.left, savedClip.left), std::max(r.top, savedClip.top),
                  std::min(r.right, savedClip.right), std::min(r.bottom, savedClip.bottom)});
  canvas.FillRect(r, kDisplayDark);
  canvas.FrameRect(r, kBlack);
  const int w = r.Width(), h = r.Height();
  const int l = r.left, t = r.top, rt = r.right, b = r.bottom;
  constexpr int pen = 2;
  const Color c = kDisplayLit;
  const int axisX = l + 5, axisY = b - 5;
  // Value axis, upwards, with its arrow head.
  canvas.Line({axisX, axisY}, {axisX, t}, c, pen);
  canvas.Line({l, t + 4}, {axisX, t}, c, pen);
  canvas.Line({axisX + 5, t + 4}, {axisX, t}, c, pen);
  // Time axis, to the right edge, with its arrow head.
  canvas.Line({axisX, axisY}, {rt, axisY}, c, pen);
  canvas.Line({rt - 4, b - 1}, {rt, axisY}, c, pen);
  canvas.Line({rt - 4, axisY - 4}, {rt, axisY}, c, pen);
  // Ticks at 1/4, 1/2 (longer), 3/4 of the height and at the bottom.
  for (int q = 1; q <= 4; ++q) {
    const int y = q == 4 ? axisY : t + h * q / 4;
    canvas.Line({axisX, y}, {axisX + (q == 2 ? 8 : 5), y}, c, pen);
  }
  // The sample curve.
  const Point curve[5] = {{axisX, t + h * 2 / 3},
                          {l + w / 4, t + h / 4},
                          {l + w / 2, t + h * 3 / 4},
                          {l + w * 3 / 4, t + h / 2},
                          {rt - 1, t + h * 3 / 4}};
  for (int i = 0; i + 1 < 5; ++i) canvas.Line(curve[i], curve[i + 1], c, pen);
  canvas.SetClip(savedClip);
}

}  // namespace tavo
