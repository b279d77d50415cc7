#include "elements/DownloadRecord.h"
#include "elements/ImageShared.h"
#include "elements/UpLoadPic.h"

// The picture's 9-byte download record and its picture data.
namespace tavo {

namespace {
constexpr uint16_t kPictureRecordSize = 9;
}  // namespace

void CUpLoadPic::CalcCodeSize() {
  m_codeSize = kPictureRecordSize;
}

// A picture whose stored size disagrees with its pixels (only a damaged file
// holds one) travels as an empty 0 x 0 picture.
void CUpLoadPic::Compile() {
  CBase::Compile();
  const bool sound = HasSoundSize();
  PutByte(m_code, 3, static_cast<uint8_t>(sound ? Width() : 0));
  PutByte(m_code, 4, static_cast<uint8_t>(sound ? Height() : 0));
}

// Bands of eight pixel rows, top band first; in a band one byte per column,
// left to right, bit n the band's row n; rows below the picture are dark.
void CUpLoadPic::CollectShared(ImageShared& shared) {
  m_dataLen = static_cast<uint16_t>(DataLength());
  if (m_dataLen == 0) return;
  const int w = Width(), h = Height();
  for (int band = 0; band * 8 < h; ++band) {
    for (int x = 0; x < w; ++x) {
      uint8_t b = 0;
      for (int n = 0; n < 8; ++n)
        if (Pixel(x, band * 8 + n)) b |= static_cast<uint8_t>(1u << n);
      shared.pictureData.push_back(b);
    }
  }
}

void CUpLoadPic::Relocate(uint16_t& offset) {
  Put16(m_code, 5, offset);
  offset = static_cast<uint16_t>(offset + m_dataLen);
}

}  // namespace tavo
