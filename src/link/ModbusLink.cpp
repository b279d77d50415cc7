#include "link/ModbusLink.h"

#include <modbus.h>

#include <set>

#include "base/Texts.h"

namespace tavo::link {

using Clock = std::chrono::steady_clock;

namespace {

// A PLC that cannot be reached is tried again this often at most.
constexpr std::chrono::milliseconds kReconnectDelay{500};

}  // namespace

const char* LinkStateText(LinkState state) {
  switch (state) {
    case LinkState::Connecting:
      return TAVO_TRANSLATE_NOOP("tavo::link::ModbusLink", "正在连接");
    case LinkState::Connected:
      return TAVO_TRANSLATE_NOOP("tavo::link::ModbusLink", "已连接");
    case LinkState::NoResponse:
      return TAVO_TRANSLATE_NOOP("tavo::link::ModbusLink", "无响应");
    case LinkState::Failed:
      return TAVO_TRANSLATE_NOOP("tavo::link::ModbusLink", "连接失败");
  }
  return "";
}

const char* ItemStateText(ItemState state) {
  switch (state) {
    case ItemState::Waiting:
      return TAVO_TRANSLATE_NOOP("tavo::link::ModbusLink", "等待");
    case ItemState::Ok:
      return TAVO_TRANSLATE_NOOP("tavo::link::ModbusLink", "正常");
    case ItemState::NoResponse:
      return TAVO_TRANSLATE_NOOP("tavo::link::ModbusLink", "无响应");
    case ItemState::Error:
      return TAVO_TRANSLATE_NOOP("tavo::link::ModbusLink", "错误");
    case ItemState::Panel:
      return TAVO_TRANSLATE_NOOP("tavo::link::ModbusLink", "面板内部");
    case ItemState::NotLinked:
      return TAVO_TRANSLATE_NOOP("tavo::link::ModbusLink", "未链接");
  }
  return "";
}

std::string ShownLinkStateText(LinkState state) {
  return Translate("tavo::link::ModbusLink", LinkStateText(state));
}

std::string ShownItemStateText(ItemState state) {
  return Translate("tavo::link::ModbusLink", ItemStateText(state));
}

ModbusLink::ModbusLink(LinkOptions options)
    : m_options(std::move(options)),
      m_session(m_options.target, m_options.line, m_options.timeout),
      m_plan(std::make_shared<PollPlan>()) {
  m_worker = std::thread([this] { Run(); });
}

ModbusLink::~ModbusLink() {
  m_stopping = true;
  {
    std::lock_guard lock(m_mutex);
    m_stop = true;
  }
  m_wake.notify_all();
  m_worker.join();
}

void ModbusLink::Watch(const std::vector<LinkItem>& items) {
  std::lock_guard lock(m_mutex);
  if (m_plan->items == items) return;
  auto plan = std::make_shared<PollPlan>(PlanPolls(items, m_options.plan));
  std::map<panel::PlcKey, ItemReading> readings;
  for (size_t i = 0; i < plan->items.size(); ++i) {
    const panel::PlcKey& key = plan->items[i].key;
    ItemReading r;
    if (auto it = m_snapshot.items.find(key); it != m_snapshot.items.end()) r = it->second;
    const ItemPlace& place = plan->places[i];
    if (place.route == ItemRoute::Panel) r = {0, ItemState::Panel, {}};
    if (place.route == ItemRoute::NotLinked) r = {0, ItemState::NotLinked, place.reason};
    readings[key] = r;
  }
  m_snapshot.items = std::move(readings);
  m_split.assign(plan->blocks.size(), false);
  m_plan = std::move(plan);
  m_planChanged = true;
  m_wake.notify_all();
}

uint64_t ModbusLink::Write(const LinkItem& item, uint32_t value) {
  std::lock_guard lock(m_mutex);
  const uint64_t sequence = m_nextWrite++;
  if (m_snapshot.stats.state == LinkState::Failed && m_writes.empty()) {
    // A key pressed while the PLC cannot be reached writes nothing, rather
    // than acting much later when the link comes back.
    ++m_snapshot.stats.errors;
    m_snapshot.stats.lastError = ModbusItemName(item.key) + ": not written, the link is down";
    m_snapshot.writesDone = sequence;
    m_changed.notify_all();
    return sequence;
  }
  m_writes.push_back({sequence, item, value});
  m_wake.notify_all();
  return sequence;
}

LinkSnapshot ModbusLink::Snapshot() const {
  std::lock_guard lock(m_mutex);
  return m_snapshot;
}

bool ModbusLink::WaitForPoll(uint64_t poll, std::chrono::milliseconds timeout) const {
  std::unique_lock lock(m_mutex);
  return m_changed.wait_for(lock, timeout, [&] { return m_snapshot.poll > poll; });
}

bool ModbusLink::WaitForWrite(uint64_t sequence, std::chrono::milliseconds timeout) const {
  std::unique_lock lock(m_mutex);
  return m_changed.wait_for(lock, timeout, [&] { return m_snapshot.writesDone >= sequence; });
}

void ModbusLink::Count(const RequestResult& r, Clock::time_point when) {
  LinkStats& s = m_snapshot.stats;
  ++s.requests;
  m_recent.push_back(when);
  if (r.outcome == Outcome::Ok) return;
  ++s.errors;
  if (r.outcome == Outcome::NoResponse) ++s.timeouts;
  s.lastError = r.error;
}

void ModbusLink::Publish() {
  const Clock::time_point now = Clock::now();
  while (!m_recent.empty() && now - m_recent.front() > std::chrono::seconds(1))
    m_recent.pop_front();
  m_snapshot.stats.requestsPerSecond = static_cast<double>(m_recent.size());
  m_changed.notify_all();
}

void ModbusLink::Run() {
  std::unique_lock lock(m_mutex);
  while (!m_stop) {
    if (!m_session.Connected()) {
      m_snapshot.stats.state = LinkState::Connecting;
      lock.unlock();
      std::string error;
      const bool connected = m_session.Connect(error);
      lock.lock();
      if (!connected) {
        LinkStats& s = m_snapshot.stats;
        s.state = LinkState::Failed;
        ++s.errors;
        s.lastError = error;
        for (const PendingWrite& w : m_writes) m_snapshot.writesDone = w.sequence;
        m_writes.clear();
        for (auto& [key, r] : m_snapshot.items)
          if (r.state != ItemState::Panel && r.state != ItemState::NotLinked)
            r = {r.value, ItemState::Error, error};
        ++m_snapshot.poll;
        Publish();
        m_wake.wait_for(lock, std::max(m_options.interval, kReconnectDelay),
                        [&] { return m_stop; });
        continue;
      }
      m_snapshot.stats.state = LinkState::Connected;
    }
    RunWrites(lock);
    if (m_stop) break;
    const Clock::time_point start = Clock::now();
    Poll(lock);
    m_wake.wait_until(lock, start + m_options.interval,
                      [&] { return m_stop || !m_writes.empty() || m_planChanged; });
  }
}

void ModbusLink::RunWrites(std::unique_lock<std::mutex>& lock) {
  while (!m_writes.empty() && !m_stop) {
    const PendingWrite w = m_writes.front();
    m_writes.pop_front();
    const ItemPlace place = PlaceItem(w.item.key, w.item.width, m_options.plan.base);
    LinkStats& s = m_snapshot.stats;
    if (place.route == ItemRoute::Modbus && !IsWritable(place.table)) {
      ++s.errors;
      s.lastError = ModbusItemName(w.item.key) + ": " + TableName(place.table) +
                    " items cannot be written (read-only table)";
    } else if (place.route == ItemRoute::Modbus && !m_session.Connected()) {
      ++s.errors;
      s.lastError = ModbusItemName(w.item.key) + ": not written, the link is down";
    } else if (place.route == ItemRoute::Modbus) {
      lock.unlock();
      const RequestResult r = m_session.Write(w.item.key.station, place, w.value, m_options.order);
      lock.lock();
      Count(r, Clock::now());
      if (r.outcome == Outcome::Ok)
        ++s.writes;
      else
        s.lastError = ModbusItemName(w.item.key) + ": " + r.error;
    }
    m_snapshot.writesDone = w.sequence;
    Publish();
  }
}

void ModbusLink::Poll(std::unique_lock<std::mutex>& lock) {
  const std::shared_ptr<const PollPlan> plan = m_plan;
  std::vector<bool> split = m_split;
  const uint64_t writesBefore = m_snapshot.writesDone;
  m_planChanged = false;
  lock.unlock();

  const Clock::time_point start = Clock::now();
  std::map<panel::PlcKey, ItemReading> readings;
  std::vector<std::pair<RequestResult, Clock::time_point>> results;
  std::set<uint8_t> silent;  // stations that did not answer in this poll
  bool answered = false;
  std::vector<uint16_t> regs;
  std::vector<uint8_t> bits;
  auto mark = [&](const ReadBlock& b, ItemState state, const std::string& error) {
    for (size_t i : b.items) {
      ItemReading& r = readings[plan->items[i].key];
      r.state = state;
      r.error = error;
    }
  };
  auto read = [&](const ReadBlock& b) {
    if (m_stopping) return RequestResult{Outcome::LinkLost, 0, "the link is closing"};
    if (!m_session.Connected()) {
      mark(b, ItemState::Error, "the connection broke");
      return RequestResult{Outcome::LinkLost, 0, {}};
    }
    // A station that timed out once is not asked again in this poll: a
    // silent PLC costs one timeout, not one per block.
    if (silent.count(b.station)) {
      mark(b, ItemState::NoResponse, "no answer");
      return RequestResult{Outcome::NoResponse, 0, {}};
    }
    RequestResult r = m_session.Read(b, regs, bits);
    results.emplace_back(r, Clock::now());
    if (r.outcome == Outcome::Ok) {
      answered = true;
      for (size_t i : b.items) {
        const ItemPlace& p = plan->places[i];
        const size_t at = p.offset - b.start;
        ItemReading& out = readings[plan->items[i].key];
        out.value = IsBitTable(b.table) ? (bits[at] ? 1u : 0u)
                                        : JoinRegisters(&regs[at], p.count, m_options.order);
        out.state = ItemState::Ok;
        out.error.clear();
      }
    } else if (r.outcome == Outcome::NoResponse) {
      silent.insert(b.station);
      mark(b, ItemState::NoResponse, r.error);
    } else {
      if (r.outcome == Outcome::Exception) answered = true;
      mark(b, ItemState::Error, r.error);
    }
    return r;
  };
  for (size_t bi = 0; bi < plan->blocks.size(); ++bi) {
    const ReadBlock& b = plan->blocks[bi];
    if (!split[bi] || b.items.size() < 2) {
      const RequestResult r = read(b);
      // The PLC refuses an address the block spans: the gaps between items
      // may not exist there. From now on each item is read on its own.
      if (!(r.outcome == Outcome::Exception &&
            r.exception == MODBUS_EXCEPTION_ILLEGAL_DATA_ADDRESS && b.items.size() > 1))
        continue;
      split[bi] = true;
    }
    for (size_t i : b.items) read(SingleItemBlock(*plan, i));
  }
  const auto elapsed = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start);

  lock.lock();
  for (const auto& [r, when] : results) Count(r, when);
  for (auto& [key, reading] : readings) {
    auto it = m_snapshot.items.find(key);
    if (it == m_snapshot.items.end()) continue;  // no longer watched
    if (reading.state == ItemState::Ok) {
      it->second = reading;
    } else {
      it->second.state = reading.state;  // the last value read stays
      it->second.error = reading.error;
    }
  }
  if (m_plan == plan) m_split = split;
  m_snapshot.readAfter = writesBefore;
  LinkStats& s = m_snapshot.stats;
  ++s.polls;
  s.requestsLastPoll = results.size();
  s.lastPollTime = elapsed;
  if (!m_session.Connected())
    s.state = LinkState::Failed;
  else if (!plan->blocks.empty() && !answered)
    s.state = LinkState::NoResponse;
  else
    s.state = LinkState::Connected;
  ++m_snapshot.poll;
  Publish();
}

}  // namespace tavo::link
