#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/Geometry.h"

namespace tavo {

// 0x00RRGGBB.
using Color = uint32_t;

constexpr Color RgbColor(int r, int g, int b) {
  return (static_cast<Color>(r & 0xFF) << 16) | (static_cast<Color>(g & 0xFF) << 8) |
         static_cast<Color>(b & 0xFF);
}

// The simulated display's two colours, the light grey of outlines, and the
// dark grey an outline takes over lit pixels.
constexpr Color kDisplayDark = RgbColor(64, 64, 64);
constexpr Color kDisplayLit = RgbColor(255, 255, 255);
constexpr Color kOutlineGrey = RgbColor(192, 192, 192);
constexpr Color kOutlineDarkGrey = RgbColor(96, 96, 96);
constexpr Color kBlack = RgbColor(0, 0, 0);

// A one-bit-per-pixel source for scaled copies: `rows` top row first, each row
// `stride` bytes, leftmost pixel in the most significant bit of its byte.
struct MonoBitmap {
  const uint8_t* bits = nullptr;
  int width = 0;
  int height = 0;
  int stride = 0;
  bool bottomUp = false;  // rows stored bottom row first
  bool Pixel(int x, int y) const;
};

// A raster of 32-bit pixels in which the editor paints its simulated display.
// Every operation clips: whatever the coordinates, nothing is written outside
// the buffer or outside the clip rectangle.
class Canvas {
 public:
  explicit Canvas(int width = kDisplayWidth, int height = kDisplayHeight, Color fill = kBlack);

  int Width() const { return m_width; }
  int Height() const { return m_height; }
  // The pixel, or `outside` for coordinates off the canvas.
  Color Pixel(int x, int y, Color outside = 0) const;
  void SetPixel(int x, int y, Color c);
  const std::vector<Color>& Pixels() const { return m_pixels; }
  bool operator==(const Canvas& o) const {
    return m_width == o.m_width && m_height == o.m_height && m_pixels == o.m_pixels;
  }

  // Further drawing is limited to `clip` (intersected with the canvas).
  void SetClip(const Rect& clip);
  void ResetClip();
  Rect Clip() const { return m_clip; }

  void Fill(Color c) { FillRect({0, 0, m_width, m_height}, c); }
  // Right and bottom edges are exclusive, as everywhere.
  void FillRect(const Rect& r, Color c);
  // The outline of `r` drawn inside it, `pen` pixels thick.
  void FrameRect(const Rect& r, Color c, int pen = 1);
  // A straight line from `a` to `b`, the end point excluded (so that a
  // polyline draws each corner once). A pen wider than 1 is a square brush
  // centred on the line.
  void Line(Point a, Point b, Color c, int pen = 1);
  // The closed outline through the four corners left-top, right-top,
  // right-bottom, left-bottom (right and bottom inclusive here), one pixel
  // wide, every other pixel set along the path.
  void DottedOutline(const Rect& r, Color c);
  // The same dots in `overDark` where the pixel under a dot is dark and in
  // `overLight` where it is light, so that the outline shows on both.
  void DottedOutline(const Rect& r, Color overDark, Color overLight);

  // Copies `src` (its `from` part) stretched into `to`, nearest neighbour.
  void CopyScaled(const Canvas& src, const Rect& from, const Rect& to);
  void CopyScaled(const Canvas& src, const Rect& to) {
    CopyScaled(src, {0, 0, src.Width(), src.Height()}, to);
  }
  // Copies a one-bit bitmap stretched into `to`: set bits in `one`, clear bits
  // in `zero`.
  void CopyScaled(const MonoBitmap& src, const Rect& to, Color zero, Color one);
  // Only the set bits of `src`, stretched into `to`; clear bits leave the
  // canvas as it is.
  void StampScaled(const MonoBitmap& src, const Rect& to, Color one);

  // PNG (8-bit RGB). Encoding is deterministic: the same pixels give the same bytes.
  std::vector<uint8_t> EncodePng() const;
  bool WritePng(const std::string& path) const;

 private:
  template <typename Sample>
  void ScaleInto(int srcW, int srcH, const Rect& to, Sample sample);

  int m_width;
  int m_height;
  Rect m_clip;
  std::vector<Color> m_pixels;
};

// Source coordinate of destination offset `d` (0 .. dstLen - 1) when `srcLen`
// pixels are stretched over `dstLen`: the source pixel under the centre of the
// destination pixel.
int ScaledSource(long long d, int srcLen, long long dstLen);

// The simulated display's empty screen: dark grey with a 2 x 2 white dot at
// every crossing of the 18-pixel grid (x = 17-18, 35-36, ... and likewise y).
Canvas MakeDisplayBackground();

}  // namespace tavo
