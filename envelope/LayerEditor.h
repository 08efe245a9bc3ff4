#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Construction.h"

// The state side of the layer editors of the wall group ("Для стен": the
// layer count, the layer number and its spin, the entry row, the layer grid,
// R₀ and K) and the roof group ("Для покрытий": the same, and the roof's
// αн). Each handler
// reads its controls, calls one or two of these and writes the returned texts
// into its controls. Failures are raised as CalcError; what a function did
// before its failure point stays done, as its comment says.

// The entry row: name, s, λ, δ.
struct LayerEntryTexts {
    std::string Name;
    std::string HeatAbsorption;
    std::string Conductivity;
    std::string Thickness;

    friend bool operator==(const LayerEntryTexts&, const LayerEntryTexts&) = default;
};

// A layer list as typed: element i is layer i+1, empty for a layer never
// entered between entered ones. The list may be longer than the layer count:
// the layers above the count are kept, not used.
using LayerList = std::vector<std::optional<LayerEntryTexts>>;

// The outputs beside the grid: R₀, K and, for the roof, αн of its outer
// surface from the wind speed.
struct ResistanceTexts {
    std::string Resistance;
    std::string Transmittance;
    std::optional<std::string> OuterCoeff;
};

// Writes one cell of the layer grid.
using GridCellWriter = std::function<void(int row, int column, const std::string& text)>;

inline constexpr const char* kNegativeLayerCountMessage = "Число слоёв не может быть отрицательным";
inline const std::string kLayerNumberMessage = "Номер слоя должен быть от 1 до " + std::to_string(kMaxLayers);

// The stored layer as the entry row shows it: the name and FormatDecimal4 of
// s, λ, δ (a layer never entered shows "", "0", "0", "0").
LayerEntryTexts EntryTextsOf(const ProjectState& state, Construction c, int layer);

// Layer count typed, first part: the count is
// parsed (ParseInteger), a negative count is refused (either failure naming
// the count, WallLayerCount or RoofLayerCount), and the count is stored. No layer is
// cleared: the layers above the count are kept, shown greyed, and used again
// when the count rises, so that neither a count typed smaller nor the texts
// passed on the way to a larger one ("1" on the way to "10") lose a layer.
void SetLayerCount(ProjectState& state, Construction c, std::string_view countText);

// The rows of the layer grid below its header, row n for layer n: the used
// rows 1..count, then the kept layers above the count up to the highest
// entered one (at most 50 rows). An entered layer shows its number, name and
// typed texts; a layer never entered shows only its number. Used is false for
// the rows above the count, which the grid shows greyed.
struct LayerGridRow {
    std::array<std::string, 5> Cells;
    bool Used = true;
};
std::vector<LayerGridRow> LayerGridRows(const ProjectState& state, Construction c);

// Removes layer `number` (1..50, refused otherwise): the layers above it move
// down one and layer 50 becomes a layer never entered. A removed layer within
// the count takes the count down by one (a gap within the count is removed
// the same way); above the count the count stays. Returns the count after
// the removal, which is also stored.
std::int32_t RemoveLayer(ProjectState& state, Construction c, int number);

// A layer list put into the editor as it was saved: every listed layer
// stored under its number (StoreLayer), gaps left never entered. A refused
// figure is said with its layer ("Толщина слоя стены δ (слой 2): «x» — не
// число") and stops there, the layers before it stored.
void StoreLayerList(ProjectState& state, Construction c, const LayerList& layers);

// The count typed with a saved layer list: the given count text, or the
// length of the list when there is none.
std::string LayerCountText(const std::optional<std::string>& countText, const LayerList& layers);

// The layers as typed, for saving: each entered layer with its name and
// typed texts, a gap for a layer never entered, up to the highest entered
// layer (an empty list when none was entered).
LayerList LayerListOf(const ProjectState& state, Construction c);

// Second part: R₀ and K are recomputed when layer 1 has a conductivity, and
// shown in either case, with αн of the roof. Typing the wind speed runs it
// too, so that what is shown is what the wall and roof results take.
ResistanceTexts ResistanceAfterCountChange(ProjectState& state, Construction c);

// Layer number typed. The text "0" asks for
// "1" to be put into the number edit (ResetToOne; nothing else happens).
// Otherwise the number is parsed, refused outside 1..50 (either failure
// naming the number, WallLayerNumber or RoofLayerNumber), and becomes the current layer
// and the spin position; Entry is its stored layer.
struct LayerNumberChange {
    bool ResetToOne = false;
    int Position = 0;
    LayerEntryTexts Entry;
};
LayerNumberChange LayerNumberTyped(ProjectState& state, Construction c, std::string_view numberText);

// Spin button pressed with its new position. At
// 0 the spin is to be put back to 1 (ResetToOne; nothing else happens). Above
// 50 it is refused. Otherwise NumberText goes into the number edit, the
// position becomes the current layer, and Entry is its stored layer.
struct LayerSpinChange {
    bool ResetToOne = false;
    std::string NumberText;
    LayerEntryTexts Entry;
};
LayerSpinChange LayerSpinClicked(ProjectState& state, Construction c, int position);

// Stores typed texts into layer `number` (1..50, refused otherwise) whatever
// the count. s, λ and δ are read first, in that order, and must read and be
// above 0: the first refused is named (WallLayerHeatAbsorption and so on, or
// the roof's) and nothing of the layer or the grid changes. Then the
// layer becomes entered, grid row n column 0 gets n, column 1 and the name
// get the typed name, and for s, λ, δ the grid cell gets the typed text and
// the layer the value with its text.
void StoreLayer(ProjectState& state, Construction c, int number, const LayerEntryTexts& typed,
                const GridCellWriter& writeCell);

// The entry row's «Ввод», first part: stores the entry
// row into the current layer (StoreLayer) when its number does not exceed the
// count (otherwise nothing at all happens and Entered is false). Then the
// current layer advances by one, but not past 50: Position, NumberText (for
// the spin and the number edit) and Entry (the entry row for that layer)
// describe it. The caller empties the entry row, sets the number edit and
// then calls ResistanceAfterEntry.
struct LayerEntryAdvance {
    bool Entered = false;
    int Position = 0;
    std::string NumberText;
    LayerEntryTexts Entry;
};
LayerEntryAdvance EnterLayer(ProjectState& state, Construction c, const LayerEntryTexts& typed,
                             const GridCellWriter& writeCell);

// Second part: R₀ and K recomputed and shown; for the roof also the roof's αн
// that R₀ rests on (from the wind speed). A fault of the
// computation leaves R₀ and K unchanged.
ResistanceTexts ResistanceAfterEntry(ProjectState& state, Construction c);
