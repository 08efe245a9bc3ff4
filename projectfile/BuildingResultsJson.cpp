// The building's results as JSON: each element as the project results write
// it, each room's totals likewise, and the building's sums.

#include <string>
#include <vector>

#include "BuildingDocument.h"
#include "Conversions.h"
#include "SharedWork.h"

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
    ordered_json results = WriteProjectResultsJson(element.Results);
    ordered_json& section = results[key];
    for (auto it = section.begin(); it != section.end(); ++it) object[it.key()] = std::move(*it);
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

namespace {

// A member's text as it stands in a document indented by two spaces per
// level at `depth`: every line after the first moved right by the depth.
std::string Indented(const ordered_json& value, int depth) {
    const std::string text = value.dump(2, ' ', false, ordered_json::error_handler_t::replace);
    const std::string shift = "\n" + std::string(static_cast<std::size_t>(2 * depth), ' ');
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (const char c : text) {
        if (c == '\n') {
            out += shift;
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace

// Each room's text is made, tree and all, by one of the workers and the tree
// dropped at once, so that a large building never holds the trees of all its
// rooms; the text is the one JsonDocumentText gives of the whole tree.
std::string BuildingResultsJsonText(const BuildingResults& results) {
    const std::size_t count = results.Rooms.size();
    std::vector<std::string> rooms(count);
    ForEachShared(count, 0, [&](std::size_t i) { rooms[i] = Indented(RoomJson(results.Rooms[i]), 2); });
    std::string text = "{\n  \"rooms\": [";
    if (count == 0) {
        text += "]";
    } else {
        for (std::size_t i = 0; i < count; ++i) text += (i == 0 ? "\n    " : ",\n    ") + rooms[i];
        text += "\n  ]";
    }
    text += ",\n  \"building\": " + Indented(BuildingJson(results.Building), 1) + "\n}\n";
    return text;
}

ordered_json WriteBuildingOutcomeJson(const BuildingOutcome& outcome) {
    if (const ProjectError* error = std::get_if<ProjectError>(&outcome)) return ErrorJson(error->Message);
    return WriteBuildingResultsJson(std::get<BuildingResults>(outcome));
}
