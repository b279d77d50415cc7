#pragma once

// The live link to a Modbus PLC: a worker thread that connects, writes what
// the panel's keys wrote and polls the watched items in batches at a set
// interval. Callers never wait on the PLC: they hand over items and writes
// and take snapshots of what was read.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "link/LinkTarget.h"
#include "link/ModbusSession.h"
#include "link/PollPlan.h"

namespace tavo::link {

struct LinkOptions {
  LinkTarget target;
  LineSettings line;
  PlanOptions plan;
  WordOrder order = WordOrder::HighFirst;
  std::chrono::milliseconds interval{200};  // from the start of one poll to the next
  std::chrono::milliseconds timeout{500};   // response timeout of one request
};

enum class LinkState : uint8_t { Connecting, Connected, NoResponse, Failed };
// "正在连接", "已连接", "无响应", "连接失败".
const char* LinkStateText(LinkState state);
// The same in the user's language, for a person to read (the monitor's piped
// lines keep the texts as written).
std::string ShownLinkStateText(LinkState state);

enum class ItemState : uint8_t {
  Waiting,     // not read yet
  Ok,          // read in the last poll
  NoResponse,  // the PLC did not answer the last poll
  Error,       // the PLC refused the read, or the answer was garbled
  Panel,       // the panel's own register: kept in the runtime
  NotLinked,   // no Modbus table
};
// "等待", "正常", "无响应", "错误", "面板内部", "未链接".
const char* ItemStateText(ItemState state);
std::string ShownItemStateText(ItemState state);

struct ItemReading {
  uint32_t value = 0;
  ItemState state = ItemState::Waiting;
  std::string error;
};

struct LinkStats {
  LinkState state = LinkState::Connecting;
  uint64_t polls = 0;     // polls finished (with or without answers)
  uint64_t requests = 0;  // requests sent, reads and writes
  uint64_t errors = 0;    // requests that failed, and failed connects
  uint64_t timeouts = 0;  // requests the PLC did not answer
  uint64_t writes = 0;    // writes that the PLC took
  double requestsPerSecond = 0;
  size_t requestsLastPoll = 0;
  std::chrono::microseconds lastPollTime{0};
  std::string lastError;
};

struct LinkSnapshot {
  uint64_t poll = 0;        // counts finished polls
  uint64_t writesDone = 0;  // writes finished (taken or failed)
  uint64_t readAfter = 0;   // writes finished before the poll that read the values began
  std::map<panel::PlcKey, ItemReading> items;
  LinkStats stats;
};

class ModbusLink {
 public:
  explicit ModbusLink(LinkOptions options);
  ~ModbusLink();  // stops the worker; writes not yet sent are dropped
  ModbusLink(const ModbusLink&) = delete;
  ModbusLink& operator=(const ModbusLink&) = delete;

  const LinkOptions& Options() const { return m_options; }

  // The items to poll (a screen change re-plans); polls at once when they changed.
  void Watch(const std::vector<LinkItem>& items);
  // Queues a write of an item placed on a Modbus table; returns its sequence
  // number (see LinkSnapshot::writesDone). Writes go out in order, before the
  // next poll. Written while the PLC is not connected, a write is dropped and
  // counted as an error.
  uint64_t Write(const LinkItem& item, uint32_t value);

  LinkSnapshot Snapshot() const;
  // Waits until more than `poll` polls have finished; false at the timeout.
  bool WaitForPoll(uint64_t poll, std::chrono::milliseconds timeout) const;
  // Waits until the write `sequence` has finished; false at the timeout.
  bool WaitForWrite(uint64_t sequence, std::chrono::milliseconds timeout) const;

 private:
  struct PendingWrite {
    uint64_t sequence;
    LinkItem item;
    uint32_t value;
  };
  void Run();
  void RunWrites(std::unique_lock<std::mutex>& lock);
  void Poll(std::unique_lock<std::mutex>& lock);
  void Count(const RequestResult& r, std::chrono::steady_clock::time_point when);
  void Publish();

  const LinkOptions m_options;
  ModbusSession m_session;  // the worker's only

  mutable std::mutex m_mutex;
  mutable std::condition_variable m_wake;     // the worker: work or stop
  mutable std::condition_variable m_changed;  // waiters: a poll or write finished
  bool m_stop = false;
  // Read without the lock between the requests of a poll: a closing link
  // asks nothing more (quitting the editor waits for one request at most,
  // not for one timeout of every silent station).
  std::atomic<bool> m_stopping{false};
  std::shared_ptr<const PollPlan> m_plan;
  bool m_planChanged = false;
  std::vector<bool> m_split;  // per block of m_plan: read item by item
  std::deque<PendingWrite> m_writes;
  uint64_t m_nextWrite = 1;
  LinkSnapshot m_snapshot;
  std::deque<std::chrono::steady_clock::time_point> m_recent;  // requests of the last second
  std::thread m_worker;
};

}  // namespace tavo::link
