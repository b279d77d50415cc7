#pragma once

#include <memory>
#include <string>

#include "base/PanelSettings.h"
#include "model/ElementFactory.h"
#include "pages/BoundControls.h"
#include "pages/NumberBox.h"
#include "pages/PageLogic.h"
#include "plc/Catalogue.h"
#include "plc/Protocol.h"

namespace tavo::pagetest {

// Selects a protocol and its profile for the scope; restores the previous one.
class ProfileScope {
 public:
  explicit ProfileScope(uint8_t protocol, uint8_t panelStation = 1) : saved_(CurrentProtocol()) {
    PanelSettings s;
    s.m_commParam = panelStation;
    ApplyProtocol(protocol, s);
  }
  ~ProfileScope() {
    PanelSettings s;
    ApplyProtocol(saved_, s);
  }
  ProfileScope(const ProfileScope&) = delete;
  ProfileScope& operator=(const ProfileScope&) = delete;

 private:
  uint8_t saved_;
};

// What the pages asked of the editor.
struct RecordingEnv {
  int repaints = 0;
  int modified = 0;
  std::string row;
  app::PageEnv env{[this] { ++repaints; }, [this] { ++modified; },
                   [this](const std::string& d) { row = d; }};
};

// Types into a focused box as the user would, one keystroke a character at
// the end; returns the number of refused keystrokes.
inline int Type(app::NumberBox& box, const std::string& chars, bool clearFirst = true) {
  box.SetFocused(true);
  if (clearFirst) box.UserText("", true);
  int refused = 0;
  for (char c : chars)
    if (box.UserText(box.Text() + c, true) == app::NumberBox::Edit::Refused) ++refused;
  return refused;
}

// A new element of the kind created at an editor point and placed.
template <class T>
std::unique_ptr<T> Placed(uint8_t kind, Point at) {
  auto e = CreateElement(kind, at);
  e->PlaceAt(at.x, at.y);
  return std::unique_ptr<T>(static_cast<T*>(e.release()));
}

}  // namespace tavo::pagetest
