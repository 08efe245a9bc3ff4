#pragma once

#include <string>
#include <vector>

#include "ProjectReport.h"

// The workbook (XLSX) of a report: the sheet «Исходные данные» with the
// input tables one under another, «Итого», one sheet per window orientation
// («Окна С» .. «Окна СЗ») and «Стены», those two only when computed. Each
// sheet starts with its title and the header row, both kept in view when
// scrolling; numbers are number cells, each with the fixed format of the
// decimals it has ("0", "0.0" .. "0.0000"), so that a cell shows what the
// program shows; columns are as wide as their texts.

// The workbook's bytes. Raises CalcError when it cannot be composed.
std::string ReportWorkbookBytes(const ProjectReport& report);

// The workbook written to `path` as WriteReportFile writes.
void WriteReportWorkbook(const ProjectReport& report, const std::string& path);

// A sheet of tables one under another, each with its title and header row;
// the first table's header and the rows above it, and the first
// `FrozenColumns` columns, stay in view. `Name` must be a valid sheet name,
// unique in its workbook (SheetNames).
struct WorkbookSheet {
    std::string Name;
    std::vector<ReportTable> Tables;
    unsigned FrozenColumns = 1;
};

// The workbook of these sheets, in their order, formatted as above. Raises
// CalcError when it cannot be composed.
std::string WorkbookBytes(const std::vector<WorkbookSheet>& sheets);

// Sheet names for these wishes, in their order: at most 31 characters,
// none of []:*?/\ (each replaced by "_"), not starting or ending with an
// apostrophe, not empty, and unique ignoring case (a repeated one ends in
// " (2)", " (3)", ...).
std::vector<std::string> SheetNames(const std::vector<std::string>& wishes);
