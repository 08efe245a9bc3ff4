#include "TableCopy.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMimeData>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>

#include "MainForm.h"
#include "StringGrid.h"
#include "WindowResultsView.h"

namespace {

// A number as the grids show it: "-12", "26.87".
bool IsNumber(const QString& text) {
    static const QRegularExpression number(QStringLiteral("^-?[0-9]+(\\.[0-9]+)?$"));
    return number.match(text).hasMatch();
}

QString CellText(const QTableWidget& grid, int row, int column, const QLocale& locale) {
    const QTableWidgetItem* item = grid.item(row, column);
    const QString text = item != nullptr ? item->text().trimmed() : QString();
    if (!IsNumber(text)) return text;
    QString local = text;
    return local.replace(QLatin1Char('.'), locale.decimalPoint());
}

// The heading of a row drawn across the grid: what a screen reader says of
// it, or its one text.
QString RowHeading(const QTableWidget& grid, int row) {
    if (const QTableWidgetItem* first = grid.item(row, 0)) {
        const QString spoken = first->data(Qt::AccessibleTextRole).toString().trimmed();
        if (!spoken.isEmpty()) return spoken;
    }
    for (int c = 0; c < grid.columnCount(); ++c)
        if (const QTableWidgetItem* item = grid.item(row, c); item != nullptr && !item->text().trimmed().isEmpty())
            return item->text().trimmed();
    return {};
}

// A text in a tab-separated line: no tab and no line break of its own.
QString Field(QString text) {
    return text.replace(QLatin1Char('\t'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
}

void AddLine(CopiedTable& copy, const QStringList& cells, bool header) {
    QStringList fields;
    for (const QString& cell : cells) fields << Field(cell);
    copy.Text += fields.join(QLatin1Char('\t')) + QLatin1Char('\n');
    const QString tag = header ? QStringLiteral("th") : QStringLiteral("td");
    copy.Html += QStringLiteral("<tr>");
    for (const QString& cell : cells) copy.Html += QStringLiteral("<%1>%2</%1>").arg(tag, cell.toHtmlEscaped());
    copy.Html += QStringLiteral("</tr>\n");
}

}  // namespace

CopiedTable CopyOfGrid(const QTableWidget& grid, const QLocale& locale, const QStringList& rowCaptions) {
    CopiedTable copy;
    copy.Html = QStringLiteral("<table border=\"1\">\n");
    if (!grid.horizontalHeader()->isHidden()) {
        QStringList header{QString()};
        for (int c = 0; c < grid.columnCount(); ++c) {
            const QTableWidgetItem* item = grid.horizontalHeaderItem(c);
            header << (item != nullptr ? item->text() : QString());
        }
        AddLine(copy, header, true);
    }
    QString heading;
    for (int r = 0; r < grid.rowCount(); ++r) {
        if (grid.columnCount() > 1 && grid.columnSpan(r, 0) == grid.columnCount()) {
            heading = RowHeading(grid, r);
            continue;
        }
        QStringList cells{r < rowCaptions.size() && !rowCaptions[r].isEmpty() ? rowCaptions[r] : heading};
        heading.clear();
        bool any = !cells.front().isEmpty();
        for (int c = 0; c < grid.columnCount(); ++c) {
            cells << CellText(grid, r, c, locale);
            any = any || !cells.back().isEmpty();
        }
        // A grid of the pages has its column headers in row 0.
        if (any) AddLine(copy, cells, r == 0 && dynamic_cast<const StringGrid*>(&grid) != nullptr);
    }
    copy.Html += QStringLiteral("</table>\n");
    return copy;
}

void PutOnClipboard(const CopiedTable& table) {
    auto* data = new QMimeData;
    data->setText(table.Text);
    data->setHtml(table.Html);
    QApplication::clipboard()->setMimeData(data);
}

// The grid of the page shown: the windows of the orientation shown with its
// rows' captions, the totals, or any other page's first grid shown.
void TForm1::CopyTableClick() {
    RunHandler([this] {
        QWidget* page = PageAt(PageControl2->currentIndex());
        QTableWidget* grid = nullptr;
        QStringList captions;
        if (page == TabSheet10) {
            grid = StringGrid1;
            captions.resize(grid->rowCount());
            for (const WindowRowCaption& caption : WindowRowCaptions(Label27->text().toStdString()))
                if (caption.Row < captions.size()) captions[caption.Row] = QString::fromStdString(caption.PlainText());
        } else if (page == TabSheet13) {
            grid = StringGrid6;
        } else if (page != nullptr) {
            for (QTableWidget* candidate : page->findChildren<QTableWidget*>())
                if (candidate->isVisibleTo(page)) {
                    grid = candidate;
                    break;
                }
        }
        if (grid == nullptr) {
            StatusBar1->showMessage(QStringLiteral("На этой странице нет таблицы для копирования"), 5000);
            return;
        }
        PutOnClipboard(CopyOfGrid(*grid, QLocale(), captions));
        StatusBar1->showMessage(QStringLiteral("Таблица «%1» скопирована").arg(grid->accessibleName()), 5000);
    });
}
