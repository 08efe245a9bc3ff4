#include <gtest/gtest.h>

#include <string>

#include "CalcError.h"
#include "Decimal4.h"
#include "FloatingPoint.h"

namespace {

std::string FaultOf(long double (*formula)()) {
    BeginComputation();
    try {
        Decimal4::StoreUnits(formula());
    } catch (const CalcError& e) {
        return e.what();
    }
    return "stored";
}

volatile long double zero = 0.0L;
volatile long double one = 1.0L;

TEST(Decimal4Store, RoundsHalfToEven) {
    BeginComputation();
    const std::pair<long double, std::int64_t> cases[] = {
        {2.5L, 2}, {3.5L, 4}, {-2.5L, -2}, {-3.5L, -4}, {2.4999L, 2}, {2.5001L, 3}, {0.5L, 0}, {1.5L, 2}, {-0.5L, 0},
    };
    for (const auto& [counts, expected] : cases) {
        SCOPED_TRACE(std::to_string(static_cast<double>(counts)));
        EXPECT_EQ(Decimal4::StoreCounts(counts).Count(), expected);
    }
    EXPECT_EQ(Decimal4::StoreUnits(26.87245L).Count(), 268724);
    EXPECT_EQ(RoundWhole(2.5L), 2.0L);
    EXPECT_EQ(RoundWhole(3.5L), 4.0L);
    EXPECT_EQ(RoundWhole(-759.5147L), -760.0L);
    EXPECT_EQ(RoundToInt(24.5L), 24);
}

TEST(Decimal4Store, ReportsFloatingPointFaults) {
    EXPECT_EQ(FaultOf([] { return one / zero; }), "Floating point division by zero");
    EXPECT_EQ(FaultOf([] { return zero / zero; }), "Invalid floating point operation");
    EXPECT_EQ(FaultOf([] { return X87Sqrt(-one); }), "Invalid floating point operation");
    EXPECT_EQ(FaultOf([] { return 1e4000L * (one * 1e4000L); }), "Floating point overflow");
    EXPECT_EQ(FaultOf([] { return one * 1e15L; }), "Invalid floating point operation");  // beyond the range
    EXPECT_EQ(FaultOf([] { return one * 1.5L; }), "stored");
}

TEST(Decimal4Store, AFaultIsReportedOnceAndTheNextComputationStartsClean) {
    EXPECT_EQ(FaultOf([] { return one / zero; }), "Floating point division by zero");
    BeginComputation();
    EXPECT_EQ(Decimal4::StoreUnits(one * 2.0L).Count(), 20000);
}

TEST(X87Functions, AgreeWithTheLibrary) {
    EXPECT_NEAR(static_cast<double>(X87Sin(0.5L)), 0.479425538604203, 1e-15);
    EXPECT_NEAR(static_cast<double>(X87Cos(0.5L)), 0.877582561890373, 1e-15);
    EXPECT_NEAR(static_cast<double>(X87Atan(1.0L)), 0.785398163397448, 1e-15);
    EXPECT_NEAR(static_cast<double>(X87Ln(2.718281828459045L)), 1.0, 1e-15);
    EXPECT_NEAR(static_cast<double>(X87Exp(1.0L)), 2.718281828459045, 1e-15);
    EXPECT_NEAR(static_cast<double>(X87Exp(-3.25L)), 0.038774207831722, 1e-15);
    EXPECT_EQ(X87Sqrt(4.0L), 2.0L);
}

}  // namespace
