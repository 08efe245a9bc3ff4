// Menu commands of the project file, printing, the reference pages and the
// about box; their work is filled in with those features.

#include "MainForm.h"

void TForm1::N2Click() {}   // "Сохранить": writes the project file
void TForm1::N3Click() {}   // "Открыть": reads a project file into the input page and the window table
void TForm1::N7Click() {}   // "Печать": prints a picture of the main window
void TForm1::R1Click() {}   // reference topic 1: fillings of light openings
void TForm1::R2Click() {}   // reference topic 2: resistances of light openings
void TForm1::N12Click() {}  // reference topic 3: thermal properties of enclosures
void TForm1::tt1Click() {}  // reference topic 4: climate of cities
void TForm1::N13Click() {}  // reference topic 5: calculation schemes
void TForm1::N6Click() {}   // "О программе": the about box
