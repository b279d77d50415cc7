#include "elements/AlarmList.h"

// The alarm list's file record; filled in with the project-file archive.
namespace tavo {

void CAlarmList::Serialize(CArchive& ar) {}

}  // namespace tavo
