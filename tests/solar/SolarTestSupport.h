#pragma once

#include <string>
#include <string_view>

#include "Conversions.h"
#include "LatitudeFit.h"
#include "ProjectState.h"
#include "WindowHourTable.h"

// Small helpers shared by the solar tests: readable names for traces and
// access to the window hour table by orientation name and hour label.
namespace solartest {

inline std::string_view FieldName(WindowField f) {
    switch (f) {
        case WindowField::GainDirect:
            return "GainDirect";
        case WindowField::GainDiffuse:
            return "GainDiffuse";
        case WindowField::SunAltitude:
            return "SunAltitude";
        case WindowField::SunAzimuth:
            return "SunAzimuth";
        case WindowField::IrradDirect:
            return "IrradDirect";
        case WindowField::IrradDiffuse:
            return "IrradDiffuse";
        default:
            return "other field";
    }
}

// "В 9-10 IrradDirect at 48"
inline std::string Trace(int orientation, int hour, WindowField f, int latitude) {
    return std::string(OrientationAt(orientation).name) + " " + std::string(HourLabel(hour)) + " " +
           std::string(FieldName(f)) + " at " + std::to_string(latitude);
}

// The stored value of a field by orientation name and hour label, as text ("418.8848").
inline std::string Shown(const ProjectState& state, std::string_view orientation, std::string_view hour,
                         WindowField f) {
    return FormatDecimal4(state.WindowHours.Record(solar::OrientationIndex(orientation), solar::HourIndex(hour))[f]);
}

inline Decimal4 Stored(const ProjectState& state, int orientation, int hour, WindowField f) {
    return state.WindowHours.Record(orientation, hour)[f];
}

// `state` afresh at a latitude, then one generator.
inline void RunAt(ProjectState& state, int latitude, void (*generator)(ProjectState&)) {
    state = ProjectState();
    state.Latitude = latitude;
    generator(state);
}

}  // namespace solartest
