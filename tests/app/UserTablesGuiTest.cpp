// The engineer's own materials and cities as a user drives them: the dialog
// of «Справка», the pickers listing the rows marked, the files kept in the
// user's data folder across a restart, import and export, and a project that
// names own rows opened where the tables are missing. The doubtful cities of
// the climate table are offered here too, with their mark.

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "BuildingDocument.h"
#include "CityPicker.h"
#include "FormTestSupport.h"
#include "MaterialPicker.h"
#include "PickList.h"
#include "ProjectDocument.h"
#include "UserTables.h"
#include "UserTablesDialog.h"

namespace {

QString Utf8(const char* text) { return QString::fromUtf8(text); }

QStringList ClimateTexts(const FormUnderTest& t) {
    return {t.Get<QComboBox>("ComboBox1")->currentText(), t.Text("Edit7"), t.Text("Edit12")};
}

QStringList GridTexts(const FormUnderTest& t, const char* grid) {
    QStringList cells;
    StringGrid* g = t.Grid(grid);
    for (int row = 0; row < g->rowCount(); ++row)
        for (int column = 0; column < g->columnCount(); ++column) cells << g->Cell(row, column);
    return cells;
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

const QStringList kTown{Utf8("Посёлок Лесной"), "55.2", "18,4", "10.5", Utf8("метеостанция посёлка")};
const QStringList kBrick{Utf8("Кирпич завода «Заря»"), "1800", "0.7", "0.81", "9.2", "10.12", Utf8("паспорт завода")};
const char* kBrickLabel = "Кирпич завода «Заря», 1800 кг/м³";

}  // namespace

class UserTablesGuiTest : public QObject, DialogTestState {
    Q_OBJECT

    // The user's data folder of this test function, empty at its start.
    QString dataHome_;
    int run_ = 0;

    void StartInFreshDataFolder() {
        dataHome_ = PathOf("data-") + QString::number(++run_);
        QDir().mkpath(dataHome_);
        qputenv("XDG_DATA_HOME", dataHome_.toLocal8Bit());
        qputenv("HOME", dataHome_.toLocal8Bit());  // the folders of Qt's test mode lie under the home
        StartWindow();
    }

    // The dialog opened by its menu item, on the tab of `kind`.
    UserTablesDialog* OpenDialog(UserTableKind kind) {
        ui->Get<QAction>(kind == UserTableKind::Materials ? "MaterialsItem" : "CitiesItem")->trigger();
        for (UserTablesDialog* dialog : ui->form->findChildren<UserTablesDialog*>()) {
            if (dialog->isVisible()) return dialog;
        }
        qFatal("the dialog of the own tables did not open");
    }
    static QTableWidget* GridOf(UserTablesDialog* dialog, UserTableKind kind) {
        return Control<QTableWidget>(dialog, kind == UserTableKind::Materials ? "MaterialsGrid" : "CitiesGrid");
    }
    // A button of the dialog, on whichever tab it lies.
    static void Press(UserTablesDialog* dialog, const char* button) { Control<QPushButton>(dialog, button)->click(); }
    // A row added with «Добавить» and typed into its cells.
    static void AddRow(UserTablesDialog* dialog, UserTableKind kind, const QStringList& cells) {
        Press(dialog, kind == UserTableKind::Materials ? "MaterialsAdd" : "CitiesAdd");
        QTableWidget* grid = GridOf(dialog, kind);
        for (int c = 0; c < cells.size(); ++c) grid->item(grid->rowCount() - 1, c)->setText(cells[c]);
    }
    // «Сохранить»: the dialog closes when the tables were written.
    static bool SaveAndClose(UserTablesDialog* dialog) {
        QPointer<UserTablesDialog> alive(dialog);
        Press(dialog, "UserTablesSave");
        return alive.isNull() || !alive->isVisible();
    }
    void AddOwnRows() {
        UserTablesDialog* dialog = OpenDialog(UserTableKind::Cities);
        AddRow(dialog, UserTableKind::Cities, kTown);
        AddRow(dialog, UserTableKind::Materials, kBrick);
        QVERIFY(SaveAndClose(dialog));
    }
    QString TableFile(UserTableKind kind) const {
        return QDir(UserTablesFolder()).filePath(QString::fromUtf8(UserTableFileName(kind).data()));
    }
    PickList* CityList() const { return ui->form->findChild<CityPicker*>()->List(); }
    PickList* WallList() const {
        return ui->form->findChild<MaterialPicker*>(QStringLiteral("WallMaterialPicker"))->List();
    }
    void TypeCity(const QString& text) {
        QLineEdit* edit = ui->Edit("CityEdit");
        edit->setFocus();
        edit->selectAll();
        FormUnderTest::TypeChars(edit, text);
    }
    void ChooseFromList(PickList* list) { QTest::keyClick(list->findChild<QCompleter*>()->popup(), Qt::Key_Return); }

private slots:
    void init() { StartInFreshDataFolder(); }
    void cleanup() { ui.reset(); }

    void aDoubtfulCityIsOfferedWithItsMark();
    void ownRowsAreListedMarkedAndKeptAcrossARestart();
    void ownRowsAreEditedDuplicatedAndDeleted();
    void aBadValueIsRefusedNamingTheFieldAndNothingIsWritten();
    void anImportWithABadLineChangesNothing();
    void aProjectWithOwnRowsOpensWhereTheTablesAreMissing();
};

void UserTablesGuiTest::aDoubtfulCityIsOfferedWithItsMark() {
    TypeCity(Utf8("Сама"));
    QCOMPARE(CityList()->ShownLines(), QStringList{Utf8("Самара — 53°, tн.ср 21.5 °С, Aтн 10.8 °С · проверьте по СП")});
    ChooseFromList(CityList());
    QCOMPARE(ClimateTexts(*ui), (QStringList{"53", "21.5", "10.8"}));
    QVERIFY(ui->Get<QLabel>("CityLine")->text().endsWith(Utf8("широта — центр города · проверьте по СП")));
    QCOMPARE(ui->Refusal("CityEdit"), QString());
    // The row taken for wrong stays out.
    TypeCity(Utf8("Луга"));
    QVERIFY(!CityList()->IsShown());
    QVERIFY(!ui->Refusal("CityEdit").isEmpty());
    QVERIFY(ui->errors.isEmpty());
}

void UserTablesGuiTest::ownRowsAreListedMarkedAndKeptAcrossARestart() {
    AddOwnRows();
    QVERIFY(QFile::exists(TableFile(UserTableKind::Cities)));
    QVERIFY(TableFile(UserTableKind::Cities).startsWith(dataHome_));
    QVERIFY(ReadAll(TableFile(UserTableKind::Cities)).contains("18.4"));  // kept with a decimal point

    // A restart: the process forgets, the window reads the files again.
    ui.reset();
    UseUserTable({UserTableKind::Cities, {}});
    UseUserTable({UserTableKind::Materials, {}});
    StartWindow();
    TypeCity(Utf8("посёлок"));
    QCOMPARE(CityList()->ShownLines(), QStringList{Utf8("Посёлок Лесной — 55°, tн.ср 18.4 °С, Aтн 10.5 °С · мой")});
    ChooseFromList(CityList());
    QCOMPARE(ClimateTexts(*ui), (QStringList{"55", "18.4", "10.5"}));
    QCOMPARE(ui->Get<QLabel>("CityLine")->text(), Utf8("Мой город: метеостанция посёлка"));

    ui->Click("CheckBox2");
    ui->Click("ConditionsB");
    ui->Edit(kWallEditor.name)->setFocus();
    FormUnderTest::TypeChars(ui->Edit(kWallEditor.name), Utf8("кирпич завода"));
    ui->Press("Edit29List");
    QCOMPARE(WallList()->ShownLines(), QStringList{Utf8(kBrickLabel) + Utf8(" — s 10.12, λ 0.81 · мой")});
    ChooseFromList(WallList());
    QCOMPARE(ui->Text(kWallEditor.s), QStringLiteral("10.12"));
    QCOMPARE(ui->Text(kWallEditor.lambda), QStringLiteral("0.81"));

    // Without the files the rows are gone after the next start.
    ui.reset();
    QVERIFY(QFile::remove(TableFile(UserTableKind::Cities)));
    StartWindow();
    TypeCity(Utf8("посёлок"));
    QVERIFY(!CityList()->IsShown());
    QVERIFY2(ui->errors.isEmpty(), qPrintable(ui->errors.join('\n')));
}

void UserTablesGuiTest::ownRowsAreEditedDuplicatedAndDeleted() {
    AddOwnRows();
    UserTablesDialog* dialog = OpenDialog(UserTableKind::Cities);
    QTableWidget* cities = GridOf(dialog, UserTableKind::Cities);
    QCOMPARE(cities->rowCount(), 1);
    cities->item(0, 2)->setText(QStringLiteral("19.1"));  // edited in its cell
    cities->setCurrentCell(0, 0);
    Press(dialog, "CitiesDuplicate");
    QCOMPARE(cities->item(1, 0)->text(), Utf8("Посёлок Лесной (копия)"));
    UserTablesDialog::SourcedRowDialog = [](QWidget*, const QStringList& names) {
        return names.contains(Utf8("Самара")) ? Utf8("Самара") : QString();
    };
    Press(dialog, "CitiesCopySourced");
    QCOMPARE(cities->item(2, 0)->text(), Utf8("Самара (копия)"));
    QCOMPARE(cities->item(2, 2)->text(), QStringLiteral("21.5"));
    cities->setCurrentCell(1, 0);
    cities->selectRow(1);
    Press(dialog, "CitiesDelete");
    QCOMPARE(cities->rowCount(), 2);
    QVERIFY(SaveAndClose(dialog));
    const std::vector<UserRow> expected{{"Посёлок Лесной", "55.2", "19.1", "10.5", "метеостанция посёлка"},
                                        UserRowCopying(UserTableKind::Cities, "Самара")};
    QCOMPARE(UsedUserTable(UserTableKind::Cities).rows, expected);
    QCOMPARE(ReadAll(TableFile(UserTableKind::Cities)),
             QByteArray::fromStdString(UserTableCsv({UserTableKind::Cities, expected})));
    QVERIFY(ui->errors.isEmpty());
}

void UserTablesGuiTest::aBadValueIsRefusedNamingTheFieldAndNothingIsWritten() {
    struct Case {
        UserTableKind kind;
        QStringList cells;
        const char* message;
    };
    for (const Case& c : std::vector<Case>{
             {UserTableKind::Materials,
              {Utf8("Кирпич"), "", "abc", "0.81", "9.2", "10.12", ""},
              "Мои материалы: Строка 1: λ, условия А: «abc» — не число."},
             {UserTableKind::Cities, {Utf8("Воркута"), "67.5", "12", "8", ""}, "Мои города: Строка 1: Широта: "},
             {UserTableKind::Cities, {"", "55", "18", "9", ""}, "Мои города: Строка 1: Название: не заполнено."},
         }) {
        ui->errors.clear();
        UserTablesDialog* dialog = OpenDialog(c.kind);
        AddRow(dialog, c.kind, c.cells);
        QVERIFY(!SaveAndClose(dialog));
        QCOMPARE(ui->errors.size(), 1);
        QVERIFY2(ui->errors.front().startsWith(Utf8(c.message)), qPrintable(ui->errors.front()));
        QVERIFY(!QFile::exists(TableFile(c.kind)));
        QVERIFY(UsedUserTable(c.kind).rows.empty());
        Press(dialog, "UserTablesCancel");
    }
}

void UserTablesGuiTest::anImportWithABadLineChangesNothing() {
    AddOwnRows();
    const QByteArray kept = ReadAll(TableFile(UserTableKind::Cities));
    UserTablesDialog* dialog = OpenDialog(UserTableKind::Cities);
    const QString bad = PathOf("bad.csv");
    WriteAll(bad, Utf8("Название;Широта;tн.ср;Aтн\nОзёрск;56,1;18;9\nЗаречный;57;жарко;10\n").toUtf8());
    UserTablesDialog::ImportDialog = [bad](QWidget*) { return bad; };
    Press(dialog, "CitiesImport");
    QCOMPARE(ui->errors.size(), 1);
    QVERIFY2(ui->errors.front().contains(Utf8("таблица не изменена: Строка 3: tн.ср: «жарко» — не число")),
             qPrintable(ui->errors.front()));
    QCOMPARE(GridOf(dialog, UserTableKind::Cities)->rowCount(), 1);

    // The same file mended: its rows are added, with a decimal point.
    WriteAll(bad, Utf8("Название;Широта;tн.ср;Aтн\nОзёрск;56,1;18;9\nЗаречный;57;18,6;10\n").toUtf8());
    Press(dialog, "CitiesImport");
    QCOMPARE(ui->errors.size(), 1);
    QCOMPARE(GridOf(dialog, UserTableKind::Cities)->rowCount(), 3);
    QCOMPARE(GridOf(dialog, UserTableKind::Cities)->item(2, 2)->text(), QStringLiteral("18.6"));
    QCOMPARE(ReadAll(TableFile(UserTableKind::Cities)), kept);  // written by «Сохранить» only

    const QString exported = PathOf("export.csv");
    UserTablesDialog::ExportDialog = [exported](QWidget*) { return exported; };
    Press(dialog, "CitiesExport");
    QVERIFY(SaveAndClose(dialog));
    QCOMPARE(ReadAll(exported), ReadAll(TableFile(UserTableKind::Cities)));
    QVERIFY(ReadAll(exported).contains(Utf8("Заречный,57,18.6,10,").toUtf8()));
}

// A project keeps the figures it uses: opened where the own tables are
// missing, its city stands as typed, unmarked, and it computes the same.
void UserTablesGuiTest::aProjectWithOwnRowsOpensWhereTheTablesAreMissing() {
    AddOwnRows();
    TypeCity(Utf8("Посёлок"));
    ChooseFromList(CityList());
    ui->Click("CheckBox2");
    ui->Click("CheckBox8");
    ui->Click("CheckBox16");
    ui->Press("Edit29List");
    ui->Edit(kWallEditor.name)->setFocus();
    FormUnderTest::TypeChars(ui->Edit(kWallEditor.name), Utf8("Заря"));
    ChooseFromList(WallList());
    ui->Type(kWallEditor.delta, QStringLiteral("0.38"));
    ui->Press(kWallEditor.enter);
    ui->Type("Edit33", QStringLiteral("1"));  // one layer
    ui->ShowTotalsPage();
    QVERIFY2(ui->errors.isEmpty(), qPrintable(ui->errors.join('\n')));
    const QStringList totals = GridTexts(*ui, "StringGrid6");
    const QString path = PathOf("own.json");
    SaveThrough("N2", path);

    // Another machine: no own tables at all.
    ui.reset();
    QDir(UserTablesFolder()).removeRecursively();
    StartWindow();
    QVERIFY(UsedUserTable(UserTableKind::Cities).rows.empty());
    QVERIFY(ui->form->OpenProject(path));
    QCOMPARE(ui->Text("CityEdit"), Utf8("Посёлок Лесной"));
    QCOMPARE(ui->Refusal("CityEdit"), QString());
    QCOMPARE(ClimateTexts(*ui), (QStringList{"55", "18.4", "10.5"}));
    QCOMPARE(Cell(*ui, "StringGrid2", 1, 1), Utf8(kBrickLabel));
    ui->ShowTotalsPage();
    QCOMPARE(GridTexts(*ui, "StringGrid6"), totals);
    // Saved again, the city is kept as the file named it.
    ui->form->setWindowModified(true);
    SaveThrough("N2", path);
    QCOMPARE(QString::fromStdString(ReadAnyBuilding(ReadAll(path).toStdString()).Site.Inputs.City),
             Utf8("Посёлок Лесной"));
    QVERIFY2(ui->errors.isEmpty(), qPrintable(ui->errors.join('\n')));
}

QTEST_MAIN(UserTablesGuiTest)
#include "UserTablesGuiTest.moc"
