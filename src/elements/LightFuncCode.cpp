#include "elements/DownloadRecord.h"
#include "elements/LightFunc.h"

// The part of the light's and the key's download record they share.
namespace tavo {

void CLightFunc::Compile() {
  CBase::Compile();
  PutByte(m_code, 3, m_station);
  PutByte(m_code, 8, m_subAddr);
}

}  // namespace tavo
