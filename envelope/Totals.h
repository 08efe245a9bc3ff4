#pragma once

#include <array>
#include <optional>
#include <string>

#include "Decimal4.h"
#include "ProjectState.h"

// The totals page "Итого :": per hour the gains through the windows, the
// walls, the roof and their sum, with the hour of each maximum. Plain data:
// the page copies TotalsView into its grid and the roof's αн, and places the marker
// under the column of the grand maximum.

// What the page reads from the input page.
struct TotalsInputTexts {
    std::string Latitude;
    std::string WindSpeed;
    std::string OutdoorMeanTemp;
    std::string IndoorTemp;
    std::string OutdoorAmplitude;
    std::string WallInnerResistance;  // "R в.пр.": must be a number, used nowhere
    std::string WallAbsorptance;
    std::string WallArea;
    std::string RoofArea;
    std::string RoofAbsorptance;
    std::string UnderRoofTemp;
    bool Windows = false;                                      // "Окна" ticked
    bool Walls = false;                                        // "Стены" ticked
    bool Roof = false;                                         // "Покрытие" ticked
    std::array<bool, kOrientationCount> WindowOrientations{};  // С..СЗ ticked
    std::array<bool, kOrientationCount> WallOrientations{};    // С..СЗ ticked
};

// The totals grid: 12 rows, 10 columns (hour h in column h − 1).
inline constexpr int kTotalsRowCount = 12;
using TotalsGrid = std::array<std::array<std::string, kHourCount>, kTotalsRowCount>;  // [row][column]

enum TotalsRow : int {
    kTotalsHeaderRow = 0,
    kWindowTitleRow = 1,
    kWindowValueRow = 2,
    kWindowMarkerRow = 3,
    kWallTitleRow = 4,
    kWallValueRow = 5,
    kWallMarkerRow = 6,
    kRoofTitleRow = 7,
    kRoofValueRow = 8,
    kRoofMarkerRow = 9,
    kGrandTitleRow = 10,
    kGrandValueRow = 11,
};
inline constexpr int kTotalsTitleColumn = 4;
inline const std::string kMaxMarker = "  " + std::string(kPeakMarkerText);

// What the page shows. A failed showing leaves the rows it computed and
// empties the others (TotalsNotComputed), never the numbers of an earlier
// showing.
struct TotalsView {
    TotalsGrid Cells;
    std::optional<std::string> RoofOuterCoeffText;  // the roof's αн, set when the roof step shows it
    // Hours 1..10 of the row maxima, each marked "  MAX" in its marker row;
    // empty for an element kind not included or a row without any gain.
    std::optional<int> WindowMaxHour;
    std::optional<int> WallMaxHour;
    std::optional<int> RoofMaxHour;
    // Hour 1..10 of the largest GrandHourTotal, under which its marker stands;
    // empty before the first showing and for a day without any gain.
    std::optional<int> GrandMaxHour;
    // Why the day has no gain at all (and so no maximum), when it has none.
    std::optional<std::string> NoGain;
    // Set when the last showing failed: the text of its error box. The sum
    // is then not shown and no hour of it is marked.
    std::optional<std::string> Failure;
};

// The elements of the page in the order it computes them; Sum is the row of
// their sum.
enum class TotalsStep { Windows, Walls, Roof, Sum };

// The steps of the page in their order. Each raises CalcError on a text that
// does not parse, a value outside its range (ReadInputValue: the error names
// the control, the value is not stored) or a failed computation; the steps
// after it are not done.
void WriteTotalsTitles(TotalsView& view);                                      // hour headers, row titles
void ReadTotalsSharedInputs(ProjectState& state, const TotalsInputTexts& in);  // Latitude, V, tн, tв, Atн
void ClearTotalsMarkers(TotalsView& view);                                     // no row maxima, rows 3, 6, 9 emptied
void SumWindowTotals(ProjectState& state, const TotalsInputTexts& in);         // WindowHourTotal
void ComputeWallTotals(ProjectState& state, const TotalsInputTexts& in);       // walls: gains and WallHourTotal
void ComputeRoofTotals(ProjectState& state, const TotalsInputTexts& in,
                       TotalsView& view);                       // roof: αн, RoofHourGain
void WriteTotalsValues(ProjectState& state, TotalsView& view);  // rows 2, 5, 8, GrandHourTotal, row 11
void MarkTotalsMaxima(const ProjectState& state, const TotalsInputTexts& in,
                      TotalsView& view);  // maxima and their markers

// The whole page, the steps above in their order. RoofOuterCoeffText is
// reset first, so it is set only when this showing reached the roof. The
// radiation generators of the walls and the roof write into the window hour
// table; the page gives it back as it found it, so the windows' own results
// stand. A failure raises its CalcError after TotalsNotComputed has shown the
// rows computed before it.
void ShowTotalsPage(ProjectState& state, const TotalsInputTexts& in, TotalsView& view);

// The page after a failure at `failed`: titles, the rows of the included
// elements computed before it with their values and maxima, every other row,
// the sum and their markers empty, and Failure = `message`. A failure of the
// shared inputs or of the windows' results fails at Windows: nothing is shown.
void TotalsNotComputed(const ProjectState& state, const TotalsInputTexts& in, TotalsStep failed,
                       const std::string& message, TotalsView& view);

// The hour 1..10 of the largest value; the earliest hour wins a tie.
int MaximumHour(const HourValues& values);
// The same for a row of gains, none for a row that is zero every hour: no
// gain, no maximum.
std::optional<int> PeakHour(const HourValues& values);
// Why a day whose sum is zero every hour has no gain, in the words the page
// and the tool show: «нет теплопоступлений: не отмечена ни одна ориентация».
std::string NoGainReason(const TotalsInputTexts& in);
// A value rounded to whole watts, ties to even.
Decimal4 RoundToWholeWatts(Decimal4 value);
