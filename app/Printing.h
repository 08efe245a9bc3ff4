#pragma once

#include <functional>

#include <QString>

class QPrinter;
class QWidget;

// The print dialog step: lets the user choose the printer and its settings;
// false when cancelled.
using PrintDialogStep = std::function<bool(QPrinter& printer, QWidget* parent)>;
// The standard print dialog.
bool RunPrintDialog(QPrinter& printer, QWidget* parent);

// Prints a picture of `clientArea` as shown, its page whole even where the
// window is too small for it (GrabUnscrolled), on one page, from the top
// left of the printable area: at its size on the screen (printer dots =
// pixels × printer dots per inch / 96) when it fits; otherwise scaled down
// to fit, the page turned when the other orientation lets it stay larger.
// While the picture is taken the window's background is the system window
// colour (white) instead of the button face; it is put back however the
// printing ends. A `headerLine` that is not empty is printed above the
// picture in one line of small type (the picture then starts below it).
// Returns false, and prints and changes nothing, when the dialog is
// cancelled. A printer that cannot start the job raises a CalcError.
bool PrintWindow(QWidget* window, QWidget* clientArea, QPrinter& printer, const PrintDialogStep& dialog,
                 const QString& headerLine = {});
