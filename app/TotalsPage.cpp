// The totals page: per hour the gains through the windows, the walls and the
// roof, their sum, and the hour of each maximum; and the one way the results
// are brought up to date.

#include <QLabel>
#include <QLineEdit>
#include <QStyledItemDelegate>

#include <array>

#include "BuildingModel.h"
#include "CalcError.h"
#include "FormStyle.h"
#include "MainForm.h"
#include "MarkerPositions.h"
#include "PageArea.h"
#include "ProjectDocument.h"
#include "ProjectSession.h"
#include "StringGrid.h"
#include "Totals.h"

namespace {

constexpr int kGridLeft = 8;
constexpr int kGridTop = 40;
constexpr int kColumnPitch = 98;
constexpr int kRowPitch = 36;
constexpr int kNotComputedTop = 570;  // below the "MAX" of the grand maximum

// The rows that head the element below them ("Окна", "Стены", "Покрытие",
// "ВСЕГО"), drawn across the whole row; the grid keeps each heading in the
// cell the page computes it into.
constexpr std::array<int, 4> kHeadingRows{kWindowTitleRow, kWallTitleRow, kRoofTitleRow, kGrandTitleRow};
// The heading a row's first cell draws over the row.
constexpr int kHeadingRole = Qt::UserRole + 1;
const QColor kHeadingShade{0xE4, 0xE8, 0xF0};

// Draws the first cell of a heading row with its row's heading.
class TotalsCellStyle : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        const QVariant heading = index.data(kHeadingRole);
        if (heading.isValid()) option->text = heading.toString();
    }
};

// The first cell of a heading row: the row's heading, bold, on the left, on
// a shade, and what a screen reader says of the row.
void ShowHeading(StringGrid* grid, int row, const QString& heading) {
    if (grid->item(row, 0) == nullptr) grid->SetCell(row, 0, QString());
    QTableWidgetItem* cell = grid->item(row, 0);
    cell->setData(kHeadingRole, heading);
    cell->setData(Qt::AccessibleTextRole, heading);
    cell->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    cell->setBackground(kHeadingShade);
    QFont font = grid->font();
    font.setBold(true);
    cell->setFont(font);
}

// The alignment of a row's cells: the hours centred, the numbers and their
// markers to the right.
Qt::Alignment RowAlignment(int row) {
    return row == kTotalsHeaderRow ? Qt::AlignHCenter | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter;
}

// What the screen reader says of the marker under the hour 1..10 of the grand maximum.
QString GrandMaximumName(int hour) {
    const std::string_view label = HourLabel(hour);
    return QStringLiteral("Максимум суммарных теплопоступлений: ") +
           QString::fromUtf8(label.data(), static_cast<qsizetype>(label.size()));
}

}  // namespace

void TForm1::CreateTotalsPage() {
    StringGrid6 = new StringGrid(kTotalsRowCount, kHourCount, TabSheet13);
    StringGrid6->setObjectName(QStringLiteral("StringGrid6"));
    StringGrid6->setAccessibleName(QStringLiteral("Итоговые теплопоступления по часам"));
    StringGrid6->setFont(FormStyle::BoldFont(20, true));
    FormStyle::SetTextColour(StringGrid6, FormStyle::kNavy);
    StringGrid6->SetColumnWidths(kColumnPitch);
    StringGrid6->SetRowHeights(kRowPitch);
    StringGrid6->SetHeaderColour(FormStyle::kButtonFace);
    StringGrid6->setGeometry(kGridLeft, kGridTop, kHourCount * kColumnPitch + 3, kTotalsRowCount * kRowPitch + 3);
    StringGrid6->setItemDelegate(new TotalsCellStyle(StringGrid6));
    for (const int row : kHeadingRows) {
        StringGrid6->setSpan(row, 0, 1, kHourCount);
        ShowHeading(StringGrid6, row, QString());
    }

    // The unit of every number of the grid.
    QLabel* title = FormStyle::MakeLabel(TabSheet13, QStringLiteral("Теплопоступления по часам, Вт"), FormStyle::kNavy);
    title->setObjectName(QStringLiteral("TotalsTitle"));
    title->setFont(FormStyle::BoldFont(16));
    title->adjustSize();
    title->move(kGridLeft, (kGridTop - title->height()) / 2);

    Label164 = FormStyle::MakeLabel(
        TabSheet13, QString::fromUtf8(kPeakMarkerText.data(), static_cast<qsizetype>(kPeakMarkerText.size())),
        FormStyle::kMaroon);
    Label164->setObjectName(QStringLiteral("Label164"));
    Label164->setFont(FormStyle::BoldFont(28));
    Label164->adjustSize();
    Label164->move(GrandMaximumLeft(kHourCount - 1), kGrandMaximumTop);
    Label164->setAccessibleName(QStringLiteral("Максимум суммарных теплопоступлений"));

    // Below the grid when the totals could not be computed.
    TotalsFailureLine = FormStyle::MakeLabel(TabSheet13, QString(), FormStyle::kMaroon);
    TotalsFailureLine->setObjectName(QStringLiteral("TotalsFailureLine"));
    TotalsFailureLine->setFont(FormStyle::BoldFont(18));
    TotalsFailureLine->setWordWrap(true);
    TotalsFailureLine->setGeometry(kGridLeft, kNotComputedTop, kHourCount * kColumnPitch, 2 * kRowPitch);
    TotalsFailureLine->hide();
    PageArea::FitToControls(TabSheet13);
}

QString NotComputedLine(const std::string& message) {
    return QStringLiteral("Результаты не рассчитаны: ") + QString::fromStdString(message);
}

void TForm1::TabSheet13Show() {
    RunHandler([this] { BringResultsUpToDate(); });
}

bool TForm1::BringResultsUpToDate() {
    const TotalsInputTexts in = TotalsInputsOf(ShownProjectInputs());
    if (const std::optional<CalcError> failure = ComputeWindowsIfStale(false)) {
        // The totals would add window gains that no longer answer the inputs.
        const std::string message = ErrorBoxText(failure->what());
        TotalsNotComputed(Project, in, TotalsStep::Windows, message, *totalsView_);
        ShowTotalsView();
        session_->ResultsFailure = message;
        ShowFailure(*failure);
        return false;
    }
    try {
        ShowTotalsPage(Project, in, *totalsView_);
    } catch (const CalcError& e) {
        ShowTotalsView();
        session_->ResultsFailure = ErrorBoxText(e.what());
        ShowFailure(e);
        return false;
    }
    const bool room = ShowRoomTotals();
    ShowTotalsView();
    if (!room) ShowError(session_->ResultsFailure);
    return room;
}

// A room of several window or wall groups: the page adds them all; the
// groups shown were computed above, the others come with the room's results.
bool TForm1::ShowRoomTotals() {
    const BuildingInputs building = ShownBuilding();
    const BuildingSelection& selection = building_->Selection;
    const RoomInputs& room = building.Rooms[selection.Room];
    if (RoomIsShownWhole(room, selection)) return true;
    const RoomOutcome& outcome = building_->Results.Outcomes(building)[selection.Room];
    const std::optional<std::string> roofCoeff = totalsView_->RoofOuterCoeffText;
    if (!outcome.Results) {
        *totalsView_ = TotalsView{};
        WriteTotalsTitles(*totalsView_);
        totalsView_->Failure = outcome.Failure;
        session_->ResultsFailure = outcome.Failure;
        return false;
    }
    *totalsView_ = RoomTotalsView(room, *outcome.Results);
    totalsView_->RoofOuterCoeffText = roofCoeff;
    return true;
}

void TForm1::ShowTotalsView() {
    for (int row = 0; row < kTotalsRowCount; ++row) {
        for (int column = 0; column < kHourCount; ++column) {
            StringGrid6->SetCell(row, column, QString::fromStdString(totalsView_->Cells[row][column]));
            if (StringGrid6->columnSpan(row, 0) == 1)
                StringGrid6->item(row, column)->setTextAlignment(RowAlignment(row));
        }
    }
    for (const int row : kHeadingRows)
        ShowHeading(StringGrid6, row, QString::fromStdString(totalsView_->Cells[row][kTotalsTitleColumn]).trimmed());
    if (totalsView_->RoofOuterCoeffText) Edit41->setText(QString::fromStdString(*totalsView_->RoofOuterCoeffText));
    if (totalsView_->GrandMaxHour) {
        Label164->move(GrandMaximumLeft(*totalsView_->GrandMaxHour - 1), kGrandMaximumTop);
        Label164->setAccessibleName(GrandMaximumName(*totalsView_->GrandMaxHour));
    }
    const std::optional<std::string>& failure = totalsView_->Failure;
    Label164->setVisible(!failure && totalsView_->GrandMaxHour);
    TotalsFailureLine->setVisible(failure || totalsView_->NoGain);
    if (failure)
        TotalsFailureLine->setText(NotComputedLine(*failure));
    else if (totalsView_->NoGain)
        TotalsFailureLine->setText(QString::fromStdString(*totalsView_->NoGain));
}
