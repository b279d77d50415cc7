#include "elements/AlarmList.h"

#include "plc/Protocol.h"

namespace tavo {

namespace {
uint8_t DefaultAlarmStation(uint8_t protocol) {
  return protocol == 5 ? 0 : protocol == 2 ? 2 : 1;
}
}  // namespace

CAlarmList::CAlarmList() { Reset(); }

void CAlarmList::Reset() {
  m_station = DefaultAlarmStation(CurrentProtocol());
  m_alarmbegin = 0;
  m_subAddr = 0;
  m_regType = 0;
  m_bitOffset = 0;
  m_alarmTexts.clear();
}

}  // namespace tavo
