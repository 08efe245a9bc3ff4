#include "CommandLineFile.h"

#include "MainForm.h"

bool OpenCommandLineFile(TForm1& form, const QStringList& arguments) {
    if (arguments.size() < 2) return false;
    return form.OpenProject(arguments.at(1));
}
