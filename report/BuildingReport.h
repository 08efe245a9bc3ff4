#pragma once

#include <string>
#include <vector>

#include "BuildingDocument.h"
#include "BuildingEdit.h"
#include "ReportWorkbook.h"

// The reports of a building: the table of its rooms by hour, each room's
// maximum, the building's hourly sum with its maximum (the coincident peak)
// and the sum of the rooms' maxima; then each room's totals and elements.

// «Здание»: one row per room (its sum by hour, the hour and value of its
// maximum), the building's row, and the sum of the rooms' maxima.
ReportTable BuildingReportTable(const BuildingResults& results);

// The mark of a room not computed in its row.
inline constexpr const char* kNotComputedMark = "не рассчитано";

// The table of the page «Здание»: BuildingReportTable of the rooms as the
// window holds them; a room not computed has kNotComputedMark in its row, and
// then the building's row says how many rooms it lacks instead of sums.
ReportTable BuildingPageTable(const std::vector<RoomOutcome>& rooms);

// The sheets of the building's workbook: «Здание», then one per room (its
// totals, and each element's row by hour), named after the room.
std::vector<WorkbookSheet> BuildingWorkbookSheets(const BuildingResults& results);

// The workbook written to `path` as WriteReportFile writes.
void WriteBuildingWorkbook(const BuildingResults& results, const std::string& path);

// The building table as CSV: a header line `Row,Name,8-9,…,17-18,MaxHour,MaxGain`,
// a line "Room" per room, the line "Building" and the line "RoomPeakSum"
// (its value under MaxGain).
std::string BuildingResultsCsv(const BuildingResults& results);
