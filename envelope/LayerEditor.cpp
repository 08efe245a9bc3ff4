#include "LayerEditor.h"

#include <algorithm>
#include <array>

#include "CalcError.h"
#include "Conversions.h"
#include "DerivedInputs.h"
#include "InputControls.h"

namespace {

void RequireLayerNumber(std::int32_t number) {
    if (number < 1 || number > kMaxLayers) throw CalcError(kLayerNumberMessage);
}

// The edits of the layer count and of the layer number, which a refusal of
// their texts names.
std::string_view CountControl(Construction c) { return c == Construction::Wall ? "WallLayerCount" : "RoofLayerCount"; }
std::string_view NumberControl(Construction c) {
    return c == Construction::Wall ? "WallLayerNumber" : "RoofLayerNumber";
}

// The three figures of the entry row: their grid column, typed text, stored
// value and the entry edit of each construction.
struct EntryFigure {
    int column;
    std::string LayerEntryTexts::*text;
    Decimal4 ConstructionLayer::*value;
    std::string ConstructionLayer::*keptText;
    std::string_view wallInput;
    std::string_view roofInput;
};

// clang-format off
constexpr std::array<EntryFigure, 3> kEntryFigures{{
    // column  typed                             stored                              typed text kept                         wall      roof
    {2,        &LayerEntryTexts::HeatAbsorption, &ConstructionLayer::HeatAbsorption, &ConstructionLayer::HeatAbsorptionText, "WallLayerHeatAbsorption", "RoofLayerHeatAbsorption"},  // s
    {3,        &LayerEntryTexts::Conductivity,   &ConstructionLayer::Conductivity,   &ConstructionLayer::ConductivityText,   "WallLayerConductivity", "RoofLayerConductivity"},  // λ
    {4,        &LayerEntryTexts::Thickness,      &ConstructionLayer::Thickness,      &ConstructionLayer::ThicknessText,      "WallLayerThickness", "RoofLayerThickness"},  // δ
}};
// clang-format on

const InputControl& ControlOf(const EntryFigure& figure, Construction c) {
    return InputControlOf(c == Construction::Wall ? figure.wallInput : figure.roofInput);
}

// R₀ and K as stored, and for the roof αн of its outer surface as the roof
// computation takes it from the wind speed.
ResistanceTexts StoredResistanceTexts(const ProjectState& state, Construction c) {
    if (c == Construction::Wall)
        return {FormatDecimal4(state.WallResistance), FormatDecimal4(state.WallTransmittance), {}};
    return {FormatDecimal4(state.RoofResistance), FormatDecimal4(state.RoofTransmittance),
            FormatDecimal4(OuterCoeffOf(state, Construction::Roof))};
}

}  // namespace

LayerEntryTexts EntryTextsOf(const ProjectState& state, Construction c, int layer) {
    const ConstructionLayer& stored = LayersOf(state, c)[layer];
    return {stored.MaterialName, FormatDecimal4(stored.HeatAbsorption), FormatDecimal4(stored.Conductivity),
            FormatDecimal4(stored.Thickness)};
}

void SetLayerCount(ProjectState& state, Construction c, std::string_view countText) {
    const std::int32_t count = ReadingInput(CountControl(c), [countText] {
        const std::int32_t typed = ParseInteger(countText);
        if (typed < 0) throw CalcError(kNegativeLayerCountMessage);
        return typed;
    });
    LayerCountOf(state, c) = count;
}

std::vector<LayerGridRow> LayerGridRows(const ProjectState& state, Construction c) {
    const LayerTable& layers = LayersOf(state, c);
    const int count = LayerCountOf(state, c);
    int rows = std::min(count, kMaxLayers);
    for (int n = rows + 1; n <= kMaxLayers; ++n)
        if (layers[n].Entered) rows = n;
    std::vector<LayerGridRow> grid(static_cast<std::size_t>(rows));
    for (int n = 1; n <= rows; ++n) {
        LayerGridRow& row = grid[static_cast<std::size_t>(n - 1)];
        row.Used = n <= count;
        row.Cells[0] = FormatInteger(n);
        const ConstructionLayer& layer = layers[n];
        if (!layer.Entered) continue;
        row.Cells = {FormatInteger(n), layer.MaterialName, layer.HeatAbsorptionText, layer.ConductivityText,
                     layer.ThicknessText};
    }
    return grid;
}

std::int32_t RemoveLayer(ProjectState& state, Construction c, int number) {
    RequireLayerNumber(number);
    LayerTable& layers = LayersOf(state, c);
    for (int n = number; n < kMaxLayers; ++n) layers[n] = layers[n + 1];
    layers[kMaxLayers] = ConstructionLayer{};
    std::int32_t& count = LayerCountOf(state, c);
    if (number <= count) --count;
    return count;
}

void StoreLayerList(ProjectState& state, Construction c, const LayerList& layers) {
    const GridCellWriter noGrid = [](int, int, const std::string&) {};
    for (std::size_t i = 0; i < layers.size(); ++i) {
        if (!layers[i]) continue;
        const int number = static_cast<int>(i) + 1;
        try {
            StoreLayer(state, c, number, *layers[i], noGrid);
        } catch (const CalcError& e) {
            throw e.InLayer(number);
        }
    }
}

std::string LayerCountText(const std::optional<std::string>& countText, const LayerList& layers) {
    return countText ? *countText : std::to_string(layers.size());
}

LayerList LayerListOf(const ProjectState& state, Construction c) {
    const LayerTable& layers = LayersOf(state, c);
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

ResistanceTexts ResistanceAfterCountChange(ProjectState& state, Construction c) {
    if (!LayersOf(state, c)[1].Conductivity.IsZero()) UpdateResistance(state, c);
    return StoredResistanceTexts(state, c);
}

LayerNumberChange LayerNumberTyped(ProjectState& state, Construction c, std::string_view numberText) {
    if (numberText == "0") return {true, 0, {}};
    const std::int32_t number = ReadingInput(NumberControl(c), [numberText] {
        const std::int32_t typed = ParseInteger(numberText);
        RequireLayerNumber(typed);
        return typed;
    });
    LayerCurrentOf(state, c) = number;
    return {false, number, EntryTextsOf(state, c, number)};
}

LayerSpinChange LayerSpinClicked(ProjectState& state, Construction c, int position) {
    if (position == 0) return {true, {}, {}};
    RequireLayerNumber(position);
    LayerCurrentOf(state, c) = position;
    return {false, FormatInteger(position), EntryTextsOf(state, c, position)};
}

void StoreLayer(ProjectState& state, Construction c, int number, const LayerEntryTexts& typed,
                const GridCellWriter& writeCell) {
    RequireLayerNumber(number);
    // Every figure is read, s then λ then δ, before anything of the layer or
    // the grid changes: a refused entry leaves both as they were.
    std::array<Decimal4, kEntryFigures.size()> values;
    for (std::size_t i = 0; i < kEntryFigures.size(); ++i)
        values[i] = ReadInputValue(ControlOf(kEntryFigures[i], c), typed.*kEntryFigures[i].text);
    ConstructionLayer& layer = LayersOf(state, c)[number];
    layer.Entered = true;
    writeCell(number, 0, FormatInteger(number));
    writeCell(number, 1, typed.Name);
    layer.MaterialName = typed.Name;
    for (std::size_t i = 0; i < kEntryFigures.size(); ++i) {
        const EntryFigure& figure = kEntryFigures[i];
        writeCell(number, figure.column, typed.*figure.text);
        layer.*figure.value = values[i];
        layer.*figure.keptText = typed.*figure.text;
    }
}

LayerEntryAdvance EnterLayer(ProjectState& state, Construction c, const LayerEntryTexts& typed,
                             const GridCellWriter& writeCell) {
    const std::int32_t n = LayerCurrentOf(state, c);
    if (n > LayerCountOf(state, c)) return {};
    StoreLayer(state, c, n, typed, writeCell);

    const int next = n < kMaxLayers ? n + 1 : kMaxLayers;
    LayerCurrentOf(state, c) = next;
    return {true, next, FormatInteger(next), EntryTextsOf(state, c, next)};
}

ResistanceTexts ResistanceAfterEntry(ProjectState& state, Construction c) {
    UpdateResistance(state, c);
    return StoredResistanceTexts(state, c);
}
