// The wall and roof computations of a three-layer construction at latitude
// 48, and the whole totals page with windows, walls and roof included.
#include <benchmark/benchmark.h>

#include "Construction.h"
#include "Conversions.h"
#include "EnvelopeGains.h"
#include "ProjectState.h"
#include "SolarRadiation.h"
#include "Totals.h"
#include "WorkedEnvelope.h"

namespace {

// Plaster, brick, mineral wool from the room side.
constexpr TypedLayer kLayers[] = {{"9.6", "0.7", "0.02"}, {"9.2", "0.81", "0.38"}, {"0.5", "0.04", "0.05"}};

// The worked wall and roof, each of the three layers.
void SetUpProject() {
    ResetProjectState();
    SetWorkedWall();
    SetWorkedRoof();
    Project.WallLayerCount = SetLayers(Project.WallLayers, kLayers);
    Project.RoofLayerCount = SetLayers(Project.RoofLayers, kLayers);
}

void BM_ComputeWallGains(benchmark::State& state) {
    SetUpProject();
    FillVerticalRadiation();
    for (auto _ : state) {
        ComputeWallGains();
        benchmark::DoNotOptimize(Project.WallHourGain);
    }
}

void BM_ComputeRoofGains(benchmark::State& state) {
    SetUpProject();
    FillHorizontalRadiation();
    for (auto _ : state) {
        ComputeRoofGains();
        benchmark::DoNotOptimize(Project.RoofHourGain);
    }
}

void BM_ShowTotalsPage(benchmark::State& state) {
    SetUpProject();
    TotalsInputTexts in{"48", "3.3", "22.5", "20", "14.7", "0.115", "0.7", "10",
                        "10", "0.7", "22",   true, true,   true,    {},    {}};
    in.WindowOrientations.fill(true);
    in.WallOrientations.fill(true);
    TotalsView view;
    for (auto _ : state) {
        ShowTotalsPage(in, view);
        benchmark::DoNotOptimize(view);
    }
}

}  // namespace

BENCHMARK(BM_ComputeWallGains);
BENCHMARK(BM_ComputeRoofGains);
BENCHMARK(BM_ShowTotalsPage);

BENCHMARK_MAIN();
