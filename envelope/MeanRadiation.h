#pragma once

#include <cstdint>

#include "Decimal4.h"
#include "ProjectState.h"

// Daily mean total solar radiation, W/m², on each facade and on a horizontal
// surface, by latitude.
struct MeanRadiation {
    OrientationValues Facade;  // С .. СЗ
    Decimal4 Horizontal;
};

// The values at a latitude in whole degrees: the low band for 40..43, the
// high band from 52 on, the middle band for every other latitude. Part of a
// computation already begun (BeginComputation).
MeanRadiation MeanRadiationAt(std::int32_t latitude);

// FacadeMeanRadiation and RoofMeanRadiation of the project from Latitude.
void UpdateMeanRadiation();
