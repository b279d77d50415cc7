#pragma once

// The panel's 192 x 64 monochrome display as a bit buffer, with the few
// drawing operations the panel needs. Every operation clips to the display.

#include <array>
#include <cstdint>
#include <span>

#include "render/Canvas.h"

namespace tavo::panel {

class PanelBitmap {
 public:
  static constexpr int kWidth = 192;
  static constexpr int kHeight = 64;

  // One byte per pixel, row by row from the top: 1 lit, 0 dark.
  const std::array<uint8_t, kWidth * kHeight>& Pixels() const { return m_pixels; }
  bool Lit(int x, int y) const {
    return x >= 0 && y >= 0 && x < kWidth && y < kHeight && m_pixels[y * kWidth + x] != 0;
  }
  void Set(int x, int y, bool lit) {
    if (x >= 0 && y >= 0 && x < kWidth && y < kHeight) m_pixels[y * kWidth + x] = lit ? 1 : 0;
  }
  void Clear() { m_pixels.fill(0); }
  int CountLit() const;
  bool operator==(const PanelBitmap&) const = default;

  void Fill(int x, int y, int w, int h, bool lit);
  // The outline of the w x h box, one pixel wide, inside it.
  void Frame(int x, int y, int w, int h, bool lit);
  // A line from (x0, y0) to (x1, y1), both ends included.
  void Line(int x0, int y0, int x1, int y1, bool lit);

  // Draws a bitmap in the panel's column-band format: ceil(h / 8) bands of w
  // bytes, one byte per column, bit n the band's row n. Each source pixel
  // becomes a scale x scale block. A lit source pixel is drawn lit (dark when
  // `invert`), an unlit one dark (lit when `invert`): the box is painted
  // opaque. `bands` must hold w * ceil(h / 8) bytes; a shorter span draws
  // what it holds and leaves the rest of the box as background.
  void DrawBands(int x, int y, std::span<const uint8_t> bands, int w, int h, int scale,
                 bool invert);

  // The display as a picture: each panel pixel a scale x scale block.
  Canvas ToCanvas(int scale, Color dark = kDisplayDark, Color lit = kDisplayLit) const;

 private:
  std::array<uint8_t, kWidth * kHeight> m_pixels{};
};

}  // namespace tavo::panel
