#pragma once

// What a transfer writes, block by block, and the progress arithmetic.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "download/LinkConstants.h"

namespace tavo::link {

// One 0x81 write: up to 128 bytes at a panel address.
struct Block {
  uint16_t address = 0;
  std::span<const uint8_t> data;
};

// `data` cut into 128-byte blocks from `base` upward; the last may be shorter.
// `data` must fit below 0x10000 from `base`.
std::vector<Block> SplitIntoBlocks(uint16_t base, std::span<const uint8_t> data);

// Number of blocks the progress arithmetic counts: whole 128-byte blocks of
// the driver (when sent) and of the image, plus two.
int ProgressBlocks(size_t driverSize, bool driverSent, size_t imageSize);

// 10000 / blocks, rounded to the nearest integer (halves up).
int ProgressStep(int blocks);

}  // namespace tavo::link
