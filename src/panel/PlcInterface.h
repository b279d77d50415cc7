#pragma once

// What the panel runtime reads from and writes to at the other end of its
// line. The simulated PLC (a table of values typed by hand) serves it, and so
// does a live link to a real PLC; the runtime never knows which.

#include <cstdint>
#include <vector>

namespace tavo::panel {

struct PlcKey;

class PlcInterface {
 public:
  virtual ~PlcInterface() = default;
  // The item's value as the PLC holds it (32 bits, coils 0 or 1); 0 when unknown.
  virtual uint32_t Get(const PlcKey& key) const = 0;
  // Writes the item: a key, an entry, the screen report.
  virtual void Set(const PlcKey& key, uint32_t value) = 0;
  // Earlier values of the item, oldest first, that a trend has already
  // sampled when its screen is shown; nullptr when there are none.
  virtual const std::vector<uint32_t>* History(const PlcKey& key) const = 0;
  // Counts every change of a value, so that a window can tell when to repaint.
  virtual uint64_t Revision() const = 0;
};

}  // namespace tavo::panel
