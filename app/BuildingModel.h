#pragma once

#include "BuildingEdit.h"

// What the main window holds of its building beside the controls: the rooms
// with their groups (the selected ones as last taken from the controls), the
// selection, the building as last saved or opened, and the rooms' results.
struct BuildingModel {
    BuildingInputs Inputs;
    BuildingSelection Selection;
    BuildingInputs Saved;
    RoomResultsCache Results;
};
