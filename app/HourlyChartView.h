#pragma once

#include <QSizeF>

class QChart;
class QPainter;
class QRectF;
struct HourlyCharts;

// The charts of a day drawn with Qt Charts from the hourly series, for the
// page «Графики», the saved pictures and the printed report alike.

// The totals: windows, walls and roof as stacked columns, their sum as a
// line, the hour of its maximum marked «MAX».
QChart* MakeTotalsChart(const HourlyCharts& charts);

// The heat gain of the windows of each orientation, one line each; the
// orientations the totals add drawn bold and named «(в итоге)».
QChart* MakeWindowsChart(const HourlyCharts& charts);

// Draws a chart laid out at `layoutSize` (pixels) scaled into `target`, as
// vector drawing on a printer or PDF. Takes the chart over and deletes it.
void PaintChart(QPainter& painter, QChart* chart, const QRectF& target, QSizeF layoutSize);

// The size, in pixels, at which the charts are laid out for drawing.
inline constexpr QSizeF kChartLayoutSize{760, 330};
