#include <gtest/gtest.h>

#include <string>

#include "CalcError.h"
#include "DerivedInputs.h"
#include "EnvelopeGains.h"
#include "EnvelopeTestSupport.h"
#include "FloatingPoint.h"
#include "ThermalProperties.h"

namespace {

// Direct and diffuse radiation on the south facade at latitude 48.
struct HourIrradiance {
    int hour;
    const char* direct;
    const char* diffuse;
    const char* gain;  // of the worked wall
};

// clang-format off
const HourIrradiance kSouthAt48[] = {
    // hour  direct      diffuse  WallHourGain
    {  1,    "137.1924", "110",   "108.3185" },
    {  2,    "242.1152", "116",   "112.0012" },
    {  3,    "326.8848", "118",   "114.2532" },
    {  4,    "370.1152", "120",   "113.489"  },
    {  5,    "370.1152", "120",   "110.1438" },
    {  6,    "326.8848", "118",   "104.2179" },
    {  7,    "242.1152", "116",   "96.3049"  },
    {  8,    "137.1924", "110",   "87.9905"  },
    {  9,    "27.8848",  "99",    "80.3642"  },
    { 10,    "0",        "73",    "80.3392"  },
};
// clang-format on

ThermalProperties PropertiesOf(std::initializer_list<TypedLayer> layers, const char* wind = "3.3") {
    LayerTable table;
    const int n = SetLayers(table, layers);
    const Decimal4 outer = VerticalOuterCoeff(ParseDecimal4(wind));
    return ComputeThermalProperties(table, n, outer, Construction::Wall);
}

class WallGains : public ::testing::Test {
protected:
    void SetUp() override {
        SetWorkedWall(state);
        for (const HourIrradiance& h : kSouthAt48) SetIrradiance(state, 5, h.hour, h.direct, h.diffuse);
    }

    ProjectState state;
};

TEST_F(WallGains, TheWorkedSouthWall) {
    ComputeWallGains(state);
    for (const HourIrradiance& h : kSouthAt48) {
        SCOPED_TRACE("Ю " + std::string(HourLabel(h.hour)));
        EXPECT_EQ(Text(state.WallHourGain[5][h.hour]), h.gain);
    }
    EXPECT_EQ(Text(state.WallDampingProduct), "1.3059");
    EXPECT_EQ(Text(state.WallLayers[1].LayerResistance), "0.4691");
    EXPECT_EQ(Text(state.WallLayers[1].LayerInertia), "4.3157");
    EXPECT_NEAR(state.WallDamping.Units(), 24.85, 0.005);
    EXPECT_EQ(Text(state.FacadeMeanRadiation[5]), "149");
    EXPECT_EQ(Text(state.TempWaveTable[11][5]), "-0.92");
}

TEST_F(WallGains, TheOneLayerWallProperties) {
    const ThermalProperties t = PropertiesOf({kBrick});
    EXPECT_EQ(Text(t.OuterCoeff), "26.8724");
    EXPECT_EQ(Text(t.Inertia), "4.3157");
    EXPECT_EQ(Text(t.SurfaceAbsorption[1]), "9.2");  // D₁ ≥ 1: Y₁ = s₁
    EXPECT_EQ(Text(t.Resistance), "0.6213");
    EXPECT_EQ(Text(t.LagValue), "11.2524");
    EXPECT_EQ(t.Lag, 11);
    EXPECT_EQ(Text(t.DampingProduct), "1.3059");
}

TEST_F(WallGains, ALightLayerTakesTheSurfaceAbsorptionFormula) {
    const ThermalProperties t = PropertiesOf({{"0.5", "0.04", "0.05"}});
    EXPECT_EQ(Text(t.Layers[1].LayerResistance), "1.25");
    EXPECT_EQ(Text(t.Layers[1].LayerInertia), "0.625");
    EXPECT_EQ(Text(t.SurfaceAbsorption[1]), "0.7589");
}

TEST_F(WallGains, LagWrapsByWholeDays) {
    struct Case {
        const char* s;  // with R = 1, D = s
        const char* lagValue;
        int lag;
    };
    const Case cases[] = {{"9.2", "24.44", 24}, {"9.4", "24.98", 1}, {"0", "-0.4", 0}, {"4.3", "11.21", 11}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.s);
        const ThermalProperties t = PropertiesOf({{c.s, "1", "1"}});
        EXPECT_EQ(Text(t.LagValue), c.lagValue);
        EXPECT_EQ(t.Lag, c.lag);
    }
    BeginComputation();
    EXPECT_EQ(LagOf(ParseDecimal4("24.5")), 24);
    EXPECT_EQ(LagOf(ParseDecimal4("25.5")), 2);
    EXPECT_EQ(LagOf(ParseDecimal4("49")), 1);
    EXPECT_EQ(LagOf(ParseDecimal4("48")), 24);
}

TEST_F(WallGains, NoDrivingDifferenceGivesNoGain) {
    state.IndoorTemp = state.OutdoorMeanTemp;
    state.OutdoorAmplitude = Decimal4();
    state.WallAbsorptance = Decimal4();
    ComputeWallGains(state);
    for (int o = 1; o <= kOrientationCount; ++o)
        for (int h = 1; h <= kHourCount; ++h) EXPECT_TRUE(state.WallHourGain[o][h].IsZero()) << o << " " << h;
}

TEST_F(WallGains, RefusedOrFailedWallsKeepThePreviousResults) {
    ComputeWallGains(state);
    const ProjectState before = state;
    struct Case {
        const char* name;
        void (*setUp)(ProjectState&);
        const char* message;
    };
    const Case cases[] = {
        {"no layers", [](ProjectState& state) { state.WallLayerCount = 0; }, kWallLayerCountMessage},
        {"six layers", [](ProjectState& state) { state.WallLayerCount = 6; }, kWallLayerCountMessage},
        {"count 3 with only layer 1 entered", [](ProjectState& state) { state.WallLayerCount = 3; },
         "Ошибка вычисления: недопустимая операция при расчёте слоя 2 стены"},
        {"zero conductivity", [](ProjectState& state) { state.WallLayers[1].Conductivity = Decimal4(); },
         "Ошибка вычисления: деление на ноль при расчёте слоя 1 стены"},
        {"area past the range", [](ProjectState& state) { state.WallArea = ParseDecimal4("900000000000000"); },
         "Ошибка вычисления: недопустимая операция при расчёте стены С, 8-9"},
        {"negative inertia",
         [](ProjectState& state) {
             SetLayer(state.WallLayers, 1, {"-9.2", "0.81", "0.38"});
         },
         kWallNegativeInertiaMessage},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        state = before;
        state.Latitude = 60;  // the mean radiation would change
        c.setUp(state);
        const LayerTable layers = state.WallLayers;
        EXPECT_EQ(MessageOf([this] { ComputeWallGains(state); }), c.message);
        EXPECT_EQ(state.WallHourGain, before.WallHourGain);
        EXPECT_EQ(state.WallDamping, before.WallDamping);
        EXPECT_EQ(state.WallDampingProduct, before.WallDampingProduct);
        EXPECT_EQ(state.FacadeMeanRadiation, before.FacadeMeanRadiation);
        EXPECT_EQ(state.WallLayers, layers);
    }
}

TEST_F(WallGains, FiveLayersAreComputed) {
    state.WallLayerCount = SetLayers(
        state.WallLayers,
        {kBrick, {"0.5", "0.04", "0.05"}, {"11", "1.2", "0.1"}, {"0.5", "0.04", "0.05"}, {"9.2", "0.81", "0.12"}});
    ComputeWallGains(state);
    EXPECT_NE(state.WallDampingProduct, Decimal4());
    EXPECT_EQ(Text(state.WallLayers[5].LayerResistance), "0.1481");
}

}  // namespace
