// Every stored result of the solar tables and of the window computation at
// all 21 latitudes, for the three kinds of glazing, on the default inputs and
// on swept input sets, compared with the fingerprints of the results as they
// are known to be right. Any change to the arithmetic (evaluation order,
// rounding, a constant) that moves a single count shows here.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "CalcError.h"
#include "ResultDigest.h"
#include "SolarRadiation.h"
#include "WindowTestSupport.h"

using namespace window_test;

namespace {

std::string CountText(std::int64_t count) { return FormatDecimal4(Decimal4::FromCount(count)); }

// An input set with every value drawn from a range an engineer could type,
// with four decimals, the tilt from -30° to 45°.
WindowInputTexts SweptInputs(SweepRandom& random) {
    WindowInputTexts t = DefaultWindowInputTexts();
    t.WindowHeight = CountText(random.Count(5000, 30000));
    t.WindowWidth = CountText(random.Count(5000, 40000));
    t.ShadeHorizLength = CountText(random.Count(0, 15000));
    t.ShadeVertLength = CountText(random.Count(0, 15000));
    t.ShadeHorizOffset = CountText(random.Count(0, 5000));
    t.ShadeVertOffset = CountText(random.Count(0, 5000));
    t.OutdoorMeanTemp = CountText(random.Count(150000, 300000));
    t.IndoorTemp = CountText(random.Count(180000, 260000));
    t.OutdoorAmplitude = CountText(random.Count(50000, 200000));
    t.RelativePenetration = CountText(random.Count(3000, 10000));
    t.GlazingAbsorptance = CountText(random.Count(500, 5000));
    t.GlazingResistance = CountText(random.Count(1500, 8000));
    t.GlazingArea = CountText(random.Count(5000, 200000));
    t.WindowOuterCoeff = CountText(random.Count(100000, 400000));
    t.EnvelopeOuterCoeff = CountText(random.Count(80000, 250000));
    t.GlazingTilt = CountText(random.Count(0, kMaxGlazingTilt * 10000));  // used by inclined glazing only
    t.FrameShading = CountText(random.Count(5000, 10000));
    t.WindSpeed = CountText(random.Count(0, 100000));
    return t;
}

void AddTable(ResultDigest& digest, const ProjectState& state) {
    for (const WindowHourRecord& r : state.WindowHours.records)
        for (const Decimal4& value : r.fields) digest.Add(value);
}

// The steps of a run up to the kind step, so that the fields the finishing
// rounds to whole numbers are seen with their four decimals.
void AddUnfinishedTable(ResultDigest& digest, const WindowInputTexts& texts, WindowKind kind) {
    ProjectState state;
    try {
        ReadWindowInputs(state, texts, kind);
        BeginComputation();
        kind == WindowKind::Horizontal ? FillHorizontalRadiation(state) : FillVerticalRadiation(state);
        FillSunPosition(state);
        RunCommonSteps(state, kind != WindowKind::Horizontal);
        if (kind == WindowKind::Vertical) ComputeVerticalGlazing(state);
        if (kind == WindowKind::Inclined) ComputeInclinedGlazing(state);
        if (kind == WindowKind::Horizontal) ComputeHorizontalGlazing(state);
        AddTable(digest, state);
    } catch (const CalcError&) {
        // Which runs fail is part of the fingerprint; their messages are not
        // (the message names the first failing operation).
        digest.Add(std::string_view("failed"));
    }
}

// Adds the finished table and its peaks; false when the run failed.
bool AddFinishedRun(ResultDigest& digest, const WindowInputTexts& texts, WindowKind kind) {
    ProjectState state;
    try {
        RunWindowComputation(state, texts, kind);
    } catch (const CalcError&) {
        digest.Add(std::string_view("failed"));
        return false;
    }
    AddTable(digest, state);
    digest.Add(state.WindowPeakGain);
    for (std::int32_t hour : state.WindowPeakHour.items) digest.Add(hour);
    return true;
}

struct Counted {
    std::string digest;
    int failed;
};

// Each latitude: the default inputs (tilt 10° for the inclined kind), then
// kSweptSets swept input sets.
constexpr int kSweptSets = 12;

Counted WindowDigestOf(WindowKind kind) {
    ResultDigest digest;
    SweepRandom random(0x5EED0000u + static_cast<std::uint64_t>(kind));
    int failed = 0;
    for (std::int32_t latitude = 40; latitude <= 60; ++latitude) {
        std::vector<WindowInputTexts> sets{DefaultWindowInputTexts()};
        if (kind == WindowKind::Inclined) sets.front().GlazingTilt = "10";
        for (int i = 0; i < kSweptSets; ++i) sets.push_back(SweptInputs(random));
        for (WindowInputTexts& texts : sets) {
            texts.Latitude = std::to_string(latitude);
            AddUnfinishedTable(digest, texts, kind);
            if (!AddFinishedRun(digest, texts, kind)) ++failed;
        }
    }
    return {digest.Hex(), failed};
}

TEST(ResultDigest, SolarTablesAtEveryLatitude) {
    ResultDigest digest;
    for (std::int32_t latitude = 40; latitude <= 60; ++latitude) {
        for (void (*generator)(ProjectState&) : {FillVerticalRadiation, FillHorizontalRadiation, FillSunPosition}) {
            ProjectState state;
            state.Latitude = latitude;
            generator(state);
            AddTable(digest, state);
        }
    }
    EXPECT_EQ(digest.Hex(), "0x42AB7FD3C5776056");
}

TEST(ResultDigest, WindowTablesOfEveryKindAndLatitude) {
    struct Case {
        WindowKind kind;
        const char* digest;
        int failed;  // runs of the sweep that end in a fault
    };
    // clang-format off
    const Case cases[] = {
        { WindowKind::Vertical,   "0xA7FC1C9A6960866E", 0 },
        { WindowKind::Inclined,   "0xD284E549B090262F", 0 },
        { WindowKind::Horizontal, "0x51CBE6409AC06791", 0 },
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(InsolationKindCaption(c.kind)));
        const Counted result = WindowDigestOf(c.kind);
        EXPECT_EQ(result.digest, c.digest);
        EXPECT_EQ(result.failed, c.failed);
    }
}

}  // namespace
