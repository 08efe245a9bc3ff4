// The windows results page: the window computation for all eight
// orientations when the page is shown, and the grid of one orientation at a
// time with the "MAX" marker under its peak hour.

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>
#include <optional>
#include <string>

#include "CalcError.h"
#include "FormStyle.h"
#include "MainForm.h"
#include "MarkerPositions.h"
#include "PageArea.h"
#include "ProjectSession.h"
#include "StringGrid.h"
#include "WindowComputation.h"
#include "WindowResultsView.h"

namespace {

// Geometry of the page (pixels within the page).
constexpr int kGridLeft = 136;
constexpr int kGridTop = 40;
constexpr int kColumnPitch = 83;         // 82 px cells and their grid line
constexpr int kRowPitch = 33;            // 32 px cells and their grid line
constexpr int kOrientationTabWidth = 4;  // characters of an orientation page's tab
constexpr int kCaptionLeft = 4;

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// What the screen reader says of the kind caption and of the marker.
QString KindCaptionName(WindowKind kind) {
    return QStringLiteral("Коэффициент инсоляции ") + Text(InsolationKindName(kind));
}
QString PeakMarkerName(int column) {
    return QStringLiteral("Максимум теплопоступлений через окна: ") + Text(HourLabel(column + 1));
}

// A caption part as rich text, blanks kept.
QString CaptionHtml(const CaptionPart& part) {
    QString text = Text(part.Text).toHtmlEscaped().replace(QLatin1Char(' '), QStringLiteral("&nbsp;"));
    switch (part.Role) {
        case CaptionPartRole::Symbol:
            return QStringLiteral("<span style=\"font-size:20px\">%1</span>").arg(text);
        case CaptionPartRole::Subscript:
            return QStringLiteral("<span style=\"font-size:13px; vertical-align:sub\">%1</span>").arg(text);
        case CaptionPartRole::Superscript:
            return QStringLiteral("<span style=\"font-size:11px; vertical-align:super\">%1</span>").arg(text);
    }
    return text;
}

}  // namespace

void TForm1::CreateWindowsPage() {
    Label107 = FormStyle::MakeLabel(TabSheet10, Text(kHorizontalWindowsTitle), FormStyle::kNavy);
    Label107->setObjectName(QStringLiteral("Label107"));
    Label107->setFont(FormStyle::BoldFont(24));
    Label107->adjustSize();
    Label107->move(384, 0);

    PageControl1 = new QTabWidget(TabSheet10);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setAccessibleName(QStringLiteral("Ориентация окон"));
    PageControl1->setGeometry(272, 0, 641, 33);
    PageControl1->setUsesScrollButtons(false);
    PageControl1->setDocumentMode(true);
    // Opaque over its whole width: it covers the title of the horizontal kind.
    PageControl1->setAutoFillBackground(true);
    PageControl1->tabBar()->setExpanding(true);
    QWidget** pages[] = {&TabSheet1, &TabSheet2, &TabSheet3, &TabSheet4,
                         &TabSheet5, &TabSheet6, &TabSheet7, &TabSheet8};
    for (int o = 1; o <= kOrientationCount; ++o) {
        QWidget*& page = *pages[o - 1];
        page = new QWidget;
        page->setObjectName(QStringLiteral("TabSheet%1").arg(o));
        // The name right-aligned in four characters, as the page tabs show it.
        PageControl1->addTab(page, Text(OrientationAt(o).name).rightJustified(kOrientationTabWidth));
    }
    PageControl1->raise();

    StringGrid1 = new StringGrid(kWindowGridRows + 1, kWindowGridColumns, TabSheet10);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setAccessibleName(QStringLiteral("Результаты расчёта окон по часам"));
    StringGrid1->setFont(FormStyle::BoldFont(19, true));
    FormStyle::SetTextColour(StringGrid1, FormStyle::kNavy);
    StringGrid1->SetColumnWidths(kColumnPitch);
    StringGrid1->SetRowHeights(kRowPitch);
    StringGrid1->SetHeaderColour(FormStyle::kCream);
    StringGrid1->SetAlignment(Qt::AlignRight | Qt::AlignVCenter);
    StringGrid1->setGeometry(kGridLeft, kGridTop, kWindowGridColumns * kColumnPitch + 3,
                             (kWindowGridRows + 1) * kRowPitch + 3);

    // Row captions left of the grid; row 11 ends in the kind caption Label27.
    for (const WindowRowCaption& caption : WindowRowCaptions("инс.в.")) {
        const QColor colour = caption.Color == CaptionColor::Maroon ? FormStyle::kMaroon : FormStyle::kNavy;
        auto* holder = new QWidget(TabSheet10);
        auto* row = new QHBoxLayout(holder);
        row->setContentsMargins(0, 0, 0, 0);
        row->setSpacing(0);
        QString html;
        for (std::size_t i = 0; i < caption.Parts.size(); ++i) {
            if (caption.Row == 11 && i == 1) break;
            html += CaptionHtml(caption.Parts[i]);
        }
        QLabel* label = FormStyle::MakeLabel(holder, QStringLiteral("<nobr>%1</nobr>").arg(html), colour);
        label->setAccessibleName(Text(caption.PlainText()));
        // The row's quantity in words, over its caption and its cells.
        const QString description = QString::fromStdString(caption.Description());
        label->setAccessibleDescription(description);
        holder->setToolTip(description);
        StringGrid1->SetRowToolTip(caption.Row, description);
        row->addWidget(label, 0, Qt::AlignBottom);
        if (caption.Row == 11) {
            Label27 = FormStyle::MakeLabel(holder, QStringLiteral("инс.в."), colour);
            Label27->setObjectName(QStringLiteral("Label27"));
            Label27->setAccessibleName(KindCaptionName(WindowKind::Vertical));
            Label27->setFont(FormStyle::BoldFont(13));
            // Room for the widest of the three kind captions.
            int widest = 0;
            for (WindowKind kind : {WindowKind::Vertical, WindowKind::Inclined, WindowKind::Horizontal})
                widest = std::max(widest, Label27->fontMetrics().horizontalAdvance(Text(InsolationKindCaption(kind))));
            Label27->setMinimumWidth(widest + 2);
            row->addWidget(Label27, 0, Qt::AlignBottom);
        }
        row->addStretch(1);
        holder->setGeometry(kCaptionLeft, kGridTop + 1 + caption.Row * kRowPitch, kGridLeft - kCaptionLeft - 2,
                            kRowPitch);
    }

    Label108 = FormStyle::MakeLabel(TabSheet10, Text(kPeakMarkerText), FormStyle::kGreen);
    Label108->setObjectName(QStringLiteral("Label108"));
    QFont markerFont = FormStyle::BoldFont(24);
    markerFont.setUnderline(true);
    Label108->setFont(markerFont);
    Label108->adjustSize();
    Label108->move(PeakMarkerLeft(kWindowGridColumns - 1), kPeakMarkerTop);  // its place before any peak
    Label108->setAccessibleName(QStringLiteral("Максимум теплопоступлений через окна"));

    // Over the emptied grid when the window computation failed.
    WindowsFailureLine = FormStyle::MakeLabel(TabSheet10, QString(), FormStyle::kMaroon);
    WindowsFailureLine->setObjectName(QStringLiteral("WindowsFailureLine"));
    WindowsFailureLine->setFont(FormStyle::BoldFont(18));
    WindowsFailureLine->setWordWrap(true);
    WindowsFailureLine->setAlignment(Qt::AlignCenter);
    WindowsFailureLine->setFrameShape(QFrame::Box);
    WindowsFailureLine->setAutoFillBackground(true);
    QPalette cream = WindowsFailureLine->palette();
    cream.setColor(QPalette::Window, FormStyle::kCream);
    WindowsFailureLine->setPalette(cream);
    WindowsFailureLine->setGeometry(kGridLeft + 40, kGridTop + 6 * kRowPitch, kWindowGridColumns * kColumnPitch - 80,
                                    3 * kRowPitch);
    WindowsFailureLine->hide();
    PageArea::FitToControls(TabSheet10);
}

std::optional<CalcError> TForm1::ComputeWindowsIfStale(bool evenExcluded) {
    if (!evenExcluded && !CheckBox1->isChecked()) return std::nullopt;
    const WindowResultsSource shown{ShownWindowInputs(), ShownWindowKind()};
    if (session_->WindowsFrom == shown) return std::nullopt;
    try {
        RunWindowComputation(Project, shown.Texts, shown.Kind);
    } catch (const CalcError& e) {
        // The table is put back as it was, but it no longer answers the inputs.
        session_->WindowsFrom.reset();
        if (CheckBox1->isChecked()) ShowWindowsFailure(ErrorBoxText(e.what()));
        return e;
    }
    session_->WindowsFrom = shown;
    ShowWindowsFailure(std::nullopt);
    if (shownMainPage_ == TabSheet10 && CheckBox1->isChecked()) ShowWindowResults();
    return std::nullopt;
}

void TForm1::ShowWindowResults() {
    const WindowKind kind = ShownWindowKind();
    Label27->setText(Text(InsolationKindCaption(kind)));
    Label27->setAccessibleName(KindCaptionName(kind));
    if (kind == WindowKind::Horizontal) PageControl1->hide();
    PageControl1->setCurrentIndex(0);
    FillWindowGrid(1);
}

void TForm1::ShowWindowsFailure(const std::optional<std::string>& message) {
    WindowsFailureLine->setVisible(message.has_value());
    Label108->setVisible(!message);
    if (!message) return;
    WindowsFailureLine->setText(NotComputedLine(*message));
    StringGrid1->ClearRows(1, kWindowGridRows);
}

// The table is computed again only when an input it depends on changed
// since it was computed or loaded; the page then shows the north facade.
void TForm1::TabSheet10Show() {
    RunHandler([this] {
        if (!CheckBox1->isChecked()) {
            ShowWindowsFailure(std::nullopt);
            StringGrid1->ClearRows(1, kWindowGridRows);
            return;
        }
        if (const std::optional<CalcError> failure = ComputeWindowsIfStale(false)) {
            ShowFailure(*failure);
            return;
        }
        ShowWindowResults();
    });
}

void TForm1::TabSheet10Hide() {
    RunHandler([this] { PageControl1->show(); });
}

void TForm1::FillWindowGrid(int orientation) {
    const WindowGridView view = MakeWindowGridView(Project, orientation);
    for (int row = 1; row <= kWindowGridRows; ++row) {
        for (int column = 0; column < kWindowGridColumns; ++column) {
            StringGrid1->SetCell(row, column, QString::fromStdString(view.Cells[row - 1][column]));
        }
    }
    if (view.PeakColumn) {
        Label108->move(PeakMarkerLeft(*view.PeakColumn), kPeakMarkerTop);
        Label108->setAccessibleName(PeakMarkerName(*view.PeakColumn));
    }
}

void TForm1::TabSheet1Show() {
    RunHandler([this] { FillWindowGrid(1); });
}
void TForm1::TabSheet2Show() {
    RunHandler([this] { FillWindowGrid(2); });
}
void TForm1::TabSheet3Show() {
    RunHandler([this] { FillWindowGrid(3); });
}
void TForm1::TabSheet4Show() {
    RunHandler([this] { FillWindowGrid(4); });
}
void TForm1::TabSheet5Show() {
    RunHandler([this] { FillWindowGrid(5); });
}
void TForm1::TabSheet6Show() {
    RunHandler([this] { FillWindowGrid(6); });
}
void TForm1::TabSheet7Show() {
    RunHandler([this] { FillWindowGrid(7); });
}
void TForm1::TabSheet8Show() {
    RunHandler([this] { FillWindowGrid(8); });
}
