#include "Decimal4.h"

#include <cmath>

#include "CalcError.h"
#include "FloatingPoint.h"

namespace {

// 2^63: the first count beyond the Decimal4 range.
constexpr long double kCountLimit = 9223372036854775808.0L;

// Nearest whole number, ties to even, independent of the rounding mode.
// For |x| < 2^63 the difference x - floor(x) is exact in extended precision.
long double NearestEven(long double x) {
    const long double lower = std::floor(x);
    const long double fraction = x - lower;
    if (fraction > 0.5L) return lower + 1.0L;
    if (fraction < 0.5L) return lower;
    return std::fmod(lower, 2.0L) == 0.0L ? lower : lower + 1.0L;
}

}  // namespace

Decimal4 Decimal4::StoreCounts(long double counts) {
    CheckFloatingPoint();
    if (!(counts >= -kCountLimit && counts < kCountLimit)) throw CalcError(kInvalidOpMessage);
    const long double rounded = NearestEven(counts);
    if (rounded >= kCountLimit) throw CalcError(kInvalidOpMessage);
    return FromCount(static_cast<std::int64_t>(rounded));
}

Decimal4 Decimal4::StoreUnits(long double units) { return StoreCounts(units * kScale); }

long double RoundWhole(long double x) {
    CheckFloatingPoint();
    if (!(x >= -kCountLimit && x < kCountLimit)) throw CalcError(kInvalidOpMessage);
    return NearestEven(x);
}

std::int32_t RoundToInt(long double x) {
    const long double r = RoundWhole(x);
    if (r < -2147483648.0L || r > 2147483647.0L) throw CalcError(kInvalidOpMessage);
    return static_cast<std::int32_t>(r);
}
