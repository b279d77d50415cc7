// The undo history on a project of 1,000 screens of 20 elements: the time of
// one step (do, undo, redo) for a drag and for a screen deletion, the bytes a
// step adds, and the bytes held by a history of 1,000 steps.
#include <benchmark/benchmark.h>

#include <chrono>

#include "BigProject.h"
#include "model/EditHistory.h"

namespace tavo {
namespace {

std::unique_ptr<Project> MakeBigProject() {
  auto p = std::make_unique<Project>();
  bench::FillBigProject(*p);
  return p;
}

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

struct Timings {
  double doMs = 0, undoMs = 0, redoMs = 0;
  void Report(benchmark::State& state, size_t steps) {
    state.counters["do_ms"] = doMs / double(steps);
    state.counters["undo_ms"] = undoMs / double(steps);
    state.counters["redo_ms"] = redoMs / double(steps);
  }
};

// One drag of the front element of screen 500 by 4 panel pixels.
void BM_DragStep(benchmark::State& state) {
  auto project = MakeBigProject();
  project->m_curScreen = 500;
  EditHistory history(*project);
  const size_t held = history.HeldBytes();
  Timings t;
  size_t n = 0;
  for (auto _ : state) {
    auto start = Clock::now();
    CBase* head = project->CurrentScreen()->Head();
    head->m_x = head->m_x == 0 ? 4 : 0;
    head->PlaceAtStoredPosition();
    if (!history.Commit("移动元件")) state.SkipWithError("no step");
    auto done = Clock::now();
    history.Undo();
    auto undone = Clock::now();
    history.Redo();
    auto redone = Clock::now();
    t.doMs += Ms(done - start);
    t.undoMs += Ms(undone - done);
    t.redoMs += Ms(redone - undone);
    ++n;
  }
  t.Report(state, n);
  state.counters["step_KB"] =
      double(history.HeldBytes() - held) / double(history.StepCount()) / 1e3;
  state.counters["project_MB"] = double(held) / 1e6;
}

// Deleting screen 500 (with its elements), taken back and done again.
void BM_DeleteScreenStep(benchmark::State& state) {
  auto project = MakeBigProject();
  EditHistory history(*project);
  Timings t;
  size_t n = 0;
  for (auto _ : state) {
    project->m_curScreen = 500;
    auto start = Clock::now();
    project->RemoveScreenAt(500);
    if (!history.Commit("删除画面")) state.SkipWithError("no step");
    auto done = Clock::now();
    history.Undo();
    auto undone = Clock::now();
    history.Redo();
    auto redone = Clock::now();
    history.Undo();  // the screen back for the next round
    t.doMs += Ms(done - start);
    t.undoMs += Ms(undone - done);
    t.redoMs += Ms(redone - undone);
    ++n;
  }
  t.Report(state, n);
}

// 1,000 steps, each a drag on another screen (every seventh a screen
// deletion): the bytes the history holds beyond the project's own records.
void BM_HistoryOf1000Steps(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto project = MakeBigProject();
    EditHistory history(*project);
    const size_t start = history.HeldBytes();
    state.ResumeTiming();
    for (int i = 0; i < 1000; ++i) {
      project->m_curScreen = static_cast<uint16_t>((i * 37) % project->ScreenCount());
      if (i % 7 == 6) {
        project->RemoveScreenAt(project->m_curScreen);
        project->m_curScreen = 0;
        history.Commit("删除画面");
        continue;
      }
      CBase* head = project->CurrentScreen()->Head();
      head->m_x += 4;
      head->PlaceAtStoredPosition();
      history.Commit("移动元件");
    }
    state.PauseTiming();
    state.counters["steps"] = double(history.StepCount());
    state.counters["history_MB"] = double(history.HeldBytes()) / 1e6;
    state.counters["beyond_project_MB"] = double(history.HeldBytes() - start) / 1e6;
    project.reset();
    state.ResumeTiming();
  }
}

BENCHMARK(BM_DragStep)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DeleteScreenStep)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HistoryOf1000Steps)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
}  // namespace tavo

BENCHMARK_MAIN();
