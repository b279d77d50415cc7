#pragma once

// Helpers the element kinds share to fill their download records: big-endian
// numbers, the register-type codes of the selected protocol and the address
// variants some protocols need.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tavo {

// Writes v at code[pos], high byte first. Positions past the end are skipped,
// so a record can never be written beyond its buffer.
void PutByte(std::vector<uint8_t>& code, size_t pos, uint8_t v);
void Put16(std::vector<uint8_t>& code, size_t pos, uint16_t v);
void Put32(std::vector<uint8_t>& code, size_t pos, uint32_t v);

// Register-type codes of a register-type index under the selected protocol:
// word (the W list), bit write (BW) and bit read (BL). An index past the end
// of its list means the last entry.
uint8_t WordCode(uint8_t regType);
uint8_t BitWriteCode(uint8_t regType);
uint8_t BitReadCode(uint8_t regType);

// Item width in bytes times the register count, kept to one byte.
inline uint8_t RegisterWidth(uint8_t code, uint8_t regCount) {
  return static_cast<uint8_t>((code & 0x0F) * regCount);
}

// The bit address: (addr x 16 + sub-address) kept to 16 bits where the
// protocol folds the sub-address in, the plain address otherwise.
uint16_t BitAddress(uint8_t protocol, uint16_t addr, uint8_t subAddr);

// The limit check of registers and graphs: unless high lies above low
// (unsigned or signed 32-bit comparison), high becomes low + 1; a signed high
// that becomes 0 takes both one lower. True when the values were corrected,
// which raises a download warning.
bool PutInOrder(int32_t& high, int32_t& low, bool isSigned);

// The texts of the image carry one-byte lengths: the longest prefix of `text`
// of at most `limit` bytes that does not cut a double-byte character.
std::string_view TextPrefix(std::string_view text, size_t limit);

}  // namespace tavo
