#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// Reading the built-in text tables: lines, fields and numbers as written.

// What follows a row of the user's own tables wherever it is listed.
inline constexpr std::string_view kOwnRowMark = " · мой";

// A fault in a table, with the line it was found on.
class TableError : public std::runtime_error {
public:
    TableError(std::string_view table, int line, const std::string& what)
        : std::runtime_error(std::string(table) + ":" + std::to_string(line) + ": " + what) {}
};

// The lines of a text without their line ends ("\n" or "\r\n").
std::vector<std::string_view> TextLines(std::string_view text);

std::string_view Trimmed(std::string_view text);

// The comma-separated fields of one CSV line (or separated by `separator`);
// "..." quotes a field, "" inside it is one quote. Throws std::runtime_error
// for an unclosed quote.
std::vector<std::string> CsvFields(std::string_view line, char separator = ',');

// The "|"-separated cells of a line, each trimmed.
std::vector<std::string> PipeCells(std::string_view line);

// Digits, optionally "." and more digits, optionally with a leading "-":
// a number exactly as the tables write it.
bool IsDecimalText(std::string_view text, bool signAllowed = false);

// The value of such a text, for range checks of the tables only.
double DecimalValue(std::string_view text);

// Refuses with std::runtime_error, naming the figure `what`, a text that is
// not such a number or whose value lies outside low ... high: a figure read
// from a table is checked for being plausible.
void CheckFigure(std::string_view what, const std::string& text, double low, double high, bool signAllowed = false);
