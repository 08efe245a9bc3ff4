#pragma once

#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "CliRadiation.h"
#include "ProjectDocument.h"

// The tool's own output besides the project document: the radiation table as
// JSON, and CSV (UTF-8, "." as the decimal separator, one record per line).
// Every Decimal4 is written as the text the program shows for it
// (FormatDecimal4).

enum class OutputFormat { Json, Csv };

nlohmann::ordered_json RadiationJson(const CliRadiationTable& table);

// The totals table (hours as columns, the four rows), then for each
// orientation the 17 shown rows of the window hour table (when the windows
// were computed).
std::string ResultsCsv(const ProjectResults& results);
// One line per orientation and hour: the vertical and horizontal radiation
// and the sun position.
std::string RadiationCsv(const CliRadiationTable& table);

// A CSV field, quoted when it holds a comma, a quote or a line break.
std::string CsvField(std::string_view text);
