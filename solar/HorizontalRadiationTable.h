#pragma once

#include <array>
#include <cstddef>

#include "LatitudeFit.h"

namespace solar {

// The independent hours of the horizontal and the sun-position tables: 8-9 ..
// 11-12, 16-17 and 17-18. The hours 12-13 .. 15-16 take the values of the
// hour 9 − h (11-12 .. 8-9); orientation plays no part.
constexpr bool IsIndependentNoonMirrorHour(int hour) { return hour <= 4 || hour >= 9; }

inline constexpr std::size_t kHorizontalRadiationEntryCount = 6 * 4;

// Radiation on a horizontal surface, independent entries. Rows: one per
// (hour, field), by hour interval ("8-9" .. "17-18"), each hour's four
// quantities as four rows in the order of the source table: GainDirect,
// GainDiffuse, IrradDirect, IrradDiffuse, all in W/m²; each row applies to
// all eight orientations.
// Columns: the latitude bands of the entry in increasing order, each
// {first, last, formula} with inclusive limits in whole degrees north. The
// variable of every formula is the latitude φ in whole degrees:
// K(k) = k, L(b, c) = b·φ + c, Q(a, b, c) = a·φ² + b·φ + c.
// Coefficients are the decimal literals of the source table as written.
// clang-format off
inline constexpr std::array<FitEntry, kHorizontalRadiationEntryCount> kHorizontalRadiationFits{{
//    hour     field         latitude bands {first, last, formula}
    { "8-9",   GainDirect,   {{40, 47, Q(-0.3437L, 28.875L, -174)}, {48, 55, Q(-0.4063L, 40.375L, -582)}, {56, 60, L(-3.5L, 601)}} },
    { "8-9",   GainDiffuse,  {{40, 47, Q(0.0938L, -8.875L, 292)},   {48, 55, Q(-0.125L, 12.5L, -230)},    {56, 60, L(-2, 190)}} },
    { "8-9",   IrradDirect,  {{40, 43, L(-1.25L, 559)},             {44, 51, Q(0.0313L, -4.125L, 625)},   {52, 60, Q(-0.0313L, 0.125L, 573)}} },
    { "8-9",   IrradDiffuse, {{40, 43, L(-1.75L, 189)},             {44, 51, K(112)},                     {52, 60, Q(-0.2188L, 21.875L, -434)}} },
    { "9-10",  GainDirect,   {{40, 47, Q(-0.2812L, 19.875L, 213)},  {48, 55, Q(-0.125L, 9.75L, 339)},     {56, 60, L(-6.75L, 871)}} },
    { "9-10",  GainDiffuse,  {{40, 47, K(93)},                      {48, 55, Q(0.1875L, -20.25L, 633)},   {56, 60, L(-2.25L, 213)}} },
    { "9-10",  IrradDirect,  {{40, 47, Q(-0.4375L, 33.25L, 5)},     {48, 55, Q(-0.2187L, 20.125L, 131)},  {56, 60, L(-7, 964)}} },
    { "9-10",  IrradDiffuse, {{40, 47, K(126)},                     {48, 55, Q(0.2188L, -23.625L, 756)},  {56, 60, L(-3.5L, 315)}} },
    { "10-11", GainDirect,   {{40, 47, Q(-0.1875L, 10.25L, 541)},   {48, 55, Q(-0.0937L, 5.375L, 559)},   {56, 60, L(-8, 1014)}} },
    { "10-11", GainDiffuse,  {{40, 47, Q(-0.0312L, 2.125L, 65)},    {48, 55, L(-0.5L, 119)},              {56, 60, L(-2.75L, 245)}} },
    { "10-11", IrradDirect,  {{40, 47, Q(-0.251L, 14.75L, 553)},    {48, 55, Q(0.0938L, -14.125L, 1147)}, {56, 60, L(-8.75L, 1140)}} },
    { "10-11", IrradDiffuse, {{40, 47, Q(0.0625L, -6.25L, 285)},    {48, 55, Q(-0.0312L, 2.375L, 87)},    {56, 60, L(-4.25L, 360)}} },
    { "11-12", GainDirect,   {{40, 43, L(9.75L, 239)},              {44, 51, Q(0.375L, -40.75L, 1735)},   {52, 60, Q(-0.125L, 7.5L, 578)}} },
    { "11-12", GainDiffuse,  {{40, 43, L(-1.5L, 164)},              {44, 51, K(98)},                      {52, 60, Q(-0.3125L, 32.5L, -747)}} },
    { "11-12", IrradDirect,  {{40, 43, L(-6.75L, 1058)},            {44, 51, Q(0.4375L, -47.25L, 1993)},  {52, 60, L(-7, 1083)}} },
    { "11-12", IrradDiffuse, {{40, 43, L(-1.75L, 210)},             {44, 51, K(133)},                     {52, 60, Q(-0.4375L, 45.5L, -1050)}} },
    { "16-17", GainDirect,   {{40, 47, Q(-0.3437L, 32.125L, -465)}, {48, 51, L(1.5L, 213)},               {52, 60, Q(0.0313L, -4.35L, 434)}} },
    { "16-17", GainDiffuse,  {{40, 47, Q(-0.0313L, 2.125L, 43)},    {48, 51, K(73)},                      {52, 60, Q(-0.125L, 13, -265)}} },
    { "16-17", IrradDirect,  {{40, 43, L(3.75L, 184)},              {44, 51, Q(0.0313L, -1.125L, 338)},   {52, 60, Q(0.1563L, -18.125L, 884)}} },
    { "16-17", IrradDiffuse, {{40, 43, L(-0.75L, 135)},             {44, 51, Q(0.125L, -12.25L, 399)},    {52, 60, Q(-0.1562L, 15.875L, -303)}} },
    { "17-18", GainDirect,   {{40, 47, Q(0.2188L, -15.375L, 379)},  {48, 51, L(3.25L, -11)},              {52, 60, Q(-0.0625L, 9.5L, -167)}} },
    { "17-18", GainDiffuse,  {{40, 51, K(62)},                      {52, 60, Q(0.1563L, -18.125L, 582)}} },
    { "17-18", IrradDirect,  {{40, 47, Q(0.4688L, -36.125L, 863)},  {48, 55, Q(-0.625L, 68.5L, -1639)},   {56, 60, L(3.5L, 41)}} },
    { "17-18", IrradDiffuse, {{40, 47, K(84)},                      {48, 55, Q(-0.2187L, 21.875L, -462)}, {56, 60, K(77)}} },
}};
// clang-format on

static_assert(kHorizontalRadiationFits.size() == 24);
static_assert(AllCoverLatitudes(kHorizontalRadiationFits), "every entry covers 40..60 without gap or overlap");
static_assert(KeysAreUnique(kHorizontalRadiationFits));
static_assert(AllEntries(kHorizontalRadiationFits,
                         [](const FitEntry& e) {
                             return e.orientation == 0 && IsIndependentNoonMirrorHour(e.hour) &&
                                    (e.field == GainDirect || e.field == GainDiffuse || e.field == IrradDirect ||
                                     e.field == IrradDiffuse);
                         }),
              "only independent entries of the four radiation fields");
static_assert(AllEntries(kHorizontalRadiationFits,
                         [](const FitEntry& e) {
                             for (int i = 1; i <= e.bandCount; ++i) {
                                 if (e.Band(i).fit.kind == FitKind::Zero) return false;
                             }
                             return true;
                         }),
              "no entry of the horizontal table is 0");

}  // namespace solar
