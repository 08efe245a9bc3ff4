#include <gtest/gtest.h>

#include <string>

#include "CalcError.h"
#include "EnvelopeGains.h"
#include "EnvelopeTestSupport.h"

namespace {

class RoofGains : public ::testing::Test {
protected:
    void SetUp() override {
        SetWorkedRoof(state);
        // The horizontal surface at latitude 48, hour 12-13, in orientation 1.
        SetIrradiance(state, 1, 5, "733", "133");
    }

    ProjectState state;
};

TEST_F(RoofGains, TheWorkedHour) {
    ComputeRoofGains(state);
    EXPECT_EQ(Text(state.RoofHourGain[5]), "326.7235");
    EXPECT_EQ(Text(state.RoofDampingProduct), "1.6396");
    EXPECT_EQ(Text(state.RoofDamping), "31.201");
    EXPECT_EQ(Text(state.RoofMeanRadiation), "328");
    EXPECT_EQ(Text(state.RoofLayers[1].LayerResistance), "0.4691");
}

TEST_F(RoofGains, ReadsOnlyTheFirstOrientation) {
    ComputeRoofGains(state);
    const HourValues first = state.RoofHourGain;
    for (int o = 2; o <= kOrientationCount; ++o) SetIrradiance(state, o, 5, "1000", "500");
    ComputeRoofGains(state);
    EXPECT_EQ(state.RoofHourGain, first);
}

TEST_F(RoofGains, WithoutSunAndWaveEveryHourIsTheSteadyFlow) {
    state.RoofAbsorptance = Decimal4();
    state.OutdoorAmplitude = Decimal4();
    ComputeRoofGains(state);
    // F·(tн − tпокр)/R₀ = 10 · 0.5 / 0.6585
    for (int h = 1; h <= kHourCount; ++h) EXPECT_EQ(Text(state.RoofHourGain[h]), "7.593") << h;
}

TEST_F(RoofGains, SixLayersAreComputedInFull) {
    state.RoofLayerCount = SetLayers(state.RoofLayers, {{"9.2", "0.81", "0.02"},
                                                        {"0.5", "0.04", "0.05"},
                                                        {"16.8", "1.92", "0.22"},
                                                        {"0.6", "0.05", "0.1"},
                                                        {"3.5", "0.17", "0.01"},
                                                        {"9.2", "0.81", "0.03"}});
    ComputeRoofGains(state);
    EXPECT_EQ(Text(state.RoofLayers[6].LayerInertia), "0.3404");
    // Reference values of an independent evaluation in exact fractions.
    EXPECT_EQ(Text(state.RoofDampingProduct), "49.2255");
    EXPECT_EQ(Text(state.RoofDamping), "1085.1496");
    EXPECT_EQ(Text(state.RoofHourGain[5]), "49.6947");
    EXPECT_EQ(Text(state.RoofHourGain[1]), "46.6161");
}

TEST_F(RoofGains, RefusedRoofsKeepThePreviousResults) {
    ComputeRoofGains(state);
    const HourValues before = state.RoofHourGain;
    for (std::int32_t count : {0, 7, -1}) {
        SCOPED_TRACE(count);
        state.RoofLayerCount = count;
        EXPECT_EQ(MessageOf([this] { ComputeRoofGains(state); }), kRoofLayerCountMessage);
        EXPECT_EQ(state.RoofHourGain, before);
    }
    state.RoofLayerCount = 1;
    SetLayer(state.RoofLayers, 1, {"9.2", "-0.81", "0.38"});
    EXPECT_EQ(MessageOf([this] { ComputeRoofGains(state); }), kRoofNegativeInertiaMessage);
    state.RoofLayerCount = 2;
    SetLayer(state.RoofLayers, 1, kBrick);
    EXPECT_EQ(MessageOf([this] { ComputeRoofGains(state); }),
              "Ошибка вычисления: недопустимая операция при расчёте слоя 2 покрытия");
    EXPECT_EQ(state.RoofHourGain, before);
    state.RoofLayerCount = 1;
    state.RoofArea = ParseDecimal4("900000000000000");
    EXPECT_EQ(MessageOf([this] { ComputeRoofGains(state); }),
              "Ошибка вычисления: недопустимая операция при расчёте покрытия, 8-9");
    EXPECT_EQ(state.RoofHourGain, before);
}

}  // namespace
