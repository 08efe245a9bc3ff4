#pragma once

#include <QComboBox>

// The latitude box of the input page (ComboBox1): an editable list of the
// whole degrees 40..60 of the solar tables. Typing takes those whole degrees
// only, adds nothing to the list and completes nothing; a text put in by the
// program (a project file's) is taken as it is, and refused, when it is no
// latitude of the tables, only when a page is computed from it. A class of
// its own also for its accessible interface: Qt names a
// combo box on Linux after its current text, so a screen reader would say
// "48" where it should say what the box is for. This box is named by its
// accessible name (the quantity), with the degrees as its value.
class LatitudeBox : public QComboBox {
    Q_OBJECT
public:
    explicit LatitudeBox(QWidget* parent = nullptr);
};
