#include "link/ModbusSession.h"

#include <modbus.h>

#include <cerrno>

namespace tavo::link {

ModbusSession::ModbusSession(LinkTarget target, LineSettings line,
                             std::chrono::milliseconds timeout)
    : m_target(std::move(target)), m_line(line), m_timeout(timeout) {}

ModbusSession::~ModbusSession() {
  Close();
}

bool ModbusSession::Connect(std::string& error) {
  Close();
  if (m_target.serial)
    m_ctx = modbus_new_rtu(m_target.device.c_str(), m_line.baud, m_line.parity, m_line.dataBits,
                           m_line.stopBits);
  else
    m_ctx = modbus_new_tcp_pi(m_target.host.c_str(), std::to_string(m_target.port).c_str());
  if (!m_ctx) {
    error = std::string("cannot set up the link: ") + modbus_strerror(errno);
    return false;
  }
  const auto ms = static_cast<uint32_t>(std::max<long long>(m_timeout.count(), 1));
  modbus_set_response_timeout(m_ctx, ms / 1000, (ms % 1000) * 1000);
  if (modbus_connect(m_ctx) != 0) {
    error = m_target.Describe() + ": " + modbus_strerror(errno);
    modbus_free(m_ctx);
    m_ctx = nullptr;
    return false;
  }
  m_connected = true;
  return true;
}

void ModbusSession::Close() {
  if (!m_ctx) return;
  modbus_close(m_ctx);
  modbus_free(m_ctx);
  m_ctx = nullptr;
  m_connected = false;
}

RequestResult ModbusSession::Failure() {
  const int e = errno;
  RequestResult r;
  r.error = modbus_strerror(e);
  if (e == ETIMEDOUT) {
    r.outcome = Outcome::NoResponse;
  } else if (e > MODBUS_ENOBASE && e < MODBUS_ENOBASE + MODBUS_EXCEPTION_MAX) {
    r.outcome = Outcome::Exception;
    r.exception = e - MODBUS_ENOBASE;
  } else if (e == EMBBADCRC || e == EMBBADDATA || e == EMBBADEXC || e == EMBMDATA ||
             e == EMBBADSLAVE) {
    r.outcome = Outcome::Failed;
  } else {
    r.outcome = Outcome::LinkLost;
  }
  // Whatever arrives late belongs to the request given up: it must not be
  // taken for the answer to the next one.
  if (r.outcome == Outcome::NoResponse || r.outcome == Outcome::Failed) modbus_flush(m_ctx);
  if (r.outcome == Outcome::LinkLost) Close();
  return r;
}

bool ModbusSession::SelectStation(uint8_t station, RequestResult& result) {
  if (!m_ctx) {
    result = {Outcome::LinkLost, 0, "not connected"};
    return false;
  }
  if (m_target.serial && station == 0) {
    result = {Outcome::Failed, 0, "station 0 is the broadcast address: no PLC answers it"};
    return false;
  }
  if (modbus_set_slave(m_ctx, station) != 0) {
    result = {Outcome::Failed, 0,
              "station " + std::to_string(station) + ": " + modbus_strerror(errno)};
    return false;
  }
  return true;
}

RequestResult ModbusSession::Read(const ReadBlock& block, std::vector<uint16_t>& regs,
                                  std::vector<uint8_t>& bits) {
  RequestResult result;
  if (!SelectStation(block.station, result)) return result;
  int rc = -1;
  switch (block.table) {
    case ModbusTable::Coils:
      bits.assign(block.count, 0);
      rc = modbus_read_bits(m_ctx, block.start, block.count, bits.data());
      break;
    case ModbusTable::DiscreteInputs:
      bits.assign(block.count, 0);
      rc = modbus_read_input_bits(m_ctx, block.start, block.count, bits.data());
      break;
    case ModbusTable::InputRegisters:
      regs.assign(block.count, 0);
      rc = modbus_read_input_registers(m_ctx, block.start, block.count, regs.data());
      break;
    case ModbusTable::HoldingRegisters:
      regs.assign(block.count, 0);
      rc = modbus_read_registers(m_ctx, block.start, block.count, regs.data());
      break;
  }
  return rc == block.count ? result : Failure();
}

RequestResult ModbusSession::Write(uint8_t station, const ItemPlace& place, uint32_t value,
                                   WordOrder order) {
  RequestResult result;
  if (!IsWritable(place.table)) {
    return {Outcome::Failed, 0,
            std::string(TableName(place.table)) + " items cannot be written (read-only table)"};
  }
  if (!SelectStation(station, result)) return result;
  int rc = -1;
  if (place.table == ModbusTable::Coils) {
    rc = modbus_write_bit(m_ctx, place.offset, value != 0 ? 1 : 0);
  } else if (place.count == 1) {
    rc = modbus_write_register(m_ctx, place.offset, static_cast<uint16_t>(value));
  } else {
    uint16_t regs[2];
    SplitValue(value, 2, order, regs);
    rc = modbus_write_registers(m_ctx, place.offset, 2, regs) == 2 ? 1 : -1;
  }
  return rc == 1 ? result : Failure();
}

}  // namespace tavo::link
