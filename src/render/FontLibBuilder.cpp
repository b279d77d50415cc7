#include "render/FontLibBuilder.h"

#include <iconv.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <unordered_map>

#include "base/SafeFile.h"

namespace tavo {

namespace fs = std::filesystem;

namespace {

int HexDigit(char ch) {
  if (ch >= '0' && ch <= '9') return ch - '0';
  if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
  if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
  return -1;
}

std::string_view TrimLineEnd(std::string_view s) {
  while (!s.empty() && (s.back() == '\n' || s.back() == '\r' || s.back() == ' '))
    s.remove_suffix(1);
  return s;
}

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

bool ParseUnifontLine(std::string_view line, char32_t& codePoint, GlyphBitmap& glyph) {
  line = TrimLineEnd(line);
  size_t colon = line.find(':');
  if (colon == std::string_view::npos || colon < 4 || colon > 6) return false;
  char32_t cp = 0;
  for (size_t i = 0; i < colon; ++i) {
    int d = HexDigit(line[i]);
    if (d < 0) return false;
    cp = cp * 16 + static_cast<char32_t>(d);
  }
  std::string_view bits = line.substr(colon + 1);
  if (bits.size() != 32 && bits.size() != 64) return false;
  GlyphBitmap g;
  g.width = bits.size() == 32 ? 8 : 16;
  const size_t digitsPerRow = bits.size() / 16;
  for (int y = 0; y < 16; ++y) {
    uint32_t row = 0;
    for (size_t k = 0; k < digitsPerRow; ++k) {
      int d = HexDigit(bits[y * digitsPerRow + k]);
      if (d < 0) return false;
      row = row * 16 + static_cast<uint32_t>(d);
    }
    g.rows[y] = static_cast<uint16_t>(g.width == 8 ? row << 8 : row);
  }
  codePoint = cp;
  glyph = g;
  return true;
}

namespace {

// Decodes grid cells as GBK (code page 936), the encoding of every panel text,
// so the glyph of a cell is the character the editor stores in those bytes.
class CellDecoder {
 public:
  CellDecoder() : cd_(iconv_open("UTF-32BE", "CP936")) {}
  ~CellDecoder() {
    if (Ok()) iconv_close(cd_);
  }
  CellDecoder(const CellDecoder&) = delete;
  CellDecoder& operator=(const CellDecoder&) = delete;
  bool Ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  char32_t Decode(int row, int column) {
    if (!Ok() || row < 0 || row >= kGridSize || column < 0 || column >= kGridSize) return 0;
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char in[2] = {static_cast<char>(0xA1 + row), static_cast<char>(0xA1 + column)};
    unsigned char out[8] = {};
    char* src = in;
    size_t srcLeft = sizeof in;
    char* dst = reinterpret_cast<char*>(out);
    size_t dstLeft = sizeof out;
    if (iconv(cd_, &src, &srcLeft, &dst, &dstLeft) == static_cast<size_t>(-1) || srcLeft != 0 ||
        sizeof out - dstLeft != 4)
      return 0;
    return (char32_t{out[0]} << 24) | (char32_t{out[1]} << 16) | (char32_t{out[2]} << 8) | out[3];
  }

 private:
  iconv_t cd_;
};

}  // namespace

char32_t GridCellCharacter(int row, int column) {
  return CellDecoder().Decode(row, column);
}

FontLibBuild BuildFontLibraries(const std::string& hexPath, FontLibraryImages& out,
                                std::string& error) {
  out = {};
  out.english.assign(kEnglishLibraryBytes, 0);
  out.chinese.assign(kChineseLibraryBytes, 0);

  // Which glyph goes where: code point -> English codes and grid cells.
  std::unordered_map<char32_t, std::vector<int>> wantedCells;
  CellDecoder decoder;
  if (!decoder.Ok()) {
    error = "the C library cannot decode GBK (iconv CP936)";
    return FontLibBuild::Unreadable;
  }
  for (int r = 0; r < kGridSize; ++r)
    for (int c = 0; c < kGridSize; ++c)
      if (char32_t cp = decoder.Decode(r, c)) wantedCells[cp].push_back(r * kGridSize + c);

  std::error_code ec;
  if (!fs::is_regular_file(hexPath, ec)) {
    error = "cannot read " + hexPath +
            (fs::exists(hexPath, ec) ? ": not a regular file" : ": no such file");
    return FontLibBuild::Unreadable;
  }
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(hexPath.c_str(), "rb"));
  if (!file) {
    error = "cannot read " + hexPath + ": " + std::strerror(errno);
    return FontLibBuild::Unreadable;
  }

  std::vector<bool> englishDone(256, false), cellDone(kGridSize * kGridSize, false);
  size_t glyphLines = 0;
  char buf[256];
  bool lineStart = true;
  while (std::fgets(buf, sizeof buf, file.get())) {
    std::string_view piece(buf);
    bool complete = !piece.empty() && piece.back() == '\n';
    bool whole = lineStart;  // a fragment of an over-long line is never a glyph
    lineStart = complete;
    if (!whole || !(complete || std::feof(file.get()))) continue;

    char32_t cp;
    GlyphBitmap g;
    if (!ParseUnifontLine(piece, cp, g)) continue;
    ++glyphLines;

    if (cp >= 0x20 && cp <= 0x7E && g.width == 8 && !englishDone[cp]) {
      englishDone[cp] = true;
      ++out.englishGlyphs;
      for (int y = 0; y < 16; ++y)
        out.english[cp * kEnglishGlyphBytes + y] = static_cast<uint8_t>(g.rows[y] >> 8);
    }
    auto it = wantedCells.find(cp);
    if (it == wantedCells.end()) continue;
    for (int cell : it->second) {
      if (cellDone[cell]) continue;
      cellDone[cell] = true;
      ++out.chineseGlyphs;
      if (g.width == 8) ++out.centredGlyphs;
      uint8_t* dst = out.chinese.data() + size_t(cell) * kChineseGlyphBytes;
      for (int y = 0; y < 16; ++y) {
        // An 8-wide glyph sits in columns 4-11 of the 16-wide cell.
        uint16_t row = g.width == 8 ? static_cast<uint16_t>(g.rows[y] >> 4) : g.rows[y];
        dst[2 * y] = static_cast<uint8_t>(row >> 8);
        dst[2 * y + 1] = static_cast<uint8_t>(row & 0xFF);
      }
    }
  }
  if (std::ferror(file.get())) {
    error = "cannot read " + hexPath + ": read error";
    return FontLibBuild::Unreadable;
  }
  if (glyphLines == 0) {
    error = hexPath + " holds no Unifont glyph lines";
    return FontLibBuild::NoGlyphs;
  }
  return FontLibBuild::Ok;
}

namespace {

bool WriteWhole(const fs::path& target, const std::vector<uint8_t>& bytes, std::string& error) {
  if (int err = WriteFileSafely(target.string(), bytes); err != 0) {
    error = "cannot write " + target.string() + ": " + std::strerror(err);
    return false;
  }
  return true;
}

}  // namespace

bool WriteFontLibraries(const FontLibraryImages& libs, const std::string& dir, std::string& error) {
  std::error_code ec;
  fs::create_directories(dir, ec);
  if (!fs::is_directory(dir, ec)) {
    error = "cannot create directory " + dir;
    return false;
  }
  return WriteWhole(fs::path(dir) / kEnglishFontFile, libs.english, error) &&
         WriteWhole(fs::path(dir) / kChineseFontFile, libs.chinese, error);
}

}  // namespace tavo
