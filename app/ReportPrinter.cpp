#include "ReportPrinter.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextObjectInterface>
#include <QTextTable>

#include <algorithm>
#include <limits>
#include <vector>

#include "CalcError.h"
#include "HourlyChartView.h"
#include "HourlyCharts.h"
#include "ProjectReport.h"

namespace {

constexpr int kChartObjectType = QTextFormat::UserObject + 1;
constexpr int kChartProperty = QTextFormat::UserProperty + 1;  // 0: the totals, 1: the windows
constexpr double kFooterPoints = 16;
const QString kFontFamily = QStringLiteral("DejaVu Sans");

QString Text(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

// The charts of the report, drawn where the text holds their marks.
class ReportChartObject : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

public:
    ReportChartObject(const HourlyCharts& charts, QSizeF size) : charts_(charts), size_(size) {}

    QSizeF intrinsicSize(QTextDocument*, int, const QTextFormat&) override { return size_; }

    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int, const QTextFormat& format) override {
        QChart* chart = format.intProperty(kChartProperty) == 0 ? MakeTotalsChart(charts_) : MakeWindowsChart(charts_);
        PaintChart(*painter, chart, rect, kChartLayoutSize);
    }

private:
    const HourlyCharts& charts_;
    QSizeF size_;
};

namespace {

// Writes the report's blocks and tables into a document. Margins, padding
// and borders are given in pixels of a 96 dpi screen, which the document's
// layout scales to its device.
class ReportWriter {
public:
    // The document is laid out once, when the writing is done.
    explicit ReportWriter(QTextDocument& document) : cursor_(&document) { cursor_.beginEditBlock(); }
    void Done() { cursor_.endEditBlock(); }

    void Title(const QString& text) { Block(text, 14, true, 0, 4); }
    void Heading(const QString& text) {
        Block(text, 11.5, true, 12, 4);
        headings_.push_back({cursor_.block(), QTextBlock()});
    }
    void Paragraph(const QString& text) {
        Block(text, 9, false, 1, 1);
        Follow(cursor_.block());
    }

    // A table: its title and column header repeated at the top of each page
    // it runs onto; numbers right-aligned.
    void Table(const ReportTable& table, double fontPoints) {
        const int columns = static_cast<int>(table.Header.size());
        const int rows = static_cast<int>(table.Rows.size()) + 2;
        QTextTableFormat format;
        format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        format.setHeaderRowCount(2);
        format.setCellPadding(2.2 * kPoint);
        format.setCellSpacing(0);
        format.setBorder(0.5 * kPoint);
        format.setBorderBrush(QColor(0xa0, 0xa0, 0xa0));
        format.setTopMargin(5 * kPoint);
        format.setBottomMargin(3 * kPoint);
        QTextTable* grid = cursor_.insertTable(rows, columns, format);
        grid->mergeCells(0, 0, 1, columns);
        Cell(grid, 0, 0, Text(table.Title), fontPoints + 0.5, true, false, QColor(0xe8, 0xee, 0xf4));
        for (int c = 0; c < columns; ++c)
            Cell(grid, 1, c, Text(table.Header[std::size_t(c)]), fontPoints, true, NumberColumn(table, c),
                 QColor(0xf4, 0xf4, 0xf4));
        for (int r = 0; r < rows - 2; ++r) {
            const ReportRow& row = table.Rows[std::size_t(r)];
            for (int c = 0; c < columns && c < static_cast<int>(row.size()); ++c) {
                const ReportCell& cell = row[std::size_t(c)];
                Cell(grid, r + 2, c, Text(cell.Text), fontPoints, false, cell.Number.has_value(), {});
            }
        }
        cursor_.movePosition(QTextCursor::End);
        tables_.push_back(grid);
        Follow(FirstRowBlock(grid));
    }

    // A chart across the page: 0 the totals, 1 the windows.
    void Chart(int which) {
        QTextBlockFormat block;
        block.setTopMargin(4 * kPoint);
        block.setBottomMargin(4 * kPoint);
        block.setAlignment(Qt::AlignHCenter);
        cursor_.insertBlock(block);
        QTextCharFormat mark;
        mark.setObjectType(kChartObjectType);
        mark.setProperty(kChartProperty, which);
        cursor_.insertText(QString(QChar::ObjectReplacementCharacter), mark);
        Follow(cursor_.block());
    }

    // No heading ends a page apart from what follows it, no table starts on
    // a page with its title alone, and a short table is not split: such a
    // heading or table begins the next page. Each is checked in document order, as moving one moves the rest.
    void KeepWithWhatFollows(QAbstractTextDocumentLayout* layout, double pageHeight) const {
        const auto page = [&](const QTextBlock& block) {
            return int((layout->blockBoundingRect(block).bottom() - 1) / pageHeight);
        };
        std::size_t t = 0;
        const auto keepTablesBefore = [&](int position) {
            for (; t < tables_.size() && tables_[t]->firstPosition() < position; ++t) {
                QTextTable* table = tables_[t];
                if (page(table->cellAt(0, 0).firstCursorPosition().block()) == page(KeptRowBlock(table))) continue;
                QTextTableFormat format = table->format();
                format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
                table->setFormat(format);
            }
        };
        for (const auto& [heading, next] : headings_) {
            keepTablesBefore(heading.position());
            if (!next.isValid() || page(heading) == page(next)) continue;
            QTextBlockFormat format = heading.blockFormat();
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            QTextCursor(heading).setBlockFormat(format);
        }
        keepTablesBefore(std::numeric_limits<int>::max());
    }

private:
    static constexpr double kPoint = 96.0 / 72.0;  // screen pixels to the point

    // A column of numbers, whose header stands right above them.
    static bool NumberColumn(const ReportTable& table, int column) {
        return std::any_of(table.Rows.begin(), table.Rows.end(), [column](const ReportRow& row) {
            return std::size_t(column) < row.size() && row[std::size_t(column)].Number.has_value();
        });
    }

    // The last row of a short table, the first row of a long one.
    static QTextBlock KeptRowBlock(QTextTable* table) {
        constexpr int kShortTableRows = 12;
        const int row = table->rows() <= kShortTableRows ? table->rows() - 1 : std::min(2, table->rows() - 1);
        return table->cellAt(row, 0).firstCursorPosition().block();
    }

    static QTextBlock FirstRowBlock(QTextTable* table) {
        return table->cellAt(std::min(2, table->rows() - 1), 0).firstCursorPosition().block();
    }

    // What follows the last heading, when nothing is noted for it yet.
    void Follow(const QTextBlock& block) {
        if (!headings_.empty() && !headings_.back().second.isValid()) headings_.back().second = block;
    }

    void Block(const QString& text, double points, bool bold, double before, double after) {
        QTextBlockFormat block;
        block.setTopMargin(before * kPoint);
        block.setBottomMargin(after * kPoint);
        QTextCharFormat chars;
        chars.setFontFamilies({kFontFamily});
        chars.setFontPointSize(points);
        chars.setFontWeight(bold ? QFont::Bold : QFont::Normal);
        if (first_) {
            cursor_.setBlockFormat(block);
            cursor_.setCharFormat(chars);
            first_ = false;
        } else {
            cursor_.insertBlock(block, chars);
        }
        cursor_.insertText(text, chars);
    }

    static void Cell(QTextTable* grid, int row, int column, const QString& text, double points, bool bold, bool right,
                     const QColor& background) {
        QTextTableCell cell = grid->cellAt(row, column);
        if (background.isValid()) {
            QTextTableCellFormat shade = cell.format().toTableCellFormat();
            shade.setBackground(background);
            cell.setFormat(shade);
        }
        QTextCursor at = cell.firstCursorPosition();
        QTextBlockFormat block;
        block.setAlignment(right ? Qt::AlignRight : Qt::AlignLeft);
        at.setBlockFormat(block);
        QTextCharFormat chars;
        chars.setFontFamilies({kFontFamily});
        chars.setFontPointSize(points);
        chars.setFontWeight(bold ? QFont::Bold : QFont::Normal);
        at.mergeBlockCharFormat(chars);  // an empty cell is as high as a written one
        at.insertText(text, chars);
    }

    QTextCursor cursor_;
    bool first_ = true;
    std::vector<std::pair<QTextBlock, QTextBlock>> headings_;  // a heading and the first block after it
    std::vector<QTextTable*> tables_;
};

void WriteReport(ReportWriter& w, const ProjectReport& report, const ReportHeading& heading) {
    w.Title(QStringLiteral("Отчёт о расчёте теплопоступлений от солнечной радиации"));
    w.Paragraph(QStringLiteral("Дата и время: ") + heading.made.toString(QStringLiteral("dd.MM.yyyy HH:mm")));
    w.Paragraph(QStringLiteral("Проект: ") +
                (heading.projectFile.isEmpty() ? QStringLiteral("новый проект") : heading.projectFile));

    w.Heading(QStringLiteral("1. Исходные данные"));
    for (const ReportTable& table : report.Inputs) w.Table(table, 8);

    w.Heading(QStringLiteral("2. Теплопоступления по часам"));
    w.Table(report.Totals, 8);
    w.Chart(0);

    w.Heading(QStringLiteral("3. Окна"));
    if (report.Windows.empty()) {
        w.Paragraph(QStringLiteral("Окна не учитываются."));
    } else {
        w.Chart(1);
        bool counted = false;
        for (const bool c : report.CountedWindowOrientations) counted = counted || c;
        if (!counted)
            w.Paragraph(QStringLiteral("Стороны света окон в итоге не выбраны: приведены окна всех восьми сторон."));
        for (const int o : report.PrintedWindowOrientations) w.Table(report.Windows[std::size_t(o - 1)], 7.5);
    }

    w.Heading(QStringLiteral("4. Стены по сторонам света"));
    if (report.Walls) {
        w.Table(*report.Walls, 7.5);
    } else {
        w.Paragraph(QStringLiteral("Стены не учитываются."));
    }
}

}  // namespace

void SetReportPageLayout(QPagedPaintDevice& device) {
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 12, 15, 12),
                                     QPageLayout::Millimeter));
}

void PrintProjectReport(QPagedPaintDevice& device, const ProjectReport& report, const HourlyCharts& charts,
                        const ReportHeading& heading) {
    QPainter painter;
    if (!painter.begin(&device)) throw CalcError("Не удалось начать печать отчёта");
    const double pt = device.logicalDpiY() / 72.0;
    const double footer = kFooterPoints * pt;
    // A point less than the printable width, so that the right border of a
    // table of full width is drawn, not clipped.
    const QSizeF page(device.width() - pt, device.height() - footer);

    QTextDocument document;
    document.documentLayout()->setPaintDevice(&device);
    document.setDocumentMargin(0);
    QFont font(kFontFamily);
    font.setPointSizeF(9);
    font.setWeight(QFont::Normal);  // not the program's bold
    document.setDefaultFont(font);
    ReportChartObject chartObject(
        charts, QSizeF(page.width(), page.width() * kChartLayoutSize.height() / kChartLayoutSize.width()));
    document.documentLayout()->registerHandler(kChartObjectType, &chartObject);
    document.setPageSize(page);
    ReportWriter writer(document);
    WriteReport(writer, report, heading);
    writer.Done();
    writer.KeepWithWhatFollows(document.documentLayout(), page.height());

    const int pages = document.pageCount();
    QFont footerFont(kFontFamily);
    footerFont.setPointSizeF(8);
    footerFont.setWeight(QFont::Normal);
    for (int p = 0; p < pages; ++p) {
        if (p > 0) device.newPage();
        painter.save();
        const QRectF shown(0, p * page.height(), device.width(), page.height());
        painter.translate(0, -shown.top());
        painter.setClipRect(shown);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = shown;
        context.palette.setColor(QPalette::Text, Qt::black);
        document.documentLayout()->draw(&painter, context);
        painter.restore();
        painter.setFont(footerFont);
        painter.drawText(QRectF(0, page.height(), page.width(), footer), Qt::AlignRight | Qt::AlignBottom,
                         QStringLiteral("Стр. %1 из %2").arg(p + 1).arg(pages));
    }
    painter.end();
}

QByteArray ProjectReportPdf(const ProjectReport& report, const HourlyCharts& charts, const ReportHeading& heading) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(1200);  // as a high-resolution printer, so that both lay the report out alike
        pdf.setCreator(QStringLiteral("solargain"));
        pdf.setTitle(QStringLiteral("Отчёт о расчёте теплопоступлений от солнечной радиации"));
        SetReportPageLayout(pdf);
        PrintProjectReport(pdf, report, charts, heading);
    }
    return bytes;
}

#include "ReportPrinter.moc"
