// The page «Здание»: a row per room (its sum by hour, its maximum and hour),
// the building's row (the coincident maximum) and the sum of the rooms'
// maxima, and the building's hourly sum stacked by room. A double click on a
// room's row selects it and shows its «Итого :».

#include <QChart>
#include <QChartView>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QStyle>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "BuildingModel.h"
#include "BuildingReport.h"
#include "FormStyle.h"
#include "HourlyChartView.h"
#include "HourlyCharts.h"
#include "MainForm.h"
#include "PageArea.h"

namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

void TForm1::CreateBuildingPage() {
    TabSheet15 = new QWidget;
    TabSheet15->setObjectName(QStringLiteral("TabSheet15"));
    TabSheet15->setAutoFillBackground(true);
    int totals = 0;
    while (totals < PageControl2->count() && PageAt(totals) != TabSheet13) ++totals;
    PageControl2->insertTab(totals + 1, new PageArea(TabSheet15, PageArea::Laid), QStringLiteral("Здание"));
    auto* page = new QVBoxLayout(TabSheet15);
    page->setContentsMargins(6, 4, 6, 6);

    BuildingTitle =
        FormStyle::MakeLabel(TabSheet15, QStringLiteral("Теплопоступления по помещениям, Вт"), FormStyle::kNavy);
    BuildingTitle->setObjectName(QStringLiteral("BuildingTitle"));
    BuildingTitle->setFont(FormStyle::BoldFont(14));
    page->addWidget(BuildingTitle);

    BuildingGrid = new QTableWidget(TabSheet15);
    BuildingGrid->setObjectName(QStringLiteral("BuildingGrid"));
    BuildingGrid->setAccessibleName(QStringLiteral("Теплопоступления по помещениям, Вт"));
    BuildingGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    BuildingGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    BuildingGrid->verticalHeader()->hide();
    BuildingGrid->setMinimumHeight(160);
    page->addWidget(BuildingGrid, 3);

    BuildingFailureLine = FormStyle::MakeLabel(TabSheet15, QString(), FormStyle::kMaroon);
    BuildingFailureLine->setObjectName(QStringLiteral("BuildingFailureLine"));
    BuildingFailureLine->setWordWrap(true);
    BuildingFailureLine->hide();
    page->addWidget(BuildingFailureLine);

    BuildingChart = new QChartView(TabSheet15);
    BuildingChart->setObjectName(QStringLiteral("BuildingChart"));
    BuildingChart->setAccessibleName(QStringLiteral("Теплопоступления здания по часам"));
    BuildingChart->setRenderHint(QPainter::Antialiasing);
    BuildingChart->setMinimumHeight(260);
    BuildingChart->setChart(new QChart);
    page->addWidget(BuildingChart, 4);

    connect(BuildingGrid, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        if (row < 0 || static_cast<std::size_t>(row) >= building_->Inputs.Rooms.size()) return;
        SelectRoom(static_cast<std::size_t>(row));
        ShowPage(TabSheet13);
    });
    connect(PageControl2, &QTabWidget::currentChanged, this, [this](int index) {
        if (index == PageControl2->currentIndex() && PageAt(index) == TabSheet15) TabSheet15Show();
    });
}

void TForm1::TabSheet15Show() {
    RunHandler([this] { ShowBuildingPage(); });
}

void TForm1::ShowBuildingPage() {
    const std::vector<RoomOutcome>& rooms = RoomOutcomes();
    const ReportTable table = BuildingPageTable(rooms);
    BuildingGrid->clear();
    BuildingGrid->setColumnCount(static_cast<int>(table.Header.size()));
    BuildingGrid->setRowCount(static_cast<int>(table.Rows.size()));
    QStringList header;
    for (const std::string& caption : table.Header) header << Text(caption);
    BuildingGrid->setHorizontalHeaderLabels(header);
    QFont bold = BuildingGrid->font();
    bold.setBold(true);
    for (std::size_t r = 0; r < table.Rows.size(); ++r) {
        const bool roomRow = r < rooms.size();
        for (std::size_t c = 0; c < table.Rows[r].size(); ++c) {
            const ReportCell& cell = table.Rows[r][c];
            auto* item = new QTableWidgetItem(Text(cell.Text));
            item->setTextAlignment((cell.Number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
            if (!roomRow) item->setFont(bold);
            if (roomRow && !rooms[r].Results) {
                item->setForeground(QColor(0x80, 0, 0));
                item->setToolTip(Text(rooms[r].Failure));
            }
            BuildingGrid->setItem(static_cast<int>(r), static_cast<int>(c), item);
        }
    }
    // Each column as wide as its widest text, measured once per text rather
    // than laid out cell by cell: a building of hundreds of rooms stays quick.
    const QFontMetrics metrics(bold);
    const int padding = 2 * BuildingGrid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 12;
    for (std::size_t c = 0; c < table.Header.size(); ++c) {
        int width = BuildingGrid->horizontalHeader()->fontMetrics().horizontalAdvance(header[int(c)]);
        for (const ReportRow& row : table.Rows)
            if (c < row.size()) width = std::max(width, metrics.horizontalAdvance(Text(row[c].Text)));
        BuildingGrid->setColumnWidth(int(c), width + padding);
    }
    if (building_->Selection.Room < rooms.size()) BuildingGrid->selectRow(static_cast<int>(building_->Selection.Room));

    const std::string line = NotComputedRoomsLine(rooms);
    BuildingFailureLine->setVisible(!line.empty());
    BuildingFailureLine->setText(Text(line));
    QChart* old = BuildingChart->chart();
    if (const std::optional<BuildingTotals> totals = BuildingTotalsOfOutcomes(rooms)) {
        std::vector<const RoomResults*> results;
        for (const RoomOutcome& room : rooms) results.push_back(&*room.Results);
        BuildingChart->setChart(MakeTotalsChart(BuildingHourlyCharts(results, *totals)));
        BuildingChart->chart()->setTitle(QStringLiteral("Теплопоступления здания по часам, по помещениям"));
    } else {
        BuildingChart->setChart(new QChart);
    }
    delete old;
    ShowRoomList();
}
