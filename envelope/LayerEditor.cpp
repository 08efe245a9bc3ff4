#include "LayerEditor.h"

#include <array>

#include "CalcError.h"
#include "Conversions.h"
#include "DerivedInputs.h"
#include "InputControls.h"

namespace {

void RequireLayerNumber(std::int32_t number) {
    if (number < 1 || number > kMaxLayers) throw CalcError(kLayerNumberMessage);
}

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

// A figure outside its range refuses the whole entry before anything of the
// layer is stored. The look stops at a text that does not parse: the storing
// stops there too, with its own message.
void CheckEntryRanges(Construction c, const LayerEntryTexts& typed) {
    for (const EntryFigure& figure : kEntryFigures) {
        const std::optional<Decimal4> value = TryParseDecimal4(typed.*figure.text);
        if (!value) return;
        CheckInputRange(ControlOf(figure, c), *value);
    }
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
    CheckEntryRanges(c, typed);
    ConstructionLayer& layer = LayersOf(c)[number];
    layer.Entered = true;
    writeCell(number, 0, FormatInteger(number));
    writeCell(number, 1, typed.Name);
    layer.MaterialName = typed.Name;
    for (const EntryFigure& figure : kEntryFigures) {
        writeCell(number, figure.column, typed.*figure.text);
        layer.*figure.value = ReadInputValue(ControlOf(figure, c), typed.*figure.text);
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
    ResistanceTexts texts = StoredResistanceTexts(c);
    if (c == Construction::Roof) {
        UpdateEnvelopeOuterCoeff();
        texts.OuterCoeff = FormatDecimal4(Project.EnvelopeOuterCoeff);
    }
    return texts;
}
