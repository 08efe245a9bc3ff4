// The calculation of a building: each element as the project of the site,
// its room's indoor temperature and that element, then the sums.

#include <optional>
#include <string>
#include <vector>

#include "BuildingDocument.h"
#include "CalcError.h"
#include "SharedWork.h"
#include "Totals.h"

namespace {

// The element's project computed; a refusal names the room and the element.
ElementResults ComputeElement(const SiteInputs& site, const RoomInputs& room, BuildingPart part,
                              const ElementInputs& element, const std::string& where) {
    try {
        return {element.Name, RunProject(ElementProject(site, room, part, element))};
    } catch (const CalcError& e) {
        throw CalcError(where + ": " + e.what());
    }
}

void AddRow(HourValues& sum, const HourValues& row) {
    for (int h = 1; h <= kHourCount; ++h) sum[h] = sum[h] + row[h];
}

// The room's rows from its elements' rows, with the hour of each maximum.
ProjectTotals RoomTotalsOf(const RoomResults& room) {
    ProjectTotals t;
    for (const ElementResults& w : room.Windows) AddRow(t.WindowHourTotal, w.Results.Totals.WindowHourTotal);
    for (const ElementResults& w : room.Walls) AddRow(t.WallHourTotal, w.Results.Totals.WallHourTotal);
    if (room.Roof) t.RoofHourGain = room.Roof->Results.Totals.RoofHourGain;
    for (int h = 1; h <= kHourCount; ++h) {
        t.GrandHourTotal[h] = t.WindowHourTotal[h] + t.WallHourTotal[h] + t.RoofHourGain[h];
    }
    t.WindowMaxHour = PeakHour(t.WindowHourTotal);
    t.WallMaxHour = PeakHour(t.WallHourTotal);
    t.RoofMaxHour = PeakHour(t.RoofHourGain);
    t.GrandMaxHour = PeakHour(t.GrandHourTotal);
    return t;
}

RoomResults ComputeRoomAs(const SiteInputs& site, const RoomInputs& room, const std::string& roomWhere) {
    RoomResults r;
    r.Name = room.Name;
    for (std::size_t i = 0; i < room.Windows.size(); ++i) {
        if (!room.Windows[i].Included) continue;
        const std::string where = roomWhere + ", " + ElementLabel(room.Windows, i, BuildingPart::Window);
        r.Windows.push_back(ComputeElement(site, room, BuildingPart::Window, room.Windows[i], where));
    }
    for (std::size_t i = 0; i < room.Walls.size(); ++i) {
        if (!room.Walls[i].Included) continue;
        const std::string where = roomWhere + ", " + ElementLabel(room.Walls, i, BuildingPart::Wall);
        r.Walls.push_back(ComputeElement(site, room, BuildingPart::Wall, room.Walls[i], where));
    }
    if (room.Roof && room.Roof->Included) {
        const std::string where = roomWhere + ", " + RoofLabel(*room.Roof);
        r.Roof = ComputeElement(site, room, BuildingPart::Roof, *room.Roof, where);
    }
    try {
        r.Totals = RoomTotalsOf(r);
    } catch (const CalcError& e) {
        throw CalcError(roomWhere + ": " + e.what());
    }
    return r;
}

}  // namespace

BuildingTotals BuildingTotalsOf(const std::vector<const ProjectTotals*>& rooms) {
    BuildingTotals b;
    for (const ProjectTotals* room : rooms) {
        AddRow(b.HourTotal, room->GrandHourTotal);
        b.RoomPeakSum = b.RoomPeakSum + PeakOfRoom(*room).Gain;
    }
    b.MaxHour = PeakHour(b.HourTotal);
    if (b.MaxHour) b.MaxGain = b.HourTotal[*b.MaxHour];
    return b;
}

RoomPeak PeakOfRoom(const ProjectTotals& room) {
    const std::optional<int> hour = PeakHour(room.GrandHourTotal);
    return {hour, hour ? room.GrandHourTotal[*hour] : Decimal4()};
}

RoomResults ComputeRoom(const SiteInputs& site, const RoomInputs& room) {
    return ComputeRoomAs(site, room, RoomLabel({room}, 0));
}

RoomResults ComputeRoomAt(const BuildingInputs& building, std::size_t index) {
    return ComputeRoomAs(building.Site, building.Rooms[index], RoomLabel(building.Rooms, index));
}

// The rooms are shared out among the workers, each room computed whole by
// one of them on a project state of its own; every calculation sets its own
// thread's floating-point unit, so the results do not depend on the workers.
// A refusal is the one of the first room in the document that is refused,
// whichever worker met it first.
BuildingResults ComputeBuilding(const BuildingInputs& building, unsigned workers) {
    const std::size_t count = building.Rooms.size();
    std::vector<std::optional<RoomResults>> rooms(count);
    std::vector<std::optional<std::string>> refusals(count);
    ForEachShared(count, workers, [&](std::size_t i) {
        try {
            rooms[i] = ComputeRoomAs(building.Site, building.Rooms[i], RoomLabel(building.Rooms, i));
        } catch (const CalcError& e) {
            refusals[i] = e.what();
        }
    });

    BuildingResults results;
    results.Rooms.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        if (refusals[i]) throw CalcError(*refusals[i]);
        results.Rooms.push_back(std::move(*rooms[i]));
    }
    std::vector<const ProjectTotals*> totals;
    for (const RoomResults& room : results.Rooms) totals.push_back(&room.Totals);
    results.Building = BuildingTotalsOf(totals);
    return results;
}

BuildingOutcome ComputeBuildingOutcome(const BuildingInputs& building) {
    try {
        return ComputeBuilding(building);
    } catch (const CalcError& e) {
        // The message names the room and the element; the tool says it as the window does.
        const std::string message = ErrorBoxText(e.what());
        return ProjectError{message, message};
    }
}
