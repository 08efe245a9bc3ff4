#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "LatitudeFit.h"

namespace solar {

// The name of the horizontal surface in the mean radiation table.
inline constexpr std::string_view kHorizontalSurface = "горизонт";

// One surface of the mean radiation table: a facade (with the facade that
// mirrors it about the north-south axis and shares its value) or the
// horizontal surface.
struct MeanRadiationEntry : LatitudeBands {
    int orientation;  // 1..8; 0 for the horizontal surface
    int mirror;       // 1..8; 0 when no other facade shares the value

    constexpr MeanRadiationEntry(std::string_view surface, std::string_view mirrorName,
                                 std::initializer_list<LatitudeBand> list)
        : orientation(surface == kHorizontalSurface ? 0 : OrientationIndex(surface)),
          mirror(mirrorName.empty() ? 0 : OrientationIndex(mirrorName)) {
        SetBands(list);
    }
};

inline constexpr std::size_t kMeanRadiationEntryCount = 6;

// Daily mean total solar radiation, W/m². Rows: one per surface, the facades
// С .. Ю (the west side takes the value of its mirror on the east side) and
// the horizontal surface. Columns: the latitude bands {first, last, formula}
// with inclusive limits in whole degrees north, 40..43, 44..51 and 52..60; the
// variable of every formula is the latitude φ in whole degrees:
// L(b, c) = b·φ + c, Q(a, b, c) = a·φ² + b·φ + c. Coefficients are the
// decimal literals of the source table; all but 0.0938, 0.0313, 7E-15 and
// 1E-14 are exact in the extended type.
// clang-format off
inline constexpr std::array<MeanRadiationEntry, kMeanRadiationEntryCount> kMeanRadiationFits{{
//    surface     mirror  latitude bands {first, last, formula}
    { "С",        "",     {{40, 43, L(-0.25L, 81)}, {44, 51, Q(0.0938L, -7.875L, 235)},  {52, 60, Q(0.0313L, -3.125L, 157)}} },
    { "СВ",       "СЗ",   {{40, 43, L(-1, 167)},    {44, 51, Q(7E-15L, 0.5L, 101)},      {52, 60, Q(0.0938L, -9.625L, 374)}} },
    { "В",        "З",    {{40, 43, L(2.75L, 59)},  {44, 51, Q(0.1875L, -16.25L, 532)},  {52, 60, Q(-0.0625L, 8.5L, -79)}} },
    { "ЮВ",       "ЮЗ",   {{40, 43, L(3.5L, 7)},    {44, 51, Q(-0.0625L, 9.75L, -147)},  {52, 60, Q(1E-14L, 2.75L, 48)}} },
    { "Ю",        "",     {{40, 43, L(4.5L, -70)},  {44, 51, Q(-0.0625L, 11, -235)},     {52, 60, Q(-0.0625L, 11.5L, -261)}} },
    { "горизонт", "",     {{40, 43, L(-0.5L, 353)}, {44, 51, Q(0.125L, -12.25L, 628)},   {52, 60, Q(-0.1875L, 19.75L, -191)}} },
}};
// clang-format on

// Every facade and the horizontal surface get exactly one value.
constexpr bool EverySurfaceOnce() {
    std::array<int, kOrientationCount + 1> uses{};  // [0] the horizontal surface
    for (const MeanRadiationEntry& e : kMeanRadiationFits) {
        ++uses[static_cast<std::size_t>(e.orientation)];
        if (e.mirror != 0) ++uses[static_cast<std::size_t>(e.mirror)];
    }
    for (int count : uses)
        if (count != 1) return false;
    return true;
}

static_assert(AllCoverLatitudes(kMeanRadiationFits), "every entry covers 40..60 without gap or overlap");
static_assert(EverySurfaceOnce(), "each facade and the horizontal surface once");

}  // namespace solar
