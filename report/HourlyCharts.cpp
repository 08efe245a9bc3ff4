#include "HourlyCharts.h"

#include <algorithm>

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

namespace {

HourSeries SeriesOfValues(std::string name, const HourValues& values) {
    HourSeries series{std::move(name), {}, false};
    for (int h = 1; h <= kHourCount; ++h)
        series.Values[static_cast<std::size_t>(h - 1)] = static_cast<double>(values[h].Units());
    return series;
}

}  // namespace

HourlyCharts BuildingHourlyCharts(const BuildingResults& results) {
    std::vector<const RoomResults*> rooms;
    for (const RoomResults& room : results.Rooms) rooms.push_back(&room);
    return BuildingHourlyCharts(rooms, results.Building);
}

HourlyCharts BuildingHourlyCharts(const std::vector<const RoomResults*>& rooms, const BuildingTotals& building) {
    // The rooms of the largest maxima, the earlier first on a tie.
    std::vector<std::size_t> order(rooms.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&rooms](std::size_t a, std::size_t b) {
        return PeakOfRoom(rooms[b]->Totals).Gain < PeakOfRoom(rooms[a]->Totals).Gain;
    });
    const std::size_t shown = rooms.size() <= kChartRooms + 1 ? rooms.size() : kChartRooms;
    std::vector<bool> alone(rooms.size(), false);
    for (std::size_t i = 0; i < shown; ++i) alone[order[i]] = true;

    HourlyCharts charts;
    HourValues rest;
    for (std::size_t i = 0; i < rooms.size(); ++i) {
        if (alone[i]) {
            const std::string name = rooms[i]->Name.empty() ? "Помещение " + std::to_string(i + 1) : rooms[i]->Name;
            charts.Elements.push_back(SeriesOfValues(name, rooms[i]->Totals.GrandHourTotal));
        } else {
            for (int h = 1; h <= kHourCount; ++h) rest[h] = rest[h] + rooms[i]->Totals.GrandHourTotal[h];
        }
    }
    if (shown < rooms.size()) charts.Elements.push_back(SeriesOfValues("остальные", rest));
    charts.Sum = SeriesOfValues("Здание", building.HourTotal);
    charts.MaxHour = building.MaxHour;
    return charts;
}
