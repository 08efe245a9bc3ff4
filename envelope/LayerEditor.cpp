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
std::string_view CountControl(Construction c) { return c == Construction::Wall ? "Edit33" : "Edit34"; }
std::string_view NumberControl(Construction c) { return c == Construction::Wall ? "Edit27" : "Edit28"; }

// The three figures of the entry row: their grid column, typed text, stored
// value and the entry edit of each construction.
struct EntryFigure {
    int column;
    std::string LayerEntryTexts::*text;
    Decimal4 ConstructionLayer::*value;
    std::string ConstructionLayer::*keptText;
    std::string_view wallControl;
    std::string_view roofControl;
};

// clang-format off
constexpr std::array<EntryFigure, 3> kEntryFigures{{
    // column  typed                             stored                              typed text kept                         wall      roof
    {2,        &LayerEntryTexts::HeatAbsorption, &ConstructionLayer::HeatAbsorption, &ConstructionLayer::HeatAbsorptionText, "Edit30", "Edit36"},  // s
    {3,        &LayerEntryTexts::Conductivity,   &ConstructionLayer::Conductivity,   &ConstructionLayer::ConductivityText,   "Edit31", "Edit37"},  // λ
    {4,        &LayerEntryTexts::Thickness,      &ConstructionLayer::Thickness,      &ConstructionLayer::ThicknessText,      "Edit32", "Edit38"},  // δ
}};
// clang-format on

const InputControl& ControlOf(const EntryFigure& figure, Construction c) {
    return InputControlOf(c == Construction::Wall ? figure.wallControl : figure.roofControl);
}

// R₀ and K as stored, and for the roof αн of its outer surface as the roof
// computation takes it from the wind speed.
ResistanceTexts StoredResistanceTexts(Construction c) {
    if (c == Construction::Wall)
        return {FormatDecimal4(Project.WallResistance), FormatDecimal4(Project.WallTransmittance), {}};
    return {FormatDecimal4(Project.RoofResistance), FormatDecimal4(Project.RoofTransmittance),
            FormatDecimal4(OuterCoeffOf(Construction::Roof))};
}

}  // namespace

LayerEntryTexts EntryTextsOf(Construction c, int layer) {
    const ConstructionLayer& stored = LayersOf(c)[layer];
    return {stored.MaterialName, FormatDecimal4(stored.HeatAbsorption), FormatDecimal4(stored.Conductivity),
            FormatDecimal4(stored.Thickness)};
}

void SetLayerCount(Construction c, std::string_view countText) {
    const std::int32_t count = ReadingControl(CountControl(c), [countText] {
        const std::int32_t typed = ParseInteger(countText);
        if (typed < 0) throw CalcError(kNegativeLayerCountMessage);
        return typed;
    });
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
        row.Cells[0] = FormatInteger(n);
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
    const std::int32_t number = ReadingControl(NumberControl(c), [numberText] {
        const std::int32_t typed = ParseInteger(numberText);
        RequireLayerNumber(typed);
        return typed;
    });
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
    // Every figure is read, s then λ then δ, before anything of the layer or
    // the grid changes: a refused entry leaves both as they were.
    std::array<Decimal4, kEntryFigures.size()> values;
    for (std::size_t i = 0; i < kEntryFigures.size(); ++i)
        values[i] = ReadInputValue(ControlOf(kEntryFigures[i], c), typed.*kEntryFigures[i].text);
    ConstructionLayer& layer = LayersOf(c)[number];
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
    return StoredResistanceTexts(c);
}
