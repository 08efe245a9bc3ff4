// The building edited through the one project the input page shows, the
// names new rooms and groups get, and the rooms' results kept between
// showings.

#include <gtest/gtest.h>

#include "BuildingEdit.h"
#include "CalcError.h"

namespace {

// A building of `count` rooms with south windows, each room's window height
// its own.
BuildingInputs Building(std::size_t count) {
    BuildingInputs b;
    const ProjectInputs blank;
    for (std::size_t i = 0; i < count; ++i) {
        RoomInputs room = NewRoom(b.Rooms, blank);
        room.Windows.front().Inputs.WindowOrientations[4] = true;
        room.Windows.front().Inputs.Window.WindowHeight = std::to_string(1 + i % 3);
        b.Rooms.push_back(room);
    }
    return b;
}

TEST(BuildingEdit, TheShownProjectGoesBackWhereItCameFrom) {
    const ProjectInputs blank;
    BuildingInputs b = Building(2);
    b.Rooms[1].Windows.push_back({"Окно 2", {}, true});
    b.Rooms[1].Windows[1].Inputs.Window.WindowWidth = "3";
    const BuildingSelection second{1, 1, 0};
    ProjectInputs shown = SelectedProject(b, second, blank);
    EXPECT_EQ(shown.Window.WindowWidth, "3");
    EXPECT_FALSE(shown.Walls);  // the room has no wall group
    shown.Window.WindowWidth = "4";
    shown.Window.Latitude = "56";
    StoreSelectedProject(b, second, shown, blank);
    EXPECT_EQ(b.Rooms[1].Windows[1].Inputs.Window.WindowWidth, "4");
    EXPECT_EQ(b.Rooms[1].Windows[0].Inputs.Window.WindowWidth, blank.Window.WindowWidth);
    EXPECT_EQ(b.Site.Inputs.Window.Latitude, "56");  // the site is the building's
    EXPECT_TRUE(b.Rooms[1].Walls.empty());           // nothing typed into the walls
    EXPECT_EQ(SelectedProject(b, second, blank), shown);

    // A wall typed but not checked becomes a group not included; the
    // check box governs every group of its kind.
    shown.WallArea = "12";
    StoreSelectedProject(b, second, shown, blank);
    ASSERT_EQ(b.Rooms[1].Walls.size(), 1u);
    EXPECT_FALSE(b.Rooms[1].Walls[0].Included);
    shown.Windows = false;
    StoreSelectedProject(b, second, shown, blank);
    EXPECT_FALSE(b.Rooms[1].Windows[0].Included);
    EXPECT_FALSE(b.Rooms[1].Windows[1].Included);
}

TEST(BuildingEdit, NewNamesFollowTheLargestNumber) {
    struct Case {
        std::vector<std::string> names;
        std::string expected;
    };
    const std::vector<Case> cases{
        {{}, "Окно 1"},
        {{"Окно 1", "Окно 2"}, "Окно 3"},
        {{"Окно 7", "Окно 2"}, "Окно 8"},
        {{"Окно", "Окно x", "Окно 1 (копия)"}, "Окно 1"},
        {{"Окно 99999999999"}, "Окно 1"},  // too long to be a number
    };
    for (const Case& c : cases) {
        std::vector<ElementInputs> groups;
        for (const std::string& name : c.names) groups.push_back({name, {}, true});
        EXPECT_EQ(NewGroupName(groups, BuildingPart::Window), c.expected);
    }
}

TEST(BuildingEdit, OnlyChangedRoomsAreComputedAgain) {
    BuildingInputs b = Building(12);
    RoomResultsCache cache;
    EXPECT_EQ(cache.Outcomes(b).size(), 12u);
    EXPECT_EQ(cache.LastComputed(), 12u);
    cache.Outcomes(b);
    EXPECT_EQ(cache.LastComputed(), 0u);
    b.Rooms[5].Windows.front().Inputs.Window.WindowWidth = "2.5";
    std::swap(b.Rooms[0], b.Rooms[11]);  // moved rooms keep their results
    b.Rooms[3].Name = "Кабинет";         // a name alone: computed again under it
    const std::vector<RoomOutcome>& rooms = cache.Outcomes(b);
    EXPECT_EQ(cache.LastComputed(), 2u);
    EXPECT_EQ(rooms[3].Name, "Кабинет");

    // The same as the whole building computed at once.
    const BuildingResults whole = ComputeBuilding(b);
    const std::optional<BuildingTotals> totals = BuildingTotalsOfOutcomes(rooms);
    ASSERT_TRUE(totals);
    EXPECT_EQ(totals->HourTotal, whole.Building.HourTotal);
    EXPECT_EQ(totals->RoomPeakSum, whole.Building.RoomPeakSum);
    for (std::size_t i = 0; i < rooms.size(); ++i)
        EXPECT_EQ(rooms[i].Results->Totals.GrandHourTotal, whole.Rooms[i].Totals.GrandHourTotal) << i;

    // A site change computes every room again.
    b.Site.Inputs.Window.Latitude = "56";
    cache.Outcomes(b);
    EXPECT_EQ(cache.LastComputed(), 12u);
}

TEST(BuildingEdit, ARoomRefusedIsCountedNotZero) {
    BuildingInputs b = Building(3);
    b.Rooms[1].Windows.front().Inputs.Window.WindowHeight = "abc";
    RoomResultsCache cache;
    const std::vector<RoomOutcome>& rooms = cache.Outcomes(b);
    EXPECT_FALSE(rooms[1].Results);
    EXPECT_NE(rooms[1].Failure.find("Высота окна"), std::string::npos);
    EXPECT_FALSE(BuildingTotalsOfOutcomes(rooms));
    EXPECT_EQ(RoomsNotComputed(rooms), 1u);
    EXPECT_NE(NotComputedRoomsLine(rooms).find("1 из 3"), std::string::npos);
    const BuildingOutcome outcome = OutcomeOfRooms(rooms);
    ASSERT_TRUE(std::holds_alternative<ProjectError>(outcome));
    EXPECT_EQ(std::get<ProjectError>(outcome).Message, rooms[1].Failure);
}

}  // namespace
