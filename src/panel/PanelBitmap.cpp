#include "panel/PanelBitmap.h"

#include <algorithm>
#include <cstdlib>

namespace tavo::panel {

int PanelBitmap::CountLit() const {
  return static_cast<int>(std::count(m_pixels.begin(), m_pixels.end(), uint8_t{1}));
}

void PanelBitmap::Fill(int x, int y, int w, int h, bool lit) {
  const int x0 = std::max(x, 0), y0 = std::max(y, 0);
  const int x1 = std::min<long>(static_cast<long>(x) + w, kWidth);
  const int y1 = std::min<long>(static_cast<long>(y) + h, kHeight);
  for (int yy = y0; yy < y1; ++yy)
    for (int xx = x0; xx < x1; ++xx) m_pixels[yy * kWidth + xx] = lit ? 1 : 0;
}

void PanelBitmap::Frame(int x, int y, int w, int h, bool lit) {
  if (w <= 0 || h <= 0) return;
  Fill(x, y, w, 1, lit);
  Fill(x, y + h - 1, w, 1, lit);
  Fill(x, y, 1, h, lit);
  Fill(x + w - 1, y, 1, h, lit);
}

void PanelBitmap::Line(int x0, int y0, int x1, int y1, bool lit) {
  // Bresenham; the ends are panel coordinates (a few hundred at most), so the
  // loop is short whatever the record said.
  const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
  const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
  int err = dx + dy;
  for (;;) {
    Set(x0, y0, lit);
    if (x0 == x1 && y0 == y1) break;
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x0 += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y0 += sy;
    }
  }
}

void PanelBitmap::DrawBands(int x, int y, std::span<const uint8_t> bands, int w, int h, int scale,
                            bool invert) {
  if (w <= 0 || h <= 0 || scale <= 0) return;
  for (int col = 0; col < w; ++col) {
    const int px = x + col * scale;
    if (px >= kWidth) break;
    if (px + scale <= 0) continue;
    for (int row = 0; row < h; ++row) {
      const int py = y + row * scale;
      if (py >= kHeight) break;
      const size_t index = static_cast<size_t>(row / 8) * static_cast<size_t>(w) + col;
      const bool bit = index < bands.size() && ((bands[index] >> (row % 8)) & 1) != 0;
      Fill(px, py, scale, scale, bit != invert);
    }
  }
}

Canvas PanelBitmap::ToCanvas(int scale, Color dark, Color lit) const {
  scale = std::clamp(scale, 1, 32);
  Canvas canvas(kWidth * scale, kHeight * scale, dark);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x)
      if (m_pixels[y * kWidth + x])
        canvas.FillRect({x * scale, y * scale, (x + 1) * scale, (y + 1) * scale}, lit);
  return canvas;
}

}  // namespace tavo::panel
