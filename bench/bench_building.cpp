#include <benchmark/benchmark.h>

#include <malloc.h>

#include <string>

#include "BuildingDocument.h"

// A building of 200 rooms, each with two window groups, two wall groups and
// a roof of one brick layer: reading its document, and its whole calculation.

namespace {

constexpr int kRooms = 200;

std::string RoomDocument(int number) {
    const std::string layer =
        R"([{"MaterialName": "Кирпич", "HeatAbsorption": "9.2", "Conductivity": "0.81", "Thickness": "0.38"}])";
    return R"({"Name": ")" + std::to_string(number) + R"(", "IndoorTemp": "20",
        "Windows": [{"Name": "Окно 1", "WindowOrientations": ["Ю"]},
                    {"Name": "Окно 2", "WindowKind": "Inclined", "GlazingTilt": "10", "WindowOrientations": ["З"]}],
        "Walls": [{"Name": "Стена 1", "WallArea": "12", "WallAbsorptance": "0.7", "WallOrientations": ["Ю"],
                   "WallLayers": )" +
           layer + R"(},
                  {"Name": "Стена 2", "WallArea": "8", "WallAbsorptance": "0.6", "WallOrientations": ["З"],
                   "WallLayers": )" +
           layer + R"(}],
        "Roof": {"Name": "Покрытие", "RoofArea": "20", "RoofAbsorptance": "0.7", "RoofLayers": )" +
           layer + "}}";
}

std::string BuildingDocumentText(int roomCount = kRooms) {
    std::string rooms;
    for (int r = 1; r <= roomCount; ++r) rooms += (r > 1 ? "," : "") + RoomDocument(100 + r);
    return R"({"format": "solargain-project", "version": 2, "inputs": {"Site": {"City": "Москва"}, "Rooms": [)" +
           rooms + "]}}";
}

void BM_BuildingRead(benchmark::State& state) {
    const std::string text = BuildingDocumentText();
    for (auto _ : state) benchmark::DoNotOptimize(ReadAnyBuilding(text));
}

// The argument is the number of workers: 1, or 0 for one per processor.
void BM_Building200Rooms(benchmark::State& state) {
    const BuildingInputs building = ReadAnyBuilding(BuildingDocumentText());
    const auto workers = static_cast<unsigned>(state.range(0));
    for (auto _ : state) {
        const BuildingResults results = ComputeBuilding(building, workers);
        benchmark::DoNotOptimize(results.Building.MaxGain);
    }
}

// Memory that a building's inputs and results hold, by the heap in use after
// reading and computing it (kept) less before: the counter gives it per 100
// rooms for 100, 200 and 400 rooms, which should stay the same if it grows
// linearly.
void BM_BuildingMemory(benchmark::State& state) {
    const int rooms = static_cast<int>(state.range(0));
    const std::string text = BuildingDocumentText(rooms);
    double perHundred = 0;
    for (auto _ : state) {
        const std::size_t before = mallinfo2().uordblks;
        const BuildingInputs building = ReadAnyBuilding(text);
        const BuildingResults results = ComputeBuilding(building, 1);
        const std::size_t after = mallinfo2().uordblks;
        benchmark::DoNotOptimize(results.Building.MaxGain);
        perHundred = static_cast<double>(after - before) / (1024.0 * 1024.0) * 100.0 / rooms;
    }
    state.counters["MB_per_100_rooms"] = perHundred;
}

}  // namespace

BENCHMARK(BM_BuildingMemory)->Arg(100)->Arg(200)->Arg(400)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_BuildingRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Building200Rooms)
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
