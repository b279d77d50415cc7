#include "elements/UpLoadPic.h"

#include <algorithm>
#include <cstring>

#include "elements/ElementCommon.h"

namespace tavo {

namespace {

std::optional<PictureBitmap> g_toPlace;

void Put32(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}
uint32_t Get32(const uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

}  // namespace

void SetBitmapToPlace(std::optional<PictureBitmap> bitmap) {
  g_toPlace = std::move(bitmap);
}

std::optional<PictureBitmap> TakeBitmapToPlace() {
  auto b = std::move(g_toPlace);
  g_toPlace.reset();
  return b;
}

CUpLoadPic::CUpLoadPic() {
  m_kind = kKindPicture;
  SetSize(0, 0);
}

CUpLoadPic::CUpLoadPic(Point at, int width, int height) : CUpLoadPic() {
  SetPanelPosition(*this, at);
  SetSize(width, height);
}

// The download data's length belongs to one download.
CUpLoadPic::CUpLoadPic(const CUpLoadPic& o)
    : CBase(o),
      m_captured(o.m_captured),
      m_info(o.m_info),
      m_infoBlock(o.m_infoBlock),
      m_bits(o.m_bits) {}

std::unique_ptr<CBase> CUpLoadPic::Clone() const {
  return std::unique_ptr<CBase>(new CUpLoadPic(*this));
}

void CUpLoadPic::SetSize(int width, int height) {
  width = std::clamp(width, 0, kMaxWidth);
  height = std::clamp(height, 0, kMaxHeight);
  const uint32_t size = static_cast<uint32_t>(RowBytes(width) * height);
  m_info.fill(0);
  Put32(&m_info[0], 40);
  Put32(&m_info[4], static_cast<uint32_t>(width));
  Put32(&m_info[8], static_cast<uint32_t>(height));
  m_info[12] = 1;  // planes
  m_info[14] = 1;  // bits per pixel
  Put32(&m_info[20], size);
  m_bits.assign(size, 0);
  m_captured = 0;
  FormInfoBlock();
}

void CUpLoadPic::FormInfoBlock() {
  std::memcpy(m_infoBlock.data(), m_info.data(), m_info.size());
  const uint8_t table[8] = {0, 0, 0, 0, 255, 255, 255, 0};
  std::memcpy(m_infoBlock.data() + 40, table, sizeof table);
}

bool CUpLoadPic::CaptureRgb(const std::vector<uint32_t>& pixels) {
  if (!HasSoundSize()) return false;
  const int w = Width(), h = Height();
  if (pixels.size() != static_cast<size_t>(w) * static_cast<size_t>(h)) return false;
  const int row = RowBytes(w);
  std::fill(m_bits.begin(), m_bits.end(), 0);
  for (int y = 0; y < h; ++y) {
    uint8_t* out = &m_bits[static_cast<size_t>(h - 1 - y) * row];
    for (int x = 0; x < w; ++x) {
      const uint32_t c = pixels[static_cast<size_t>(y) * w + x];
      const int v = (((c >> 16) & 0xFF) + ((c >> 8) & 0xFF) + (c & 0xFF)) / 3;
      if (v > 128) out[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
    }
  }
  FormInfoBlock();
  m_captured = 1;
  return true;
}

int32_t CUpLoadPic::Width() const {
  return static_cast<int32_t>(Get32(&m_info[4]));
}
int32_t CUpLoadPic::Height() const {
  return static_cast<int32_t>(Get32(&m_info[8]));
}
uint32_t CUpLoadPic::ImageSizeField() const {
  return Get32(&m_info[20]);
}

bool CUpLoadPic::HasSoundSize() const {
  const int32_t w = Width(), h = Height();
  if (w < 0 || w > kMaxWidth || h < 0 || h > kMaxHeight) return false;
  const uint32_t size = static_cast<uint32_t>(RowBytes(w) * h);
  return ImageSizeField() == size && m_bits.size() >= size;
}

bool CUpLoadPic::Pixel(int x, int y) const {
  if (!HasSoundSize() || x < 0 || y < 0 || x >= Width() || y >= Height()) return false;
  const size_t at = static_cast<size_t>(Height() - 1 - y) * RowBytes(Width()) + x / 8;
  return (m_bits[at] >> (7 - x % 8)) & 1;
}

int CUpLoadPic::DataLength() const {
  if (!HasSoundSize()) return 0;
  return Width() * ((Height() + 7) / 8);
}

void CUpLoadPic::SetScreenPos(int left, int top) {
  // A damaged header's size is held to the largest picture a bitmap can give.
  const int w = std::clamp<int32_t>(Width(), 0, kMaxWidth);
  const int h = std::clamp<int32_t>(Height(), 0, kMaxHeight);
  m_rect = {left, top, left + PanelToEditor(w), top + PanelToEditor(h)};
}

}  // namespace tavo
