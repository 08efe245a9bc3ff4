#pragma once

// The worked window record: south facade at 12-13, latitude 48, the default
// inputs of the input page, vertical glazing. Used by the window and the
// command-line tests.

#include <gtest/gtest.h>

#include <string>

#include "Conversions.h"
#include "WindowHourTable.h"

// Orientations and the hour of the worked records.
inline constexpr int kNorth = 1;
inline constexpr int kSouth = 5;
inline constexpr int kNoon = 5;  // 12-13

// The shown fields 1..17 of the worked record in the finished table.
inline void ExpectSouthNoonShown(const WindowHourRecord& r) {
    const char* shown[kShownFieldCount] = {"317",  "88",     "61",     "16",  "0",       "16", "28",  "370", "120",
                                           "0.79", "0.5961", "0.8979", "217", "31.0562", "33", "249", "760"};
    for (int f = 1; f <= kShownFieldCount; ++f) {
        SCOPED_TRACE("shown field " + std::to_string(f));
        EXPECT_EQ(FormatDecimal4(r.Field(f)), shown[f - 1]);
    }
}
