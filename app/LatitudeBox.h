#pragma once

#include <QComboBox>

// The latitude box of the input page (ComboBox1): an editable list of the
// whole degrees. A class of its own for its accessible interface: Qt names a
// combo box on Linux after its current text, so a screen reader would say
// "48" where it should say what the box is for. This box is named by its
// accessible name (the quantity), with the degrees as its value.
class LatitudeBox : public QComboBox {
    Q_OBJECT
public:
    explicit LatitudeBox(QWidget* parent = nullptr);
};
