#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tavo {

class CArchive;

// The project's alarm list: a run of consecutive PLC coils from m_alarmbegin,
// one alarm text per coil. Not an element: no position, not drawn.
class CAlarmList {
 public:
  CAlarmList();
  // Back to a new project's list: protocol defaults, no texts.
  void Reset();

  void Serialize(CArchive& ar);

  uint8_t m_station = 1;
  uint16_t m_alarmbegin = 0;
  uint8_t m_subAddr = 0;
  uint8_t m_regType = 0;
  uint8_t m_bitOffset = 0;
  std::vector<std::string> m_alarmTexts;  // GBK, no trailing empty entries
};

}  // namespace tavo
