#include "EnvelopeGains.h"

#include <string>

#include "CalcError.h"
#include "Construction.h"
#include "DerivedInputs.h"
#include "FloatingPoint.h"
#include "MeanRadiation.h"
#include "ProjectState.h"
#include "TempWave.h"
#include "ThermalProperties.h"

namespace {

void RequireLayerCount(std::int32_t count, int maxCount, const char* message) {
    if (count < 1 || count > maxCount) throw CalcError(message);
}

// Where a fault of the wall of orientation o arose: "при расчёте стены З".
std::string WallPlace(int orientation) {
    return ConstructionPlace(Construction::Wall) + " " + std::string(OrientationAt(orientation).name);
}

// I of record (o, h): direct plus diffuse radiation on the surface, exact.
Decimal4 IrradianceOf(const ProjectState& state, int orientation, int hour) {
    const WindowHourRecord& record = state.WindowHours.Record(orientation, hour);
    return record[WindowField::IrradDirect] + record[WindowField::IrradDiffuse];
}

// (ρ·Iср/αн + tн − t)/R₀ · 10⁴, in ten-thousandths: the steady flow at the
// mean conditional outdoor temperature, scaled by 10⁴ (times the further
// scale the caller applies).
long double SteadyPart(const ProjectState& state, Decimal4 absorptance, Decimal4 meanIrradiance,
                       const ThermalProperties& t, Decimal4 innerTemp) {
    const long double conditional = Quotient(absorptance.Counts() * meanIrradiance.Counts(), t.OuterCoeff.Counts()) +
                                    state.OutdoorMeanTemp.Counts() - innerTemp.Counts();
    return Quotient(1.0L, t.Resistance.Counts()) * conditional;
}

// 0.5·Atн·β + ρ·ΔI/αн, in units of 10⁻⁸: the outdoor wave at the lagged hour
// plus the solar excess of the hour itself.
long double OscillatingPart(const ProjectState& state, Decimal4 beta, Decimal4 absorptance, Decimal4 excess,
                            const ThermalProperties& t) {
    return 0.5L * state.OutdoorAmplitude.Counts() * beta.Counts() +
           Quotient(absorptance.Counts() * excess.Counts(), t.OuterCoeff.Counts()) * kScale;
}

// R and D of the layers used, beside what was entered.
void KeepLayerFigures(const ThermalProperties& t, int count, LayerTable& layers) {
    for (int i = 1; i <= count; ++i) {
        layers[i].LayerResistance = t.Layers[i].LayerResistance;
        layers[i].LayerInertia = t.Layers[i].LayerInertia;
    }
}

// The mean radiation and temperature wave tables both computations read,
// stored with their results.
void StoreSharedTables(ProjectState& state, const MeanRadiation& mean, const TempWaveRows& wave) {
    state.FacadeMeanRadiation = mean.Facade;
    state.RoofMeanRadiation = mean.Horizontal;
    state.TempWaveTable = wave;
}

}  // namespace

namespace {

// What a wall or roof computation writes once it has completed.
template <class Gains>
struct EnvelopeRun {
    Gains gains;
    ThermalProperties t;
    MeanRadiation mean;
    TempWaveRows wave;
};

// The gain of the wall of orientation o at hour h; a fault says the record.
Decimal4 WallHourGainOf(const ProjectState& state, int o, int h, const EnvelopeRun<OrientationHourValues>& run,
                        long double steady, long double damping) {
    return AtPlaceOfFault([o, h] { return WallPlace(o) + ", " + std::string(HourLabel(h)); },
                          [&] {
                              const Decimal4 excess = IrradianceOf(state, o, h) - run.mean.Facade[o];
                              const long double oscillating =
                                  damping *
                                  OscillatingPart(state, run.wave[run.t.Lag][h], state.WallAbsorptance, excess, run.t);
                              return Decimal4::StoreCounts((steady + oscillating) * state.WallArea.Counts() / kScale2);
                          });
}

EnvelopeRun<OrientationHourValues> RunWall(const ProjectState& state) {
    EnvelopeRun<OrientationHourValues> run;
    run.mean = MeanRadiationAt(state.Latitude);
    const Decimal4 outer = VerticalOuterCoeff(state.WindSpeed);
    run.t = ComputeThermalProperties(state.WallLayers, state.WallLayerCount, outer, Construction::Wall);
    run.wave = TempWaveTableValues();

    const Decimal4 rho = state.WallAbsorptance;
    const long double damping = Quotient(kInnerCoeffCounts, run.t.Damping.Counts());
    for (int o = 1; o <= kOrientationCount; ++o) {
        const long double steady = AtPlaceOfFault(
            [o] { return WallPlace(o); },
            [&] { return SteadyPart(state, rho, run.mean.Facade[o], run.t, state.IndoorTemp) * kScale2; });
        for (int h = 1; h <= kHourCount; ++h) run.gains[o][h] = WallHourGainOf(state, o, h, run, steady, damping);
    }

    CheckFloatingPoint();  // a fault no operation reported on its own
    return run;
}

EnvelopeRun<HourValues> RunRoof(const ProjectState& state) {
    EnvelopeRun<HourValues> run;
    const Decimal4 outer = HorizontalOuterCoeff(state.WindSpeed);
    run.t = ComputeThermalProperties(state.RoofLayers, state.RoofLayerCount, outer, Construction::Roof);
    run.wave = TempWaveTableValues();
    run.mean = MeanRadiationAt(state.Latitude);

    const Decimal4 rho = state.RoofAbsorptance;
    const Decimal4 meanIrradiance = run.mean.Horizontal;
    const long double steady = SteadyPart(state, rho, meanIrradiance, run.t, state.UnderRoofTemp) * kScale;
    const long double damping = Quotient(kInnerCoeffCounts, run.t.Damping.Counts());
    for (int h = 1; h <= kHourCount; ++h) {
        run.gains[h] = AtPlaceOfFault(
            [h] { return ConstructionPlace(Construction::Roof) + ", " + std::string(HourLabel(h)); },
            [&] {
                const Decimal4 excess = IrradianceOf(state, 1, h) - meanIrradiance;
                // θ, the inner-surface oscillation before damping, is stored.
                const Decimal4 theta =
                    Decimal4::StoreCounts(OscillatingPart(state, run.wave[run.t.Lag][h], rho, excess, run.t) / kScale);
                return Decimal4::StoreCounts((steady + damping * theta.Counts()) * state.RoofArea.Counts() / kScale);
            });
    }

    CheckFloatingPoint();  // a fault no operation reported on its own
    return run;
}

}  // namespace

void ComputeWallGains(ProjectState& state) {
    BeginComputation();
    RequireLayerCount(state.WallLayerCount, kMaxWallLayers, kWallLayerCountMessage);
    const EnvelopeRun<OrientationHourValues> run =
        AtPlaceOfFault([] { return ConstructionPlace(Construction::Wall); }, [&state] { return RunWall(state); });
    KeepLayerFigures(run.t, state.WallLayerCount, state.WallLayers);
    state.WallDampingProduct = run.t.DampingProduct;
    state.WallDamping = run.t.Damping;
    StoreSharedTables(state, run.mean, run.wave);
    state.WallHourGain = run.gains;
}

void ComputeRoofGains(ProjectState& state) {
    BeginComputation();
    RequireLayerCount(state.RoofLayerCount, kMaxRoofLayers, kRoofLayerCountMessage);
    const EnvelopeRun<HourValues> run =
        AtPlaceOfFault([] { return ConstructionPlace(Construction::Roof); }, [&state] { return RunRoof(state); });
    KeepLayerFigures(run.t, state.RoofLayerCount, state.RoofLayers);
    state.RoofDampingProduct = run.t.DampingProduct;
    state.RoofDamping = run.t.Damping;
    StoreSharedTables(state, run.mean, run.wave);
    state.RoofHourGain = run.gains;
}
