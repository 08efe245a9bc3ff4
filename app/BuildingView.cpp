// The building the window holds: its rooms, the room selected, and the
// building's inputs as the reports and the file take them.

#include "BuildingDocument.h"
#include "MainForm.h"

BuildingInputs TForm1::ShownBuilding() const { return BuildingOfProject(ShownProjectInputs()); }

std::size_t TForm1::CurrentRoom() const { return 0; }
