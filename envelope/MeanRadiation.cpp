#include "MeanRadiation.h"

#include <array>
#include <string_view>

#include "FloatingPoint.h"

namespace {

// a·φ² + b·φ + c.
struct Quadratic {
    long double a;
    long double b;
    long double c;
};

// One surface: the orientations it stands for (a mirror pair shares one
// value; 0 = the horizontal surface) and its polynomial in the latitude φ
// (whole degrees) in each band. Coefficients are extended values of the
// decimal literals; all but 0.0938, 0.0313, 7E-15 and 1E-14 are exact.
struct MeanRow {
    std::string_view surface;
    int orientation;
    int mirror;
    Quadratic low;     // 40 ≤ φ ≤ 43
    Quadratic middle;  // other φ
    Quadratic high;    // φ ≥ 52
};

// clang-format off
constexpr std::array<MeanRow, 6> kMeanRows{{
    // surface      o  mirror  low (40..43)            middle                            high (≥ 52)
    { "С",          1, 0,      {0, -0.25L,  81},       {0.0938L,  -7.875L, 235},        {0.0313L,  -3.125L, 157} },
    { "СВ, СЗ",     2, 8,      {0, -1,     167},       {7E-15L,    0.5L,   101},        {0.0938L,  -9.625L, 374} },
    { "В, З",       3, 7,      {0,  2.75L,  59},       {0.1875L, -16.25L,  532},        {-0.0625L,  8.5L,   -79} },
    { "ЮВ, ЮЗ",     4, 6,      {0,  3.5L,    7},       {-0.0625L,  9.75L, -147},        {1E-14L,    2.75L,   48} },
    { "Ю",          5, 0,      {0,  4.5L,  -70},       {-0.0625L, 11,     -235},        {-0.0625L, 11.5L,  -261} },
    { "горизонт",   0, 0,      {0, -0.5L,  353},       {0.125L,  -12.25L,  628},        {-0.1875L, 19.75L, -191} },
}};
// clang-format on

Decimal4 Evaluate(const MeanRow& row, std::int32_t latitude) {
    const Quadratic& q = latitude >= 40 && latitude <= 43 ? row.low : latitude >= 52 ? row.high : row.middle;
    const long double phi = static_cast<long double>(latitude);
    const long double phi2 = static_cast<long double>(static_cast<std::int64_t>(latitude) * latitude);
    return Decimal4::StoreUnits((q.a * phi2 + q.b * phi) + q.c);
}

}  // namespace

MeanRadiation MeanRadiationAt(std::int32_t latitude) {
    MeanRadiation result;
    for (const MeanRow& row : kMeanRows) {
        const Decimal4 value = Evaluate(row, latitude);
        if (row.orientation == 0) {
            result.Horizontal = value;
            continue;
        }
        result.Facade[row.orientation] = value;
        if (row.mirror != 0) result.Facade[row.mirror] = value;
    }
    return result;
}

void UpdateMeanRadiation() {
    BeginComputation();
    const MeanRadiation mean = MeanRadiationAt(Project.Latitude);
    Project.FacadeMeanRadiation = mean.Facade;
    Project.RoofMeanRadiation = mean.Horizontal;
}
