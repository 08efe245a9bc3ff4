#include "LayerEditor.h"

#include "CalcError.h"
#include "Conversions.h"
#include "DerivedInputs.h"

namespace {

void RequireLayerNumber(std::int32_t number) {
    if (number < 1 || number > kMaxLayers) throw CalcError(kLayerNumberMessage);
}

ResistanceTexts StoredResistanceTexts(Construction c) {
    if (c == Construction::Wall)
        return {FormatDecimal4(Project.WallResistance), FormatDecimal4(Project.WallTransmittance), {}};
    return {FormatDecimal4(Project.RoofResistance), FormatDecimal4(Project.RoofTransmittance), {}};
}

}  // namespace

LayerEntryTexts EntryTextsOf(Construction c, int layer) {
    const ConstructionLayer& stored = LayersOf(c)[layer];
    return {stored.MaterialName, FormatDecimal4(stored.HeatAbsorption), FormatDecimal4(stored.Conductivity),
            FormatDecimal4(stored.Thickness)};
}

LayerCountChange SetLayerCount(Construction c, std::string_view countText) {
    const std::int32_t count = ParseInteger(countText);
    if (count < 0) throw CalcError(kNegativeLayerCountMessage);
    LayerCountOf(c) = count;
    // Counts of 50 and more clear nothing; the grid needs no row above 50.
    const int shown = count < kMaxLayers ? count : kMaxLayers;
    LayerTable& layers = LayersOf(c);
    for (int i = shown + 1; i <= kMaxLayers; ++i) layers[i] = ConstructionLayer{};
    return {shown + 1, shown + 1, kMaxLayers};
}

ResistanceTexts ResistanceAfterCountChange(Construction c) {
    if (!LayersOf(c)[1].Conductivity.IsZero()) UpdateResistance(c);
    return StoredResistanceTexts(c);
}

LayerNumberChange LayerNumberTyped(Construction c, std::string_view numberText) {
    if (numberText == "0") return {true, 0, {}};
    const std::int32_t number = ParseInteger(numberText);
    RequireLayerNumber(number);
    LayerCurrentOf(c) = number;
    return {false, number, EntryTextsOf(c, number)};
}

LayerSpinChange LayerSpinClicked(Construction c, int position) {
    if (position == 0) return {true, {}, {}};
    RequireLayerNumber(position);
    LayerCurrentOf(c) = position;
    return {false, FormatInteger(position), EntryTextsOf(c, position)};
}

void StoreLayer(Construction c, int number, const LayerEntryTexts& typed, const GridCellWriter& writeCell) {
    RequireLayerNumber(number);
    ConstructionLayer& layer = LayersOf(c)[number];
    layer.Entered = true;
    writeCell(number, 0, FormatInteger(number));
    writeCell(number, 1, typed.Name);
    layer.MaterialName = typed.Name;
    const auto store = [&](int column, const std::string& text, Decimal4& value, std::string& kept) {
        writeCell(number, column, text);
        value = ParseDecimal4(text);
        kept = text;
    };
    store(2, typed.HeatAbsorption, layer.HeatAbsorption, layer.HeatAbsorptionText);
    store(3, typed.Conductivity, layer.Conductivity, layer.ConductivityText);
    store(4, typed.Thickness, layer.Thickness, layer.ThicknessText);
}

LayerEntryAdvance EnterLayer(Construction c, const LayerEntryTexts& typed, const GridCellWriter& writeCell) {
    const std::int32_t n = LayerCurrentOf(c);
    if (n > LayerCountOf(c)) return {};
    StoreLayer(c, n, typed, writeCell);

    const int next = n < kMaxLayers ? n + 1 : kMaxLayers;
    LayerCurrentOf(c) = next;
    return {true, next, FormatInteger(next), EntryTextsOf(c, next)};
}

ResistanceTexts ResistanceAfterEntry(Construction c) {
    UpdateResistance(c);
    ResistanceTexts texts = StoredResistanceTexts(c);
    if (c == Construction::Roof) {
        UpdateEnvelopeOuterCoeff();
        texts.OuterCoeff = FormatDecimal4(Project.EnvelopeOuterCoeff);
    }
    return texts;
}
