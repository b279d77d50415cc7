#include "link/ModbusMap.h"

#include <cstdio>

#include "plc/ProtocolTraits.h"

namespace tavo::link {

namespace {

// Register-type codes of the Modbus protocols (high four bits the table, low
// four bits the width of one item).
constexpr uint8_t kCode0x = 0x00, kCode1x = 0x80, kCode3x = 0x82, kCode4x = 0x02;
constexpr uint8_t kCode5x = 0x42, kCode6x = 0x22;

struct PanelRegister {
  uint8_t code;
  const char* name;
};
constexpr PanelRegister kPanelRegisters[] = {
    {0x70, "RP"}, {0x72, "RWI"}, {0x74, "RDI"}, {0x92, "LW"}, {0x51, "TM"}};

const char* PanelRegisterName(uint8_t code) {
  for (const PanelRegister& p : kPanelRegisters)
    if (p.code == code) return p.name;
  return nullptr;
}

}  // namespace

const char* TableName(ModbusTable table) {
  switch (table) {
    case ModbusTable::Coils:
      return "0x";
    case ModbusTable::DiscreteInputs:
      return "1x";
    case ModbusTable::InputRegisters:
      return "3x";
    case ModbusTable::HoldingRegisters:
      return "4x";
  }
  return "?";
}

ItemPlace PlaceItem(const panel::PlcKey& key, uint8_t width, int base) {
  ItemPlace p;
  if (PanelRegisterName(key.type)) {
    p.route = ItemRoute::Panel;
    return p;
  }
  switch (key.type) {
    case kCode0x:
      p.table = ModbusTable::Coils;
      break;
    case kCode1x:
      p.table = ModbusTable::DiscreteInputs;
      break;
    case kCode3x:
      p.table = ModbusTable::InputRegisters;
      break;
    case kCode4x:
      p.table = ModbusTable::HoldingRegisters;
      break;
    case kCode5x:
    case kCode6x:
      p.reason = "no Modbus table";
      return p;
    default:
      p.reason = "not a Modbus type";
      return p;
  }
  p.count = IsBitTable(p.table) ? 1 : (width > 2 ? 2 : 1);
  if (key.address < base) {
    p.reason =
        "address " + std::to_string(key.address) + " does not exist when addresses count from 1";
    return p;
  }
  const long offset = long{key.address} - base;
  if (offset + p.count - 1 > 65535) {
    p.reason = "the value runs past Modbus address 65535";
    return p;
  }
  p.offset = static_cast<uint16_t>(offset);
  p.route = ItemRoute::Modbus;
  return p;
}

std::string ModbusItemName(const panel::PlcKey& key) {
  const char* type = PanelRegisterName(key.type);
  char code[8];
  if (!type) {
    switch (key.type) {
      case kCode0x:
        type = "0x";
        break;
      case kCode1x:
        type = "1x";
        break;
      case kCode3x:
        type = "3x";
        break;
      case kCode4x:
        type = "4x";
        break;
      case kCode5x:
        type = "5x";
        break;
      case kCode6x:
        type = "6x";
        break;
      default:
        std::snprintf(code, sizeof code, "[%02x]", static_cast<unsigned>(key.type));
        type = code;
    }
  }
  std::string name = type + std::to_string(key.address);
  if (key.sub != 0) name += "." + std::to_string(key.sub);
  return name;
}

uint32_t JoinRegisters(const uint16_t* regs, uint16_t count, WordOrder order) {
  if (count < 2) return count == 1 ? regs[0] : 0;
  const uint32_t first = regs[0], second = regs[1];
  return order == WordOrder::HighFirst ? (first << 16) | second : (second << 16) | first;
}

void SplitValue(uint32_t value, uint16_t count, WordOrder order, uint16_t* regs) {
  if (count < 2) {
    if (count == 1) regs[0] = static_cast<uint16_t>(value);
    return;
  }
  const auto high = static_cast<uint16_t>(value >> 16), low = static_cast<uint16_t>(value);
  regs[0] = order == WordOrder::HighFirst ? high : low;
  regs[1] = order == WordOrder::HighFirst ? low : high;
}

std::string LinkProtocolRefusal(uint8_t protocol, bool serial) {
  switch (TraitsOf(protocol).modbus) {
    case ModbusFraming::Rtu:
      return {};
    case ModbusFraming::Ascii:
      if (!serial) return {};
      return "Modbus ASCII over a serial line cannot be linked (the link speaks Modbus RTU; "
             "a gateway serves ASCII over TCP)";
    default:
      return "protocol " + std::to_string(protocol) +
             " is not a Modbus protocol: the live link serves protocols 3, 16, 19, 21, 25 "
             "and 34; the simulated PLC serves this one";
  }
}

}  // namespace tavo::link
