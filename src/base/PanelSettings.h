#pragma once

#include <cstdint>

namespace tavo {

// The panel's own parameters, part of the project. The communication fields are
// chosen in the PLC selection dialog, the rest in the panel-settings dialog.
struct PanelSettings {
  uint16_t m_password = 0;     // "口令", 0..9999
  uint16_t m_startScreen = 1;  // "初始画面号"
  uint8_t m_ctrlStation = 1;   // "PLC局号" of the control register
  uint16_t m_ctrlRegAddr = 0;  // "控制寄存器号"
  uint8_t m_ctrlRegType = 0;   // register-type index of the control register
  uint16_t m_saverScreen = 1;  // screen shown by the screen saver when m_saverAction is 1
  uint8_t m_saverDelay = 3;    // "屏幕保护" index 0..10
  uint8_t m_ctrlFlags = 0;     // bit 0 auto screen, bit 1 report screen, bit 2 clock module
  uint8_t m_baud = 0;          // baud-rate index
  uint8_t m_dataBits = 0;      // data-bits index
  uint8_t m_stopBits = 0;      // stop-bits index
  uint8_t m_parity = 0;        // parity index
  uint8_t m_commParam = 0;     // the panel's station number on the PLC line
  uint8_t m_protoMode = 1;     // the protocol's address step of one word
  uint8_t m_saverAction = 0;   // 0 backlight off, 1 show m_saverScreen
  uint8_t m_commOption = 0;    // interface index: 0 "232", 1 "485"
  uint16_t m_e5Timeout = 0;    // "E5超时", protocols 2, 3 and 34
  uint8_t m_plcPos = 0;        // position of the protocol in the available-protocol list

  bool operator==(const PanelSettings&) const = default;
};

}  // namespace tavo
