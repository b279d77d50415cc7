#include "link/PollPlan.h"

#include <algorithm>
#include <numeric>

namespace tavo::link {

PollPlan PlanPolls(const std::vector<LinkItem>& items, const PlanOptions& options) {
  PollPlan plan;
  plan.items = items;
  std::vector<size_t> linked;
  for (size_t i = 0; i < items.size(); ++i) {
    plan.places.push_back(PlaceItem(items[i].key, items[i].width, options.base));
    if (plan.places.back().route == ItemRoute::Modbus) linked.push_back(i);
  }
  auto order = [&](size_t a, size_t b) {
    const ItemPlace &pa = plan.places[a], &pb = plan.places[b];
    const uint8_t sa = items[a].key.station, sb = items[b].key.station;
    if (sa != sb) return sa < sb;
    if (pa.table != pb.table) return pa.table < pb.table;
    if (pa.offset != pb.offset) return pa.offset < pb.offset;
    return a < b;
  };
  std::stable_sort(linked.begin(), linked.end(), order);
  for (size_t i : linked) {
    const ItemPlace& p = plan.places[i];
    const uint8_t station = items[i].key.station;
    const bool bits = IsBitTable(p.table);
    const uint16_t gap = bits ? options.maxBitGap : options.maxRegisterGap;
    const uint16_t limit = std::max<uint16_t>(1, bits ? options.maxBits : options.maxRegisters);
    const long end = long{p.offset} + p.count;  // one past the item
    if (!plan.blocks.empty()) {
      ReadBlock& b = plan.blocks.back();
      const long blockEnd = long{b.start} + b.count;
      if (b.station == station && b.table == p.table && p.offset <= blockEnd + gap &&
          std::max(end, blockEnd) - b.start <= limit) {
        b.count = static_cast<uint16_t>(std::max(end, blockEnd) - b.start);
        b.items.push_back(i);
        continue;
      }
    }
    plan.blocks.push_back({station, p.table, p.offset, p.count, {i}});
  }
  return plan;
}

ReadBlock SingleItemBlock(const PollPlan& plan, size_t item) {
  const ItemPlace& p = plan.places[item];
  return {plan.items[item].key.station, p.table, p.offset, p.count, {item}};
}

}  // namespace tavo::link
