#include <array>

#include "WindowArithmetic.h"
#include "WindowComputation.h"

using namespace window_arithmetic;

namespace {

// Coefficient β₂ of the daily outdoor temperature wave by hour, the same for
// every orientation, in ten-thousandths.
struct TempWaveRow {
    int hour;
    std::int64_t coeffCount;
};

// clang-format off
constexpr std::array<TempWaveRow, kHourCount> kTempWave{{
    //  hour  interval  β₂
    {   1,  /* 8-9   */ -1300 },
    {   2,  /* 9-10  */  1300 },
    {   3,  /* 10-11 */  3800 },
    {   4,  /* 11-12 */  6000 },
    {   5,  /* 12-13 */  7900 },
    {   6,  /* 13-14 */  9200 },
    {   7,  /* 14-15 */  9900 },
    {   8,  /* 15-16 */  9900 },
    {   9,  /* 16-17 */  9200 },
    {  10,  /* 17-18 */  7900 },
}};
// clang-format on

constexpr bool HoursInOrder() {
    for (std::size_t i = 0; i < kTempWave.size(); ++i) {
        if (kTempWave[i].hour != static_cast<int>(i) + 1) return false;
    }
    return true;
}
static_assert(HoursInOrder(), "rows of the temperature wave are indexed by their hour");

}  // namespace

void AssignFacadeAzimuth() {
    ForEachWindowRecord([](int o, int, WindowHourRecord& r) {
        r[WindowField::FacadeAzimuth] = Decimal4::FromInt(OrientationAt(o).facadeAzimuth);
    });
}

void ComputeSunFacadeAzimuth() {
    ForEachWindowRecord([](int, int, WindowHourRecord& r) {
        const Decimal4 difference = r[WindowField::SunAzimuth] - r[WindowField::FacadeAzimuth];
        r[WindowField::SunFacadeAzimuth] = Abs(difference);
    });
}

void ComputeBetaAngle() {
    ForEachWindowRecord([](int, int, WindowHourRecord& r) {
        const long double altitude = Radians(r[WindowField::SunAltitude]);
        const long double sunFacade = Radians(r[WindowField::SunFacadeAzimuth]);
        // tg β = ctg h · cos Aco; β < 0 when the sun is behind the facade plane.
        const long double tangent = Quotient(X87Cos(altitude), X87Sin(altitude)) * X87Cos(sunFacade);
        r[WindowField::BetaAngle] = StoreDegrees(X87Atan(tangent));
    });
}

void AssignTempWaveCoeff() {
    ForEachWindowRecord([](int, int h, WindowHourRecord& r) {
        r[WindowField::TempWaveCoeff] = Decimal4::FromCount(kTempWave[static_cast<std::size_t>(h - 1)].coeffCount);
    });
}
