#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

class QPagedPaintDevice;
struct ProjectReport;
struct HourlyCharts;

// The printed report of a project: one document for the printer and the PDF
// file alike. A4 portrait (or the paper the printer was set to), as wide as
// the printable area: the title, the date and time, the project file, the
// inputs with their units, the totals with their maxima and chart, the
// windows chart and the windows table of each printed orientation, the walls
// by orientation, and «Стр. N из M» at the foot of each page.

struct ReportHeading {
    QDateTime made;       // date and time of the report
    QString projectFile;  // full name of the project file; empty for a new project
};

// Draws the report onto the pages of a printer or a PDF writer, its page
// layout as set. Raises CalcError when the device cannot be drawn on.
void PrintProjectReport(QPagedPaintDevice& device, const ProjectReport& report, const HourlyCharts& charts,
                        const ReportHeading& heading);

// The page layout of the report: A4 portrait, margins of 15 mm at the sides
// and 12 mm at the top and the bottom.
void SetReportPageLayout(QPagedPaintDevice& device);

// The report as a PDF document.
QByteArray ProjectReportPdf(const ProjectReport& report, const HourlyCharts& charts, const ReportHeading& heading);
