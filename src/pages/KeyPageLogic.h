#pragma once

// The function-key page (164) without a window, with its three action
// sub-pages: 249 "线圈" (set coil, set register), 238 "画面" (screen jump) and
// 408 "配方" (recipe).

#include "pages/PageLogic.h"

namespace tavo {
class CFunction;
}

namespace tavo::app {

class KeyPageLogic : public ElementPageLogic {
 public:
  static constexpr int kSubPageCoil = 249;
  static constexpr int kSubPageJump = 238;
  static constexpr int kSubPageRecipe = 408;
  // The recipe limits: the panel's internal registers.
  static constexpr int kRecipeMax = 1024;

  explicit KeyPageLogic(PageEnv& env);
  void Load(CBase& element) override;
  void Idle() override;
  void Unload() override {
    ElementPageLogic::Unload();
    key_ = nullptr;
  }

  // The sub-page the chosen action shows.
  int SubPage() const;
  // Whether the recipe action can be chosen under a protocol: not where the
  // key would carry no recipe operands (19 and 23 to 32).
  static bool RecipeOffered(uint8_t protocol);

  BoundCheck doubleSize;  // 1103 "倍角"
  BoundCheck inverse;     // 1100 "反相"
  BoundCombo key;         // 1029 "键:"
  BoundCheck hand;        // 1109 "手形"
  BoundCheck hidden;      // 1110 "隐形"
  BoundCheck protect;     // 1111 "加密"
  RadioChoice action;  // 1112 "设定线圈", 1113 "画面跳转", 1114 "设定寄存器", 1115 "配方"

  // 249: set coil and set register.
  AddressControls coil;  // "局号:" 1149, "类型:" 1135, "子类型:" 1092, "地址:" 1136, 1079
  NumberBox value;       // "参数:" 1078: m_setValue
  BoundCombo format;     // 1138: m_valueFormat
  RadioChoice coilOp;    // "设定为ON", "设定为OFF", "取反", "瞬时ON"

  // 238: screen jump.
  RadioChoice jumpKind;  // "画面", "报警列表" ("时间/日期" is never shown)
  NumberBox screenNo;    // 1129

  // 408: recipe.
  RadioChoice recipeOp;     // "上传", "下载", "基址增加", "基址减少"
  NumberBox recipeStation;  // "局号:" 1149
  BoundCombo recipeType;    // "类型:" 1138
  NumberBox recipeAddr;     // "上下限:" 1129: the PLC address of the recipe
  NumberBox recipeTarget;   // "目标地址:" 1236
  NumberBox recipeLen;      // "长度:" 1226

 private:
  void LoadSubPage();
  void UpdateValueRange();
  void UpdateSubAddressShown();
  void TakeBaseline() override;
  CFunction* key_ = nullptr;
  int32_t baseValue_ = 0;  // "参数:" when the session began
};

}  // namespace tavo::app
