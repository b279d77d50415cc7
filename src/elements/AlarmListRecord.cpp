#include "base/Archive.h"
#include "elements/AlarmList.h"

// The alarm list's file record, stored after the screens without an object tag.
namespace tavo {

void CAlarmList::Serialize(CArchive& ar) {
  ar.Io(m_station);
  ar.Io(m_alarmbegin);
  ar.Io(m_subAddr);
  ar.Io(m_regType);
  ar.Io(m_bitOffset);
  ar.Reserved(100);
  ar.IoStringList(m_alarmTexts);  // reading replaces the list
}

}  // namespace tavo
