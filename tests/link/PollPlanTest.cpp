// The batch planner and the Modbus places of items, without a PLC.
#include <gtest/gtest.h>

#include "link/PollPlan.h"

namespace tavo::link {
namespace {

constexpr uint8_t k0x = 0x00, k1x = 0x80, k3x = 0x82, k4x = 0x02;

LinkItem Word(uint8_t station, uint16_t address, uint8_t width = 2, uint8_t type = k4x) {
  return {{station, type, address, 0}, width};
}
LinkItem Bit(uint8_t station, uint16_t address, uint8_t type = k0x) {
  return {{station, type, address, 0}, 0};
}

TEST(PollPlan, NearItemsOfOneStationAndTableShareARequest) {
  // 4x1, 4x3 (two registers: 3 and 4) and 4x12 are within the gap of 8;
  // 4x30 is not; station 2 and the 3x table are groups of their own.
  const PollPlan plan = PlanPolls(
      {Word(1, 12), Word(1, 1), Word(1, 3, 4), Word(1, 30), Word(2, 2), Word(1, 5, 2, k3x)}, {});
  ASSERT_EQ(plan.blocks.size(), 4u);
  EXPECT_EQ(plan.blocks[0].table, ModbusTable::InputRegisters);
  EXPECT_EQ(plan.blocks[0].start, 4);
  EXPECT_EQ(plan.blocks[1].start, 0);
  EXPECT_EQ(plan.blocks[1].count, 12);  // offsets 0 .. 11
  EXPECT_EQ(plan.blocks[1].items, (std::vector<size_t>{1, 2, 0}));
  EXPECT_EQ(plan.blocks[2].start, 29);
  EXPECT_EQ(plan.blocks[3].station, 2);
}

TEST(PollPlan, RequestsStayWithinModbusLimits) {
  // 300 registers in a row take three requests of at most 125; a two-register
  // value is never cut between two requests.
  std::vector<LinkItem> words;
  for (uint16_t a = 1; a <= 300; a += 2) words.push_back(Word(1, a, 4));
  const PollPlan plan = PlanPolls(words, {});
  ASSERT_EQ(plan.blocks.size(), 3u);
  for (const ReadBlock& b : plan.blocks) {
    EXPECT_LE(b.count, kMaxReadRegisters);
    EXPECT_EQ(b.count % 2, 0);
  }
  std::vector<LinkItem> coils;
  for (uint16_t a = 1; a <= 4500; ++a) coils.push_back(Bit(3, a));
  const PollPlan bits = PlanPolls(coils, {});
  ASSERT_EQ(bits.blocks.size(), 3u);
  EXPECT_EQ(bits.blocks[0].count, kMaxReadBits);
  EXPECT_EQ(bits.blocks[2].count, 500);
  // A gap wider than the bit gap splits; discrete inputs are another table.
  EXPECT_EQ(PlanPolls({Bit(1, 1), Bit(1, 66), Bit(1, 200), Bit(1, 2, k1x)}, {}).blocks.size(), 3u);
}

TEST(PollPlan, AddressBaseAndItemsThatAreNotRead) {
  PlanOptions zero;
  zero.base = 0;
  EXPECT_EQ(PlanPolls({Word(1, 1)}, {}).blocks[0].start, 0);
  EXPECT_EQ(PlanPolls({Word(1, 1)}, zero).blocks[0].start, 1);
  // Address 0 with base 1, 5x/6x, the panel's own RP and TM: placed, never read.
  const PollPlan plan = PlanPolls({Word(1, 0), Word(1, 5, 2, 0x42), Word(1, 5, 2, 0x22),
                                   Word(1, 5, 2, 0x70), Word(1, 5, 1, 0x51)},
                                  {});
  EXPECT_TRUE(plan.blocks.empty());
  EXPECT_EQ(plan.places[0].route, ItemRoute::NotLinked);
  EXPECT_NE(plan.places[0].reason.find("count from 1"), std::string::npos);
  EXPECT_EQ(plan.places[1].route, ItemRoute::NotLinked);
  EXPECT_EQ(plan.places[2].route, ItemRoute::NotLinked);
  EXPECT_EQ(plan.places[3].route, ItemRoute::Panel);
  EXPECT_EQ(plan.places[4].route, ItemRoute::Panel);
  // A two-register value at the last address runs past 65535 with base 0.
  EXPECT_EQ(PlanPolls({Word(1, 65535, 4)}, {}).blocks.size(), 1u);
  EXPECT_EQ(PlanPolls({Word(1, 65535, 4)}, zero).places[0].route, ItemRoute::NotLinked);
  EXPECT_EQ(PlanPolls({Word(1, 65535, 2)}, zero).blocks.size(), 1u);
}

TEST(ModbusMap, WordOrderAndNames) {
  const uint16_t regs[2] = {0x1234, 0x5678};
  EXPECT_EQ(JoinRegisters(regs, 2, WordOrder::HighFirst), 0x12345678u);
  EXPECT_EQ(JoinRegisters(regs, 2, WordOrder::LowFirst), 0x56781234u);
  EXPECT_EQ(JoinRegisters(regs, 1, WordOrder::LowFirst), 0x1234u);
  uint16_t out[2];
  SplitValue(0xFFFE0001u, 2, WordOrder::LowFirst, out);
  EXPECT_EQ(out[0], 0x0001);
  EXPECT_EQ(out[1], 0xFFFE);
  EXPECT_EQ(ModbusItemName({1, k3x, 7, 0}), "3x7");
  EXPECT_EQ(ModbusItemName({1, 0x92, 7, 0}), "LW7");
  EXPECT_EQ(ModbusItemName({1, 0x33, 7, 2}), "[33]7.2");
}

TEST(ModbusMap, OnlyModbusProtocolsAreLinked) {
  for (uint8_t p : {3, 19, 21, 25, 34}) EXPECT_EQ(LinkProtocolRefusal(p, true), "") << int(p);
  EXPECT_NE(LinkProtocolRefusal(16, true).find("ASCII"), std::string::npos);
  EXPECT_EQ(LinkProtocolRefusal(16, false), "");
  EXPECT_NE(LinkProtocolRefusal(4, false).find("not a Modbus protocol"), std::string::npos);
}

}  // namespace
}  // namespace tavo::link
