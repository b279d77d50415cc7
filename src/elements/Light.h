#pragma once

#include <memory>

#include "elements/LightFunc.h"

namespace tavo {

// An indicator light: shows one PLC bit as the dark or bright picture of its
// style (round or square). m_double is the size, m_inverse the logic.
class CLight : public CLightFunc {
 public:
  CLight();
  // Created where the user clicked (editor pixels).
  explicit CLight(Point at);

  const char* ClassName() const override { return "CLight"; }
  std::unique_ptr<CBase> Clone() const override;

  void Serialize(CArchive& ar) override;
  void CalcCodeSize() override;
  void Compile() override;
  void Draw(Canvas& canvas) override;
  // A square of Side() editor pixels.
  void SetScreenPos(int left, int top) override;

  // The picture the editor draws: style x 2 + inverse (negative logic shows
  // the bright picture); OtherPicture() is the other state's. A style only a
  // damaged file holds gives numbers past the four lamp pictures.
  int Picture() const;
  int OtherPicture() const;

  uint8_t m_bitOffset = 0;     // "偏移": bit within the addressed register
  uint8_t m_subTypeCode = 0;   // register-type code used under protocol 31
  uint16_t m_subTypeAddr = 0;  // address used under protocol 31

 protected:
  CLight(const CLight&) = default;
};

}  // namespace tavo
