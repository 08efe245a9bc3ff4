#pragma once

#include "Decimal4.h"
#include "FloatingPoint.h"
#include "ProjectState.h"

// Evaluation helpers of the window computation. Formulas work on the stored
// counts (value × 10000): a product of two stored values carries the scale
// 10^8, of three 10^12, and the exact powers of ten bring a result back to
// ten-thousandths where it is stored.

namespace window_arithmetic {

// Degrees per radian of the method; not 180/π.
inline constexpr long double kDegreesPerRadian = 57.29578L;

// Radian value of a stored angle.
inline long double Radians(Decimal4 angle) { return (angle.Counts() / kDegreesPerRadian) / kScale; }

// Radian value of the sum of two stored angles (β + β').
inline long double RadiansOfSum(Decimal4 a, Decimal4 b) {
    return ((a.Counts() + b.Counts()) / kDegreesPerRadian) / kScale;
}

// Stores an angle given in radians, in degrees.
inline Decimal4 StoreDegrees(long double radians) {
    return Decimal4::StoreCounts((radians * kDegreesPerRadian) * kScale);
}

// sin x and ctg x = cos x / sin x of one angle; a sine of exactly 0 is a
// division by zero.
struct SineCotangent {
    long double sine;
    long double cotangent;
};
inline SineCotangent SineAndCotangent(long double radians) {
    const long double sine = X87Sin(radians);
    return {sine, Quotient(X87Cos(radians), sine)};
}
inline long double Cotangent(long double radians) { return SineAndCotangent(radians).cotangent; }

// Product of two stored values, in ten-thousandths squared (scale 10^8).
inline long double Product(Decimal4 a, Decimal4 b) { return a.Counts() * b.Counts(); }

// Store of the product of two stored values.
inline Decimal4 StoreProduct(Decimal4 a, Decimal4 b) { return Decimal4::StoreCounts(Product(a, b) / kScale); }

// Calls f(orientation, hour, record) for the 80 records, orientation-major.
template <class F>
void ForEachWindowRecord(F f) {
    for (int o = 1; o <= kOrientationCount; ++o) {
        for (int h = 1; h <= kHourCount; ++h) f(o, h, Project.WindowHours.Record(o, h));
    }
}

}  // namespace window_arithmetic
