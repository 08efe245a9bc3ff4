#include <benchmark/benchmark.h>

#include "ProjectState.h"
#include "WindowComputation.h"

// One computation of the windows page: the nineteen inputs, the radiation and
// sun-position tables and all 80 records, for each kind of glazing.

namespace {

void RunKind(benchmark::State& state, WindowKind kind) {
    ProjectState project;
    WindowInputTexts texts = DefaultWindowInputTexts();
    texts.GlazingTilt = "10";
    for (auto _ : state) {
        const WindowRunResult run = RunWindowComputation(project, texts, kind);
        benchmark::DoNotOptimize(run);
        benchmark::DoNotOptimize(project.WindowPeakGain);
    }
}

void BM_WindowRunVertical(benchmark::State& state) { RunKind(state, WindowKind::Vertical); }
void BM_WindowRunInclined(benchmark::State& state) { RunKind(state, WindowKind::Inclined); }
void BM_WindowRunHorizontal(benchmark::State& state) { RunKind(state, WindowKind::Horizontal); }

}  // namespace

BENCHMARK(BM_WindowRunVertical);
BENCHMARK(BM_WindowRunInclined);
BENCHMARK(BM_WindowRunHorizontal);

BENCHMARK_MAIN();
