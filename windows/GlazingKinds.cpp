#include "WindowArithmetic.h"
#include "WindowComputation.h"

using namespace window_arithmetic;

// Each kind of glazing computes, per record: the sunlit fractions of the
// opening (fields 18, 19), the insolation coefficient (11), the flux by
// penetrating radiation (13) and the conditional outdoor temperature (14).
// Formulas run left to right on the counts; a quotient of two stored values
// is a plain number, a product carries the scale of its factors. Every
// division by a value that may be 0 is a Quotient, in the order the formula
// meets it, so that a run fails at its first faulty division.

namespace {

constexpr long double kHalf = 0.5L;

// Stores a sunlit fraction given as a plain number.
Decimal4 StoreFraction(long double fraction) { return Decimal4::StoreUnits(fraction); }

// Clamps both fractions to 0..1 in the order: height ≤ 0, width ≤ 0,
// height ≥ 1, width ≥ 1; then Kинс = height · width.
void FinishFractions(WindowHourRecord& r, Decimal4 height, Decimal4 width) {
    const Decimal4 one = Decimal4::FromInt(1);
    if (height <= Decimal4()) height = Decimal4();
    if (width <= Decimal4()) width = Decimal4();
    if (height >= one) height = one;
    if (width >= one) width = one;
    r[WindowField::SunlitHeightFraction] = height;
    r[WindowField::SunlitWidthFraction] = width;
    r[WindowField::InsolationCoeff] = StoreProduct(height, width);
}

// (0.5 · Atн · β₂ + tн.ср) in the scale 10^12 of the radiation term it is added to.
long double TempWaveTerm(const ProjectState& state, const WindowHourRecord& r) {
    const long double wave = kHalf * state.OutdoorAmplitude.Counts() * r[WindowField::TempWaveCoeff].Counts();
    return (wave + state.OutdoorMeanTemp.Counts() * kScale) * kScale;
}

// qпр = (qвп · Kинс + qвр · Kобл) · Kотн · τ₂, with the direct part already
// formed (scale 10^8).
Decimal4 PenetratingFlux(const ProjectState& state, const WindowHourRecord& r, long double directPart) {
    const long double sum = directPart + Product(r[WindowField::GainDiffuse], r[WindowField::IrradiationCoeff]);
    return Decimal4::StoreCounts(sum * state.RelativePenetration.Counts() * state.FrameShading.Counts() / kScale3);
}

// tн.усл = (0.5 · Atн · β₂ + tн.ср) + ((Sв · Kинс + Dв · Kобл) / αн) · ρп · τ₂.
Decimal4 CondOutdoorTemp(const ProjectState& state, const WindowHourRecord& r, Decimal4 outerCoeff) {
    const long double irradiation = Product(r[WindowField::IrradDirect], r[WindowField::InsolationCoeff]) +
                                    Product(r[WindowField::IrradDiffuse], r[WindowField::IrradiationCoeff]);
    const long double absorbed =
        Quotient(irradiation, outerCoeff.Counts()) * state.GlazingAbsorptance.Counts() * state.FrameShading.Counts();
    return Decimal4::StoreCounts((TempWaveTerm(state, r) + absorbed) / kScale2);
}

// The sunlit fractions along the height and the width as first stored,
// before FinishFractions clamps them. They depend on the record's angles
// alone (and the inputs of the project), so records with the same angles
// share them (RepeatedResults).
struct Fractions {
    Decimal4 height;
    Decimal4 width;
};
using FractionsByAngles = RepeatedResults<Fractions, 2>;

Fractions VerticalFractions(const ProjectState& state, Decimal4 betaAngle, Decimal4 sunFacadeAzimuth) {
    const long double beta = Radians(betaAngle);
    const long double sunFacade = Radians(sunFacadeAzimuth);
    const long double ctgBeta = Cotangent(beta);

    const Decimal4 height =
        StoreFraction(1.0L - Quotient(ctgBeta * state.ShadeHorizLength.Counts() - state.ShadeHorizOffset.Counts(),
                                      state.WindowHeight.Counts()));
    const long double shadeWidth = Quotient(X87Sin(sunFacade) * state.ShadeVertLength.Counts(), X87Cos(sunFacade));
    const Decimal4 width =
        StoreFraction(1.0L - Quotient(shadeWidth - state.ShadeVertOffset.Counts(), state.WindowWidth.Counts()));
    return {height, width};
}

void VerticalRecord(const ProjectState& state, WindowHourRecord& r, FractionsByAngles& fractions) {
    const Decimal4 beta = r[WindowField::BetaAngle];
    const Decimal4 sunFacade = r[WindowField::SunFacadeAzimuth];
    const Fractions f = fractions.Of({beta, sunFacade}, [&] { return VerticalFractions(state, beta, sunFacade); });
    FinishFractions(r, f.height, f.width);

    r[WindowField::FluxRadiation] =
        PenetratingFlux(state, r, Product(r[WindowField::GainDirect], r[WindowField::InsolationCoeff]));
    r[WindowField::CondOutdoorTemp] = CondOutdoorTemp(state, r, state.WindowOuterCoeff);
}

// The fractions of an inclined glazing and the two cotangents its direct
// parts turn with, ctg β and ctg(β + β').
struct InclinedGeometry {
    Fractions fractions;
    long double ctgBeta;
    long double ctgTilted;
};

InclinedGeometry InclinedGeometryOf(const ProjectState& state, Decimal4 betaAngle, Decimal4 sunFacadeAzimuth) {
    const long double beta = Radians(betaAngle);
    const long double tilted = RadiansOfSum(betaAngle, state.GlazingTilt);
    const long double sunFacade = Radians(sunFacadeAzimuth);
    const auto [sinBeta, ctgBeta] = SineAndCotangent(beta);
    const auto [sinTilted, ctgTilted] = SineAndCotangent(tilted);

    const Decimal4 height =
        StoreFraction(1.0L - Quotient(ctgTilted * state.ShadeHorizLength.Counts() - state.ShadeHorizOffset.Counts(),
                                      state.WindowHeight.Counts()));
    const long double shadeWidth =
        Quotient(Quotient(X87Sin(sunFacade) * state.ShadeVertLength.Counts(), X87Cos(sunFacade)) * sinBeta, sinTilted);
    const Decimal4 width =
        StoreFraction(1.0L - Quotient(shadeWidth - state.ShadeVertOffset.Counts(), state.WindowWidth.Counts()));
    return {{height, width}, ctgBeta, ctgTilted};
}

void InclinedRecord(const ProjectState& state, WindowHourRecord& r, RepeatedResults<InclinedGeometry, 2>& geometries) {
    const Decimal4 beta = r[WindowField::BetaAngle];
    const Decimal4 sunFacade = r[WindowField::SunFacadeAzimuth];
    const InclinedGeometry g =
        geometries.Of({beta, sunFacade}, [&] { return InclinedGeometryOf(state, beta, sunFacade); });
    FinishFractions(r, g.fractions.height, g.fractions.width);

    // The direct parts turn from the vertical plane to the tilted one by ctg β / ctg(β + β').
    const long double directGain =
        Quotient(g.ctgBeta * Product(r[WindowField::GainDirect], r[WindowField::InsolationCoeff]), g.ctgTilted);
    r[WindowField::FluxRadiation] = PenetratingFlux(state, r, directGain);

    const long double alpha = state.WindowOuterCoeff.Counts();
    const long double directIrrad =
        Quotient(g.ctgBeta * Product(r[WindowField::IrradDirect], r[WindowField::InsolationCoeff]), g.ctgTilted);
    // Each part over αн in turn: with αн = 0 and no direct radiation the
    // first fault is the 0/0 of the direct part.
    const long double directPart = Quotient(directIrrad, alpha);
    const long double diffusePart =
        Quotient(Product(r[WindowField::IrradDiffuse], r[WindowField::IrradiationCoeff]), alpha);
    const long double absorbed =
        (directPart + diffusePart) * state.GlazingAbsorptance.Counts() * state.FrameShading.Counts();
    r[WindowField::CondOutdoorTemp] = Decimal4::StoreCounts((absorbed + TempWaveTerm(state, r)) / kScale2);
}

Fractions HorizontalFractions(const ProjectState& state, Decimal4 sunAltitude, Decimal4 sunFacadeAzimuth) {
    const long double ctgAltitude = Cotangent(Radians(sunAltitude));
    const long double sunFacade = Radians(sunFacadeAzimuth);

    const Decimal4 height =
        StoreFraction(1.0L - Quotient(ctgAltitude * state.ShadeHorizLength.Counts() * X87Sin(sunFacade) -
                                          state.ShadeHorizOffset.Counts(),
                                      state.WindowHeight.Counts()));
    const Decimal4 width =
        StoreFraction(1.0L - Quotient(ctgAltitude * state.ShadeVertLength.Counts() * X87Cos(sunFacade) -
                                          state.ShadeVertOffset.Counts(),
                                      state.WindowWidth.Counts()));
    return {height, width};
}

void HorizontalRecord(const ProjectState& state, WindowHourRecord& r, FractionsByAngles& fractions) {
    const Decimal4 altitude = r[WindowField::SunAltitude];
    const Decimal4 sunFacade = r[WindowField::SunFacadeAzimuth];
    const Fractions f =
        fractions.Of({altitude, sunFacade}, [&] { return HorizontalFractions(state, altitude, sunFacade); });
    FinishFractions(r, f.height, f.width);

    r[WindowField::FluxRadiation] =
        PenetratingFlux(state, r, Product(r[WindowField::GainDirect], r[WindowField::InsolationCoeff]));
    r[WindowField::CondOutdoorTemp] = CondOutdoorTemp(state, r, state.EnvelopeOuterCoeff);
}

}  // namespace

void ComputeVerticalGlazing(ProjectState& state) {
    FractionsByAngles fractions;
    ForEachWindowRecord(state,
                        [&state, &fractions](int, int, WindowHourRecord& r) { VerticalRecord(state, r, fractions); });
}

void ComputeInclinedGlazing(ProjectState& state) {
    RepeatedResults<InclinedGeometry, 2> geometries;
    ForEachWindowRecord(state,
                        [&state, &geometries](int, int, WindowHourRecord& r) { InclinedRecord(state, r, geometries); });
}

void ComputeHorizontalGlazing(ProjectState& state) {
    FractionsByAngles fractions;
    ForEachWindowRecord(state,
                        [&state, &fractions](int, int, WindowHourRecord& r) { HorizontalRecord(state, r, fractions); });
}
