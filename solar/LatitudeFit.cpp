#include "LatitudeFit.h"

namespace solar {

long double EvaluateFit(const Fit& fit, std::int32_t latitude) {
    const long double phi = static_cast<long double>(latitude);
    const long double phiSquared = static_cast<long double>(std::int64_t{latitude} * latitude);  // exact
    return (fit.a * phiSquared + fit.b * phi) + fit.c;
}

Decimal4 StoreFit(const LatitudeBands& entry, std::int32_t latitude) {
    return Decimal4::StoreUnits(EvaluateFit(entry.BandAt(latitude).fit, latitude));
}

}  // namespace solar
