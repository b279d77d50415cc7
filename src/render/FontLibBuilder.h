#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "render/FontLibrary.h"

namespace tavo {

// Builds the two font libraries from a GNU Unifont .hex file: 8 x 16 glyphs
// for the byte codes 0x20-0x7E, 16 x 16 glyphs for every cell of the 94 x 94
// double-byte grid whose character (GBK decoding of the cell's two bytes)
// Unifont draws, blank cells elsewhere. Characters Unifont draws 8 pixels
// wide are centred in their 16 x 16 cell.

// One line of a .hex file: "CODEPOINT:BITMAP", the code point in 4-6 hex
// digits, the bitmap 32 hex digits (8 x 16) or 64 (16 x 16), one pixel row
// after the other, most significant bit leftmost. Returns false for any
// other line (comments, blank lines, other glyph sizes).
bool ParseUnifontLine(std::string_view line, char32_t& codePoint, GlyphBitmap& glyph);

struct FontLibraryImages {
  std::vector<uint8_t> english;  // kEnglishLibraryBytes
  std::vector<uint8_t> chinese;  // kChineseLibraryBytes
  size_t englishGlyphs = 0;      // codes that received a glyph
  size_t chineseGlyphs = 0;      // grid cells that received a glyph
  size_t centredGlyphs = 0;      // of those, 8-wide glyphs centred in their cell
};

// The Unicode character of grid cell (row, column), both 0-93, or 0 when the
// cell holds no character.
char32_t GridCellCharacter(int row, int column);

enum class FontLibBuild {
  Ok,
  Unreadable,  // the .hex file cannot be opened or read
  NoGlyphs,    // it holds no Unifont glyph line: not a .hex font
};

// Reads the .hex file and builds both libraries; on failure `error` says why.
FontLibBuild BuildFontLibraries(const std::string& hexPath, FontLibraryImages& out,
                                std::string& error);

// Writes "ormed_EN.dat" and "ormed_CH.dat" into `dir` (created if needed).
// Each file is written beside its target and renamed over it when complete.
bool WriteFontLibraries(const FontLibraryImages& libs, const std::string& dir, std::string& error);

}  // namespace tavo
