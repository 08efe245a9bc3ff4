#pragma once

#include <compare>
#include <cstdint>
#include <limits>
#include <type_traits>

#include "FloatingPoint.h"

// Exact scale factors of the scaled-integer evaluation.
inline constexpr long double kScale = 10000.0L;
inline constexpr long double kScale2 = 100000000.0L;      // 10^8
inline constexpr long double kScale3 = 1000000000000.0L;  // 10^12

// Raises the invalid operation fault: the model's answer to a value
// outside the range of a stored quantity.
[[noreturn]] void RaiseOutOfRange();

// The one rounding of the method: an extended value to the nearest whole
// number, ties to even (the x87 integer store under round-to-nearest). A
// value outside the signed 64-bit range, ±∞ or NaN is an invalid operation
// (or the earlier fault that made it); the x87 store gives the integer
// indefinite -2^63 for it, so only that result has the status word read.
inline std::int64_t RoundHalfEven(long double x) {
    std::int64_t whole;
    asm volatile("fistpll %0" : "=m"(whole) : "t"(x) : "st");
    if (whole == std::numeric_limits<std::int64_t>::min()) [[unlikely]]
        CheckFloatingPoint();
    return whole;
}

// A stored quantity: a signed 64-bit count of ten-thousandths (268700 is
// 26.87). Formulas are evaluated in 80-bit extended precision on the counts
// and rounded once, half to even, when the result is stored. Sums,
// differences and whole numbers are exact; one that leaves the range is an
// invalid operation.
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
    static constexpr Decimal4 FromInt(std::int64_t units) {
        std::int64_t count;
        if (__builtin_mul_overflow(units, std::int64_t{10000}, &count)) RaiseOutOfRange();
        return FromCount(count);
    }

    // The store of an extended value given in ten-thousandths: RoundHalfEven.
    static Decimal4 StoreCounts(long double counts) { return FromCount(RoundHalfEven(counts)); }
    // The same store for a value given in units (multiplied by the exact 10000).
    static Decimal4 StoreUnits(long double units) { return StoreCounts(units * kScale); }
    // The store of a value given in units, rounded to a whole number first.
    static Decimal4 StoreWhole(long double units) { return FromInt(RoundHalfEven(units)); }

    constexpr std::int64_t Count() const { return count_; }
    // The count as an extended value (exact: 64-bit significand).
    constexpr long double Counts() const { return static_cast<long double>(count_); }
    // The value in units, count / 10000 in extended precision.
    constexpr long double Units() const { return static_cast<long double>(count_) / kScale; }
    // The value rounded to a whole number, ties to even.
    Decimal4 RoundedWhole() const { return StoreWhole(Units()); }

    constexpr bool IsZero() const { return count_ == 0; }

    friend constexpr bool operator==(Decimal4, Decimal4) = default;
    friend constexpr auto operator<=>(Decimal4, Decimal4) = default;

    friend constexpr Decimal4 operator+(Decimal4 a, Decimal4 b) {
        std::int64_t sum;
        if (__builtin_add_overflow(a.count_, b.count_, &sum)) RaiseOutOfRange();
        return FromCount(sum);
    }
    friend constexpr Decimal4 operator-(Decimal4 a, Decimal4 b) {
        std::int64_t difference;
        if (__builtin_sub_overflow(a.count_, b.count_, &difference)) RaiseOutOfRange();
        return FromCount(difference);
    }
    friend constexpr Decimal4 Abs(Decimal4 a) { return a.count_ < 0 ? Decimal4() - a : a; }

private:
    std::int64_t count_ = 0;
};

static_assert(!std::is_convertible_v<double, Decimal4>);
static_assert(!std::is_convertible_v<long double, Decimal4>);
