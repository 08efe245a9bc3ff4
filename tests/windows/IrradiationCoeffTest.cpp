#include <gtest/gtest.h>

#include <string>

#include "WindowTestSupport.h"

using namespace window_test;

namespace {

// The shading factors switch polynomials at exactly 5, 25 and 45 degrees.
struct FactorCase {
    const char* angle;
    const char* horizontal;  // Kг
    const char* vertical;    // Kв
};

TEST(ShadingFactor, BranchesAtTheirLimits) {
    BeginComputation();
    // clang-format off
    const FactorCase cases[] = {
        //  γ          Kг        Kв
        { "0",       "1.2994", "1.0773" },  // no shading element: second polynomial
        { "4.9999",  "1.2012", "0.9801" },  // second polynomial
        { "5",       "1",      "1"      },  // first polynomial from 5 on
        { "25",      "0.85",   "0.636"  },  // first polynomial up to 25
        { "25.0001", "0.8531", "0.636"  },  // second polynomial again
        { "44.9999", "0.5772", "0.3641" },  // second polynomial
        { "45",      "0.567",  "0.364"  },  // linear fit from 45 on
        { "89.9",    "0.2662", "-0.2107"},  // no lower bound
    };
    // clang-format on
    for (const FactorCase& c : cases) {
        SCOPED_TRACE(std::string("γ = ") + c.angle);
        EXPECT_EQ(FormatDecimal4(HorizontalShadingFactor(D(c.angle))), c.horizontal);
        EXPECT_EQ(FormatDecimal4(VerticalShadingFactor(D(c.angle))), c.vertical);
    }
}

TEST(IrradiationCoeff, CappedAtOneWithoutShading) {
    ProjectState state;
    StartWithInputs(state, [](WindowInputTexts& t) {
        t.ShadeHorizLength = "0";
        t.ShadeVertLength = "0";
    });
    ComputeIrradiationCoeff(state);
    // 1.2994 · 1.0773 exceeds 1.
    for (const auto& r : state.WindowHours.records) EXPECT_EQ(r[WindowField::IrradiationCoeff], D("1"));
}

TEST(IrradiationCoeff, SteepShadingAngleUsesTheLinearFits) {
    ProjectState state;
    // Lг = H + a and Lв = B + c give 45 degrees.
    StartWithInputs(state, [](WindowInputTexts& t) {
        t.ShadeHorizLength = "1.5";
        t.ShadeVertLength = "2.1";
        t.ShadeVertOffset = "0.1";
    });
    EXPECT_EQ(FormatDecimal4(HorizontalShadingAngle(state)), "45");
    EXPECT_EQ(FormatDecimal4(VerticalShadingAngle(state)), "45");
    ComputeIrradiationCoeff(state);
    // 0.567 · 0.364
    EXPECT_EQ(FormatDecimal4(state.WindowHours.Record(3, 7)[WindowField::IrradiationCoeff]), "0.2064");
}

TEST(IrradiationCoeff, HasNoLowerBound) {
    ProjectState state;
    StartWithInputs(state, [](WindowInputTexts& t) { t.ShadeVertLength = "5000"; });
    ComputeIrradiationCoeff(state);
    EXPECT_LT(state.WindowHours.Record(1, 1)[WindowField::IrradiationCoeff], Decimal4());
}

}  // namespace
