// What hands a calculation over: the project's properties through their
// dialog into the title, the reports and the file; «Копировать таблицу»
// read by a spreadsheet; the file dialogs starting at the project; the
// status line naming the file written; the question before a window table
// file leaves something out.

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTimer>

#include <functional>

#include "BuildingDocument.h"
#include "FormTestSupport.h"
#include "ProjectProperties.h"

namespace {

// Runs `look` on the modal dialog that `open` brings up, once it is up.
template <class Dialog>
void WithModal(const std::function<void()>& open, const std::function<void(Dialog*)>& look) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) qFatal("no dialog came up");
        seen = true;
        look(dialog);
    });
    open();
    if (!seen) qFatal("the dialog was not shown");
}

// The clipboard's tab-separated text read by Python's csv module (tab
// dialect) into an openpyxl workbook, saved and read back: its rows, each
// field a number where the decimal mark `point` makes one.
QJsonArray ThroughASpreadsheet(const QString& tsv, QChar point, const QString& folder) {
    const QString script = QStringLiteral(
        "import csv, io, json, sys, openpyxl\n"
        "point, path = sys.argv[1], sys.argv[2]\n"
        "book = openpyxl.Workbook()\n"
        "sheet = book.active\n"
        "def value(field):\n"
        "    try:\n"
        "        return float(field.replace(point, '.')) if point == '.' or '.' not in field else field\n"
        "    except ValueError:\n"
        "        return field\n"
        "for row in csv.reader(io.StringIO(sys.stdin.read()), dialect='excel-tab'):\n"
        "    sheet.append([value(f) for f in row])\n"
        "book.save(path)\n"
        "rows = [[c.value for c in r] for r in openpyxl.load_workbook(path).active.iter_rows()]\n"
        "print(json.dumps(rows))\n");
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral("-c"), script, QString(point), folder + QStringLiteral("/вставка.xlsx")});
    python.write(tsv.toUtf8());
    python.closeWriteChannel();
    if (!python.waitForFinished(60000) || python.exitCode() != 0) qFatal("%s", python.readAllStandardError().data());
    return QJsonDocument::fromJson(python.readAllStandardOutput()).array();
}

}  // namespace

class HandoverGuiTest : public QObject, DialogTestState {
    Q_OBJECT

    void TypeProject() {
        ui->Type("Edit1", QStringLiteral("1.8"));
        ui->Type("Edit2", QStringLiteral("2.4"));
        ui->Click("CheckBox8");
        ui->Click("CheckBox10");
        ui->Click("CheckBox2");
        ui->Click("CheckBox16");
        ui->Type("Edit4", QStringLiteral("12.5"));
        ui->Type("Edit22", QStringLiteral("0.7"));
        EnterLayer(*ui, kWallEditor, kWallLayers[0]);
        EnterLayer(*ui, kWallEditor, kWallLayers[1]);
        EnterLayer(*ui, kWallEditor, kWallLayers[2]);
        QVERIFY2(ui->errors.isEmpty(), qPrintable(ui->errors.join('\n')));
    }

    // The grid's rows below its header as the numbers they show.
    static QList<QList<double>> GridNumbers(const StringGrid* grid) {
        QList<QList<double>> rows;
        for (int r = 1; r < grid->rowCount(); ++r) {
            QList<double> row;
            for (int c = 0; c < grid->columnCount(); ++c) {
                bool number = false;
                const double value = grid->Cell(r, c).trimmed().toDouble(&number);
                if (number) row << value;
            }
            if (!row.isEmpty()) rows << row;
        }
        return rows;
    }
    static QList<QList<double>> SheetNumbers(const QJsonArray& sheet) {
        QList<QList<double>> rows;
        for (qsizetype r = 1; r < sheet.size(); ++r) {
            QList<double> row;
            for (const QJsonValue& cell : sheet[r].toArray())
                if (cell.isDouble()) row << cell.toDouble();
            if (!row.isEmpty()) rows << row;
        }
        return rows;
    }

private slots:
    void init() {
        StartWindow();
        QDir(folder.path()).removeRecursively();
        QDir().mkpath(folder.path());
    }
    void cleanup() {
        ui.reset();
        QLocale::setDefault(QLocale::c());
    }

    // Typed into the dialog, the properties name the window and mark the
    // project modified; written in the project document they read back, and
    // a project opened with them shows them in the dialog, unmodified.
    void propertiesGoThroughTheDialogIntoTheFile() {
        const QString notes = QStringLiteral("Первая строка\nвторая строка");
        WithModal<QDialog>([&] { ui->Get<QAction>("ProjectPropertiesItem")->trigger(); },
                           [&](QDialog* dialog) {
                               Control<QLineEdit>(dialog, "PropertyObject")->setText(QStringLiteral("Школа № 5"));
                               Control<QLineEdit>(dialog, "PropertyAuthor")->setText(QStringLiteral("Иванов"));
                               Control<QPlainTextEdit>(dialog, "PropertyNotes")->setPlainText(notes);
                               dialog->accept();
                           });
        QVERIFY2(ui->errors.isEmpty(), qPrintable(ui->errors.join('\n')));
        QVERIFY(ui->form->windowTitle().startsWith(QStringLiteral("Школа № 5 — ")));
        QVERIFY(ui->form->isWindowModified());
        const ProjectProperties typed = ui->form->ReportedBuilding().Properties;
        QCOMPARE(QString::fromStdString(typed.Author), QStringLiteral("Иванов"));
        QCOMPARE(QString::fromStdString(typed.Notes), notes);

        // The project document of the building, written and read back.
        const BuildingInputs building = ui->form->ReportedBuilding();
        const std::string text = WriteBuildingFile(building, ComputeBuildingOutcome(building));
        QCOMPARE(ReadAnyBuilding(text).Properties, typed);

        // A new project has none; opened with them, the project is as saved.
        ui->Get<QAction>("NewItem")->trigger();
        QCOMPARE(ui->form->ReportedBuilding().Properties, ProjectProperties{});
        QVERIFY(!ui->form->windowTitle().contains(QStringLiteral("Школа")));
        ui->form->SetProjectProperties(ReadAnyBuilding(text).Properties, true);
        QVERIFY(!ui->form->isWindowModified());
        QVERIFY(ui->form->windowTitle().startsWith(QStringLiteral("Школа № 5 — ")));
        WithModal<QDialog>([&] { ui->Get<QAction>("ProjectPropertiesItem")->trigger(); },
                           [&](QDialog* dialog) {
                               QCOMPARE(Control<QLineEdit>(dialog, "PropertyObject")->text(),
                                        QStringLiteral("Школа № 5"));
                               QCOMPARE(Control<QPlainTextEdit>(dialog, "PropertyNotes")->toPlainText(), notes);
                               Control<QLineEdit>(dialog, "PropertyCheckedBy")->setText(QStringLiteral("Петров"));
                               dialog->reject();
                           });
        QVERIFY(!ui->form->isWindowModified());  // cancelled: nothing changed
        QCOMPARE(ui->form->ReportedBuilding().Properties, typed);
    }

    // The copy of the totals and of the windows page, pasted into a
    // spreadsheet, gives the numbers the grid shows, under a Russian locale
    // (decimal comma) and the C locale alike.
    void copiedTablesGiveTheNumbersShown_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("grid");
        QTest::addColumn<QString>("locale");
        QTest::newRow("totals, ru_RU") << 2 << "StringGrid6"
                                       << "ru_RU";
        QTest::newRow("windows, ru_RU") << 1 << "StringGrid1"
                                        << "ru_RU";
        QTest::newRow("windows, C") << 1 << "StringGrid1"
                                    << "C";
    }
    void copiedTablesGiveTheNumbersShown() {
        QFETCH(int, page);
        QFETCH(QString, grid);
        QFETCH(QString, locale);
        TypeProject();
        QLocale::setDefault(QLocale(locale));
        ui->SelectTab("PageControl2", page);
        QApplication::clipboard()->clear();
        ui->form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(ui->form.get()));
        QTest::keyClick(ui->form.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY2(ui->errors.isEmpty(), qPrintable(ui->errors.join('\n')));
        const QMimeData* copied = QApplication::clipboard()->mimeData();
        QVERIFY(copied != nullptr && copied->hasHtml() && copied->html().contains(QStringLiteral("<table")));
        const QString tsv = copied->text();
        const QStringList lines = tsv.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.value(0).split('\t').mid(1, 2), (QStringList{"8-9", "9-10"}));
        const QChar point = QLocale().decimalPoint().front();
        if (point != '.') QVERIFY(!tsv.contains(QRegularExpression(QStringLiteral("\\d\\.\\d"))));

        const QJsonArray sheet = ThroughASpreadsheet(tsv, point, folder.path());
        const QList<QList<double>> shown = GridNumbers(ui->Grid(qPrintable(grid)));
        QVERIFY(!shown.isEmpty());
        QCOMPARE(SheetNumbers(sheet), shown);
        if (grid == QStringLiteral("StringGrid1")) {
            QCOMPARE(sheet[1].toArray()[0].toString(), QStringLiteral("qвп , Вт/м²"));  // each row led by its caption
        } else {
            QCOMPARE(sheet[1].toArray()[0].toString(), QStringLiteral("Окна"));
        }
    }

    void copyOnAPageWithoutResultsSaysSo() {
        ui->ShowChartsPage();
        ui->Get<QAction>("CopyTable")->trigger();
        QVERIFY(ui->errors.isEmpty());
        QVERIFY(ui->StatusLine().contains(QStringLiteral("нет таблицы")));
    }

    // Each dialog starts in the project's folder with the project's name and
    // its own extension; a new project, in the folder last used, named by
    // its object.
    void dialogsStartWhereTheProjectIs() {
        QDir().mkpath(PathOf("проекты"));
        SaveThrough("SaveAsItem", PathOf("проекты/дом.json"));
        QVERIFY2(ui->errors.isEmpty(), qPrintable(ui->errors.join('\n')));
        const QString there = QFileInfo(PathOf("проекты")).absoluteFilePath();
        const struct {
            std::function<void()> open;
            QString proposed;
        } dialogs[] = {
            {[&] { TForm1::RunExportDialog1(ui->form.get()); }, "дом.xlsx"},
            {[&] { TForm1::RunReportPdfDialog1(ui->form.get()); }, "дом.pdf"},
            {[&] { TForm1::RunChartSaveDialog1(ui->form.get()); }, "дом.png"},
            {[&] { TForm1::RunSaveDialog1(ui->form.get()); }, "дом.solargain"},
            {[&] { TForm1::RunOpenDialog1(ui->form.get()); }, ""},
        };
        for (const auto& d : dialogs) {
            WithModal<QFileDialog>(d.open, [&](QFileDialog* dialog) {
                QCOMPARE(dialog->directory().absolutePath(), there);
                if (!d.proposed.isEmpty())
                    QCOMPARE(dialog->selectedFiles().value(0), there + QLatin1Char('/') + d.proposed);
                dialog->reject();
            });
        }
        // A new project: the folder last used, the object's name.
        ui->Get<QAction>("NewItem")->trigger();
        ProjectProperties properties;
        properties.Object = "Школа: корпус 2";
        ui->form->SetProjectProperties(properties, false);
        WithModal<QFileDialog>([&] { TForm1::RunReportPdfDialog1(ui->form.get()); },
                               [&](QFileDialog* dialog) {
                                   QCOMPARE(dialog->selectedFiles().value(0),
                                            there + QStringLiteral("/Школа_ корпус 2.pdf"));
                                   dialog->reject();
                               });
    }

    // After an export and a report the status bar names the file and links
    // its folder.
    void theStatusLineNamesWhatWasWritten() {
        TypeProject();
        ui->form->ExportDialog1 = [this](QWidget*) { return TForm1::ExportTarget{PathOf("итоги.xlsx"), false}; };
        ui->Get<QAction>("ExportResults")->trigger();
        QVERIFY2(ui->errors.isEmpty(), qPrintable(ui->errors.join('\n')));
        auto* line = ui->Get<QLabel>("WrittenFileLine");
        QVERIFY(line->isVisible());
        QVERIFY(line->text().contains(QStringLiteral("Книга Excel «итоги.xlsx» записан в папку")));
        QVERIFY(line->text().contains(QUrl::fromLocalFile(folder.path()).toString(QUrl::FullyEncoded)));
        QVERIFY(ReadFile(PathOf("итоги.xlsx")).startsWith("PK"));

        ui->form->ReportPdfDialog1 = [this](QWidget*) { return PathOf("отчёт.pdf"); };
        ui->Get<QAction>("ReportPdf")->trigger();
        QVERIFY(line->text().contains(QStringLiteral("Отчёт «отчёт.pdf»")));
    }

    // What a window table file leaves out is asked about first; declined,
    // nothing is written.
    void aWindowTableFileSaysWhatItLeavesOut() {
        ui->Click("CheckBox2");  // walls
        ui->Click("CheckBox8");  // windows to the south count
        ProjectProperties properties;
        properties.Author = "Иванов";
        ui->form->SetProjectProperties(properties, false);
        ui->form->TableFormatQuestion1 = [this](const QStringList& left, QWidget*) {
            ui->tableFileLeftOut << left;
            return false;
        };
        SaveThrough("SaveAsItem", PathOf("окна.txt"));
        QVERIFY(!QFile::exists(PathOf("окна.txt")));
        QCOMPARE(ui->tableFileLeftOut.size(), 1);
        QCOMPARE(ui->tableFileLeftOut[0],
                 (QStringList{"стены", "выбор сторон света окон в итоге", "свойства проекта"}));
        QVERIFY(ui->form->isWindowModified());
    }
};

QTEST_MAIN(HandoverGuiTest)
#include "HandoverGuiTest.moc"
