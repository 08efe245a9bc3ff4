// The window table file saved and opened through the main window, the file
// dialogs replaced: a full round trip, what is saved is what is shown, the
// header handlers, and files that are refused without changing anything.

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QTest>

#include "Conversions.h"
#include "DerivedInputs.h"
#include "FormTestSupport.h"
#include "ProjectDocument.h"
#include "ProjectFile.h"

namespace {

// Controls of the header lines that the user types (the derived Edit17 and
// Edit18 follow by themselves).
const char* const kTypedEdits[] = {"Edit1",  "Edit2",  "Edit8",  "Edit9",  "Edit10", "Edit11", "Edit7", "Edit6",
                                   "Edit12", "Edit13", "Edit14", "Edit15", "Edit16", "Edit3",  "Edit5"};

QList<QByteArray> Lines(const QByteArray& text) {
    QList<QByteArray> lines = text.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    for (QByteArray& line : lines) {
        if (line.endsWith('\r')) line.chop(1);
    }
    return lines;
}

QByteArray JoinCrLf(const QList<QByteArray>& lines) {
    QByteArray text;
    for (const QByteArray& line : lines) text += line + "\r\n";
    return text;
}

}  // namespace

class ProjectFileGuiTest : public QObject, DialogTestState {
    Q_OBJECT

    void Save(const QString& path) { SaveThrough("N2", path); }
    void TypeAll(const QStringList& texts) {
        ui->Get<QComboBox>("ComboBox1")->setCurrentText(texts[0]);
        for (int i = 0; i < int(std::size(kTypedEdits)); ++i) ui->Type(kTypedEdits[i], texts[i + 1]);
        ui->Edit("Edit19")->setText(texts.last());  // the tilt line is hidden for vertical glazing
    }
    QStringList Shown() const { return ui->form->HeaderControlTexts(); }
    int CurrentPage() const { return ui->Get<QTabWidget>("PageControl2")->currentIndex(); }
    // The project's window table, fields 1..19.
    WindowHourTable Table() const { return ui->form->Project.WindowHours; }

private slots:
    void init() { StartWindow(); }
    void cleanup() { ui.reset(); }

    void roundTripRestoresControlsAndTable() {
        TypeAll({"52", "1.8", "2.4", "0.4", "0.2", "0.1", "0.05", "24.5", "21", "12.3", "0.85", "0.3", "0.42", "0.8",
                 "2", "4", "0"});
        ui->ShowWindowsPage();  // computes the window table from the inputs
        QVERIFY2(ui->errors.isEmpty(), qPrintable(ui->errors.join('\n')));
        const QString path = PathOf("Проект окна 1.txt");
        Save(path);
        QVERIFY2(ui->errors.isEmpty(), qPrintable(ui->errors.join('\n')));
        const QStringList savedTexts = Shown();
        const WindowHourTable saved = Table();
        const QString savedEdit42 = ui->Text("Edit42");

        const QList<QByteArray> lines = Lines(ReadFile(path));
        QCOMPARE(lines.size(), 1379);
        QVERIFY(ReadFile(path).endsWith("\r\n"));
        for (int i = 0; i < 19; ++i) QCOMPARE(QString::fromUtf8(lines[i]), savedTexts[i]);
        QCOMPARE(lines[ProjectTableLine(5, 5, 17) - 1],
                 QByteArray::fromStdString(FormatDecimal4(saved.Record(5, 5).Field(17))));

        // Change everything, and leave the input page.
        ui->ShowInputPage();
        TypeAll({"44", "1.2", "1.6", "0.6", "0.5", "0", "0.3", "18", "22", "9", "0.7", "0.2", "0.55", "0.75", "1",
                 "2.5", "0"});
        ui->ShowTotalsPage();
        ui->ShowWindowsPage();
        QVERIFY(!(Table() == saved));

        Open(path);
        QVERIFY2(ui->errors.isEmpty(), qPrintable(ui->errors.join('\n')));
        QCOMPARE(CurrentPage(), 0);
        QCOMPARE(Shown(), savedTexts);
        QCOMPARE(ui->Text("Edit42"), savedEdit42);  // the wind speed changed, so it follows it
        for (int o = 1; o <= kOrientationCount; ++o) {
            for (int h = 1; h <= kHourCount; ++h) {
                for (int f = 1; f <= kShownFieldCount; ++f) {
                    QCOMPARE(Table().Record(o, h).Field(f), saved.Record(o, h).Field(f));
                }
            }
        }
        // The table stands as loaded: showing "Окна" does not compute it again.
        for (auto& record : ui->form->Project.WindowHours.records) record.Field(18) = Decimal4::FromInt(9);
        ui->ShowWindowsPage();
        QCOMPARE(Table().Record(3, 4).Field(18), Decimal4::FromInt(9));
        QCOMPARE(ui->Get<QTabWidget>("PageControl1")->currentIndex(), 0);
        QVERIFY(ui->errors.isEmpty());
    }

    // Right after start, without "Окна": the header is what is shown and
    // the table is computed from it.
    void savingRightAfterStartWritesTheInputsShown() {
        const QString path = PathOf("сразу.txt");
        ui->Type("Edit1", QStringLiteral("2.4"));
        ui->Get<QComboBox>("ComboBox1")->setCurrentText(QStringLiteral("56"));
        ui->Type("Edit5", QStringLiteral("3.30"));
        Save(path);
        QVERIFY2(ui->errors.isEmpty(), qPrintable(ui->errors.join('\n')));
        const QList<QByteArray> lines = Lines(ReadFile(path));
        QCOMPARE(lines.size(), 1379);
        const QList<QByteArray> header{"56",  "2.4",  "2",    "0.3", "0.3",     "0", "0",   "22.5", "20", "14.7",
                                       "0.9", "0.25", "0.34", "4.8", "26.8724", "0", "0.9", "1",    "3.3"};
        QCOMPARE(lines.mid(0, 19), header);
        QCOMPARE(lines[ProjectTableLine(5, 5, 17) - 1],
                 QByteArray::fromStdString(FormatDecimal4(Table().Record(5, 5).Field(17))));
        QCOMPARE(ui->form->Project.WindowHeight, ParseDecimal4("2.4"));
        QCOMPARE(ui->form->Project.Latitude, 56);

        ui.reset();
        StartWindow();
        Open(path);
        QVERIFY2(ui->errors.isEmpty(), qPrintable(ui->errors.join('\n')));
        QCOMPARE(ui->Text("Edit1"), QStringLiteral("2.4"));
        QCOMPARE(ui->Get<QComboBox>("ComboBox1")->currentText(), QStringLiteral("56"));
    }

    // "Окна" shown, then H changed: the file holds the new H and its table.
    void changingHeightAfterWindowsThenSaving() {
        ui->ShowWindowsPage();
        const WindowHourTable before = Table();
        ui->ShowInputPage();
        ui->Type("Edit1", QStringLiteral("2.4"));
        const QString path = PathOf("после.txt");
        Save(path);
        const QList<QByteArray> lines = Lines(ReadFile(path));
        QCOMPARE(lines[1], QByteArray("2.4"));
        QCOMPARE(lines[13], QByteArray("4.8"));
        QVERIFY(!(Table() == before));
        QCOMPARE(lines[ProjectTableLine(5, 5, 17) - 1],
                 QByteArray::fromStdString(FormatDecimal4(Table().Record(5, 5).Field(17))));
        ui->ShowWindowsPage();  // what the page shows is what was saved
        QCOMPARE(ui->Grid("StringGrid1")->Cell(17, 4).trimmed(),
                 QString::fromLatin1(lines[ProjectTableLine(1, 5, 17) - 1]));
    }

    void aTableFileOpenedAndSavedBackIsTheSameFile() {
        ui->Type("Edit7", QStringLiteral("24.5"));
        ui->Click("RadioButton3");  // not in the file: the table stands for the kind it was computed with
        const QString first = PathOf("первый.txt");
        Save(first);
        ui.reset();
        StartWindow();
        Open(first);
        QVERIFY(!ui->form->isWindowModified());
        const QString second = PathOf("второй.txt");
        ui->form->SaveDialog1 = [this, second](QWidget*) {
            ++dialogRuns;
            return second;
        };
        ui->Get<QAction>("N2")->trigger();  // a table file is saved under a name asked for
        QCOMPARE(dialogRuns, 2);
        QVERIFY2(ui->errors.isEmpty(), qPrintable(ui->errors.join('\n')));
        QCOMPARE(ReadFile(second), ReadFile(first));
    }

    // A result the file stores that its inputs do not give is not shown: the
    // windows page shows the computed value, and opening says what the file
    // held, where, and what the calculation gives.
    void aTamperedResultIsShownAsComputed() {
        const QString path = PathOf("исправленный.txt");
        Save(path);
        QList<QByteArray> lines = Lines(ReadFile(path));
        const int line = ProjectTableLine(5, 5, 17);  // Ю, 12-13, Qост
        const QByteArray computed = lines[line - 1];
        lines[line - 1] = "99999";
        WriteFile(path, JoinCrLf(lines));
        ui.reset();
        StartWindow();
        Open(path);
        QCOMPARE(ui->errors,
                 QStringList{QStringLiteral("В файле записано 99999 в строке 784 (Ю, 12-13, Qост), расчёт даёт %1; "
                                            "показан расчёт.")
                                 .arg(QString::fromLatin1(computed))});
        QVERIFY(!ui->form->isWindowModified());
        ui->ShowWindowsPage();
        ui->SelectTab("PageControl1", 4);
        QCOMPARE(ui->Grid("StringGrid1")->Cell(17, 4).trimmed(), QString::fromLatin1(computed));
        QCOMPARE(ui->form->Project.WindowHours.Record(5, 5).Field(17), ParseDecimal4(computed.toStdString()));
    }

    // The same for the results of a project file: the key is named.
    void aTamperedResultOfAProjectFileIsShownAsComputed() {
        const QString path = PathOf("проект.json");
        ui->Click("CheckBox8");  // the south windows count in the totals
        Save(path);
        QVERIFY2(ui->errors.isEmpty(), qPrintable(ui->errors.join('\n')));
        nlohmann::ordered_json document = nlohmann::ordered_json::parse(ReadFile(path).toStdString());
        nlohmann::ordered_json& stored = document["results"]["rooms"][0]["totals"]["GrandHourTotal"]["12-13"];
        const QString computed = QString::fromStdString(stored.get<std::string>());
        stored = "99999";
        WriteFile(path, QByteArray::fromStdString(JsonDocumentText(document)));
        ui.reset();
        StartWindow();
        Open(path);
        QCOMPARE(
            ui->errors,
            QStringList{QStringLiteral("В файле записано 99999 в ключе results.rooms[0].totals.GrandHourTotal.12-13, "
                                       "расчёт даёт %1; показан расчёт.")
                            .arg(computed)});
        ui->ShowTotalsPage();
        QCOMPARE(ui->Grid("StringGrid6")->Cell(kGrandValueRow, 4).trimmed(), computed);
    }

    void aRefusedSaveLeavesTheOldFile_data() {
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("wind");
        QTest::addColumn<QString>("message");
        // A refused count leaves no area: the save stops at the emptied Fп.
        QTest::newRow("count 2.5") << "2.5"
                                   << "3.3"
                                   << "Таблица окон не записана: Площадь световых проёмов Fп: пусто — введите число.";
        QTest::newRow("count empty") << ""
                                     << "3.3"
                                     << "Таблица окон не записана: Площадь световых проёмов Fп: пусто — введите число.";
        QTest::newRow("wind speed 3,3,3") << "1"
                                          << "3,3,3"
                                          << "Таблица окон не записана: Скорость ветра V: «3,3,3» — не число.";
    }
    void aRefusedSaveLeavesTheOldFile() {
        QFETCH(QString, count);
        QFETCH(QString, wind);
        QFETCH(QString, message);
        const QString path = PathOf("старый.txt");
        WriteFile(path, "old project\r\n");
        ui->Edit("Edit3")->setText(count);
        ui->Edit("Edit5")->setText(wind);
        ui->errors.clear();  // the change handlers' own complaints
        Save(path);
        QCOMPARE(ui->errors, QStringList{message});
        QCOMPARE(ReadFile(path), QByteArray("old project\r\n"));
        if (count == "2.5") QCOMPARE(ui->Text("Edit17"), QString());  // nothing derived from a refused count
    }

    void fileErrorsAreReported() {
        Save(PathOf("нет папки/p.txt"));
        Open(PathOf("нет такого.txt"));
        // Each says, in Russian, which file and why.
        QCOMPARE(ui->errors,
                 (QStringList{QStringLiteral("Не удалось записать файл «%1»: файл или папка не найдены. Прежний файл "
                                             "не изменён.")
                                  .arg(PathOf("нет папки/p.txt")),
                              QStringLiteral("Не удалось открыть проект «%1»: файл или папка не найдены.")
                                  .arg(PathOf("нет такого.txt"))}));
        // The box says what was being done.
        QCOMPARE(ui->errorTitles,
                 (QStringList{QStringLiteral("Сохранение проекта"), QStringLiteral("Открытие проекта")}));
    }

    void cancellingDoesNothing() {
        ui->ShowWindowsPage();
        Save(QString());
        Open(QString());
        QCOMPARE(dialogRuns, 2);
        QCOMPARE(CurrentPage(), 1);  // an open cancelled does not switch pages
        QVERIFY(ui->errors.isEmpty());
    }

    void aDamagedFileChangesNothing_data() {
        QTest::addColumn<int>("keepLines");  // 0: all
        QTest::addColumn<int>("badLine");    // 0: none
        QTest::addColumn<QByteArray>("badText");
        QTest::addColumn<QString>("message");
        QTest::newRow("only the 19 header lines")
            << 19 << 0 << QByteArray() << "Нет строки 20 файла проекта: файл кончается на строке 19 из 1379.";
        QTest::newRow("cut in the table")
            << 700 << 0 << QByteArray() << "Нет строки 701 файла проекта: файл кончается на строке 700 из 1379.";
        QTest::newRow("garbage in the table")
            << 0 << 1000 << QByteArray("12a") << "«12a» — не число (строка 1000 файла проекта)";
        QTest::newRow("height not a number")
            << 0 << 2 << QByteArray("высота") << "Высота окна Н: «высота» — не число (строка 2 файла проекта)";
        QTest::newRow("negative wind speed")
            << 0 << 19 << QByteArray("-4")
            << "Скорость ветра V должна быть не меньше 0 (введено -4) (строка 19 файла проекта)";
        QTest::newRow("binary") << 0 << 5 << QByteArray("\x01\x02", 2)
                                << "Файл не является файлом проекта: в строке 5 стоит управляющий знак с кодом 1; "
                                   "файл не загружен.";
        QTest::newRow("empty file") << -1 << 0 << QByteArray() << "в нём нет ни одной строки (файл пуст)";
    }
    void aDamagedFileChangesNothing() {
        QFETCH(int, keepLines);
        QFETCH(int, badLine);
        QFETCH(QByteArray, badText);
        QFETCH(QString, message);
        // A good file saved from another project...
        TypeAll(
            {"56", "1.1", "1.3", "0.2", "0.2", "0", "0", "20", "20", "10", "0.8", "0.2", "0.4", "0.7", "3", "5", "0"});
        ui->ShowWindowsPage();
        const QString path = PathOf("повреждённый.txt");
        Save(path);
        QList<QByteArray> lines = Lines(ReadFile(path));
        if (keepLines > 0) lines = lines.mid(0, keepLines);
        if (keepLines < 0) lines.clear();
        if (badLine > 0) lines[badLine - 1] = badText;
        WriteFile(path, JoinCrLf(lines));

        // ...opened into this one.
        ui.reset();
        ui = std::make_unique<FormUnderTest>();
        ui->Type("Edit1", "1.7");
        ui->ShowWindowsPage();
        const QStringList before = Shown();
        const QString edit42 = ui->Text("Edit42");
        const WindowHourTable table = Table();
        Open(path);
        QCOMPARE(ui->errors, QStringList{QStringLiteral("Не удалось открыть проект «%1»: ").arg(path) + message});
        QCOMPARE(CurrentPage(), 1);  // nothing changes, not even the page
        QCOMPARE(Shown(), before);
        QCOMPARE(ui->Text("Edit42"), edit42);
        QVERIFY(Table() == table);
    }

    void headerHandlersRunAsTyping() {
        // Line 18 equal to the count shown: Edit17 keeps line 14 even though
        // it is not H·B·n; the wind speed unchanged leaves Edit42 alone.
        const QString path = PathOf("заголовок.txt");
        Save(path);  // defaults, never computed
        QList<QByteArray> lines = Lines(ReadFile(path));
        lines[1] = "1.5";
        lines[2] = "2";
        lines[13] = "5";    // Edit17
        lines[14] = "30";   // Edit18
        lines[17] = "1";    // Edit3, as shown
        lines[18] = "3.3";  // Edit5, as shown
        WriteFile(path, JoinCrLf(lines));
        ui->Edit("Edit42")->setText(QStringLiteral("13.42"));
        Open(path);
        // The table was saved for Fп 1.5·2·1 and αн 26.87: the one shown is
        // computed for the lines as they now stand, and opening says so.
        QCOMPARE(ui->errors.size(), 1);
        QVERIFY2(ui->errors[0].startsWith(QStringLiteral("В файле записано ")), qPrintable(ui->errors[0]));
        QVERIFY2(ui->errors[0].endsWith(QStringLiteral("; показан расчёт.")), qPrintable(ui->errors[0]));
        QCOMPARE(ui->Text("Edit17"), "5");
        QCOMPARE(ui->Text("Edit18"), "30");
        QCOMPARE(ui->Text("Edit42"), "13.42");

        // A count that differs recomputes the area from the loaded lines; a
        // wind speed that differs recomputes both coefficients.
        lines[17] = "2";
        lines[18] = "4";
        WriteFile(path, JoinCrLf(lines));
        Open(path);
        QCOMPARE(ui->Text("Edit17"), "6");
        QCOMPARE(ui->Text("Edit18"), "29");
        QCOMPARE(ui->Text("Edit42"), "13.9");
        QCOMPARE(ui->form->Project.WindSpeed, Decimal4::FromInt(4));
    }
};

QTEST_MAIN(ProjectFileGuiTest)
#include "ProjectFileGuiTest.moc"
