#pragma once

#include "model/Base.h"

namespace tavo {

// Common base of the bar and the trend graph: the register binding, the scale
// and the size in panel pixels. Never placed itself; sets no kind code.
class CBarTide : public CBase {
 public:
  CBarTide();

  const char* ClassName() const override { return "CBarTide"; }

  // Writes or reads the part bar and trend share (size, format, scale,
  // binding, protocol-31 fields).
  void Serialize(CArchive& ar) override;
  // Bytes 0-18: header, binding, size and the checked scale.
  void Compile() override;
  // Reports the warning of the last Compile to the image.
  void CollectShared(ImageShared& shared) override;

  // Width and height in panel pixels are at least 16 and at most what is left
  // of the display to the right of and below the element.
  static constexpr int kMinSize = 16;
  int MaxWidth() const { return kPanelWidth - m_x; }
  int MaxHeight() const { return kPanelHeight - m_y; }

  int32_t m_fullScale = 0;     // "满额度值"
  int32_t m_zeroScale = 0;     // "零额度值"
  uint8_t m_height = 48;       // "高", panel pixels
  uint8_t m_widthPx = 0;       // "宽", panel pixels
  uint16_t m_subTypeAddr = 0;  // address used under protocol 31
  uint8_t m_subTypeCode = 0;   // register-type code used under protocol 31

  // Set by Compile when the scale had to be corrected (download warning 3);
  // belongs to one download, never stored.
  bool m_scaleCorrected = false;

 protected:
  CBarTide(const CBarTide&) = default;
  // The rectangle of m_widthPx x m_height panel pixels at (left, top).
  void SetSizedRect(int left, int top);
};

}  // namespace tavo
