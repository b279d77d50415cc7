// Elements and screens through the clipboard's text, between projects of
// different protocols.
#include <gtest/gtest.h>

#include "model/ClipboardForm.h"
#include "model/Project.h"
#include "model/Screen.h"
#include "plc/Catalogue.h"
#include "plc/Protocol.h"

namespace tavo {
namespace {

struct ProtocolScope {
  explicit ProtocolScope(uint8_t protocol) { Use(protocol); }
  ~ProtocolScope() { Use(1); }
  void Use(uint8_t protocol) {
    PanelSettings s;
    ApplyProtocol(protocol, s);
  }
};

// A project under protocol 1 with a register of type "D" at address 1234,
// station 3, and a light of type "W".
struct Source {
  Source() {
    project.AddScreen(4, "泵站");
    CMainView* s = project.CurrentScreen();
    CBase* reg = s->AddElement(kKindRegister, {45, 27});
    reg->m_regType = 2;  // "D" of protocol 1's word types
    reg->m_addr = 1234;
    reg->m_station = 3;
    CBase* light = s->AddElement(kKindLight, {90, 54});
    light->m_regType = 1;  // "W"
    light->m_addr = 77;
  }
  Project project;
};

ClipContent Read(const std::string& text) {
  ClipContent clip;
  EXPECT_TRUE(ReadClipText(text, clip));
  return clip;
}

TEST(Clipboard, ElementKeepsATypeTheTargetProtocolHasAndTakesDefaultsOtherwise) {
  ProtocolScope scope(1);
  Source src;
  CMainView* from = src.project.CurrentScreen();
  const std::string regText = ElementClipText(*from->m_elements[1], 1);
  const std::string lightText = ElementClipText(*from->m_elements[0], 1);

  scope.Use(20);  // word types D, SD, Z, ...; bit types M, SM, Y, X, ...
  Project target;
  target.AddScreen(1, "");
  ClipContent reg = Read(regText);
  PasteOutcome out = PasteElements(target, reg);
  ASSERT_TRUE(out.pasted);
  EXPECT_FALSE(out.addressesReset);
  CBase* pasted = target.SelectedElement();
  ASSERT_NE(pasted, nullptr);
  EXPECT_EQ(pasted->m_kind, kKindRegister);
  EXPECT_EQ(pasted->m_regType, 0);  // "D" is first here
  EXPECT_EQ(pasted->m_addr, 1234);
  EXPECT_EQ(pasted->m_station, 3);
  EXPECT_EQ(pasted->m_x, 20);
  EXPECT_EQ(pasted->m_y, 12);

  ClipContent light = Read(lightText);
  out = PasteElements(target, light);
  EXPECT_TRUE(out.addressesReset);  // protocol 20 has no bit type "W"
  pasted = target.SelectedElement();
  EXPECT_EQ(pasted->m_kind, kKindLight);
  EXPECT_EQ(pasted->m_regType, 0);
  EXPECT_EQ(pasted->m_addr, DefaultAddress(20));
  EXPECT_EQ(pasted->m_station, DefaultStation(20));
  EXPECT_TRUE(target.IsModified());
}

TEST(Clipboard, PastingOverAnIdenticalElementMovesItDownRightWithinTheDisplay) {
  ProtocolScope scope(1);
  Project p;
  p.AddScreen(1, "");
  CBase* text = p.CurrentScreen()->AddElement(kKindText, {0, 0});
  const std::string clip = ElementClipText(*text, 1);
  for (int i = 1; i <= 3; ++i) {
    ClipContent c = Read(clip);
    PasteElements(p, c);
    EXPECT_EQ(p.SelectedElement()->m_x, 4 * i);
    EXPECT_EQ(p.SelectedElement()->m_y, 4 * i);
  }
  // At the bottom right corner the copy stays on the display.
  text->m_x = 192 - text->m_rect.Width() * 4 / 9;
  text->m_y = 48;
  text->PlaceAtStoredPosition();
  ClipContent c = Read(ElementClipText(*text, 1));
  PasteElements(p, c);
  EXPECT_TRUE(p.SelectedElement()->IsInsideDisplay());
  EXPECT_EQ(p.CurrentScreen()->ElementCount(), 5u);
}

TEST(Clipboard, ScreenPastesUnderTheNextFreeNumberWithItsElements) {
  ProtocolScope scope(3);  // 4x, 3x
  Source src;              // made under protocol 3: its type indexes are 3's
  const std::string text = ScreenClipText(*src.project.CurrentScreen(), 3);
  scope.Use(16);  // the same lists as protocol 3
  Project target;
  target.AddScreen(1, "");
  target.AddScreen(2, "");
  target.AddScreen(4, "");
  target.m_curScreen = 0;
  ClipContent clip = Read(text);
  const PasteOutcome out = PasteScreen(target, clip);
  ASSERT_TRUE(out.pasted);
  EXPECT_FALSE(out.addressesReset);
  ASSERT_EQ(target.ScreenCount(), 4u);
  const CMainView* pasted = target.CurrentScreen();
  EXPECT_EQ(pasted->m_number, 3);
  EXPECT_EQ(pasted->m_description, src.project.CurrentScreen()->m_description);
  EXPECT_EQ(pasted->m_upScreen, 2);
  ASSERT_EQ(pasted->ElementCount(), 2u);
  EXPECT_EQ(pasted->m_elements[1]->m_addr, 1234);
  EXPECT_EQ(pasted->m_elements[1]->m_regType, 2);

  ClipContent none;
  EXPECT_FALSE(ReadClipText("{\"format\": \"other\"}", none));
  EXPECT_FALSE(ReadClipText("not json", none));
  EXPECT_EQ(none.screen, nullptr);
}

}  // namespace
}  // namespace tavo
