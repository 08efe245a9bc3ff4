#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <stdexcept>
#include <string_view>

#include "Decimal4.h"
#include "WindowHourTable.h"

// The form of every solar table: one entry per independent
// (orientation, hour, field) of the window hour table, or per surface of the
// daily mean radiation; the latitudes 40..60 are split into one to four
// bands, and each band carries one formula in the latitude φ (whole degrees):
//   k        the entry is k
//   L(b; c)  b·φ + c
//   Q(a; b; c)  a·φ² + b·φ + c
//   0        the entry is 0 (no direct radiation reaches the surface)
// All formulas are evaluated by one rule: (a·φ² + b·φ) + c in
// extended precision with φ² an exact integer, stored as a Decimal4.

namespace solar {

using ::kFirstLatitude;
using ::kLastLatitude;
inline constexpr int kMaxBands = 4;

// A coefficient of the tables. It is built from an int (exact) or from a long
// double literal (`-0.0313L`), never from a double: a coefficient written
// without the L suffix would be the nearest double, not the extended value of
// its decimal literal, and does not compile. Implicit on purpose, so that the
// rows read like the cells of the source tables.
struct Coefficient {
    long double value;
    constexpr Coefficient(int v) : value(v) {}          // NOLINT(google-explicit-constructor)
    constexpr Coefficient(long double v) : value(v) {}  // NOLINT(google-explicit-constructor)
    Coefficient(double) = delete;
    Coefficient(float) = delete;
};

enum class FitKind { Zero, Constant, Linear, Quadratic };

// The table rows name their field unqualified (GainDirect, SunAltitude, ...).
using enum WindowField;

// One formula; a constant is (0·φ² + 0·φ) + k and a line (0·φ² + b·φ) + c,
// so that one evaluation rule serves all four kinds.
struct Fit {
    FitKind kind = FitKind::Zero;
    long double a = 0.0L;
    long double b = 0.0L;
    long double c = 0.0L;
};

constexpr Fit Zero() { return Fit{FitKind::Zero, 0.0L, 0.0L, 0.0L}; }
constexpr Fit K(Coefficient k) { return Fit{FitKind::Constant, 0.0L, 0.0L, k.value}; }
constexpr Fit L(Coefficient b, Coefficient c) { return Fit{FitKind::Linear, 0.0L, b.value, c.value}; }
constexpr Fit Q(Coefficient a, Coefficient b, Coefficient c) {
    return Fit{FitKind::Quadratic, a.value, b.value, c.value};
}

// Latitudes first..last inclusive and their formula.
struct LatitudeBand {
    std::int32_t first = 0;
    std::int32_t last = 0;
    Fit fit;

    constexpr bool Contains(std::int32_t latitude) const { return latitude >= first && latitude <= last; }
};

// Orientation 1..8 of a name "С" .. "СЗ", and hour 1..10 of a label "8-9" ..
// "17-18". An unknown name is an error, at compile time in a table.
constexpr int OrientationIndex(std::string_view name) {
    for (const auto& o : kOrientations) {
        if (o.name == name) return o.index;
    }
    throw std::out_of_range("unknown orientation name");
}

constexpr int HourIndex(std::string_view label) {
    for (std::size_t i = 0; i < kHourLabels.size(); ++i) {
        if (kHourLabels[i] == label) return static_cast<int>(i) + 1;
    }
    throw std::out_of_range("unknown hour label");
}

// The bands of one entry in increasing order, each with its formula.
struct LatitudeBands {
    std::array<LatitudeBand, kMaxBands> bands{};
    int bandCount = 0;

    // Band 1..bandCount.
    constexpr const LatitudeBand& Band(int number) const {
        if (number < 1 || number > bandCount) throw std::out_of_range("band number out of range");
        return bands[static_cast<std::size_t>(number - 1)];
    }

    // The band that contains the latitude; std::out_of_range outside 40..60.
    constexpr const LatitudeBand& BandAt(std::int32_t latitude) const {
        for (std::size_t i = 0; i < static_cast<std::size_t>(bandCount); ++i) {
            if (bands[i].Contains(latitude)) return bands[i];
        }
        throw std::out_of_range("latitude outside the bands of the table");
    }

    // The bands follow each other from 40 to 60 without gap or overlap.
    constexpr bool CoversLatitudes() const {
        if (bandCount < 1) return false;
        std::int32_t next = kFirstLatitude;
        for (int i = 1; i <= bandCount; ++i) {
            if (Band(i).first != next || Band(i).last < Band(i).first) return false;
            next = Band(i).last + 1;
        }
        return next == kLastLatitude + 1;
    }

protected:
    constexpr void SetBands(std::initializer_list<LatitudeBand> list) {
        if (list.size() < 1 || list.size() > kMaxBands) throw std::out_of_range("one to four bands per entry");
        for (const auto& band : list) bands[static_cast<std::size_t>(bandCount++)] = band;
    }
};

// One entry of a window-table fit: its key and its bands.
struct FitEntry : LatitudeBands {
    int orientation;  // 1..8; 0 in the tables whose rows apply to all eight
    int hour;         // 1..10
    WindowField field;

    // A row of the vertical facade table, keyed by orientation and hour.
    constexpr FitEntry(std::string_view orientationName, std::string_view hourLabel, WindowField f,
                       std::initializer_list<LatitudeBand> list)
        : orientation(OrientationIndex(orientationName)), hour(HourIndex(hourLabel)), field(f) {
        SetBands(list);
    }
    // A row of the horizontal or the sun-position table, keyed by hour only.
    constexpr FitEntry(std::string_view hourLabel, WindowField f, std::initializer_list<LatitudeBand> list)
        : orientation(0), hour(HourIndex(hourLabel)), field(f) {
        SetBands(list);
    }
};

// Compile-time checks of a whole table: every entry covers 40..60, and no key
// (orientation, hour, field) appears twice.
template <class Entry, std::size_t N>
constexpr bool AllCoverLatitudes(const std::array<Entry, N>& table) {
    for (const auto& e : table) {
        if (!e.CoversLatitudes()) return false;
    }
    return true;
}

// Every entry satisfies the predicate.
template <std::size_t N, class Predicate>
constexpr bool AllEntries(const std::array<FitEntry, N>& table, Predicate predicate) {
    for (const auto& e : table) {
        if (!predicate(e)) return false;
    }
    return true;
}

template <std::size_t N>
constexpr bool KeysAreUnique(const std::array<FitEntry, N>& table) {
    for (std::size_t i = 0; i < N; ++i) {
        for (std::size_t j = i + 1; j < N; ++j) {
            if (table[i].orientation == table[j].orientation && table[i].hour == table[j].hour &&
                table[i].field == table[j].field)
                return false;
        }
    }
    return true;
}

// The one evaluation rule: (a·φ² + b·φ) + c in extended precision, φ² formed
// exactly as an integer.
inline long double EvaluateFit(const Fit& fit, std::int32_t latitude) {
    const long double phi = static_cast<long double>(latitude);
    const long double phiSquared = static_cast<long double>(std::int64_t{latitude} * latitude);  // exact
    return (fit.a * phiSquared + fit.b * phi) + fit.c;
}

// The stored value of an entry at a latitude 40..60: its band's formula,
// rounded to four decimals (ties to even). std::out_of_range outside 40..60.
inline Decimal4 StoreFit(const LatitudeBands& entry, std::int32_t latitude) {
    return Decimal4::StoreUnits(EvaluateFit(entry.BandAt(latitude).fit, latitude));
}

}  // namespace solar
