#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace tavo {

class CBase;
class CMainView;
class Project;

// What the editor puts on the clipboard: the project's text form
// (model/ProjectTextForm.h) of a project holding one screen, which holds the
// copied element or is the copied screen. Another editor pastes it into its
// own project; a text editor shows it as the JSON it is.
inline constexpr char kElementClipType[] = "application/x-tavo-element";
inline constexpr char kScreenClipType[] = "application/x-tavo-screen";

std::string ElementClipText(const CBase& element, uint8_t protocol);
std::string ScreenClipText(const CMainView& screen, uint8_t protocol);

// A clipboard text read back: its screen and the protocol it was copied under.
struct ClipContent {
  std::unique_ptr<CMainView> screen;
  uint8_t protocol = 0;
};
// False, `out` untouched, for a text that is no project text form or is too
// large to be one.
bool ReadClipText(std::string_view text, ClipContent& out);

// Makes an element copied under protocol `from` fit the current protocol:
// its register type keeps its name where the current protocol's list for the
// element's use holds it (station and address stay); otherwise type, station,
// address and sub-address take the current protocol's defaults. True when
// that happened.
bool AdaptToCurrentProtocol(CBase& element, uint8_t from);

struct PasteOutcome {
  bool pasted = false;
  bool addressesReset = false;  // some element took the current protocol's defaults
};
// Pastes the clipboard screen's elements onto the current screen, each where
// it was or, while an element of the same kind already sits there, 4 panel
// pixels right and down, kept on the display. The last pasted (the clipboard
// screen's head) is in front and selected.
PasteOutcome PasteElements(Project& project, ClipContent& clip);
// Adds the clipboard screen under the first free number after the current
// screen's (from 1 again past 65535) and makes it current. Nothing is pasted
// when every number is taken.
PasteOutcome PasteScreen(Project& project, ClipContent& clip);

}  // namespace tavo
