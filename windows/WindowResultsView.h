#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Decimal4.h"
#include "ProjectState.h"
#include "WindowHourTable.h"

// Texts of the windows results page: the grid of one orientation (rows 1..17
// = fields 1..17, columns 0..9 = hours 1..10), the header row, the captions
// of the rows and the column of the "MAX" marker. The widgets only show them
// and place the marker under that column.

inline constexpr int kWindowGridRows = kShownFieldCount;  // rows 1..17 below the header
inline constexpr int kWindowGridColumns = kHourCount;     // columns 0..9

inline constexpr std::string_view kHorizontalWindowsTitle = "Горизонтальные  окна";

// A cell: one blank, then the shortest decimal form of the value (" 0.8979").
std::string WindowCellText(Decimal4 value);

struct WindowGridView {
    int Orientation = 1;
    // Cells[row - 1][column], rows 1..17, columns 0..9.
    std::array<std::array<std::string, kWindowGridColumns>, kWindowGridRows> Cells;
    int PeakHour = 0;  // WindowPeakHour of the orientation, 0 = none
    // Grid column 0..9 of a peak hour 1..10, where the "MAX" marker goes;
    // empty for any other value (no peak determined yet): the marker stays.
    std::optional<int> PeakColumn;
};

// The grid of one orientation 1..8 from the state's window hour table as it stands.
WindowGridView MakeWindowGridView(const ProjectState& state, int orientation);

// Parts of a row caption: a large symbol, a smaller lowered text (subscript
// with the unit) and a raised text.
enum class CaptionPartRole { Symbol, Subscript, Superscript };

struct CaptionPart {
    std::string Text;
    CaptionPartRole Role;
};

enum class CaptionColor { Navy, Maroon };

struct WindowRowCaption {
    int Row;            // 1..17
    WindowField Field;  // the field shown in the row
    std::vector<CaptionPart> Parts;
    CaptionColor Color;
    std::string_view Name;  // the quantity in Russian words: "Высота солнца"

    // The caption as one Unicode text: parts in order, a raised "2" as "²"
    // and a lowered "2" as "₂" ("qвп , Вт/м²", "β₂", "Kинс.в.").
    std::string PlainText() const;
    // The plain text split at its comma for tables: the symbol ("qвп",
    // "Kинс.в.") and the unit ("Вт/м²", "°"; empty when the caption has none),
    // blanks trimmed.
    std::string Symbol() const;
    std::string Unit() const;
    // The name with the unit of the caption: "Высота солнца, °"; the
    // tooltip of the row.
    std::string Description() const;
};

// Captions of rows 1..17; row 11 carries the kind caption of the last run
// ("инс.в.", "инс.н." or "инс.г.").
std::array<WindowRowCaption, kWindowGridRows> WindowRowCaptions(std::string_view insolationCaption);
