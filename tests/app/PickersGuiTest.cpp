// The city and material pickers of the input page as a user drives them: the
// list offered while typing, what a choice puts into the inputs (and so into
// the results), what it leaves alone, and what a project file keeps of them.

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QCompleter>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QToolButton>

#include "CalcError.h"
#include "Cities.h"
#include "CityPicker.h"
#include "Conversions.h"
#include "FieldMarks.h"
#include "FormTestSupport.h"
#include "MaterialPicker.h"
#include "PickList.h"
#include "ProjectDocument.h"

namespace {

// The texts of the three inputs a city sets.
QStringList ClimateTexts(const FormUnderTest& t) {
    return {t.Get<QComboBox>("ComboBox1")->currentText(), t.Text("Edit7"), t.Text("Edit12")};
}

// Every cell of a grid, row by row.
QStringList GridTexts(const FormUnderTest& t, const char* grid) {
    QStringList cells;
    StringGrid* g = t.Grid(grid);
    for (int row = 0; row < g->rowCount(); ++row)
        for (int column = 0; column < g->columnCount(); ++column) cells << g->Cell(row, column);
    return cells;
}

CityPicker* CityPickerOf(const FormUnderTest& t) {
    auto* picker = t.form->findChild<CityPicker*>();
    if (picker == nullptr) qFatal("no city picker");
    return picker;
}

MaterialPicker* MaterialPickerOf(const FormUnderTest& t, const char* name) {
    auto* picker = t.form->findChild<MaterialPicker*>(QString::fromLatin1(name));
    if (picker == nullptr) qFatal("no material picker %s", name);
    return picker;
}

// Enter on the list shown under an edit.
void PressEnterOnList(PickList* list) {
    QAbstractItemView* popup = list->findChild<QCompleter*>()->popup();
    QTest::keyClick(popup, Qt::Key_Return);
}

QString Utf8(const char* text) { return QString::fromUtf8(text); }

// The next widget that Tab reaches from `widget`, disabled ones included.
QWidget* NextTabStop(QWidget* widget) {
    QWidget* next = widget->nextInFocusChain();
    while (next != widget && (!(next->focusPolicy() & Qt::TabFocus) || !next->isVisible() || next->focusProxy()))
        next = next->nextInFocusChain();
    return next;
}

}  // namespace

class PickersGuiTest : public QObject, DialogTestState {
    Q_OBJECT

    void TypeCity(const char* text) {
        QLineEdit* edit = ui->Edit("CityEdit");
        edit->setFocus();
        edit->selectAll();
        FormUnderTest::TypeChars(edit, Utf8(text));
    }
    void Save(const QString& path) { SaveThrough("N2", path); }

private slots:
    void init() { StartWindow(); }
    void cleanup() { ui.reset(); }

    void typingOffersTheCitiesStartingWithTheText();
    void choosingACitySetsItsClimateAsTyping();
    void theResultsFollowTheCityChosen();
    void aCityOutsideTheMethodChangesNothing();
    void aNameNotInTheTableChangesNothing();
    void aCityNotRecognisedIsMarkedAndNeverSaved_data();
    void aCityNotRecognisedIsMarkedAndNeverSaved();
    void choosingAMaterialFillsNameSAndLambda_data();
    void choosingAMaterialFillsNameSAndLambda();
    void anUnknownOrEmptyMaterialLeavesTheRow();
    void theListSearchesWhileItIsShown();
    void namesStartingWithTheTextAreOfferedFirst_data();
    void namesStartingWithTheTextAreOfferedFirst();
    void longNamesAreWholeInTooltips();
    void cityAndConditionsSurviveSaveAndOpen();
    void aFileWithACityGivesItsTextsAndTheGivenOnesWin();
    void aFileWithACityThatCannotFillIsRefused();
    void pickersAreNamedForScreenReaders();
};

void PickersGuiTest::typingOffersTheCitiesStartingWithTheText() {
    PickList* list = CityPickerOf(*ui)->List();
    TypeCity("Моск");
    QVERIFY(list->IsShown());
    QCOMPARE(list->ShownValues(), QStringList{Utf8("Москва")});
    QCOMPARE(list->ShownLines(), QStringList{Utf8("Москва — 56°, tн.ср 19.2 °С, Aтн 10.2 °С")});
    // Case and "ё" aside; several at once, alphabetically.
    TypeCity("ВЕЛИ");
    QCOMPARE(list->ShownValues(), (QStringList{Utf8("Великие Луки"), Utf8("Великий Новгород")}));
    // Nothing to offer: no list.
    TypeCity("Мск");
    QVERIFY(!list->IsShown());
    // Typing changes no input.
    QCOMPARE(ClimateTexts(*ui), (QStringList{"48", "22.5", "14.7"}));
    // Down on the only entry keeps it, so that Return after it chooses it.
    TypeCity("Моск");
    QTest::keyClick(list->findChild<QCompleter*>()->popup(), Qt::Key_Down);
    PressEnterOnList(list);
    QCOMPARE(ClimateTexts(*ui), (QStringList{"56", "19.2", "10.2"}));
}

void PickersGuiTest::choosingACitySetsItsClimateAsTyping() {
    QVERIFY(!ui->form->isWindowModified());
    TypeCity("моск");
    PressEnterOnList(CityPickerOf(*ui)->List());
    QCOMPARE(ui->Text("CityEdit"), Utf8("Москва"));
    QCOMPARE(ClimateTexts(*ui), (QStringList{"56", "19.2", "10.2"}));
    QCOMPARE(ui->Get<QLabel>("CityLine")->text(),
             Utf8("Климат: СП 131.13330 (редакции 2018/2020), по общедоступной расшифровке; широта — центр города"));
    QVERIFY(ui->form->isWindowModified());
    QVERIFY(ui->errors.isEmpty());
    // Each stays editable.
    ui->Type("Edit7", QStringLiteral("20"));
    QCOMPARE(ui->Text("Edit7"), QStringLiteral("20"));

    // Enter on a whole name typed, the list not shown, chooses it too; the
    // latitude rounds at the half degree upwards (Муром lies at 55.5630°).
    ui->Edit("CityEdit")->setText(Utf8("  муром "));
    QTest::keyClick(ui->Edit("CityEdit"), Qt::Key_Return);
    QCOMPARE(ui->Text("CityEdit"), Utf8("Муром"));
    QCOMPARE(ClimateTexts(*ui), (QStringList{"56", "19.3", "12.4"}));
}

// The windows page and the totals computed after a choice are those of the
// city's climate: the same as the command-line tool gives for "City".
void PickersGuiTest::theResultsFollowTheCityChosen() {
    ui->Click("CheckBox8");  // the south windows count in the totals
    ui->ShowWindowsPage();
    const QStringList windowsBefore = GridTexts(*ui, "StringGrid1");
    ui->ShowTotalsPage();
    const QStringList totalsBefore = GridTexts(*ui, "StringGrid6");

    ui->ShowInputPage();
    TypeCity("Москва");
    PressEnterOnList(CityPickerOf(*ui)->List());
    ui->ShowWindowsPage();
    QVERIFY(GridTexts(*ui, "StringGrid1") != windowsBefore);
    ui->ShowTotalsPage();
    QVERIFY(GridTexts(*ui, "StringGrid6") != totalsBefore);

    const ProjectResults expected = RunProject(ReadProjectInputs(R"({"City": "Москва"})"));
    ui->ShowWindowsPage();
    for (int h = 1; h <= kHourCount; ++h) {
        QCOMPARE(Cell(*ui, "StringGrid1", static_cast<int>(WindowField::HeatGain), h - 1).trimmed(),
                 QString::fromStdString(FormatDecimal4(expected.Windows->Table.Record(1, h)[WindowField::HeatGain])));
    }
    QVERIFY(ui->errors.isEmpty());
}

void PickersGuiTest::aCityOutsideTheMethodChangesNothing() {
    // No offered city lies north of 60° once rounded; a row of the table's
    // form stands for one.
    City north = *FindCity("Москва");
    north.name = "Воркута";
    north.latitude = "67.4965";
    ui->Edit("CityEdit")->setText(Utf8("Воркута"));
    const QStringList before = ClimateTexts(*ui);
    CityPickerOf(*ui)->Choose(north);
    QCOMPARE(ClimateTexts(*ui), before);
    QCOMPARE(ui->Get<QLabel>("CityLine")->text(),
             Utf8("Метод рассчитан на широты от 40 до 60° с. ш.; Воркута лежит на 67° с. ш."));
    // Said beside the field, not in an error box.
    QVERIFY(ui->errors.isEmpty());
    QCOMPARE(ui->Text("CityEdit"), Utf8("Воркута"));
}

void PickersGuiTest::aNameNotInTheTableChangesNothing() {
    TypeCity("Мсква");
    QTest::keyClick(ui->Edit("CityEdit"), Qt::Key_Return);
    QCOMPARE(ClimateTexts(*ui), (QStringList{"48", "22.5", "14.7"}));
    QCOMPARE(ui->Get<QLabel>("CityLine")->text(),
             Utf8("Город «Мсква» не найден в таблице климата; ближайшие: Москва, Выкса, Омск."));
    QVERIFY(ui->errors.isEmpty());
    // Typing again brings back what the field is for.
    TypeCity("М");
    QVERIFY(ui->Get<QLabel>("CityLine")->text().startsWith(Utf8("Выберите город из списка")));
}

void PickersGuiTest::aCityNotRecognisedIsMarkedAndNeverSaved_data() {
    QTest::addColumn<QString>("chosen");     // chosen from the list first; empty for none
    QTest::addColumn<QString>("typed");      // then typed over it
    QTest::addColumn<bool>("markedAtOnce");  // marked while typing, before saving
    QTest::addColumn<QString>("refusal");    // the mark once saved; empty for none
    QTest::addColumn<QString>("saved");      // "City" of the file saved
    QTest::addColumn<QStringList>("climate");
    const QString luga = Utf8("Город «Луга» не найден в таблице климата; ближайшие: Калуга, Тула, Уфа.");
    const QStringList defaults{"48", "22.5", "14.7"}, moscow{"56", "19.2", "10.2"};
    QTest::newRow("a name not in the table") << QString() << Utf8("Луга") << true << luga << QString() << defaults;
    QTest::newRow("the same over a city chosen")
        << Utf8("Москва") << Utf8("Луга") << true << luga << Utf8("Москва") << moscow;
    QTest::newRow("the start of a name, not chosen")
        << QString() << Utf8("Моск") << false
        << Utf8(
               "Город «Моск» не выбран: выберите его из списка или нажмите Enter, чтобы заполнить широту, tн.ср и "
               "Aтн; в проекте город не указан")
        << QString() << defaults;
    QTest::newRow("another city typed, not chosen")
        << Utf8("Москва") << Utf8("Калуга") << false
        << Utf8(
               "Город «Калуга» не выбран: выберите его из списка или нажмите Enter, чтобы заполнить широту, tн.ср "
               "и Aтн; в проекте остаётся город «Москва»")
        << Utf8("Москва") << moscow;
    QTest::newRow("the field emptied") << Utf8("Москва") << QString() << false << QString() << QString() << moscow;
}

// A name typed and not recognised is marked as any refused input and never
// saved as the project's city: the file names the city whose figures it
// carries, or none, and keeps everything else typed.
void PickersGuiTest::aCityNotRecognisedIsMarkedAndNeverSaved() {
    QFETCH(QString, chosen);
    QFETCH(QString, typed);
    QFETCH(bool, markedAtOnce);
    QFETCH(QString, refusal);
    QFETCH(QString, saved);
    QFETCH(QStringList, climate);
    if (!chosen.isEmpty()) CityPickerOf(*ui)->ChooseNamed(chosen);
    ui->Type("Edit1", QStringLiteral("1.8"));
    QLineEdit* edit = ui->Edit("CityEdit");
    const QString ownTip = edit->toolTip();
    edit->setFocus();
    edit->selectAll();
    if (typed.isEmpty()) {
        QTest::keyClick(edit, Qt::Key_Backspace);
    } else {
        FormUnderTest::TypeChars(edit, typed);
    }
    QCOMPARE(FieldMarks::RefusalOf(edit), markedAtOnce ? refusal : QString());
    QCOMPARE(ClimateTexts(*ui), climate);

    const QString path = PathOf("город.json");
    Save(path);
    QVERIFY2(ui->errors.isEmpty(), qPrintable(ui->errors.join('\n')));
    QCOMPARE(ui->Text("CityEdit"), typed);  // nothing typed is taken away
    QCOMPARE(FieldMarks::RefusalOf(edit), refusal);
    if (!refusal.isEmpty()) {
        QCOMPARE(edit->toolTip(), refusal);
        QCOMPARE(edit->accessibleDescription(), refusal);
        QCOMPARE(ui->StatusLine(), refusal);
        QVERIFY(edit->styleSheet().contains(QStringLiteral("border")));
    } else {
        QCOMPARE(edit->toolTip(), ownTip);
    }
    const ProjectInputs inputs = SavedProject(path);
    QCOMPARE(QString::fromStdString(inputs.City), saved);
    QCOMPARE(QString::fromStdString(inputs.Window.WindowHeight), QStringLiteral("1.8"));
    QCOMPARE(QString::fromStdString(inputs.Window.Latitude), climate[0]);
    QVERIFY(!ui->form->isWindowModified());
}

void PickersGuiTest::choosingAMaterialFillsNameSAndLambda_data() {
    QTest::addColumn<QString>("conditions");
    QTest::addColumn<QString>("editor");
    QTest::addColumn<QString>("s");
    QTest::addColumn<QString>("lambda");
    QTest::newRow("wall, conditions А") << "ConditionsA"
                                        << "wall"
                                        << "17.98"
                                        << "1.92";
    QTest::newRow("wall, conditions Б") << "ConditionsB"
                                        << "wall"
                                        << "18.95"
                                        << "2.04";
    QTest::newRow("roof, conditions А") << "ConditionsA"
                                        << "roof"
                                        << "17.98"
                                        << "1.92";
    QTest::newRow("roof, conditions Б") << "ConditionsB"
                                        << "roof"
                                        << "18.95"
                                        << "2.04";
}

void PickersGuiTest::choosingAMaterialFillsNameSAndLambda() {
    QFETCH(QString, conditions);
    QFETCH(QString, editor);
    QFETCH(QString, s);
    QFETCH(QString, lambda);
    const bool wall = editor == QLatin1String("wall");
    const LayerEditor& e = wall ? kWallEditor : kRoofEditor;
    ui->Click(wall ? "CheckBox2" : "CheckBox3");
    ui->Click(conditions.toLatin1().constData());
    ui->Type(e.delta, QStringLiteral("0.2"));
    // The button in the name field opens the list; typing searches it.
    ui->Press(wall ? "Edit29List" : "Edit35List");
    PickList* list = MaterialPickerOf(*ui, wall ? "WallMaterialPicker" : "RoofMaterialPicker")->List();
    QVERIFY(list->IsShown());
    QCOMPARE(list->ShownValues().size(), 40);
    ui->Edit(e.name)->setFocus();
    FormUnderTest::TypeChars(ui->Edit(e.name), Utf8("железоб"));
    QCOMPARE(list->ShownLines(), QStringList{Utf8("Железобетон, 2500 кг/м³ — s %1, λ %2").arg(s, lambda)});
    PressEnterOnList(list);
    QCOMPARE(ui->Text(e.name), Utf8("Железобетон, 2500 кг/м³"));
    QCOMPARE(ui->Text(e.s), s);
    QCOMPARE(ui->Text(e.lambda), lambda);
    QCOMPARE(ui->Text(e.delta), QStringLiteral("0.2"));  // δ is typed
    // The row stays editable, and Enter stores it as typed.
    ui->Type(e.lambda, QStringLiteral("1.9"));
    ui->Press(e.enter);
    const char* grid = wall ? "StringGrid2" : "StringGrid3";
    QCOMPARE(Cell(*ui, grid, 1, 1), Utf8("Железобетон, 2500 кг/м³"));
    QCOMPARE(Cell(*ui, grid, 1, 2), s);
    QCOMPARE(Cell(*ui, grid, 1, 3), QStringLiteral("1.9"));
    QVERIFY2(ui->errors.isEmpty(), qPrintable(ui->errors.join('\n')));
}

void PickersGuiTest::anUnknownOrEmptyMaterialLeavesTheRow() {
    ui->Click("CheckBox2");
    const TypedLayer& brick = kWallLayers[1];
    ui->Type("Edit29", Utf8(brick.name));
    ui->Type("Edit30", QString::fromLatin1(brick.s));
    ui->Type("Edit31", QString::fromLatin1(brick.lambda));
    ui->Type("Edit32", QString::fromLatin1(brick.delta));
    const QStringList row = {ui->Text("Edit29"), ui->Text("Edit30"), ui->Text("Edit31"), ui->Text("Edit32")};
    MaterialPicker* picker = MaterialPickerOf(*ui, "WallMaterialPicker");
    for (const char* name : {"", "Кирпич", "Железобетон"}) {
        picker->ChooseNamed(Utf8(name));
        QCOMPARE((QStringList{ui->Text("Edit29"), ui->Text("Edit30"), ui->Text("Edit31"), ui->Text("Edit32")}), row);
    }
    // A name typed by hand opens no list.
    QVERIFY(!picker->List()->IsShown());
}

void PickersGuiTest::theListSearchesWhileItIsShown() {
    ui->Click("CheckBox3");
    PickList* list = MaterialPickerOf(*ui, "RoofMaterialPicker")->List();
    // A name that matches none: the whole list, by F4 in the field.
    ui->Type("Edit35", Utf8("Рубероид"));
    QTest::keyClick(ui->Edit("Edit35"), Qt::Key_F4);
    QCOMPARE(list->ShownValues().size(), 40);
    // Then each letter narrows it; a text that matches none closes it.
    ui->Type("Edit35", Utf8("ПЕНОПОЛИСТИРОЛ"));
    QCOMPARE(list->ShownValues().size(), 8);
    FormUnderTest::TypeChars(ui->Edit("Edit35"), Utf8("ы"));
    QVERIFY(!list->IsShown());
    // Alt+↓ opens it as well, with the materials the text names.
    ui->Type("Edit35", Utf8("дуб"));
    QTest::keyClick(ui->Edit("Edit35"), Qt::Key_Down, Qt::AltModifier);
    QCOMPARE(list->ShownValues(),
             (QStringList{Utf8("Дуб вдоль волокон, 700 кг/м³"), Utf8("Дуб поперек волокон, 700 кг/м³")}));
}

void PickersGuiTest::namesStartingWithTheTextAreOfferedFirst_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("offered");
    QTest::newRow("name start before a word")
        << Utf8("раствор")
        << QStringList{Utf8("Раствор цементно-песчаный, 1800 кг/м³"), Utf8("Кирпичная кладка из силикатного кирпича на "
                                                                           "цементно-песчаном растворе, 1800 кг/м³")};
    QTest::newRow("word start before inside a word")
        << Utf8("цемент")
        << QStringList{Utf8("Кирпичная кладка из силикатного кирпича на цементно-песчаном растворе, 1800 кг/м³"),
                       Utf8("Раствор цементно-песчаный, 1800 кг/м³"),
                       Utf8("Плиты фибролитовые и арболитовые на портландцементе, 800 кг/м³")};
    QTest::newRow("alphabetical within a kind")
        << Utf8("волокон") << QStringList{Utf8("Дуб вдоль волокон, 700 кг/м³"), Utf8("Дуб поперек волокон, 700 кг/м³")};
}

// The list puts the names starting with the text first, then those with a
// word starting with it, then the rest; Return on its first line takes that.
void PickersGuiTest::namesStartingWithTheTextAreOfferedFirst() {
    QFETCH(QString, typed);
    QFETCH(QStringList, offered);
    ui->Click("CheckBox2");
    PickList* list = MaterialPickerOf(*ui, "WallMaterialPicker")->List();
    QLineEdit* name = ui->Edit("Edit29");
    name->setFocus();
    QTest::keyClick(name, Qt::Key_F4);
    FormUnderTest::TypeChars(name, typed);
    QVERIFY(list->IsShown());
    QCOMPARE(list->ShownValues().mid(0, offered.size()), offered);
    QAbstractItemView* popup = list->findChild<QCompleter*>()->popup();
    QTest::keyClick(popup, Qt::Key_Down);
    PressEnterOnList(list);
    QCOMPARE(name->text(), offered.first());
}

// A name longer than its field or cell is whole in the tooltip of the
// field, of its line in the list and of its cell in the layer grid.
void PickersGuiTest::longNamesAreWholeInTooltips() {
    ui->Click("CheckBox2");
    const QString brick = Utf8("Кирпичная кладка из силикатного кирпича на цементно-песчаном растворе, 1800 кг/м³");
    PickList* list = MaterialPickerOf(*ui, "WallMaterialPicker")->List();
    QLineEdit* name = ui->Edit("Edit29");
    const QString fieldTip = name->toolTip();
    ui->Press("Edit29List");
    FormUnderTest::TypeChars(name, Utf8("кладка"));
    QCOMPARE(list->ShownValues(), QStringList{brick});
    const QAbstractItemView* popup = list->findChild<QCompleter*>()->popup();
    const QString lineTip = popup->model()->index(0, 0).data(Qt::ToolTipRole).toString();
    QVERIFY2(lineTip.startsWith(list->ShownLines().first()), qPrintable(lineTip));
    QVERIFY2(lineTip.contains(Utf8("Условия эксплуатации")), qPrintable(lineTip));
    // Within the screen, beside the field.
    QVERIFY(popup->width() <= name->screen()->availableGeometry().width());
    PressEnterOnList(list);
    QCOMPARE(name->text(), brick);
    QVERIFY2(name->toolTip().startsWith(fieldTip) && name->toolTip().endsWith(brick), qPrintable(name->toolTip()));
    QVERIFY(name->fontMetrics().horizontalAdvance(brick) > name->width());  // indeed longer than the field
    ui->Type("Edit32", QStringLiteral("0.25"));
    ui->Press("Button1");
    QCOMPARE(Cell(*ui, "StringGrid2", 1, 1), brick);
    QCOMPARE(ui->Grid("StringGrid2")->item(1, 1)->toolTip(), brick);
    // Emptied, the field says again only what it is for.
    ui->Type("Edit29", QString());
    QCOMPARE(name->toolTip(), fieldTip);
}

void PickersGuiTest::cityAndConditionsSurviveSaveAndOpen() {
    TypeCity("Москва");
    PressEnterOnList(CityPickerOf(*ui)->List());
    ui->Type("Edit7", QStringLiteral("20"));  // a text given after the choice wins
    ui->Click("ConditionsB");
    const QString path = PathOf("город.json");
    Save(path);
    QVERIFY(!ui->form->isWindowModified());

    StartWindow();
    QVERIFY(ui->form->OpenProject(path));
    QCOMPARE(ui->Text("CityEdit"), Utf8("Москва"));
    QCOMPARE(ClimateTexts(*ui), (QStringList{"56", "20", "10.2"}));
    QVERIFY(ui->Get<QRadioButton>("ConditionsB")->isChecked());
    QVERIFY(!ui->form->isWindowModified());
    // Either change marks the project modified.
    ui->Click("ConditionsA");
    QVERIFY(ui->form->isWindowModified());
    ui->Click("ConditionsB");
    QVERIFY(!ui->form->isWindowModified());
    // A name put in and not chosen is not the project's city; choosing it is.
    ui->Edit("CityEdit")->setText(Utf8("Калуга"));
    QVERIFY(!ui->form->isWindowModified());
    CityPickerOf(*ui)->ChooseNamed(Utf8("Калуга"));
    QVERIFY(ui->form->isWindowModified());
    // "Новый" forgets both.
    ui->form->NewProject();
    QCOMPARE(ui->Text("CityEdit"), QString());
    QVERIFY(ui->Get<QRadioButton>("ConditionsA")->isChecked());
    QVERIFY(ui->errors.isEmpty());
}

void PickersGuiTest::aFileWithACityGivesItsTextsAndTheGivenOnesWin() {
    const QString path = PathOf("city.json");
    WriteFile(path, R"({"City": "Москва", "Latitude": "50", "OperatingConditions": "B"})");
    QVERIFY(ui->form->OpenProject(path));
    QCOMPARE(ui->Text("CityEdit"), Utf8("Москва"));
    QCOMPARE(ClimateTexts(*ui), (QStringList{"50", "19.2", "10.2"}));
    QVERIFY(ui->Get<QRadioButton>("ConditionsB")->isChecked());
    QVERIFY(ui->errors.isEmpty());
}

void PickersGuiTest::aFileWithACityThatCannotFillIsRefused() {
    const QString path = PathOf("unknown-city.json");
    WriteFile(path, R"({"City": "Мсква", "WindowHeight": "2"})");
    QVERIFY(!ui->form->OpenProject(path));
    QCOMPARE(ui->errors,
             QStringList{QStringLiteral("Не удалось открыть проект «%1»: ").arg(path) +
                         Utf8("Город «Мсква» не найден в таблице климата; ближайшие: Москва, Выкса, Омск.")});
    QCOMPARE(ui->Text("Edit1"), QStringLiteral("1.5"));
    QCOMPARE(ui->Text("CityEdit"), QString());
}

void PickersGuiTest::pickersAreNamedForScreenReaders() {
    QCOMPARE(ui->Edit("CityEdit")->accessibleName(), Utf8("Город"));
    QVERIFY(!ui->Edit("CityEdit")->toolTip().isEmpty());
    QCOMPARE(ui->Get<QToolButton>("Edit29List")->accessibleName(), Utf8("Список материалов слоя стены"));
    QCOMPARE(ui->Get<QToolButton>("Edit35List")->accessibleName(), Utf8("Список материалов слоя покрытия"));
    QCOMPARE(ui->Get<QRadioButton>("ConditionsA")->accessibleName(), Utf8("Условия эксплуатации А"));
    QCOMPARE(ui->Get<QRadioButton>("ConditionsB")->accessibleName(), Utf8("Условия эксплуатации Б"));
    for (const char* name : {"Edit29List", "ConditionsA", "ConditionsB"})
        QVERIFY2(!ui->Get<QWidget>(name)->toolTip().isEmpty(), name);
    // Tab: the city just before the latitude; the conditions after the roof's layers.
    QCOMPARE(NextTabStop(ui->Edit("CityEdit")), ui->Get<QWidget>("ComboBox1"));
    QCOMPARE(NextTabStop(ui->Grid("StringGrid3")), ui->Get<QWidget>("ConditionsA"));
    QCOMPARE(NextTabStop(ui->Get<QWidget>("ConditionsA")), ui->Get<QWidget>("ConditionsB"));
}

QTEST_MAIN(PickersGuiTest)
#include "PickersGuiTest.moc"
