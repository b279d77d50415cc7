#pragma once

#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "model/Base.h"
#include "render/PictureFile.h"

namespace tavo {

// A bitmap loaded for placing as a picture: size in pixels and the pixels as
// 0xRRGGBB, rows top-down.

// The bitmap the view's picture-placing mode holds; the next picture created
// at a point takes it (and the mode ends).
void SetBitmapToPlace(std::optional<PictureBitmap> bitmap);
std::optional<PictureBitmap> TakeBitmapToPlace();

// A picture: a fixed monochrome image from a bitmap file, one bitmap pixel per
// panel pixel. No PLC binding.
class CUpLoadPic : public CBase {
 public:
  // Largest bitmap accepted (196, not 192: a picture may overhang the display).
  static constexpr int kMaxWidth = kPictureMaxWidth;
  static constexpr int kMaxHeight = kPictureMaxHeight;

  CUpLoadPic();
  // Created where the user clicked (editor pixels) with the loaded bitmap's
  // size; the pixels are all dark until captured.
  CUpLoadPic(Point at, int width, int height);

  const char* ClassName() const override { return "CUpLoadPic"; }
  std::unique_ptr<CBase> Clone() const override;

  void Serialize(CArchive& ar) override;
  // Writes the picture data's offset into the record and advances it by
  // m_dataLen.
  void Relocate(uint16_t& offset) override;
  void CalcCodeSize() override;
  // Appends the picture data (8-row bands of column bytes) to the image.
  void CollectShared(ImageShared& shared) override;
  void Compile() override;
  void Draw(Canvas& canvas) override;
  // The picture's size scaled to editor pixels.
  void SetScreenPos(int left, int top) override;

  // Makes a blank (all dark) picture of that size: header, colour table and
  // zeroed bits; m_captured 0.
  void SetSize(int width, int height);
  // Converts the loaded pixels (width x height, 0xRRGGBB, top-down): bright
  // where (R + G + B) / 3 > 128. Sets m_captured. False, and nothing changes,
  // when the pixel count does not match the size.
  bool CaptureRgb(const std::vector<uint32_t>& pixels);

  // The header's fields as stored (a damaged file may hold anything).
  int32_t Width() const;
  int32_t Height() const;
  uint32_t ImageSizeField() const;
  // Bytes of one stored row: whole 32-bit words.
  static int RowBytes(int width) { return ((width + 31) / 32) * 4; }
  // True when width and height lie within 0..196 x 0..64, the image-size field
  // is rows x row bytes and m_bits holds that many bytes: only then may the
  // pixels be drawn or compiled.
  bool HasSoundSize() const;
  // The pixel at (x, y), y = 0 the top row; dark outside the picture or when
  // the size is not sound.
  bool Pixel(int x, int y) const;
  // Bytes of download data: width x ceil(height / 8).
  int DataLength() const;

  uint8_t m_captured = 0;                 // 1 once the pixels are converted
  std::array<uint8_t, 40> m_info{};       // bitmap header, 32-bit fields little-endian
  std::array<uint8_t, 48> m_infoBlock{};  // m_info + colour table black, white
  std::vector<uint8_t> m_bits;            // rows bottom-up, leftmost pixel in the top bit
  uint16_t m_dataLen = 0;                 // download data length, set by CollectShared

 protected:
  CUpLoadPic(const CUpLoadPic& other);
  // Fills m_infoBlock from m_info and the black/white colour table.
  void FormInfoBlock();
};

}  // namespace tavo
