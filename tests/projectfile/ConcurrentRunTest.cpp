#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <string>
#include <thread>
#include <vector>

#include "ProjectDocumentTestSupport.h"
#include "ResultDigest.h"

using namespace projectdoc_test;

namespace {

std::string CountText(std::int64_t count) { return FormatDecimal4(Decimal4::FromCount(count)); }

// A layer with figures an engineer could type.
std::string SweptLayer(SweepRandom& random) {
    return R"({"HeatAbsorption": ")" + CountText(random.Count(5000, 200000)) + R"(", "Conductivity": ")" +
           CountText(random.Count(400, 20000)) + R"(", "Thickness": ")" + CountText(random.Count(100, 5000)) + R"("})";
}

std::string SweptLayers(SweepRandom& random, int maxCount) {
    std::string list;
    const auto count = random.Count(1, maxCount);
    for (int i = 0; i < count; ++i) list += (i ? ", " : "") + SweptLayer(random);
    return "[" + list + "]";
}

std::string SweptOrientations(SweepRandom& random) {
    static constexpr std::array<const char*, 8> kNames{"С", "СВ", "В", "ЮВ", "Ю", "ЮЗ", "З", "СЗ"};
    std::string list;
    for (const char* name : kNames)
        if (random.Next() % 2 == 0) list += std::string(list.empty() ? "" : ", ") + "\"" + name + "\"";
    return "[" + list + "]";
}

// A whole project: windows of each kind, walls and roof of several layers,
// at every latitude of the tables.
std::string SweptDocument(SweepRandom& random, int latitude) {
    static constexpr std::array<const char*, 3> kKinds{"Vertical", "Inclined", "Horizontal"};
    const char* kind = kKinds[static_cast<std::size_t>(random.Count(0, 2))];
    return std::string("{") + R"("Latitude": ")" + std::to_string(latitude) + R"(", "WindowKind": ")" + kind +
           R"(", "GlazingTilt": ")" + CountText(random.Count(0, 200000)) + R"(", "WindSpeed": ")" +
           CountText(random.Count(0, 100000)) + R"(", "WindowHeight": ")" + CountText(random.Count(5000, 30000)) +
           R"(", "WindowWidth": ")" + CountText(random.Count(5000, 40000)) + R"(", "WindowCount": ")" +
           std::to_string(random.Count(1, 4)) + R"(", "OutdoorMeanTemp": ")" + CountText(random.Count(150000, 300000)) +
           R"(", "OutdoorAmplitude": ")" + CountText(random.Count(50000, 200000)) +
           R"(", "Walls": true, "Roof": true, "WallArea": ")" + CountText(random.Count(10000, 500000)) +
           R"(", "WallAbsorptance": ")" + CountText(random.Count(2000, 9500)) + R"(", "RoofArea": ")" +
           CountText(random.Count(10000, 500000)) + R"(", "RoofAbsorptance": ")" + CountText(random.Count(2000, 9500)) +
           R"(", "WindowOrientations": )" + SweptOrientations(random) + R"(, "WallOrientations": )" +
           SweptOrientations(random) + R"(, "WallLayers": )" + SweptLayers(random, 5) + R"(, "RoofLayers": )" +
           SweptLayers(random, 6) + "}";
}

// Projects that differ in every part of the calculation, and a few that the
// calculation refuses part way (a division by zero, a count past the layers).
std::vector<ProjectInputs> Projects() {
    std::vector<std::string> documents{
        "{}",
        R"({"Latitude": "44", "WindowKind": "Inclined", "GlazingTilt": "12", "WindSpeed": "5"})",
        R"({"WindowKind": "Horizontal", "ShadeHorizLength": "0", "ShadeVertLength": "0"})",
        R"({"WindowOuterCoeff": "0"})",
        R"({"Roof": true, "RoofLayerCount": 4, "RoofLayers": [)" + std::string(kBrickLayer) + "]}",
    };
    SweepRandom random(0xC0C0A000u);
    for (int latitude = 40; latitude <= 60; ++latitude) documents.push_back(SweptDocument(random, latitude));
    std::vector<ProjectInputs> projects;
    for (const std::string& document : documents) projects.push_back(ReadProjectInputs(document));
    return projects;
}

// Everything a calculation gives, its refusal included, digit for digit.
std::string OutcomeText(const ProjectInputs& inputs) {
    return JsonDocumentText(WriteProjectOutcomeJson(ComputeProject(inputs)));
}

// Two threads computing different projects at the same time get, run after
// run, exactly what one thread computing them one after the other gets:
// nothing of one calculation (its inputs, tables, results or floating-point
// faults) reaches another.
TEST(ConcurrentRuns, TwoThreadsGetWhatOneThreadGets) {
    const std::vector<ProjectInputs> projects = Projects();
    std::vector<std::string> expected;
    for (const ProjectInputs& p : projects) expected.push_back(OutcomeText(p));
    ASSERT_NE(expected[3].find("\"error\""), std::string::npos);  // some are refused
    ASSERT_EQ(expected[6].find("\"error\""), std::string::npos);  // most are not

    constexpr int kRuns = 200;
    const std::size_t n = projects.size();
    // Run i of thread t computes project (i + t·n/2) mod n: the threads are
    // always on different projects.
    const auto projectOf = [n](int thread, int run) {
        return (static_cast<std::size_t>(run) + static_cast<std::size_t>(thread) * (n / 2)) % n;
    };
    std::array<std::vector<std::string>, 2> got;
    std::vector<std::thread> threads;
    for (int t = 0; t < 2; ++t) {
        threads.emplace_back([&, t] {
            for (int run = 0; run < kRuns; ++run)
                got[static_cast<std::size_t>(t)].push_back(OutcomeText(projects[projectOf(t, run)]));
        });
    }
    for (std::thread& thread : threads) thread.join();

    for (int t = 0; t < 2; ++t) {
        ASSERT_EQ(got[static_cast<std::size_t>(t)].size(), static_cast<std::size_t>(kRuns));
        for (int run = 0; run < kRuns; ++run) {
            const std::size_t p = projectOf(t, run);
            EXPECT_EQ(got[static_cast<std::size_t>(t)][static_cast<std::size_t>(run)], expected[p])
                << "thread " << t << ", run " << run << ", project " << p;
        }
    }
}

}  // namespace
