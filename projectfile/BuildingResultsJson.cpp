// The building's results as JSON: each element as the project results write
// it, each room's totals likewise, and the building's sums.

#include "BuildingDocument.h"
#include "Conversions.h"

using nlohmann::ordered_json;

namespace {

ordered_json HourLabelOrNull(const std::optional<int>& hour) {
    return hour ? ordered_json(std::string(HourLabel(*hour))) : ordered_json(nullptr);
}

// The section `key` ("windows", "walls", "roof") of an element's results,
// its name first.
ordered_json ElementJson(const ElementResults& element, const char* key) {
    ordered_json object = ordered_json::object();
    object["Name"] = element.Name;
    object.update(WriteProjectResultsJson(element.Results)[key]);
    return object;
}

ordered_json RoomJson(const RoomResults& room) {
    ordered_json object = ordered_json::object();
    object["Name"] = room.Name;
    ordered_json windows = ordered_json::array();
    for (const ElementResults& w : room.Windows) windows.push_back(ElementJson(w, "windows"));
    object["windows"] = std::move(windows);
    ordered_json walls = ordered_json::array();
    for (const ElementResults& w : room.Walls) walls.push_back(ElementJson(w, "walls"));
    object["walls"] = std::move(walls);
    object["roof"] = room.Roof ? ElementJson(*room.Roof, "roof") : ordered_json(nullptr);
    ProjectResults totals;
    totals.Totals = room.Totals;
    object["totals"] = WriteProjectResultsJson(totals)["totals"];
    return object;
}

ordered_json BuildingJson(const BuildingTotals& b) {
    ordered_json hours = ordered_json::object();
    for (int h = 1; h <= kHourCount; ++h) hours[std::string(HourLabel(h))] = FormatDecimal4(b.HourTotal[h]);
    ordered_json object = ordered_json::object();
    object["HourTotal"] = std::move(hours);
    object["MaxHour"] = HourLabelOrNull(b.MaxHour);
    object["MaxGain"] = FormatDecimal4(b.MaxGain);
    object["RoomPeakSum"] = FormatDecimal4(b.RoomPeakSum);
    return object;
}

}  // namespace

ordered_json WriteBuildingResultsJson(const BuildingResults& results) {
    ordered_json rooms = ordered_json::array();
    for (const RoomResults& room : results.Rooms) rooms.push_back(RoomJson(room));
    ordered_json doc = ordered_json::object();
    doc["rooms"] = std::move(rooms);
    doc["building"] = BuildingJson(results.Building);
    return doc;
}

ordered_json WriteBuildingOutcomeJson(const BuildingOutcome& outcome) {
    if (const ProjectError* error = std::get_if<ProjectError>(&outcome)) return ErrorJson(error->Message);
    return WriteBuildingResultsJson(std::get<BuildingResults>(outcome));
}
