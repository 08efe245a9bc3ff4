#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ProjectDocument.h"

// CSV as the command-line tool and the program's export write it: UTF-8,
// "." as the decimal separator, one record per line, every Decimal4 as the
// text the program shows for it (FormatDecimal4).

// The totals table (hours as columns, the four rows), then for each
// orientation the 17 shown rows of the window hour table (when the windows
// were computed).
std::string ResultsCsv(const ProjectResults& results);

// A CSV field, quoted when it holds a comma, a quote or a line break.
std::string CsvField(std::string_view text);

// Appends one record of fields and its line break.
void AppendCsvLine(std::string& out, const std::vector<std::string>& fields);
