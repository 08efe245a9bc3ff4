#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "Decimal4.h"
#include "ProjectState.h"

// The solar data generators. Each reads the Latitude of the state it is given
// alone and writes its fields of all 80 records of its WindowHours, zeros
// included, and nothing else. The tables are defined for the latitudes 40..60
// only: for any other latitude a generator writes nothing and raises
// CalcError(kLatitudeRangeMessage). Each starts with BeginComputation().

// Fields 1, 2, 8, 9 (GainDirect, GainDiffuse, IrradDirect, IrradDiffuse) for
// vertical facades, per orientation.
void FillVerticalRadiation(ProjectState& state);

// The same four fields for a horizontal surface, equal in all eight
// orientations.
void FillHorizontalRadiation(ProjectState& state);

// Fields 3, 4 (SunAltitude, SunAzimuth), equal in all eight orientations.
void FillSunPosition(ProjectState& state);

// Daily mean total solar radiation, W/m², on each facade and on a horizontal
// surface.
struct MeanRadiation {
    OrientationValues Facade;  // С .. СЗ
    Decimal4 Horizontal;
};

// The mean radiation at a latitude 40..60 (whole degrees), from its band of
// the mean radiation table; any other latitude is refused with
// kLatitudeRangeMessage. Part of a computation already begun.
MeanRadiation MeanRadiationAt(std::int32_t latitude);

inline const std::string kLatitudeRangeMessage = "Широта должна быть целым числом от " +
                                                 std::to_string(kFirstLatitude) + " до " +
                                                 std::to_string(kLastLatitude) + " градусов";

// The latitude typed in its box: ParseInteger (and its message on failure),
// then a value outside 40..60 is refused with kLatitudeRangeMessage. The
// callers store the result in the state's Latitude; on failure it is unchanged.
std::int32_t ReadLatitude(std::string_view text);
