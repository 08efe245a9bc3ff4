#pragma once

#include <array>
#include <cstddef>

#include "HorizontalRadiationTable.h"
#include "LatitudeFit.h"

namespace solar {

inline constexpr std::size_t kSunPositionEntryCount = 6 * 2;

// Sun position, independent entries. Rows: one per (hour, field), by hour
// interval ("8-9" .. "17-18"), each hour's two quantities as two rows:
// SunAltitude (h) and SunAzimuth (Ac, from south without sign), both in
// degrees; each row applies to all eight orientations. The hours 12-13 ..
// 15-16 mirror 11-12 .. 8-9.
// Columns: the latitude bands of the entry in increasing order, each
// {first, last, formula} with inclusive limits in whole degrees north. The
// variable of every formula is the latitude φ in whole degrees:
// K(k) = k, L(b, c) = b·φ + c, Q(a, b, c) = a·φ² + b·φ + c.
// Coefficients are the decimal literals of the source table as written.
// clang-format off
inline constexpr std::array<FitEntry, kSunPositionEntryCount> kSunPositionFits{{
//    hour     field        latitude bands {first, last, formula}
    { "8-9",   SunAltitude, {{40, 47, Q(0.0313L, -2.875L, 106)}, {48, 55, Q(0.1563L, -16.625L, 478)}, {56, 60, L(-0.25L, 51)}} },
    { "8-9",   SunAzimuth,  {{40, 47, Q(0.0625L, -6.25L, 232)},  {48, 55, Q(0.0313L, -4.125L, 202)},  {56, 60, L(-0.5L, 97)}} },
    { "9-10",  SunAltitude, {{40, 47, Q(0.0313L, -3.125L, 127)}, {48, 60, L(-0.5L, 73)}} },
    { "9-10",  SunAzimuth,  {{40, 47, Q(-0.0312L, 1.625L, 54)},  {48, 55, Q(0.0313L, -4.125L, 186)},  {56, 60, L(-0.75L, 95)}} },
    { "10-11", SunAltitude, {{40, 47, Q(4E-15L, -0.75L, 92)},    {48, 55, Q(-0.0312L, 2.625L, 2)},    {56, 60, L(-0.75L, 93)}} },
    { "10-11", SunAzimuth,  {{40, 47, Q(-0.0313L, 1.625L, 34)},  {48, 55, Q(0.0313L, -4.125L, 166)},  {56, 60, L(-0.5L, 61)}} },
    { "11-12", SunAltitude, {{40, 47, Q(7E-15L, -1, 109)},       {48, 55, Q(-0.0312L, 2.375L, 19)},   {56, 60, L(-1, 110)}} },
    { "11-12", SunAzimuth,  {{40, 47, Q(9E-16L, -0.5L, 40)},     {48, 55, Q(0.0625L, -7, 208)},       {56, 60, L(-0.25L, 26)}} },
    { "16-17", SunAltitude, {{40, 47, Q(0.0313L, -2.625L, 84)},  {48, 55, Q(-0.0312L, 3.125L, -48)},  {56, 60, L(-0.25L, 43)}} },
    { "16-17", SunAzimuth,  {{40, 47, Q(-0.0625L, 4.75L, 3)},    {48, 55, Q(-0.0313L, 2.625L, 33)},   {56, 60, L(-0.25L, 96)}} },
    { "17-18", SunAltitude, {{40, 47, Q(0.0313L, -2.625L, 74)},  {48, 55, Q(-0.0313L, 3.375L, -70)},  {56, 60, K(21)}} },
    { "17-18", SunAzimuth,  {{40, 47, Q(0.0938L, -8.875L, 309)}, {48, 55, L(-0.5L, 123)},             {56, 60, L(-0.25L, 109)}} },
}};
// clang-format on

static_assert(kSunPositionFits.size() == 12);
static_assert(AllCoverLatitudes(kSunPositionFits), "every entry covers 40..60 without gap or overlap");
static_assert(KeysAreUnique(kSunPositionFits));
static_assert(AllEntries(kSunPositionFits,
                         [](const FitEntry& e) {
                             return e.orientation == 0 && IsIndependentNoonMirrorHour(e.hour) &&
                                    (e.field == SunAltitude || e.field == SunAzimuth);
                         }),
              "only independent entries of the two sun-position fields");
static_assert(AllEntries(kSunPositionFits,
                         [](const FitEntry& e) {
                             for (int i = 1; i <= e.bandCount; ++i) {
                                 if (e.Band(i).fit.kind == FitKind::Zero) return false;
                             }
                             return true;
                         }),
              "the sun is up at every hour of the table");

}  // namespace solar
