#pragma once

// The batch planner: which read requests one poll of a screen's items makes.
// Items of one station and table whose addresses are contiguous or close
// (a gap of at most `maxGap` unused registers or bits) share one request,
// within Modbus's limits of 125 registers and 2000 bits per read.

#include <cstdint>
#include <vector>

#include "link/ModbusMap.h"

namespace tavo::link {

// An item the runtime reads or writes: key and width in bytes (0 a bit).
struct LinkItem {
  panel::PlcKey key;
  uint8_t width = 0;
  bool operator==(const LinkItem&) const = default;
};

struct PlanOptions {
  int base = kDefaultAddressBase;
  uint16_t maxRegisterGap = 8;  // unused registers read to save a request
  uint16_t maxBitGap = 64;      // unused bits likewise
  uint16_t maxRegisters = kMaxReadRegisters;
  uint16_t maxBits = kMaxReadBits;
};

struct ReadBlock {
  uint8_t station = 0;
  ModbusTable table = ModbusTable::HoldingRegisters;
  uint16_t start = 0;         // first register or bit
  uint16_t count = 0;         // registers or bits read
  std::vector<size_t> items;  // positions in PollPlan::items
};

struct PollPlan {
  std::vector<LinkItem> items;
  std::vector<ItemPlace> places;  // per item
  std::vector<ReadBlock> blocks;  // by station, table, address
};

// Pure: the same items and options give the same plan. Items of the panel's
// own registers and items not linked are placed but read by no block.
PollPlan PlanPolls(const std::vector<LinkItem>& items, const PlanOptions& options);

// The same plan with every block holding exactly one item's registers: what
// a block falls back to when the PLC refuses the addresses between items.
ReadBlock SingleItemBlock(const PollPlan& plan, size_t item);

}  // namespace tavo::link
