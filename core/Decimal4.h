#pragma once

#include <compare>
#include <cstdint>
#include <type_traits>

// A stored quantity: a signed 64-bit count of ten-thousandths (268700 is
// 26.87). Formulas are evaluated in 80-bit extended precision on the counts
// and rounded once, half to even, when the result is stored.
class Decimal4 {
public:
    constexpr Decimal4() = default;

    // The value whose count of ten-thousandths is `count`.
    static constexpr Decimal4 FromCount(std::int64_t count) {
        Decimal4 d;
        d.count_ = count;
        return d;
    }
    // A whole number of units, exactly.
    static constexpr Decimal4 FromInt(std::int64_t units) { return FromCount(units * 10000); }

    // The store of an extended value given in ten-thousandths: rounds to the
    // nearest integer, ties to even. Reads the floating-point fault flags first
    // and raises their message; a value outside the range is an invalid
    // operation.
    static Decimal4 StoreCounts(long double counts);
    // The same store for a value given in units (multiplied by the exact 10000).
    static Decimal4 StoreUnits(long double units);

    constexpr std::int64_t Count() const { return count_; }
    // The count as an extended value (exact: 64-bit significand).
    constexpr long double Counts() const { return static_cast<long double>(count_); }
    // The value in units, count / 10000 in extended precision.
    constexpr long double Units() const { return static_cast<long double>(count_) / 10000.0L; }

    constexpr bool IsZero() const { return count_ == 0; }

    friend constexpr bool operator==(Decimal4, Decimal4) = default;
    friend constexpr auto operator<=>(Decimal4, Decimal4) = default;

    // Exact integer arithmetic on the counts (sums and differences of stored
    // values never round).
    friend constexpr Decimal4 operator+(Decimal4 a, Decimal4 b) { return FromCount(a.count_ + b.count_); }
    friend constexpr Decimal4 operator-(Decimal4 a, Decimal4 b) { return FromCount(a.count_ - b.count_); }

private:
    std::int64_t count_ = 0;
};

static_assert(!std::is_convertible_v<double, Decimal4>);
static_assert(!std::is_convertible_v<long double, Decimal4>);
static_assert(sizeof(long double) >= 10, "the formulas need the 80-bit extended type");

// Exact scale factors of the scaled-integer evaluation.
inline constexpr long double kScale = 10000.0L;
inline constexpr long double kScale2 = 100000000.0L;      // 10^8
inline constexpr long double kScale3 = 1000000000000.0L;  // 10^12

// Rounding of an extended value to a whole number, ties to even.
long double RoundWhole(long double x);
// Round of an extended value to a 32-bit integer, ties to even (the lag).
std::int32_t RoundToInt(long double x);
