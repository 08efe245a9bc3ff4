// The building edited through one project shown on the input page.

#include "BuildingEdit.h"

#include <algorithm>
#include <array>

#include "CalcError.h"
#include "SharedWork.h"
#include "Totals.h"

namespace {

// The element kinds of a room, each with its check box and the group the
// selection names.
struct GroupKind {
    BuildingPart part;
    std::vector<ElementInputs> RoomInputs::*groups;
    std::size_t BuildingSelection::*selected;
    bool ProjectInputs::*checkBox;
    const char* noun;  // the name of a new group: «Окно 1»
};
// clang-format off
const std::array<GroupKind, 2> kGroupKinds{{
    {BuildingPart::Window, &RoomInputs::Windows, &BuildingSelection::WindowGroup, &ProjectInputs::Windows, "Окно"},
    {BuildingPart::Wall,   &RoomInputs::Walls,   &BuildingSelection::WallGroup,   &ProjectInputs::Walls,   "Стена"},
}};
// clang-format on
constexpr const char* kRoomNoun = "Помещение";
constexpr const char* kRoofName = "Покрытие";

// The number a name carries after the noun and a space, 0 when it carries none.
std::size_t NumberAfter(const std::string& name, const std::string& noun) {
    const std::string prefix = noun + " ";
    if (name.rfind(prefix, 0) != 0 || name.size() == prefix.size() || name.size() > prefix.size() + 9) return 0;
    std::size_t number = 0;
    for (std::size_t i = prefix.size(); i < name.size(); ++i) {
        if (name[i] < '0' || name[i] > '9') return 0;
        number = number * 10 + static_cast<std::size_t>(name[i] - '0');
    }
    return number;
}

template <class Named>
std::string NextName(const std::vector<Named>& items, const std::string& noun) {
    std::size_t largest = 0;
    for (const Named& item : items) largest = std::max(largest, NumberAfter(item.Name, noun));
    return noun + " " + std::to_string(largest + 1);
}

std::size_t Clamped(std::size_t index, std::size_t count) { return count == 0 ? 0 : std::min(index, count - 1); }

}  // namespace

BuildingSelection ClampedSelection(const BuildingInputs& building, BuildingSelection selection) {
    selection.Room = Clamped(selection.Room, building.Rooms.size());
    const RoomInputs* room = building.Rooms.empty() ? nullptr : &building.Rooms[selection.Room];
    for (const GroupKind& k : kGroupKinds) {
        selection.*k.selected = Clamped(selection.*k.selected, room == nullptr ? 0 : (room->*k.groups).size());
    }
    return selection;
}

ProjectInputs SelectedProject(const BuildingInputs& building, const BuildingSelection& selection,
                              const ProjectInputs& blank) {
    ProjectInputs p = blank;
    CopyPartKeys(building.Site.Inputs, p, BuildingPart::Site);
    if (building.Rooms.empty()) return p;
    const BuildingSelection s = ClampedSelection(building, selection);
    const RoomInputs& room = building.Rooms[s.Room];
    p.Window.IndoorTemp = room.IndoorTemp;
    for (const GroupKind& k : kGroupKinds) {
        const std::vector<ElementInputs>& groups = room.*k.groups;
        p.*k.checkBox = false;
        if (groups.empty()) continue;
        const ElementInputs& group = groups[s.*k.selected];
        CopyPartKeys(group.Inputs, p, k.part);
        p.*k.checkBox = group.Included;
    }
    p.Roof = room.Roof && room.Roof->Included;
    if (room.Roof) CopyPartKeys(room.Roof->Inputs, p, BuildingPart::Roof);
    return p;
}

void StoreSelectedProject(BuildingInputs& building, const BuildingSelection& selection, const ProjectInputs& shown,
                          const ProjectInputs& blank) {
    CopyPartKeys(shown, building.Site.Inputs, BuildingPart::Site);
    if (building.Rooms.empty()) return;
    const BuildingSelection s = ClampedSelection(building, selection);
    RoomInputs& room = building.Rooms[s.Room];
    room.IndoorTemp = shown.Window.IndoorTemp;
    for (const GroupKind& k : kGroupKinds) {
        std::vector<ElementInputs>& groups = room.*k.groups;
        const bool checked = shown.*k.checkBox;
        if (groups.empty()) {
            if (!checked && SamePartInputs(shown, blank, k.part)) continue;
            groups.push_back({NextName(groups, k.noun), {}, checked});
        }
        CopyPartKeys(shown, groups[s.*k.selected].Inputs, k.part);
        for (ElementInputs& group : groups) group.Included = checked;
    }
    if (!room.Roof) {
        if (!shown.Roof && SamePartInputs(shown, blank, BuildingPart::Roof)) return;
        room.Roof = ElementInputs{kRoofName, {}, shown.Roof};
    }
    CopyPartKeys(shown, room.Roof->Inputs, BuildingPart::Roof);
    room.Roof->Included = shown.Roof;
}

std::string NewRoomName(const std::vector<RoomInputs>& rooms) { return NextName(rooms, kRoomNoun); }

std::string NewGroupName(const std::vector<ElementInputs>& groups, BuildingPart part) {
    for (const GroupKind& k : kGroupKinds) {
        if (k.part == part) return NextName(groups, k.noun);
    }
    return NextName(groups, std::string(PartNoun(part)));
}

RoomInputs NewRoom(const std::vector<RoomInputs>& rooms, const ProjectInputs& blank) {
    RoomInputs room;
    room.Name = NewRoomName(rooms);
    room.IndoorTemp = blank.Window.IndoorTemp;
    BuildingInputs one;
    one.Rooms.push_back(room);
    StoreSelectedProject(one, {}, blank, blank);
    // The site's keys stay the building's; only the room is new.
    return one.Rooms.front();
}

std::string CopyName(const std::string& name) { return name + " (копия)"; }

// ---- Results kept between showings ---------------------------------------------------

const std::vector<RoomOutcome>& RoomResultsCache::Outcomes(const BuildingInputs& building) {
    const std::size_t count = building.Rooms.size();
    if (!(building.Site == site_)) {
        inputs_.clear();
        outcomes_.clear();
        site_ = building.Site;
    }
    // Each room takes the outcome kept for equal inputs: at its own place
    // first, else anywhere (a room moved, or others inserted before it).
    std::vector<RoomInputs> inputs(count);
    std::vector<RoomOutcome> outcomes(count);
    std::vector<bool> taken(inputs_.size(), false);
    std::vector<std::size_t> missing;
    for (std::size_t i = 0; i < count; ++i) {
        const RoomInputs& room = building.Rooms[i];
        std::size_t found = inputs_.size();
        if (i < inputs_.size() && !taken[i] && inputs_[i] == room) {
            found = i;
        } else {
            for (std::size_t j = 0; j < inputs_.size() && found == inputs_.size(); ++j)
                if (!taken[j] && inputs_[j] == room) found = j;
        }
        inputs[i] = room;
        if (found < inputs_.size()) {
            taken[found] = true;
            outcomes[i] = std::move(outcomes_[found]);
        } else {
            missing.push_back(i);
        }
    }
    if (!missing.empty())
        ForEachShared(missing.size(), 0, [&](std::size_t m) {
            const std::size_t i = missing[m];
            RoomOutcome& outcome = outcomes[i];
            outcome.Results.reset();
            outcome.Failure.clear();
            try {
                outcome.Results = ComputeRoomAt(building, i);
            } catch (const CalcError& e) {
                outcome.Failure = ErrorBoxText(e.what());
            }
        });
    // The names as the building now gives them.
    for (std::size_t i = 0; i < count; ++i) outcomes[i].Name = building.Rooms[i].Name;
    inputs_ = std::move(inputs);
    outcomes_ = std::move(outcomes);
    lastComputed_ = missing.size();
    return outcomes_;
}

std::optional<BuildingTotals> BuildingTotalsOfOutcomes(const std::vector<RoomOutcome>& rooms) {
    std::vector<const ProjectTotals*> totals;
    totals.reserve(rooms.size());
    for (const RoomOutcome& room : rooms) {
        if (!room.Results) return std::nullopt;
        totals.push_back(&room.Results->Totals);
    }
    return BuildingTotalsOf(totals);
}

std::size_t RoomsNotComputed(const std::vector<RoomOutcome>& rooms) {
    std::size_t count = 0;
    for (const RoomOutcome& room : rooms) count += room.Results ? 0 : 1;
    return count;
}

std::string NotComputedRoomsLine(const std::vector<RoomOutcome>& rooms) {
    const std::size_t failed = RoomsNotComputed(rooms);
    if (failed == 0) return {};
    for (const RoomOutcome& room : rooms) {
        if (!room.Results) {
            return "Не рассчитано помещений: " + std::to_string(failed) + " из " + std::to_string(rooms.size()) +
                   "; сумма здания не подводится. " + room.Failure;
        }
    }
    return {};
}

TotalsView RoomTotalsView(const RoomInputs& room, const RoomResults& results) {
    ProjectState state;
    state.WindowHourTotal = results.Totals.WindowHourTotal;
    state.WallHourTotal = results.Totals.WallHourTotal;
    state.RoofHourGain = results.Totals.RoofHourGain;
    TotalsInputTexts in;
    const auto include = [](const std::vector<ElementInputs>& groups, bool& any,
                            std::array<bool, kOrientationCount>& ticked,
                            std::array<bool, kOrientationCount> ProjectInputs::*orientations) {
        for (const ElementInputs& g : groups) {
            if (!g.Included) continue;
            any = true;
            for (std::size_t o = 0; o < ticked.size(); ++o) ticked[o] = ticked[o] || (g.Inputs.*orientations)[o];
        }
    };
    include(room.Windows, in.Windows, in.WindowOrientations, &ProjectInputs::WindowOrientations);
    include(room.Walls, in.Walls, in.WallOrientations, &ProjectInputs::WallOrientations);
    in.Roof = room.Roof && room.Roof->Included;
    TotalsView view;
    WriteTotalsTitles(view);
    WriteTotalsValues(state, view);
    MarkTotalsMaxima(state, in, view);
    return view;
}

bool RoomIsShownWhole(const RoomInputs& room, const BuildingSelection& selection) {
    for (const GroupKind& k : kGroupKinds) {
        const std::vector<ElementInputs>& groups = room.*k.groups;
        for (std::size_t i = 0; i < groups.size(); ++i)
            if (groups[i].Included && i != selection.*k.selected) return false;
    }
    return true;
}

BuildingOutcome OutcomeOfRooms(const std::vector<RoomOutcome>& rooms) {
    for (const RoomOutcome& room : rooms) {
        if (!room.Results) return ProjectError{room.Failure, room.Failure};
    }
    BuildingResults results;
    results.Rooms.reserve(rooms.size());
    for (const RoomOutcome& room : rooms) results.Rooms.push_back(*room.Results);
    results.Building = *BuildingTotalsOfOutcomes(rooms);
    return results;
}
