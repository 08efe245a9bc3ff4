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
void SetUpProject(ProjectState& project) {
    SetWorkedWall(project);
    SetWorkedRoof(project);
    project.WallLayerCount = SetLayers(project.WallLayers, kLayers);
    project.RoofLayerCount = SetLayers(project.RoofLayers, kLayers);
}

void BM_ComputeWallGains(benchmark::State& state) {
    ProjectState project;
    SetUpProject(project);
    FillVerticalRadiation(project);
    for (auto _ : state) {
        ComputeWallGains(project);
        benchmark::DoNotOptimize(project.WallHourGain);
    }
}

void BM_ComputeRoofGains(benchmark::State& state) {
    ProjectState project;
    SetUpProject(project);
    FillHorizontalRadiation(project);
    for (auto _ : state) {
        ComputeRoofGains(project);
        benchmark::DoNotOptimize(project.RoofHourGain);
    }
}

void BM_ShowTotalsPage(benchmark::State& state) {
    ProjectState project;
    SetUpProject(project);
    TotalsInputTexts in{"48", "3.3", "22.5", "20", "14.7", "0.115", "0.7", "10",
                        "10", "0.7", "22",   true, true,   true,    {},    {}};
    in.WindowOrientations.fill(true);
    in.WallOrientations.fill(true);
    TotalsView view;
    for (auto _ : state) {
        ShowTotalsPage(project, in, view);
        benchmark::DoNotOptimize(view);
    }
}

}  // namespace

BENCHMARK(BM_ComputeWallGains);
BENCHMARK(BM_ComputeRoofGains);
BENCHMARK(BM_ShowTotalsPage);

BENCHMARK_MAIN();
