#pragma once

#include "ProjectState.h"

// The hourly heat gains through the walls and the roof. Both read the
// irradiance that the radiation generator has just written into the window
// hour table (vertical facades for the walls, the horizontal surface, record
// of orientation 1, for the roof) and the inputs stored in the state they are
// given.
//
// Each computes into local values and writes its results only when it
// completes: on any failure (a refused construction, a floating-point fault)
// the gains, P, ν, the layers' R and D, the mean radiations and the
// temperature-wave table keep their previous values.

inline constexpr const char* kWallLayerCountMessage = "Число слоёв стены должно быть от 1 до 5";
inline constexpr const char* kRoofLayerCountMessage = "Число слоёв покрытия должно быть от 1 до 6";
inline constexpr const char* kWallNegativeInertiaMessage =
    "Тепловая инерция стены получилась отрицательной: проверьте усвоение, теплопроводность и толщину слоёв";
inline constexpr const char* kRoofNegativeInertiaMessage =
    "Тепловая инерция покрытия получилась отрицательной: проверьте усвоение, теплопроводность и толщину слоёв";

// WallHourGain[o][h] of the eight orientations, WallDampingProduct,
// WallDamping, the wall layers' R and D, FacadeMeanRadiation and
// RoofMeanRadiation, TempWaveTable.
void ComputeWallGains(ProjectState& state);

// RoofHourGain[h], RoofDampingProduct, RoofDamping, the roof layers' R and
// D, FacadeMeanRadiation and RoofMeanRadiation, TempWaveTable.
void ComputeRoofGains(ProjectState& state);
