#include "LayerEditor.h"

#include <algorithm>

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

void SetLayerCount(Construction c, std::string_view countText) {
    const std::int32_t count = ParseInteger(countText);
    if (count < 0) throw CalcError(kNegativeLayerCountMessage);
    LayerCountOf(c) = count;
}

std::vector<LayerGridRow> LayerGridRows(Construction c) {
    const LayerTable& layers = LayersOf(c);
    const int count = LayerCountOf(c);
    int rows = std::min(count, kMaxLayers);
    for (int n = rows + 1; n <= kMaxLayers; ++n)
        if (layers[n].Entered) rows = n;
    std::vector<LayerGridRow> grid(static_cast<std::size_t>(rows));
    for (int n = 1; n <= rows; ++n) {
        LayerGridRow& row = grid[static_cast<std::size_t>(n - 1)];
        row.Used = n <= count;
        const ConstructionLayer& layer = layers[n];
        if (!layer.Entered) continue;
        row.Cells = {FormatInteger(n), layer.MaterialName, layer.HeatAbsorptionText, layer.ConductivityText,
                     layer.ThicknessText};
    }
    return grid;
}

std::int32_t RemoveLayer(Construction c, int number) {
    RequireLayerNumber(number);
    LayerTable& layers = LayersOf(c);
    for (int n = number; n < kMaxLayers; ++n) layers[n] = layers[n + 1];
    layers[kMaxLayers] = ConstructionLayer{};
    std::int32_t& count = LayerCountOf(c);
    if (number <= count) --count;
    return count;
}

void StoreLayerList(Construction c, const LayerList& layers) {
    const GridCellWriter noGrid = [](int, int, const std::string&) {};
    for (std::size_t i = 0; i < layers.size(); ++i)
        if (layers[i]) StoreLayer(c, static_cast<int>(i) + 1, *layers[i], noGrid);
}

std::string LayerCountText(const std::optional<std::string>& countText, const LayerList& layers) {
    return countText ? *countText : std::to_string(layers.size());
}

LayerList LayerListOf(Construction c) {
    const LayerTable& layers = LayersOf(c);
    LayerList list;
    for (int n = 1; n <= kMaxLayers; ++n) {
        const ConstructionLayer& layer = layers[n];
        if (!layer.Entered) continue;
        list.resize(static_cast<std::size_t>(n));
        list.back() =
            LayerEntryTexts{layer.MaterialName, layer.HeatAbsorptionText, layer.ConductivityText, layer.ThicknessText};
    }
    return list;
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
