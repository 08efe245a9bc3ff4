#pragma once

#include "InputFields.h"

class QGridLayout;

// Building blocks of the input page, shared by the window, site, wall and
// roof groups.
namespace InputPageBuilder {

// Creates the edits of all rows of the input table as members of the form,
// with their object names, default texts, accessible names and tooltips.
void CreateEdits(TForm1* form);

// Places the rows of a group into a grid: per row and block the label, the
// symbol, the edit and the unit, five grid columns per block (the fifth a gap).
void PlaceFields(TForm1* form, QGridLayout* grid, InputGroup group);

// An orientation check box in teal, its caption right after its box.
QCheckBox* MakeOrientationBox(QWidget* parent, std::string_view name, std::string_view caption);

// A check box laid over the top-left corner of a group's frame, wherever the
// group is placed, interrupting the frame's line; the group's own caption
// moves right to make room for it.
QCheckBox* MakeGroupSwitch(QWidget* page, QGroupBox* group, const char* name, const QString& caption,
                           const QString& description);

inline constexpr int kNumberEditWidth = 58;
// Between orientation check boxes in a row: wider than between a box and its
// own caption, so that each caption reads, and clicks, as its box's.
inline constexpr int kOrientationGap = 14;

}  // namespace InputPageBuilder
