#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "InputControls.h"
#include "MainForm.h"

// How each input control of the input page is laid out: one row per control,
// from which the page is built. What a control stands for (its project-state
// field, its default text, its group, name, symbol and unit, which give its
// accessible name and tooltip) is its row of the input table in core
// (InputControls.h), found by the input's key: the control names stay here,
// in the window.

using InputGroup = InputSection;

struct InputField {
    std::string_view control;  // object and member name
    std::string_view key;      // the input it shows, as the core names it
    QLineEdit* TForm1::*edit;  // the member (nullptr for ComboBox1)
    int row;                   // row of its group's grid
    int column;                // 0 = left block, 1 = right block of the row
    std::string_view label;    // descriptive text on the left ("\n" splits lines)
    std::string_view symbol;   // rich text just before the input
    bool computed;             // shown only: a read-only output

    InputGroup Group() const { return InputControlOf(key).section; }
    // The unit after the input, from the input table ("" for none).
    std::string_view Unit() const { return InputControlOf(key).unit; }
    // Accessible name and tooltip: "Высота окна Н, м".
    std::string Description() const { return ::Description(InputControlOf(key)); }
};

inline constexpr std::size_t kInputFieldCount = kInputControlCount;
extern const std::array<InputField, kInputFieldCount> kInputFields;

// The row of a control; throws std::out_of_range for an unknown name.
const InputField& InputFieldOf(std::string_view control);
// The row of the input `key`; throws std::out_of_range for an unknown key.
const InputField& InputFieldOfKey(std::string_view key);
// The control that shows the input `key`, and the input a control shows;
// empty for a key or a control of no input.
std::string_view ControlOfKey(std::string_view key);
std::string_view KeyOfControl(std::string_view control);

// Orientation check boxes: windows (in "Для окон") and walls (in "Для стен").
struct OrientationBox {
    int orientation;  // 1..8
    QCheckBox* TForm1::*window;
    QCheckBox* TForm1::*wall;
    std::string_view windowName;
    std::string_view wallName;
    std::string_view caption;  // the first two with a Latin "C"
};
extern const std::array<OrientationBox, 8> kOrientationBoxes;
