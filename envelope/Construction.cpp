#include "Construction.h"

#include <algorithm>

#include "CalcError.h"
#include "Conversions.h"
#include "DerivedInputs.h"
#include "FloatingPoint.h"

std::string_view ConstructionGenitive(Construction c) { return c == Construction::Wall ? "стены" : "покрытия"; }

std::string ConstructionPlace(Construction c) { return "при расчёте " + std::string(ConstructionGenitive(c)); }

std::string LayerPlace(Construction c, int layer) {
    return "при расчёте слоя " + FormatInteger(layer) + " " + std::string(ConstructionGenitive(c));
}

LayerTable& LayersOf(ProjectState& state, Construction c) {
    return c == Construction::Wall ? state.WallLayers : state.RoofLayers;
}

const LayerTable& LayersOf(const ProjectState& state, Construction c) {
    return c == Construction::Wall ? state.WallLayers : state.RoofLayers;
}

std::int32_t& LayerCountOf(ProjectState& state, Construction c) {
    return c == Construction::Wall ? state.WallLayerCount : state.RoofLayerCount;
}

std::int32_t LayerCountOf(const ProjectState& state, Construction c) {
    return c == Construction::Wall ? state.WallLayerCount : state.RoofLayerCount;
}

std::int32_t& LayerCurrentOf(ProjectState& state, Construction c) {
    return c == Construction::Wall ? state.WallLayerCurrent : state.RoofLayerCurrent;
}

Decimal4 OuterCoeffOf(const ProjectState& state, Construction c) {
    return c == Construction::Wall ? VerticalOuterCoeff(state.WindSpeed) : HorizontalOuterCoeff(state.WindSpeed);
}

Decimal4 ResistanceOf(const ConstructionLayer& layer) {
    return Decimal4::StoreCounts(Quotient(layer.Thickness.Counts(), layer.Conductivity.Counts()) * kScale);
}

Decimal4 TotalResistance(Decimal4 outerCoeff, Decimal4 layerSum) {
    return Decimal4::StoreCounts(Quotient(kScale2, outerCoeff.Counts()) + (kInnerResistanceCounts + layerSum.Counts()));
}

Decimal4 TransmittanceOf(Decimal4 resistance) { return Decimal4::StoreCounts(Quotient(kScale2, resistance.Counts())); }

void UpdateResistance(ProjectState& state, Construction c) {
    const Decimal4 outer = OuterCoeffOf(state, c);  // starts the computation
    LayerTable layers = LayersOf(state, c);
    // Layers above the count are kept for later but describe nothing now.
    const int used = std::min(LayerCountOf(state, c), kMaxLayers);
    Decimal4 sum;
    for (int i = 1; i <= used; ++i) {
        ConstructionLayer& layer = layers[i];
        layer.LayerResistance =
            AtPlaceOfFault([c, i] { return LayerPlace(c, i); }, [&layer] { return ResistanceOf(layer); });
        sum = sum + layer.LayerResistance;
        if (i < kMaxLayers && layers[i + 1].Conductivity.IsZero()) break;
    }
    Decimal4 resistance;
    Decimal4 transmittance;
    AtPlaceOfFault([c] { return ConstructionPlace(c); },
                   [&] {
                       resistance = TotalResistance(outer, sum);
                       transmittance = TransmittanceOf(resistance);
                       CheckFloatingPoint();  // a fault no operation reported on its own
                   });

    LayersOf(state, c) = layers;
    if (c == Construction::Wall) {
        state.WallResistance = resistance;
        state.WallTransmittance = transmittance;
    } else {
        state.RoofResistance = resistance;
        state.RoofTransmittance = transmittance;
    }
}

void UpdateWallResistance(ProjectState& state) { UpdateResistance(state, Construction::Wall); }
void UpdateRoofResistance(ProjectState& state) { UpdateResistance(state, Construction::Roof); }

void RequireEnteredLayers(const ProjectState& state, Construction c) {
    const LayerTable& layers = LayersOf(state, c);
    const std::int32_t count = LayerCountOf(state, c);
    for (std::int32_t n = 1; n <= count; ++n) {
        if (n <= kMaxLayers && layers[n].Entered) continue;
        throw CalcError("Не введён слой " + FormatInteger(n) + " " + std::string(ConstructionGenitive(c)) +
                        ": введите его или уменьшите число слоёв");
    }
}
