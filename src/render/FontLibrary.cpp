#include "render/FontLibrary.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "base/DataFiles.h"

namespace tavo {

GlyphFile& GlyphFile::operator=(GlyphFile&& other) noexcept {
  if (this != &other) {
    Close();
    fd_ = other.fd_;
    other.fd_ = -1;
  }
  return *this;
}

bool GlyphFile::Open(const std::string& path) {
  Close();
  // Non-blocking so that opening a pipe by mistake cannot wait for a writer;
  // only regular files are kept.
  int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return false;
  }
  fd_ = fd;
  return true;
}

void GlyphFile::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

size_t GlyphFile::ReadAt(uint64_t offset, std::span<uint8_t> out) const {
  if (fd_ < 0) return 0;
  size_t done = 0;
  while (done < out.size()) {
    ssize_t n =
        ::pread(fd_, out.data() + done, out.size() - done, static_cast<off_t>(offset + done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;  // end of file or a read error: the rest stays blank
    done += static_cast<size_t>(n);
  }
  return done;
}

std::optional<size_t> ChineseGlyphOffset(uint8_t lead, uint8_t trail) {
  // Row and column counted from 1; bytes below 0xA1 wrap round to large values.
  int r = static_cast<uint8_t>(lead - 0xA0);
  int c = static_cast<uint8_t>(trail - 0xA0);
  if (r < 1 || r > kGridSize || c < 1 || c > kGridSize) return std::nullopt;
  return static_cast<size_t>((r - 1) * kGridSize + (c - 1)) * kChineseGlyphBytes;
}

void ReadChineseGlyph(const GlyphFile& file, uint8_t lead, uint8_t trail, ChineseGlyph& glyph) {
  glyph.fill(0);
  if (auto offset = ChineseGlyphOffset(lead, trail)) file.ReadAt(*offset, glyph);
}

void ReadEnglishGlyph(const GlyphFile& file, uint8_t code, EnglishGlyph& glyph) {
  glyph.fill(0);
  file.ReadAt(uint64_t{code} * kEnglishGlyphBytes, glyph);
}

namespace {

// File format: pixel (x, y) is bit (7 - x % 8) of byte y * (width / 8) + x / 8.
// Panel format: band b, column x is byte b * width + x; bit k is row 8b + k.
template <size_t N>
void ToPanel(std::array<uint8_t, N>& glyph) {
  constexpr int width = static_cast<int>(N) / 2;  // 16 rows of width / 8 bytes
  constexpr int rowBytes = width / 8;
  const std::array<uint8_t, N> in = glyph;
  glyph.fill(0);
  for (int b = 0; b < 2; ++b)
    for (int x = 0; x < width; ++x) {
      uint8_t out = 0;
      for (int k = 0; k < 8; ++k) {
        int y = 8 * b + k;
        if ((in[y * rowBytes + x / 8] >> (7 - x % 8)) & 1) out |= static_cast<uint8_t>(1u << k);
      }
      glyph[b * width + x] = out;
    }
}

template <size_t N>
GlyphBitmap ToBitmap(const std::array<uint8_t, N>& glyph) {
  GlyphBitmap bm;
  bm.width = static_cast<int>(N) / 2;
  constexpr int rowBytes = static_cast<int>(N) / 16;
  for (int y = 0; y < 16; ++y) {
    uint16_t row = static_cast<uint16_t>(glyph[y * rowBytes] << 8);
    if (rowBytes == 2) row |= glyph[y * rowBytes + 1];
    bm.rows[y] = row;
  }
  return bm;
}

std::array<uint8_t, kEnglishLibraryBytes> g_startupEnglish{};

// Reads the first `size` bytes of a library into memory; empty when the file
// cannot be opened. A shorter file is padded with blank bytes.
std::vector<uint8_t> LoadLibrary(const std::string& path, size_t size) {
  GlyphFile file(path);
  if (!file.IsOpen()) return {};
  std::vector<uint8_t> bytes(size, 0);
  file.ReadAt(0, bytes);
  return bytes;
}

}  // namespace

void ChineseGlyphToPanel(ChineseGlyph& glyph) {
  ToPanel(glyph);
}
void EnglishGlyphToPanel(EnglishGlyph& glyph) {
  ToPanel(glyph);
}

GlyphBitmap EnglishGlyphBitmap(const EnglishGlyph& fileGlyph) {
  return ToBitmap(fileGlyph);
}
GlyphBitmap ChineseGlyphBitmap(const ChineseGlyph& fileGlyph) {
  return ToBitmap(fileGlyph);
}

bool LoadEnglishFontAtStartup() {
  return LoadEnglishFontAtStartup(DataFilePath(kEnglishFontFile));
}

bool LoadEnglishFontAtStartup(const std::string& path) {
  GlyphFile file(path);
  if (!file.IsOpen()) return false;
  g_startupEnglish.fill(0);
  file.ReadAt(0, g_startupEnglish);
  return true;
}

const std::array<uint8_t, kEnglishLibraryBytes>& StartupEnglishFont() {
  return g_startupEnglish;
}

PanelFont PanelFont::FromFiles(const std::string& englishPath, const std::string& chinesePath) {
  PanelFont font;
  font.english_ = LoadLibrary(englishPath, kEnglishLibraryBytes);
  font.chinese_ = LoadLibrary(chinesePath, kChineseLibraryBytes);
  return font;
}

const PanelFont& PanelFont::Shared() {
  static const PanelFont font =
      FromFiles(DataFilePath(kEnglishFontFile), DataFilePath(kChineseFontFile));
  return font;
}

GlyphBitmap PanelFont::Narrow(uint8_t code) const {
  EnglishGlyph g{};
  if (HasEnglish())
    std::copy_n(english_.begin() + size_t{code} * kEnglishGlyphBytes, g.size(), g.begin());
  return EnglishGlyphBitmap(g);
}

GlyphBitmap PanelFont::Wide(uint8_t lead, uint8_t trail) const {
  ChineseGlyph g{};
  auto offset = ChineseGlyphOffset(lead, trail);
  if (HasChinese() && offset) std::copy_n(chinese_.begin() + *offset, g.size(), g.begin());
  return ChineseGlyphBitmap(g);
}

}  // namespace tavo
