#pragma once

// A Modbus PLC in the test's own process, served by libmodbus: TCP on
// 127.0.0.1 at a free port, or RTU at the far end of a pseudo-terminal pair.
// It counts and logs every request it sees and can be told to stay silent,
// to answer slowly, to answer only one station, or to go away and come back.

#include <fcntl.h>
#include <modbus.h>
#include <netinet/in.h>
#include <poll.h>
#include <pty.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace tavo::test {

struct ModbusRequest {
  int station = 0;
  int function = 0;
  int address = 0;
  int count = 0;  // quantity of a read or multiple write; the value of a single write
};

class ModbusTestServer {
  template <class F>
  auto Locked(F f) {
    std::lock_guard lock(m_mutex);
    return f();
  }

 public:
  // 2000 coils and discrete inputs, 1000 input and holding registers, from
  // address 0: anything beyond is answered with "illegal data address".
  static constexpr int kBits = 2000, kRegisters = 1000;

  ModbusTestServer() : m_map(modbus_mapping_new(kBits, kBits, kRegisters, kRegisters)) {}
  ~ModbusTestServer() {
    Stop();
    if (m_bridge.joinable()) {
      m_bridgeStop = true;
      m_bridge.join();
    }
    for (int fd : {m_masterA, m_slaveA, m_masterB, m_slaveB})
      if (fd >= 0) ::close(fd);
    modbus_mapping_free(m_map);
  }

  // Listens on 127.0.0.1; Port() says where (the same port after a restart).
  bool StartTcp() {
    m_tcp = true;
    m_ctx = modbus_new_tcp("127.0.0.1", m_port);
    if (!m_ctx) return false;
    m_listen = modbus_tcp_listen(m_ctx, 1);
    if (m_listen < 0) return false;
    sockaddr_in addr{};
    socklen_t len = sizeof addr;
    ::getsockname(m_listen, reinterpret_cast<sockaddr*>(&addr), &len);
    m_port = ntohs(addr.sin_port);
    m_stop = false;
    m_thread = std::thread([this] { RunTcp(); });
    return true;
  }

  // Serves station `station` on one end of a pseudo-terminal pair; Device()
  // is the other end, for the link to open.
  bool StartRtu(int station, int baud = 19200, char parity = 'E', int dataBits = 8,
                int stopBits = 1) {
    m_tcp = false;
    if (m_masterA < 0) {
      if (::openpty(&m_masterA, &m_slaveA, nullptr, nullptr, nullptr) != 0 ||
          ::openpty(&m_masterB, &m_slaveB, nullptr, nullptr, nullptr) != 0)
        return false;
      for (int fd : {m_slaveA, m_slaveB}) {
        termios t{};
        ::tcgetattr(fd, &t);
        ::cfmakeraw(&t);
        ::tcsetattr(fd, TCSANOW, &t);
      }
      m_device = ::ttyname(m_slaveA);
      m_serverDevice = ::ttyname(m_slaveB);
      m_bridge = std::thread([this] { Bridge(); });
    }
    m_rtu = {station, baud, parity, dataBits, stopBits};
    if (!OpenRtu()) return false;
    m_stop = false;
    m_thread = std::thread([this] { RunRtu(); });
    return true;
  }

  // Ends serving (connections are closed); Start again to come back.
  void Stop() {
    if (m_thread.joinable()) {
      m_stop = true;
      m_thread.join();
    }
    if (m_client >= 0) ::close(m_client);
    if (m_listen >= 0) ::close(m_listen);
    m_client = m_listen = -1;
    if (m_ctx) {
      if (!m_tcp) modbus_close(m_ctx);
      modbus_free(m_ctx);
      m_ctx = nullptr;
    }
  }

  uint16_t Port() const { return static_cast<uint16_t>(m_port); }
  std::string TcpTarget() const { return "tcp:127.0.0.1:" + std::to_string(m_port); }
  const std::string& Device() const { return m_device; }

  // ---- the tables ----
  void SetHolding(int address, uint16_t value) {
    Locked([&] { m_map->tab_registers[address] = value; });
  }
  void SetInput(int address, uint16_t value) {
    Locked([&] { m_map->tab_input_registers[address] = value; });
  }
  void SetCoil(int address, bool on) {
    Locked([&] { m_map->tab_bits[address] = on; });
  }
  void SetDiscrete(int address, bool on) {
    Locked([&] { m_map->tab_input_bits[address] = on; });
  }
  uint16_t Holding(int address) {
    return Locked([&] { return m_map->tab_registers[address]; });
  }
  bool Coil(int address) {
    return Locked([&] { return m_map->tab_bits[address] != 0; });
  }

  // ---- behaviour ----
  void SetSilent(bool silent) { m_silent = silent; }
  void SetDelay(std::chrono::milliseconds delay) { m_delay = delay; }
  // TCP: other unit ids are answered as a gateway whose target is missing
  // (exception 11); 0 answers every unit id.
  void AnswerOnly(int station) { m_only = station; }

  // ---- what it saw ----
  std::vector<ModbusRequest> Requests() {
    return Locked([&] { return m_log; });
  }
  size_t RequestCount() {
    return Locked([&] { return m_log.size(); });
  }
  size_t CountOf(int function) {
    return Locked([&] {
      size_t n = 0;
      for (const ModbusRequest& r : m_log) n += r.function == function;
      return n;
    });
  }
  void ClearRequests() {
    Locked([&] { m_log.clear(); });
  }

 private:
  void Handle(const uint8_t* q, int length) {
    const int h = modbus_get_header_length(m_ctx);
    ModbusRequest r;
    r.station = m_tcp ? q[6] : q[0];
    r.function = q[h];
    if (length >= h + 5) {
      r.address = (q[h + 1] << 8) | q[h + 2];
      r.count = (q[h + 3] << 8) | q[h + 4];
    }
    Locked([&] { m_log.push_back(r); });
    if (m_silent) return;
    if (m_delay.load().count() > 0) std::this_thread::sleep_for(m_delay.load());
    std::lock_guard lock(m_mutex);
    if (m_tcp && m_only != 0 && r.station != m_only)
      modbus_reply_exception(m_ctx, q, MODBUS_EXCEPTION_GATEWAY_TARGET);
    else
      modbus_reply(m_ctx, q, length, m_map);
  }

  void RunTcp() {
    uint8_t q[MODBUS_TCP_MAX_ADU_LENGTH];
    while (!m_stop) {
      pollfd fds[2] = {{m_listen, POLLIN, 0}, {m_client, POLLIN, 0}};
      if (::poll(fds, m_client >= 0 ? 2 : 1, 20) <= 0) continue;
      if (fds[0].revents & POLLIN) {
        int s = m_listen;
        const int c = modbus_tcp_accept(m_ctx, &s);
        if (c >= 0) {
          if (m_client >= 0) ::close(m_client);
          m_client = c;
        }
        continue;
      }
      if (m_client >= 0 && (fds[1].revents & (POLLIN | POLLHUP | POLLERR))) {
        modbus_set_socket(m_ctx, m_client);
        const int rc = modbus_receive(m_ctx, q);
        if (rc > 0) {
          Handle(q, rc);
        } else if (rc < 0) {
          ::close(m_client);
          m_client = -1;
        }
      }
    }
  }

  void RunRtu() {
    uint8_t q[MODBUS_RTU_MAX_ADU_LENGTH];
    while (!m_stop) {
      pollfd fd{modbus_get_socket(m_ctx), POLLIN, 0};
      if (::poll(&fd, 1, 20) <= 0) continue;
      const int rc = modbus_receive(m_ctx, q);
      if (rc > 0) Handle(q, rc);
      if (rc == 0) {  // another station's request
        Locked([&] { m_log.push_back({-1, 0, 0, 0}); });
        // libmodbus would take the next message for that station's answer
        // and drop it; here no other station answers, so it starts afresh.
        modbus_close(m_ctx);
        modbus_free(m_ctx);
        if (!OpenRtu()) return;
      }
    }
  }

  bool OpenRtu() {
    m_ctx = modbus_new_rtu(m_serverDevice.c_str(), m_rtu.baud, m_rtu.parity, m_rtu.dataBits,
                           m_rtu.stopBits);
    return m_ctx && modbus_set_slave(m_ctx, m_rtu.station) == 0 && modbus_connect(m_ctx) == 0;
  }

  // Copies bytes between the two pseudo-terminals' master sides, so that the
  // link's end and the server's end are a serial line.
  void Bridge() {
    char buffer[512];
    while (!m_bridgeStop) {
      pollfd fds[2] = {{m_masterA, POLLIN, 0}, {m_masterB, POLLIN, 0}};
      if (::poll(fds, 2, 20) <= 0) continue;
      for (int i = 0; i < 2; ++i) {
        if (!(fds[i].revents & POLLIN)) continue;
        const ssize_t n = ::read(fds[i].fd, buffer, sizeof buffer);
        if (n > 0 && ::write(fds[1 - i].fd, buffer, static_cast<size_t>(n)) < 0) {
        }
      }
    }
  }

  modbus_mapping_t* m_map;
  modbus_t* m_ctx = nullptr;
  bool m_tcp = true;
  int m_port = 0;
  int m_listen = -1, m_client = -1;
  int m_masterA = -1, m_slaveA = -1, m_masterB = -1, m_slaveB = -1;
  std::string m_device, m_serverDevice;
  struct {
    int station, baud;
    char parity;
    int dataBits, stopBits;
  } m_rtu{};
  std::mutex m_mutex;
  std::vector<ModbusRequest> m_log;
  std::atomic<bool> m_stop{false}, m_bridgeStop{false}, m_silent{false};
  std::atomic<std::chrono::milliseconds> m_delay{std::chrono::milliseconds{0}};
  std::atomic<int> m_only{0};
  std::thread m_thread, m_bridge;
};

}  // namespace tavo::test
