// The panel runtime on a compiled image, talking to a Modbus server through
// the link instead of the simulated PLC.
#include <gtest/gtest.h>

#include "download/ImageTestSupport.h"
#include "elements/Function.h"
#include "elements/Light.h"
#include "elements/Register.h"
#include "link/LinkTestSupport.h"
#include "link/LinkedPlc.h"
#include "panel/PanelRuntime.h"

namespace tavo::link {
namespace {

using panel::PanelKey;

class LinkedRuntimeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(started);
    // Protocol 3 (Modbus RTU): a register on 4x10 that takes a value, a
    // light on 1x2, a key toggling coil 0x3, a key holding coil 0x4 while
    // down, and a register on the panel's own RP5.
    test::ImageProject p(3);
    auto& reg = p.Add<CRegister>(1, 0, 0);
    reg.m_addr = 10;
    reg.m_settable = 1;
    auto& light = p.Add<CLight>(1, 64, 0);
    light.m_regType = 1;  // 1x
    light.m_addr = 2;
    auto& toggle = p.Add<CFunction>(1, 0, 32);
    toggle.m_picStyle = 6;
    toggle.m_coilOp = 2;
    toggle.m_addr = 3;
    auto& momentary = p.Add<CFunction>(1, 32, 32);
    momentary.m_picStyle = 7;
    momentary.m_coilOp = 3;
    momentary.m_addr = 4;
    auto& own = p.Add<CRegister>(1, 96, 0);
    own.m_regType = 2;  // RP, the first panel register after 4x and 3x
    own.m_addr = 5;
    const CompiledImage image = p.Compile();
    ASSERT_TRUE(image.Ok());
    ASSERT_TRUE(rt.Load(image.image));
    rt.Connect(&plc);
    for (const panel::ElementRecord& e : rt.Elements())
      if (auto* k = std::get_if<panel::KeyRecord>(&e.body))
        keys.push_back(static_cast<PanelKey>(k->keyCode));
    ASSERT_EQ(keys.size(), 2u);
  }
  void Poll() {
    plc.Watch(rt.WatchedItems());
    ASSERT_TRUE(link.WaitForWrite(plc.LastWrite(), std::chrono::seconds(5)));
    test::Settle(link);
    plc.Sync();
  }
  panel::PlcKey Coil(uint16_t a) { return {1, 0x00, a, 0}; }

  test::ModbusTestServer server;
  bool started = server.StartTcp();  // before the link, which needs its port
  ModbusLink link{test::FastLink(server.TcpTarget())};
  LinkedPlc plc{link};
  panel::PanelRuntime rt;
  std::vector<PanelKey> keys;  // toggle, momentary
};

TEST_F(LinkedRuntimeTest, TheScreenShowsThePlcsValues) {
  server.SetHolding(9, 321);
  server.SetDiscrete(1, true);
  Poll();
  EXPECT_EQ(rt.Source().Get({1, 0x02, 10, 0}), 321u);
  EXPECT_EQ(rt.Source().Get({1, 0x80, 2, 0}), 1u);
  EXPECT_EQ(plc.Reading({1, 0x02, 10, 0}).state, ItemState::Ok);
  EXPECT_EQ(plc.Reading({1, 0x70, 5, 0}).state, ItemState::Panel);
  EXPECT_EQ(plc.Stats().state, LinkState::Connected);
}

TEST_F(LinkedRuntimeTest, KeysAndEntriesWriteToThePlc) {
  Poll();
  rt.PressKey(keys[0]);                     // toggle: off -> on
  EXPECT_EQ(rt.Source().Get(Coil(3)), 1u);  // shown at once
  plc.Sync();                               // a poll from before the write changes nothing
  EXPECT_EQ(rt.Source().Get(Coil(3)), 1u);
  Poll();
  EXPECT_TRUE(server.Coil(2));
  rt.PressKey(keys[0]);  // toggle reads the PLC's value: on -> off
  Poll();
  EXPECT_FALSE(server.Coil(2));

  rt.KeyDown(keys[1]);
  Poll();
  EXPECT_TRUE(server.Coil(3));
  rt.KeyUp(keys[1]);
  Poll();
  EXPECT_FALSE(server.Coil(3));

  rt.PressKey(PanelKey::Set);  // the entry of the register on 4x10
  rt.PressKey(PanelKey::Digit4);
  rt.PressKey(PanelKey::Digit2);
  rt.PressKey(PanelKey::Ent);
  Poll();
  EXPECT_EQ(server.Holding(9), 42);
  EXPECT_EQ(server.CountOf(5), 4u);
  EXPECT_EQ(server.CountOf(6), 1u);
}

TEST_F(LinkedRuntimeTest, ThePanelsOwnRegistersStayInThePanel) {
  Poll();
  const size_t before = server.RequestCount();
  rt.Source().Set({1, 0x70, 5, 0}, 77);
  EXPECT_EQ(rt.Source().Get({1, 0x70, 5, 0}), 77u);
  Poll();
  EXPECT_EQ(rt.Source().Get({1, 0x70, 5, 0}), 77u);
  for (const test::ModbusRequest& r : server.Requests())
    EXPECT_NE(r.function, 6) << "a write reached the PLC";
  EXPECT_GT(server.RequestCount(), before);
}

}  // namespace
}  // namespace tavo::link
