// Placing, selecting and dragging elements on a screen; the cursor order and
// the screen's directory entry of the download image.
#include <gtest/gtest.h>

#include "elements/Light.h"
#include "elements/Tide.h"
#include "model/PageHooks.h"
#include "model/Screen.h"
#include "support/ScriptedPrompter.h"

namespace tavo {
namespace {

struct RecordingHooks : PageHooks {
  RecordingHooks() { SetPageHooks(this); }
  ~RecordingHooks() override { SetPageHooks(nullptr); }
  void LoadPage(CBase& e) override { calls.push_back("load " + std::to_string(e.m_kind)); }
  void ShowPage(CBase& e) override { calls.push_back("show " + std::to_string(e.m_kind)); }
  void ShowPosition(CBase& e) override {
    calls.push_back("pos " + std::to_string(e.m_x) + "," + std::to_string(e.m_y));
  }
  std::vector<std::string> calls;
};

TEST(Selection, OverlapSelectsTheTopmostAndBringsItToTheHead) {
  RecordingHooks hooks;
  CMainView s(1, "");
  CBase* a = s.AddElement(kKindLight, {0, 0});  // 0..36
  CBase* b = s.AddElement(kKindKey, {18, 18});  // 18..54
  CBase* c = s.AddElement(kKindText, {300, 100});
  EXPECT_EQ(hooks.calls,
            (std::vector<std::string>{"show 3", "load 3", "show 4", "load 4", "show 1", "load 1"}));
  ASSERT_EQ(s.Head(), c);
  hooks.calls.clear();
  EXPECT_TRUE(s.SelectAt({20, 20}));  // a and b overlap here: b is nearer the head
  EXPECT_EQ(s.Head(), b);
  EXPECT_EQ(hooks.calls, (std::vector<std::string>{"show 4", "load 4"}));
  EXPECT_TRUE(s.SelectAt({5, 5}));
  EXPECT_EQ(s.Head(), a);
  EXPECT_EQ(s.m_elements[1].get(), b);
  EXPECT_EQ(s.m_elements[2].get(), c);
  EXPECT_TRUE(s.SelectAt({20, 20}));  // now a is on top
  EXPECT_EQ(s.Head(), a);
  EXPECT_FALSE(s.SelectAt({200, 10}));
  EXPECT_FALSE(s.SelectAt({36, 0}));  // right edge is outside
  EXPECT_EQ(s.Head(), a);
  s.DeleteSelected();
  EXPECT_EQ(s.Head(), b);
  EXPECT_EQ(s.AddElement(9, {0, 0}), nullptr);
  EXPECT_EQ(s.ElementCount(), 2u);
}

TEST(Drag, StepsOfFourPanelPixels) {
  struct Case {
    int dx, dy;
    int panelDx, panelDy;  // movement of m_x, m_y
    int pendingX;          // pointer minus anchor afterwards
  } cases[] = {{8, 0, 0, 0, 8},   {9, 0, 4, 0, 0},     {26, 0, 8, 0, 8},
               {-9, 0, -4, 0, 0}, {-17, 0, -4, 0, -8}, {0, 9, 0, 4, 0},
               {8, 8, 0, 0, 8},   {8, 9, 0, 4, 8},     {0, 0, 0, 0, 0}};
  for (auto c : cases) {
    CLight light({90, 45});  // panel 40, 20
    light.PlaceAt(90, 45);
    const Rect before = light.m_rect;
    Point anchor{200, 100};
    const Point pointer{200 + c.dx, 100 + c.dy};
    const Rect repaint = light.MoveBy(pointer, anchor);
    EXPECT_EQ(light.m_x, 40 + c.panelDx) << c.dx << "," << c.dy;
    EXPECT_EQ(light.m_y, 20 + c.panelDy) << c.dx << "," << c.dy;
    EXPECT_EQ(pointer.x - anchor.x, c.pendingX) << c.dx;
    const int sx = c.panelDx / 4 * 9, sy = c.panelDy / 4 * 9;
    EXPECT_EQ(light.m_rect,
              (Rect{before.left + sx, before.top + sy, before.right + sx, before.bottom + sy}));
    if (c.panelDx == 0 && c.panelDy == 0) {
      EXPECT_EQ(repaint, Rect{});
    } else {
      EXPECT_EQ(repaint, before.United(light.m_rect).Inflated(1));
    }
  }
}

TEST(Drag, ShowsTheNewPositionAndStaysOnTheDisplay) {
  RecordingHooks hooks;
  CLight light({0, 0});
  light.PlaceAt(0, 0);
  hooks.calls.clear();
  Point anchor{10, 10};
  light.MoveBy({10 - 27, 10}, anchor);  // three steps left from the edge
  EXPECT_EQ(light.m_rect.left, 0);
  EXPECT_EQ(light.m_x, 0);
  EXPECT_EQ(hooks.calls, (std::vector<std::string>{"pos 0,0"}));
}

TEST(Placement, DroppedPastTheRightEdgeIsPulledBack) {
  struct Case {
    uint8_t kind;
    int w;  // editor width of the new element
  } cases[] = {{kKindLight, 36}, {kKindTrend, 216}, {kKindBar, 36}, {kKindKey, 36}};
  for (auto c : cases) {
    CMainView s(1, "");
    CBase* e = s.AddElement(c.kind, {440 - c.w, 20});
    EXPECT_EQ(e->m_rect.right, 432) << int(c.kind);
    EXPECT_EQ(e->m_rect.left, 432 - c.w);
    EXPECT_EQ(e->m_x, static_cast<int>((432 - c.w) / 2.25 + 0.5));
    EXPECT_EQ(e->m_y, 9);
  }
  // Bottom and the top-left corner.
  CMainView s(1, "");
  CBase* bar = s.AddElement(kKindBar, {10, 100});  // 108 high
  EXPECT_EQ(bar->m_rect.bottom, 144);
  EXPECT_EQ(bar->m_y, 16);  // trunc(36 / 2.25 + 0.5)
  CBase* light = s.AddElement(kKindLight, {-5, -3});
  EXPECT_EQ(light->m_rect, (Rect{0, 0, 36, 36}));
  EXPECT_EQ(light->m_x, 0);
  EXPECT_EQ(light->m_y, 0);
}

TEST(CursorOrder, SortsByRowThenColumnStably) {
  struct Case {
    std::vector<uint8_t> in, out;
  } cases[] = {
      {{}, {}},
      {{7, 1, 1}, {7}},
      {{1, 5, 2, 2, 3, 1, 3, 0, 1}, {3, 2, 1}},
      {{1, 4, 1, 2, 4, 1, 3, 4, 1}, {1, 2, 3}},  // equal entries keep their order
      {{1, 0, 0x80, 2, 0, 0x7F}, {2, 1}},        // bytes compare unsigned
      {{1, 0xF0, 0, 2, 0x10, 0}, {2, 1}},
  };
  for (auto& c : cases) {
    test::ScriptedPrompter prompter;
    auto list = c.in;
    SortCursorEntries(list);
    EXPECT_EQ(list, c.out);
    EXPECT_TRUE(prompter.said.empty());
  }
  test::ScriptedPrompter prompter;
  std::vector<uint8_t> bad{1, 2, 3, 4};
  SortCursorEntries(bad);
  EXPECT_EQ(bad, (std::vector<uint8_t>{1, 2, 3, 4}));
  ASSERT_EQ(prompter.Messages().size(), 1u);
  EXPECT_EQ(prompter.Messages()[0], "排序出错");
}

TEST(CursorOrder, EntriesFromElementPositions) {
  CLight a({0, 0}), b({0, 0}), c({0, 0});
  a.m_x = 100, a.m_y = 40;  // column 12, row 2
  b.m_x = 8, b.m_y = 40;    // column 1, row 2
  c.m_x = 191, c.m_y = 15;  // column 23, row 0
  std::vector<uint8_t> list;
  a.WriteCursorEntry(list, 10);
  b.WriteCursorEntry(list, 11);
  c.WriteCursorEntry(list, 12);
  EXPECT_EQ(list, (std::vector<uint8_t>{10, 12, 2, 11, 1, 2, 12, 23, 0}));
  SortCursorEntries(list);
  EXPECT_EQ(list, (std::vector<uint8_t>{12, 11, 10}));
}

TEST(Directory, NineByteEntryAndRunningOffset) {
  CMainView s(0x0102, "");
  s.m_upScreen = 0xA0B0;
  s.m_downScreen = 0x0003;
  for (int i = 0; i < 3; ++i) s.AddElement(kKindLight, {0, 0});
  std::vector<uint8_t> buffer(27, 0xEE);
  uint16_t offset = 0x12FE;
  s.WriteDirectoryEntry(buffer, 1, offset);
  EXPECT_EQ(std::vector<uint8_t>(buffer.begin() + 9, buffer.begin() + 18),
            (std::vector<uint8_t>{0x01, 0x02, 3, 0xA0, 0xB0, 0x00, 0x03, 0x12, 0xFE}));
  EXPECT_EQ(buffer[8], 0xEE);
  EXPECT_EQ(buffer[18], 0xEE);
  EXPECT_EQ(offset, 0x12FE + 9);

  CMainView empty(65535, "");
  std::vector<uint8_t> grow;
  uint16_t o = 0xFFFF;
  empty.WriteDirectoryEntry(grow, 2, o);
  ASSERT_EQ(grow.size(), 27u);
  EXPECT_EQ(std::vector<uint8_t>(grow.begin() + 18, grow.end()),
            (std::vector<uint8_t>{0xFF, 0xFF, 0, 0xFF, 0xFE, 0x00, 0x00, 0xFF, 0xFF}));
  EXPECT_EQ(o, 0xFFFF);
}

TEST(IndexEntry, KindAndOffsetThenAdvance) {
  CTide t({0, 0});
  t.m_codeSize = 24;
  std::vector<uint8_t> out;
  uint16_t offset = 0x01F0;
  t.WriteIndexEntry(out, offset);
  EXPECT_EQ(out, (std::vector<uint8_t>{7, 0x01, 0xF0}));
  EXPECT_EQ(offset, 0x0208);
}

}  // namespace
}  // namespace tavo
