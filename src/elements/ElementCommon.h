#pragma once

#include <cstdint>
#include <string>

#include "model/Base.h"

namespace tavo {

// Attribute bytes (double size, inverse, signed, hand, hidden...) hold 0 or 1;
// a damaged file may hold another value, which counts as set.
inline int Flag(uint8_t value) {
  return value ? 1 : 0;
}

// A text's length in bytes as the one-byte length fields hold it; longer texts
// (only a damaged file has them) count as 255 bytes.
inline uint8_t TextLength(const std::string& text) {
  return static_cast<uint8_t>(text.size() > 255 ? 255 : text.size());
}

// Sets m_x, m_y from the editor point an element was created at.
inline void SetPanelPosition(CBase& element, Point at) {
  element.m_x = EditorToPanel(at.x);
  element.m_y = EditorToPanel(at.y);
}

// Default address of a new light, dynamic text or graph: 1 where the PLC counts
// addresses from 1, else 0.
uint16_t DefaultBitElementAddress(uint8_t protocol);

// Byte width of a word register type: the low four bits of its word code, a
// code of 0x70 counting as 2.
uint8_t WordCodeWidth(uint8_t wordCode);

// Byte width of register type 0 (the type a new element starts with) in the
// protocol's word-type list. Protocol 31's first type names variables and has
// no word code (0); a protocol number outside 1..36 has no types (0).
uint8_t DefaultWordWidth(uint8_t protocol);

// Byte width of the first variable of protocol 31's first word type ("RC",
// "Itime", code 5): the width a new graph takes under protocol 31.
uint8_t FirstVariableWidth();

// 2^(8 * width) - 1 kept in 32 bits: the default upper limit of a register
// of that width (0xFFFFFFFF for 4 bytes and more).
int32_t AllOnesOfWidth(unsigned width);

}  // namespace tavo
