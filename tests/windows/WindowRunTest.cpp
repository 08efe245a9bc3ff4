#include <gtest/gtest.h>

#include <string>

#include "WindowTestSupport.h"

using namespace window_test;

namespace {

TEST(WindowRun, VerticalDefaultsAtLatitude48) {
    ProjectState state;
    const WindowRunResult run = RunWindowComputation(state, DefaultWindowInputTexts(), WindowKind::Vertical);
    EXPECT_EQ(run.InsolationCaption, "инс.в.");
    EXPECT_FALSE(run.HideOrientationSelector);
    const WindowHourRecord& r = state.WindowHours.Record(kSouth, kNoon);
    ExpectSouthNoonShown(r);
    EXPECT_EQ(FormatDecimal4(r[WindowField::SunlitHeightFraction]), "0.6229");
    EXPECT_EQ(FormatDecimal4(r[WindowField::SunlitWidthFraction]), "0.957");
}

TEST(WindowRun, InclinedTiltTenAtLatitude48) {
    ProjectState state;
    WindowInputTexts texts = DefaultWindowInputTexts();
    texts.GlazingTilt = "10";
    const WindowRunResult run = RunWindowComputation(state, texts, WindowKind::Inclined);
    EXPECT_EQ(run.InsolationCaption, "инс.н.");
    EXPECT_FALSE(run.HideOrientationSelector);
    const WindowHourRecord& r = state.WindowHours.Record(kSouth, kNoon);
    EXPECT_EQ(FormatDecimal4(r[WindowField::InsolationCoeff]), "0.719");
    EXPECT_EQ(FormatDecimal4(r[WindowField::CondOutdoorTemp]), "32.4843");
    EXPECT_EQ(FormatDecimal4(r[WindowField::HeatGain]), "1133");
}

TEST(WindowRun, FinishedTableHoldsWholeDisplayValues) {
    const WindowField whole[] = {WindowField::GainDirect,    WindowField::GainDiffuse,   WindowField::SunAltitude,
                                 WindowField::SunAzimuth,    WindowField::FacadeAzimuth, WindowField::SunFacadeAzimuth,
                                 WindowField::BetaAngle,     WindowField::IrradDirect,   WindowField::IrradDiffuse,
                                 WindowField::FluxRadiation, WindowField::FluxTransfer,  WindowField::FluxTotal,
                                 WindowField::HeatGain};
    for (WindowKind kind : {WindowKind::Vertical, WindowKind::Inclined, WindowKind::Horizontal}) {
        SCOPED_TRACE(std::string(InsolationKindCaption(kind)));
        ProjectState state;
        WindowInputTexts texts = DefaultWindowInputTexts();
        texts.Latitude = "56";
        texts.GlazingTilt = "7.5";
        RunWindowComputation(state, texts, kind);
        for (int o = 1; o <= kOrientationCount; ++o) {
            for (int h = 1; h <= kHourCount; ++h) {
                const WindowHourRecord& r = state.WindowHours.Record(o, h);
                for (WindowField f : whole) EXPECT_EQ(r[f].Count() % 10000, 0);
                EXPECT_EQ(r[WindowField::FacadeAzimuth], Decimal4::FromInt(OrientationAt(o).facadeAzimuth));
                for (WindowField f : {WindowField::InsolationCoeff, WindowField::SunlitHeightFraction,
                                      WindowField::SunlitWidthFraction}) {
                    EXPECT_GE(r[f], Decimal4());
                    EXPECT_LE(r[f], Decimal4::FromInt(1));
                }
                EXPECT_LE(r[WindowField::IrradiationCoeff], Decimal4::FromInt(1));
            }
            const int peakHour = state.WindowPeakHour[o];
            ASSERT_GE(peakHour, 1);
            ASSERT_LE(peakHour, kHourCount);
            EXPECT_EQ(state.WindowPeakGain[o], state.WindowHours.Record(o, peakHour)[WindowField::HeatGain]);
        }
    }
}

TEST(WindowRun, EveryRunStartsFromTheClearedTable) {
    // A horizontal run after a vertical one: β stays 0, the radiation is the
    // horizontal surface's in every orientation.
    ProjectState state;
    RunWindowComputation(state, DefaultWindowInputTexts(), WindowKind::Vertical);
    WindowInputTexts texts = DefaultWindowInputTexts();
    texts.ShadeHorizLength = "0";
    texts.ShadeVertLength = "0";
    RunWindowComputation(state, texts, WindowKind::Horizontal);
    for (int o = 1; o <= kOrientationCount; ++o) {
        SCOPED_TRACE("orientation " + std::to_string(o));
        const WindowHourRecord& r = state.WindowHours.Record(o, kNoon);
        EXPECT_TRUE(r[WindowField::BetaAngle].IsZero());
        EXPECT_EQ(r[WindowField::GainDirect], D("643"));
        EXPECT_EQ(r[WindowField::IrradDirect], D("733"));
    }
}

}  // namespace
