// Writing and reading a large project file: 1,000 screens of 20 elements of
// every kind, as a project file and as its text form. Reports time and the
// peak heap of each operation.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "BigProject.h"
#include "model/JsonReader.h"
#include "model/ProjectFile.h"
#include "model/ProjectTextForm.h"

// Heap accounting: live bytes and their peak since the last reset.
namespace {
std::atomic<size_t> g_live{0}, g_peak{0};
void Count(void* p) {
  if (!p) throw std::bad_alloc();
  const size_t now = g_live += malloc_usable_size(p);
  size_t peak = g_peak;
  while (now > peak && !g_peak.compare_exchange_weak(peak, now)) {
  }
}
}  // namespace

namespace {
void Release(void* p) {
  if (p) g_live -= malloc_usable_size(p);
  std::free(p);
}
}  // namespace

void* operator new(size_t n) {
  void* p = std::malloc(n ? n : 1);
  Count(p);
  return p;
}
void operator delete(void* p) noexcept {
  Release(p);
}
void operator delete(void* p, size_t) noexcept {
  Release(p);
}

namespace tavo {
namespace {

Project& BigProject() {
  static Project project = [] {
    Project p;
    bench::FillBigProject(p);
    return p;
  }();
  return project;
}

const std::vector<uint8_t>& BigFile() {
  static const std::vector<uint8_t> bytes = WriteProjectBytes(BigProject(), 3);
  return bytes;
}

void Report(benchmark::State& state, size_t startLive) {
  state.counters["peak_heap_MB"] = double(g_peak - startLive) / 1e6;
  state.counters["file_MB"] = double(BigFile().size()) / 1e6;
}

void BM_Write(benchmark::State& state) {
  Project& p = BigProject();
  BigFile();
  const size_t start = g_live;
  g_peak = start;
  for (auto _ : state) benchmark::DoNotOptimize(WriteProjectBytes(p, 3));
  Report(state, start);
}

void BM_Read(benchmark::State& state) {
  const auto& bytes = BigFile();
  const size_t start = g_live;
  g_peak = start;
  for (auto _ : state) {
    Project p;
    ReadInfo info;
    if (ReadProjectBytes(bytes, p, info) != ProjectFileError::None) state.SkipWithError("read");
  }
  Report(state, start);
}

void BM_RoundTrip(benchmark::State& state) {
  const auto& bytes = BigFile();
  const size_t start = g_live;
  g_peak = start;
  for (auto _ : state) {
    Project p;
    ReadInfo info;
    ReadProjectBytes(bytes, p, info);
    if (WriteProjectBytes(p, info.protocol) != bytes) state.SkipWithError("round trip differs");
  }
  Report(state, start);
}

const std::string& BigText() {
  static const std::string text = ProjectToTextForm(BigProject(), 3);
  return text;
}

void BM_ExportText(benchmark::State& state) {
  const auto& bytes = BigFile();
  const size_t start = g_live;
  g_peak = start;
  for (auto _ : state) {
    Project p;
    ReadInfo info;
    ReadProjectBytes(bytes, p, info);
    benchmark::DoNotOptimize(ProjectToTextForm(p, info.protocol));
  }
  Report(state, start);
  state.counters["text_MB"] = double(BigText().size()) / 1e6;
}

void BM_BuildFromText(benchmark::State& state) {
  const std::string& text = BigText();
  const size_t start = g_live;
  g_peak = start;
  for (auto _ : state) {
    std::vector<uint8_t> orx;
    TextFormError error;
    if (!TextFormToOrxBytes(text, orx, error) || orx != BigFile())
      state.SkipWithError("text does not build the file");
  }
  Report(state, start);
  state.counters["text_MB"] = double(text.size()) / 1e6;
}

// The JSON reading alone, without the fields: what BuildFromText spends in
// RapidJSON and the document.
void BM_ParseText(benchmark::State& state) {
  const std::string& text = BigText();
  const size_t start = g_live;
  g_peak = start;
  for (auto _ : state) {
    JsonDocument doc;
    std::string error;
    if (!ParseJson(text, doc, error)) state.SkipWithError(error.c_str());
  }
  Report(state, start);
  state.counters["text_MB"] = double(text.size()) / 1e6;
}

BENCHMARK(BM_Write)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Read)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RoundTrip)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildFromText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ParseText)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavo

BENCHMARK_MAIN();
