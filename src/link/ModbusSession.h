#pragma once

// One connection to a Modbus PLC through libmodbus: connect, read a block,
// write an item. Used by one thread at a time (the link's worker).

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "link/LinkTarget.h"
#include "link/PollPlan.h"

typedef struct _modbus modbus_t;

namespace tavo::link {

enum class Outcome : uint8_t {
  Ok,
  NoResponse,  // the PLC did not answer within the response timeout
  Exception,   // the PLC answered with an exception (illegal address ...)
  Failed,      // a garbled or unexpected answer; the line is flushed
  LinkLost,    // the connection broke; it is opened again
};

struct RequestResult {
  Outcome outcome = Outcome::Ok;
  int exception = 0;  // the exception code, with Outcome::Exception
  std::string error;  // libmodbus's text of what went wrong
};

class ModbusSession {
 public:
  ModbusSession(LinkTarget target, LineSettings line, std::chrono::milliseconds timeout);
  ~ModbusSession();
  ModbusSession(const ModbusSession&) = delete;
  ModbusSession& operator=(const ModbusSession&) = delete;

  bool Connect(std::string& error);
  void Close();
  bool Connected() const { return m_connected; }

  // Reads the block: `regs` (register tables) or `bits` (bit tables) get
  // block.count values.
  RequestResult Read(const ReadBlock& block, std::vector<uint16_t>& regs,
                     std::vector<uint8_t>& bits);
  // Writes one item: a coil (function 5), one register (6) or two (16).
  RequestResult Write(uint8_t station, const ItemPlace& place, uint32_t value, WordOrder order);

 private:
  bool SelectStation(uint8_t station, RequestResult& result);
  RequestResult Failure();

  LinkTarget m_target;
  LineSettings m_line;
  std::chrono::milliseconds m_timeout;
  modbus_t* m_ctx = nullptr;
  bool m_connected = false;
};

}  // namespace tavo::link
