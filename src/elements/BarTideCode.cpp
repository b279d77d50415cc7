#include "elements/BarTide.h"
#include "elements/DownloadRecord.h"
#include "elements/ElementCommon.h"
#include "elements/ImageShared.h"
#include "plc/Protocol.h"
#include "plc/ProtocolTraits.h"

// The part of the bar's and the trend's download record they share.
namespace tavo {

void CBarTide::Compile() {
  CBase::Compile();
  const bool named = TraitsOf(CurrentProtocol()).namedVariables;
  const uint8_t c = named ? m_subTypeCode : WordCode(m_regType);
  PutByte(m_code, 2, static_cast<uint8_t>(Flag(m_signed) << 4 | Flag(m_numFormat) << 5));
  PutByte(m_code, 3, m_station);
  PutByte(m_code, 4, c);
  Put16(m_code, 5, named ? m_subTypeAddr : m_addr);
  PutByte(m_code, 7, RegisterWidth(c, m_regCount));
  PutByte(m_code, 8, m_subAddr);
  PutByte(m_code, 9, m_widthPx);
  PutByte(m_code, 10, m_height);
  // The corrected scale stays in the element.
  m_scaleCorrected = PutInOrder(m_fullScale, m_zeroScale, Flag(m_signed));
  Put32(m_code, 11, static_cast<uint32_t>(m_fullScale));
  Put32(m_code, 15, static_cast<uint32_t>(m_zeroScale));
}

void CBarTide::CollectShared(ImageShared& shared) {
  if (m_scaleCorrected) shared.RaiseWarning(kWarningGraphScale);
}

}  // namespace tavo
