#include "WindowHourTable.h"

#include <stdexcept>

void ThrowOutOfRange(const char* what) { throw std::out_of_range(what); }

int WindowHourTable::FlatPosition(int orientation, int hour, int field) {
    return ((orientation - 1) * kHourCount + (hour - 1)) * kWindowFieldCount + (field - 1);
}

Decimal4& WindowHourTable::AtFlat(int position) {
    const std::size_t slot = CheckedPosition(position, 0, kOrientationCount * kHourCount * kWindowFieldCount - 1,
                                             "flat position out of range");
    return records[slot / kWindowFieldCount].fields[slot % kWindowFieldCount];
}

const Orientation& OrientationAt(int index) {
    return kOrientations[CheckedPosition(index, 1, kOrientationCount, "orientation out of range")];
}

std::string_view HourLabel(int hour) { return kHourLabels[CheckedPosition(hour, 1, kHourCount, "hour out of range")]; }

void ClearWindowResults(WindowHourTable& table) {
    for (auto& record : table.records) {
        for (int f = 1; f <= kShownFieldCount; ++f) record.Field(f) = Decimal4();
    }
}

void ClearWindowHeatGain(WindowHourTable& table) {
    for (auto& record : table.records) record[WindowField::HeatGain] = Decimal4();
}
