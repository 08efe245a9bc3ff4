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

#include "BuildingReportContents.h"
#include "CalcError.h"
#include "HourlyChartView.h"
#include "HourlyCharts.h"
#include "MainForm.h"
#include "ProjectReport.h"

namespace {

constexpr int kChartObjectType = QTextFormat::UserObject + 1;
// The chart a mark stands for: twice the index of its charts, plus 0 for the
// totals and 1 for the windows.
constexpr int kChartProperty = QTextFormat::UserProperty + 1;
constexpr double kFooterPoints = 16;
const QString kFontFamily = QStringLiteral("DejaVu Sans");

QString Text(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

// The charts of the report, drawn where the text holds their marks.
class ReportChartObject : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

public:
    explicit ReportChartObject(QSizeF size) : size_(size) {}

    // The mark's number of the totals chart of these charts; the windows
    // chart's is one more.
    int Add(HourlyCharts charts) {
        charts_.push_back(std::move(charts));
        return int(charts_.size() - 1) * 2;
    }

    QSizeF intrinsicSize(QTextDocument*, int, const QTextFormat&) override { return size_; }

    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int, const QTextFormat& format) override {
        const int mark = format.intProperty(kChartProperty);
        const HourlyCharts& charts = charts_.at(std::size_t(mark / 2));
        QChart* chart = mark % 2 == 0 ? MakeTotalsChart(charts) : MakeWindowsChart(charts);
        PaintChart(*painter, chart, rect, kChartLayoutSize);
    }

private:
    std::vector<HourlyCharts> charts_;
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
    void SubHeading(const QString& text) {
        Block(text, 10, true, 8, 2);
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

    // A chart across the page (ReportChartObject's mark).
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

QString Numbered(int& section, const QString& heading) { return QStringLiteral("%1. ").arg(++section) + heading; }

void WriteWindowTables(ReportWriter& w, const ProjectReport& report, int chart) {
    w.Chart(chart + 1);
    bool counted = false;
    for (const bool c : report.CountedWindowOrientations) counted = counted || c;
    if (!counted)
        w.Paragraph(QStringLiteral("Стороны света окон в итоге не выбраны: приведены окна всех восьми сторон."));
    for (const int o : report.PrintedWindowOrientations) w.Table(report.Windows[std::size_t(o - 1)], 7.5);
}

void WriteRoom(ReportWriter& w, ReportChartObject& charts, const RoomReport& room, int& section) {
    w.Heading(Numbered(section, Text(room.Title)));
    if (!room.Failure.empty()) w.Paragraph(NotComputedLine(room.Failure));
    w.SubHeading(QStringLiteral("Исходные данные"));
    w.Table(room.Inputs, 8);
    for (const ElementReport& part : room.Parts)
        for (const ReportTable& table : part.Inputs) w.Table(table, 8);
    if (room.Parts.empty()) w.Paragraph(QStringLiteral("В помещении нет окон, стен и покрытия."));
    if (room.Totals) {
        w.SubHeading(QStringLiteral("Теплопоступления по часам"));
        w.Table(room.Totals->Totals, 8);
        w.Chart(charts.Add(MakeHourlyCharts(*room.Totals)));
    }
    if (room.Elements) w.Table(*room.Elements, 7.5);
    for (const ElementReport& part : room.Parts) {
        if (!part.Report) continue;
        if (part.Part == BuildingPart::Window) {
            w.SubHeading(Text(part.Heading) + QStringLiteral(": окна по сторонам света"));
            WriteWindowTables(w, *part.Report, charts.Add(MakeHourlyCharts(*part.Report)));
        } else if (part.Part == BuildingPart::Wall && part.Report->Walls) {
            w.SubHeading(Text(part.Heading) + QStringLiteral(": стены по сторонам света"));
            w.Table(*part.Report->Walls, 7.5);
        }
    }
}

void WriteReport(ReportWriter& w, ReportChartObject& charts, const BuildingReportContents& report) {
    w.Title(Text(report.Title));
    for (const auto& [caption, text] : report.TitleBlock)
        w.Paragraph(Text(caption) + QStringLiteral(": ") + Text(text));
    int section = 0;
    w.Heading(Numbered(section, QStringLiteral("Обозначения")));
    w.Table(report.Legend, 8);
    if (report.Summary) {
        w.Heading(Numbered(section, QStringLiteral("Здание")));
        w.Table(*report.Summary, 7);
        for (const std::string& note : report.SummaryNotes) w.Paragraph(Text(note));
    }
    w.Heading(Numbered(section, QStringLiteral("Район строительства и климат")));
    for (const ReportTable& table : report.Site) w.Table(table, 8);
    for (const RoomReport& room : report.Rooms) WriteRoom(w, charts, room, section);
}

}  // namespace

void SetReportPageLayout(QPagedPaintDevice& device) {
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 12, 15, 12),
                                     QPageLayout::Millimeter));
}

void PrintBuildingReport(QPagedPaintDevice& device, const BuildingReportContents& report) {
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
    ReportChartObject charts(QSizeF(page.width(), page.width() * kChartLayoutSize.height() / kChartLayoutSize.width()));
    document.documentLayout()->registerHandler(kChartObjectType, &charts);
    document.setPageSize(page);
    ReportWriter writer(document);
    WriteReport(writer, charts, report);
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

QByteArray BuildingReportPdf(const BuildingReportContents& report) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(1200);  // as a high-resolution printer, so that both lay the report out alike
        pdf.setCreator(QStringLiteral("solargain"));
        pdf.setTitle(Text(report.Title));
        SetReportPageLayout(pdf);
        PrintBuildingReport(pdf, report);
    }
    return bytes;
}

#include "ReportPrinter.moc"
