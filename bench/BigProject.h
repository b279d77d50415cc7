#pragma once

// A large project for the benchmarks: 1,000 screens of 20 elements of every
// kind.
#include <memory>

#include "base/Gbk.h"
#include "elements/Bar.h"
#include "elements/Chars.h"
#include "elements/Dynamic.h"
#include "elements/Function.h"
#include "elements/Light.h"
#include "elements/Register.h"
#include "elements/Tide.h"
#include "elements/UpLoadPic.h"
#include "model/Project.h"

namespace tavo::bench {
// Each benchmark program includes this once.
namespace {

constexpr int kScreens = 1000;
constexpr int kElementsPerScreen = 20;

std::unique_ptr<CBase> MakeElement(int i) {
  const Point at{0, 0};
  switch (i % 8) {
    case 0:
      return std::make_unique<CChars>(at, G("温度监控 Temp"));
    case 1:
      return std::make_unique<CRegister>(at);
    case 2:
      return std::make_unique<CLight>(at);
    case 3:
      return std::make_unique<CFunction>(at);
    case 4: {
      auto d = std::make_unique<CDynamic>(at, G("运行"));
      d->m_texts[1] = G("停止");
      d->m_valueTexts[1].assign(1, '2');  // GCC 12 sees an overlap in = "2" inlined here
      return d;
    }
    case 5:
      return std::make_unique<CBar>(at);
    case 6:
      return std::make_unique<CTide>(at);
    default:
      return std::make_unique<CUpLoadPic>(at, 32, 16);
  }
}

void FillBigProject(Project& p) {
  for (int s = 1; s <= kScreens; ++s) {
    CMainView& screen = p.AddScreen(static_cast<uint16_t>(s), G("画面"));
    for (int e = 0; e < kElementsPerScreen; ++e) screen.m_elements.push_back(MakeElement(e + s));
  }
}

}  // namespace
}  // namespace tavo::bench
