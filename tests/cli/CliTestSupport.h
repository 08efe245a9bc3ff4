#pragma once

#include <string>

#include "Conversions.h"
#include "ProjectDocument.h"

namespace cli_test {

inline ProjectResults Compute(const std::string& document) { return RunProject(ReadProjectInputs(document)); }

inline std::string Shown(Decimal4 value) { return FormatDecimal4(value); }

// The one-layer construction of the worked wall and roof hours.
inline const char* kBrickLayer =
    R"({"MaterialName": "Кирпич", "HeatAbsorption": "9.2", "Conductivity": "0.81", "Thickness": "0.38"})";

}  // namespace cli_test
