#include <map>

#include "check/CheckContext.h"
#include "download/ImageCompiler.h"
#include "elements/Function.h"
#include "elements/KeyNames.h"
#include "model/Project.h"

// Screen numbers, the screens that keys, the start and the screen saver lead
// to, the element count of a screen and keys bound twice on one screen.
namespace tavo {

namespace {

// The key's name; an index past the keypad only a damaged file holds.
Phrase KeyName(uint8_t index) {
  if (index < kKeyCount) return Phrase(kKeyNamesContext, kKeyNames[index]);
  return FindingText(TAVO_TRANSLATE_NOOP("tavo::check::ProjectCheck", "按键%1"),
                     {std::to_string(index)});
}

bool Exists(const Project& p, uint16_t number) {
  return p.FindScreen(number).found;
}

void CheckSettingsScreens(CheckContext& c) {
  const Project& p = c.project;
  if (p.m_screens.empty()) return;
  const std::string first = std::to_string(p.m_screens.front()->m_number);
  const PanelSettings& s = p.m_settings;
  if (!Exists(p, s.m_startScreen))
    c.AddProject(Severity::kWarning, "start-screen",
                 FindingText(TAVO_TRANSLATE_NOOP("tavo::check::ProjectCheck",
                                                 "初始画面%1不存在，下载时改用%2号画面"),
                             {std::to_string(s.m_startScreen), first}));
  if (s.m_saverAction == 1 && !Exists(p, s.m_saverScreen))
    c.AddProject(Severity::kWarning, "saver-screen",
                 FindingText(TAVO_TRANSLATE_NOOP("tavo::check::ProjectCheck",
                                                 "屏幕保护画面%1不存在，下载时改用%2号画面"),
                             {std::to_string(s.m_saverScreen), first}));
}

// Up and Down lead nowhere when their target does not exist. Every new
// screen gets number - 1 and number + 1, so the first screen's Up and the
// last one's Down lead past the ends as made: only a target someone chose
// is worth a note (0 is no target).
void CheckKeyTargets(CheckContext& c, const CMainView& screen) {
  const Project& p = c.project;
  const auto up = static_cast<uint16_t>(screen.m_number - 1);
  const auto down = static_cast<uint16_t>(screen.m_number + 1);
  if (screen.m_upScreen != 0 && screen.m_upScreen != up && !Exists(p, screen.m_upScreen))
    c.Add(Severity::kNote, "up-target", &screen, SIZE_MAX,
          FindingText(TAVO_TRANSLATE_NOOP("tavo::check::ProjectCheck",
                                          "%1号画面按‘↑’键转到的%2号画面不存在"),
                      {std::to_string(screen.m_number), std::to_string(screen.m_upScreen)}));
  if (screen.m_downScreen != 0 && screen.m_downScreen != down && !Exists(p, screen.m_downScreen))
    c.Add(Severity::kNote, "down-target", &screen, SIZE_MAX,
          FindingText(TAVO_TRANSLATE_NOOP("tavo::check::ProjectCheck",
                                          "%1号画面按‘↓’键转到的%2号画面不存在"),
                      {std::to_string(screen.m_number), std::to_string(screen.m_downScreen)}));
}

void CheckKeys(CheckContext& c, const CMainView& screen) {
  std::map<uint8_t, size_t> firstOfKey;
  for (size_t i = 0; i < screen.m_elements.size(); ++i) {
    const auto* key = dynamic_cast<const CFunction*>(screen.m_elements[i].get());
    if (!key || key->m_kind != kKindKey) continue;
    if (key->m_action == kActionJump && key->m_jumpKind == 0 && !Exists(c.project, key->m_screenNo))
      c.Add(
          Severity::kError, "jump-target", &screen, i,
          FindingText(TAVO_TRANSLATE_NOOP("tavo::check::ProjectCheck", "%1跳转到的%2号画面不存在"),
                      {Describe(*key), std::to_string(key->m_screenNo)}));
    if (key->m_action == kActionJump && key->m_jumpKind == 1 &&
        c.project.m_alarmList.m_alarmTexts.empty())
      c.Add(Severity::kWarning, "alarm-jump-empty", &screen, i,
            FindingText(TAVO_TRANSLATE_NOOP("tavo::check::ProjectCheck",
                                            "%1跳转到报警列表，但报警列表没有内容"),
                        {Describe(*key)}));
    auto [at, inserted] = firstOfKey.emplace(key->m_picStyle, i);
    if (!inserted)
      c.Add(Severity::kError, "duplicate-key", &screen, i,
            FindingText(TAVO_TRANSLATE_NOOP("tavo::check::ProjectCheck",
                                            "%1与%2是同一个%3，面板只执行其中一个"),
                        {Describe(*key), Describe(*screen.m_elements[at->second]),
                         KeyName(key->m_picStyle)}));
  }
}

}  // namespace

void CheckScreens(CheckContext& c) {
  CheckSettingsScreens(c);
  std::map<uint16_t, int> seen;
  for (const auto& screen : c.project.m_screens) {
    if (seen[screen->m_number]++ == 1)
      c.Add(Severity::kError, "duplicate-screen", screen.get(), SIZE_MAX,
            FindingText(TAVO_TRANSLATE_NOOP("tavo::check::ProjectCheck", "画面号%1重复"),
                        {std::to_string(screen->m_number)}));
    if (screen->ElementCount() > kMaxScreenElements)
      c.Add(Severity::kError, "too-many-elements", screen.get(), SIZE_MAX,
            Phrase(compile_text::kContext, compile_text::kTooManyElements,
                   {std::to_string(screen->m_number), std::to_string(screen->ElementCount())}));
    CheckKeyTargets(c, *screen);
    CheckKeys(c, *screen);
  }
}

}  // namespace tavo
