#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "CliProject.h"
#include "WindowHourTable.h"

// The tool's output: JSON with a fixed key order, or CSV (UTF-8, "." as the
// decimal separator, one record per line). Every Decimal4 is written as the
// text the program shows for it (FormatDecimal4).

enum class OutputFormat { Json, Csv };

// The field name of a shown field 1..17 of the window hour table
// ("GainDirect" .. "HeatGain").
std::string_view WindowFieldName(WindowField field);

nlohmann::ordered_json ResultsJson(const CliResults& results);
nlohmann::ordered_json RadiationJson(const CliRadiationTable& table);
// {"error": message}
nlohmann::ordered_json ErrorJson(const std::string& message);

// A JSON document as the tool prints it: indented by two, a final newline;
// bytes that are not UTF-8 (only possible in an echoed error) are replaced.
std::string JsonText(const nlohmann::ordered_json& document);

// The totals table (hours as columns, the four rows), then for each
// orientation the 17 shown rows of the window hour table (when the windows
// were computed).
std::string ResultsCsv(const CliResults& results);
// One line per orientation and hour: the vertical and horizontal radiation
// and the sun position.
std::string RadiationCsv(const CliRadiationTable& table);

// A CSV field, quoted when it holds a comma, a quote or a line break.
std::string CsvField(std::string_view text);
