#include "elements/DownloadRecord.h"
#include "elements/ElementCommon.h"
#include "elements/ImageShared.h"
#include "elements/Register.h"
#include "plc/Protocol.h"
#include "plc/ProtocolTraits.h"

// The numeric register's download record with its limit check.
namespace tavo {

namespace {
constexpr uint16_t kRegisterRecordSize = 11;
constexpr uint16_t kLimitsSize = 8;  // input high and low
constexpr uint16_t kScaleSize = 8;   // engineering high and low
// The register type the panel's driver keeps its timers in ("TM").
constexpr uint8_t kUsesFlagBCode = 0x51;
}  // namespace

void CRegister::CalcCodeSize() {
  const bool limited = Flag(m_limited);
  m_codeSize = kRegisterRecordSize;
  if (limited) m_codeSize += kLimitsSize;
  if (limited && Flag(m_scaled)) m_codeSize += kScaleSize;
}

void CRegister::Compile() {
  CBase::Compile();
  // The check runs whether or not the limits travel; the corrected values
  // stay in the element.
  m_limitsCorrected = PutInOrder(m_inHigh, m_inLow, Flag(m_signed));

  const bool named = TraitsOf(CurrentProtocol()).namedVariables;
  const uint8_t c = named ? m_subTypeCode : WordCode(m_regType);
  PutByte(
      m_code, 2,
      static_cast<uint8_t>(Flag(m_inverse) | Flag(m_double) << 1 | Flag(m_scaled) << 2 |
                           Flag(m_settable) << 3 | Flag(m_signed) << 4 | Flag(m_numFormat) << 5 |
                           Flag(m_protected) << 6 | Flag(m_limited) << 7));
  PutByte(m_code, 3, m_station);
  PutByte(m_code, 4, c);
  Put16(m_code, 5, named ? m_subTypeAddr : m_addr);
  PutByte(m_code, 7, RegisterWidth(c, m_regCount));
  PutByte(m_code, 8, m_subAddr);
  PutByte(m_code, 9, static_cast<uint8_t>(RecordCells()));
  PutByte(m_code, 10, m_decimals);
  if (!Flag(m_limited)) return;
  Put32(m_code, 11, static_cast<uint32_t>(m_inHigh));
  Put32(m_code, 15, static_cast<uint32_t>(m_inLow));
  if (!Flag(m_scaled)) return;
  Put32(m_code, 19, static_cast<uint32_t>(m_engHigh));
  Put32(m_code, 23, static_cast<uint32_t>(m_engLow));
}

void CRegister::CollectShared(ImageShared& shared) {
  if (Flag(m_protected)) shared.usesFlagA = true;
  if (WordCode(m_regType) == kUsesFlagBCode) shared.usesFlagB = true;
  if (m_limitsCorrected) shared.RaiseWarning(kWarningRegisterLimits);
}

}  // namespace tavo
