#pragma once

#include <string>

#include "UserTables.h"

// The user's own tables in the user's data folder (the program names it), one
// CSV file per table (UserTableFileName), and their import and export.

// The table kept in `folder`: empty when its file is not there (or no folder
// is named). A file that
// cannot be read or holds a bad row is never overwritten: it is renamed to
// «NAME.unreadable» (a number added when that exists) and the table starts
// empty; `problem` then says so in Russian, naming the fault.
UserTable LoadUserTable(const std::string& folder, UserTableKind kind, std::string& problem);

// The table written to its file in `folder` (created when missing), replacing
// the old file whole or not at all; a failure (no folder named, one that
// cannot be made, a file that cannot be written) raises a CalcError.
void SaveUserTable(const std::string& folder, const UserTable& table);

// The rows of a CSV file at `path` (ParseUserTableCsv): a CalcError
// «Импорт из «…»: строка 5: …» for a file that cannot be read or a bad line.
UserTable ImportUserTable(const std::string& path, UserTableKind kind);

// The table written to `path` as CSV (UserTableCsv), atomically.
void ExportUserTable(const std::string& path, const UserTable& table);
