#include <gtest/gtest.h>

#include "CalcError.h"
#include "Conversions.h"
#include "DerivedInputs.h"
#include "ProjectState.h"

namespace {

TEST(OuterCoeffs, FollowTheWindSpeed) {
    struct Case {
        const char* wind;
        const char* vertical;
        const char* horizontal;
    };
    const Case cases[] = {{"3.3", "26.8724", "13.4231"}, {"0", "5.8", "8.7"}, {"4", "29", "13.9"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.wind);
        ResetProjectState();
        ASSERT_TRUE(ReadWindSpeed(c.wind));
        UpdateWindowOuterCoeff();
        UpdateEnvelopeOuterCoeff();
        EXPECT_EQ(FormatDecimal4(Project.WindowOuterCoeff), c.vertical);
        EXPECT_EQ(FormatDecimal4(Project.EnvelopeOuterCoeff), c.horizontal);
    }
}

TEST(OuterCoeffs, NegativeWindKeepsTheStoredSpeedAndFails) {
    ResetProjectState();
    ASSERT_TRUE(ReadWindSpeed("-1"));
    EXPECT_EQ(FormatDecimal4(Project.WindSpeed), "-1");
    EXPECT_THROW(UpdateWindowOuterCoeff(), CalcError);
    EXPECT_TRUE(Project.WindowOuterCoeff.IsZero());
    EXPECT_FALSE(ReadWindSpeed(""));
}

TEST(OpeningArea, UsesTheRoundedInputs) {
    EXPECT_EQ(FormatDecimal4(*OpeningArea("1.5", "2", "1")), "3");
    EXPECT_EQ(FormatDecimal4(*OpeningArea("1.5", "3", "1")), "4.5");
    EXPECT_EQ(FormatDecimal4(*OpeningArea("1.5", "2", "2.5")), "7.5");
    // 1.23456 is stored as 1.2346: 1.2346 · 1 · 1 rather than 1.23456.
    EXPECT_EQ(FormatDecimal4(*OpeningArea("1.23456", "1", "1")), "1.2346");
    EXPECT_EQ(FormatDecimal4(*OpeningArea("1.23456", "3", "1")), "3.7038");
    EXPECT_FALSE(OpeningArea("1.5", "", "1").has_value());
    EXPECT_THROW(OpeningArea("1.5", "2x", "1"), CalcError);
}

}  // namespace
