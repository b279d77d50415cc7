#pragma once

// Where the items of a Modbus-family project live on the PLC: the register
// type of a record picks the Modbus table (0x coils, 1x discrete inputs,
// 3x input registers, 4x holding registers), the address picks the offset
// (by the link's address base), the width how many registers a value spans
// and in which word order.

#include <cstdint>
#include <string>

#include "panel/SimulatedPlc.h"

namespace tavo::link {

enum class ModbusTable : uint8_t { Coils, DiscreteInputs, InputRegisters, HoldingRegisters };

// "0x", "1x", "3x", "4x".
const char* TableName(ModbusTable table);
inline bool IsBitTable(ModbusTable t) {
  return t == ModbusTable::Coils || t == ModbusTable::DiscreteInputs;
}
inline bool IsWritable(ModbusTable t) {
  return t == ModbusTable::Coils || t == ModbusTable::HoldingRegisters;
}

// The Modbus limits of one read request.
inline constexpr uint16_t kMaxReadRegisters = 125;
inline constexpr uint16_t kMaxReadBits = 2000;

enum class ItemRoute : uint8_t {
  Modbus,     // read from and written to the PLC
  Panel,      // a register the panel keeps itself (RP, RWI, RDI, LW, TM)
  NotLinked,  // a type with no Modbus table (5x, 6x), or an address the PLC cannot have
};

struct ItemPlace {
  ItemRoute route = ItemRoute::NotLinked;
  ModbusTable table = ModbusTable::HoldingRegisters;
  uint16_t offset = 0;  // protocol address of the first register or bit
  uint16_t count = 1;   // registers (or 1 bit)
  std::string reason;   // why it is not linked
};

// Whether "4x 1" is register offset 0 (base 1, the default: the Modbus
// protocols' elements start at address 1) or offset 1 (base 0).
inline constexpr int kDefaultAddressBase = 1;

// The place of an item `width` bytes wide (0 a bit) read with `base`.
ItemPlace PlaceItem(const panel::PlcKey& key, uint8_t width, int base);

// The name of an item as the Modbus protocols call it: "4x100", "0x5",
// "RP3" for a panel register, "[42]7" for a type with no name.
std::string ModbusItemName(const panel::PlcKey& key);

// A value of two registers: the register at the lower address holds the high
// 16 bits (HighFirst, the default, Modbus's own big-endian order) or the low
// 16 bits (LowFirst, as many PLCs store 32-bit values).
enum class WordOrder : uint8_t { HighFirst, LowFirst };
uint32_t JoinRegisters(const uint16_t* regs, uint16_t count, WordOrder order);
void SplitValue(uint32_t value, uint16_t count, WordOrder order, uint16_t* regs);

// Empty when the link can serve `protocol` over a serial line (`serial`) or
// TCP; otherwise the reason it refuses.
std::string LinkProtocolRefusal(uint8_t protocol, bool serial);

}  // namespace tavo::link
