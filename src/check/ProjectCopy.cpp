#include "check/ProjectCopy.h"

#include "model/Project.h"

namespace tavo {

std::unique_ptr<Project> CopyForTrial(const Project& project) {
  auto copy = std::make_unique<Project>();
  copy->m_settings = project.m_settings;
  copy->m_alarmList = project.m_alarmList;
  copy->m_alarmList.FreeCode();
  copy->m_fileVersion = project.m_fileVersion;
  copy->m_curScreen = project.m_curScreen;
  copy->m_hasProject = project.m_hasProject;
  copy->m_screens.reserve(project.m_screens.size());
  for (const auto& screen : project.m_screens) {
    auto s = std::make_unique<CMainView>(screen->m_number, screen->m_description);
    s->m_upScreen = screen->m_upScreen;
    s->m_downScreen = screen->m_downScreen;
    s->m_elements.reserve(screen->m_elements.size());
    for (const auto& e : screen->m_elements) s->m_elements.push_back(e->Clone());
    copy->m_screens.push_back(std::move(s));
  }
  return copy;
}

}  // namespace tavo
