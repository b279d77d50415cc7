#include "model/Project.h"

#include <cstdio>

#include "base/Substitute.h"
#include "base/Texts.h"
#include "model/PageHooks.h"
#include "plc/PlcSelection.h"
#include "plc/Protocol.h"
#include "plc/ProtocolFiles.h"
#include "plc/ProtocolTraits.h"

namespace tavo {

namespace {

constexpr const char* kContext = "tavo::model::Project";

// A message in the user's language, the screen number put in for %1.
std::string Say(const char* pattern, unsigned n) {
  return Substitute(Translate(kContext, pattern), {std::to_string(n)});
}

std::string Tr(const char* text) {
  return Translate(kContext, text);
}

const char* const kScreenExists = TAVO_TRANSLATE_NOOP("tavo::model::Project", "画面已存在");
const char* const kUntitled = TAVO_TRANSLATE_NOOP("tavo::model::Project", "无标题");

}  // namespace

const char* const kNewProjectTitle = TAVO_TRANSLATE_NOOP("tavo::model::Project", "新文件");

// Shown translated (context tavo::model::Project); the stored value is the index.
const char* const kSaverDelayNames[11] = {
    TAVO_TRANSLATE_NOOP("tavo::model::Project", "从不"),
    TAVO_TRANSLATE_NOOP("tavo::model::Project", "1分钟后"),
    TAVO_TRANSLATE_NOOP("tavo::model::Project", "2分钟后"),
    TAVO_TRANSLATE_NOOP("tavo::model::Project", "3分钟后"),
    TAVO_TRANSLATE_NOOP("tavo::model::Project", "5分钟后"),
    TAVO_TRANSLATE_NOOP("tavo::model::Project", "10分钟后"),
    TAVO_TRANSLATE_NOOP("tavo::model::Project", "15分钟后"),
    TAVO_TRANSLATE_NOOP("tavo::model::Project", "20分钟后"),
    TAVO_TRANSLATE_NOOP("tavo::model::Project", "30分钟后"),
    TAVO_TRANSLATE_NOOP("tavo::model::Project", "45分钟后"),
    TAVO_TRANSLATE_NOOP("tavo::model::Project", "1小时后"),
};

bool SaveProject(Project& project);  // model/ProjectFile.h

Project::Project() : m_save(SaveProject) {
  m_settings.m_ctrlStation = TraitsOf(CurrentProtocol()).controlStation;
}

CMainView& Project::AddScreen(uint16_t number, const std::string& description) {
  auto screen = std::make_unique<CMainView>(number, description);
  CMainView& ref = *screen;
  size_t pos = 0;
  while (pos < m_screens.size() && m_screens[pos]->m_number <= number) ++pos;
  m_screens.insert(m_screens.begin() + static_cast<long>(pos), std::move(screen));
  m_curScreen = static_cast<uint16_t>(pos);
  m_elementSelected = false;
  CurrentPageHooks().ShowScreenPage();
  return ref;
}

Project::Found Project::FindScreen(uint16_t number) const {
  for (size_t i = 0; i < m_screens.size(); ++i) {
    if (m_screens[i]->m_number == number) return {true, i};
    if (m_screens[i]->m_number > number) return {false, i};
  }
  return {false, m_screens.size()};
}

CMainView* Project::ScreenAt(size_t position) const {
  return position < m_screens.size() ? m_screens[position].get() : nullptr;
}

void Project::RemoveScreenAt(size_t position) {
  if (position < m_screens.size()) m_screens.erase(m_screens.begin() + static_cast<long>(position));
}

void Project::DeleteAllScreens() {
  m_screens.clear();
  m_curScreen = 0;
  m_elementSelected = false;
}

bool Project::SelectScreen(size_t position) {
  if (position >= m_screens.size()) return false;
  m_curScreen = static_cast<uint16_t>(position);
  m_elementSelected = false;
  CurrentPageHooks().ShowScreenPage();
  return true;
}

bool Project::NewScreen(uint16_t number, const std::string& description) {
  if (FindScreen(number).found) {
    CurrentPrompter().Message(
        Say(TAVO_TRANSLATE_NOOP("tavo::model::Project", "%1号画面已存在"), number),
        Tr(kScreenExists), MessageIcon::Warning);
    return false;
  }
  AddScreen(number, description);
  SetModified();
  return true;
}

void Project::CopyScreen(uint16_t target) {
  CMainView* current = CurrentScreen();
  if (!current) return;
  if (target == current->m_number) {
    CurrentPrompter().Message(
        Tr(TAVO_TRANSLATE_NOOP("tavo::model::Project", "复制画面号和当前画面号相同!!!")),
        Tr(TAVO_TRANSLATE_NOOP("tavo::model::Project", "画面号相同")), MessageIcon::Warning);
    return;
  }
  Found f = FindScreen(target);
  if (!f.found) {
    size_t p = m_curScreen;
    if (target < current->m_number) ++p;  // the new screen goes in before the source
    AddScreen(target, "");
    CurrentScreen()->CopyContentFrom(*m_screens[p]);
  } else {
    if (!CurrentPrompter().OkCancel(
            Say(TAVO_TRANSLATE_NOOP("tavo::model::Project", "%1号画面已经存在，要替换吗?"), target),
            Tr(kScreenExists)))
      return;
    CMainView* dest = m_screens[f.position].get();
    dest->ClearElements();
    dest->CopyContentFrom(*current);
    m_curScreen = static_cast<uint16_t>(f.position);
  }
  m_elementSelected = false;
  SetModified();
  CurrentPageHooks().ShowScreenPage();
}

void Project::DeleteScreen() {
  CMainView* current = CurrentScreen();
  if (!current) return;
  if (!CurrentPrompter().OkCancel(
          Say(TAVO_TRANSLATE_NOOP("tavo::model::Project", "确实要删除%1号画面吗?"),
              current->m_number),
          Tr(TAVO_TRANSLATE_NOOP("tavo::model::Project", "删除画面"))))
    return;
  const bool wasLast = m_curScreen + 1u == m_screens.size();
  RemoveScreenAt(m_curScreen);
  if (m_screens.empty()) {
    m_curScreen = 0;
    AddScreen(1, "");
  } else if (wasLast) {
    m_curScreen = static_cast<uint16_t>(m_screens.size() - 1);
  }
  m_elementSelected = false;
  SetModified();
  CurrentPageHooks().ShowScreenPage();
}

void Project::DeleteKey() {
  CMainView* screen = CurrentScreen();
  if (!screen) return;
  if (m_elementSelected) {
    screen->DeleteSelected();
    m_elementSelected = false;
    SetModified();
    CurrentPageHooks().ShowScreenPage();
  } else {
    DeleteScreen();
  }
}

CBase* Project::PlaceElement(uint8_t kind, Point at) {
  CMainView* screen = CurrentScreen();
  if (!screen) return nullptr;
  CBase* e = screen->AddElement(kind, at);
  if (e) {
    m_elementSelected = true;
    SetModified();
  }
  return e;
}

bool Project::ClickAt(Point at) {
  CMainView* screen = CurrentScreen();
  if (!screen) return false;
  m_elementSelected = screen->SelectAt(at);
  if (!m_elementSelected) CurrentPageHooks().ShowScreenPage();
  return m_elementSelected;
}

CBase* Project::SelectedElement() const {
  CMainView* screen = CurrentScreen();
  return m_elementSelected && screen ? screen->Head() : nullptr;
}

void Project::ResetSettings() {
  PanelSettings& s = m_settings;
  s.m_password = 0;
  s.m_startScreen = 1;
  s.m_ctrlStation = TraitsOf(CurrentProtocol()).controlStation;
  s.m_ctrlRegAddr = 0;
  s.m_ctrlRegType = 0;
  s.m_saverScreen = 1;
  s.m_saverDelay = 3;
  s.m_ctrlFlags = 0;
}

void Project::ApplyLineSettings(const PlcChoice& c) {
  ApplyChoice(c, m_settings);
}

std::string Project::ShownTitle() const {
  return m_title == kNewProjectTitle ? Tr(kNewProjectTitle) : m_title;
}

bool Project::SaveModified() {
  if (!m_hasProject || !m_modified) return true;
  const std::string name = !m_path.empty()    ? m_path
                           : !m_title.empty() ? ShownTitle()
                                              : Tr(kUntitled);
  Answer a = CurrentPrompter().YesNoCancel(
      Substitute(Tr(TAVO_TRANSLATE_NOOP("tavo::model::Project", "将改动保存到 %1？")), {name}), "");
  if (a == Answer::Cancel) return false;
  if (a == Answer::No) return true;
  return m_save ? m_save(*this) : false;
}

bool Project::NewProject() {
  if (!m_protocolFileOk()) return false;
  if (!SaveModified()) return false;
  auto choice = CurrentPrompter().ChoosePlc(ChoiceFromSettings(m_settings, CurrentProtocol()));
  if (!choice) return false;
  DeleteAllScreens();
  m_path.clear();
  m_title = kNewProjectTitle;
  SetCurrentProtocol(choice->protocol);
  ApplyLineSettings(*choice);
  ResetSettings();
  m_alarmList.Reset();
  ApplyProtocol(choice->protocol);
  AddScreen(1, "");
  m_hasProject = true;
  m_modified = false;
  return true;
}

}  // namespace tavo
