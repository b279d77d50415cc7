// The editor's idle check on a project of 1,000 screens of 20 elements: one
// refresh after an edit (the project's stored bytes, the check, the budget,
// the findings sorted and their elements found), the same with the
// cross-reference window open, and one after a change that stored nothing
// new (the bytes compared, nothing checked). Both run a quarter of a second after the last edit, so
// each should stay well under 50 ms.
#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include "BigProject.h"
#include "app/ProjectChecker.h"
#include "plc/Catalogue.h"

namespace tavo {
namespace {

struct Editor {
  Editor() {
    PanelSettings scratch;
    ApplyProtocol(3, scratch);
    bench::FillBigProject(project);
    project.m_hasProject = true;
    checker.RefreshNow();  // the font libraries load once, at the first check
  }
  Project project;
  app::ProjectChecker checker{[this]() -> Project& { return project; }};
};

Editor& TheEditor() {
  static Editor editor;
  return editor;
}

void BM_RefreshAfterAnEdit(benchmark::State& state) {
  Editor& e = TheEditor();
  e.checker.SetCrossReferenceWanted(state.range(0) != 0);
  CBase& moved = *e.project.m_screens[500]->m_elements[3];
  for (auto _ : state) {
    moved.m_x = moved.m_x == 0 ? 4 : 0;
    e.checker.RefreshNow();
  }
  state.counters["findings"] = double(e.checker.Findings().size());
  state.counters["xref"] = double(e.checker.CrossReference().size());
}

void BM_RefreshWithoutChange(benchmark::State& state) {
  Editor& e = TheEditor();
  const int checks = e.checker.CheckCount();
  for (auto _ : state) e.checker.RefreshNow();
  state.counters["checks"] = double(e.checker.CheckCount() - checks);
}

BENCHMARK(BM_RefreshAfterAnEdit)->ArgName("xref")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RefreshWithoutChange)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavo

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);  // the checker's idle timer
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
