#pragma once

#include <string_view>

// The text tables of data/, compiled into the library at build time
// (EmbedTables.cmake), so that neither the program nor the command-line
// tool reads a data file when it runs.
std::string_view EmbeddedCitiesTable();
std::string_view EmbeddedMaterialsTable();
