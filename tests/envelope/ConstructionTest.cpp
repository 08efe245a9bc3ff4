#include <gtest/gtest.h>

#include "CalcError.h"
#include "Construction.h"
#include "EnvelopeTestSupport.h"

namespace {

TEST(ConstructionResistance, FollowsTheLeadingRunOfEnteredLayers) {
    struct Case {
        const char* name;
        Construction construction;
        int enteredLayers[3];  // layer numbers entered with the brick, 0 = none
        int count;
        const char* resistance;
        const char* transmittance;
    };
    const Case cases[] = {
        {"wall, one layer", Construction::Wall, {1, 0, 0}, 3, "0.6213", "1.6095"},
        {"wall, layers 1 and 3: the walk stops at layer 2", Construction::Wall, {1, 3, 0}, 3, "0.6213", "1.6095"},
        {"wall, layers 1 to 3", Construction::Wall, {1, 2, 3}, 3, "1.5595", "0.6412"},
        {"wall, layers 1 to 3 and a count of 2: kept layer 3 left out",
         Construction::Wall,
         {1, 2, 3},
         2,
         "1.0904",
         "0.9171"},
        {"roof, one layer", Construction::Roof, {1, 0, 0}, 3, "0.6585", "1.5186"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProjectState state;
        state.WindSpeed = ParseDecimal4("3.3");
        LayerCountOf(state, c.construction) = c.count;
        for (int number : c.enteredLayers)
            if (number != 0) SetLayer(LayersOf(state, c.construction), number, kBrick);
        UpdateResistance(state, c.construction);
        const bool wall = c.construction == Construction::Wall;
        EXPECT_EQ(Text(wall ? state.WallResistance : state.RoofResistance), c.resistance);
        EXPECT_EQ(Text(wall ? state.WallTransmittance : state.RoofTransmittance), c.transmittance);
        EXPECT_EQ(Text(LayersOf(state, c.construction)[1].LayerResistance), "0.4691");
    }
}

TEST(ConstructionResistance, NamedOperationsUseTheirOwnTable) {
    ProjectState state;
    state.WindSpeed = ParseDecimal4("3.3");
    SetLayer(state.WallLayers, 1, kBrick);
    SetLayer(state.RoofLayers, 1, kBrick);
    UpdateWallResistance(state);
    UpdateRoofResistance(state);
    EXPECT_EQ(Text(state.WallResistance), "0.6213");
    EXPECT_EQ(Text(state.RoofResistance), "0.6585");
}

TEST(ConstructionResistance, AFullTableStopsAfterLayerFifty) {
    ProjectState state;
    state.WindSpeed = ParseDecimal4("0");
    for (int i = 1; i <= kMaxLayers; ++i) SetLayer(state.WallLayers, i, {"1", "1", "0.1"});
    state.WallLayerCount = 60;
    UpdateWallResistance(state);
    // 1/5.8 + 1/8.7 + 50 · 0.1
    EXPECT_EQ(Text(state.WallResistance), "5.2874");
}

TEST(ConstructionResistance, ZeroConductivityOfLayerOneKeepsTheResults) {
    struct Case {
        const char* name;
        TypedLayer layer;
        const char* message;
    };
    const Case cases[] = {
        {"thickness without conductivity",
         {"9.2", "0", "0.38"},
         "Ошибка вычисления: деление на ноль при расчёте слоя 1 стены"},
        {"layer never entered", {"0", "0", "0"}, "Ошибка вычисления: недопустимая операция при расчёте слоя 1 стены"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProjectState state;
        state.WindSpeed = ParseDecimal4("3.3");
        SetLayer(state.WallLayers, 1, kBrick);
        UpdateWallResistance(state);
        SetLayer(state.WallLayers, 1, c.layer);
        try {
            UpdateWallResistance(state);
            ADD_FAILURE() << "no error";
        } catch (const CalcError& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
        EXPECT_EQ(Text(state.WallResistance), "0.6213");
        EXPECT_EQ(Text(state.WallTransmittance), "1.6095");
        EXPECT_EQ(Text(state.WallLayers[1].LayerResistance), "0.4691");
    }
}

}  // namespace
