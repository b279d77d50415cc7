#include "model/ClipboardForm.h"

#include "elements/Function.h"
#include "model/PageHooks.h"
#include "model/Project.h"
#include "model/ProjectTextForm.h"
#include "plc/Catalogue.h"
#include "plc/Protocol.h"

namespace tavo {

namespace {

std::string OneScreenText(std::unique_ptr<CMainView> screen, uint8_t protocol) {
  Project holder;
  holder.m_screens.push_back(std::move(screen));
  return ProjectToTextForm(holder, protocol);
}

// The type list an element's register type indexes; 0 for elements without
// a PLC address.
uint8_t TypeUse(const CBase& e) {
  switch (e.m_kind) {
    case kKindLight:
      return kUseBitRead;
    case kKindKey:
      return static_cast<const CFunction&>(e).m_action == kActionSetCoil ? kUseBitWrite : kUseWord;
    case kKindRegister:
    case kKindDynamic:
    case kKindBar:
    case kKindTrend:
      return kUseWord;
    default:
      return 0;
  }
}

bool SamePlace(const CBase& a, const CBase& b) {
  return a.m_kind == b.m_kind && a.m_x == b.m_x && a.m_y == b.m_y;
}

}  // namespace

std::string ElementClipText(const CBase& element, uint8_t protocol) {
  auto screen = std::make_unique<CMainView>(1, "");
  screen->m_elements.push_back(element.Clone());
  return OneScreenText(std::move(screen), protocol);
}

std::string ScreenClipText(const CMainView& screen, uint8_t protocol) {
  auto copy = std::make_unique<CMainView>(screen.m_number, "");
  copy->m_upScreen = screen.m_upScreen;
  copy->m_downScreen = screen.m_downScreen;
  copy->CopyContentFrom(screen);
  return OneScreenText(std::move(copy), protocol);
}

bool ReadClipText(std::string_view text, ClipContent& out) {
  if (text.size() > kMaxTextFormBytes) return false;
  Project read;
  ReadInfo info;
  TextFormError error;
  if (!ReadTextForm(text, read, info, error) || read.m_screens.empty()) return false;
  out.screen = std::move(read.m_screens.front());
  out.protocol = info.protocol;
  return true;
}

bool AdaptToCurrentProtocol(CBase& e, uint8_t from) {
  const uint8_t use = TypeUse(e);
  const uint8_t to = CurrentProtocol();
  if (use == 0 || from == to) return false;
  // The profile must outlive the list that refers into it.
  const ProtocolProfile fromProfile = BuildProfile(from, 0);
  const auto& source = TypeList(fromProfile, use);
  const auto& target = TypeList(CurrentProfile(), use);
  if (e.m_regType < source.size()) {
    const std::string& name = source[e.m_regType];
    for (size_t i = 0; i < target.size(); ++i) {
      if (target[i] == name) {
        e.m_regType = static_cast<uint8_t>(i);
        return false;
      }
    }
  }
  e.m_regType = 0;
  e.m_subType = 0;
  e.m_station = DefaultStation(to);
  e.m_addr = DefaultAddress(to);
  e.m_subAddr = 0;
  return true;
}

PasteOutcome PasteElements(Project& project, ClipContent& clip) {
  PasteOutcome outcome;
  CMainView* screen = project.CurrentScreen();
  if (!screen || !clip.screen || clip.screen->m_elements.empty()) return outcome;
  auto& pasted = clip.screen->m_elements;
  // From the tail, so that the clipboard's head ends up in front.
  for (auto it = pasted.rbegin(); it != pasted.rend(); ++it) {
    std::unique_ptr<CBase> e = std::move(*it);
    if (AdaptToCurrentProtocol(*e, clip.protocol)) outcome.addressesReset = true;
    // Every step must move it: at most one step per element already there.
    for (size_t tries = 0; tries <= screen->m_elements.size(); ++tries) {
      bool taken = false;
      for (const auto& other : screen->m_elements) taken = taken || SamePlace(*other, *e);
      if (!taken) break;
      e->m_x += 4;
      e->m_y += 4;
    }
    e->PlaceAtStoredPosition();
    if (!e->IsInsideDisplay()) e->ClampToDisplay();
    screen->m_elements.insert(screen->m_elements.begin(), std::move(e));
  }
  pasted.clear();
  project.m_elementSelected = true;
  project.SetModified();
  screen->Head()->ShowPage();
  screen->Head()->LoadPage();
  outcome.pasted = true;
  return outcome;
}

PasteOutcome PasteScreen(Project& project, ClipContent& clip) {
  PasteOutcome outcome;
  if (!clip.screen) return outcome;
  const CMainView* current = project.CurrentScreen();
  unsigned number = current ? current->m_number : 0;
  bool free = false;
  for (unsigned tries = 0; tries < 65535 && !free; ++tries) {
    number = number >= 65535 ? 1 : number + 1;
    free = !project.FindScreen(static_cast<uint16_t>(number)).found;
  }
  if (!free) return outcome;
  for (auto& e : clip.screen->m_elements)
    if (AdaptToCurrentProtocol(*e, clip.protocol)) outcome.addressesReset = true;
  CMainView& added = project.AddScreen(static_cast<uint16_t>(number), "");
  added.CopyContentFrom(*clip.screen);
  clip.screen.reset();
  project.SetModified();
  CurrentPageHooks().ShowScreenPage();
  outcome.pasted = true;
  return outcome;
}

}  // namespace tavo
