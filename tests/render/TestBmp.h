#pragma once

// Writes Windows bitmap files for the tests: any of 1, 4, 8, 24, 32 bits per
// pixel, rows bottom-up or top-down, paletted depths with the image's own
// colours as the palette.
#include <algorithm>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "render/Canvas.h"

namespace tavo {

inline void PutLe(std::vector<uint8_t>& out, uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

// `pixels` are 0xRRGGBB, rows top first. Returns the file's bytes.
inline std::vector<uint8_t> MakeTestBmp(int w, int h, const std::vector<Color>& pixels, int bpp,
                                        bool topDown) {
  std::vector<Color> palette;
  if (bpp <= 8) {
    for (Color c : pixels)
      if (std::find(palette.begin(), palette.end(), c) == palette.end()) palette.push_back(c);
    palette.resize(size_t{1} << bpp, 0);  // the full table, unused entries black
  }
  const uint32_t stride = ((static_cast<uint32_t>(w) * bpp + 31) / 32) * 4;
  const uint32_t offset = 14 + 40 + static_cast<uint32_t>(palette.size()) * 4;
  std::vector<uint8_t> out;
  out.push_back('B');
  out.push_back('M');
  PutLe(out, offset + stride * h, 4);
  PutLe(out, 0, 4);
  PutLe(out, offset, 4);
  PutLe(out, 40, 4);
  PutLe(out, static_cast<uint32_t>(w), 4);
  PutLe(out, static_cast<uint32_t>(topDown ? -h : h), 4);
  PutLe(out, 1, 2);
  PutLe(out, static_cast<uint32_t>(bpp), 2);
  PutLe(out, 0, 4);
  PutLe(out, stride * h, 4);
  PutLe(out, 2835, 4);
  PutLe(out, 2835, 4);
  PutLe(out, 0, 4);
  PutLe(out, 0, 4);
  for (Color c : palette) PutLe(out, c, 4);  // blue, green, red, 0
  for (int r = 0; r < h; ++r) {
    const int y = topDown ? r : h - 1 - r;
    std::vector<uint8_t> row(stride, 0);
    for (int x = 0; x < w; ++x) {
      const Color c = pixels[static_cast<size_t>(y) * w + x];
      if (bpp <= 8) {
        const auto index =
            static_cast<uint32_t>(std::find(palette.begin(), palette.end(), c) - palette.begin());
        const uint32_t bit = static_cast<uint32_t>(x) * bpp;
        row[bit / 8] |= static_cast<uint8_t>(index << (8 - bpp - bit % 8));
      } else {
        const int n = bpp / 8;
        row[x * n] = static_cast<uint8_t>(c);
        row[x * n + 1] = static_cast<uint8_t>(c >> 8);
        row[x * n + 2] = static_cast<uint8_t>(c >> 16);
        if (n == 4) row[x * n + 3] = 0;
      }
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

inline void WriteTestBmp(const std::string& path, int w, int h, const std::vector<Color>& pixels,
                         int bpp, bool topDown) {
  const auto bytes = MakeTestBmp(w, h, pixels, bpp, topDown);
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

}  // namespace tavo
