#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "CalcError.h"
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

// Results of a step's computation on a few stored inputs of a record, kept
// for the later records of the same step with the same inputs: the eight
// orientations share the sun's altitude, and the facades of one azimuth share
// every angle, so most records repeat the sines and cosines of an earlier one.
// The same inputs give the same result bit for bit, and a computation that
// faulted was never kept, so a record found here would have been computed
// without fault to the same values.
template <class Value, std::size_t InputCount>
class RepeatedResults {
public:
    using Inputs = std::array<Decimal4, InputCount>;

    template <class Compute>
    Value Of(const Inputs& inputs, Compute compute) {
        Slot& slot = slots_[SlotOf(inputs)];
        if (slot.filled && slot.inputs == inputs) return slot.value;
        const Value value = compute();
        slot = {true, inputs, value};
        return value;
    }

private:
    struct Slot {
        bool filled = false;
        Inputs inputs{};
        Value value{};
    };
    static constexpr int kSlotBits = 7;  // more slots than the 80 records

    static std::size_t SlotOf(const Inputs& inputs) {
        std::uint64_t h = 0;
        for (Decimal4 input : inputs) h = (h ^ static_cast<std::uint64_t>(input.Count())) * 0x9E3779B97F4A7C15ull;
        return static_cast<std::size_t>(h >> (64 - kSlotBits));
    }

    std::array<Slot, std::size_t{1} << kSlotBits> slots_{};
};

// Where a fault of the window computation arose: "при расчёте окна Ю, 12-13".
inline std::string WindowRecordPlace(int orientation, int hour) {
    return "при расчёте окна " + std::string(OrientationAt(orientation).name) + ", " + std::string(HourLabel(hour));
}

// Calls f(orientation, hour, record) for the 80 records of the state,
// orientation-major; a floating-point fault is said with the record it arose at.
template <class F>
void ForEachWindowRecord(ProjectState& state, F f) {
    for (int o = 1; o <= kOrientationCount; ++o) {
        for (int h = 1; h <= kHourCount; ++h) {
            AtPlaceOfFault([o, h] { return WindowRecordPlace(o, h); },
                           [&f, &state, o, h] { f(o, h, state.WindowHours.Record(o, h)); });
        }
    }
}

}  // namespace window_arithmetic
