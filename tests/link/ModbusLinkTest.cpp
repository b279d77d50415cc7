// The link's worker against a Modbus server in this process.
#include <gtest/gtest.h>

#include <memory>
#include <thread>

#include "link/LinkTestSupport.h"
#include "panel/ValueFormat.h"

namespace tavo::link {
namespace {

using test::FastLink;
using test::ModbusTestServer;
using test::Settle;

constexpr uint8_t k0x = 0x00, k1x = 0x80, k3x = 0x82, k4x = 0x02;

panel::PlcKey Key(uint8_t type, uint16_t address, uint8_t station = 1) {
  return {station, type, address, 0};
}

class ModbusLinkTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(server.StartTcp()); }
  ModbusTestServer server;
};

TEST_F(ModbusLinkTest, ReadsEveryTableAndWidthInBothWordOrders) {
  server.SetHolding(0, 0xFFFE);  // 4x1: -2 as a signed word
  server.SetHolding(2, 0xFFFF);  // 4x3..4x4: -10 high word first
  server.SetHolding(3, 0xFFF6);
  server.SetInput(9, 777);      // 3x10
  server.SetCoil(4, true);      // 0x5
  server.SetDiscrete(6, true);  // 1x7
  const std::vector<LinkItem> items{{Key(k4x, 1), 2}, {Key(k4x, 3), 4}, {Key(k3x, 10), 2},
                                    {Key(k0x, 5), 0}, {Key(k0x, 6), 0}, {Key(k1x, 7), 0}};
  for (WordOrder order : {WordOrder::HighFirst, WordOrder::LowFirst}) {
    LinkOptions options = FastLink(server.TcpTarget());
    options.order = order;
    ModbusLink link(options);
    link.Watch(items);
    const LinkSnapshot s = Settle(link);
    EXPECT_EQ(s.stats.state, LinkState::Connected);
    for (const LinkItem& i : items) EXPECT_EQ(s.items.at(i.key).state, ItemState::Ok);
    EXPECT_EQ(panel::ItemValue(s.items.at(Key(k4x, 1)).value, 2, true), -2);
    const uint32_t wide = s.items.at(Key(k4x, 3)).value;
    if (order == WordOrder::HighFirst)
      EXPECT_EQ(panel::ItemValue(wide, 4, true), -10);
    else
      EXPECT_EQ(wide, 0xFFF6FFFFu);
    EXPECT_EQ(s.items.at(Key(k3x, 10)).value, 777u);
    EXPECT_EQ(s.items.at(Key(k0x, 5)).value, 1u);
    EXPECT_EQ(s.items.at(Key(k0x, 6)).value, 0u);
    EXPECT_EQ(s.items.at(Key(k1x, 7)).value, 1u);
  }
}

TEST_F(ModbusLinkTest, OnePollSendsOneRequestPerGroup) {
  // Three groups: 4x1-4x10 of station 1, 0x1-0x3 of station 1, 4x5 of station 2.
  std::vector<LinkItem> items;
  for (uint16_t a = 1; a <= 10; ++a) items.push_back({Key(k4x, a), 2});
  for (uint16_t a = 1; a <= 3; ++a) items.push_back({Key(k0x, a), 0});
  items.push_back({Key(k4x, 5, 2), 2});
  uint64_t counted = 0;
  {
    ModbusLink link(FastLink(server.TcpTarget()));
    link.Watch(items);
    Settle(link);
    const LinkSnapshot s = Settle(link);
    EXPECT_EQ(s.stats.requestsLastPoll, 3u);
    EXPECT_GE(s.stats.polls, 2u);
    counted = link.Snapshot().stats.requests;
  }
  const std::vector<test::ModbusRequest> seen = server.Requests();
  EXPECT_GE(seen.size(), counted);  // a request in flight at the end is not counted yet
  EXPECT_LE(seen.size(), counted + 1);
  EXPECT_EQ(seen[0].function, 1);  // coils before holding registers
  EXPECT_EQ(seen[1].function, 3);
  EXPECT_EQ(seen[1].count, 10);
  EXPECT_EQ(seen[2].station, 2);
}

TEST_F(ModbusLinkTest, WritesGoOutWithTheirFunctionAndWordOrder) {
  LinkOptions options = FastLink(server.TcpTarget());
  options.order = WordOrder::LowFirst;
  ModbusLink link(options);
  link.Watch({});
  Settle(link);
  link.Write({Key(k0x, 8), 0}, 1);
  link.Write({Key(k4x, 20), 2}, 0xABCD);
  link.Write({Key(k3x, 1), 2}, 5);  // read-only: refused without a request
  const uint64_t last = link.Write({Key(k4x, 30), 4}, 0x00010002);
  ASSERT_TRUE(link.WaitForWrite(last, std::chrono::seconds(5)));
  EXPECT_TRUE(server.Coil(7));
  EXPECT_EQ(server.Holding(19), 0xABCD);
  EXPECT_EQ(server.Holding(29), 0x0002);  // low word first
  EXPECT_EQ(server.Holding(30), 0x0001);
  EXPECT_EQ(server.CountOf(5), 1u);
  EXPECT_EQ(server.CountOf(6), 1u);
  EXPECT_EQ(server.CountOf(16), 1u);
  EXPECT_EQ(server.CountOf(4), 0u);
  const LinkSnapshot s = link.Snapshot();
  EXPECT_EQ(s.stats.writes, 3u);
  EXPECT_EQ(s.stats.errors, 1u);
  EXPECT_NE(s.stats.lastError.find("read-only"), std::string::npos);
}

TEST_F(ModbusLinkTest, ASilentPlcIsAStateAndCostsOneTimeoutPerStation) {
  server.SetHolding(0, 42);
  ModbusLink link(FastLink(server.TcpTarget()));
  link.Watch({{Key(k4x, 1), 2}, {Key(k4x, 200), 2}});  // two blocks of one station
  EXPECT_EQ(Settle(link).items.at(Key(k4x, 1)).value, 42u);
  server.SetSilent(true);
  Settle(link);
  const LinkSnapshot s = Settle(link);
  EXPECT_EQ(s.stats.state, LinkState::NoResponse);
  EXPECT_STREQ(LinkStateText(s.stats.state), "无响应");
  EXPECT_EQ(s.stats.requestsLastPoll, 1u);
  EXPECT_GE(s.stats.timeouts, 2u);
  EXPECT_EQ(s.items.at(Key(k4x, 1)).state, ItemState::NoResponse);
  EXPECT_EQ(s.items.at(Key(k4x, 1)).value, 42u);  // the last value read stays
  server.SetHolding(0, 43);
  server.SetSilent(false);
  Settle(link);
  const LinkSnapshot back = Settle(link);
  EXPECT_EQ(back.stats.state, LinkState::Connected);
  EXPECT_EQ(back.items.at(Key(k4x, 1)).state, ItemState::Ok);
  EXPECT_EQ(back.items.at(Key(k4x, 1)).value, 43u);
}

TEST_F(ModbusLinkTest, ClosingWaitsForTheRequestUnderWayOnly) {
  // Six silent stations: one poll would ask each and wait a timeout for each.
  server.SetSilent(true);
  auto link = std::make_unique<ModbusLink>(FastLink(server.TcpTarget()));
  std::vector<LinkItem> items;
  for (uint8_t station = 1; station <= 6; ++station) items.push_back({Key(k4x, 1, station), 2});
  link->Watch(items);
  for (int i = 0; i < 500 && server.RequestCount() == 0; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  const size_t asked = server.RequestCount();
  ASSERT_GE(asked, 1u);
  link.reset();
  // The request that was under way (or the one just sent) is the last.
  EXPECT_LE(server.RequestCount(), asked + 1);
}

TEST_F(ModbusLinkTest, RefusedAddressesAndMissingStations) {
  // 4x995 and 4x1003 share a block that runs past the server's 1000
  // registers: the exception splits it, 4x995 is still read.
  server.SetHolding(994, 9);
  server.AnswerOnly(1);
  ModbusLink link(FastLink(server.TcpTarget()));
  link.Watch({{Key(k4x, 995), 2}, {Key(k4x, 1003), 2}, {Key(k4x, 1, 2), 2}});
  Settle(link);
  const LinkSnapshot s = Settle(link);
  EXPECT_EQ(s.items.at(Key(k4x, 995)).state, ItemState::Ok);
  EXPECT_EQ(s.items.at(Key(k4x, 995)).value, 9u);
  EXPECT_EQ(s.items.at(Key(k4x, 1003)).state, ItemState::Error);
  EXPECT_NE(s.items.at(Key(k4x, 1003)).error.find("address"), std::string::npos);
  EXPECT_EQ(s.items.at(Key(k4x, 1, 2)).state, ItemState::Error);  // the gateway's exception
  EXPECT_EQ(s.stats.requestsLastPoll, 3u);  // split for good: two reads, and station 2
  EXPECT_EQ(s.stats.state, LinkState::Connected);
}

TEST_F(ModbusLinkTest, ConnectsAgainWhenThePlcComesBack) {
  server.SetHolding(0, 1);
  ModbusLink link(FastLink(server.TcpTarget()));
  link.Watch({{Key(k4x, 1), 2}});
  EXPECT_EQ(Settle(link).items.at(Key(k4x, 1)).value, 1u);
  server.Stop();
  Settle(link);
  const LinkSnapshot down = Settle(link);
  EXPECT_EQ(down.stats.state, LinkState::Failed);
  EXPECT_FALSE(down.stats.lastError.empty());
  EXPECT_EQ(down.items.at(Key(k4x, 1)).state, ItemState::Error);
  // A key pressed meanwhile writes nothing later.
  const uint64_t dropped = link.Write({Key(k4x, 2), 2}, 5);
  server.SetHolding(0, 2);
  ASSERT_TRUE(server.StartTcp());
  ASSERT_TRUE(link.WaitForWrite(dropped, std::chrono::seconds(5)));
  for (int i = 0; i < 50 && link.Snapshot().stats.state != LinkState::Connected; ++i) Settle(link);
  const LinkSnapshot up = Settle(link);
  EXPECT_EQ(up.stats.state, LinkState::Connected);
  EXPECT_EQ(up.items.at(Key(k4x, 1)).value, 2u);
  EXPECT_EQ(server.Holding(1), 0);
}

TEST(ModbusRtuLink, ReadsAndWritesOverASerialLine) {
  ModbusTestServer server;
  ASSERT_TRUE(server.StartRtu(7, 19200, 'E', 8, 1));
  server.SetHolding(4, 1234);
  LinkOptions options = test::FastLink("rtu:" + server.Device());
  options.line = {19200, 'E', 8, 1};
  ModbusLink link(options);
  link.Watch({{Key(k4x, 5, 7), 2}, {Key(k4x, 5, 8), 2}});
  Settle(link);
  const LinkSnapshot s = Settle(link);
  EXPECT_EQ(s.items.at(Key(k4x, 5, 7)).value, 1234u);
  EXPECT_EQ(s.items.at(Key(k4x, 5, 7)).state, ItemState::Ok);
  // Another station's request gets no answer on a serial line.
  EXPECT_EQ(s.items.at(Key(k4x, 5, 8)).state, ItemState::NoResponse);
  ASSERT_TRUE(link.WaitForWrite(link.Write({Key(k0x, 3, 7), 0}, 1), std::chrono::seconds(5)));
  EXPECT_TRUE(server.Coil(2));
}

}  // namespace
}  // namespace tavo::link
