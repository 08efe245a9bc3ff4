#pragma once

#include <QByteArray>

class QPagedPaintDevice;
struct BuildingReportContents;

// The printed report of a building: one document for the printer and the PDF
// file alike. A4 portrait (or the paper the printer was set to), as wide as
// the printable area: the title block (the project's properties, the date,
// the project file, the method and the sources of the data), the legend of
// the symbols, the building's table of rooms by hour, the site, then each
// room: its inputs, its totals with their chart, its elements, the windows
// chart and tables of each window group and the walls of each wall group by
// orientation; «Стр. N из M» at the foot of each page.

// Draws the report onto the pages of a printer or a PDF writer, its page
// layout as set. Raises CalcError when the device cannot be drawn on.
void PrintBuildingReport(QPagedPaintDevice& device, const BuildingReportContents& report);

// The page layout of the report: A4 portrait, margins of 15 mm at the sides
// and 12 mm at the top and the bottom.
void SetReportPageLayout(QPagedPaintDevice& device);

// The report as a PDF document.
QByteArray BuildingReportPdf(const BuildingReportContents& report);
