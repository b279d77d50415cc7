#pragma once

// The panel-settings dialog without a window: its ranges, lists, choices, the
// rules that enable its fields and the "对应…" hints beside its check boxes.

#include <array>
#include <string>

#include "base/PanelSettings.h"
#include "pages/BoundControls.h"
#include "pages/NumberBox.h"

namespace tavo::app {

class PanelSettingsForm {
 public:
  // The three functions of the control register, in hint order.
  enum Function { kAutoScreen = 0, kReportScreen = 1, kClock = 2 };

  // Copies the project's settings into the form and sets ranges and lists
  // for the current protocol profile.
  void Open(const PanelSettings& settings);
  // OK: stores the form into the settings.
  void Accept(PanelSettings& settings) const;
  // The idle moment: hints and enabling.
  void Idle();

  NumberBox startScreen;    // "初始画面号:"
  NumberBox password;       // "口令:"
  BoundCombo saverDelay;    // "屏幕保护:"
  RadioChoice saverAction;  // 0 "关闭背景光", 1 "显示画面"
  NumberBox saverScreen;    // the screen "显示画面" shows
  BoundCombo ctrlType;      // "控制寄存器号:" type list
  NumberBox ctrlAddr;       // "控制寄存器号:" address
  NumberBox station;        // "PLC局号:"
  std::array<BoundCheck, 3> functions;  // "自动变换显示画面,", "报告当前画面号", "使用时钟模块"

  // The hint beside a function's check box ("对应D100"); empty while unchecked.
  const std::string& Hint(int function) const { return hints_[function]; }
  // A direction caption ("(TavoB<-PLC)" ...) is enabled while its box is checked.
  bool CaptionEnabled(int function) const { return functions[function].Checked(); }

  // The hint texts of the three functions for an address, a word step, a type
  // name and the protocol (15 puts ":" between name and address).
  static std::array<std::string, 3> Hints(const std::array<bool, 3>& checked, unsigned address,
                                          unsigned step, const std::string& typeName,
                                          uint8_t protocol);

 private:
  PanelSettings work_;
  std::array<uint8_t, 3> flags_{};
  std::array<std::string, 3> hints_;
};

}  // namespace tavo::app
