#pragma once

#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "CliRadiation.h"
#include "ProjectDocument.h"
#include "ResultsCsv.h"

// The tool's own output besides the project document: the radiation table as
// JSON and as CSV. The results' CSV, shared with the program's export, is the
// report library's (ResultsCsv.h). Every Decimal4 is written as the text the
// program shows for it (FormatDecimal4).

enum class OutputFormat { Json, Csv, Xlsx };

nlohmann::ordered_json RadiationJson(const CliRadiationTable& table);

// One line per orientation and hour: the vertical and horizontal radiation
// and the sun position.
std::string RadiationCsv(const CliRadiationTable& table);
