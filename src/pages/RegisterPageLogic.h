#pragma once

// The register page (236) without a window.

#include "pages/PageLogic.h"

namespace tavo {
class CRegister;
}

namespace tavo::app {

class RegisterPageLogic : public ElementPageLogic {
 public:
  explicit RegisterPageLogic(PageEnv& env);
  void Load(CBase& element) override;
  void Idle() override;
  void Unload() override {
    ElementPageLogic::Unload();
    reg_ = nullptr;
  }

  BoundCheck doubleSize;    // 1099 "倍角"
  BoundCheck inverse;       // 1100 "反相"
  NumberBox digits;         // 1085 "位数:" 1 - 10
  NumberBox decimals;       // 1086 "小数位:" 0 - 10
  RadioChoice mode;         // "模式:" 0 "HEX/BCD" (1131), 1 "十进制" (1130)
  BoundCheck isSigned;      // 1089 "有符号数"
  AddressControls address;  // 1149, 1138, 1092, 1139, 1078
  NumberBox count;          // 1079 "寄存器个数:"
  BoundCombo scaling;       // 1029 "原始数据", "工程数据"
  BoundCheck settable;      // 1104 "设  定"
  BoundCheck protect;       // 1111 "加  密"
  BoundCheck limited;       // 1118 "上下限"
  NumberBox inHigh;         // 1132 "输入上限:"
  NumberBox inLow;          // 1083 "输入下限:"
  NumberBox engHigh;        // 1133 "工程量上限:"
  NumberBox engLow;         // 1084 "工程量下限:"

 private:
  // Enables or clears what the number format governs; the idle pass also
  // clears the sign and the decimal places in "HEX/BCD" mode.
  void ApplyMode(bool fromIdle);
  void ApplyProtocolRules();
  void UpdateLimitRanges();
  void UpdateEnabling();
  void TakeBaseline() override;
  CRegister* reg_ = nullptr;
  // The fields the idle pass derives, as they were when the session began.
  struct Baseline {
    uint8_t digits = 0, decimals = 0, isSigned = 0, settable = 0, count = 0;
    int32_t limits[4] = {};  // inHigh, inLow, engHigh, engLow
  } base_;
};

}  // namespace tavo::app
