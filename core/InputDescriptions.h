#pragma once

#include <array>
#include <string>
#include <string_view>

#include "InputControls.h"

// What each input control of the input page means to an engineer: its
// group, the quantity's name, symbol and unit as plain Unicode text. The
// input page's accessible names and tooltips, and the reports, take them
// from here.

// The group of the input page a control belongs to.
enum class InputSection {
    Window,     // "Для окон"
    Site,       // site and climate block
    Wall,       // "Для стен"
    Roof,       // "Для покрытий"
    WallLayer,  // entry row of the wall layer editor
    RoofLayer,  // entry row of the roof layer editor
};

struct InputDescription {
    std::string_view control;  // object name, as in the input table
    InputSection section;
    std::string_view name;    // "Высота окна"
    std::string_view symbol;  // "H", "tн.ср", "αн"; empty for none
    std::string_view unit;    // "м", "Вт/(м²·°С)"; empty for none
    std::string_view note;    // a remark in brackets ("в расчёте не участвует"); usually empty

    // "Высота окна H, м", and the note in brackets when there is one.
    std::string Text() const;
};

// One row per control of the input table, in the order of the input page's
// groups, top to bottom.
const std::array<InputDescription, kInputControlCount>& InputDescriptions();

// The row of a control; throws std::out_of_range for an unknown name.
const InputDescription& InputDescriptionOf(std::string_view control);
