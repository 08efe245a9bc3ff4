#pragma once

#include <QStringList>

class TForm1;

// `solargain FILE`: the project or window table file named after the
// program's name on the command line (as the desktop entry hands it over) is
// opened as "Открыть" opens it, naming the window after it. A missing or
// refused file is said in its error box and the window stays as at start-up.
// True when a file was opened.
bool OpenCommandLineFile(TForm1& form, const QStringList& arguments);
