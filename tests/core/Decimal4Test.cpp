#include <gtest/gtest.h>

#include <functional>
#include <limits>
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
    EXPECT_EQ(RoundHalfEven(-759.5147L), -760);
    EXPECT_EQ(Decimal4::StoreWhole(24.5L).Count(), 240000);
    EXPECT_EQ(Decimal4::FromCount(-25000).RoundedWhole().Count(), -20000);
}

// The count a computation stores, or the message it fails with.
std::string Outcome(const std::function<Decimal4()>& compute) {
    BeginComputation();
    try {
        return std::to_string(compute().Count());
    } catch (const CalcError& e) {
        return e.what();
    }
}

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
constexpr long double kTwo63 = 9223372036854775808.0L;
const std::string kInvalid = "Ошибка вычисления: недопустимая операция";

TEST(Decimal4Range, ValuesOutsideTheCountRangeAreInvalid) {
    const auto count = [](std::int64_t c) { return Decimal4::FromCount(c); };
    struct Case {
        const char* name;
        std::function<Decimal4()> compute;
        std::string outcome;
    };
    // clang-format off
    const Case cases[] = {
        { "max + 1",              [&] { return count(kMax) + count(1); },            kInvalid },
        { "min + -1",             [&] { return count(kMin) + count(-1); },           kInvalid },
        { "max + min",            [&] { return count(kMax) + count(kMin); },         "-1" },
        { "min - 1",              [&] { return count(kMin) - count(1); },            kInvalid },
        { "0 - min",              [&] { return Decimal4() - count(kMin); },          kInvalid },
        { "-1 - max",             [&] { return count(-1) - count(kMax); },           std::to_string(kMin) },
        { "|min|",                [&] { return Abs(count(kMin)); },                  kInvalid },
        { "|min + 1|",            [&] { return Abs(count(kMin + 1)); },              std::to_string(kMax) },
        { "whole 922337203685477", [] { return Decimal4::FromInt(922337203685477); }, "9223372036854770000" },
        { "whole 922337203685478", [] { return Decimal4::FromInt(922337203685478); }, kInvalid },
        { "whole -922337203685478", [] { return Decimal4::FromInt(-922337203685478); }, kInvalid },
        { "store -2^63",          [] { return Decimal4::StoreCounts(-kTwo63); },     std::to_string(kMin) },
        { "store -2^63 + 0.5",    [] { return Decimal4::StoreCounts(-kTwo63 + 0.5L); }, std::to_string(kMin) },
        { "store 2^63 - 1",       [] { return Decimal4::StoreCounts(kTwo63 - 1.0L); }, std::to_string(kMax) },
        { "store 2^63 - 0.5",     [] { return Decimal4::StoreCounts(kTwo63 - 0.5L); }, kInvalid },
        { "store 2^63",           [] { return Decimal4::StoreCounts(kTwo63); },      kInvalid },
        { "store -2^63 - 1",      [] { return Decimal4::StoreCounts(-kTwo63 - 1.0L); }, kInvalid },
        { "whole of 10^15 units", [] { return Decimal4::StoreWhole(1e15L); },       kInvalid },
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Outcome(c.compute), c.outcome);
    }
}

TEST(Decimal4Store, ReportsFloatingPointFaults) {
    EXPECT_EQ(FaultOf([] { return one / zero; }), "Ошибка вычисления: деление на ноль");
    EXPECT_EQ(FaultOf([] { return zero / zero; }), "Ошибка вычисления: недопустимая операция");
    EXPECT_EQ(FaultOf([] { return X87Sqrt(-one); }), "Ошибка вычисления: недопустимая операция");
    EXPECT_EQ(FaultOf([] { return 1e4000L * (one * 1e4000L); }), "Ошибка вычисления: переполнение");
    EXPECT_EQ(FaultOf([] { return one * 1e15L; }), "Ошибка вычисления: недопустимая операция");  // beyond the range
    EXPECT_EQ(FaultOf([] { return one * 1.5L; }), "stored");
}

TEST(Decimal4Store, AFaultIsReportedOnce) {
    EXPECT_EQ(FaultOf([] { return one / zero; }), "Ошибка вычисления: деление на ноль");
    EXPECT_EQ(Decimal4::StoreUnits(one * 2.0L).Count(), 20000);
}

TEST(FirstFault, ACheckedOperationRaisesItsOwnFaultAtOnce) {
    struct Case {
        const char* name;
        long double (*formula)();
        const char* message;
    };
    // clang-format off
    const Case cases[] = {
        { "x/0",              [] { return Quotient(one, zero); },          "Ошибка вычисления: деление на ноль" },
        { "0/0",              [] { return Quotient(zero, zero); },         "Ошибка вычисления: недопустимая операция" },
        { "ln 0",             [] { return X87Ln(zero); },                  "Ошибка вычисления: деление на ноль" },
        { "ln -1",            [] { return X87Ln(-one); },                  "Ошибка вычисления: недопустимая операция" },
        { "sqrt -1",          [] { return X87Sqrt(-one); },                "Ошибка вычисления: недопустимая операция" },
        { "exp 10^6",         [] { return X87Exp(one * 1e6L); },           "Ошибка вычисления: переполнение" },
        // Checked one after the other, the first fault is the one reported ...
        { "0/0, then x/0",    [] { const long double q = Quotient(zero, zero); return q + Quotient(one, zero); },
                                                                           "Ошибка вычисления: недопустимая операция" },
        // ... while faults first seen together by a store report the division by zero.
        { "0/0 + x/0 stored", [] { return zero / zero + one / zero; },     "Ошибка вычисления: деление на ноль" },
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FaultOf(c.formula), c.message);
    }
    BeginComputation();
    EXPECT_EQ(Quotient(one, 4 * one), 0.25L);
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
