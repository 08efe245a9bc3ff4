#pragma once

#include "ProjectState.h"

// The coefficient β of the daily outdoor temperature wave by lag ε = 0..24
// hours (row) and hour "8-9".."17-18" (column).
TempWaveRows TempWaveTableValues();

// TempWaveTable of the state := the table above.
void FillTempWaveTable(ProjectState& state);
