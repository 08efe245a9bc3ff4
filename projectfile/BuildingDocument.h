#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include <nlohmann/json.hpp>

#include "ProjectDocument.h"
#include "ProjectProperties.h"

// The building: a site and its rooms, each room with several window groups
// and wall groups and at most one roof. Every part holds the keys of the
// inputs document that belong to it, as typed; one rule defines the numbers:
// an element computes what a project of the site, its room's indoor
// temperature and that one element computes (ElementProject), and a room's
// rows are the sums of its elements' rows.

// ---- Inputs -------------------------------------------------------------------

// The parts of a building and the input keys each one holds.
enum class BuildingPart { Site, Window, Wall, Roof };

// The input keys of a part, in the order they are written.
const std::vector<std::string_view>& KeysOfPart(BuildingPart part);

// The site: City, Latitude, OutdoorMeanTemp, OutdoorAmplitude, WindSpeed,
// WindowOuterCoeff, EnvelopeOuterCoeff and OperatingConditions of Inputs;
// its other fields are not read.
struct SiteInputs {
    ProjectInputs Inputs;
    friend bool operator==(const SiteInputs&, const SiteInputs&) = default;
};

// A window group, a wall group or a roof: its name and the keys of its part
// in Inputs (KeysOfPart); the other fields of Inputs are not read.
// An element not included (its check box cleared in the window) keeps what
// was typed into it but is not computed.
struct ElementInputs {
    std::string Name;
    ProjectInputs Inputs;
    bool Included = true;
    friend bool operator==(const ElementInputs&, const ElementInputs&) = default;
};

struct RoomInputs {
    std::string Name;
    std::string IndoorTemp = DefaultTextOf("IndoorTemp");  // tв, °C
    std::vector<ElementInputs> Windows;
    std::vector<ElementInputs> Walls;
    std::optional<ElementInputs> Roof;
    friend bool operator==(const RoomInputs&, const RoomInputs&) = default;
};

struct BuildingInputs {
    SiteInputs Site;
    std::vector<RoomInputs> Rooms;
    ProjectProperties Properties;  // for the reports only
    friend bool operator==(const BuildingInputs&, const BuildingInputs&) = default;
};

// The longest name of a room or an element, in characters.
inline constexpr std::size_t kMaxBuildingNameLength = 200;

// The most rooms, and the most elements (window groups, wall groups and roofs
// together), a building document may hold: a calculation of the largest
// takes about a second.
inline constexpr std::size_t kMaxRooms = 5000;
inline constexpr std::size_t kMaxBuildingElements = 20000;

// The version of the project file that holds a building.
inline constexpr int kBuildingFormatVersion = 2;

// The project of one element of a room: the site's keys, the room's indoor
// temperature and the element's keys, only that element's check box set.
ProjectInputs ElementProject(const SiteInputs& site, const RoomInputs& room, BuildingPart part,
                             const ElementInputs& element);

// The keys of a part copied from one project's inputs into another's.
void CopyPartKeys(const ProjectInputs& from, ProjectInputs& to, BuildingPart part);

// Whether two projects' inputs agree in every key of a part, as written.
bool SamePartInputs(const ProjectInputs& a, const ProjectInputs& b, BuildingPart part);

// A project as a building of one room: its window group, its wall group and
// its roof, each included when its check box ("Окна", "Стены", "Покрытие") is
// checked; one not checked is kept, not included, when anything of it differs
// from a new project's.
BuildingInputs BuildingOfProject(const ProjectInputs& project);

// What an element of the part is called: «окно», «стена», «покрытие».
std::string_view PartNoun(BuildingPart part);

// How messages name a room and an element: «Помещение «101»», numbered when
// the name is empty or another room has it too («Помещение 3 «101»»,
// «Помещение 3»); «окно «Окно 1»», «стена 2», «покрытие «Кровля»» likewise
// within the room. `index` counts from 0.
std::string RoomLabel(const std::vector<RoomInputs>& rooms, std::size_t index);
std::string ElementLabel(const std::vector<ElementInputs>& elements, std::size_t index, BuildingPart part);
std::string RoofLabel(const ElementInputs& roof);

// ---- Results ------------------------------------------------------------------

// What one element computed: the results of its project (ElementProject).
struct ElementResults {
    std::string Name;
    ProjectResults Results;
};

struct RoomResults {
    std::string Name;
    std::vector<ElementResults> Windows;
    std::vector<ElementResults> Walls;
    std::optional<ElementResults> Roof;
    // The room's rows: the windows' WindowHourTotal summed, the walls'
    // WallHourTotal summed, the roof's RoofHourGain and their sum, with the
    // hour of each maximum (none for a row without gains).
    ProjectTotals Totals;
};

struct BuildingTotals {
    HourValues HourTotal;        // the rooms' sum rows added, W
    std::optional<int> MaxHour;  // the first hour of the largest; none without gains
    Decimal4 MaxGain;            // HourTotal at MaxHour: the coincident peak; 0 without
    Decimal4 RoomPeakSum;        // the rooms' maxima added: what room units are sized on
};

struct BuildingResults {
    std::vector<RoomResults> Rooms;
    BuildingTotals Building;
};

// The maximum of a room's sum: its first hour of the largest sum and that
// sum; none (and 0) for a room without gains. The building's rooms are sized
// on it.
struct RoomPeak {
    std::optional<int> Hour;
    Decimal4 Gain;
};
RoomPeak PeakOfRoom(const ProjectTotals& room);

// One room: each element computed as its project, one after another, then
// the sums. Raises CalcError naming the element («окно «Окно 2»: …»).
RoomResults ComputeRoom(const SiteInputs& site, const RoomInputs& room);

// The room at `index` of the building, its refusal naming it as the
// building's calculation does («Помещение 3 «101», окно …»).
RoomResults ComputeRoomAt(const BuildingInputs& building, std::size_t index);

// The building's sums of its rooms' results.
BuildingTotals BuildingTotalsOf(const std::vector<const ProjectTotals*>& rooms);

// Every room (ComputeRoom) and the building's sums, the rooms computed side by
// side by `workers` threads (0: one per processor), with the same results as
// one thread gives. Raises CalcError naming the first room refused and its
// element («Помещение «102», окно «Окно 2»: …»).
BuildingResults ComputeBuilding(const BuildingInputs& building, unsigned workers = 0);

using BuildingOutcome = std::variant<BuildingResults, ProjectError>;

// ComputeBuilding, with a refusal kept as its message (as the error box shows it).
BuildingOutcome ComputeBuildingOutcome(const BuildingInputs& building);

// ---- JSON -----------------------------------------------------------------------

// The inputs as {"Site": {...}, "Rooms": [...], "Properties": {...}} (the
// properties only when one is given); reads back equal.
nlohmann::ordered_json WriteBuildingInputsJson(const BuildingInputs& building);

// {"rooms": [{"Name", "windows": [...], "walls": [...], "roof", "totals"}],
//  "building": {"HourTotal", "MaxHour", "MaxGain", "RoomPeakSum"}}: each
// element as the project results write it, with its "Name".
nlohmann::ordered_json WriteBuildingResultsJson(const BuildingResults& results);

// JsonDocumentText(WriteBuildingResultsJson(results)), the same text made room
// by room on all processors without the whole tree at once.
std::string BuildingResultsJsonText(const BuildingResults& results);

// The results, or {"error": message}.
nlohmann::ordered_json WriteBuildingOutcomeJson(const BuildingOutcome& outcome);

// {"format": "solargain-project", "version": 2, "inputs": {...}, "results": {...}}
std::string WriteBuildingFile(const BuildingInputs& building, const BuildingOutcome& outcome);

// A project in any form: a building (a version 2 project file, or a bare
// document with "Site" or "Rooms"), or a project (a version 1 project file,
// a bare inputs document or a window table file). Raises CalcError naming
// the room, the element and the key for a building that does not read, and
// what ReadAnyProject raises for a project.
struct AnyProject {
    std::optional<BuildingInputs> Building;
    std::optional<ProjectInputs> Project;
};
AnyProject ReadAnyProjectOrBuilding(std::string_view text);

// Where the results a building's project file stores differ from `computed`
// (none for a document that stores no results).
std::vector<StoredResultDifference> StoredBuildingDifferences(std::string_view text, const BuildingOutcome& computed);

// Any project as a building (BuildingOfProject for a project).
BuildingInputs ReadAnyBuilding(std::string_view text);
