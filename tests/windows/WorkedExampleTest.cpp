#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "WindowTestSupport.h"

using namespace window_test;

namespace {

struct Expected {
    WindowField field;
    const char* value;
};

void ExpectFields(const WindowHourRecord& r, const std::vector<Expected>& expected) {
    for (const Expected& e : expected) {
        SCOPED_TRACE("field " + std::to_string(static_cast<int>(e.field)));
        EXPECT_EQ(FormatDecimal4(r[e.field]), e.value);
    }
}

constexpr int kSouth = 5;
constexpr int kNorth = 1;
constexpr int kNoon = 5;  // 12-13

TEST(WorkedExample, VerticalSouthAtNoon) {
    StartWithDefaults();
    FillAllRecords(kSouthNoon);
    RunCommonSteps();

    EXPECT_EQ(FormatDecimal4(HorizontalShadingAngle()), "11.3099");
    EXPECT_EQ(FormatDecimal4(HorizontalShadingFactor(HorizontalShadingAngle())), "0.9596");
    EXPECT_EQ(FormatDecimal4(VerticalShadingAngle()), "8.5308");
    EXPECT_EQ(FormatDecimal4(VerticalShadingFactor(VerticalShadingAngle())), "0.9357");

    ComputeVerticalGlazing();
    const WindowHourRecord& r = Project.WindowHours.Record(kSouth, kNoon);
    const Decimal4 transfer = TransferFlux(r[WindowField::CondOutdoorTemp]);
    EXPECT_EQ(FormatDecimal4(transfer), "32.5182");
    EXPECT_EQ(FormatDecimal4(r[WindowField::FluxRadiation] + transfer), "249.4301");
    ExpectFields(r, {
                        {WindowField::SunFacadeAzimuth, "16"},
                        {WindowField::BetaAngle, "27.9376"},
                        {WindowField::IrradiationCoeff, "0.8979"},
                        {WindowField::SunlitHeightFraction, "0.6229"},
                        {WindowField::SunlitWidthFraction, "0.957"},
                        {WindowField::InsolationCoeff, "0.5961"},
                        {WindowField::FluxRadiation, "216.9119"},
                        {WindowField::CondOutdoorTemp, "31.0562"},
                    });

    FinishWindowTable();
    // The shown sum 249 is rounded on its own, not 217 + 33; Qост comes
    // from the unrounded 249.4301 (759.5147 W).
    const char* shown[kShownFieldCount] = {"317", "88", "61", "16", "0",      "16",      "28",  "370", "120",
                                           "0.79", "0.5961", "0.8979", "217", "31.0562", "33", "249", "760"};
    for (int f = 1; f <= kShownFieldCount; ++f) {
        SCOPED_TRACE("shown field " + std::to_string(f));
        EXPECT_EQ(FormatDecimal4(r.Field(f)), shown[f - 1]);
    }
}

TEST(WorkedExample, InclinedTiltTen) {
    StartWithInputs([](WindowInputTexts& t) { t.GlazingTilt = "10"; });
    FillAllRecords(kSouthNoon);
    RunCommonSteps();
    ComputeInclinedGlazing();
    const WindowHourRecord& r = Project.WindowHours.Record(kSouth, kNoon);
    ExpectFields(r, {
                        {WindowField::SunlitHeightFraction, "0.7434"},
                        {WindowField::SunlitWidthFraction, "0.9672"},
                        {WindowField::InsolationCoeff, "0.719"},
                        {WindowField::FluxRadiation, "335.2298"},
                        {WindowField::CondOutdoorTemp, "32.4843"},
                    });
    const Decimal4 transfer = TransferFlux(r[WindowField::CondOutdoorTemp]);
    EXPECT_EQ(FormatDecimal4(transfer), "36.7185");
    EXPECT_EQ(FormatDecimal4(r[WindowField::FluxRadiation] + transfer), "371.9483");

    FinishWindowTable();
    EXPECT_EQ(FormatDecimal4(r[WindowField::FluxTransfer]), "37");
    EXPECT_EQ(FormatDecimal4(r[WindowField::FluxTotal]), "372");
    EXPECT_EQ(FormatDecimal4(r[WindowField::HeatGain]), "1133");
}

TEST(WorkedExample, HorizontalNorthAtNoon) {
    StartWithInputs([](WindowInputTexts& t) {
        t.ShadeHorizLength = "0";
        t.ShadeVertLength = "0";
    });
    FillAllRecords(kHorizontalNoon);
    RunCommonSteps(/*withBeta=*/false);
    ComputeHorizontalGlazing();
    const WindowHourRecord& r = Project.WindowHours.Record(kNorth, kNoon);
    ExpectFields(r, {
                        {WindowField::SunFacadeAzimuth, "164"},
                        {WindowField::BetaAngle, "0"},
                        {WindowField::IrradiationCoeff, "1"},
                        {WindowField::SunlitHeightFraction, "1"},
                        {WindowField::SunlitWidthFraction, "1"},
                        {WindowField::InsolationCoeff, "1"},
                        {WindowField::FluxRadiation, "600.21"},
                        {WindowField::CondOutdoorTemp, "42.8259"},
                    });
    const Decimal4 transfer = TransferFlux(r[WindowField::CondOutdoorTemp]);
    EXPECT_EQ(FormatDecimal4(transfer), "67.135");
    EXPECT_EQ(FormatDecimal4(r[WindowField::FluxRadiation] + transfer), "667.345");

    FinishWindowTable();
    EXPECT_EQ(FormatDecimal4(r[WindowField::HeatGain]), "2032");
}

}  // namespace
