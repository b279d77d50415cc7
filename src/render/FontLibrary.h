#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "render/TextEncoding.h"

namespace tavo {

// The two font libraries that lie with the data files.
//
// "ormed_EN.dat": 256 glyphs of 8 x 16 pixels, 16 bytes each, the glyph of
// byte code c at c * 16; one byte per pixel row, top row first, bit 7 the
// leftmost pixel.
// "ormed_CH.dat": a 94 x 94 grid of 16 x 16 glyphs, 32 bytes each, no header;
// row r, column c holds the character with lead byte 0xA1 + r and trail byte
// 0xA1 + c at (r * 94 + c) * 32; two bytes per pixel row (columns 0-7, then
// 8-15), top row first, bit 7 of each byte the leftmost of its pixels.
// In both a set bit is a lit pixel. Files shorter than that read as blank
// pixels past their end; longer ones are read only as far as the grid goes.
inline constexpr char kEnglishFontFile[] = "ormed_EN.dat";
inline constexpr char kChineseFontFile[] = "ormed_CH.dat";

inline constexpr size_t kEnglishGlyphBytes = 16;
inline constexpr size_t kChineseGlyphBytes = 32;
inline constexpr size_t kEnglishLibraryBytes = 256 * kEnglishGlyphBytes;  // 4096
inline constexpr int kGridSize = 94;  // rows and columns of the Chinese grid
inline constexpr size_t kChineseLibraryBytes =
    size_t{kGridSize} * kGridSize * kChineseGlyphBytes;  // 282,752

// A glyph in file format (rows) or, after conversion, in the panel's format.
using EnglishGlyph = std::array<uint8_t, kEnglishGlyphBytes>;
using ChineseGlyph = std::array<uint8_t, kChineseGlyphBytes>;

// A font library opened for reading glyphs. Only regular files open (a
// directory or a pipe does not), so reads never block and never fail halfway
// in a way that could hang a download.
class GlyphFile {
 public:
  GlyphFile() = default;
  explicit GlyphFile(const std::string& path) { Open(path); }
  ~GlyphFile() { Close(); }
  GlyphFile(const GlyphFile&) = delete;
  GlyphFile& operator=(const GlyphFile&) = delete;
  GlyphFile(GlyphFile&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
  GlyphFile& operator=(GlyphFile&& other) noexcept;

  bool Open(const std::string& path);
  bool IsOpen() const { return fd_ >= 0; }
  void Close();

  // Reads up to out.size() bytes at `offset`; returns how many were read.
  // Bytes past the end of the file are left untouched.
  size_t ReadAt(uint64_t offset, std::span<uint8_t> out) const;

 private:
  int fd_ = -1;
};

// Byte offset of a double-byte character's glyph in "ormed_CH.dat", or
// nullopt when its lead or trail byte lies outside 0xA1-0xFE (no glyph).
std::optional<size_t> ChineseGlyphOffset(uint8_t lead, uint8_t trail);

// Reads one glyph in file format. Characters outside the grid, bytes past the
// end of the file and a file that is not open give blank pixels.
void ReadChineseGlyph(const GlyphFile& file, uint8_t lead, uint8_t trail, ChineseGlyph& glyph);
void ReadEnglishGlyph(const GlyphFile& file, uint8_t code, EnglishGlyph& glyph);

// Converts a glyph in place from file format to the panel's column bands: two
// bands of eight pixel rows, top band first; each band one byte per pixel
// column, left column first, bit 0 the band's top row.
void ChineseGlyphToPanel(ChineseGlyph& glyph);
void EnglishGlyphToPanel(EnglishGlyph& glyph);

// A glyph as plain pixel rows for drawing: row y, column x is lit when bit
// (15 - x) of rows[y] is set (an 8-wide glyph uses the high byte only).
struct GlyphBitmap {
  int width = 8;  // 8 or 16; the height is always 16
  std::array<uint16_t, 16> rows{};
  bool Lit(int x, int y) const {
    return x >= 0 && x < width && y >= 0 && y < 16 && ((rows[y] >> (15 - x)) & 1) != 0;
  }
  bool operator==(const GlyphBitmap&) const = default;
};

// Glyph bitmaps from glyphs in file format.
GlyphBitmap EnglishGlyphBitmap(const EnglishGlyph& fileGlyph);
GlyphBitmap ChineseGlyphBitmap(const ChineseGlyph& fileGlyph);

// Start-up check of the English library. Reads up to 4096 bytes of
// "ormed_EN.dat" into a table kept for the life of the program (a shorter file
// leaves the rest zero). Returns false when the file cannot be opened; the
// caller then shows kLoadFontLibFailure and does not start.
inline constexpr char kLoadFontLibFailure[] = "Load Font Lib Failure";
bool LoadEnglishFontAtStartup();
bool LoadEnglishFontAtStartup(const std::string& path);  // from the given file
const std::array<uint8_t, kEnglishLibraryBytes>& StartupEnglishFont();

// The font libraries held in memory for drawing panel texts on the simulated
// display, so that the editor shows the glyphs the panel will show. A missing
// library draws blank cells.
class PanelFont {
 public:
  PanelFont() = default;
  // Loads both libraries from the given files (bounded to their sizes).
  static PanelFont FromFiles(const std::string& englishPath, const std::string& chinesePath);
  // The libraries found among the data files, loaded at first use.
  static const PanelFont& Shared();

  bool HasEnglish() const { return !english_.empty(); }
  bool HasChinese() const { return !chinese_.empty(); }

  GlyphBitmap Narrow(uint8_t code) const;
  GlyphBitmap Wide(uint8_t lead, uint8_t trail) const;
  // The glyph of one cell of a text (see SplitPanelText).
  GlyphBitmap Glyph(const PanelChar& c) const {
    return c.wide ? Wide(c.pair[0], c.pair[1]) : Narrow(c.code);
  }

 private:
  std::vector<uint8_t> english_;  // kEnglishLibraryBytes when loaded
  std::vector<uint8_t> chinese_;  // kChineseLibraryBytes when loaded
};

}  // namespace tavo
