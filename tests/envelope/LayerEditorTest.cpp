#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <tuple>
#include <utility>
#include <vector>

#include "CalcError.h"
#include "EnvelopeTestSupport.h"
#include "LayerEditor.h"

namespace {

// The layer grid as the editor wrote it: (row, column) → text.
using GridCells = std::map<std::pair<int, int>, std::string>;

GridCellWriter Into(GridCells& grid) {
    return [&grid](int row, int column, const std::string& text) { grid[{row, column}] = text; };
}

const LayerEntryTexts kEmptyEntry{"", "0", "0", "0"};

class LayerEditor : public ::testing::Test {
protected:
    void SetUp() override { state.WindSpeed = ParseDecimal4("3.3"); }

    ProjectState state;
};

TEST_F(LayerEditor, EnterStoresTheTypedRowAndAdvances) {
    GridCells grid;
    const LayerEntryAdvance next =
        EnterLayer(state, Construction::Wall, {"кирпич ", "9.2", "0.81", "0.380"}, Into(grid));
    const GridCells expected{{{1, 0}, "1"}, {{1, 1}, "кирпич "}, {{1, 2}, "9.2"}, {{1, 3}, "0.81"}, {{1, 4}, "0.380"}};
    EXPECT_EQ(grid, expected);
    EXPECT_TRUE(next.Entered);
    EXPECT_EQ(next.Position, 2);
    EXPECT_EQ(next.NumberText, "2");
    EXPECT_EQ(next.Entry, kEmptyEntry);
    EXPECT_EQ(state.WallLayerCurrent, 2);
    EXPECT_EQ(state.WallLayers[1].MaterialName, "кирпич ");
    EXPECT_EQ(Text(state.WallLayers[1].Thickness), "0.38");
    EXPECT_EQ(state.WallLayers[1].ThicknessText, "0.380");  // the typing is kept beside the value
    EXPECT_TRUE(state.WallLayers[1].Entered);
    EXPECT_FALSE(state.WallLayers[2].Entered);

    const ResistanceTexts shown = ResistanceAfterEntry(state, Construction::Wall);
    EXPECT_EQ(shown.Resistance, "0.6213");
    EXPECT_EQ(shown.Transmittance, "1.6095");
    EXPECT_FALSE(shown.OuterCoeff.has_value());
}

// The roof's αн is shown; the coefficient of horizontal windows typed on the
// input page stays as typed.
TEST_F(LayerEditor, RoofEntryAlsoShowsTheRoofOuterCoeff) {
    GridCells grid;
    state.EnvelopeOuterCoeff = ParseDecimal4("13.42");
    EnterLayer(state, Construction::Roof, {"", "9.2", "0.81", "0.38"}, Into(grid));
    const ResistanceTexts shown = ResistanceAfterEntry(state, Construction::Roof);
    EXPECT_EQ(shown.Resistance, "0.6585");
    EXPECT_EQ(shown.OuterCoeff, "13.4231");
    EXPECT_EQ(Text(state.EnvelopeOuterCoeff), "13.42");
}

TEST_F(LayerEditor, EnterAboveTheCountDoesNothing) {
    state.WallLayerCurrent = 4;
    GridCells grid;
    const LayerEntryAdvance next = EnterLayer(state, Construction::Wall, {"x", "1", "1", "1"}, Into(grid));
    EXPECT_FALSE(next.Entered);
    EXPECT_TRUE(grid.empty());
    EXPECT_EQ(state.WallLayers[4], ConstructionLayer{});
    EXPECT_EQ(state.WallLayerCurrent, 4);
}

// The count's and the number's refusals name their edits, so that the
// window marks the field typed in.
std::string ControlOf(const std::function<void()>& refused) {
    try {
        refused();
    } catch (const CalcError& e) {
        return e.Input();
    }
    return "(not refused)";
}

// A refused entry changes nothing: neither the grid nor the layer (once
// entered or never), whichever figure is refused and whatever follows it.
TEST_F(LayerEditor, ARefusedEntryChangesNothing) {
    const struct {
        LayerEntryTexts typed;
        std::string control;  // the edit the refusal names
    } cases[] = {
        {{"пена", "abc", "0,5", "0.1"}, "WallLayerHeatAbsorption"},
        {{"пена", "0,5", "0,0.4", "0"}, "WallLayerConductivity"},
        {{"пена", "0.5", "0.04", "-1"}, "WallLayerThickness"},
        {{"пена", "-0.5", "abc", "0.1"}, "WallLayerHeatAbsorption"},
        {{"", "", "", ""}, "WallLayerHeatAbsorption"},
    };
    for (const bool enteredBefore : {false, true}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.typed.HeatAbsorption + " " + c.typed.Conductivity + " " + c.typed.Thickness +
                         (enteredBefore ? " over an entered layer" : ""));
            state = ProjectState();
            GridCells earlier;
            if (enteredBefore)
                StoreLayer(state, Construction::Wall, 1, {"кирпич", "9.2", "0.81", "0.38"}, Into(earlier));
            const LayerTable before = state.WallLayers;
            GridCells grid;
            EXPECT_EQ(ControlOf([&] { EnterLayer(state, Construction::Wall, c.typed, Into(grid)); }), c.control);
            EXPECT_TRUE(grid.empty());
            EXPECT_TRUE(state.WallLayers == before);
            EXPECT_EQ(state.WallLayerCurrent, 1);
        }
    }
}

TEST_F(LayerEditor, StoreReachesAnyNumberWhateverTheCount) {
    GridCells grid;
    StoreLayer(state, Construction::Roof, 7, {"пена", "0.50", "0.04", "0.05"}, Into(grid));
    const ConstructionLayer& kept = state.RoofLayers[7];
    EXPECT_TRUE(kept.Entered);
    EXPECT_EQ(kept.MaterialName, "пена");
    EXPECT_EQ(Text(kept.HeatAbsorption), "0.5");
    EXPECT_EQ(kept.HeatAbsorptionText, "0.50");
    EXPECT_EQ(grid.at({7, 0}), "7");
    EXPECT_EQ(state.RoofLayerCount, 3);
    EXPECT_EQ(state.RoofLayerCurrent, 1);
    for (int number : {0, 51}) {
        SCOPED_TRACE(number);
        EXPECT_EQ(
            MessageOf([this, number] {
                StoreLayer(state, Construction::Roof, number, {"", "1", "1", "1"}, [](int, int, const std::string&) {});
            }),
            kLayerNumberMessage);
    }
}

TEST_F(LayerEditor, EnteringTheLastLayerOfTheTableStaysAtFifty) {
    state.WallLayerCount = 50;
    state.WallLayerCurrent = 50;
    GridCells grid;
    const LayerEntryAdvance next = EnterLayer(state, Construction::Wall, {"", "1", "1", "1"}, Into(grid));
    EXPECT_EQ(next.Position, 50);
    EXPECT_EQ(next.Entry, (LayerEntryTexts{"", "1", "1", "1"}));
    EXPECT_EQ(state.WallLayerCurrent, 50);
}

TEST(LayerEntryRange, AFigureOutsideItsRangeRefusesTheWholeEntry) {
    struct Case {
        Construction construction;
        LayerEntryTexts typed;
        const char* control;
    };
    // clang-format off
    const Case cases[] = {
        {Construction::Wall, {"пена", "0",   "0.04",  "0.05"},    "WallLayerHeatAbsorption"},
        {Construction::Wall, {"пена", "0.5", "-0.04", "0.05"},    "WallLayerConductivity"},
        {Construction::Wall, {"пена", "0.5", "0.04",  "0"},       "WallLayerThickness"},
        {Construction::Roof, {"пена", "-1",  "0.04",  "0.05"},    "RoofLayerHeatAbsorption"},
        {Construction::Roof, {"пена", "0.5", "0",     "0.05"},    "RoofLayerConductivity"},
        {Construction::Roof, {"пена", "0.5", "0.04",  "-0.0001"}, "RoofLayerThickness"},
        // The first faulty figure decides: a refused one before a text that
        // does not parse refuses the entry whole.
        {Construction::Wall, {"пена", "0",   "x",     "0.05"},    "WallLayerHeatAbsorption"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control);
        ProjectState state;
        GridCells grid;
        try {
            EnterLayer(state, c.construction, c.typed, Into(grid));
            ADD_FAILURE() << "accepted";
        } catch (const CalcError& e) {
            EXPECT_EQ(e.Input(), c.control);
        }
        EXPECT_TRUE(grid.empty());
        EXPECT_EQ(LayersOf(state, c.construction)[1], ConstructionLayer{});
        EXPECT_EQ(LayerCurrentOf(state, c.construction), 1);

        LayerEntryTexts boundary = c.typed;
        boundary.HeatAbsorption = boundary.Conductivity = boundary.Thickness = "0.0001";
        EXPECT_TRUE(EnterLayer(state, c.construction, boundary, Into(grid)).Entered);
    }
}

TEST_F(LayerEditor, AFailedResistanceKeepsTheShownValues) {
    GridCells grid;
    EnterLayer(state, Construction::Roof, {"", "9.2", "0.81", "0.38"}, Into(grid));
    ResistanceAfterEntry(state, Construction::Roof);
    // Layer 1 emptied (as never entered) and layer 2 entered: R of layer 1 is δ/λ = 0/0.
    state.RoofLayers[1] = ConstructionLayer{};
    SetLayerCount(state, Construction::Roof, "2");
    state.RoofLayerCurrent = 2;
    state.WindSpeed = ParseDecimal4("4");
    EnterLayer(state, Construction::Roof, {"", "9.2", "0.81", "0.38"}, Into(grid));
    EXPECT_EQ(MessageOf([this] { ResistanceAfterEntry(state, Construction::Roof); }),
              "Ошибка вычисления: недопустимая операция при расчёте слоя 1 покрытия");
    EXPECT_EQ(Text(state.RoofResistance), "0.6585");
}

// The grid rows as (used, number cell, name cell).
std::vector<std::tuple<bool, std::string, std::string>> GridRows(const ProjectState& state, Construction c) {
    std::vector<std::tuple<bool, std::string, std::string>> rows;
    for (const LayerGridRow& row : LayerGridRows(state, c)) rows.emplace_back(row.Used, row.Cells[0], row.Cells[1]);
    return rows;
}

TEST_F(LayerEditor, CountsKeepTheLayersAboveThem) {
    for (int i = 1; i <= 3; ++i) SetLayer(state.WallLayers, i, kBrick);
    const std::vector<LayerGridRow> three = LayerGridRows(state, Construction::Wall);
    // Typing "1", "0", an empty count or "10" on the way: nothing is lost.
    for (const char* typed : {"1", "0", "", "1", "10", "3"}) {
        SCOPED_TRACE(typed);
        try {
            SetLayerCount(state, Construction::Wall, typed);
        } catch (const CalcError&) {
        }
        for (int i = 1; i <= 3; ++i) EXPECT_EQ(Text(state.WallLayers[i].Conductivity), "0.81");
    }
    EXPECT_EQ(state.WallLayerCount, 3);
    EXPECT_EQ(LayerGridRows(state, Construction::Wall)[2].Cells, three[2].Cells);

    using Row = std::tuple<bool, std::string, std::string>;
    SetLayerCount(state, Construction::Wall, "1");
    EXPECT_EQ(GridRows(state, Construction::Wall),
              (std::vector<Row>{{true, "1", "слой 1"}, {false, "2", "слой 2"}, {false, "3", "слой 3"}}));
    const ResistanceTexts one = ResistanceAfterCountChange(state, Construction::Wall);
    EXPECT_EQ(one.Resistance, "0.6213");  // the used layer only
    EXPECT_EQ(one.Transmittance, "1.6095");

    SetLayerCount(state, Construction::Wall, "5");  // empty rows up to the count
    EXPECT_EQ(
        GridRows(state, Construction::Wall),
        (std::vector<Row>{
            {true, "1", "слой 1"}, {true, "2", "слой 2"}, {true, "3", "слой 3"}, {true, "4", ""}, {true, "5", ""}}));
    SetLayerCount(state, Construction::Wall, "0");
    SetLayer(state.WallLayers, 5, kBrick);  // a kept layer past a gap
    EXPECT_EQ(GridRows(state, Construction::Wall), (std::vector<Row>{{false, "1", "слой 1"},
                                                                     {false, "2", "слой 2"},
                                                                     {false, "3", "слой 3"},
                                                                     {false, "4", ""},
                                                                     {false, "5", "слой 5"}}));
}

TEST_F(LayerEditor, GridRowsShowTheTypedTextsUpToFifty) {
    StoreLayer(state, Construction::Roof, 1, {"пена ", "0.50", "0.040", "0.05"}, [](int, int, const std::string&) {});
    EXPECT_EQ(LayerGridRows(state, Construction::Roof)[0].Cells,
              (std::array<std::string, 5>{"1", "пена ", "0.50", "0.040", "0.05"}));
    for (const char* count : {"50", "60", "2147483647"}) {
        SCOPED_TRACE(count);
        SetLayerCount(state, Construction::Roof, count);
        EXPECT_EQ(LayerGridRows(state, Construction::Roof).size(), 50u);
    }
}

TEST_F(LayerEditor, RemovingALayerMovesTheOnesAboveDown) {
    struct Case {
        const char* name;
        int count;
        int removed;
        int countAfter;
        std::vector<std::string> namesAfter;  // grid rows' names, "" for a gap
    };
    const Case cases[] = {
        {"within the count", 3, 2, 2, {"слой 1", "слой 3", "", "слой 5"}},
        {"the last used one", 3, 3, 2, {"слой 1", "слой 2", "", "слой 5"}},
        {"a kept one", 3, 5, 3, {"слой 1", "слой 2", "слой 3"}},
        {"the gap above the count", 3, 4, 3, {"слой 1", "слой 2", "слой 3", "слой 5"}},
        {"a gap within the count", 5, 4, 4, {"слой 1", "слой 2", "слой 3", "слой 5"}},
        {"none there", 3, 9, 3, {"слой 1", "слой 2", "слой 3", "", "слой 5"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        state = ProjectState();
        for (int n : {1, 2, 3, 5}) SetLayer(state.WallLayers, n, kBrick);
        state.WallLayerCount = c.count;
        EXPECT_EQ(RemoveLayer(state, Construction::Wall, c.removed), c.countAfter);
        EXPECT_EQ(state.WallLayerCount, c.countAfter);
        std::vector<std::string> names;
        for (const LayerGridRow& row : LayerGridRows(state, Construction::Wall)) names.push_back(row.Cells[1]);
        EXPECT_EQ(names, c.namesAfter);
        EXPECT_FALSE(state.WallLayers[50].Entered);
    }
    EXPECT_EQ(MessageOf([this] { RemoveLayer(state, Construction::Wall, 51); }), kLayerNumberMessage);
}

TEST_F(LayerEditor, ALayerListIsStoredAndReadBackAsTyped) {
    const LayerEntryTexts brick{"кирпич", "9.20", "0.81", "0.38"};
    const LayerList layers{brick, std::nullopt, LayerEntryTexts{"", "0.5", "0.04", "0.050"}};
    EXPECT_EQ(LayerCountText(std::nullopt, layers), "3");
    EXPECT_EQ(LayerCountText("1", layers), "1");
    StoreLayerList(state, Construction::Roof, layers);
    EXPECT_EQ(state.RoofLayerCount, 3);  // the count is typed on its own
    EXPECT_EQ(LayerListOf(state, Construction::Roof), layers);
    EXPECT_TRUE(LayerListOf(state, Construction::Wall).empty());
    // A text that does not parse stops there, the layers before it stored,
    // that one not.
    state = ProjectState();
    EXPECT_EQ(MessageOf([&] {
                  StoreLayerList(state, Construction::Wall, {brick, LayerEntryTexts{"", "x", "1", "1"}, brick});
              }),
              "Коэффициент теплоусвоения материала слоя стены s (слой 2): «x» — не число");
    EXPECT_TRUE(state.WallLayers[1].Entered);
    EXPECT_FALSE(state.WallLayers[2].Entered);
    EXPECT_FALSE(state.WallLayers[3].Entered);
}

TEST_F(LayerEditor, CountsThatCannotBeUsedAreRefused) {
    EXPECT_EQ(MessageOf([this] { SetLayerCount(state, Construction::Wall, "-1"); }), kNegativeLayerCountMessage);
    EXPECT_EQ(MessageOf([this] { SetLayerCount(state, Construction::Wall, ""); }),
              "Количество слоёв в стене: пусто — введите целое число");
    EXPECT_EQ(state.WallLayerCount, 3);
    EXPECT_EQ(ControlOf([this] { SetLayerCount(state, Construction::Wall, "-1"); }), "WallLayerCount");
    EXPECT_EQ(ControlOf([this] { SetLayerCount(state, Construction::Roof, ""); }), "RoofLayerCount");
    EXPECT_EQ(ControlOf([this] { LayerNumberTyped(state, Construction::Wall, "51"); }), "WallLayerNumber");
    EXPECT_EQ(ControlOf([this] { LayerNumberTyped(state, Construction::Roof, "x"); }), "RoofLayerNumber");
}

TEST_F(LayerEditor, CountChangeWithoutLayerOneKeepsTheShownValues) {
    SetLayerCount(state, Construction::Wall, "2");
    const ResistanceTexts shown = ResistanceAfterCountChange(state, Construction::Wall);
    EXPECT_EQ(shown.Resistance, "0");
    EXPECT_EQ(shown.Transmittance, "0");
}

TEST_F(LayerEditor, TypedLayerNumbers) {
    SetLayer(state.WallLayers, 3, {"12.5", "1.5", "0.2500"});
    state.WallLayers[3].MaterialName = "бетон";
    const LayerNumberChange zero = LayerNumberTyped(state, Construction::Wall, "0");
    EXPECT_TRUE(zero.ResetToOne);
    EXPECT_EQ(state.WallLayerCurrent, 1);

    const LayerNumberChange three = LayerNumberTyped(state, Construction::Wall, "3");
    EXPECT_FALSE(three.ResetToOne);
    EXPECT_EQ(three.Position, 3);
    EXPECT_EQ(three.Entry, (LayerEntryTexts{"бетон", "12.5", "1.5", "0.25"}));
    EXPECT_EQ(state.WallLayerCurrent, 3);

    for (const char* text : {"51", "100", "00", "-2"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(MessageOf([this, text] { LayerNumberTyped(state, Construction::Wall, text); }), kLayerNumberMessage);
        EXPECT_EQ(state.WallLayerCurrent, 3);
    }
    EXPECT_EQ(MessageOf([this] { LayerNumberTyped(state, Construction::Wall, "3 "); }),
              "Номер слоя стены: «3 » — не целое число");
}

TEST_F(LayerEditor, SpinPositions) {
    const LayerSpinChange zero = LayerSpinClicked(state, Construction::Roof, 0);
    EXPECT_TRUE(zero.ResetToOne);
    const LayerSpinChange two = LayerSpinClicked(state, Construction::Roof, 2);
    EXPECT_EQ(two.NumberText, "2");
    EXPECT_EQ(two.Entry, kEmptyEntry);
    EXPECT_EQ(state.RoofLayerCurrent, 2);
    EXPECT_EQ(MessageOf([this] { LayerSpinClicked(state, Construction::Roof, 51); }), kLayerNumberMessage);
    EXPECT_EQ(state.RoofLayerCurrent, 2);
}

}  // namespace
