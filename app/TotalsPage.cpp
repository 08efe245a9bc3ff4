// The totals page: per hour the gains through the windows, the walls and the
// roof, their sum, and the hour of each maximum.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "FormStyle.h"
#include "InputFields.h"
#include "MainForm.h"
#include "MarkerPositions.h"
#include "StringGrid.h"
#include "Totals.h"

namespace {

constexpr int kGridLeft = 8;
constexpr int kGridTop = 40;
constexpr int kColumnPitch = 98;
constexpr int kRowPitch = 36;

std::string Text(const QLineEdit* edit) { return edit->text().toStdString(); }

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

    Label164 = FormStyle::MakeLabel(TabSheet13, QStringLiteral("MAX"), FormStyle::kMaroon);
    Label164->setObjectName(QStringLiteral("Label164"));
    Label164->setFont(FormStyle::BoldFont(28));
    Label164->adjustSize();
    Label164->move(GrandMaximumLeft(totalsView_->GrandMaxHour - 1), kGrandMaximumTop);
    Label164->setAccessibleName(QStringLiteral("Максимум суммарных теплопоступлений"));
}

void TForm1::TabSheet13Show() {
    RunHandler([this] {
        TotalsInputTexts in;
        in.Latitude = ComboBox1->currentText().toStdString();
        in.WindSpeed = Text(Edit5);
        in.OutdoorMeanTemp = Text(Edit7);
        in.IndoorTemp = Text(Edit6);
        in.OutdoorAmplitude = Text(Edit12);
        in.WallInnerResistance = Text(Edit39);
        in.WallAbsorptance = Text(Edit22);
        in.WallArea = Text(Edit4);
        in.RoofArea = Text(Edit23);
        in.RoofAbsorptance = Text(Edit26);
        in.UnderRoofTemp = Text(Edit40);
        in.Windows = CheckBox1->isChecked();
        in.Walls = CheckBox2->isChecked();
        in.Roof = CheckBox3->isChecked();
        for (const OrientationBox& box : kOrientationBoxes) {
            in.WindowOrientations[static_cast<std::size_t>(box.orientation - 1)] = (this->*box.window)->isChecked();
            in.WallOrientations[static_cast<std::size_t>(box.orientation - 1)] = (this->*box.wall)->isChecked();
        }
        try {
            ShowTotalsPage(in, *totalsView_);
        } catch (...) {
            // The steps done before the failure stay on the page.
            ShowTotalsView();
            throw;
        }
        ShowTotalsView();
    });
}

void TForm1::ShowTotalsView() {
    for (int row = 0; row < kTotalsRowCount; ++row) {
        for (int column = 0; column < kHourCount; ++column) {
            StringGrid6->SetCell(row, column, QString::fromStdString(totalsView_->Cells[row][column]));
        }
    }
    if (totalsView_->RoofOuterCoeffText) Edit41->setText(QString::fromStdString(*totalsView_->RoofOuterCoeffText));
    Label164->move(GrandMaximumLeft(totalsView_->GrandMaxHour - 1), kGrandMaximumTop);
    Label164->setAccessibleName(GrandMaximumName(totalsView_->GrandMaxHour));
}
