#include "render/PictureFile.h"

#include <sys/stat.h>

#include <fstream>
#include <vector>

#include "base/Prompter.h"
#include "base/Texts.h"
#include "render/Canvas.h"
#include "render/StbIo.h"

namespace tavo {

namespace {

// Larger files are not bitmaps we could accept (196 x 64 at 32 bits is 50 KB).
constexpr uint64_t kMaxFileBytes = 16u * 1024 * 1024;

uint32_t Le16(const uint8_t* p) {
  return p[0] | (p[1] << 8);
}
uint32_t Le32(const uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

// What the file header promises, checked against the bytes there are.
struct BmpLayout {
  int64_t width = 0;
  int64_t height = 0;  // absolute
  int bpp = 0;
  uint64_t pixelOffset = 0;
  uint64_t stride = 0;
  uint64_t paletteEntries = 0;  // entries the decoder takes, for 1-8 bits
};

// Reads the header at the start of `head` (`fileSize` bytes in all). False
// when it is not a complete bitmap header.
bool ReadLayout(const uint8_t* head, size_t headSize, uint64_t fileSize, BmpLayout& out) {
  if (headSize < 18 || head[0] != 'B' || head[1] != 'M') return false;
  out.pixelOffset = Le32(head + 10);
  const uint32_t infoSize = Le32(head + 14);
  if (infoSize != 12 && infoSize != 40 && infoSize != 52 && infoSize != 56 && infoSize != 108 &&
      infoSize != 124)
    return false;
  if (headSize < 14 + uint64_t{infoSize}) return false;
  uint32_t compression = 0;
  if (infoSize == 12) {
    out.width = Le16(head + 18);
    out.height = Le16(head + 20);
    out.bpp = static_cast<int>(Le16(head + 24));
  } else {
    out.width = static_cast<int32_t>(Le32(head + 18));
    out.height = static_cast<int32_t>(Le32(head + 22));
    out.bpp = static_cast<int>(Le16(head + 28));
    compression = Le32(head + 30);
  }
  if (out.height < 0) out.height = -out.height;  // top-down rows
  if (out.width <= 0 || out.height <= 0) return false;
  if (out.bpp != 1 && out.bpp != 4 && out.bpp != 8 && out.bpp != 16 && out.bpp != 24 &&
      out.bpp != 32)
    return false;
  if (compression != 0 && compression != 3) return false;  // run-length and embedded images
  out.stride = ((static_cast<uint64_t>(out.width) * out.bpp + 31) / 32) * 4;
  const uint64_t end = out.pixelOffset + out.stride * static_cast<uint64_t>(out.height);
  if (out.pixelOffset < 14 + uint64_t{infoSize} || end > fileSize) return false;  // truncated
  if (out.bpp <= 8) {
    // The decoder takes the palette from the bytes between header and pixels.
    const uint64_t gap = out.pixelOffset - 14 - infoSize;
    out.paletteEntries = infoSize == 12 ? (gap >= 12 ? (gap - 12) / 3 : 0) : gap / 4;
    if (out.paletteEntries == 0) return false;
  }
  return true;
}

// Every pixel of a paletted bitmap must name an entry of its palette.
bool PaletteIndexesValid(const uint8_t* data, const BmpLayout& l) {
  if (l.bpp > 8 || l.paletteEntries >= (1u << l.bpp)) return true;
  for (int64_t y = 0; y < l.height; ++y) {
    const uint8_t* row = data + l.pixelOffset + static_cast<uint64_t>(y) * l.stride;
    for (int64_t x = 0; x < l.width; ++x) {
      const uint64_t bit = static_cast<uint64_t>(x) * l.bpp;
      const unsigned index = (row[bit / 8] >> (8 - l.bpp - bit % 8)) & ((1u << l.bpp) - 1);
      if (index >= l.paletteEntries) return false;
    }
  }
  return true;
}

}  // namespace

PictureLoadResult DecodePictureBytes(const uint8_t* data, size_t size) {
  PictureLoadResult result;
  BmpLayout layout;
  if (!data || !ReadLayout(data, size, size, layout)) return result;
  if (layout.width > kPictureMaxWidth || layout.height > kPictureMaxHeight) {
    result.status = PictureLoad::TooLarge;
    return result;
  }
  if (!PaletteIndexesValid(data, layout)) return result;
  std::vector<uint8_t> rgb;
  int w = 0, h = 0;
  if (!DecodeRgb(data, size, rgb, w, h) || w != layout.width || h != layout.height) return result;
  result.bitmap.width = w;
  result.bitmap.height = h;
  result.bitmap.pixels.resize(static_cast<size_t>(w) * h);
  for (size_t i = 0; i < result.bitmap.pixels.size(); ++i)
    result.bitmap.pixels[i] = RgbColor(rgb[i * 3], rgb[i * 3 + 1], rgb[i * 3 + 2]);
  result.status = PictureLoad::Ok;
  return result;
}

PictureLoadResult LoadPictureFile(const std::string& path) {
  PictureLoadResult result;
  struct stat st {};
  if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return result;
  const uint64_t fileSize = static_cast<uint64_t>(st.st_size);
  std::ifstream in(path, std::ios::binary);
  if (!in) return result;
  // The header alone decides about a file too large to be a picture.
  if (fileSize > kMaxFileBytes) {
    uint8_t head[256] = {};
    in.read(reinterpret_cast<char*>(head), sizeof head);
    BmpLayout layout;
    if (ReadLayout(head, static_cast<size_t>(in.gcount()), fileSize, layout) &&
        (layout.width > kPictureMaxWidth || layout.height > kPictureMaxHeight))
      result.status = PictureLoad::TooLarge;
    return result;
  }
  std::vector<uint8_t> bytes(static_cast<size_t>(fileSize));
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (static_cast<uint64_t>(in.gcount()) != fileSize) return result;
  return DecodePictureBytes(bytes.data(), bytes.size());
}

void ReportPictureLoad(PictureLoad status) {
  if (status == PictureLoad::Ok) return;
  constexpr const char* kContext = "tavo::render::PictureFile";
  CurrentPrompter().Message(
      Translate(kContext, status == PictureLoad::TooLarge ? kPictureTooLarge : kPictureUnreadable),
      Translate(kContext, kPictureCaption), MessageIcon::Warning);
}

}  // namespace tavo
