// Compile time and memory of the download image.
//
// BM_LargestProject: the largest project that still fits the panel (every
// element kind on every screen, about 300 distinct Chinese characters).
// BM_Screens/N: projects of N small screens; from some N on the image no
// longer fits and the compilation is refused after its first pass, which is
// what is timed then.
//
// Counters: bytes = image size (0 when refused), peak_heap = the most heap the
// compilation held at once beyond what the project itself holds.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>
#include <string>

#include "download/ImageCompiler.h"
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

// Heap accounting: every allocation of the program goes through these.
namespace {
std::atomic<size_t> g_heap{0};
std::atomic<size_t> g_peak{0};

void* Counted(size_t n) {
  void* p = std::malloc(n ? n : 1);
  if (!p) throw std::bad_alloc();
  const size_t now = g_heap += malloc_usable_size(p);
  size_t peak = g_peak.load();
  while (now > peak && !g_peak.compare_exchange_weak(peak, now)) {
  }
  return p;
}
void Uncounted(void* p) {
  if (!p) return;
  g_heap -= malloc_usable_size(p);
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

constexpr uint8_t kProtocol = 3;

// The i-th character of the GB2312 block of level-1 Chinese characters.
std::string Hanzi(int i) {
  return {static_cast<char>(0xB0 + i / 94), static_cast<char>(0xA1 + i % 94)};
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

// A screen with every element kind; its texts draw on a pool of `distinct`
// Chinese characters, the pool walked on from screen to screen.
void AddFullScreen(Project& project, uint16_t number, int distinct) {
  CMainView& s = project.AddScreen(number, "");
  for (int row = 0; row < 2; ++row) {
    std::string text = "T" + std::to_string(number % 10) + " ";
    for (int k = 0; k < 10; ++k) text += Hanzi((number * 20 + row * 10 + k) % distinct);
    Put<CChars>(s, 0, row * 16, Point{0, 0}, text);
  }
  for (int i = 0; i < 3; ++i) Put<CRegister>(s, 8 * i, 32, Point{0, 0}).m_limited = i == 0;
  Put<CLight>(s, 100, 0, Point{0, 0});
  Put<CFunction>(s, 120, 0, Point{0, 0}).m_hand = number % 2;
  CDynamic& d = Put<CDynamic>(s, 0, 48, Point{0, 0}, "OFF");
  d.m_valueTexts[1] = "2";
  d.m_texts[1] = Hanzi(number % distinct) + "ON";
  Put<CBar>(s, 140, 0, Point{0, 0});
  Put<CTide>(s, 96, 16, Point{0, 0});
  Put<CUpLoadPic>(s, 160, 40, Point{0, 0}, 24, 16);
}

ImageCompilerOptions Options() {
  ImageCompilerOptions o;
  o.loadDriver = [](PanelSettings&, ProtocolDriver& d) {
    d.version = 1;
    d.bytes.assign(4096, 0);
    return true;
  };
  return o;
}

size_t MeasuredSize(Project& project) {
  ImageCompiler c(project, Options());
  c.CompileRecords();
  return c.ImageSize();
}

void Run(benchmark::State& state, Project& project) {
  const size_t baseline = g_heap.load();
  g_peak = baseline;
  size_t bytes = 0;
  for (auto _ : state) {
    CompiledImage image = CompileImage(project, Options());
    bytes = image.Ok() ? image.Size() : 0;
    benchmark::DoNotOptimize(image.image.data());
  }
  state.counters["bytes"] = static_cast<double>(bytes);
  state.counters["peak_heap"] = static_cast<double>(g_peak.load() - baseline);
}

void BM_LargestProject(benchmark::State& state) {
  PanelSettings scratch;
  ApplyProtocol(kProtocol, scratch);
  Project project;
  project.ApplyProtocol(kProtocol);
  project.m_alarmList.m_alarmTexts = {"ALARM 1", Hanzi(0) + Hanzi(1)};
  constexpr int kDistinct = 300;
  uint16_t n = 0;
  while (true) {
    AddFullScreen(project, ++n, kDistinct);
    if (MeasuredSize(project) > kMaxImageSize) {
      project.RemoveScreenAt(project.ScreenCount() - 1);
      break;
    }
  }
  state.counters["screens"] = static_cast<double>(project.ScreenCount());
  Run(state, project);
}
BENCHMARK(BM_LargestProject)->Unit(benchmark::kMillisecond);

void BM_Screens(benchmark::State& state) {
  PanelSettings scratch;
  ApplyProtocol(kProtocol, scratch);
  Project project;
  project.ApplyProtocol(kProtocol);
  for (int i = 1; i <= state.range(0); ++i) {
    CMainView& s = project.AddScreen(static_cast<uint16_t>(i), "");
    Put<CChars>(s, 0, 0, Point{0, 0}, "Screen " + std::to_string(i));
    Put<CRegister>(s, 0, 16, Point{0, 0});
    Put<CLight>(s, 100, 0, Point{0, 0});
  }
  Run(state, project);
}
BENCHMARK(BM_Screens)
    ->Arg(125)
    ->Arg(250)
    ->Arg(500)
    ->Arg(1000)
    ->Arg(2000)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavo

BENCHMARK_MAIN();
