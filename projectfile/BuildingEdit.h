#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "BuildingDocument.h"
#include "Totals.h"

// The building as the window edits it: the input page shows one project,
// made of the site, the selected room's indoor temperature, its selected
// window group, its selected wall group and its roof; what is typed there is
// taken back into the building when the selection changes or the building is
// saved, computed or reported.

struct BuildingSelection {
    std::size_t Room = 0;
    std::size_t WindowGroup = 0;
    std::size_t WallGroup = 0;
    friend bool operator==(const BuildingSelection&, const BuildingSelection&) = default;
};

// The selection within the building: the room and its groups clamped to
// those there are (0 when there are none).
BuildingSelection ClampedSelection(const BuildingInputs& building, BuildingSelection selection);

// The project the input page shows for the selection: each part the room
// lacks from `blank` (the page at start-up), each element check box set when
// the element is there and included.
ProjectInputs SelectedProject(const BuildingInputs& building, const BuildingSelection& selection,
                              const ProjectInputs& blank);

// Takes a project as shown back into the building at the selection: the
// site's keys, the indoor temperature, the selected window and wall groups
// and the roof. A check box governs every element of its kind in the room. A
// room without an element of a kind gets one when its check box is set or
// anything of it was typed (it differs from `blank`).
void StoreSelectedProject(BuildingInputs& building, const BuildingSelection& selection, const ProjectInputs& shown,
                          const ProjectInputs& blank);

// A name not yet given: «Помещение 4», «Окно 2», «Стена 3» — the noun and the
// smallest number above those the names already carry.
std::string NewRoomName(const std::vector<RoomInputs>& rooms);
std::string NewGroupName(const std::vector<ElementInputs>& groups, BuildingPart part);

// A room as a new project starts it: named, the page's start-up inputs as
// its one window group (included when "Окна" is checked at start-up).
RoomInputs NewRoom(const std::vector<RoomInputs>& rooms, const ProjectInputs& blank);

// The copy of a room or a group under a new name («… (копия)»).
std::string CopyName(const std::string& name);

// ---- Results kept between showings -----------------------------------------------

// A room's results, or why it was not computed.
struct RoomOutcome {
    std::string Name;
    std::optional<RoomResults> Results;
    std::string Failure;  // the error box text, when not computed
};

// The rooms' results as the window shows them: a room is computed again only
// when its inputs or the site's changed since it was last computed (moved
// rooms keep theirs); the rooms to compute are shared among the processors.
class RoomResultsCache {
public:
    // One outcome per room of the building, in its order.
    const std::vector<RoomOutcome>& Outcomes(const BuildingInputs& building);
    // How many rooms the last call computed.
    std::size_t LastComputed() const { return lastComputed_; }

private:
    SiteInputs site_;
    std::vector<RoomInputs> inputs_;
    std::vector<RoomOutcome> outcomes_;
    std::size_t lastComputed_ = 0;
};

// The building's sums when every room is computed; none otherwise (a room not
// computed is never counted as no gain).
std::optional<BuildingTotals> BuildingTotalsOfOutcomes(const std::vector<RoomOutcome>& rooms);

// How many rooms are not computed.
std::size_t RoomsNotComputed(const std::vector<RoomOutcome>& rooms);

// The line that says so: «Не рассчитаны 2 помещения из 5: …первая причина»;
// empty when all are computed.
std::string NotComputedRoomsLine(const std::vector<RoomOutcome>& rooms);

// The totals page of a room of several groups: its rows summed over its
// elements, the hour of each maximum and why a day has no gain.
TotalsView RoomTotalsView(const RoomInputs& room, const RoomResults& results);

// Whether the input page's own calculation gives the room's totals: the room
// has at most one included group of each kind, the one selected.
bool RoomIsShownWhole(const RoomInputs& room, const BuildingSelection& selection);

// The building's outcome from its rooms' outcomes: the results when every
// room is computed, else the refusal of the first room not computed, as
// ComputeBuildingOutcome gives them.
BuildingOutcome OutcomeOfRooms(const std::vector<RoomOutcome>& rooms);
