#pragma once

// The daily mean radiation of the project (MeanRadiationAt of the solar
// tables) at its latitude.
#include "SolarRadiation.h"

// FacadeMeanRadiation and RoofMeanRadiation of the state from its Latitude.
void UpdateMeanRadiation(ProjectState& state);
