// The report commands and the page «Графики» through the menu and the page
// tabs, the dialogs replaced: what is written, what cancelling leaves, what a
// file that cannot be written gives, and that the charts and the report
// carry the numbers the pages show. With $SOLARGAIN_SHOTS (a folder beside
// the test program) the report, its pages as pictures and the charts are
// kept there for a look by eye.

#include <clocale>
#include <string>

#include <QAction>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineSeries>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedBarSeries>
#include <QTest>

#include "FormTestSupport.h"
#include "ProjectDocument.h"
#include "ProjectReport.h"

namespace {

// The text of a PDF as pdftotext lays it out; empty when it cannot run.
QString PdfText(const QString& path) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0) return {};
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

// The folder where pictures are kept for a look, empty when none is asked for.
QString ShotsFolder() {
    const QString asked = qEnvironmentVariable("SOLARGAIN_SHOTS");
    if (asked.isEmpty()) return {};
    const QString dir = QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(asked);
    QDir().mkpath(dir);
    return dir;
}

// A row of cells as pdftotext shows it: the texts in order with blanks
// between them (or none, where pdftotext joins a number and its unit).
QRegularExpression RowPattern(const ReportRow& row, const QString& between = QStringLiteral("\\s+")) {
    QStringList parts;
    for (const ReportCell& cell : row)
        if (!cell.Text.empty()) parts << QRegularExpression::escape(QString::fromStdString(cell.Text));
    return QRegularExpression(parts.join(between));
}

}  // namespace

class ReportsTest : public QObject, DialogTestState {
    Q_OBJECT

    // A project with windows to the south and the west, a wall of three
    // layers to the south and a roof of one layer.
    void TypeProject() {
        ui->Type("Edit1", QStringLiteral("1.8"));
        ui->Type("Edit2", QStringLiteral("2.4"));
        ui->Click("CheckBox8");
        ui->Click("CheckBox10");
        ui->Click("CheckBox2");
        ui->Click("CheckBox16");
        ui->Type("Edit4", QStringLiteral("12.5"));
        ui->Type("Edit22", QStringLiteral("0.7"));
        const char* const layers[][4] = {{"Штукатурка", "9.6", "0.81", "0.02"},
                                         {"Кирпич", "9.2", "0.81", "0.38"},
                                         {"Минвата", "0.5", "0.045", "0.1"}};
        for (const auto& layer : layers) {
            ui->Type("Edit29", QString::fromUtf8(layer[0]));
            ui->Type("Edit30", QString::fromLatin1(layer[1]));
            ui->Type("Edit31", QString::fromLatin1(layer[2]));
            ui->Type("Edit32", QString::fromLatin1(layer[3]));
            ui->Press("Button1");
        }
        ui->Click("CheckBox3");
        ui->Type("Edit34", QStringLiteral("1"));
        ui->Type("Edit23", QStringLiteral("40"));
        ui->Type("Edit26", QStringLiteral("0.8"));
        ui->Type("Edit35", QStringLiteral("Железобетон"));
        ui->Type("Edit36", QStringLiteral("17.98"));
        ui->Type("Edit37", QStringLiteral("1.92"));
        ui->Type("Edit38", QStringLiteral("0.22"));
        ui->Press("Button2");
        QVERIFY2(ui->errors.isEmpty(), qPrintable(ui->errors.join('\n')));
    }
    void Trigger(const char* item) { ui->Get<QAction>(item)->trigger(); }
    void AnswerFiles(const QString& path, bool csv = false) {
        ui->form->ExportDialog1 = [this, path, csv](QWidget*) {
            ++dialogRuns;
            return TForm1::ExportTarget{path, csv};
        };
        for (auto* dialog : {&ui->form->ReportPdfDialog1, &ui->form->ChartSaveDialog1})
            *dialog = [this, path](QWidget*) {
                ++dialogRuns;
                return path;
            };
    }
    void AnswerPrinter(const QString& pdf, bool accept) {
        ui->form->PrintDialog1 = [this, pdf, accept](QPrinter& printer, QWidget*) {
            ++dialogRuns;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return accept;
        };
    }
    // The totals grid's value row (2, 5, 8, 11) as numbers.
    QList<double> TotalsRow(int row) const {
        QList<double> values;
        for (int c = 0; c < kHourCount; ++c) values << ui->Grid("StringGrid6")->Cell(row, c).trimmed().toDouble();
        return values;
    }

private slots:
    void init() {
        StartWindow();
        QDir(folder.path()).removeRecursively();
        QDir().mkpath(folder.path());
    }
    void cleanup() { ui.reset(); }

    void cancellingADialogWritesNothing_data() {
        QTest::addColumn<QString>("item");
        QTest::newRow("export") << QStringLiteral("ExportResults");
        QTest::newRow("PDF report") << QStringLiteral("ReportPdf");
        QTest::newRow("printed report") << QStringLiteral("PrintReport");
        QTest::newRow("chart picture") << QStringLiteral("ChartSaveButton");
    }
    void cancellingADialogWritesNothing() {
        QFETCH(QString, item);
        AnswerFiles(QString());
        AnswerPrinter(PathOf("отчёт.pdf"), false);
        if (item == QStringLiteral("ChartSaveButton")) {
            ui->ShowChartsPage();
            ui->Press("ChartSaveButton");
        } else {
            Trigger(item.toLatin1().constData());
        }
        QCOMPARE(dialogRuns, 1);
        QVERIFY(QDir(folder.path()).isEmpty());
        QVERIFY2(ui->errors.isEmpty(), qPrintable(ui->errors.join('\n')));
    }

    // The CSV is the tool's table of the building: the one room's sums and
    // the building's are the grid's sums; the workbook a zip archive.
    void exportWritesTheWorkbookOrTheCsv() {
        TypeProject();
        AnswerFiles(PathOf("итоги.csv"), true);
        Trigger("ExportResults");
        QVERIFY2(ui->errors.isEmpty(), qPrintable(ui->errors.join('\n')));
        const QStringList lines = QString::fromUtf8(ReadFile(PathOf("итоги.csv"))).split('\n');
        QCOMPARE(lines.value(0),
                 QStringLiteral("Row,Name,8-9,9-10,10-11,11-12,12-13,13-14,14-15,15-16,16-17,17-18,MaxHour,MaxGain"));
        for (const int line : {1, 2}) {
            QList<double> csv;
            for (const QString& field : lines.value(line).split(',').mid(2, kHourCount)) csv << field.toDouble();
            QCOMPARE(csv, TotalsRow(11));
        }
        QVERIFY(lines.value(1).startsWith(QStringLiteral("Room,Помещение 1,")));
        QVERIFY(lines.value(2).startsWith(QStringLiteral("Building,,")));
        AnswerFiles(PathOf("итоги.xlsx"));
        Trigger("ExportResults");
        QVERIFY(ReadFile(PathOf("итоги.xlsx")).startsWith("PK\x03\x04"));
        QCOMPARE(dialogRuns, 2);
    }

    // Under a Russian desktop the C library prints "1,5"; the workbook's XML
    // must still hold "1.5", or spreadsheet programs refuse the file.
    void theWorkbookReadsUnderARussianLocale() {
        const std::string before = std::setlocale(LC_NUMERIC, nullptr);
        if (std::setlocale(LC_NUMERIC, "ru_RU.UTF-8") == nullptr) {
            if (qEnvironmentVariableIsSet("CI")) QFAIL("the locale ru_RU.UTF-8 is not generated");
            QSKIP("the locale ru_RU.UTF-8 is not generated");
        }
        TypeProject();
        AnswerFiles(PathOf("итоги.xlsx"));
        Trigger("ExportResults");
        std::setlocale(LC_NUMERIC, before.c_str());
        QVERIFY2(ui->errors.isEmpty(), qPrintable(ui->errors.join('\n')));
        QProcess python;
        python.start(QStringLiteral("/usr/bin/python3"),
                     {QStringLiteral("-c"),
                      QStringLiteral("import sys, openpyxl\n"
                                     "book = openpyxl.load_workbook(sys.argv[1])\n"
                                     "print(sum(1 for s in book for r in s.iter_rows() for c in r "
                                     "if c.data_type == 'n' and c.value is not None))"),
                      PathOf("итоги.xlsx")});
        QVERIFY(python.waitForFinished(60000));
        QVERIFY2(python.exitCode() == 0, python.readAllStandardError().constData());
        QVERIFY(python.readAllStandardOutput().trimmed().toInt() > 100);
    }

    void aFileThatCannotBeWrittenIsReported() {
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("папка.pdf")));
        const QString name = PathOf("папка.pdf");
        AnswerFiles(name);
        for (const char* item : {"ExportResults", "ReportPdf"}) Trigger(item);
        QCOMPARE(ui->errors.size(), 2);
        for (const QString& error : ui->errors)
            QCOMPARE(error,
                     QStringLiteral("Не удалось записать файл «%1»: нет доступа к файлу. Прежний файл не изменён.")
                         .arg(name));
        QCOMPARE(ui->errorTitles, (QStringList{QStringLiteral("Экспорт результатов"), QStringLiteral("Отчёт (PDF)")}));
        QVERIFY(QFileInfo(name).isDir());
        QCOMPARE(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{"папка.pdf"});
    }

    // Showing the page brings the results up to date; the columns are the
    // rows of "Итого :", the orientations the totals add are drawn bold.
    void chartsShowTheTotalsRows() {
        TypeProject();
        ui->ShowChartsPage();
        QVERIFY2(ui->errors.isEmpty(), qPrintable(ui->errors.join('\n')));
        const QChart* totals = ui->Get<QChartView>("ChartView1")->chart();
        const auto* columns = qobject_cast<QStackedBarSeries*>(totals->series().value(0));
        QVERIFY(columns != nullptr);
        QCOMPARE(columns->count(), 3);
        const int gridRows[] = {2, 5, 8};
        for (int e = 0; e < 3; ++e) {
            QList<double> values;
            for (int h = 0; h < kHourCount; ++h) values << columns->barSets()[e]->at(h);
            QCOMPARE(values, TotalsRow(gridRows[e]));
        }
        const auto* sum = qobject_cast<QLineSeries*>(totals->series().value(1));
        QList<double> sumValues;
        for (const QPointF& point : sum->points()) sumValues << point.y();
        QCOMPARE(sumValues, TotalsRow(11));

        const QList<QAbstractSeries*> windows = ui->Get<QChartView>("ChartView2")->chart()->series();
        QCOMPARE(windows.size(), 8);
        for (int o = 0; o < 8; ++o) {
            const auto* line = qobject_cast<QLineSeries*>(windows[o]);
            QCOMPARE(line->pen().widthF() > 2, o == 4 || o == 6);
        }

        // A changed input is in the charts the next time the page is shown.
        ui->ShowInputPage();
        ui->Type("Edit4", QStringLiteral("25"));
        ui->ShowChartsPage();
        const auto* again = qobject_cast<QStackedBarSeries*>(ui->Get<QChartView>("ChartView1")->chart()->series()[0]);
        QCOMPARE(again->barSets()[1]->at(0), TotalsRow(5)[0]);
    }

    // Results that could not be computed are not charted: the page says why
    // and nothing can be saved until they are computed again.
    void chartsOfAFailedComputationAreNotShown() {
        TypeProject();
        ui->ShowInputPage();
        ui->Type("Edit33", QStringLiteral("4"));  // one more wall layer than entered
        ui->ShowChartsPage();
        QCOMPARE(ui->errors.size(), 1);
        QVERIFY(ui->Get<QLabel>("ChartsFailureLine")->isVisibleTo(ui->form.get()));
        QVERIFY(ui->Get<QLabel>("ChartsFailureLine")->text().contains(QStringLiteral("Не введён слой 4 стены")));
        QVERIFY(!ui->Get<QWidget>("ChartsArea")->isVisibleTo(ui->form.get()));
        QVERIFY(!ui->Get<QPushButton>("ChartSaveButton")->isEnabled());

        ui->ShowInputPage();
        ui->Type("Edit33", QStringLiteral("3"));
        ui->ShowChartsPage();
        QVERIFY(!ui->Get<QLabel>("ChartsFailureLine")->isVisibleTo(ui->form.get()));
        QVERIFY(ui->Get<QPushButton>("ChartSaveButton")->isEnabled());
        QVERIFY(!ui->Get<QChartView>("ChartView1")->chart()->series().isEmpty());
    }

    void chartsAreSavedAsPngAndSvg() {
        TypeProject();
        ui->ShowChartsPage();
        AnswerFiles(PathOf("графики.png"));
        ui->Press("ChartSaveButton");
        AnswerFiles(PathOf("графики.svg"));
        ui->Press("ChartSaveButton");
        QVERIFY2(ui->errors.isEmpty(), qPrintable(ui->errors.join('\n')));
        const QImage png(PathOf("графики.png"));
        QCOMPARE(png.size(), ui->Get<QWidget>("ChartsArea")->size());
        const QByteArray svg = ReadFile(PathOf("графики.svg"));
        QVERIFY(svg.contains("<svg"));
        QVERIFY(svg.contains("Теплопоступления"));
        if (const QString shots = ShotsFolder(); !shots.isEmpty()) {
            QFile::remove(shots + "/графики.png");
            QFile::copy(PathOf("графики.png"), shots + "/графики.png");
        }
    }

    // Every input and every totals cell in the text of the PDF, one code
    // path with the printed report, page numbers, and under 1 MB.
    void reportCarriesTheInputsAndTheTotals() {
        TypeProject();
        AnswerFiles(PathOf("отчёт.pdf"));
        Trigger("ReportPdf");
        QVERIFY2(ui->errors.isEmpty(), qPrintable(ui->errors.join('\n')));
        if (const QString shots = ShotsFolder(); !shots.isEmpty()) {
            QFile::remove(shots + "/отчёт.pdf");
            QFile::copy(PathOf("отчёт.pdf"), shots + "/отчёт.pdf");
        }
        const QByteArray pdf = ReadFile(PathOf("отчёт.pdf"));
        QVERIFY(pdf.startsWith("%PDF"));
        QVERIFY2(pdf.size() < 1024 * 1024, qPrintable(QString::number(pdf.size())));
        const QString text = PdfText(PathOf("отчёт.pdf"));
        QVERIFY2(!text.isEmpty(), "pdftotext (poppler-utils) did not read the report");

        const ProjectInputs inputs = ui->form->ShownProjectInputs();
        const ProjectReport report = MakeProjectReport(inputs, ui->form->ShownProjectResults(inputs));
        for (const ReportTable& table : report.Inputs) {
            for (const ReportRow& row : table.Rows) {
                const ReportCell& value = row.size() == 4 ? row[2] : row.back();
                QVERIFY2(text.contains(QString::fromStdString(value.Text)), value.Text.c_str());
                if (row.size() == 4 && !row[1].Text.empty())
                    QVERIFY2(text.contains(RowPattern({row[1], row[2], row[3]}, QStringLiteral("\\s*"))),
                             row[0].Text.c_str());
            }
        }
        for (const ReportRow& row : report.Totals.Rows)
            QVERIFY2(text.contains(RowPattern(row)), row.front().Text.c_str());
        const int pages = int(text.count('\f')) + (text.endsWith('\f') ? 0 : 1);
        QVERIFY(pages >= 2);
        QVERIFY(text.contains(QStringLiteral("Стр. 1 из %1").arg(pages)));
        QVERIFY(text.contains(QStringLiteral("Проект: новый проект")));
        QVERIFY(text.contains(QStringLiteral("Окна, сторона света Ю")));
        QVERIFY(!text.contains(QStringLiteral("Окна, сторона света СВ")));

        // The printed report is the same document.
        AnswerPrinter(PathOf("печать.pdf"), true);
        Trigger("PrintReport");
        QVERIFY2(ui->errors.isEmpty(), qPrintable(ui->errors.join('\n')));
        const auto withoutTime = [](QString t) {
            return t.remove(QRegularExpression(QStringLiteral("Дата и время: [^\\n]*")));
        };
        QCOMPARE(withoutTime(PdfText(PathOf("печать.pdf"))), withoutTime(text));
    }
};

QTEST_MAIN(ReportsTest)
#include "ReportsTest.moc"
