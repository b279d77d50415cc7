#include "render/PanelText.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "render/FontLibrary.h"
#include "render/TextEncoding.h"

namespace tavo {

namespace {

// Draws one glyph stretched over its cell, background first.
void DrawGlyph(Canvas& canvas, const GlyphBitmap& glyph, const Rect& cell, Color fg, Color bg) {
  uint8_t bits[32];
  for (int y = 0; y < 16; ++y) {
    bits[y * 2] = static_cast<uint8_t>(glyph.rows[y] >> 8);
    bits[y * 2 + 1] = static_cast<uint8_t>(glyph.rows[y]);
  }
  const MonoBitmap bm{bits, glyph.width, 16, 2, false};
  canvas.CopyScaled(bm, cell, bg, fg);
}

Rect ClampedRect(long long l, long long t, long long r, long long b) {
  auto c = [](long long v) {
    return static_cast<int32_t>(std::clamp<long long>(v, INT32_MIN, INT32_MAX));
  };
  return {c(l), c(t), c(r), c(b)};
}

}  // namespace

void DrawPanelText(Canvas& canvas, std::string_view text, const Rect& rect, int doubleSize,
                   int inverse) {
  DrawPanelText(canvas, text, rect, doubleSize, inverse, PanelFont::Shared());
}

void DrawPanelText(Canvas& canvas, std::string_view text, const Rect& rect, int doubleSize,
                   int inverse, const PanelFont& font) {
  const int scale = doubleSize != 0 ? 2 : 1;
  const int narrow = 18 * scale, wide = 36 * scale, lineHeight = 36 * scale;
  const Color fg = inverse != 0 ? kDisplayDark : kDisplayLit;
  const Color bg = inverse != 0 ? kDisplayLit : kDisplayDark;
  const std::vector<PanelChar> chars = SplitPanelText(text);
  auto widthOf = [&](const PanelChar& c) { return c.wide ? wide : narrow; };
  auto isSpace = [](const PanelChar& c) { return !c.wide && c.code == ' '; };

  const Rect savedClip = canvas.Clip();
  canvas.SetClip({std::max(rect.left, savedClip.left), std::max(rect.top, savedClip.top),
                  std::min(rect.right, savedClip.right), std::min(rect.bottom, savedClip.bottom)});
  const long long width = static_cast<long long>(rect.right) - rect.left;
  const long long height = static_cast<long long>(rect.bottom) - rect.top;
  long long x = 0, y = 0;
  size_t i = 0;
  while (i < chars.size() && y < height) {
    // The next unit that may not be split: a run of narrow non-space
    // characters (a word), a single wide character, or a single space.
    size_t end = i + 1;
    if (!chars[i].wide && !isSpace(chars[i]))
      while (end < chars.size() && !chars[end].wide && !isSpace(chars[end])) ++end;
    long long unitWidth = 0;
    for (size_t k = i; k < end; ++k) unitWidth += widthOf(chars[k]);
    if (x > 0 && x + unitWidth > width) {
      x = 0;
      y += lineHeight;
      if (isSpace(chars[i])) {  // a space at a line break is not drawn
        i = end;
        continue;
      }
      if (y >= height) break;
    }
    for (size_t k = i; k < end; ++k) {
      const int w = widthOf(chars[k]);
      if (x < width) {
        const Rect cell =
            ClampedRect(rect.left + x, rect.top + y, rect.left + x + w, rect.top + y + lineHeight);
        DrawGlyph(canvas, font.Glyph(chars[k]), cell, fg, bg);
      }
      x += w;
    }
    i = end;
  }
  canvas.SetClip(savedClip);
}

}  // namespace tavo
