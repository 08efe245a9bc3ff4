#pragma once

// Where the "MAX" labels stand below the result grids: the left edge in
// pixels of a label under grid column 0..9 (hour 1..10) of this layout.
// Throws std::out_of_range for any other column.

// Label108 under StringGrid1 of the windows page (columns 82 px wide).
int PeakMarkerLeft(int column);
inline constexpr int kPeakMarkerTop = 640;  // px from the top of the page

// Label164 under StringGrid6 of the totals page (columns 98 px wide).
int GrandMaximumLeft(int column);
inline constexpr int kGrandMaximumTop = 512;  // px from the top of the page
