#pragma once

#include <functional>
#include <string>

#include "CalcError.h"

// The message an action is refused with, or "(no error)" when it completes.
inline std::string MessageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const CalcError& e) {
        return e.what();
    }
    return "(no error)";
}
