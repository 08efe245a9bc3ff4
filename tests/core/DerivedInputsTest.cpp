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
        ProjectState state;
        const std::optional<OuterCoeffTexts> shown = TypeWindSpeed(c.wind, true, state);
        ASSERT_TRUE(shown);
        EXPECT_EQ(shown->Window, c.vertical);
        EXPECT_EQ(shown->Envelope, c.horizontal);
        EXPECT_EQ(FormatDecimal4(state.WindSpeed), c.wind);
        EXPECT_EQ(FormatDecimal4(state.WindowOuterCoeff), c.vertical);
        EXPECT_EQ(FormatDecimal4(state.EnvelopeOuterCoeff), c.horizontal);
    }
}

TEST(OuterCoeffs, HorizontalKindLeavesTheVerticalCoefficient) {
    ProjectState state;
    const std::optional<OuterCoeffTexts> shown = TypeWindSpeed("4", false, state);
    ASSERT_TRUE(shown);
    EXPECT_FALSE(shown->Window);
    EXPECT_TRUE(state.WindowOuterCoeff.IsZero());
    EXPECT_EQ(FormatDecimal4(state.EnvelopeOuterCoeff), "13.9");
}

TEST(OuterCoeffs, NegativeWindIsRefusedBeforeItIsStored) {
    ProjectState state;
    ASSERT_TRUE(TypeWindSpeed("2,25", true, state));  // a decimal comma reads as the point
    EXPECT_EQ(FormatDecimal4(state.WindSpeed), "2.25");
    try {
        TypeWindSpeed("-0.0001", true, state);
        ADD_FAILURE() << "accepted";
    } catch (const CalcError& e) {
        EXPECT_EQ(e.Input(), "WindSpeed");
    }
    EXPECT_EQ(FormatDecimal4(state.WindSpeed), "2.25");
    EXPECT_EQ(FormatDecimal4(state.WindowOuterCoeff), "23.2");
    EXPECT_FALSE(TypeWindSpeed("", true, state));
}

TEST(OpeningArea, UsesTheRoundedInputs) {
    EXPECT_EQ(OpeningAreaText("1.5", "2", "1"), "3");
    EXPECT_EQ(OpeningAreaText("1.5", "3", "1"), "4.5");
    EXPECT_EQ(OpeningAreaText("1.5", "2", "2"), "6");
    // 1.23456 is stored as 1.2346: 1.2346 · 1 · 1 rather than 1.23456.
    EXPECT_EQ(OpeningAreaText("1.23456", "1", "1"), "1.2346");
    EXPECT_EQ(FormatDecimal4(*OpeningArea("1.23456", "3", "1")), "3.7038");
    EXPECT_FALSE(OpeningAreaText("1.5", "", "1").has_value());
    EXPECT_EQ(OpeningAreaText("1,5", "2", "1"), "3");
}

TEST(OpeningArea, AFailureNamesTheControlOfItsText) {
    struct Case {
        const char* height;
        const char* width;
        const char* count;
        const char* control;
    };
    // H and B wait for the windows page to refuse them (a file saved before
    // any computation holds 0 for both); n, read nowhere else, is refused here.
    // A count is a whole number of windows: 2.5 and 1,5 are refused.
    const Case cases[] = {
        {"x", "2", "1", "WindowHeight"},    {"1.5", "2x", "1", "WindowWidth"}, {"1.5", "2", "1,5,", "WindowCount"},
        {"1.5", "2", "0", "WindowCount"},   {"0", "0", "1", nullptr},          {"1.5", "2", "1", nullptr},
        {"1.5", "2", "2.5", "WindowCount"}, {"1.5", "2", "1,5", "WindowCount"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.height) + " " + c.width + " " + c.count);
        try {
            OpeningArea(c.height, c.width, c.count);
            EXPECT_EQ(c.control, nullptr) << "accepted";
        } catch (const CalcError& e) {
            EXPECT_EQ(e.Input(), c.control != nullptr ? c.control : "(accepted)");
        }
    }
}

TEST(WindowKind, EachSwitchSetsShadesTiltAndCoefficients) {
    struct Case {
        WindowKind kind;
        const char* name;
        std::optional<std::string_view> shades;
        bool shadesEnabled;
        bool tiltShown;
        bool windowCoeff;
    };
    // clang-format off
    const Case cases[] = {
        {WindowKind::Vertical,   "vertical",   "0.3",        true,  false, true },
        {WindowKind::Inclined,   "inclined",   std::nullopt, true,  true,  true },
        {WindowKind::Horizontal, "horizontal", "0",          false, false, false},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const WindowKindSwitch s = KindSwitch(c.kind);
        EXPECT_EQ(s.ShadeHorizText, c.shades);
        EXPECT_EQ(s.ShadeVertText, c.shades);
        EXPECT_EQ(s.ShadesEnabled, c.shadesEnabled);
        EXPECT_EQ(s.TiltShown, c.tiltShown);
        EXPECT_EQ(s.WindowCoeff, c.windowCoeff);
    }
}

}  // namespace
