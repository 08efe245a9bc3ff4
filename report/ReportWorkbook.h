#pragma once

#include <string>

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
