#pragma once

#include <QImage>

// The program's picture: the sun over a window. Drawn, not stored, so that
// the about box, the window icon and the installed icon are the same
// picture at any size.
QImage ProgramPicture(int size);
