#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "base/Texts.h"

namespace tavo {

// A decoded bitmap: one colour (RgbColor) per pixel, rows top to bottom.
struct PictureBitmap {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;
};

// Largest bitmap a picture takes (196, not 192: a picture may overhang the display).
inline constexpr int kPictureMaxWidth = 196;
inline constexpr int kPictureMaxHeight = 64;

enum class PictureLoad {
  Ok,
  Unreadable,  // not a bitmap file, damaged or truncated: "打开位图出错!!!"
  TooLarge,    // wider than 196 or higher than 64 pixels: "位图尺寸太大!!!"
};

struct PictureLoadResult {
  PictureLoad status = PictureLoad::Unreadable;
  PictureBitmap bitmap;  // when Ok
};

// Messages and caption of a refused picture file.
inline constexpr char kPictureCaption[] =
    TAVO_TRANSLATE_NOOP("tavo::render::PictureFile", "打开位图");
inline constexpr char kPictureUnreadable[] =
    TAVO_TRANSLATE_NOOP("tavo::render::PictureFile", "打开位图出错!!!");
inline constexpr char kPictureTooLarge[] =
    TAVO_TRANSLATE_NOOP("tavo::render::PictureFile", "位图尺寸太大!!!");

// Loads a Windows bitmap (.bmp) of any bit depth the decoder reads (1, 4, 8,
// 16, 24, 32), stored bottom-up or top-down. The file must be complete: a
// header that promises more pixel rows than the file holds, or palette
// indexes past the palette, make it unreadable. The size limit is checked
// before the pixels are decoded, so a huge bitmap costs no memory.
PictureLoadResult LoadPictureFile(const std::string& path);
PictureLoadResult DecodePictureBytes(const uint8_t* data, size_t size);

// Shows the message of a refused load (warning, caption "打开位图"); nothing
// for Ok.
void ReportPictureLoad(PictureLoad status);

}  // namespace tavo
