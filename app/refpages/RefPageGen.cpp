// Draws the reference pages of the viewer from their text data and writes
// them as JPEG files, 586 × 438 pixels each.
//
//   refpages_gen OUTPUT_FOLDER EMBED_PAGE EMBED_SOURCE ICON_PNG PAGE_NAMES DATA_FILE...
//
// Each data file holds one topic: a "topic" line, then pages. Every page
// begins with "page FILE.jpg" ("#" in FILE stands for the page's number
// within the topic); the lines after it, one element each:
//   heading TEXT                 bold line above a table or a drawing
//   columns A | B | ...          starts a table with these column titles
//   widths 2 | 1 | ...           relative column widths (default equal)
//   align l | c | r ...          cell alignment per column (default: words left, figures centred)
//   row A | B | ...              one table row
//   text TEXT                    a paragraph
//   note TEXT                    a small paragraph (remarks under a table)
//   missing TEXT                 a framed paragraph for data not given
//   scheme NAME HEIGHT           a drawing: window, angles or wall
//   source TEXT                  the source line at the foot of the page
// Lines starting with "#" and empty lines are skipped. Two lines stand for
// pages drawn from the reference tables of refdata/ (the tables the pickers
// use), each page named by FILE:
//   cities FILE                  the climate of the offered cities
//   materials FILE               the thermal properties of materials
// A page whose content does not fit is an error, so the build stops instead
// of cutting a table. PAGE_NAMES lists every page drawn, comma-separated and
// in order (the program's page list); drawing any other pages is an error.
//
// EMBED_PAGE is written once more as a C++ source EMBED_SOURCE defining the
// bytes of the picture the viewer shows before any page is loaded. ICON_PNG
// receives the program's picture for the desktop entry.

#include <cstddef>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>
#include <QTextStream>
#include <QtMath>

#include <cstdio>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "ProgramPicture.h"
#include "RefPagesText.h"
#include "SchemeDrawings.h"

namespace {

constexpr int kPageWidth = 586;
constexpr int kPageHeight = 438;
constexpr qreal kMargin = 10;
const QColor kNavy(0, 0, 128);
const QColor kMaroon(128, 0, 0);
const QColor kGrid(90, 90, 110);
const QColor kHeaderFill(218, 226, 242);
const QColor kStripeFill(244, 246, 250);

struct Element {
    QString kind;      // heading, table, text, note, missing, scheme
    QString text;      // or scheme name
    qreal height = 0;  // scheme height
    QStringList columns;
    std::vector<qreal> widths;
    QStringList aligns;
    std::vector<QStringList> rows;
};

struct Page {
    QString file;
    QString topic;
    int number = 0;
    int count = 0;
    std::vector<Element> elements;
    QString source;
};

[[noreturn]] void Fail(const QString& message) { throw std::runtime_error(message.toStdString()); }

QStringList Cells(const QString& rest) {
    QStringList cells = rest.split(QLatin1Char('|'));
    for (QString& c : cells) c = c.trimmed();
    return cells;
}

// A line of a topic with the place it comes from, for messages.
struct TopicLine {
    QString text;
    QString where;
};

// The lines of a data file, with the pages of a "cities" or "materials" line
// written out in its place.
std::vector<TopicLine> TopicLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) Fail("cannot read " + path);
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    std::vector<TopicLine> lines;
    int lineNumber = 0;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        const QString where = path + ":" + QString::number(++lineNumber) + ": ";
        const QStringList words = line.trimmed().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (words.size() == 2 && (words[0] == "cities" || words[0] == "materials")) {
            const std::string name = words[1].toStdString();
            const std::string pages = words[0] == "cities" ? CityPagesText(name) : MaterialPagesText(name);
            int generated = 0;
            for (const QString& l : QString::fromStdString(pages).split(QLatin1Char('\n'))) {
                lines.push_back({l, where + QString("%1, line %2: ").arg(words[0]).arg(++generated)});
            }
        } else {
            lines.push_back({line, where});
        }
    }
    return lines;
}

std::vector<Page> ReadTopic(const QString& path) {
    std::vector<Page> pages;
    QString topic;
    for (const TopicLine& line : TopicLines(path)) {
        const QString trimmed = line.text.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#'))) continue;
        const qsizetype space = trimmed.indexOf(QLatin1Char(' '));
        const QString key = space < 0 ? trimmed : trimmed.left(space);
        const QString rest = space < 0 ? QString() : trimmed.mid(space + 1).trimmed();
        const QString& where = line.where;
        if (key == "topic") {
            topic = rest;
            continue;
        }
        if (key == "page") {
            Page page;
            page.file = rest;
            page.topic = topic;
            pages.push_back(page);
            continue;
        }
        if (pages.empty()) Fail(where + "element before the first page");
        Page& page = pages.back();
        if (key == "source") {
            page.source = rest;
        } else if (key == "columns") {
            Element table;
            table.kind = "table";
            table.columns = Cells(rest);
            page.elements.push_back(table);
        } else if (key == "widths" || key == "align" || key == "row") {
            if (page.elements.empty() || page.elements.back().kind != "table") Fail(where + key + " outside a table");
            Element& table = page.elements.back();
            const QStringList cells = Cells(rest);
            if (cells.size() != table.columns.size()) {
                Fail(where +
                     QString("%1 cells where the table has %2 columns").arg(cells.size()).arg(table.columns.size()));
            }
            if (key == "widths") {
                table.widths.clear();
                for (const QString& w : cells) table.widths.push_back(w.toDouble());
            } else if (key == "align") {
                table.aligns = cells;
            } else {
                table.rows.push_back(cells);
            }
        } else if (key == "heading" || key == "text" || key == "note" || key == "missing") {
            Element e;
            e.kind = key;
            e.text = rest;
            page.elements.push_back(e);
        } else if (key == "scheme") {
            const QStringList parts = rest.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            if (parts.size() != 2) Fail(where + "scheme NAME HEIGHT");
            Element e;
            e.kind = "scheme";
            e.text = parts[0];
            e.height = parts[1].toDouble();
            page.elements.push_back(e);
        } else {
            Fail(where + "unknown element " + key);
        }
    }
    for (std::size_t i = 0; i < pages.size(); ++i) {
        pages[i].number = static_cast<int>(i) + 1;
        pages[i].count = static_cast<int>(pages.size());
        pages[i].file.replace(QLatin1Char('#'), QString::number(pages[i].number));
    }
    return pages;
}

QFont PageFont(qreal pixels, bool bold = false, bool italic = false) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(qRound(pixels));
    font.setBold(bold);
    font.setItalic(italic);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

// Height of a wrapped text in a given width.
qreal TextHeight(QPainter& p, const QFont& font, qreal width, const QString& text, int flags = Qt::TextWordWrap) {
    p.setFont(font);
    return p.boundingRect(QRectF(0, 0, width, 10000), flags, text).height();
}

// Alignment of a column: as given by "align", else words to the left and
// figures centred.
Qt::Alignment AlignOf(const Element& table, qsizetype column) {
    QString a;
    if (column < table.aligns.size()) {
        a = table.aligns[column];
    } else {
        a = "c";
        for (const QStringList& row : table.rows) {
            for (const QChar ch : row[column]) {
                if (ch.isLetter() && ch != QChar('E')) a = "l";
            }
        }
    }
    if (a == "r") return Qt::AlignRight | Qt::AlignVCenter;
    if (a == "c") return Qt::AlignHCenter | Qt::AlignVCenter;
    return Qt::AlignLeft | Qt::AlignVCenter;
}

qreal DrawTable(QPainter& p, const Element& table, qreal top, qreal left, qreal width, bool draw) {
    const qsizetype n = table.columns.size();
    std::vector<qreal> weights = table.widths;
    if (weights.empty()) weights.assign(static_cast<std::size_t>(n), 1.0);
    qreal total = 0;
    for (qreal w : weights) total += w;
    std::vector<qreal> xs{left};
    for (qreal w : weights) xs.push_back(xs.back() + width * w / total);

    const QFont headerFont = PageFont(10, true);
    const QFont cellFont = PageFont(10.5);
    const qreal pad = 3;
    auto rowHeight = [&](const QStringList& cells, const QFont& font) {
        qreal h = 0;
        for (qsizetype c = 0; c < n; ++c) {
            const qreal cw = xs[static_cast<std::size_t>(c) + 1] - xs[static_cast<std::size_t>(c)] - 2 * pad;
            h = std::max(h, TextHeight(p, font, cw, cells[c]));
        }
        return h + 2 * pad;
    };
    auto drawRow = [&](const QStringList& cells, const QFont& font, qreal y, qreal h, const QColor& fill, bool header) {
        p.fillRect(QRectF(left, y, width, h), fill);
        p.setFont(font);
        p.setPen(header ? kNavy : Qt::black);
        for (qsizetype c = 0; c < n; ++c) {
            const QRectF cell(xs[static_cast<std::size_t>(c)] + pad, y + pad,
                              xs[static_cast<std::size_t>(c) + 1] - xs[static_cast<std::size_t>(c)] - 2 * pad,
                              h - 2 * pad);
            const Qt::Alignment align = header ? (Qt::AlignHCenter | Qt::AlignVCenter) : AlignOf(table, c);
            p.drawText(cell, static_cast<int>(align) | Qt::TextWordWrap, cells[c]);
        }
        p.setPen(QPen(kGrid, 0.8));
        p.drawRect(QRectF(left, y, width, h));
        for (qsizetype c = 1; c < n; ++c) {
            p.drawLine(QPointF(xs[static_cast<std::size_t>(c)], y), QPointF(xs[static_cast<std::size_t>(c)], y + h));
        }
    };

    qreal y = top;
    const qreal hh = rowHeight(table.columns, headerFont);
    if (draw) drawRow(table.columns, headerFont, y, hh, kHeaderFill, true);
    y += hh;
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const qreal h = rowHeight(table.rows[r], cellFont);
        if (draw) drawRow(table.rows[r], cellFont, y, h, r % 2 ? kStripeFill : Qt::white, false);
        y += h;
    }
    return y - top;
}

// Lays the page out; with draw false only measures. Returns the bottom of
// the content.
qreal LayOut(QPainter& p, const Page& page, bool draw) {
    const qreal width = kPageWidth - 2 * kMargin;
    qreal y = kMargin;

    // Topic line with the page number on the right.
    const QFont topicFont = PageFont(12.5, true);
    const QString number = QString("стр. %1 из %2").arg(page.number).arg(page.count);
    p.setFont(PageFont(10));
    const qreal numberWidth = p.fontMetrics().horizontalAdvance(number) + 8;
    const qreal topicHeight = TextHeight(p, topicFont, width - numberWidth, page.topic);
    if (draw) {
        p.setFont(topicFont);
        p.setPen(kNavy);
        p.drawText(QRectF(kMargin, y, width - numberWidth, topicHeight), Qt::TextWordWrap, page.topic);
        p.setFont(PageFont(10));
        p.setPen(kMaroon);
        p.drawText(QRectF(kMargin, y, width, topicHeight), Qt::AlignRight | Qt::AlignTop, number);
        p.setPen(QPen(kNavy, 1.2));
        p.drawLine(QPointF(kMargin, y + topicHeight + 3), QPointF(kMargin + width, y + topicHeight + 3));
    }
    y += topicHeight + 8;

    for (const Element& e : page.elements) {
        if (e.kind == "table") {
            y += DrawTable(p, e, y, kMargin, width, draw) + 5;
        } else if (e.kind == "scheme") {
            if (draw) DrawScheme(p, e.text, QRectF(kMargin, y, width, e.height));
            y += e.height + 4;
        } else {
            QFont font = PageFont(10.5);
            QColor colour = Qt::black;
            qreal inset = 0;
            if (e.kind == "heading") {
                font = PageFont(11.5, true);
                colour = kMaroon;
            } else if (e.kind == "note") {
                font = PageFont(9.5);
                colour = QColor(40, 40, 40);
            } else if (e.kind == "missing") {
                inset = 8;
                colour = QColor(90, 60, 0);
            }
            const qreal h = TextHeight(p, font, width - 2 * inset, e.text);
            if (draw) {
                if (inset > 0) {
                    const QRectF frame(kMargin, y, width, h + 2 * inset);
                    p.fillRect(frame, QColor(255, 248, 225));
                    p.setPen(QPen(QColor(200, 160, 60), 1, Qt::DashLine));
                    p.drawRect(frame);
                }
                p.setFont(font);
                p.setPen(colour);
                p.drawText(QRectF(kMargin + inset, y + inset, width - 2 * inset, h), Qt::TextWordWrap, e.text);
            }
            y += h + 2 * inset + (e.kind == "heading" ? 3 : 5);
        }
    }

    if (!page.source.isEmpty()) {
        const QFont font = PageFont(9, false, true);
        const QString text = "Источник: " + page.source;
        const qreal h = TextHeight(p, font, width, text);
        const qreal top = kPageHeight - kMargin - h;
        if (top < y) Fail(page.file + QString(": the content runs %1 px into the source line").arg(qCeil(y - top)));
        if (draw) {
            p.setPen(QPen(QColor(150, 150, 150), 0.8));
            p.drawLine(QPointF(kMargin, top - 3), QPointF(kMargin + width, top - 3));
            p.setFont(font);
            p.setPen(QColor(70, 70, 70));
            p.drawText(QRectF(kMargin, top, width, h), Qt::TextWordWrap, text);
        }
    }
    return y;
}

QImage Render(const Page& page) {
    QImage image(kPageWidth, kPageHeight, QImage::Format_RGB888);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const qreal bottom = LayOut(p, page, false);
    if (bottom > kPageHeight - kMargin) {
        Fail(page.file +
             QString(": the content is %1 px too tall for the page").arg(qCeil(bottom - kPageHeight + kMargin)));
    }
    LayOut(p, page, true);
    return image;
}

std::vector<unsigned char> EncodeJpeg(const QImage& image) {
    jpeg_compress_struct info{};
    jpeg_error_mgr error{};
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(image.width());
    info.image_height = static_cast<JDIMENSION>(image.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 92, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(image.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    std::vector<unsigned char> bytes(buffer, buffer + size);
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return bytes;
}

void WriteBytes(const QString& path, const std::vector<unsigned char>& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size())) !=
            static_cast<qint64>(bytes.size())) {
        Fail("cannot write " + path);
    }
}

void WriteEmbedded(const QString& path, const std::vector<unsigned char>& bytes) {
    QString text;
    text += "// Generated from the reference page data; do not edit.\n";
    text += "#include \"EmbeddedPage.h\"\n\n";
    text += "namespace {\nconst unsigned char kBytes[] = {";
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i % 20 == 0) text += "\n   ";
        text += QString(" %1,").arg(bytes[i]);
    }
    text += "\n};\n}  // namespace\n\n";
    text += "std::span<const unsigned char> EmbeddedFirstPage() { return {kBytes, sizeof kBytes}; }\n";
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text) || file.write(text.toUtf8()) < 0)
        Fail("cannot write " + path);
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 7) {
        std::fprintf(stderr,
                     "usage: refpages_gen OUTPUT_FOLDER EMBED_PAGE EMBED_SOURCE ICON_PNG PAGE_NAMES DATA_FILE...\n");
        return 2;
    }
    try {
        const QString folder = args[1];
        bool embedded = false;
        const QStringList expected = args[5].split(QLatin1Char(','));
        QStringList drawn;
        if (!ProgramPicture(128).save(args[4], "PNG")) Fail("cannot write " + args[4]);
        for (qsizetype i = 6; i < args.size(); ++i) {
            for (const Page& page : ReadTopic(args[i])) {
                if (drawn.contains(page.file)) Fail("page " + page.file + " given twice");
                drawn << page.file;
                const std::vector<unsigned char> bytes = EncodeJpeg(Render(page));
                WriteBytes(folder + "/" + page.file, bytes);
                if (page.file == args[2]) {
                    WriteEmbedded(args[3], bytes);
                    embedded = true;
                }
            }
        }
        if (!embedded) Fail("no page " + args[2] + " to embed");
        if (drawn != expected) {
            Fail(
                "the pages drawn differ from the page list (app/refpages/CMakeLists.txt and the viewer's topic "
                "table):\n  drawn:  " +
                drawn.join(' ') + "\n  listed: " + expected.join(' '));
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "refpages_gen: %s\n", e.what());
        return 1;
    }
    return 0;
}
