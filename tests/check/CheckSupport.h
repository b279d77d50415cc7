#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "base/Gbk.h"
#include "check/ProjectCheck.h"
#include "elements/AlarmList.h"
#include "model/Project.h"
#include "render/FontLibrary.h"
#include "support/ProfileScope.h"
#include "support/TempDir.h"

namespace tavo::test {

// Font libraries whose glyphs are all lit but for '~' and the wide cell of
// "啊" (0xB0A1), so that a blank glyph is known.
inline const PanelFont& LitFont() {
  static const PanelFont font = [] {
    TempDir dir;
    std::vector<uint8_t> english(kEnglishLibraryBytes, 0xFF);
    std::fill_n(english.begin() + '~' * kEnglishGlyphBytes, kEnglishGlyphBytes, 0);
    std::vector<uint8_t> chinese(kChineseLibraryBytes, 0xFF);
    std::fill_n(chinese.begin() + *ChineseGlyphOffset(0xB0, 0xA1), kChineseGlyphBytes, 0);
    WriteBytes(dir.File("en"), english);
    WriteBytes(dir.File("ch"), chinese);
    return PanelFont::FromFiles(dir.File("en"), dir.File("ch"));
  }();
  return font;
}

template <typename T, typename... Args>
T& Put(CMainView& screen, int x, int y, Args&&... args) {
  auto e = std::make_unique<T>(std::forward<Args>(args)...);
  e->m_x = x;
  e->m_y = y;
  T& ref = *e;
  screen.m_elements.push_back(std::move(e));
  return ref;
}

// A Modbus RTU project (stations 1-247, addresses up to 65535, bits 0-15)
// with one screen, one alarm text and nothing to find.
class CheckTest : public testing::Test {
 protected:
  CheckTest() : profile_(3) {
    CMainView& s = Screen(1);
    s.m_upScreen = 0;
    s.m_downScreen = 0;
    project.m_alarmList.SetText(0, G("温度过高"));
  }

  CMainView& Screen(uint16_t number) {
    auto screen = std::make_unique<CMainView>(number, "");
    screen->m_upScreen = 0;
    screen->m_downScreen = 0;
    CMainView& ref = *screen;
    project.m_screens.push_back(std::move(screen));
    return ref;
  }
  CMainView& First() { return *project.m_screens.front(); }

  std::vector<Finding> Check() {
    CheckOptions options;
    options.font = &LitFont();
    return CheckProject(project, options);
  }
  // The codes found, in order.
  std::vector<std::string> Codes() {
    std::vector<std::string> codes;
    for (const Finding& f : Check()) codes.push_back(f.code);
    return codes;
  }
  // The one finding of `code`; fails unless there is exactly one.
  Finding Only(const std::string& code) {
    std::vector<Finding> found;
    for (const Finding& f : Check())
      if (f.code == code) found.push_back(f);
    EXPECT_EQ(found.size(), 1u) << code;
    return found.empty() ? Finding{} : found.front();
  }

  ProfileScope profile_;
  Project project;
};

}  // namespace tavo::test
