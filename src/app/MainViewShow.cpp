#include "app/MainView.h"
#include "app/ProjectChecker.h"

// Showing the element a finding of the check or a use of an address names.

namespace tavo::app {

bool MainView::ShowElement(const ElementRef& ref) {
  if (!ProjectOpen() || !ref.screen) return false;
  EndEdit();
  // The screen and element are found by identity: an edit since the check
  // may have moved them in their lists.
  const auto& screens = project_->m_screens;
  size_t position = screens.size();
  for (size_t i = 0; i < screens.size(); ++i)
    if (screens[i].get() == ref.screen) position = i;
  if (position == screens.size()) {
    const Project::Found found = project_->FindScreen(ref.number);
    if (!found.found) return false;
    position = found.position;
  }
  const CMainView& screen = *screens[position];
  size_t element = screen.m_elements.size();
  for (size_t i = 0; ref.element && i < screen.m_elements.size(); ++i)
    if (screen.m_elements[i].get() == ref.element) element = i;

  controller_.FinishGesture();
  // A new order of the screen left goes with the next step, as a click in
  // the screen list leaves it.
  history_->Note();
  project_->SelectScreen(position);
  if (element < screen.m_elements.size()) {
    project_->CurrentScreen()->Select(element);
    project_->m_elementSelected = true;
  }
  controller_.m_selectMode = project_->m_elementSelected ? 0 : 1;
  SelectCurrentRow();
  RepaintDisplay();
  emit Changed();
  return true;
}

}  // namespace tavo::app
