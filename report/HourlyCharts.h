#pragma once

#include <array>
#include <string>
#include <vector>

#include "BuildingDocument.h"
#include "ProjectReport.h"

// The series of the charts of a day: the hourly totals (windows, walls and
// roof stacked, their sum as a line, the hour of its maximum) and the heat
// gain of the windows of each orientation. They are drawn from the report's
// tables, so that a chart shows the figures of the tables beside it.

struct HourSeries {
    std::string Name;
    std::array<double, kHourCount> Values{};  // W, hours 8-9 .. 17-18
    bool Emphasised = false;                  // a window orientation the totals add
};

struct HourlyCharts {
    std::vector<HourSeries> Elements;  // windows, walls, roof: the rows of the totals
    HourSeries Sum;                    // their sum, the last row of the totals
    std::optional<int> MaxHour;        // hour 1..10 of the largest sum; none without any gain
    // Qост of the windows of each orientation С..СЗ; empty when the windows
    // are not computed.
    std::vector<HourSeries> Windows;
};

HourlyCharts MakeHourlyCharts(const ProjectReport& report);

// The most rooms a building's chart shows one by one; the others are added
// as «остальные».
inline constexpr std::size_t kChartRooms = 7;

// The building's hourly sum stacked by room: the rooms of the largest maxima
// (at most kChartRooms, in the building's order) and the rest together; the
// building's sum as the line, its maximum marked.
HourlyCharts BuildingHourlyCharts(const BuildingResults& results);
HourlyCharts BuildingHourlyCharts(const std::vector<const RoomResults*>& rooms, const BuildingTotals& building);
