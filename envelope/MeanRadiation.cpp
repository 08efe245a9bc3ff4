#include "MeanRadiation.h"

#include "FloatingPoint.h"

void UpdateMeanRadiation(ProjectState& state) {
    BeginComputation();
    const MeanRadiation mean = MeanRadiationAt(state.Latitude);
    state.FacadeMeanRadiation = mean.Facade;
    state.RoofMeanRadiation = mean.Horizontal;
}
