#pragma once

#include <memory>

#include "elements/BarTide.h"

namespace tavo {

// A trend graph ("趋势图"): the register's recent values, sampled at a fixed
// interval, as a curve.
class CTide : public CBarTide {
 public:
  CTide();
  // Created where the user clicked (editor pixels).
  explicit CTide(Point at);

  const char* ClassName() const override { return "CTide"; }
  std::unique_ptr<CBase> Clone() const override;

  void Serialize(CArchive& ar) override;
  void CalcCodeSize() override;
  void Compile() override;
  void Draw(Canvas& canvas) override;
  void SetScreenPos(int left, int top) override;

  // Samples shown range from 2 to the width less 2.
  static constexpr int kMinPoints = 2;
  int MaxPoints() const { return m_widthPx - 2; }

  uint8_t m_points = 20;    // "数据采集", samples shown
  uint16_t m_interval = 5;  // "采样间隔", seconds, 1..60000
  // Set by the download before compiling, never stored: the trend's position
  // among its screen's trends and their number.
  uint8_t m_trendIndex = 0;
  uint8_t m_trendCount = 0;

 protected:
  CTide(const CTide& other);
};

}  // namespace tavo
