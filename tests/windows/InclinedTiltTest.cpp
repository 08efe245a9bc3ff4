#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "CalcError.h"
#include "InputControls.h"
#include "WindowTestSupport.h"

using namespace window_test;

namespace {

// The largest heat gain of the table, and its smallest.
struct GainSpan {
    Decimal4 lowest;
    Decimal4 highest;
};
GainSpan GainsOf(const WindowHourTable& table) {
    GainSpan span{table.records.front()[WindowField::HeatGain], table.records.front()[WindowField::HeatGain]};
    for (const WindowHourRecord& r : table.records) {
        span.lowest = std::min(span.lowest, r[WindowField::HeatGain]);
        span.highest = std::max(span.highest, r[WindowField::HeatGain]);
    }
    return span;
}

// The largest tilt taken gives gains of the same sign and order as the
// vertical glazing at every latitude: none below the vertical's smallest
// (no direct radiation turned negative), none above twice its largest. Near
// the geometric limit (β + β' = 90° for the steepest sun) they were tens of
// times larger, and past it negative.
TEST(InclinedTilt, TheLargestTiltTakenGivesSaneGains) {
    for (int latitude = 40; latitude <= 60; ++latitude) {
        SCOPED_TRACE("latitude " + std::to_string(latitude));
        ProjectState state;
        WindowInputTexts texts = DefaultWindowInputTexts();
        texts.Latitude = std::to_string(latitude);
        RunWindowComputation(state, texts, WindowKind::Vertical);
        const GainSpan vertical = GainsOf(state.WindowHours);

        texts.GlazingTilt = std::to_string(kMaxGlazingTilt);
        RunWindowComputation(state, texts, WindowKind::Inclined);
        const GainSpan inclined = GainsOf(state.WindowHours);
        EXPECT_GE(inclined.lowest, vertical.lowest);
        EXPECT_GT(inclined.highest, vertical.highest);  // tilted back, it takes more sun
        EXPECT_LE(inclined.highest, vertical.highest + vertical.highest);
    }
}

// The first tilt past either end is refused before anything is computed,
// naming the tilt; so are the tilts that once gave nonsense.
TEST(InclinedTilt, TiltsOutsideTheRangeAreRefused) {
    for (const char* tilt : {"10.0001", "-0.0001", "60", "75", "100000000000000"}) {
        SCOPED_TRACE(tilt);
        ProjectState state;
        WindowInputTexts texts = DefaultWindowInputTexts();
        texts.GlazingTilt = tilt;
        try {
            RunWindowComputation(state, texts, WindowKind::Inclined);
            ADD_FAILURE() << "accepted";
        } catch (const CalcError& e) {
            EXPECT_EQ(e.Input(), "GlazingTilt");
        }
        EXPECT_TRUE(state.GlazingTilt.IsZero());
    }
    // The other kinds do not turn by the tilt, whose field they hide: any
    // tilt left in it is read as it is.
    for (const WindowKind kind : {WindowKind::Vertical, WindowKind::Horizontal}) {
        ProjectState state;
        WindowInputTexts texts = DefaultWindowInputTexts();
        texts.GlazingTilt = "15";
        RunWindowComputation(state, texts, kind);
        EXPECT_EQ(state.GlazingTilt, D("15"));
    }
}

}  // namespace
