#pragma once

#include <cstdint>
#include <string_view>

#include "Decimal4.h"
#include "IndexedArray.h"
#include "WindowHourTable.h"

// The solar data the program generates for a latitude: the vertical facade
// and horizontal surface radiation and the sun position of every orientation
// and hour, as the generators store them.
struct CliRadiationValues {
    Decimal4 GainDirect;
    Decimal4 GainDiffuse;
    Decimal4 IrradDirect;
    Decimal4 IrradDiffuse;
};
struct CliRadiationHour {
    CliRadiationValues Vertical;
    CliRadiationValues Horizontal;
    Decimal4 SunAltitude;
    Decimal4 SunAzimuth;
};
struct CliRadiationTable {
    std::int32_t Latitude = 0;
    IndexedArray<IndexedArray<CliRadiationHour, 1, kHourCount>, 1, kOrientationCount> Hours;
};

// The latitude as the input page's box reads it (refused outside 40..60).
CliRadiationTable ComputeRadiationTable(std::string_view latitudeText);
