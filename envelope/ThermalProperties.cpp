#include "ThermalProperties.h"

#include <string>

#include "CalcError.h"
#include "Construction.h"
#include "EnvelopeGains.h"
#include "FloatingPoint.h"

namespace {

// Y of layer 1 from the room side: (R·s² + 8.7)/(1 + 8.7·R), in
// ten-thousandths as (R·s·s + 8.7·10¹²)/(8.7·R + 10000)/10000.
Decimal4 FirstSurfaceAbsorption(const LayerFigures& layer) {
    const long double r = layer.LayerResistance.Counts();
    const long double s = layer.HeatAbsorption.Counts();
    return Decimal4::StoreCounts(Quotient(r * s * s + 8.7L * kScale3, 8.7L * r + kScale) / kScale);
}

// Y of a further layer over the Y of the one inside it: (R·s² + Y)/(1 + R·Y),
// in ten-thousandths as ((s/10000)²·R + Y)/(R·Y + 10⁸)·10⁸.
Decimal4 NextSurfaceAbsorption(const LayerFigures& layer, Decimal4 inner) {
    const long double r = layer.LayerResistance.Counts();
    const long double s = layer.HeatAbsorption.Counts() / kScale;
    const long double y = inner.Counts();
    return Decimal4::StoreCounts(Quotient(s * s * r + y, r * y + kScale2) * kScale2);
}

// P = (s₁ + 8.7)·(s₂ + Y₁)·…·(sₙ + Yₙ₋₁)·(αн + Yₙ) / ((s₁ + Y₁)·…·(sₙ + Yₙ)·αн),
// the numerator multiplied starting from (s₂ + Y₁) and (s₁ + 8.7) (for one
// layer (αн + Y₁) and (s₁ + 8.7)), then divided factor by factor.
Decimal4 DampingProductOf(const ThermalProperties& t, int count) {
    const auto s = [&](int i) { return t.Layers[i].HeatAbsorption; };
    const auto y = [&](int i) { return t.SurfaceAbsorption[i]; };
    const long double outer = t.OuterCoeff.Counts();
    const long double first = s(1).Counts() + kInnerCoeffCounts;
    long double product;
    if (count == 1) {
        product = (t.OuterCoeff + y(1)).Counts() * first;
    } else {
        product = (s(2) + y(1)).Counts() * first;
        for (int i = 3; i <= count; ++i) product *= (s(i) + y(i - 1)).Counts();
        product *= (t.OuterCoeff + y(count)).Counts();
    }
    for (int i = 1; i <= count; ++i) product = Quotient(product, (s(i) + y(i)).Counts());
    product = Quotient(product, outer);
    return Decimal4::StoreCounts(product * kScale);
}

}  // namespace

int LagOf(Decimal4 lagValue) {
    std::int64_t lag = RoundHalfEven(lagValue.Units());
    if (lag > 24) lag = (lag - 1) % 24 + 1;
    return static_cast<int>(lag);
}

ThermalProperties ComputeThermalProperties(const LayerTable& layers, int count, Decimal4 outerCoeff, Construction c) {
    ThermalProperties t;
    t.OuterCoeff = outerCoeff;
    for (int i = 1; i <= count; ++i) {
        AtPlaceOfFault([c, i] { return LayerPlace(c, i); },
                       [&] {
                           LayerFigures& layer = t.Layers[i];
                           layer.HeatAbsorption = layers[i].HeatAbsorption;
                           layer.LayerResistance = ResistanceOf(layers[i]);
                           t.LayerSum = t.LayerSum + layer.LayerResistance;
                           const long double product =
                               layer.LayerResistance.Counts() * layer.HeatAbsorption.Counts() / kScale;
                           layer.LayerInertia = Decimal4::StoreCounts(product);
                           t.Inertia = Decimal4::StoreCounts(t.Inertia.Counts() + product);
                       });
    }
    if (t.Inertia < Decimal4())
        throw CalcError(c == Construction::Wall ? kWallNegativeInertiaMessage : kRoofNegativeInertiaMessage);

    const Decimal4 one = Decimal4::FromInt(1);
    for (int i = 1; i <= count; ++i) {
        AtPlaceOfFault([c, i] { return LayerPlace(c, i); },
                       [&] {
                           const LayerFigures& layer = t.Layers[i];
                           if (layer.LayerInertia >= one)
                               t.SurfaceAbsorption[i] = layer.HeatAbsorption;
                           else
                               t.SurfaceAbsorption[i] = i == 1
                                                            ? FirstSurfaceAbsorption(layer)
                                                            : NextSurfaceAbsorption(layer, t.SurfaceAbsorption[i - 1]);
                       });
    }

    AtPlaceOfFault([c] { return ConstructionPlace(c); },
                   [&] {
                       t.Resistance = TotalResistance(outerCoeff, t.LayerSum);
                       t.LagValue = Decimal4::StoreCounts(2.7L * t.Inertia.Counts() - 4000.0L);
                       t.Lag = LagOf(t.LagValue);
                       t.DampingProduct = DampingProductOf(t, count);
                       t.Damping = Decimal4::StoreCounts(X87Exp(X87Ln(2.718L) * (0.70711L * t.Inertia.Units())) * 0.9L *
                                                         t.DampingProduct.Counts());
                   });
    return t;
}
