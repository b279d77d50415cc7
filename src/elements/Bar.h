#pragma once

#include <memory>

#include "elements/BarTide.h"

namespace tavo {

// Directions of a bar (m_direction).
enum BarDirection : uint8_t {
  kBarUp = 0,     // "向上"
  kBarDown = 1,   // "向下"
  kBarLeft = 2,   // "向左"
  kBarRight = 3,  // "向右"
};

// A bar graph ("棒状图"): a register value as a bar between zero and full scale.
class CBar : public CBarTide {
 public:
  CBar();
  // Created where the user clicked (editor pixels).
  explicit CBar(Point at);

  const char* ClassName() const override { return "CBar"; }
  std::unique_ptr<CBase> Clone() const override;

  void Serialize(CArchive& ar) override;
  void CalcCodeSize() override;
  void Compile() override;
  void Draw(Canvas& canvas) override;
  void SetScreenPos(int left, int top) override;

  // Changes the direction; between vertical (up, down) and horizontal (left,
  // right) width and height are exchanged.
  void SetDirection(uint8_t direction);
  static bool IsHorizontal(uint8_t direction) {
    return direction == kBarLeft || direction == kBarRight;
  }

  uint8_t m_direction = kBarUp;

 protected:
  CBar(const CBar&) = default;
};

}  // namespace tavo
