#include "MeanRadiation.h"

#include "FloatingPoint.h"

void UpdateMeanRadiation() {
    BeginComputation();
    const MeanRadiation mean = MeanRadiationAt(Project.Latitude);
    Project.FacadeMeanRadiation = mean.Facade;
    Project.RoofMeanRadiation = mean.Horizontal;
}
