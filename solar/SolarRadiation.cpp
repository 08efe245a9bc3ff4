#include "SolarRadiation.h"

#include <array>

#include "CalcError.h"
#include "Conversions.h"
#include "FloatingPoint.h"
#include "HorizontalRadiationTable.h"
#include "MeanRadiationTable.h"
#include "ProjectState.h"
#include "SunPositionTable.h"
#include "VerticalRadiationTable.h"

namespace {

using solar::FitEntry;

constexpr std::array<WindowField, 4> kRadiationFields{WindowField::GainDirect, WindowField::GainDiffuse,
                                                      WindowField::IrradDirect, WindowField::IrradDiffuse};
constexpr std::array<WindowField, 2> kSunPositionFields{WindowField::SunAltitude, WindowField::SunAzimuth};

constexpr int kNorth = 1;  // С: where the orientation-free tables are built

bool IsTableLatitude(std::int32_t latitude) {
    return latitude >= solar::kFirstLatitude && latitude <= solar::kLastLatitude;
}

// The latitude of the project, refused before anything is written when the
// tables do not cover it.
std::int32_t TableLatitude(const ProjectState& state) {
    const std::int32_t latitude = state.Latitude;
    if (!IsTableLatitude(latitude)) throw CalcError(kLatitudeRangeMessage);
    return latitude;
}

// Stores every entry of a table at its own record; the rows of the
// orientation-free tables (orientation 0) go to orientation С.
template <std::size_t N>
void StoreEntries(WindowHourTable& hours, const std::array<FitEntry, N>& table, std::int32_t latitude) {
    for (const FitEntry& entry : table) {
        const int orientation = entry.orientation == 0 ? kNorth : entry.orientation;
        hours.Record(orientation, entry.hour)[entry.field] = solar::StoreFit(entry, latitude);
    }
}

template <std::size_t N>
void CopyFields(WindowHourTable& hours, const std::array<WindowField, N>& fields, int fromOrientation, int fromHour,
                int toOrientation, int toHour) {
    const WindowHourRecord& from = hours.Record(fromOrientation, fromHour);
    WindowHourRecord& to = hours.Record(toOrientation, toHour);
    for (WindowField f : fields) to[f] = from[f];
}

// The orientation-free tables: orientation С's hours 12-13 .. 15-16 from
// 11-12 .. 8-9, then all ten hours of С to the other seven orientations.
template <std::size_t N>
void SpreadFromNorth(WindowHourTable& hours, const std::array<WindowField, N>& fields) {
    for (int hour = 5; hour <= 8; ++hour) CopyFields(hours, fields, kNorth, solar::MirrorHour(hour), kNorth, hour);
    for (int orientation = kNorth + 1; orientation <= kOrientationCount; ++orientation) {
        for (int hour = 1; hour <= kHourCount; ++hour) CopyFields(hours, fields, kNorth, hour, orientation, hour);
    }
}

}  // namespace

void FillVerticalRadiation(ProjectState& state) {
    BeginComputation();
    const std::int32_t latitude = TableLatitude(state);
    StoreEntries(state.WindowHours, solar::kVerticalRadiationFits, latitude);
    for (int orientation = 1; orientation <= kOrientationCount; ++orientation) {
        for (int hour = 1; hour <= 8; ++hour) {
            if (solar::IsIndependentFacadeHour(orientation, hour)) continue;
            CopyFields(state.WindowHours, kRadiationFields, solar::MirrorOrientation(orientation),
                       solar::MirrorHour(hour), orientation, hour);
        }
    }
}

void FillHorizontalRadiation(ProjectState& state) {
    BeginComputation();
    const std::int32_t latitude = TableLatitude(state);
    StoreEntries(state.WindowHours, solar::kHorizontalRadiationFits, latitude);
    SpreadFromNorth(state.WindowHours, kRadiationFields);
}

void FillSunPosition(ProjectState& state) {
    BeginComputation();
    const std::int32_t latitude = TableLatitude(state);
    StoreEntries(state.WindowHours, solar::kSunPositionFits, latitude);
    SpreadFromNorth(state.WindowHours, kSunPositionFields);
}

MeanRadiation MeanRadiationAt(std::int32_t latitude) {
    if (!IsTableLatitude(latitude)) throw CalcError(kLatitudeRangeMessage);
    MeanRadiation result;
    for (const solar::MeanRadiationEntry& entry : solar::kMeanRadiationFits) {
        const Decimal4 value = solar::StoreFit(entry, latitude);
        if (entry.orientation == 0) {
            result.Horizontal = value;
            continue;
        }
        result.Facade[entry.orientation] = value;
        if (entry.mirror != 0) result.Facade[entry.mirror] = value;
    }
    return result;
}

std::int32_t ReadLatitude(std::string_view text) {
    const std::int32_t latitude = ParseInteger(text);
    if (!IsTableLatitude(latitude)) throw CalcError(kLatitudeRangeMessage);
    return latitude;
}
