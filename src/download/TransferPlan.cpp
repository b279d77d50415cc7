#include "download/TransferPlan.h"

#include <algorithm>
#include <cassert>

namespace tavo::link {

std::vector<Block> SplitIntoBlocks(uint16_t base, std::span<const uint8_t> data) {
  assert(base + data.size() <= kPanelMemorySize);
  std::vector<Block> blocks;
  blocks.reserve((data.size() + kBlockSize - 1) / kBlockSize);
  for (size_t off = 0; off < data.size(); off += kBlockSize) {
    size_t n = std::min(kBlockSize, data.size() - off);
    blocks.push_back({static_cast<uint16_t>(base + off), data.subspan(off, n)});
  }
  return blocks;
}

int ProgressBlocks(size_t driverSize, bool driverSent, size_t imageSize) {
  size_t blocks = imageSize / kBlockSize + kExtraBlocks;
  if (driverSent) blocks += driverSize / kBlockSize;
  return static_cast<int>(blocks);
}

int ProgressStep(int blocks) {
  if (blocks <= 0) return kProgressRange;
  return (2 * kProgressRange + blocks) / (2 * blocks);
}

}  // namespace tavo::link
