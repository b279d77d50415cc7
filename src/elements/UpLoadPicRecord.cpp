#include <algorithm>
#include <cstring>

#include "base/Archive.h"
#include "elements/UpLoadPic.h"

// The picture's project-file record: the 48-byte header with its colour
// table, the pixel rows, 20 reserved bytes.
namespace tavo {

void CUpLoadPic::Serialize(CArchive& ar) {
  SerializeCommon(ar);
  if (ar.IsStoring()) {
    ar.WriteBytes(m_infoBlock.data(), m_infoBlock.size());
    // Exactly as many bytes as the header's image-size field announces, so
    // the record stays readable whatever the pixel buffer holds.
    const uint32_t size = uint32_t(m_infoBlock[20]) | (uint32_t(m_infoBlock[21]) << 8) |
                          (uint32_t(m_infoBlock[22]) << 16) | (uint32_t(m_infoBlock[23]) << 24);
    const size_t have = std::min<size_t>(m_bits.size(), size);
    ar.WriteBytes(m_bits.data(), have);
    ar.WriteReserved(size - have);
    ar.WriteReserved(20);
    return;
  }
  ar.ReadBytes(m_infoBlock.data(), m_infoBlock.size());
  std::memcpy(m_info.data(), m_infoBlock.data(), m_info.size());
  m_bits = ar.ReadBlock(ImageSizeField());  // refused before allocating when too long
  ar.SkipReserved(20);
  m_captured = 1;
  PlaceAtStoredPosition();
}

}  // namespace tavo
