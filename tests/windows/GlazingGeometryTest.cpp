#include <gtest/gtest.h>

#include <string>

#include "WindowTestSupport.h"

using namespace window_test;

namespace {

TEST(GlazingGeometry, SunBehindTheFacadeLeavesTheOpeningSunlit) {
    ProjectState state;
    ComputeVerticalWith(state, kSouthNoon);
    // North facade at noon: Aco = 164 degrees, β negative, both fractions
    // above 1 before clamping.
    const WindowHourRecord& r = state.WindowHours.Record(kNorth, kNoon);
    EXPECT_EQ(r[WindowField::SunFacadeAzimuth], D("164"));
    EXPECT_LT(r[WindowField::BetaAngle], Decimal4());
    EXPECT_EQ(r[WindowField::SunlitHeightFraction], D("1"));
    EXPECT_EQ(r[WindowField::SunlitWidthFraction], D("1"));
    EXPECT_EQ(r[WindowField::InsolationCoeff], D("1"));
}

TEST(GlazingGeometry, SunAlongTheFacadeShadesTheWholeWidth) {
    ProjectState state;
    // Ac = 89.9 on the south facade: tg Aco is large, the width fraction
    // would be far below 0.
    ComputeVerticalWith(state, {"317", "87.7924", "61.1152", "89.9", "370.1152", "120"});
    const WindowHourRecord& r = state.WindowHours.Record(kSouth, kNoon);
    EXPECT_EQ(r[WindowField::SunlitWidthFraction], Decimal4());
    EXPECT_EQ(r[WindowField::InsolationCoeff], Decimal4());
    // Only the diffuse part goes through: qвр · Kобл · Kотн · τ₂.
    const long double diffuse = 87.7924L * r[WindowField::IrradiationCoeff].Units() * 0.9L * 0.9L;
    EXPECT_NEAR(static_cast<double>(r[WindowField::FluxRadiation].Units()), static_cast<double>(diffuse), 1e-4);
}

TEST(GlazingGeometry, NoDirectRadiationLeavesOnlyTheDiffuseTerms) {
    ProjectState state;
    ComputeVerticalWith(state, {"0", "87.7924", "61.1152", "16", "0", "120"});
    const WindowHourRecord& r = state.WindowHours.Record(kSouth, kNoon);
    EXPECT_EQ(r[WindowField::InsolationCoeff], D("0.5961"));
    // 87.7924 · 0.8979 · 0.9 · 0.9 and 22.5 + 0.5·14.7·0.79 + 120·0.8979·0.25·0.9/26.87
    EXPECT_EQ(FormatDecimal4(r[WindowField::FluxRadiation]), "63.8513");
    EXPECT_EQ(FormatDecimal4(r[WindowField::CondOutdoorTemp]), "29.2087");
}

TEST(GlazingGeometry, InclinedWithoutTiltIsVertical) {
    for (int latitude : {40, 48, 55, 60}) {
        SCOPED_TRACE("latitude " + std::to_string(latitude));
        WindowInputTexts texts = DefaultWindowInputTexts();
        texts.Latitude = std::to_string(latitude);
        ProjectState state;
        RunWindowComputation(state, texts, WindowKind::Vertical);
        const WindowHourTable vertical = state.WindowHours;
        RunWindowComputation(state, texts, WindowKind::Inclined);
        EXPECT_EQ(state.WindowHours, vertical);
    }
}

TEST(GlazingGeometry, HorizontalGlazingHasNoBetaAndMirrorsAgree) {
    WindowInputTexts texts = DefaultWindowInputTexts();
    texts.ShadeHorizLength = "0";
    texts.ShadeVertLength = "0";
    ProjectState state;
    const WindowRunResult run = RunWindowComputation(state, texts, WindowKind::Horizontal);
    EXPECT_TRUE(run.HideOrientationSelector);
    EXPECT_EQ(run.InsolationCaption, "инс.г.");
    // Mirror orientations share the facade azimuth and, horizontally, the radiation.
    const int mirror[][2] = {{2, 8}, {3, 7}, {4, 6}};
    for (const auto& pair : mirror) {
        for (int h = 1; h <= kHourCount; ++h) {
            SCOPED_TRACE("orientations " + std::to_string(pair[0]) + "/" + std::to_string(pair[1]) + " hour " +
                         std::to_string(h));
            EXPECT_EQ(state.WindowHours.Record(pair[0], h), state.WindowHours.Record(pair[1], h));
            EXPECT_TRUE(state.WindowHours.Record(pair[0], h)[WindowField::BetaAngle].IsZero());
        }
    }
    const WindowHourRecord& north = state.WindowHours.Record(kNorth, kNoon);
    EXPECT_EQ(FormatDecimal4(north[WindowField::HeatGain]), "2032");
    EXPECT_EQ(FormatDecimal4(north[WindowField::CondOutdoorTemp]), "42.8259");
}

TEST(WindowPeaks, EqualGainsKeepTheEarlierHour) {
    ProjectState state;
    // clang-format off
    struct PeakCase { int orientation; int gains[kHourCount]; int peakHour; int peak; };
    const PeakCase cases[] = {
        //  o   8-9  9-10 10-11 11-12 12-13 13-14 14-15 15-16 16-17 17-18   hour  peak
        {   1, { 10,  20,   30,   40,   50,   50,   40,   30,   20,   10 },   5,    50 },
        {   2, { 90,  20,   30,   40,   50,   90,   40,   30,   20,   90 },   1,    90 },
        {   3, {  1,   2,    3,    4,    5,    6,    7,    8,    9,   10 },  10,    10 },
        {   4, {  0,   0,    0,    0,    0,    0,    0,    0,    0,    0 },   1,     0 },
        {   5, { -5,  -3,   -3,   -7,   -9,   -9,   -9,   -9,   -9,   -9 },   2,    -3 },
    };
    // clang-format on
    for (const PeakCase& c : cases) {
        for (int h = 1; h <= kHourCount; ++h) {
            state.WindowHours.Record(c.orientation, h)[WindowField::HeatGain] = Decimal4::FromInt(c.gains[h - 1]);
        }
    }
    FindWindowPeaks(state);
    for (const PeakCase& c : cases) {
        SCOPED_TRACE("orientation " + std::to_string(c.orientation));
        EXPECT_EQ(state.WindowPeakHour[c.orientation], c.peakHour);
        EXPECT_EQ(state.WindowPeakGain[c.orientation], Decimal4::FromInt(c.peak));
    }
}

}  // namespace
