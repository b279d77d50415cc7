#include "elements/DownloadRecord.h"

#include "plc/Catalogue.h"
#include "plc/ProtocolTraits.h"
#include "render/TextEncoding.h"

namespace tavo {

void PutByte(std::vector<uint8_t>& code, size_t pos, uint8_t v) {
  if (pos < code.size()) code[pos] = v;
}

void Put16(std::vector<uint8_t>& code, size_t pos, uint16_t v) {
  PutByte(code, pos, static_cast<uint8_t>(v >> 8));
  PutByte(code, pos + 1, static_cast<uint8_t>(v));
}

void Put32(std::vector<uint8_t>& code, size_t pos, uint32_t v) {
  Put16(code, pos, static_cast<uint16_t>(v >> 16));
  Put16(code, pos + 2, static_cast<uint16_t>(v));
}

uint8_t WordCode(uint8_t regType) {
  return RegisterTypeCode(regType, kUseWord);
}
uint8_t BitWriteCode(uint8_t regType) {
  return RegisterTypeCode(regType, kUseBitWrite);
}
uint8_t BitReadCode(uint8_t regType) {
  return RegisterTypeCode(regType, kUseBitRead);
}

uint16_t BitAddress(uint8_t protocol, uint16_t addr, uint8_t subAddr) {
  if (TraitsOf(protocol).bitAddressFoldsSubAddress)
    return static_cast<uint16_t>(addr * 16u + subAddr);
  return addr;
}

bool PutInOrder(int32_t& high, int32_t& low, bool isSigned) {
  const bool inOrder =
      isSigned ? high > low : static_cast<uint32_t>(high) > static_cast<uint32_t>(low);
  if (inOrder) return false;
  // 32-bit arithmetic that wraps, as the panel's numbers do.
  high = static_cast<int32_t>(static_cast<uint32_t>(low) + 1u);
  if (isSigned && high == 0) {
    high = -1;
    low = static_cast<int32_t>(static_cast<uint32_t>(low) - 1u);
  }
  return true;
}

std::string_view TextPrefix(std::string_view text, size_t limit) {
  if (text.size() <= limit) return text;
  size_t end = 0;
  for (const PanelChar& c : SplitPanelText(text)) {
    const size_t next = c.pos + (c.wide ? 2 : 1);
    if (next > limit) break;
    end = next;
  }
  return text.substr(0, end);
}

}  // namespace tavo
