// Keys act on the simulated PLC and move between screens as the records say.
#include <gtest/gtest.h>

#include "panel/PanelRuntime.h"
#include "panel/TestImage.h"

namespace tavo::panel {
namespace {

using test::TestImage;

constexpr PlcKey kCoil{1, 0x10, 40, 0};
constexpr PlcKey kWord{1, 0x02, 50, 0};

// Screen 1: ENT sets, CLR resets, 1 toggles, 2 is momentary, 3 writes -2 into
// a 16-bit register, 4 jumps to screen 3, ALM opens the alarm list, 5 shows the
// clock, 6 is a recipe key; Up/Down lead to 2 and 3. Screen 2 binds the Up key
// itself (to toggle); screen 3 has no targets.
TestImage KeyImage() {
  TestImage t;
  t.slots = {test::SlotBox(0, 0, 16, 16)};
  auto key = [](uint8_t code, uint8_t action, uint32_t operand, uint8_t type = 0x10,
                uint16_t address = 40, uint8_t width = 0) {
    return test::Key(0, 0, 0x04, code, action, address, operand, {0}, type, width);
  };
  t.screens = {
      {1,
       2,
       3,
       {key(7, 1, 0), key(8, 2, 0), key(13, 3, 0), key(12, 4, 0),
        key(11, 5, 0xFFFFFFFE, 0x02, 50, 2), key(18, 0x80, 3), key(19, 0x82, 0), key(14, 6, 0)}},
      {2, 1, 3, {key(3, 3, 0)}},
      {3, 0, 0, {}}};
  t.alarms = test::TestAlarms{};
  t.alarms->texts = {{}, {}};
  return t;
}

PanelRuntime Loaded(const TestImage& t) {
  PanelRuntime rt;
  EXPECT_TRUE(rt.Load(t.Build())) << rt.Notice();
  return rt;
}

TEST(PanelKeypad, CoilActions) {
  PanelRuntime rt = Loaded(KeyImage());
  rt.PressKey(PanelKey::Ent);
  EXPECT_EQ(rt.Plc().Get(kCoil), 1u);
  rt.PressKey(PanelKey::Ent);  // setting twice keeps it on
  EXPECT_EQ(rt.Plc().Get(kCoil), 1u);
  rt.PressKey(PanelKey::Clr);
  EXPECT_EQ(rt.Plc().Get(kCoil), 0u);
  rt.PressKey(PanelKey::Digit1);
  EXPECT_EQ(rt.Plc().Get(kCoil), 1u);
  rt.PressKey(PanelKey::Digit1);
  EXPECT_EQ(rt.Plc().Get(kCoil), 0u);
  rt.Plc().Set(kCoil, 7);  // any non-zero value toggles to off
  rt.PressKey(PanelKey::Digit1);
  EXPECT_EQ(rt.Plc().Get(kCoil), 0u);
  // Momentary: on while held.
  rt.KeyDown(PanelKey::Digit2);
  EXPECT_EQ(rt.Plc().Get(kCoil), 1u);
  rt.KeyUp(PanelKey::Digit1);  // another key's release changes nothing
  EXPECT_EQ(rt.Plc().Get(kCoil), 1u);
  rt.KeyUp(PanelKey::Digit2);
  EXPECT_EQ(rt.Plc().Get(kCoil), 0u);
}

TEST(PanelKeypad, MomentaryCoilIsReleasedAfterAScreenChange) {
  TestImage t = KeyImage();
  t.screens[0].elements.push_back(
      test::Key(0, 0, 0, 12, 0x80, 0, 2, {0}));  // a later key on "2" is ignored
  PanelRuntime rt = Loaded(t);
  rt.KeyDown(PanelKey::Digit2);
  rt.ShowScreen(3);
  rt.KeyUp(PanelKey::Digit2);
  EXPECT_EQ(rt.Plc().Get(kCoil), 0u);
  EXPECT_EQ(rt.CurrentScreen(), 3);
}

TEST(PanelKeypad, SetRegisterKeepsTheRegisterWidth) {
  PanelRuntime rt = Loaded(KeyImage());
  rt.PressKey(PanelKey::Digit3);
  EXPECT_EQ(rt.Plc().Get(kWord), 0xFFFEu);
}

TEST(PanelKeypad, ScreenJumpsAndUpDown) {
  PanelRuntime rt = Loaded(KeyImage());
  EXPECT_EQ(rt.CurrentScreen(), 1);
  rt.PressKey(PanelKey::Up);
  EXPECT_EQ(rt.CurrentScreen(), 2);
  // Screen 2 binds Up to a key of its own: no jump.
  rt.PressKey(PanelKey::Up);
  EXPECT_EQ(rt.CurrentScreen(), 2);
  EXPECT_EQ(rt.Plc().Get(kCoil), 1u);
  rt.PressKey(PanelKey::Down);
  EXPECT_EQ(rt.CurrentScreen(), 3);
  rt.PressKey(PanelKey::Down);  // target 0: stays
  EXPECT_EQ(rt.CurrentScreen(), 3);
  EXPECT_TRUE(rt.Status().empty());
  rt.ShowScreen(1);
  rt.PressKey(PanelKey::Digit4);
  EXPECT_EQ(rt.CurrentScreen(), 3);
}

TEST(PanelKeypad, MissingTargetsStayAndSaySo) {
  TestImage t = KeyImage();
  t.screens[0].up = 9;
  t.screens[0].elements[5].record[14] = 8;  // jump to screen 8
  PanelRuntime rt = Loaded(t);
  rt.PressKey(PanelKey::Up);
  EXPECT_EQ(rt.CurrentScreen(), 1);
  EXPECT_NE(rt.Status().find("9"), std::string::npos);
  rt.PressKey(PanelKey::Digit4);
  EXPECT_EQ(rt.CurrentScreen(), 1);
  EXPECT_NE(rt.Status().find("8"), std::string::npos);
  rt.PressKey(PanelKey::Digit6);  // recipe
  EXPECT_NE(rt.Status().find("recipe"), std::string::npos);
}

TEST(PanelKeypad, AlarmListAndClockViews) {
  PanelRuntime rt = Loaded(KeyImage());
  rt.PressKey(PanelKey::Alm);
  EXPECT_EQ(rt.View(), PanelView::AlarmList);
  rt.PressKey(PanelKey::Ent);  // function keys do not act in the alarm list
  EXPECT_EQ(rt.Plc().Get(kCoil), 0u);
  rt.PressKey(PanelKey::Esc);
  EXPECT_EQ(rt.View(), PanelView::Screen);
  rt.SetClock([] { return std::time_t{0}; });
  rt.PressKey(PanelKey::Digit5);
  EXPECT_EQ(rt.View(), PanelView::Clock);
  EXPECT_GT(rt.Render().CountLit(), 0);
  rt.PressKey(PanelKey::Esc);
  EXPECT_EQ(rt.View(), PanelView::Screen);
}

TEST(PanelKeypad, StartScreenFromTheHeaderOrTheFirst) {
  TestImage t = KeyImage();
  t.startScreen = 2;
  EXPECT_EQ(Loaded(t).CurrentScreen(), 2);
  t.startScreen = 77;
  EXPECT_EQ(Loaded(t).CurrentScreen(), 1);
}

// ---- register entry ----

TestImage EntryImage() {
  TestImage t;
  auto reg = [](int x, uint16_t address, uint8_t flags, uint8_t cells, uint8_t decimals) {
    return test::Register(x, 0, flags | 0x08, address, cells, decimals);
  };
  test::TestElement limited = reg(0, 1, 0x20 | 0x80, 5, 0);
  test::PutLong(limited.record, 11, 500);  // high
  test::PutLong(limited.record, 15, 10);   // low
  test::TestElement scaled = reg(0, 4, 0x20 | 0x80 | 0x04, 5, 1);
  test::PutLong(scaled.record, 11, 4000);
  test::PutLong(scaled.record, 15, 0);
  test::PutLong(scaled.record, 19, 1000);  // 0-100.0
  test::PutLong(scaled.record, 23, 0);
  t.screens = {{1,
                0,
                0,
                {limited, test::Register(48, 0, 0x20, 9, 4, 0),  // not settable
                 reg(96, 2, 0x20 | 0x10, 5, 1), reg(144, 3, 0x00, 4, 0), scaled}}};
  return t;
}

void Type(PanelRuntime& rt, std::initializer_list<PanelKey> keys) {
  for (PanelKey k : keys) rt.PressKey(k);
}

TEST(PanelKeypad, EntryWithinLimits) {
  PanelRuntime rt = Loaded(EntryImage());
  rt.PressKey(PanelKey::Set);
  ASSERT_EQ(rt.EntryElement(), 0u);
  Type(rt, {PanelKey::Digit6, PanelKey::Digit0, PanelKey::Digit0, PanelKey::Ent});
  EXPECT_EQ(rt.Plc().Get({1, 0x02, 1, 0}), 0u);  // 600 > 500: refused, entry stays open
  EXPECT_EQ(rt.EntryElement(), 0u);
  EXPECT_NE(rt.Status().find("10 .. 500"), std::string::npos);
  Type(rt, {PanelKey::Digit5, PanelKey::Ent});
  EXPECT_EQ(rt.Plc().Get({1, 0x02, 1, 0}), 0u);  // 5 < 10
  Type(rt, {PanelKey::Digit4, PanelKey::Digit2, PanelKey::Ent});
  EXPECT_EQ(rt.Plc().Get({1, 0x02, 1, 0}), 42u);
  EXPECT_FALSE(rt.EntryElement());
}

TEST(PanelKeypad, EntryMovesOverSettableRegistersOnly) {
  PanelRuntime rt = Loaded(EntryImage());
  rt.PressKey(PanelKey::Set);
  rt.PressKey(PanelKey::Right);
  EXPECT_EQ(rt.EntryElement(), 2u);  // the register at position 1 is not settable
  rt.PressKey(PanelKey::Left);
  EXPECT_EQ(rt.EntryElement(), 0u);
  rt.PressKey(PanelKey::Left);  // wraps
  EXPECT_EQ(rt.EntryElement(), 4u);
  rt.PressKey(PanelKey::Esc);
  EXPECT_FALSE(rt.EntryElement());
}

TEST(PanelKeypad, SignedDecimalBcdAndScaledEntries) {
  PanelRuntime rt = Loaded(EntryImage());
  rt.PressKey(PanelKey::Set);
  rt.PressKey(PanelKey::Right);  // signed, one decimal
  Type(rt, {PanelKey::Digit1, PanelKey::Digit2, PanelKey::Down});
  EXPECT_EQ(rt.EntryText(), "12");
  // While entering, the cell shows "-1.2" inverse.
  EXPECT_GT(rt.Render().CountLit(), 0);
  rt.PressKey(PanelKey::Ent);
  EXPECT_EQ(rt.Plc().Get({1, 0x02, 2, 0}), 0xFFF4u);  // -12 in 16 bits
  rt.PressKey(PanelKey::Set);
  rt.PressKey(PanelKey::Right);
  rt.PressKey(PanelKey::Right);  // HEX/BCD register
  Type(rt, {PanelKey::Digit1, PanelKey::Digit9, PanelKey::Digit9, PanelKey::Digit9,
            PanelKey::Digit9, PanelKey::Ent});  // the fifth digit does not fit
  EXPECT_EQ(rt.Plc().Get({1, 0x02, 3, 0}), 0x1999u);
  rt.PressKey(PanelKey::Set);
  rt.PressKey(PanelKey::Left);  // scaled: typed in engineering units
  Type(rt, {PanelKey::Digit2, PanelKey::Digit5, PanelKey::Digit0, PanelKey::Ent});  // 25.0
  EXPECT_EQ(rt.Plc().Get({1, 0x02, 4, 0}), 1000u);
}

TEST(PanelKeypad, EntryWithoutDigitsKeepsTheValue) {
  PanelRuntime rt = Loaded(EntryImage());
  rt.Plc().Set({1, 0x02, 1, 0}, 77);
  Type(rt, {PanelKey::Set, PanelKey::Digit3, PanelKey::Clr, PanelKey::Ent});
  EXPECT_EQ(rt.Plc().Get({1, 0x02, 1, 0}), 77u);
  EXPECT_FALSE(rt.EntryElement());
}

// ---- time ----

TEST(PanelKeypad, ScreenSaverAndWaking) {
  TestImage t = KeyImage();
  t.saverMinutes = 1;
  t.saverScreen = 3;
  PanelRuntime rt = Loaded(t);
  rt.Advance(std::chrono::seconds(59));
  rt.PressKey(PanelKey::Ent);  // a key restarts the wait
  rt.Advance(std::chrono::seconds(59));
  EXPECT_EQ(rt.View(), PanelView::Screen);
  rt.Advance(std::chrono::seconds(1));
  EXPECT_EQ(rt.View(), PanelView::Saver);
  EXPECT_EQ(rt.CurrentScreen(), 3);
  rt.Plc().Set(kCoil, 0);
  rt.PressKey(PanelKey::Ent);  // only wakes
  EXPECT_EQ(rt.Plc().Get(kCoil), 0u);
  EXPECT_EQ(rt.View(), PanelView::Screen);
  EXPECT_EQ(rt.CurrentScreen(), 1);
  // Without a saver screen the display goes dark.
  t.saverScreen = 0;
  PanelRuntime dark = Loaded(t);
  dark.Advance(std::chrono::minutes(5));
  EXPECT_EQ(dark.View(), PanelView::Saver);
  EXPECT_EQ(dark.Render().CountLit(), 0);
}

TEST(PanelKeypad, PlcChangesScreensThroughTheControlRegister) {
  TestImage t = KeyImage();
  t.ctrlFlags = 0x03;
  t.ctrlAddress = 100;
  t.wordStep = 2;
  PanelRuntime rt = Loaded(t);
  const PlcKey control{1, 0x12, 100, 0}, report{1, 0x12, 102, 0};
  EXPECT_EQ(rt.Plc().Get(report), 1u);
  rt.Plc().Set(control, 3);
  rt.Advance(std::chrono::milliseconds(100));
  EXPECT_EQ(rt.CurrentScreen(), 3);
  EXPECT_EQ(rt.Plc().Get(report), 3u);
  // The user may leave: the same request does not pull the panel back.
  rt.ShowScreen(1);
  rt.Advance(std::chrono::milliseconds(100));
  EXPECT_EQ(rt.CurrentScreen(), 1);
  rt.Plc().Set(control, 44);  // no such screen
  rt.Advance(std::chrono::milliseconds(100));
  EXPECT_EQ(rt.CurrentScreen(), 1);
  EXPECT_NE(rt.Status().find("44"), std::string::npos);
}

}  // namespace
}  // namespace tavo::panel
