// Images made by the compiler, read by the runtime: every reference lands in
// its area, every glyph and picture is the one the project asked for, and
// every element covers on the panel what it covers on the editor's display.
#include <gtest/gtest.h>

#include <filesystem>

#include "base/Gbk.h"
#include "download/ImageTestSupport.h"
#include "elements/Bar.h"
#include "elements/Chars.h"
#include "elements/Dynamic.h"
#include "elements/Function.h"
#include "elements/Light.h"
#include "elements/Register.h"
#include "elements/Tide.h"
#include "elements/UpLoadPic.h"
#include "model/ProjectFile.h"
#include "panel/PanelRuntime.h"
#include "render/EditorPictures.h"
#include "render/FontLibrary.h"
#include "support/ScriptedPrompter.h"

namespace tavo {
namespace {

using panel::PanelBitmap;
using panel::PanelBox;
using panel::PanelKey;
using panel::PanelRuntime;
using test::ImageProject;

// The elements of a screen in the order of their records: every element but
// the numeric registers in element order, then the registers by text row and
// character column.
std::vector<const CBase*> RecordOrder(const CMainView& screen) {
  std::vector<const CBase*> out;
  std::vector<uint8_t> cursor;
  for (size_t i = 0; i < screen.m_elements.size(); ++i) {
    const CBase& e = *screen.m_elements[i];
    if (e.m_kind == kKindRegister)
      e.WriteCursorEntry(cursor, static_cast<uint8_t>(i));
    else
      out.push_back(&e);
  }
  SortCursorEntries(cursor);
  for (uint8_t i : cursor) out.push_back(screen.m_elements[i].get());
  return out;
}

// Every screen of the project: the runtime's elements match the editor's in
// kind, order, position and size.
void ExpectBoxesAgree(Project& project, PanelRuntime& rt, const std::string& name) {
  for (size_t s = 0; s < project.ScreenCount(); ++s) {
    const CMainView& screen = *project.ScreenAt(s);
    ASSERT_TRUE(rt.ShowScreen(screen.m_number)) << name;
    const std::vector<const CBase*> editor = RecordOrder(screen);
    ASSERT_EQ(rt.Elements().size(), editor.size()) << name << " screen " << screen.m_number;
    for (size_t i = 0; i < editor.size(); ++i) {
      const CBase& e = *editor[i];
      const Rect r = e.m_rect;
      const PanelBox expected{EditorToPanel(r.left), EditorToPanel(r.top),
                              EditorToPanel(r.left) + EditorToPanel(r.Width()),
                              EditorToPanel(r.top) + EditorToPanel(r.Height())};
      EXPECT_EQ(rt.Elements()[i].kind, e.m_kind) << name << " screen " << screen.m_number;
      const PanelBox got = rt.Elements()[i].box;
      EXPECT_EQ(got, expected) << name << " screen " << screen.m_number << " element " << i
                               << " kind " << int(e.m_kind) << ": runtime (" << got.left << ","
                               << got.top << ")-(" << got.right << "," << got.bottom
                               << "), editor (" << expected.left << "," << expected.top << ")-("
                               << expected.right << "," << expected.bottom << ")";
    }
    rt.Render();
    EXPECT_TRUE(rt.Problems().empty()) << name << ": " << rt.Problems().front();
  }
}

// A glyph of the font library at (x, y) on the display, lit pixels and dark
// ones alike, `scale` panel pixels per glyph pixel.
void ExpectGlyphAt(const PanelBitmap& b, const GlyphBitmap& g, int x, int y, int scale,
                   bool inverse) {
  int lit = 0;
  for (int gy = 0; gy < 16; ++gy)
    for (int gx = 0; gx < g.width; ++gx) {
      lit += g.Lit(gx, gy);
      ASSERT_EQ(b.Lit(x + gx * scale, y + gy * scale), g.Lit(gx, gy) != inverse)
          << "glyph pixel " << gx << "," << gy;
    }
  ASSERT_GT(lit, 0) << "blank glyph: are the font libraries there?";
}

class CompiledPreview : public ::testing::Test {
 protected:
  CompiledPreview() : p(3) {
    // Screen 1: text, two registers out of row order, lights, keys (hand,
    // hidden), picture, bar; screen 2: dynamic text, trend, a jump key.
    p.Add<CChars>(1, 0, 0, Point{0, 0}, "Ab" + G("温度"));
    CRegister& r2 = p.Add<CRegister>(1, 120, 48, Point{0, 0});
    r2.m_addr = 21;
    r2.m_settable = 1;
    CRegister& r1 = p.Add<CRegister>(1, 72, 16, Point{0, 0});
    r1.m_settable = 1;
    r1.m_addr = 20;
    r1.m_decimals = 1;
    r1.m_double = 1;
    CLight& lamp = p.Add<CLight>(1, 64, 0, Point{0, 0});
    lamp.m_addr = 7;
    lamp.m_picStyle = 1;
    CFunction& hand = p.Add<CFunction>(1, 0, 32, Point{0, 0});
    hand.m_hand = 1;
    hand.m_picStyle = 6;  // ENT
    hand.m_action = 0;
    hand.m_coilOp = 2;  // toggle
    hand.m_addr = 7;
    CFunction& hidden = p.Add<CFunction>(1, 40, 32, Point{0, 0});
    hidden.m_hidden = 1;
    hidden.m_picStyle = 4;  // Up
    hidden.m_action = 1;
    hidden.m_screenNo = 2;
    CUpLoadPic& pic = p.Add<CUpLoadPic>(1, 80, 48, Point{0, 0}, 10, 10);
    pic.m_bits.assign(pic.m_bits.size(), 0);
    pic.m_bits[(10 - 1 - 3) * 4] = 0x10;  // pixel (3, 3)
    pic.m_captured = 1;
    p.Add<CBar>(1, 170, 0, Point{0, 0});
    CDynamic& dyn = p.Add<CDynamic>(2, 8, 0, Point{0, 0}, G("停止"));
    dyn.m_addr = 30;
    dyn.m_texts[1] = "RUN";
    dyn.m_valueTexts[1] = "2";
    dyn.m_values[1] = 2;
    p.Add<CTide>(2, 0, 16, Point{0, 0});
    p.project.m_alarmList.m_alarmTexts = {"E1", G("温")};
    for (size_t s = 0; s < p.project.ScreenCount(); ++s)
      for (auto& e : p.project.ScreenAt(s)->m_elements) e->PlaceAtStoredPosition();
    image = p.Compile();
  }

  ImageProject p;
  CompiledImage image;
};

TEST_F(CompiledPreview, EveryElementWhereTheEditorShowsIt) {
  ASSERT_TRUE(image.Ok());
  PanelRuntime rt;
  ASSERT_TRUE(rt.Load(image.image)) << rt.Notice();
  EXPECT_TRUE(rt.Problems().empty()) << rt.Problems().front();
  ExpectBoxesAgree(p.project, rt, "small project");
}

TEST_F(CompiledPreview, GlyphsAndPicturesAreTheOnesAskedFor) {
  ASSERT_TRUE(image.Ok());
  PanelRuntime rt;
  ASSERT_TRUE(rt.Load(image.image));
  const PanelFont& font = PanelFont::Shared();
  PanelBitmap b = rt.Render();
  ExpectGlyphAt(b, font.Narrow('A'), 0, 0, 1, false);
  ExpectGlyphAt(b, font.Narrow('b'), 8, 0, 1, false);
  const std::string wen = G("温"), du = G("度");
  ExpectGlyphAt(b, font.Wide(uint8_t(wen[0]), uint8_t(wen[1])), 16, 0, 1, false);
  ExpectGlyphAt(b, font.Wide(uint8_t(du[0]), uint8_t(du[1])), 32, 0, 1, false);
  // The square lamp off, then on after the ENT key toggles its coil.
  auto slotAt = [&](int x, int y, const std::array<uint8_t, 32>& slot) {
    for (int row = 0; row < 16; ++row)
      for (int col = 0; col < 16; ++col)
        ASSERT_EQ(b.Lit(x + col, y + row), ((slot[(row / 8) * 16 + col] >> (row % 8)) & 1) != 0)
            << col << "," << row;
  };
  slotAt(64, 0, LightPictures()[2]);
  rt.PressKey(PanelKey::Ent);
  b = rt.Render();
  slotAt(64, 0, LightPictures()[3]);
  // The hand and the ENT face, from the panel bitmaps of the key pictures.
  slotAt(0, 32, *PanelKeyBitmap(kHandKeyId));
  slotAt(16, 32, *PanelKeyBitmap(6));
  // The picture's one bright pixel.
  int lit = 0;
  for (int y = 48; y < 58; ++y)
    for (int x = 80; x < 90; ++x) lit += b.Lit(x, y);
  EXPECT_EQ(lit, 1);
  EXPECT_TRUE(b.Lit(83, 51));
}

TEST_F(CompiledPreview, KeysRegistersDynamicTextsAndAlarms) {
  ASSERT_TRUE(image.Ok());
  PanelRuntime rt;
  ASSERT_TRUE(rt.Load(image.image));
  // Registers are entered in row order: the one at y 16 first.
  rt.PressKey(PanelKey::Set);
  ASSERT_TRUE(rt.EntryElement());
  EXPECT_EQ(rt.Elements()[*rt.EntryElement()].y, 16);
  rt.PressKey(PanelKey::Esc);
  // The hidden Up key jumps to screen 2.
  rt.PressKey(PanelKey::Up);
  ASSERT_EQ(rt.CurrentScreen(), 2);
  const auto bindings = rt.Bindings();
  ASSERT_EQ(bindings.size(), 2u);
  const panel::PlcKey dynamicItem = bindings[0].key;
  const PanelFont& font = PanelFont::Shared();
  rt.Plc().Set(dynamicItem, 1);
  const std::string ting = G("停");
  ExpectGlyphAt(rt.Render(), font.Wide(uint8_t(ting[0]), uint8_t(ting[1])), 8, 0, 1, false);
  rt.Plc().Set(dynamicItem, 2);
  ExpectGlyphAt(rt.Render(), font.Narrow('R'), 8, 0, 1, false);
  // Both alarms on: their texts one per line.
  std::vector<std::string> problems;
  const panel::AlarmList alarms = panel::ReadAlarmList(rt.Image(), problems);
  EXPECT_TRUE(problems.empty());
  ASSERT_EQ(alarms.entries.size(), 2u);
  for (size_t j = 0; j < 2; ++j) {
    const panel::AlarmBit bit = panel::AlarmBitOf(alarms, j, rt.Image().Header().wordStep);
    rt.Plc().Set(bit.key, rt.Plc().Get(bit.key) | (1u << bit.bit));
  }
  rt.PressKey(PanelKey::Alm);
  ASSERT_EQ(rt.View(), panel::PanelView::AlarmList);
  const PanelBitmap b = rt.Render();
  ExpectGlyphAt(b, font.Narrow('E'), 0, 0, 1, false);
  ExpectGlyphAt(b, font.Narrow('1'), 8, 0, 1, false);
  const std::string wen = G("温");
  ExpectGlyphAt(b, font.Wide(uint8_t(wen[0]), uint8_t(wen[1])), 0, 16, 1, false);
}

// The example projects: every screen's elements where the editor shows them.
TEST(ExampleProjects, PreviewMatchesTheEditor) {
  const std::filesystem::path dir = std::filesystem::path(TAVO_SOURCE_DIR) / "examples";
  std::vector<std::filesystem::path> files;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(dir, ec))
    if (entry.path().extension() == ".orx") files.push_back(entry.path());
  // The examples are part of the sources: none found is a fault, not a skip.
  ASSERT_FALSE(files.empty()) << "no example projects in " << dir;
  std::sort(files.begin(), files.end());
  for (const auto& file : files) {
    test::ScriptedPrompter prompter;
    Project project;
    ASSERT_TRUE(ReadProjectFile(project, file.string())) << file;
    const CompiledImage image = CompileImageForPreview(project);
    ASSERT_TRUE(image.Ok()) << file;
    PanelRuntime rt;
    ASSERT_TRUE(rt.Load(image.image)) << file;
    EXPECT_TRUE(rt.Problems().empty()) << file << ": " << rt.Problems().front();
    ExpectBoxesAgree(project, rt, file.filename().string());
    EXPECT_GT(image.elements, project.ScreenCount()) << file << ": nearly empty example";
  }
}

}  // namespace
}  // namespace tavo
