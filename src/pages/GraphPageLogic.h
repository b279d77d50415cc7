#pragma once

// The graph page (242) without a window, shared by bar and trend graphs.

#include <string>

#include "pages/PageLogic.h"

namespace tavo {
class CBarTide;
}

namespace tavo::app {

class GraphPageLogic : public ElementPageLogic {
 public:
  static constexpr int kMaxInterval = 60000;

  explicit GraphPageLogic(PageEnv& env);
  void Load(CBase& element) override;
  void Idle() override;
  void Unload() override {
    ElementPageLogic::Unload();
    graph_ = nullptr;
  }

  bool IsTrend() const;
  // "棒状图属性" or "趋势图属性" (UTF-8).
  std::string Caption() const;

  NumberBox width;          // 1089 "宽:"
  NumberBox height;         // 1090 "高:"
  AddressControls address;  // 1149, 1138, "子类型:" 1029, 1139, 1078
  NumberBox count;          // 1079 "寄存器个数:" (hidden for protocol 31)
  RadioChoice mode;         // "模式:" 0 "HEX/BCD" (1131), 1 "十进制" (1130)
  BoundCheck isSigned;      // 1091 "有符号数"
  NumberBox fullScale;      // 1092 "满额度值:"
  NumberBox zeroScale;      // 1093 "零额度值:"
  NumberBox points;         // 1096 "数据采集:" (trend)
  NumberBox interval;       // 1099 "采样间隔:" (trend)
  BoundCombo direction;     // 1145 "方向:" (bar)

 protected:
  // Width, height, X and Y ranges from the element's place and size; for a
  // trend also the sample count.
  void UpdateMaxima() override;

 private:
  void ApplyTypeRules();
  void UpdateScaleRanges();
  void TakeBaseline() override;
  CBarTide* graph_ = nullptr;
  // The fields the idle pass derives, as they were when the session began.
  struct Baseline {
    uint8_t isSigned = 0, count = 0, station = 0;
    int32_t fullScale = 0, zeroScale = 0;
    uint8_t points = 0;
  } base_;
  uint8_t direction_ = 0;  // the list's choice; the bar takes it with SetDirection
};

}  // namespace tavo::app
