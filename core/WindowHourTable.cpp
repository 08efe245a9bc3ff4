#include "WindowHourTable.h"

#include <stdexcept>

#include "ProjectState.h"

namespace {

void CheckRange(int value, int first, int last, const char* what) {
    if (value < first || value > last) throw std::out_of_range(what);
}

}  // namespace

Decimal4& WindowHourRecord::Field(int number) {
    CheckRange(number, 1, kWindowFieldCount, "window field number out of range");
    return fields[static_cast<std::size_t>(number - 1)];
}

const Decimal4& WindowHourRecord::Field(int number) const {
    CheckRange(number, 1, kWindowFieldCount, "window field number out of range");
    return fields[static_cast<std::size_t>(number - 1)];
}

WindowHourRecord& WindowHourTable::Record(int orientation, int hour) {
    CheckRange(orientation, 1, kOrientationCount, "orientation out of range");
    CheckRange(hour, 1, kHourCount, "hour out of range");
    return records[static_cast<std::size_t>((orientation - 1) * kHourCount + (hour - 1))];
}

const WindowHourRecord& WindowHourTable::Record(int orientation, int hour) const {
    return const_cast<WindowHourTable*>(this)->Record(orientation, hour);
}

int WindowHourTable::FlatPosition(int orientation, int hour, int field) {
    return ((orientation - 1) * kHourCount + (hour - 1)) * kWindowFieldCount + (field - 1);
}

Decimal4& WindowHourTable::AtFlat(int position) {
    CheckRange(position, 0, kOrientationCount * kHourCount * kWindowFieldCount - 1, "flat position out of range");
    auto& record = records[static_cast<std::size_t>(position / kWindowFieldCount)];
    return record.fields[static_cast<std::size_t>(position % kWindowFieldCount)];
}

const Orientation& OrientationAt(int index) {
    CheckRange(index, 1, kOrientationCount, "orientation out of range");
    return kOrientations[static_cast<std::size_t>(index - 1)];
}

std::string_view HourLabel(int hour) {
    CheckRange(hour, 1, kHourCount, "hour out of range");
    return kHourLabels[static_cast<std::size_t>(hour - 1)];
}

void ClearWindowResults() {
    for (auto& record : Project.WindowHours.records) {
        for (int f = 1; f <= kShownFieldCount; ++f) record.Field(f) = Decimal4();
    }
}

void ClearWindowHeatGain() {
    for (auto& record : Project.WindowHours.records) record[WindowField::HeatGain] = Decimal4();
}
