// The project as the program keeps it: the full project file saved and
// opened through the window, "Новый", the question about unsaved changes,
// the title with its modified mark and the recent files.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>

#include <nlohmann/json.hpp>

#include "FormStyle.h"
#include "FormTestSupport.h"
#include "ProjectDocument.h"

namespace {

using Answer = TForm1::SaveChangesAnswer;

// A text of a JSON document, for comparing.
QString TextAt(const nlohmann::json& value) { return QString::fromStdString(value.get<std::string>()); }

// Every control of the input page that the project decides, as "name=state":
// the texts, the check boxes and radio buttons, the layer grids with the
// rows above the count told apart. Left out: the entry rows and layer
// numbers being typed, and αн of the roof, which only a computation writes.
QStringList ControlsOf(const TForm1& form) {
    const QStringList transient{"Edit27", "Edit28", "Edit29", "Edit30", "Edit31", "Edit32",
                                "Edit35", "Edit36", "Edit37", "Edit38", "Edit41"};
    QStringList state;
    for (const QLineEdit* edit : form.findChildren<QLineEdit*>()) {
        if (edit->objectName().startsWith(QStringLiteral("Edit")) && !transient.contains(edit->objectName()))
            state << edit->objectName() + "=" + edit->text();
    }
    for (const QAbstractButton* box : form.findChildren<QAbstractButton*>()) {
        if (box->isCheckable()) state << box->objectName() + (box->isChecked() ? "=on" : "=off");
    }
    state << "ComboBox1=" + form.ComboBox1->currentText();
    for (const StringGrid* grid : {form.StringGrid2, form.StringGrid3}) {
        for (int row = 1; row < grid->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < 5; ++column) cells << grid->Cell(row, column);
            const bool kept = grid->item(row, 0) && grid->item(row, 0)->foreground().color() != FormStyle::kNavy;
            state << QStringLiteral("%1 row %2%3: %4")
                         .arg(grid->objectName())
                         .arg(row)
                         .arg(kept ? " kept" : "", cells.join('|'));
        }
    }
    state.sort();
    return state;
}

}  // namespace

class ProjectSessionGuiTest : public QObject, DialogTestState {
    Q_OBJECT

    void SaveAs(const QString& path) { SaveThrough("SaveAsItem", path); }
    void Answer(TForm1::SaveChangesAnswer answer) {
        ui->form->SaveChangesQuestion1 = [this, answer](QWidget*) {
            ++ui->questions;
            return answer;
        };
    }
    // A project touching every kind of input: inclined glazing, texts of
    // every group, orientations, walls with layers used, kept above the
    // count and a gap, a roof of one layer.
    void TypeAProject() const {
        ui->Click("RadioButton2");
        ui->Get<QComboBox>("ComboBox1")->setCurrentText(QStringLiteral("52"));
        const std::pair<const char*, const char*> texts[] = {
            {"Edit5", "4.0"},   {"Edit1", "1.8"},   {"Edit2", "2.4"},   {"Edit3", "2"},     {"Edit8", "0.4"},
            {"Edit9", "0.2"},   {"Edit10", "0.1"},  {"Edit11", "0.05"}, {"Edit7", "24.5"},  {"Edit6", "21"},
            {"Edit12", "12.3"}, {"Edit13", "0.85"}, {"Edit14", "0.3"},  {"Edit15", "0.42"}, {"Edit16", "0.8"},
            {"Edit19", "8"},    {"Edit17", "9"},    {"Edit18", "30"},   {"Edit42", "14"}};
        for (const auto& [edit, text] : texts) ui->Type(edit, QString::fromUtf8(text));
        ui->Click("CheckBox8");
        ui->Click("CheckBox10");
        ui->Click("CheckBox2");
        ui->Click("CheckBox16");
        for (const auto& [edit, text] : {std::pair{"Edit4", "12"}, {"Edit22", "0.6"}, {"Edit39", "0.115"}})
            ui->Type(edit, QString::fromUtf8(text));
        ui->Type("Edit33", QStringLiteral("5"));
        for (const TypedLayer& layer : kWallLayers) EnterLayer(*ui, kWallEditor, layer);
        ui->Type("Edit27", QStringLiteral("5"));
        EnterLayer(*ui, kWallEditor, {"Бетон", "17.98", "2.04", "0.100"});
        ui->Type("Edit33", QStringLiteral("2"));  // layer 3 and 5 kept, 4 a gap
        ui->Click("CheckBox3");
        for (const auto& [edit, text] : {std::pair{"Edit23", "30"}, {"Edit26", "0.7"}, {"Edit40", "25"}})
            ui->Type(edit, QString::fromUtf8(text));
        ui->Type("Edit34", QStringLiteral("1"));
        EnterLayer(*ui, kRoofEditor, kWallLayers[1]);
    }

private slots:
    void init() { StartWindow(); }
    void cleanup() { ui.reset(); }

    void everyInputSurvivesTheFullFile() {
        const QStringList startUp = ControlsOf(*ui->form);
        TypeAProject();
        QVERIFY2(ui->errors.isEmpty(), qPrintable(ui->errors.join('\n')));
        const QStringList typed = ControlsOf(*ui->form);
        const QString path = PathOf("проект.json");
        SaveAs(path);
        QVERIFY2(ui->errors.isEmpty(), qPrintable(ui->errors.join('\n')));
        QCOMPARE(ControlsOf(*ui->form), typed);  // saving changes nothing shown

        // The file: the inputs as shown and the results they give.
        const nlohmann::json file = nlohmann::json::parse(ReadFile(path).toStdString());
        QCOMPARE(TextAt(file["format"]), QStringLiteral("solargain-project"));
        QCOMPARE(int(file["version"]), 2);  // a building of one room
        const nlohmann::json& room = file["inputs"]["Rooms"][0];
        QCOMPARE(int(room["Walls"][0]["WallLayers"].size()), 5);
        QVERIFY(room["Walls"][0]["WallLayers"][3].is_null());
        QCOMPARE(TextAt(room["Walls"][0]["WallLayerCount"]), QStringLiteral("2"));
        QCOMPARE(TextAt(room["Windows"][0]["WindowHeight"]), QStringLiteral("1.8"));
        QCOMPARE(TextAt(room["Windows"][0]["WindowKind"]), QStringLiteral("Inclined"));
        const nlohmann::json& results = file["results"]["rooms"][0];
        QCOMPARE(TextAt(results["windows"][0]["Name"]), QStringLiteral("Окно 1"));
        QCOMPARE(TextAt(results["walls"][0]["Name"]), QStringLiteral("Стена 1"));
        QCOMPARE(TextAt(results["totals"]["GrandHourTotal"]["12-13"]), ui->Grid("StringGrid6")->Cell(11, 4).trimmed());

        ui->Get<QAction>("NewItem")->trigger();
        QCOMPARE(ControlsOf(*ui->form), startUp);
        QCOMPARE(ui->form->CurrentProjectFile(), QString());
        Open(path);
        QVERIFY2(ui->errors.isEmpty(), qPrintable(ui->errors.join('\n')));
        QCOMPARE(ControlsOf(*ui->form), typed);
        QCOMPARE(ui->form->CurrentProjectFile(), QFileInfo(path).absoluteFilePath());
        QVERIFY(!ui->form->isWindowModified());
        QCOMPARE(ui->questions, 0);  // nothing was unsaved
    }

    void aBareDocumentFollowsTheTyping() {
        const QString path = PathOf("входные.json");
        WriteFile(path, R"({"WindowHeight": "2", "WindSpeed": "3.3", "Walls": true,
                            "WallLayers": [{"HeatAbsorption": "9.2", "Conductivity": "0.81", "Thickness": "0.38"}]})");
        Open(path);
        QVERIFY2(ui->errors.isEmpty(), qPrintable(ui->errors.join('\n')));
        QCOMPARE(ui->Text("Edit17"), QStringLiteral("4"));        // H·B·n
        QCOMPARE(ui->Text("Edit18"), QStringLiteral("26.8724"));  // the wind speed typed, though unchanged
        QCOMPARE(ui->Text("Edit42"), QStringLiteral("13.4231"));
        QCOMPARE(ui->Text("Edit33"), QStringLiteral("1"));  // the length of the list
        QCOMPARE(ui->Text("Edit21"), QStringLiteral("0.6213"));
        QVERIFY(ui->Get<QCheckBox>("CheckBox2")->isChecked());
    }

    void damagedFullFilesChangeNothing_data() {
        QTest::addColumn<QByteArray>("document");
        QTest::addColumn<QString>("refusal");  // a part of the message
        const QByteArray longText(1001, 'x');
        QByteArray layers = R"({"WallLayers": [)";
        for (int i = 0; i < 51; ++i) layers += QByteArray(i ? "," : "") + "null";
        QTest::newRow("not JSON") << QByteArray("{\"Latitude\": ") << "ошибка в строке 1, столбце 14";
        QTest::newRow("another format") << QByteArray(R"({"format": "other", "version": 1, "inputs": {}})")
                                        << "не является проектом";
        QTest::newRow("newer version") << QByteArray(R"({"format": "solargain-project", "version": 3, "inputs": {}})")
                                       << "более новой программой";
        QTest::newRow("wrong type") << QByteArray(R"({"Walls": "да"})") << "Walls";
        QTest::newRow("unknown key") << QByteArray(R"({"Foo": "1"})") << "Неизвестный ключ \"Foo\"";
        QTest::newRow("text over 1000") << QByteArray(R"({"WallArea": ")") + longText + "\"}"
                                        << "WallArea";
        QTest::newRow("51 layers") << layers + "]}"
                                   << "WallLayers";
    }
    void damagedFullFilesChangeNothing() {
        QFETCH(QByteArray, document);
        QFETCH(QString, refusal);
        const QString good = PathOf("хороший.json");
        ui->Type("Edit1", QStringLiteral("1.7"));
        SaveAs(good);
        ui->Type("Edit2", QStringLiteral("2.8"));
        ui->ShowWindowsPage();
        const QStringList before = ControlsOf(*ui->form);
        const QString title = ui->form->windowTitle();
        const WindowHourTable table = ui->form->Project.WindowHours;
        const QString path = PathOf("повреждённый.json");
        WriteFile(path, document);
        Open(path);
        QCOMPARE(ui->errors.size(), 1);
        QVERIFY2(ui->errors[0].contains(refusal), qPrintable(ui->errors[0]));
        QCOMPARE(ControlsOf(*ui->form), before);
        QCOMPARE(ui->form->windowTitle(), title);
        QVERIFY(ui->form->isWindowModified());
        QCOMPARE(ui->form->CurrentProjectFile(), QFileInfo(good).absoluteFilePath());
        QVERIFY(ui->form->Project.WindowHours == table);
        QCOMPARE(ui->Get<QTabWidget>("PageControl2")->currentIndex(), 1);
    }

    // A result that fails does not stop the save: the inputs are kept and
    // the results say why there are none.
    void savingWithAFailedResultKeepsTheInputs() {
        ui->Type("Edit1", QStringLiteral("x"));
        ui->errors.clear();
        const QString path = PathOf("ошибка.json");
        SaveAs(path);
        QCOMPARE(ui->errors, QStringList{"Высота окна Н: «x» — не число."});
        const nlohmann::json file = nlohmann::json::parse(ReadFile(path).toStdString());
        QCOMPARE(TextAt(file["inputs"]["Rooms"][0]["Windows"][0]["WindowHeight"]), QStringLiteral("x"));
        QVERIFY2(TextAt(file["results"]["error"]).endsWith(QStringLiteral("Высота окна Н: «x» — не число.")),
                 qPrintable(TextAt(file["results"]["error"])));
        QVERIFY(!ui->form->isWindowModified());
        QVERIFY(!ui->Get<QLabel>("WindowsFailureLine")->isHidden());
    }

    void unsavedChangesAreAskedAbout_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("goesOn");
        QTest::addColumn<bool>("saved");
        for (const char* action : {"close", "new", "open"}) {
            QTest::addRow("%s, Сохранить", action) << action << int(Answer::Save) << true << true;
            QTest::addRow("%s, Не сохранять", action) << action << int(Answer::Discard) << true << false;
            QTest::addRow("%s, Отмена", action) << action << int(Answer::Cancel) << false << false;
        }
    }
    void unsavedChangesAreAskedAbout() {
        QFETCH(QString, action);
        QFETCH(int, answer);
        QFETCH(bool, goesOn);
        QFETCH(bool, saved);
        const QString other = PathOf("другой.json");
        WriteFile(other, R"({"WindowHeight": "2.2"})");
        const QString path = PathOf(QTest::currentDataTag()) + QStringLiteral(".json");
        ui->form->SaveDialog1 = [this, path](QWidget*) {
            ++dialogRuns;
            return path;
        };
        ui->form->OpenDialog1 = [this, other](QWidget*) {
            ++dialogRuns;
            return other;
        };
        Answer(TForm1::SaveChangesAnswer(answer));
        ui->Type("Edit1", QStringLiteral("1.9"));
        QVERIFY(ui->form->isWindowModified());
        const char* item = action == "close" ? "N9" : action == "new" ? "NewItem" : "N3";
        ui->Get<QAction>(item)->trigger();
        QCOMPARE(ui->questions, 1);
        QCOMPARE(QFileInfo::exists(path), saved);
        if (saved) QVERIFY(ReadFile(path).contains("\"1.9\""));
        const QString height = action == "open" ? QStringLiteral("2.2") : QStringLiteral("1.5");
        if (action == "close") {
            QCOMPARE(ui->form->isVisible(), !goesOn);
        } else {
            QCOMPARE(ui->Text("Edit1"), goesOn ? height : QStringLiteral("1.9"));
        }
        // Unchanged, nothing is asked.
        ui.reset();
        StartWindow();
        ui->form->OpenDialog1 = [](QWidget*) { return QString(); };
        ui->Get<QAction>(item)->trigger();
        QCOMPARE(ui->questions, 0);
    }

    void titleShowsTheFileAndTheModifiedMark() {
        const QString program = QStringLiteral("Расчёт теплопоступлений от солнечной радиации");
        QCOMPARE(ui->form->windowTitle(), program + "[*]");
        QVERIFY(!ui->form->isWindowModified());
        ui->Type("Edit1", QStringLiteral("2"));
        QVERIFY(ui->form->isWindowModified());
        ui->Type("Edit1", QStringLiteral("1.5"));  // back as it was: nothing to save
        QVERIFY(!ui->form->isWindowModified());
        ui->Click("CheckBox9");
        QVERIFY(ui->form->isWindowModified());
        const QString path = PathOf("окно.json");
        SaveAs(path);
        QCOMPARE(ui->form->windowTitle(), "окно.json[*] — " + program);
        QCOMPARE(ui->form->windowFilePath(), QFileInfo(path).absoluteFilePath());
        QVERIFY(!ui->form->isWindowModified());
        ui->Click("CheckBox2");
        EnterLayer(*ui, kWallEditor, kWallLayers[0]);
        QVERIFY(ui->form->isWindowModified());
        ui->Get<QAction>("N2")->trigger();  // saved under its name, no dialog
        QCOMPARE(dialogRuns, 1);
        QVERIFY(!ui->form->isWindowModified());
    }

    // A window table file holds the window and site inputs only.
    void aTableFileSaveLeavesNoMoreThanItHolds() {
        ui->Type("Edit1", QStringLiteral("2"));
        SaveAs(PathOf("окна.txt"));
        QVERIFY2(ui->errors.isEmpty(), qPrintable(ui->errors.join('\n')));
        QVERIFY(!ui->form->isWindowModified());
        ui->Click("CheckBox2");  // walls: not in the table file
        SaveAs(PathOf("окна.txt"));
        QVERIFY(ui->form->isWindowModified());
        QVERIFY(ui->form->windowTitle().startsWith(QStringLiteral("окна.txt[*]")));
    }

    void recentFilesListTheLastEight() {
        for (int i = 1; i <= 9; ++i) SaveAs(PathOf(qPrintable(QStringLiteral("p%1.json").arg(i))));
        QStringList shown;
        for (QAction* item : ui->Get<QMenu>("N1")->actions())
            if (item->objectName().startsWith(QStringLiteral("RecentFile")) && item->isVisible()) shown << item->text();
        QCOMPARE(shown, (QStringList{"&1 p9.json", "&2 p8.json", "&3 p7.json", "&4 p6.json", "&5 p5.json", "&6 p4.json",
                                     "&7 p3.json", "&8 p2.json"}));
        QCOMPARE(ui->Get<QAction>("RecentFile2")->toolTip(), QFileInfo(PathOf("p8.json")).absoluteFilePath());
        // Another window finds them; choosing one opens it.
        ui.reset();
        ui = std::make_unique<FormUnderTest>(false);
        ui->Get<QAction>("RecentFile3")->trigger();
        QCOMPARE(ui->form->CurrentProjectFile(), QFileInfo(PathOf("p7.json")).absoluteFilePath());
        QCOMPARE(ui->Get<QAction>("RecentFile1")->text(), QStringLiteral("&1 p7.json"));
        // One that is gone is reported and leaves the list.
        QFile::remove(PathOf("p9.json"));
        ui->Get<QAction>("RecentFile2")->trigger();
        QCOMPARE(ui->errors.size(), 1);
        QVERIFY(ui->errors.front().endsWith(QStringLiteral("p9.json»: файл или папка не найдены.")));
        QCOMPARE(ui->Get<QAction>("RecentFile2")->text(), QStringLiteral("&2 p8.json"));
    }
};

QTEST_MAIN(ProjectSessionGuiTest)
#include "ProjectSessionGuiTest.moc"
