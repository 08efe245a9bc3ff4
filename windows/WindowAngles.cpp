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

void AssignFacadeAzimuth(ProjectState& state) {
    ForEachWindowRecord(state, [](int o, int, WindowHourRecord& r) {
        r[WindowField::FacadeAzimuth] = Decimal4::FromInt(OrientationAt(o).facadeAzimuth);
    });
}

void ComputeSunFacadeAzimuth(ProjectState& state) {
    ForEachWindowRecord(state, [](int, int, WindowHourRecord& r) {
        const Decimal4 difference = r[WindowField::SunAzimuth] - r[WindowField::FacadeAzimuth];
        r[WindowField::SunFacadeAzimuth] = Abs(difference);
    });
}

namespace {

// tg β = ctg h · cos Aco; β < 0 when the sun is behind the facade plane.
Decimal4 BetaOf(Decimal4 sunAltitude, Decimal4 sunFacadeAzimuth) {
    const long double altitude = Radians(sunAltitude);
    const long double sunFacade = Radians(sunFacadeAzimuth);
    const long double tangent = Quotient(X87Cos(altitude), X87Sin(altitude)) * X87Cos(sunFacade);
    return StoreDegrees(X87Atan(tangent));
}

}  // namespace

void ComputeBetaAngle(ProjectState& state) {
    RepeatedResults<Decimal4, 2> betas;
    ForEachWindowRecord(state, [&betas](int, int, WindowHourRecord& r) {
        const Decimal4 altitude = r[WindowField::SunAltitude];
        const Decimal4 sunFacade = r[WindowField::SunFacadeAzimuth];
        r[WindowField::BetaAngle] = betas.Of({altitude, sunFacade}, [&] { return BetaOf(altitude, sunFacade); });
    });
}

void AssignTempWaveCoeff(ProjectState& state) {
    ForEachWindowRecord(state, [](int, int h, WindowHourRecord& r) {
        r[WindowField::TempWaveCoeff] = Decimal4::FromCount(kTempWave[static_cast<std::size_t>(h - 1)].coeffCount);
    });
}
