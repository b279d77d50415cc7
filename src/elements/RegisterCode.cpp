#include "elements/Register.h"

// The numeric register's download record with its limit check.
namespace tavo {

void CRegister::CalcCodeSize() {
  CBase::CalcCodeSize();
}
void CRegister::Compile() {
  CBase::Compile();
}

}  // namespace tavo
