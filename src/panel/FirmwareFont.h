#pragma once

// The panel's own 8 x 16 font for the characters it writes itself (register
// values, the clock screen). User texts never use it: their glyphs come with
// the image.

#include <array>
#include <cstdint>
#include <string_view>

namespace tavo::panel {

// The glyph of `c` in the panel's column-band format (bytes 0-7 rows 0-7,
// bytes 8-15 rows 8-15, one byte per column, bit 0 the band's top row).
// Covers "0123456789ABCDEF.-+*:/ " and the lower-case hex letters (drawn as
// capitals); any other character is blank.
std::array<uint8_t, 16> FirmwareGlyph(char c);

class PanelBitmap;
// Writes `text` from (x, y) with the firmware font, one 8 x 16 cell per
// character, doubled when `scale` is 2; cells painted opaque.
void DrawFirmwareText(PanelBitmap& bitmap, int x, int y, std::string_view text, int scale,
                      bool inverse);

}  // namespace tavo::panel
