#pragma once

namespace tavo {

class CBase;

// The window side of an element: its property page. The editor implements
// these; the core's default does nothing, so the CLI and tests run without
// windows.
class PageHooks {
 public:
  virtual ~PageHooks() = default;
  // Copy the element's fields into its property page (with X and Y ranges).
  virtual void LoadPage(CBase& element) {}
  // Show the property page of this element's kind and hide the others.
  virtual void ShowPage(CBase& element) {}
  // Put m_x and m_y into the page's X and Y fields (after a drag or a clamp).
  virtual void ShowPosition(CBase& element) {}
  // Show the page of a screen (no element selected).
  virtual void ShowScreenPage() {}
};

PageHooks& CurrentPageHooks();
void SetPageHooks(PageHooks* hooks);  // nullptr restores the do-nothing hooks

}  // namespace tavo
