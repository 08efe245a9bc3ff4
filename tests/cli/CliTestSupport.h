#pragma once

#include <string>

#include "CalcError.h"
#include "CliProject.h"
#include "Conversions.h"

namespace cli_test {

// The message a document is refused with, or "" when it computes.
inline std::string RefusalOf(const std::string& document) {
    try {
        RunCliProject(ReadCliProject(document));
        return "";
    } catch (const CalcError& e) {
        return ErrorBoxText(e.what());
    }
}

inline CliResults Compute(const std::string& document) { return RunCliProject(ReadCliProject(document)); }

inline std::string Shown(Decimal4 value) { return FormatDecimal4(value); }

// The one-layer construction of the worked wall and roof hours.
inline const char* kBrickLayer =
    R"({"MaterialName": "Кирпич", "HeatAbsorption": "9.2", "Conductivity": "0.81", "Thickness": "0.38"})";

}  // namespace cli_test
