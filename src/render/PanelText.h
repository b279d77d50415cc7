#pragma once

#include <string_view>

#include "base/Geometry.h"
#include "render/Canvas.h"

namespace tavo {

class PanelFont;

// Draws a panel text (GBK) on the simulated display as the panel shows it:
// each character from the font libraries' glyph, every panel pixel stretched
// over its 2.25 display cell (18 x 36 for a narrow character, 36 x 36 for a
// wide one, both doubled at double size). White on dark grey, or dark grey on
// white when inverse; each character cell is painted opaque. The text starts
// at the rectangle's top-left corner, breaks between words (and after a wide
// character) when a line would pass the right edge, and is clipped to the
// rectangle. Every byte is shown as itself, "&" included. Any non-zero flag
// counts as set. Without a font, the glyphs of the data files are used.
void DrawPanelText(Canvas& canvas, std::string_view text, const Rect& rect, int doubleSize,
                   int inverse);
void DrawPanelText(Canvas& canvas, std::string_view text, const Rect& rect, int doubleSize,
                   int inverse, const PanelFont& font);

}  // namespace tavo
