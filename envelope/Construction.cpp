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

LayerTable& LayersOf(Construction c) { return c == Construction::Wall ? Project.WallLayers : Project.RoofLayers; }

std::int32_t& LayerCountOf(Construction c) {
    return c == Construction::Wall ? Project.WallLayerCount : Project.RoofLayerCount;
}

std::int32_t& LayerCurrentOf(Construction c) {
    return c == Construction::Wall ? Project.WallLayerCurrent : Project.RoofLayerCurrent;
}

Decimal4 OuterCoeffOf(Construction c) {
    return c == Construction::Wall ? VerticalOuterCoeff(Project.WindSpeed) : HorizontalOuterCoeff(Project.WindSpeed);
}

Decimal4 ResistanceOf(const ConstructionLayer& layer) {
    return Decimal4::StoreCounts(Quotient(layer.Thickness.Counts(), layer.Conductivity.Counts()) * kScale);
}

Decimal4 TotalResistance(Decimal4 outerCoeff, Decimal4 layerSum) {
    return Decimal4::StoreCounts(Quotient(kScale2, outerCoeff.Counts()) + (kInnerResistanceCounts + layerSum.Counts()));
}

Decimal4 TransmittanceOf(Decimal4 resistance) { return Decimal4::StoreCounts(Quotient(kScale2, resistance.Counts())); }

void UpdateResistance(Construction c) {
    const Decimal4 outer = OuterCoeffOf(c);  // starts the computation
    LayerTable layers = LayersOf(c);
    // Layers above the count are kept for later but describe nothing now.
    const int used = std::min(LayerCountOf(c), kMaxLayers);
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

    LayersOf(c) = layers;
    if (c == Construction::Wall) {
        Project.WallResistance = resistance;
        Project.WallTransmittance = transmittance;
    } else {
        Project.RoofResistance = resistance;
        Project.RoofTransmittance = transmittance;
    }
}

void UpdateWallResistance() { UpdateResistance(Construction::Wall); }
void UpdateRoofResistance() { UpdateResistance(Construction::Roof); }

void RequireEnteredLayers(Construction c) {
    const LayerTable& layers = LayersOf(c);
    const std::int32_t count = LayerCountOf(c);
    for (std::int32_t n = 1; n <= count; ++n) {
        if (n <= kMaxLayers && layers[n].Entered) continue;
        throw CalcError("Не введён слой " + FormatInteger(n) + " " + std::string(ConstructionGenitive(c)) +
                        ": введите его или уменьшите число слоёв");
    }
}
