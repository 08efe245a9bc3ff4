#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "BuildingDocument.h"
#include "ProjectReport.h"
#include "ReportWorkbook.h"

// What the printed report of a building holds, as texts and numbers: the
// title block, the legend of the symbols its tables print, the building's
// table of rooms by hour, the site, and each room with its inputs, its totals
// by hour, its elements and the tables of its window and wall groups. A room
// that cannot be computed keeps its inputs and its message; no figure of it
// is shown or added as zero.

// The method the program computes by, as its reference pages name it.
inline constexpr const char* kMethodName =
    "Пособие 2.91 к СНиП 2.04.05-91 «Расчёт поступления теплоты солнечной радиации в помещения»";

// What the report covers: the whole building, or one room of it.
struct ReportScope {
    std::optional<std::size_t> Room;  // 0-based; none for the whole building
};

// One window group, wall group or roof of a room.
struct ElementReport {
    BuildingPart Part;
    std::string Heading;              // «Окна «Южные»», «Стены «С»», «Покрытие»
    std::vector<ReportTable> Inputs;  // the group's input tables (PartInputTables)
    // The group's tables by hour (windows by orientation, walls) and what its
    // charts are drawn from; absent when the room is not computed.
    std::optional<ProjectReport> Report;
};

struct RoomReport {
    std::string Title;    // «Помещение «101»»
    std::string Failure;  // why the room is not computed; empty when it is
    ReportTable Inputs;   // the room's own input: tв
    // The room's rows by hour (Totals, GrandMaxHour), what its chart is drawn
    // from; absent when the room is not computed.
    std::optional<ProjectReport> Totals;
    std::optional<ReportTable> Elements;  // each element's row by hour, whole watts
    std::vector<ElementReport> Parts;
};

struct BuildingReportContents {
    std::string Title;  // the report's title
    // «Объект: …», «Дата и время: …», «Методика: …», the sources of the data:
    // one line each, caption and text.
    std::vector<std::pair<std::string, std::string>> TitleBlock;
    // The building's table of rooms (BuildingReportTable), and what it leaves
    // out; absent for the report of one room.
    std::optional<ReportTable> Summary;
    std::vector<std::string> SummaryNotes;
    std::vector<ReportTable> Site;
    std::vector<RoomReport> Rooms;
    ReportTable Legend;  // of every table above
};

// Who and when: what the title block takes beside the building.
struct ReportSubject {
    std::string Made;         // date and time as printed: "10.12.2026 14:05"
    std::string ProjectFile;  // full name of the project file; empty for a new project
};

// Computes the rooms the scope covers and composes the report. A room index
// outside the building is refused with a CalcError.
BuildingReportContents MakeBuildingReportContents(const BuildingInputs& building, const ReportScope& scope,
                                                  const ReportSubject& subject);

// The same table with each number rounded to whole watts (ties to even), as
// the printed report shows gains; the workbook keeps the exact values.
ReportTable InWholeWatts(ReportTable table);

// The building the scope covers: all of it, or a building of that one room
// on the same site with the same properties.
BuildingInputs BuildingOfScope(const BuildingInputs& building, const ReportScope& scope);

// The sheets of the exported workbook: the building's (BuildingWorkbookSheets),
// then for each room its inputs, its windows by orientation and its walls by
// orientation, as the workbook of a project has them. Raises CalcError with
// the message of the first room that cannot be computed: an export holds the
// whole building or nothing.
std::vector<WorkbookSheet> ExportWorkbookSheets(const BuildingInputs& building);

// The building computed, or the CalcError of its first room refused.
BuildingResults ComputeForExport(const BuildingInputs& building);
