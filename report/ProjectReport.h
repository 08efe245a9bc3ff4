#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "BuildingDocument.h"
#include "Decimal4.h"
#include "ProjectDocument.h"

// The tables of a project's report, as texts and numbers: the inputs with
// their names, symbols and units, the hourly totals with the hours of their
// maxima, the windows of each orientation and the walls. The workbook and the
// printed report are drawn from them, so that both carry the same figures,
// which are the ones the program shows.

struct ReportCell {
    std::string Text;                // as shown: "0.8979", "12-13", "Кирпич"
    std::optional<Decimal4> Number;  // the value of a number cell; Text is its shortest form

    static ReportCell Value(Decimal4 value);
    static ReportCell Label(std::string text);
    // Digits after the decimal point of a number's shortest form (0..4).
    int Decimals() const;
};
using ReportRow = std::vector<ReportCell>;

struct ReportTable {
    std::string Name;                 // short, for a sheet or a heading: "Итого", "Окна Ю"
    std::string Title;                // what the table holds, with its unit
    std::vector<std::string> Header;  // one caption per column
    std::vector<ReportRow> Rows;
};

struct ProjectReport {
    // The window group, the site, the walls and the roof (each with its layers
    // and, when computed, its thermal figures).
    std::vector<ReportTable> Inputs;
    // Hours as columns; windows, walls, roof and their sum in W; the hour of
    // each maximum in the last column.
    ReportTable Totals;
    std::optional<int> GrandMaxHour;  // hour 1..10 of the largest sum; none without any gain
    // One table per orientation С..СЗ: the 17 rows of the windows page by
    // hour. Empty when "Окна" is not checked.
    std::vector<ReportTable> Windows;
    // The walls of the eight orientations by hour; absent when "Стены" is not
    // checked.
    std::optional<ReportTable> Walls;
    // The window orientations the totals add, index 0..7 for С..СЗ.
    std::array<bool, kOrientationCount> CountedWindowOrientations{};
    // The orientations 1..8 whose windows the printed report shows: those the
    // totals add, or all eight when none is chosen; none when the windows
    // are not computed.
    std::vector<int> PrintedWindowOrientations;
};

// The report of a project's inputs and the results computed from them.
ProjectReport MakeProjectReport(const ProjectInputs& inputs, const ProjectResults& results);

// The hour of a maximum as its table shows it ("12-13"), or "—" for none.
ReportCell MaxHourCell(const std::optional<int>& hour);

// The totals table of the report: the four rows by hour and their maxima.
ReportTable TotalsReportTable(const ProjectTotals& totals);

// The input tables of one part of a project, as MakeProjectReport gives them:
// the window group; the site; the walls and their layers; the roof and its
// layers (with R₀, K and the figures of the construction when computed).
std::vector<ReportTable> PartInputTables(const ProjectInputs& inputs, const ProjectResults& results, BuildingPart part);

// The legend of the symbols these tables print (in their "Обозначение" and
// "Ед. изм." columns, and in column headers "symbol, unit"): one row per
// symbol and unit, in the order first printed, with the quantity's name.
ReportTable LegendTable(const std::vector<const ReportTable*>& printed);

// The header of an input table: the quantity, its symbol, the value, the unit.
const std::vector<std::string>& InputHeader();

// The row of an input control (InputControls) as an input table shows it.
ReportRow InputRow(const ProjectInputs& inputs, std::string_view control);
