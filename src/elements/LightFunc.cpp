#include "elements/LightFunc.h"

#include "elements/ElementCommon.h"
#include "plc/Protocol.h"

namespace tavo {

CLightFunc::CLightFunc() {
  for (int i = 0; i < kPictureCount; ++i) m_picIds[i] = static_cast<uint16_t>(kFirstPictureId + i);
  // Lights and keys count addresses from 1 on the same protocols as the other
  // bit elements; protocol 5's word default of 16 does not apply to them.
  m_addr = DefaultBitElementAddress(CurrentProtocol());
}

int CLightFunc::Side() const {
  return 36 * (1 + Flag(m_double));
}

}  // namespace tavo
