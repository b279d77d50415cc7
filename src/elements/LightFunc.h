#pragma once

#include <array>
#include <cstdint>

#include "model/Base.h"
#include "render/EditorPictures.h"

namespace tavo {

// Common base of the indicator light and the function key: the picture style
// and the picture table. Never placed on a screen itself; sets no kind code.
class CLightFunc : public CBase {
 public:
  CLightFunc();

  const char* ClassName() const override { return "CLightFunc"; }

  // Writes or reads the part shared by light and key: double, inverse,
  // sub-address, picture style, station, register type, address.
  void Serialize(CArchive& ar) override;
  // Header plus station (byte 3) and sub-address (byte 8).
  void Compile() override;

  // Side of the square picture in editor pixels: 36, or 72 at double size.
  int Side() const;

  uint8_t m_picStyle = 0;  // light: 0 round, 1 square; key: index into the key list
  std::array<uint16_t, kPictureCount> m_picIds{};  // entry i = 330 + i

 protected:
  CLightFunc(const CLightFunc&) = default;
};

}  // namespace tavo
