#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace tavo {

// A double-byte character of a panel text: lead byte, trail byte (GBK).
using WideChar = std::array<uint8_t, 2>;

// The two character lists of a download. They start empty when a compilation
// starts, are shared by every screen and the alarm list of that compilation,
// and hold each character once, in order of first use. The panel's glyph
// tables are built from them in list order.
using WideCharList = std::vector<WideChar>;   // 16 x 16 glyphs
using NarrowCharList = std::vector<uint8_t>;  // 8 x 16 glyphs, bytes below 0x80

// A narrow index is seven bits: the narrow list never holds more than 128
// entries because only bytes 0x00-0x7F enter it.
inline constexpr size_t kMaxNarrowChars = 128;

// Glyph codes of encoded texts: bit 15 set marks a wide glyph slot.
inline constexpr uint16_t kWideGlyphFlag = 0x8000;

// One character cell of a GBK panel text, as the panel sees it.
struct PanelChar {
  size_t pos = 0;     // byte position of the character in the text
  bool wide = false;  // 16 x 16 cell (two bytes) or 8 x 16 cell (one byte)
  uint8_t code = 0;   // narrow: the byte
  WideChar pair{};    // wide: lead and trail byte
};

// Cuts a GBK text into the panel's character cells. A byte below 0x80 is a
// narrow character; any other byte (0x80 included) starts a double-byte
// character together with the byte after it. A lead byte that ends the text
// has no trail byte: it becomes a narrow space, so the text keeps its width
// and nothing is read past its end.
std::vector<PanelChar> SplitPanelText(std::string_view text);

// Encodes the GBK text into glyph codes at record[start ...], one code byte
// per text byte: a narrow character becomes its index in `narrow`, a wide one
// the 16-bit code 0x8000 + base + (its index in `wide`), high byte where the
// lead byte stood. Characters not yet listed are appended. Returns false, and
// changes nothing, when the text does not fit the record from `start` on.
bool EncodeText(WideCharList& wide, NarrowCharList& narrow, std::span<uint8_t> record, size_t start,
                std::string_view text, uint16_t base);

// Adds `offset` (16 bits, wrapping) to every wide glyph code among the first
// `length` bytes of `bytes` (clamped to its size); narrow indexes stay.
// Called once the image knows how many 16 x 16 slots precede the first glyph.
void AddGlyphOffset(std::span<uint8_t> bytes, size_t length, uint16_t offset);

}  // namespace tavo
