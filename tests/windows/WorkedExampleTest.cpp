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

// One worked hour at 12-13 on a table through the common steps: the kind
// step, the fields it computes, the transfer flux qпт and the sum of both
// fluxes; then the finished table's fields.
struct WorkedHour {
    void (*kindStep)(ProjectState&);
    int orientation;
    std::vector<Expected> computed;
    const char* transfer;
    const char* fluxSum;
    std::vector<Expected> finished;
};

const WindowHourRecord& CheckWorkedHour(ProjectState& state, const WorkedHour& w) {
    w.kindStep(state);
    const WindowHourRecord& r = state.WindowHours.Record(w.orientation, kNoon);
    ExpectFields(r, w.computed);
    const Decimal4 transfer = TransferFlux(state, r[WindowField::CondOutdoorTemp]);
    EXPECT_EQ(FormatDecimal4(transfer), w.transfer);
    EXPECT_EQ(FormatDecimal4(r[WindowField::FluxRadiation] + transfer), w.fluxSum);
    FinishWindowTable(state);
    ExpectFields(r, w.finished);
    return r;
}

TEST(WorkedExample, VerticalSouthAtNoon) {
    ProjectState state;
    StartWithDefaults(state);
    FillAllRecords(state, kSouthNoon);
    RunCommonSteps(state);

    EXPECT_EQ(FormatDecimal4(HorizontalShadingAngle(state)), "11.3099");
    EXPECT_EQ(FormatDecimal4(HorizontalShadingFactor(HorizontalShadingAngle(state))), "0.9596");
    EXPECT_EQ(FormatDecimal4(VerticalShadingAngle(state)), "8.5308");
    EXPECT_EQ(FormatDecimal4(VerticalShadingFactor(VerticalShadingAngle(state))), "0.9357");

    const WindowHourRecord& r = CheckWorkedHour(state, {ComputeVerticalGlazing,
                                                        kSouth,
                                                        {
                                                            {WindowField::SunFacadeAzimuth, "16"},
                                                            {WindowField::BetaAngle, "27.9376"},
                                                            {WindowField::IrradiationCoeff, "0.8979"},
                                                            {WindowField::SunlitHeightFraction, "0.6229"},
                                                            {WindowField::SunlitWidthFraction, "0.957"},
                                                            {WindowField::InsolationCoeff, "0.5961"},
                                                            {WindowField::FluxRadiation, "216.9119"},
                                                            {WindowField::CondOutdoorTemp, "31.0562"},
                                                        },
                                                        "32.5182",
                                                        "249.4301",
                                                        {}});
    // The shown sum 249 is rounded on its own, not 217 + 33; Qост comes
    // from the unrounded 249.4301 (759.5147 W).
    ExpectSouthNoonShown(r);
}

TEST(WorkedExample, InclinedTiltTen) {
    ProjectState state;
    StartWithInputs(state, [](WindowInputTexts& t) { t.GlazingTilt = "10"; });
    FillAllRecords(state, kSouthNoon);
    RunCommonSteps(state);
    CheckWorkedHour(state, {ComputeInclinedGlazing,
                            kSouth,
                            {
                                {WindowField::SunlitHeightFraction, "0.7434"},
                                {WindowField::SunlitWidthFraction, "0.9672"},
                                {WindowField::InsolationCoeff, "0.719"},
                                {WindowField::FluxRadiation, "335.2298"},
                                {WindowField::CondOutdoorTemp, "32.4843"},
                            },
                            "36.7185",
                            "371.9483",
                            {
                                {WindowField::FluxTransfer, "37"},
                                {WindowField::FluxTotal, "372"},
                                {WindowField::HeatGain, "1133"},
                            }});
}

TEST(WorkedExample, HorizontalNorthAtNoon) {
    ProjectState state;
    StartWithInputs(state, [](WindowInputTexts& t) {
        t.ShadeHorizLength = "0";
        t.ShadeVertLength = "0";
    });
    FillAllRecords(state, kHorizontalNoon);
    RunCommonSteps(state, /*withBeta=*/false);
    CheckWorkedHour(state, {ComputeHorizontalGlazing,
                            kNorth,
                            {
                                {WindowField::SunFacadeAzimuth, "164"},
                                {WindowField::BetaAngle, "0"},
                                {WindowField::IrradiationCoeff, "1"},
                                {WindowField::SunlitHeightFraction, "1"},
                                {WindowField::SunlitWidthFraction, "1"},
                                {WindowField::InsolationCoeff, "1"},
                                {WindowField::FluxRadiation, "600.21"},
                                {WindowField::CondOutdoorTemp, "42.8259"},
                            },
                            "67.135",
                            "667.345",
                            {{WindowField::HeatGain, "2032"}}});
}

}  // namespace
