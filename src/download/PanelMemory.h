#pragma once

// The panel's memory as the editor, the download and the panel emulator all
// see it: the protocol driver from 0x0000, the screen data from 0x8000 on. The
// image's own layout starts with its header and the 32-byte slots of key
// pictures and wide glyphs.

#include <cstddef>
#include <cstdint>

namespace tavo {

inline constexpr size_t kPanelMemorySize = 0x10000;
inline constexpr uint16_t kDriverBase = 0x0000;
// The panel stores the image from this address; all image addresses are
// 16-bit and the image must end by 0xFFFF.
inline constexpr uint16_t kImageBase = 0x8000;
inline constexpr size_t kDriverAreaSize = kImageBase - kDriverBase;
inline constexpr size_t kImageAreaSize = kPanelMemorySize - kImageBase;
// Largest image: its end address 0x8000 + size must fit 16 bits.
inline constexpr size_t kMaxImageSize = 0xFFFF - kImageBase;  // 32,767

inline constexpr size_t kImageHeaderSize = 48;
inline constexpr uint16_t kFirstSlotAddress = kImageBase + kImageHeaderSize;  // 0x8030
// One slot holds a 16 x 16 key picture or wide glyph.
inline constexpr size_t kImageSlotSize = 32;
inline constexpr size_t kNarrowGlyphSize = 16;  // one 8 x 16 glyph
inline constexpr size_t kScreenEntrySize = 9;   // a screen's entry of the screen table
inline constexpr size_t kIndexEntrySize = 3;    // an element's entry of its screen's index

}  // namespace tavo
