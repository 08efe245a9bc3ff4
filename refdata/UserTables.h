#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "Cities.h"
#include "Materials.h"

// The user's own tables of materials and cities: rows the engineer adds where
// the reference tables have none (the brick of a local plant, a town not in
// the climate table), each with a free text on where its figures come from.
// A table is kept as CSV text, a header row naming the columns and one row per
// line, "." as the decimal separator whatever the locale; the same text is
// exported, and an import also reads ";" between fields and a decimal comma.
// Plain C++: where the files lie is the program's business (UserTableFiles.h).

enum class UserTableKind { Materials, Cities };
inline constexpr UserTableKind kUserTableKinds[] = {UserTableKind::Materials, UserTableKind::Cities};

// One column of a table: its header in the file and the dialog, the field's
// name in messages, and for a figure the range it must lie in.
struct UserColumn {
    std::string_view header;
    std::string_view field;
    bool figure;
    bool required;
    double low = 0;
    double high = 0;
};

// The columns of a table, in their order; the name comes first, the source last.
std::span<const UserColumn> UserColumns(UserTableKind kind);
// «Мои материалы», «Мои города».
std::string_view UserTableTitle(UserTableKind kind);
// "materials.csv", "cities.csv": the file of the table in the user's data folder.
std::string_view UserTableFileName(UserTableKind kind);

// One text per column, in the order of UserColumns.
using UserRow = std::vector<std::string>;

struct UserTable {
    UserTableKind kind = UserTableKind::Materials;
    std::vector<UserRow> rows;
};

// The row as it is kept: every text trimmed, a figure with "," read as ".".
// A missing or unreadable value, a figure out of its range, a city outside
// 40–60° north, or the name of a row of the reference tables throws a
// CalcError naming the field in Russian: «λ, условия А: «abc» — не число».
UserRow CheckedUserRow(UserTableKind kind, const UserRow& row);

// Every row checked, and no name twice: each row's texts as kept, or a
// CalcError «Строка N: …» for the first fault (N counts the rows from 1).
UserTable CheckedUserTable(const UserTable& table);

// The table as its file keeps it and the export writes it: the header row,
// then the rows, comma-separated, "\n" line ends.
std::string UserTableCsv(const UserTable& table);

// A table read from CSV text: the first line that is not blank names the
// columns (the headers of UserColumns, in any order; name and figures
// required), fields are separated by "," or, when the header has one, ";";
// blank lines are skipped. The whole text or nothing: a fault throws a
// CalcError naming the line of the text, «Строка 5: …».
UserTable ParseUserTableCsv(UserTableKind kind, std::string_view text);

// `table` with the rows of `imported` added; a row whose name the table holds
// already replaces that row. The result is checked as CheckedUserTable does.
UserTable WithImportedRows(const UserTable& table, const UserTable& imported);

// The rows put into the pickers (SetOwnMaterials, SetOwnCities).
void UseUserTable(const UserTable& table);
// The rows the pickers hold now.
UserTable UsedUserTable(UserTableKind kind);

// A row of the user's table made from a row of the reference tables, to be
// changed: the offered material of that label or the offered city of that
// name, the name followed by " (копия)"; empty when there is none.
UserRow UserRowCopying(UserTableKind kind, std::string_view name);
