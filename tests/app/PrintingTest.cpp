// "Печать" through the very code path of the menu, with the print dialog
// replaced by one that sends the page to a PDF file.

#include <QAction>
#include <QDockWidget>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "FormTestSupport.h"
#include "JpegDecoder.h"
#include "ProjectProperties.h"

namespace {

// What the test reads back from a PDF that Qt wrote.
struct PdfFacts {
    int pages = 0;
    QSize image;      // pixels of the one image
    QSizeF placed;    // its size on the page, in points
    QSizeF pageSize;  // media box, points
    QImage picture;   // the image itself
};

QByteArray Inflate(const QByteArray& deflated) {
    // qUncompress wants the expected size in front; it grows its buffer as needed.
    QByteArray withSize(4, '\0');
    withSize[0] = char(0x10);  // a first guess of 256 MiB at most is never reached
    return qUncompress(withSize + deflated);
}

// Streams of the file, with the dictionary that precedes each.
QList<std::pair<QByteArray, QByteArray>> Streams(const QByteArray& pdf) {
    QList<std::pair<QByteArray, QByteArray>> streams;
    qsizetype from = 0;
    for (;;) {
        const qsizetype start = pdf.indexOf("stream\n", from);
        if (start < 0) break;
        const qsizetype dict = pdf.lastIndexOf("<<", start);
        const qsizetype end = pdf.indexOf("endstream", start);
        QByteArray dictionary = pdf.mid(dict, start - dict);
        QByteArray data = pdf.mid(start + 7, end - start - 7);
        if (data.endsWith('\n')) data.chop(1);
        if (dictionary.contains("/FlateDecode")) data = Inflate(data);
        streams.append({dictionary, data});
        from = end + 9;
    }
    return streams;
}

PdfFacts ReadPdf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray pdf = file.readAll();
    PdfFacts facts;
    facts.pages = int(pdf.count("/Type /Page\n") + pdf.count("/Type /Page ") + pdf.count("/Type /Page/"));
    const QRegularExpression mediaBox(QStringLiteral(R"(/MediaBox \[\s*0 0 ([\d.]+) ([\d.]+)\s*\])"));
    const auto box = mediaBox.match(QString::fromLatin1(pdf));
    if (box.hasMatch()) facts.pageSize = QSizeF(box.captured(1).toDouble(), box.captured(2).toDouble());
    for (const auto& [dictionary, data] : Streams(pdf)) {
        const QString d = QString::fromLatin1(dictionary);
        if (d.contains(QStringLiteral("/Subtype /Image"))) {
            const auto w = QRegularExpression(QStringLiteral(R"(/Width (\d+))")).match(d);
            const auto h = QRegularExpression(QStringLiteral(R"(/Height (\d+))")).match(d);
            facts.image = QSize(w.captured(1).toInt(), h.captured(1).toInt());
            if (d.contains(QStringLiteral("/DCTDecode"))) {
                facts.picture = DecodeJpeg(
                    {reinterpret_cast<const unsigned char*>(data.constData()), static_cast<std::size_t>(data.size())});
            } else {
                facts.picture = QImage(reinterpret_cast<const uchar*>(data.constData()), facts.image.width(),
                                       facts.image.height(), 3 * facts.image.width(), QImage::Format_RGB888)
                                    .copy();
            }
        } else {
            // The page's drawing: "w 0 0 h x y cm /ImN Do" places the image;
            // an outer "a 0 0 d x y cm" scales page units to points.
            const QString content = QString::fromLatin1(data);
            const QRegularExpression cm(QStringLiteral(R"(([-\d.]+) 0 0 ([-\d.]+) [-\d.]+ [-\d.]+ cm)"));
            double sx = 1, sy = 1;
            for (auto it = cm.globalMatch(content); it.hasNext();) {
                const auto m = it.next();
                sx *= m.captured(1).toDouble();
                sy *= m.captured(2).toDouble();
            }
            if (content.contains(QStringLiteral(" Do"))) facts.placed = QSizeF(std::abs(sx), std::abs(sy));
        }
    }
    return facts;
}

}  // namespace

class PrintingTest : public QObject, DialogTestState {
    Q_OBJECT

    QString PdfPath() const { return PathOf("печать окна.pdf"); }
    // The dialog step of the tests: accepted or cancelled, output to a PDF.
    void AnswerDialog(bool accept, int dotsPerInch = 300) {
        ui->form->PrintDialog1 = [this, accept, dotsPerInch](QPrinter& printer, QWidget*) {
            ++dialogRuns;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(PdfPath());
            printer.setResolution(dotsPerInch);
            printer.setPageSize(QPageSize(QPageSize::A4));
            printer.setPageOrientation(QPageLayout::Landscape);
            return accept;
        };
    }
    QColor Background() const { return ui->form->palette().color(QPalette::Window); }
    // A window that shows every page whole, so that the picture is the
    // window as shown.
    // The window at its size hint, the room list at its own: the pages get theirs.
    void ShowEveryPageWhole() {
        ui->form->resize(ui->form->sizeHint());
        ui->form->resizeDocks({ui->form->RoomDock}, {ui->form->RoomDock->sizeHint().width()}, Qt::Horizontal);
        QCoreApplication::sendPostedEvents();
    }

private slots:
    void init() {
        StartWindow();
        QFile::remove(PdfPath());
    }
    void cleanup() { ui.reset(); }

    void cancellingPrintsNothing() {
        AnswerDialog(false);
        const QColor before = Background();
        ui->Get<QAction>("N7")->trigger();
        QCOMPARE(dialogRuns, 1);
        QVERIFY(!QFile::exists(PdfPath()));
        QCOMPARE(Background(), before);
        QVERIFY(ui->errors.isEmpty());
    }

    void onePageAtTheWindowsPhysicalSize_data() {
        QTest::addColumn<int>("dotsPerInch");
        QTest::addColumn<int>("page");
        QTest::newRow("input page, 300 dpi") << 300 << 0;
        QTest::newRow("windows page, 600 dpi") << 600 << 1;
        QTest::newRow("totals page, 150 dpi") << 150 << 2;
    }
    void onePageAtTheWindowsPhysicalSize() {
        QFETCH(int, dotsPerInch);
        QFETCH(int, page);
        ShowEveryPageWhole();
        ui->SelectTab("PageControl2", page);
        AnswerDialog(true, dotsPerInch);
        const QColor before = Background();
        ui->Get<QAction>("N7")->trigger();
        QVERIFY2(ui->errors.isEmpty(), qPrintable(ui->errors.join('\n')));
        QCOMPARE(Background(), before);  // the button face is back

        const QSize client = ui->form->centralWidget()->size();
        const PdfFacts pdf = ReadPdf(PdfPath());
        QCOMPARE(pdf.pages, 1);
        QCOMPARE(pdf.image, client);
        // 96 screen pixels make one inch, 72 points.
        QVERIFY2(std::abs(pdf.placed.width() - client.width() * 72.0 / 96.0) < 0.5,
                 qPrintable(QString::number(pdf.placed.width())));
        QVERIFY2(std::abs(pdf.placed.height() - client.height() * 72.0 / 96.0) < 0.5,
                 qPrintable(QString::number(pdf.placed.height())));
    }

    // On A4 portrait the window is wider than the page: the whole picture,
    // the column 17-18 of "Итого :" included, goes onto the page turned to
    // landscape, where it is not scaled down as far (here not at all).
    void aPictureLargerThanThePageIsFittedOntoIt() {
        ShowEveryPageWhole();
        ui->SelectTab("PageControl2", 2);
        AnswerDialog(true);
        ui->form->PrintDialog1 = [this](QPrinter& printer, QWidget*) {
            ++dialogRuns;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(PdfPath());
            printer.setPageSize(QPageSize(QPageSize::A4));
            printer.setPageOrientation(QPageLayout::Portrait);
            return true;
        };
        ui->Get<QAction>("N7")->trigger();
        QVERIFY2(ui->errors.isEmpty(), qPrintable(ui->errors.join('\n')));
        const QSize client = ui->form->centralWidget()->size();
        const PdfFacts pdf = ReadPdf(PdfPath());
        QCOMPARE(pdf.pages, 1);
        QCOMPARE(pdf.image, client);
        QVERIFY2(pdf.pageSize.width() > pdf.pageSize.height(), "the page is not turned to landscape");
        QVERIFY2(pdf.placed.width() <= pdf.pageSize.width() && pdf.placed.height() <= pdf.pageSize.height(),
                 qPrintable(QStringLiteral("%1 x %2 on %3 x %4")
                                .arg(pdf.placed.width())
                                .arg(pdf.placed.height())
                                .arg(pdf.pageSize.width())
                                .arg(pdf.pageSize.height())));
        QVERIFY(std::abs(pdf.placed.width() / pdf.placed.height() - double(client.width()) / client.height()) < 0.01);
        // The picture's right edge, where the column 17-18 ends, is the
        // grid's and not cut off: its last column holds the header's text.
        const QImage& picture = pdf.picture;
        const QRect grid =
            ui->Grid("StringGrid6")
                ->geometry()
                .translated(
                    ui->Get<QWidget>("StringGrid6")->parentWidget()->mapTo(ui->form->centralWidget(), QPoint(0, 0)));
        int dark = 0;
        for (int x = grid.right() - 90; x < grid.right() - 4; ++x)
            for (int y = grid.top() + 4; y < grid.top() + 30; ++y) dark += picture.pixelColor(x, y).lightness() < 100;
        QVERIFY2(dark > 20, qPrintable(QString::number(dark)));
    }

    // In a window too small for the page, the page scrolls on the screen but
    // is printed whole: its last control, the roof's layer grid at the bottom
    // right, is on the paper; the window and its scrolling stay as they were.
    void aScrolledPageIsPrintedWhole() {
        ui->Click("CheckBox3");  // the roof's texts in their own colour
        ui->form->resize(600, 420);
        QCoreApplication::sendPostedEvents();
        auto* area = qobject_cast<QScrollArea*>(ui->Get<QTabWidget>("PageControl2")->currentWidget());
        QVERIFY(area);
        area->verticalScrollBar()->setValue(40);
        const QSize client = ui->form->centralWidget()->size();
        QWidget* page = ui->Get<QWidget>("TabSheet9");
        QVERIFY(page->width() > area->viewport()->width() && page->height() > area->viewport()->height());
        AnswerDialog(true);
        ui->Get<QAction>("N7")->trigger();  // the roof's results fail (no layers), the window prints
        const PdfFacts pdf = ReadPdf(PdfPath());
        QCOMPARE(pdf.pages, 1);
        // The page whole, below the page control's tabs.
        const int tabs = ui->Get<QTabWidget>("PageControl2")->tabBar()->height();
        QVERIFY2(pdf.image.width() >= page->width() && pdf.image.height() >= page->height() + tabs,
                 qPrintable(QStringLiteral("%1x%2").arg(pdf.image.width()).arg(pdf.image.height())));
        // The header texts of the roof's grid, where the page puts them.
        const QRect grid(ui->Grid("StringGrid3")->mapTo(page, QPoint(0, 0)), ui->Grid("StringGrid3")->size());
        const QPoint pageCorner = area->mapTo(ui->form->centralWidget(), QPoint(0, 0));
        int dark = 0;
        for (int x = grid.left() + 30; x < grid.left() + 200; ++x)
            for (int y = grid.top() + 4; y < grid.top() + 24; ++y)
                dark += pdf.picture.pixelColor(pageCorner + QPoint(x, y)).lightness() < 160;
        QVERIFY2(dark > 20, qPrintable(QString::number(dark)));
        QCOMPARE(ui->form->centralWidget()->size(), client);
        QCOMPARE(area->verticalScrollBar()->value(), 40);
    }

    void theWindowIsCapturedOnWhite() {
        AnswerDialog(true);
        ui->Get<QAction>("N7")->trigger();
        const PdfFacts pdf = ReadPdf(PdfPath());
        QCOMPARE(pdf.picture.size(), pdf.image);
        // The bottom-right corner of the input page carries no control: it
        // shows the window's background, white on paper, grey on the screen.
        const QColor corner = pdf.picture.pixelColor(pdf.image.width() - 6, pdf.image.height() - 6);
        QVERIFY2(corner.red() >= 250 && corner.green() >= 250 && corner.blue() >= 250, qPrintable(corner.name()));
        const QColor screen =
            ui->form->centralWidget()->grab().toImage().pixelColor(pdf.image.width() - 6, pdf.image.height() - 6);
        QVERIFY2(screen.lightness() < 245, qPrintable(screen.name()));
    }

    void aPrinterThatCannotStartIsReported() {
        ui->form->PrintDialog1 = [](QPrinter& printer, QWidget*) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QStringLiteral("/nonexistent folder/x.pdf"));
            return true;
        };
        const QColor before = Background();
        ui->Get<QAction>("N7")->trigger();
        QCOMPARE(ui->errors.size(), 1);
        QVERIFY2(ui->errors[0].startsWith(QStringLiteral("Не удалось начать печать")), qPrintable(ui->errors[0]));
        QCOMPARE(Background(), before);  // restored on failure too
    }

    // Above the picture a line names the project (its object first), the
    // page and the date, in the text of the PDF.
    void theHeaderLineNamesTheProjectAndThePage() {
        ProjectProperties properties;
        properties.Object = "Школа № 5";
        ui->form->SetProjectProperties(properties, false);
        ui->SelectTab("PageControl2", 2);
        AnswerDialog(true);
        ui->Get<QAction>("N7")->trigger();
        QVERIFY2(ui->errors.isEmpty(), qPrintable(ui->errors.join('\n')));
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {PdfPath(), QStringLiteral("-")});
        QVERIFY(pdftotext.waitForFinished(30000));
        const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
        const QString page = ui->Get<QTabWidget>("PageControl2")->tabText(2).remove('&').trimmed();
        const QRegularExpression line(QStringLiteral("Проект: Школа № 5, новый проект · Страница: %1 · "
                                                     "\\d\\d\\.\\d\\d\\.\\d{4} \\d\\d:\\d\\d")
                                          .arg(QRegularExpression::escape(page)));
        QVERIFY2(text.contains(line), qPrintable(text.left(300)));
        QCOMPARE(ReadPdf(PdfPath()).pages, 1);
    }
};

QTEST_MAIN(PrintingTest)
#include "PrintingTest.moc"
