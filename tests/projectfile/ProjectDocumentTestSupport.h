#pragma once

// Helpers of the project document tests: a document read and computed, or
// the message it is refused with.

#include <string>

#include "CalcError.h"
#include "Conversions.h"
#include "ProjectDocument.h"

namespace projectdoc_test {

// The message a document is refused with when read, or "" when it reads.
inline std::string ReadRefusal(const std::string& document) {
    try {
        ReadProjectDocument(document);
        return "";
    } catch (const CalcError& e) {
        return ErrorBoxText(e.what());
    }
}

// The message a document is refused with when read or computed, or "" when it computes.
inline std::string RefusalOf(const std::string& document) {
    try {
        RunProject(ReadProjectInputs(document));
        return "";
    } catch (const CalcError& e) {
        return ErrorBoxText(e.what());
    }
}

inline ProjectResults Compute(const std::string& document) { return RunProject(ReadProjectInputs(document)); }

inline std::string Shown(Decimal4 value) { return FormatDecimal4(value); }

// The one-layer construction of the worked wall and roof hours.
inline const char* kBrickLayer =
    R"({"MaterialName": "Кирпич", "HeatAbsorption": "9.2", "Conductivity": "0.81", "Thickness": "0.38"})";

}  // namespace projectdoc_test
