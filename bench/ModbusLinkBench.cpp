// One poll of a screen of 40 items spread over three stations and all four
// Modbus tables, against a libmodbus server on the loopback: the requests a
// poll sends (goal: one per station, table and block) and the time it takes
// (goal: under 5 ms).
#include <benchmark/benchmark.h>

#include "link/ModbusLink.h"
#include "support/ModbusTestServer.h"

namespace tavo::link {
namespace {

std::vector<LinkItem> ScreenOf40Items() {
  std::vector<LinkItem> items;
  auto add = [&](uint8_t station, uint8_t type, uint16_t address, uint8_t width) {
    items.push_back({{station, type, address, 0}, width});
  };
  for (uint16_t a = 1; a <= 10; ++a) add(1, 0x02, a, 2);          // 4x1-4x10
  for (uint16_t a = 1; a <= 6; ++a) add(1, 0x00, a * 2, 0);       // 0x2-0x12, gaps of one
  for (uint16_t a = 0; a < 4; ++a) add(2, 0x82, 100 + 2 * a, 4);  // 3x100-3x107, 32-bit
  for (uint16_t a = 1; a <= 6; ++a) add(2, 0x80, a, 0);           // 1x1-1x6
  for (uint16_t a = 0; a < 6; ++a) add(2, 0x02, 300 + a, 2);      // 4x300-4x305
  for (uint16_t a = 0; a < 4; ++a) add(3, 0x02, 1 + 40 * a, 2);   // 4x1, 41, 81, 121: apart
  for (uint16_t a = 0; a < 4; ++a) add(3, 0x00, 500 + a, 0);      // 0x500-0x503
  return items;
}

void BM_PollOfAScreen(benchmark::State& state) {
  test::ModbusTestServer server;
  if (!server.StartTcp()) {
    state.SkipWithError("no server");
    return;
  }
  const std::vector<LinkItem> items = ScreenOf40Items();
  const PollPlan plan = PlanPolls(items, {});
  std::string error;
  ModbusSession session(*ParseLinkTarget(server.TcpTarget(), error), {}, std::chrono::seconds(1));
  if (!session.Connect(error)) {
    state.SkipWithError(error.c_str());
    return;
  }
  std::vector<uint16_t> regs;
  std::vector<uint8_t> bits;
  server.ClearRequests();
  size_t failed = 0;
  for (auto _ : state)
    for (const ReadBlock& b : plan.blocks)
      failed += session.Read(b, regs, bits).outcome != Outcome::Ok;
  const double polls = static_cast<double>(state.iterations());
  state.counters["items"] = static_cast<double>(items.size());
  state.counters["groups"] = static_cast<double>(plan.blocks.size());
  state.counters["requests_per_poll"] = static_cast<double>(server.RequestCount()) / polls;
  state.counters["failed"] = static_cast<double>(failed);
}
BENCHMARK(BM_PollOfAScreen)->Unit(benchmark::kMillisecond)->UseRealTime();

// The worker thread's own figures over a second of polling at 20 ms.
void BM_LinkWorker(benchmark::State& state) {
  test::ModbusTestServer server;
  if (!server.StartTcp()) {
    state.SkipWithError("no server");
    return;
  }
  std::string error;
  LinkOptions options;
  options.target = *ParseLinkTarget(server.TcpTarget(), error);
  options.interval = std::chrono::milliseconds(20);
  ModbusLink link(options);
  link.Watch(ScreenOf40Items());
  link.WaitForPoll(2, std::chrono::seconds(5));
  double pollTime = 0, requests = 0, polls = 0;
  for (auto _ : state) {
    const uint64_t seen = link.Snapshot().poll;
    link.WaitForPoll(seen, std::chrono::seconds(5));
    const LinkSnapshot s = link.Snapshot();
    pollTime += static_cast<double>(s.stats.lastPollTime.count()) / 1000.0;
    requests += static_cast<double>(s.stats.requestsLastPoll);
    ++polls;
  }
  state.counters["poll_ms"] = pollTime / polls;
  state.counters["requests_per_poll"] = requests / polls;
}
BENCHMARK(BM_LinkWorker)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(50);

}  // namespace
}  // namespace tavo::link

BENCHMARK_MAIN();
