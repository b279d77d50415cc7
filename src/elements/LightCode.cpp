#include <algorithm>

#include "elements/DownloadRecord.h"
#include "elements/ElementCommon.h"
#include "elements/Light.h"
#include "plc/Protocol.h"
#include "plc/ProtocolTraits.h"

// The light's 12-byte download record.
namespace tavo {

namespace {
constexpr uint16_t kLightRecordSize = 12;
}  // namespace

void CLight::CalcCodeSize() {
  m_codeSize = kLightRecordSize;
}

void CLight::Compile() {
  CLightFunc::Compile();
  const uint8_t p = CurrentProtocol();
  const bool named = TraitsOf(p).namedVariables;
  const uint8_t c = named ? m_subTypeCode : BitReadCode(m_regType);
  const uint16_t addr = named ? m_subTypeAddr : BitAddress(p, m_addr, m_subAddr);
  // The image holds two lamp styles (slots 0-3); a style past them, which only
  // a damaged file holds, shows as the last style, as the editor draws it.
  const int style = std::min<int>(m_picStyle, 1);
  const int inverse = Flag(m_inverse);
  PutByte(m_code, 2, static_cast<uint8_t>(Flag(m_double) * 2));
  PutByte(m_code, 4, c);
  Put16(m_code, 5, addr);
  PutByte(m_code, 7, RegisterWidth(c, m_regCount));
  PutByte(m_code, 9, m_bitOffset);
  PutByte(m_code, 10, static_cast<uint8_t>(style * 2 + inverse));
  PutByte(m_code, 11, static_cast<uint8_t>(style * 2 + 1 - inverse));
}

}  // namespace tavo
