#include <gtest/gtest.h>

#include <string>

#include "CalcError.h"
#include "EnvelopeGains.h"
#include "EnvelopeTestSupport.h"

namespace {

class RoofGains : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProjectState();
        SetWorkedRoof();
        // The horizontal surface at latitude 48, hour 12-13, in orientation 1.
        SetIrradiance(1, 5, "733", "133");
    }
};

TEST_F(RoofGains, TheWorkedHour) {
    ComputeRoofGains();
    EXPECT_EQ(Text(Project.RoofHourGain[5]), "326.7235");
    EXPECT_EQ(Text(Project.RoofDampingProduct), "1.6396");
    EXPECT_EQ(Text(Project.RoofDamping), "31.201");
    EXPECT_EQ(Text(Project.RoofMeanRadiation), "328");
    EXPECT_EQ(Text(Project.RoofLayers[1].LayerResistance), "0.4691");
}

TEST_F(RoofGains, ReadsOnlyTheFirstOrientation) {
    ComputeRoofGains();
    const HourValues first = Project.RoofHourGain;
    for (int o = 2; o <= kOrientationCount; ++o) SetIrradiance(o, 5, "1000", "500");
    ComputeRoofGains();
    EXPECT_EQ(Project.RoofHourGain, first);
}

TEST_F(RoofGains, WithoutSunAndWaveEveryHourIsTheSteadyFlow) {
    Project.RoofAbsorptance = Decimal4();
    Project.OutdoorAmplitude = Decimal4();
    ComputeRoofGains();
    // F·(tн − tпокр)/R₀ = 10 · 0.5 / 0.6585
    for (int h = 1; h <= kHourCount; ++h) EXPECT_EQ(Text(Project.RoofHourGain[h]), "7.593") << h;
}

TEST_F(RoofGains, SixLayersAreComputedInFull) {
    Project.RoofLayerCount = SetLayers(Project.RoofLayers, {{"9.2", "0.81", "0.02"},
                                                            {"0.5", "0.04", "0.05"},
                                                            {"16.8", "1.92", "0.22"},
                                                            {"0.6", "0.05", "0.1"},
                                                            {"3.5", "0.17", "0.01"},
                                                            {"9.2", "0.81", "0.03"}});
    ComputeRoofGains();
    EXPECT_EQ(Text(Project.RoofLayers[6].LayerInertia), "0.3404");
    // Reference values of an independent evaluation in exact fractions.
    EXPECT_EQ(Text(Project.RoofDampingProduct), "49.2255");
    EXPECT_EQ(Text(Project.RoofDamping), "1085.1496");
    EXPECT_EQ(Text(Project.RoofHourGain[5]), "49.6947");
    EXPECT_EQ(Text(Project.RoofHourGain[1]), "46.6161");
}

TEST_F(RoofGains, RefusedRoofsKeepThePreviousResults) {
    ComputeRoofGains();
    const HourValues before = Project.RoofHourGain;
    for (std::int32_t count : {0, 7, -1}) {
        SCOPED_TRACE(count);
        Project.RoofLayerCount = count;
        EXPECT_EQ(MessageOf(&ComputeRoofGains), kRoofLayerCountMessage);
        EXPECT_EQ(Project.RoofHourGain, before);
    }
    Project.RoofLayerCount = 1;
    SetLayer(Project.RoofLayers, 1, {"9.2", "-0.81", "0.38"});
    EXPECT_EQ(MessageOf(&ComputeRoofGains), kRoofNegativeInertiaMessage);
    Project.RoofLayerCount = 2;
    SetLayer(Project.RoofLayers, 1, kBrick);
    EXPECT_EQ(MessageOf(&ComputeRoofGains), "Ошибка вычисления: недопустимая операция при расчёте слоя 2 покрытия");
    EXPECT_EQ(Project.RoofHourGain, before);
    Project.RoofLayerCount = 1;
    Project.RoofArea = ParseDecimal4("900000000000000");
    EXPECT_EQ(MessageOf(&ComputeRoofGains), "Ошибка вычисления: недопустимая операция при расчёте покрытия, 8-9");
    EXPECT_EQ(Project.RoofHourGain, before);
}

}  // namespace
