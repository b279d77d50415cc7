#pragma once

// A stand-in for the PLC at the other end of the panel's line: a table of
// register and coil values keyed the way the panel's records address them.

#include <compare>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "panel/PlcInterface.h"

namespace tavo::panel {

// One PLC item as a record names it: station, register-type code (high four
// bits the memory area, low four bits the item width), address and
// sub-address, exactly as the record's bytes hold them.
struct PlcKey {
  uint8_t station = 0;
  uint8_t type = 0;
  uint16_t address = 0;
  uint8_t sub = 0;
  auto operator<=>(const PlcKey&) const = default;
};

// "station 1, type 0x12, address 100, sub 0" for messages and tables.
std::string DescribeKey(const PlcKey& key);

// Values are kept as the 32 bits the PLC would return; how many of them count
// and whether they are signed is the reading element's business. Coils hold
// 0 or 1. A key never set reads 0.
class SimulatedPlc : public PlcInterface {
 public:
  uint32_t Get(const PlcKey& key) const override;
  bool Has(const PlcKey& key) const { return m_values.count(key) != 0; }
  void Set(const PlcKey& key, uint32_t value) override;
  void Erase(const PlcKey& key);
  void Clear();
  const std::map<PlcKey, uint32_t>& Values() const { return m_values; }

  // Earlier values of a key, oldest first: what a trend graph has already
  // sampled when its screen is shown.
  const std::vector<uint32_t>* History(const PlcKey& key) const override;
  void SetHistory(const PlcKey& key, std::vector<uint32_t> samples);

  // Counts every change, so a window can tell when to repaint.
  uint64_t Revision() const override { return m_revision; }

 private:
  std::map<PlcKey, uint32_t> m_values;
  std::map<PlcKey, std::vector<uint32_t>> m_history;
  uint64_t m_revision = 0;
};

// The values file:
//   {"values": [{"station": 1, "type": "0x12", "address": 100, "sub": 0,
//                "value": 1234}, ...]}
// "type" is a number or a "0x.." string; "sub" and "station" default to 0
// and 1; "value" is an integer from -2147483648 to 4294967295 (negative
// values are kept as their 32-bit two's complement), true/false for coils, or
// a list of integers: a trend's samples, oldest first, whose last is the
// current value. The file is bounded: at most 1 MiB, 65536 entries, 4096
// samples per entry. False, with a reason, for anything else; the PLC is then
// unchanged.
bool LoadPlcValues(std::string_view json, SimulatedPlc& plc, std::string& error);
bool LoadPlcValuesFile(const std::string& path, SimulatedPlc& plc, std::string& error);
// The current values in the same format, one entry per line, in key order.
std::string SavePlcValues(const SimulatedPlc& plc);

}  // namespace tavo::panel
