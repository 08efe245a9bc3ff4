#include "HourlyCharts.h"

namespace {

// A row of hour cells from `first` on, as a series.
HourSeries SeriesOf(std::string name, const ReportRow& row, std::size_t first) {
    HourSeries series{std::move(name), {}, false};
    for (std::size_t h = 0; h < series.Values.size(); ++h) {
        const ReportCell& cell = row.at(first + h);
        series.Values[h] = cell.Number ? static_cast<double>(cell.Number->Units()) : 0.0;
    }
    return series;
}

}  // namespace

HourlyCharts MakeHourlyCharts(const ProjectReport& report) {
    HourlyCharts charts;
    const std::vector<ReportRow>& totals = report.Totals.Rows;
    for (std::size_t r = 0; r + 1 < totals.size(); ++r)
        charts.Elements.push_back(SeriesOf(totals[r].front().Text, totals[r], 1));
    charts.Sum = SeriesOf(totals.back().front().Text, totals.back(), 1);
    charts.MaxHour = report.GrandMaxHour;
    for (std::size_t o = 0; o < report.Windows.size(); ++o) {
        // The last row of a windows table is Qост, the room's heat gain.
        charts.Windows.push_back(
            SeriesOf(std::string(OrientationAt(static_cast<int>(o) + 1).name), report.Windows[o].Rows.back(), 2));
        charts.Windows.back().Emphasised = report.CountedWindowOrientations[o];
    }
    return charts;
}
