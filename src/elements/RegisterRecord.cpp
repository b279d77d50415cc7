#include "elements/Register.h"

// The numeric register's project-file record.
namespace tavo {

void CRegister::Serialize(CArchive& ar) {}

}  // namespace tavo
