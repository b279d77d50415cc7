#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// Little-endian values at fixed offsets of an old project's bytes. An offset
// past the end reads as 0; the walk over the file sizes every record first,
// so this only guards against a slip, never against the file.
namespace tavo::old {

inline uint8_t U8(std::span<const uint8_t> b, size_t off) {
  return off < b.size() ? b[off] : 0;
}

inline uint16_t U16(std::span<const uint8_t> b, size_t off) {
  return static_cast<uint16_t>(U8(b, off) | U8(b, off + 1) << 8);
}

inline uint32_t U32(std::span<const uint8_t> b, size_t off) {
  return uint32_t{U8(b, off)} | uint32_t{U8(b, off + 1)} << 8 | uint32_t{U8(b, off + 2)} << 16 |
         uint32_t{U8(b, off + 3)} << 24;
}

inline int32_t I32(std::span<const uint8_t> b, size_t off) {
  return static_cast<int32_t>(U32(b, off));
}

}  // namespace tavo::old
