#include "WindowArithmetic.h"
#include "WindowComputation.h"

using namespace window_arithmetic;

namespace {

// Shading angle limits of the polynomials, in ten-thousandths of a degree.
constexpr long double kLowerAngle = 50000.0L;   // 5°
constexpr long double kUpperAngle = 250000.0L;  // 25°
constexpr long double kSteepAngle = 450000.0L;  // 45°

// One fit of a shading factor in the shading angle γ (degrees):
// c2·γ² + c1·γ + c0 (c2 = 0 for the linear fits). The intercept is kept as
// the exact count of ten-thousandths.
struct ShadingFit {
    long double c2;
    long double c1;
    std::int64_t c0Count;
};

struct ShadingFactorFits {
    ShadingFit moderate;  // 5° ≤ γ ≤ 25°
    ShadingFit other;     // γ < 5° or γ > 25°
    ShadingFit steep;     // γ ≥ 45°, replaces the value of the other fit
};

// clang-format off
//                                          c2         c1        c0
constexpr ShadingFactorFits kHorizontalShading{
    /* moderate */ {                    -0.00008L, -0.0051L,  10275 },
    /* other    */ {                     0.00009L, -0.0201L,  12994 },
    /* steep    */ {                     0.0L,     -0.0067L,   8685 },
};
constexpr ShadingFactorFits kVerticalShading{
    /* moderate */ {                     7E-18L,   -0.0182L,  10910 },
    /* other    */ {                     0.00009L, -0.0199L,  10773 },
    /* steep    */ {                     0.0L,     -0.0128L,   9400 },
};
// clang-format on

// Quadratic fit on the scaled angle g (ten-thousandths of a degree), giving
// ten-thousandths: (g/10^4)² · c2 · 10^4 + c1 · g + c0 (adding the negative
// c1 · g is the same operation as subtracting its magnitude).
long double Quadratic(const ShadingFit& fit, long double g) {
    const long double units = g / kScale;
    return units * units * fit.c2 * kScale + fit.c1 * g + static_cast<long double>(fit.c0Count);
}

long double Linear(const ShadingFit& fit, long double g) { return fit.c1 * g + static_cast<long double>(fit.c0Count); }

Decimal4 ShadingFactor(const ShadingFactorFits& fits, Decimal4 angle) {
    const long double g = angle.Counts();
    const ShadingFit& fit = (g >= kLowerAngle && g <= kUpperAngle) ? fits.moderate : fits.other;
    Decimal4 factor = Decimal4::StoreCounts(Quadratic(fit, g));
    if (g >= kSteepAngle) factor = Decimal4::StoreCounts(Linear(fits.steep, g));
    return factor;
}

}  // namespace

Decimal4 HorizontalShadingAngle(const ProjectState& state) {
    const Decimal4 depth = state.WindowHeight + state.ShadeHorizOffset;
    return StoreDegrees(X87Atan(Quotient(state.ShadeHorizLength.Counts(), depth.Counts())));
}

Decimal4 VerticalShadingAngle(const ProjectState& state) {
    const Decimal4 depth = state.WindowWidth + state.ShadeVertOffset;
    return StoreDegrees(X87Atan(Quotient(state.ShadeVertLength.Counts(), depth.Counts())));
}

Decimal4 HorizontalShadingFactor(Decimal4 angle) { return ShadingFactor(kHorizontalShading, angle); }

Decimal4 VerticalShadingFactor(Decimal4 angle) { return ShadingFactor(kVerticalShading, angle); }

void ComputeIrradiationCoeff(ProjectState& state) {
    const Decimal4 coeff =
        AtPlaceOfFault([] { return std::string("при расчёте коэффициента облучения окна"); },
                       [&state] {
                           const Decimal4 horizontalFactor = HorizontalShadingFactor(HorizontalShadingAngle(state));
                           const Decimal4 verticalFactor = VerticalShadingFactor(VerticalShadingAngle(state));
                           const Decimal4 product = StoreProduct(verticalFactor, horizontalFactor);
                           return product > Decimal4::FromInt(1) ? Decimal4::FromInt(1) : product;
                       });
    ForEachWindowRecord(state, [coeff](int, int, WindowHourRecord& r) { r[WindowField::IrradiationCoeff] = coeff; });
}
