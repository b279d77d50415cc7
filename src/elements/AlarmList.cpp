#include "elements/AlarmList.h"

#include "plc/Protocol.h"
#include "plc/ProtocolTraits.h"

namespace tavo {

CAlarmList::CAlarmList() {
  Reset();
}

void CAlarmList::Reset() {
  m_station = TraitsOf(CurrentProtocol()).alarmStation;
  m_alarmbegin = 0;
  m_subAddr = 0;
  m_regType = 0;
  m_bitOffset = 0;
  m_alarmTexts.clear();
  FreeCode();
}

void CAlarmList::SetText(size_t index, const std::string& text) {
  if (index >= m_alarmTexts.size()) {
    if (text.empty()) return;
    m_alarmTexts.resize(index + 1);
  }
  m_alarmTexts[index] = text;
  while (!m_alarmTexts.empty() && m_alarmTexts.back().empty()) m_alarmTexts.pop_back();
}

void CAlarmList::KeepAtMost(size_t count) {
  if (m_alarmTexts.size() > count) m_alarmTexts.resize(count);
  while (!m_alarmTexts.empty() && m_alarmTexts.back().empty()) m_alarmTexts.pop_back();
}

}  // namespace tavo
