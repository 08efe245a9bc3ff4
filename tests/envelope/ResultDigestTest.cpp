// Every stored result of the walls, the roof and the totals page at all 21
// latitudes, on swept constructions and climates, compared with the
// fingerprints of the results as they are known to be right. Any change to the
// arithmetic (evaluation order, rounding, a constant) that moves a single count
// shows here.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "CalcError.h"
#include "DerivedInputs.h"
#include "EnvelopeGains.h"
#include "EnvelopeTestSupport.h"
#include "ResultDigest.h"
#include "SolarRadiation.h"
#include "Totals.h"

namespace {

std::string CountText(std::int64_t count) { return FormatDecimal4(Decimal4::FromCount(count)); }

// 1..maxCount layers of s 0.3..12, λ 0.1..1.8, δ 0.01..0.2.
int SweptLayers(SweepRandom& random, LayerTable& layers, int maxCount) {
    const int count = 1 + static_cast<int>(random.Next() % static_cast<std::uint64_t>(maxCount));
    for (int i = 1; i <= count; ++i) {
        layers[i].HeatAbsorption = Decimal4::FromCount(random.Count(3000, 120000));
        layers[i].Conductivity = Decimal4::FromCount(random.Count(1000, 18000));
        layers[i].Thickness = Decimal4::FromCount(random.Count(100, 2000));
        layers[i].Entered = true;
    }
    return count;
}

// A climate, constructions, window gains and the checked orientations; every
// third set has all orientations checked.
TotalsInputTexts SweptPage(ProjectState& state, SweepRandom& random, int set) {
    TotalsInputTexts in;
    in.WindSpeed = CountText(random.Count(0, 150000));
    in.OutdoorMeanTemp = CountText(random.Count(150000, 300000));
    in.IndoorTemp = CountText(random.Count(180000, 260000));
    in.OutdoorAmplitude = CountText(random.Count(50000, 200000));
    in.WallInnerResistance = "0.115";
    in.WallAbsorptance = CountText(random.Count(2000, 9500));
    in.WallArea = CountText(random.Count(10000, 2000000));
    in.RoofArea = CountText(random.Count(10000, 2000000));
    in.RoofAbsorptance = CountText(random.Count(2000, 9500));
    in.UnderRoofTemp = CountText(random.Count(180000, 300000));
    in.Windows = in.Walls = in.Roof = true;
    for (std::size_t o = 0; o < kOrientationCount; ++o) {
        in.WindowOrientations[o] = set % 3 == 0 || random.Next() % 2 == 0;
        in.WallOrientations[o] = set % 3 == 0 || random.Next() % 2 == 0;
    }
    state.WallLayerCount = SweptLayers(random, state.WallLayers, kMaxWallLayers);
    state.RoofLayerCount = SweptLayers(random, state.RoofLayers, kMaxRoofLayers);
    for (WindowHourRecord& r : state.WindowHours.records)
        r[WindowField::HeatGain] = Decimal4::FromInt(random.Count(0, 3000));
    return in;
}

// The gains and figures of one construction, computed on their own.
void AddConstruction(ResultDigest& digest, const LayerTable& layers, int count, Decimal4 damping,
                     Decimal4 dampingProduct) {
    for (int i = 1; i <= count; ++i) {
        digest.Add(layers[i].LayerResistance);
        digest.Add(layers[i].LayerInertia);
    }
    digest.Add(damping);
    digest.Add(dampingProduct);
}

void AddEnvelope(ResultDigest& digest, ProjectState& state) {
    UpdateWallResistance(state);
    UpdateRoofResistance(state);
    for (Decimal4 v : {state.WallResistance, state.WallTransmittance, state.RoofResistance, state.RoofTransmittance})
        digest.Add(v);
    FillVerticalRadiation(state);
    ComputeWallGains(state);
    for (const HourValues& gains : state.WallHourGain.items) digest.Add(gains);
    AddConstruction(digest, state.WallLayers, state.WallLayerCount, state.WallDamping, state.WallDampingProduct);
    FillHorizontalRadiation(state);
    ComputeRoofGains(state);
    digest.Add(state.RoofHourGain);
    AddConstruction(digest, state.RoofLayers, state.RoofLayerCount, state.RoofDamping, state.RoofDampingProduct);
    digest.Add(state.FacadeMeanRadiation);
    digest.Add(state.RoofMeanRadiation);
    for (const HourValues& row : state.TempWaveTable.items) digest.Add(row);
}

void AddPage(ResultDigest& digest, ProjectState& state, const TotalsInputTexts& in) {
    TotalsView view;
    ShowTotalsPage(state, in, view);
    for (int row : {kWindowValueRow, kWallValueRow, kRoofValueRow, kGrandValueRow})
        for (const std::string& cell : view.Cells[static_cast<std::size_t>(row)]) digest.Add(cell);
    digest.Add(state.WindowHourTotal);
    digest.Add(state.WallHourTotal);
    digest.Add(state.GrandHourTotal);
}

// Per latitude, kSweptSets pages; a set whose constructions fail adds a
// marker (its message names the first failing operation and is not part of
// the fingerprint).
constexpr int kSweptSets = 20;

struct Counted {
    std::string digest;
    int failed;
};

Counted EnvelopeDigest() {
    ResultDigest digest;
    SweepRandom random(0xE4E10E00u);
    int failed = 0;
    for (std::int32_t latitude = 40; latitude <= 60; ++latitude) {
        for (int set = 0; set < kSweptSets; ++set) {
            ProjectState state;
            TotalsInputTexts in = SweptPage(state, random, set);
            in.Latitude = std::to_string(latitude);
            try {
                ReadTotalsSharedInputs(state, in);
                state.WallAbsorptance = ParseDecimal4(in.WallAbsorptance);
                state.WallArea = ParseDecimal4(in.WallArea);
                state.RoofAbsorptance = ParseDecimal4(in.RoofAbsorptance);
                state.RoofArea = ParseDecimal4(in.RoofArea);
                state.UnderRoofTemp = ParseDecimal4(in.UnderRoofTemp);
                AddEnvelope(digest, state);
                AddPage(digest, state, in);
            } catch (const CalcError&) {
                digest.Add(std::string_view("failed"));
                ++failed;
            }
        }
    }
    return {digest.Hex(), failed};
}

TEST(ResultDigest, WallsRoofAndTotalsOfEveryLatitude) {
    const Counted result = EnvelopeDigest();
    EXPECT_EQ(result.digest, "0x5178172BB9F0889E");
    EXPECT_EQ(result.failed, 0);
}

TEST(ResultDigest, OuterCoefficientsAndOpeningAreas) {
    ResultDigest digest;
    SweepRandom random(0xA7EA0000u);
    for (std::int64_t speed = 0; speed <= 300000; speed += 37) {
        digest.Add(VerticalOuterCoeff(Decimal4::FromCount(speed)));
        digest.Add(HorizontalOuterCoeff(Decimal4::FromCount(speed)));
    }
    for (int i = 0; i < 2000; ++i) {
        // Drawn one by one, count first, so that the inputs do not depend on
        // the compiler's order of evaluating arguments.
        const std::int64_t count = random.Count(1, 200000);
        const std::int64_t width = random.Count(1, 60000);
        const std::int64_t height = random.Count(1, 60000);
        // Counts of windows below 1 are swept too: the arithmetic on the
        // stored values, which the typed count's range check comes before.
        digest.Add(OpeningArea(ParseDecimal4(CountText(height)), ParseDecimal4(CountText(width)),
                               ParseDecimal4(CountText(count))));
    }
    EXPECT_EQ(digest.Hex(), "0x9680224363552F00");
}

}  // namespace
