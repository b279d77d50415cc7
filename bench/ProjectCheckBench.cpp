// The project check, the image budget and the address cross-reference on a
// project of 1,000 screens of 20 elements of every kind (the editor refreshes
// them at idle, so each should stay well under 50 ms). Reports time and the
// peak heap of each beyond what the project holds.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "base/Gbk.h"
#include "check/CrossReference.h"
#include "check/ImageBudget.h"
#include "check/ProjectCheck.h"
#include "elements/Bar.h"
#include "elements/Chars.h"
#include "elements/Dynamic.h"
#include "elements/Function.h"
#include "elements/Light.h"
#include "elements/Register.h"
#include "elements/Tide.h"
#include "elements/UpLoadPic.h"
#include "model/Project.h"
#include "plc/Catalogue.h"

// Heap accounting: live bytes and their peak since the last reset; every
// allocation of the program goes through these.
namespace {
std::atomic<size_t> g_live{0}, g_peak{0};

void* Counted(size_t n) {
  void* p = std::malloc(n ? n : 1);
  if (!p) throw std::bad_alloc();
  const size_t now = g_live += malloc_usable_size(p);
  size_t peak = g_peak.load();
  while (now > peak && !g_peak.compare_exchange_weak(peak, now)) {
  }
  return p;
}
void Uncounted(void* p) {
  if (!p) return;
  g_live -= malloc_usable_size(p);
  std::free(p);
}
}  // namespace

void* operator new(size_t n) {
  return Counted(n);
}
void* operator new[](size_t n) {
  return Counted(n);
}
void operator delete(void* p) noexcept {
  Uncounted(p);
}
void operator delete[](void* p) noexcept {
  Uncounted(p);
}
void operator delete(void* p, size_t) noexcept {
  Uncounted(p);
}
void operator delete[](void* p, size_t) noexcept {
  Uncounted(p);
}

namespace tavo {
namespace {

constexpr int kScreens = 1000;
constexpr int kElementsPerScreen = 20;

// Element i of a screen, on a grid of 5 x 4 cells of 32 x 16 pixels.
std::unique_ptr<CBase> MakeElement(int i, int screen) {
  const Point at{0, 0};
  std::unique_ptr<CBase> e;
  switch (i % 8) {
    case 0:
      e = std::make_unique<CChars>(at, G("温度Tp"));
      break;
    case 1:
      e = std::make_unique<CRegister>(at);
      break;
    case 2:
      e = std::make_unique<CLight>(at);
      break;
    case 3: {
      auto key = std::make_unique<CFunction>(at);
      key->m_picStyle = static_cast<uint8_t>(i % 19);
      key->m_action = kActionJump;
      key->m_screenNo = static_cast<uint16_t>(screen % kScreens + 1);
      e = std::move(key);
      break;
    }
    case 4: {
      auto d = std::make_unique<CDynamic>(at, G("运行"));
      d->m_texts[1] = G("停止");
      d->m_valueTexts[1].assign(1, '2');
      e = std::move(d);
      break;
    }
    case 5:
      e = std::make_unique<CBar>(at);
      break;
    case 6:
      e = std::make_unique<CTide>(at);
      break;
    default:
      e = std::make_unique<CUpLoadPic>(at, 32, 16);
      break;
  }
  e->m_x = (i % 5) * 32;
  e->m_y = (i / 5 % 4) * 16;
  e->m_addr = static_cast<uint16_t>(screen * kElementsPerScreen + i);
  return e;
}

Project& BigProject() {
  static Project project = [] {
    PanelSettings scratch;
    ApplyProtocol(3, scratch);
    Project p;
    for (int s = 1; s <= kScreens; ++s) {
      CMainView& screen = p.AddScreen(static_cast<uint16_t>(s), G("画面"));
      for (int e = 0; e < kElementsPerScreen; ++e) screen.m_elements.push_back(MakeElement(e, s));
    }
    return p;
  }();
  return project;
}

template <typename Run>
void Measure(benchmark::State& state, Run run) {
  const Project& p = BigProject();
  run(p);  // the font libraries load once, at the first check
  const size_t start = g_live;
  g_peak = start;
  size_t items = 0;
  for (auto _ : state) items = run(p);
  state.counters["peak_heap_MB"] = double(g_peak - start) / 1e6;
  state.counters["items"] = double(items);
}

void BM_Check(benchmark::State& state) {
  Measure(state, [](const Project& p) { return CheckProject(p).size(); });
}

void BM_Budget(benchmark::State& state) {
  Measure(state, [](const Project& p) { return MeasureImage(p).Total(); });
}

void BM_CrossReference(benchmark::State& state) {
  Measure(state, [](const Project& p) { return BuildCrossReference(p, CurrentProfile()).size(); });
}

BENCHMARK(BM_Check)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Budget)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CrossReference)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavo

BENCHMARK_MAIN();
