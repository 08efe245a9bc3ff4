// The page «Графики»: the charts of the current results, brought up to date
// when the page is shown, and their picture saved as PNG or SVG.

#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSvgGenerator>
#include <QTabWidget>
#include <QVBoxLayout>

#include "BuildingModel.h"
#include "DialogFolders.h"
#include "FormStyle.h"
#include "HourlyChartView.h"
#include "HourlyCharts.h"
#include "MainForm.h"
#include "PageArea.h"
#include "ProjectDocument.h"
#include "ProjectReport.h"
#include "ProjectSession.h"
#include "ReportFile.h"

namespace {

const QString kPngFilter = QStringLiteral("Рисунок PNG (*.png)");
const QString kSvgFilter = QStringLiteral("Рисунок SVG (*.svg)");

QChartView* MakeChartView(QWidget* parent, const char* name, const QString& description) {
    auto* view = new QChartView(parent);
    view->setObjectName(QString::fromLatin1(name));
    view->setAccessibleName(description);
    view->setRenderHint(QPainter::Antialiasing);
    view->setChart(new QChart);
    return view;
}

// Puts a new chart into a view; the one it showed goes.
void Show(QChartView* view, QChart* chart) {
    QChart* old = view->chart();
    view->setChart(chart);
    delete old;
}

QByteArray PngOf(QWidget* area) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    area->grab().save(&buffer, "PNG");
    return bytes;
}

QByteArray SvgOf(QWidget* area) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(area->size());
    svg.setViewBox(QRect(QPoint(0, 0), area->size()));
    svg.setTitle(QStringLiteral("Теплопоступления по часам"));
    QPainter painter(&svg);
    area->render(&painter);
    painter.end();
    return bytes;
}

}  // namespace

void TForm1::CreateChartsPage() {
    TabSheet14 = new QWidget;
    TabSheet14->setObjectName(QStringLiteral("TabSheet14"));
    TabSheet14->setAutoFillBackground(true);
    PageControl2->addTab(new PageArea(TabSheet14, PageArea::Laid), QStringLiteral("Графики"));

    auto* page = new QVBoxLayout(TabSheet14);
    page->setContentsMargins(6, 4, 6, 6);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    ChartSaveButton = new QPushButton(QStringLiteral("Сохранить график…"), TabSheet14);
    ChartSaveButton->setObjectName(QStringLiteral("ChartSaveButton"));
    buttons->addWidget(ChartSaveButton);
    page->addLayout(buttons);

    ChartsFailureLine = FormStyle::MakeLabel(TabSheet14, QString(), FormStyle::kMaroon);
    ChartsFailureLine->setObjectName(QStringLiteral("ChartsFailureLine"));
    ChartsFailureLine->setFont(FormStyle::BoldFont(18));
    ChartsFailureLine->setWordWrap(true);
    ChartsFailureLine->hide();
    page->addWidget(ChartsFailureLine);

    ChartsArea = new QWidget(TabSheet14);
    ChartsArea->setObjectName(QStringLiteral("ChartsArea"));
    // Charts stay legible: below this the page scrolls.
    ChartsArea->setMinimumSize(560, 440);
    auto* charts = new QVBoxLayout(ChartsArea);
    charts->setContentsMargins(0, 0, 0, 0);
    ChartView1 = MakeChartView(ChartsArea, "ChartView1", QStringLiteral("Теплопоступления по часам"));
    ChartView2 = MakeChartView(ChartsArea, "ChartView2", QStringLiteral("Теплопоступления через окна"));
    charts->addWidget(ChartView1, 1);
    charts->addWidget(ChartView2, 1);
    page->addWidget(ChartsArea, 1);

    connect(ChartSaveButton, &QPushButton::clicked, this, &TForm1::ChartSaveButtonClick);
    connect(PageControl2, &QTabWidget::currentChanged, this, &TForm1::ChartsPageChanged);
}

void TForm1::ChartsPageChanged(int index) {
    if (index == PageControl2->currentIndex() && PageAt(index) == TabSheet14) TabSheet14Show();
}

void TForm1::TabSheet14Show() {
    RunHandler([this] {
        // No chart of results that are not current.
        Show(ChartView1, new QChart);
        Show(ChartView2, new QChart);
        const bool current = BringResultsUpToDate();
        ChartsArea->setVisible(current);
        ChartSaveButton->setEnabled(current);
        ChartsFailureLine->setVisible(!current);
        if (!current) {
            ChartsFailureLine->setText(NotComputedLine(session_->ResultsFailure));
            return;
        }
        const ProjectInputs inputs = ShownProjectInputs();
        ProjectReport report = MakeProjectReport(inputs, ShownProjectResults(inputs));
        // A room of several groups: the totals of the room, the windows of the group shown.
        const BuildingInputs building = ShownBuilding();
        if (!RoomIsShownWhole(building.Rooms[CurrentRoom()], building_->Selection)) {
            const RoomOutcome& room = building_->Results.Outcomes(building)[CurrentRoom()];
            if (room.Results) {
                report.Totals = TotalsReportTable(room.Results->Totals);
                report.GrandMaxHour = room.Results->Totals.GrandMaxHour;
            }
        }
        const HourlyCharts charts = MakeHourlyCharts(report);
        Show(ChartView1, MakeTotalsChart(charts));
        Show(ChartView2, MakeWindowsChart(charts));
    });
}

QString TForm1::RunChartSaveDialog1(QWidget* parent) {
    QFileDialog dialog(parent, QStringLiteral("Сохранить график"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({kPngFilter, kSvgFilter});
    dialog.setDefaultSuffix(QStringLiteral("png"));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        dialog.setDefaultSuffix(filter == kSvgFilter ? QStringLiteral("svg") : QStringLiteral("png"));
    });
    StartDialogAtProject(dialog, parent, QStringLiteral("png"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    RememberDialogFolder(dialog.selectedFiles().constFirst());
    return dialog.selectedFiles().constFirst();
}

// The two charts as one picture: SVG for a name ending in ".svg", PNG otherwise.
void TForm1::ChartSaveButtonClick() {
    RunHandler([this] {
        const QString name = ChartSaveDialog1(this);
        if (name.isEmpty()) return;
        const bool svg = name.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive);
        const QByteArray bytes = svg ? SvgOf(ChartsArea) : PngOf(ChartsArea);
        WriteReportFile(QFile::encodeName(name).toStdString(),
                        std::string_view(bytes.constData(), std::size_t(bytes.size())));
        ShowWrittenFile(QStringLiteral("График"), name);
    });
}
