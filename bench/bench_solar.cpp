// The three solar generators at every latitude of the tables; each
// iteration fills its fields of the whole window hour table once.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "ProjectState.h"
#include "SolarRadiation.h"

namespace {

void RunGenerator(benchmark::State& state, void (*generator)(ProjectState&)) {
    ProjectState project;
    std::int32_t latitude = 40;
    for (auto _ : state) {
        project.Latitude = latitude;
        generator(project);
        benchmark::DoNotOptimize(project.WindowHours);
        latitude = latitude == 60 ? 40 : latitude + 1;
    }
}

void BM_FillVerticalRadiation(benchmark::State& state) { RunGenerator(state, FillVerticalRadiation); }
void BM_FillHorizontalRadiation(benchmark::State& state) { RunGenerator(state, FillHorizontalRadiation); }
void BM_FillSunPosition(benchmark::State& state) { RunGenerator(state, FillSunPosition); }

}  // namespace

BENCHMARK(BM_FillVerticalRadiation);
BENCHMARK(BM_FillHorizontalRadiation);
BENCHMARK(BM_FillSunPosition);

BENCHMARK_MAIN();
