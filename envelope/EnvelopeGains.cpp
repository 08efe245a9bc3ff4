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
Decimal4 IrradianceOf(int orientation, int hour) {
    const WindowHourRecord& record = Project.WindowHours.Record(orientation, hour);
    return record[WindowField::IrradDirect] + record[WindowField::IrradDiffuse];
}

// (ρ·Iср/αн + tн − t)/R₀ · 10⁴, in ten-thousandths: the steady flow at the
// mean conditional outdoor temperature, scaled by 10⁴ (times the further
// scale the caller applies).
long double SteadyPart(Decimal4 absorptance, Decimal4 meanIrradiance, const ThermalProperties& t, Decimal4 innerTemp) {
    const long double conditional = Quotient(absorptance.Counts() * meanIrradiance.Counts(), t.OuterCoeff.Counts()) +
                                    Project.OutdoorMeanTemp.Counts() - innerTemp.Counts();
    return Quotient(1.0L, t.Resistance.Counts()) * conditional;
}

// 0.5·Atн·β + ρ·ΔI/αн, in units of 10⁻⁸: the outdoor wave at the lagged hour
// plus the solar excess of the hour itself.
long double OscillatingPart(Decimal4 beta, Decimal4 absorptance, Decimal4 excess, const ThermalProperties& t) {
    return 0.5L * Project.OutdoorAmplitude.Counts() * beta.Counts() +
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
void StoreSharedTables(const MeanRadiation& mean, const TempWaveRows& wave) {
    Project.FacadeMeanRadiation = mean.Facade;
    Project.RoofMeanRadiation = mean.Horizontal;
    Project.TempWaveTable = wave;
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
Decimal4 WallHourGainOf(int o, int h, const EnvelopeRun<OrientationHourValues>& run, long double steady,
                        long double damping) {
    return AtPlaceOfFault(
        [o, h] { return WallPlace(o) + ", " + std::string(HourLabel(h)); },
        [&] {
            const Decimal4 excess = IrradianceOf(o, h) - run.mean.Facade[o];
            const long double oscillating =
                damping * OscillatingPart(run.wave[run.t.Lag][h], Project.WallAbsorptance, excess, run.t);
            return Decimal4::StoreCounts((steady + oscillating) * Project.WallArea.Counts() / kScale2);
        });
}

EnvelopeRun<OrientationHourValues> RunWall() {
    EnvelopeRun<OrientationHourValues> run;
    run.mean = MeanRadiationAt(Project.Latitude);
    const Decimal4 outer = VerticalOuterCoeff(Project.WindSpeed);
    run.t = ComputeThermalProperties(Project.WallLayers, Project.WallLayerCount, outer, Construction::Wall);
    run.wave = TempWaveTableValues();

    const Decimal4 rho = Project.WallAbsorptance;
    const long double damping = Quotient(kInnerCoeffCounts, run.t.Damping.Counts());
    for (int o = 1; o <= kOrientationCount; ++o) {
        const long double steady =
            AtPlaceOfFault([o] { return WallPlace(o); },
                           [&] { return SteadyPart(rho, run.mean.Facade[o], run.t, Project.IndoorTemp) * kScale2; });
        for (int h = 1; h <= kHourCount; ++h) run.gains[o][h] = WallHourGainOf(o, h, run, steady, damping);
    }

    CheckFloatingPoint();  // a fault no operation reported on its own
    return run;
}

EnvelopeRun<HourValues> RunRoof() {
    EnvelopeRun<HourValues> run;
    const Decimal4 outer = HorizontalOuterCoeff(Project.WindSpeed);
    run.t = ComputeThermalProperties(Project.RoofLayers, Project.RoofLayerCount, outer, Construction::Roof);
    run.wave = TempWaveTableValues();
    run.mean = MeanRadiationAt(Project.Latitude);

    const Decimal4 rho = Project.RoofAbsorptance;
    const Decimal4 meanIrradiance = run.mean.Horizontal;
    const long double steady = SteadyPart(rho, meanIrradiance, run.t, Project.UnderRoofTemp) * kScale;
    const long double damping = Quotient(kInnerCoeffCounts, run.t.Damping.Counts());
    for (int h = 1; h <= kHourCount; ++h) {
        run.gains[h] = AtPlaceOfFault(
            [h] { return ConstructionPlace(Construction::Roof) + ", " + std::string(HourLabel(h)); },
            [&] {
                const Decimal4 excess = IrradianceOf(1, h) - meanIrradiance;
                // θ, the inner-surface oscillation before damping, is stored.
                const Decimal4 theta =
                    Decimal4::StoreCounts(OscillatingPart(run.wave[run.t.Lag][h], rho, excess, run.t) / kScale);
                return Decimal4::StoreCounts((steady + damping * theta.Counts()) * Project.RoofArea.Counts() / kScale);
            });
    }

    CheckFloatingPoint();  // a fault no operation reported on its own
    return run;
}

}  // namespace

void ComputeWallGains() {
    BeginComputation();
    RequireLayerCount(Project.WallLayerCount, kMaxWallLayers, kWallLayerCountMessage);
    const EnvelopeRun<OrientationHourValues> run =
        AtPlaceOfFault([] { return ConstructionPlace(Construction::Wall); }, RunWall);
    KeepLayerFigures(run.t, Project.WallLayerCount, Project.WallLayers);
    Project.WallDampingProduct = run.t.DampingProduct;
    Project.WallDamping = run.t.Damping;
    StoreSharedTables(run.mean, run.wave);
    Project.WallHourGain = run.gains;
}

void ComputeRoofGains() {
    BeginComputation();
    RequireLayerCount(Project.RoofLayerCount, kMaxRoofLayers, kRoofLayerCountMessage);
    const EnvelopeRun<HourValues> run = AtPlaceOfFault([] { return ConstructionPlace(Construction::Roof); }, RunRoof);
    KeepLayerFigures(run.t, Project.RoofLayerCount, Project.RoofLayers);
    Project.RoofDampingProduct = run.t.DampingProduct;
    Project.RoofDamping = run.t.Damping;
    StoreSharedTables(run.mean, run.wave);
    Project.RoofHourGain = run.gains;
}
