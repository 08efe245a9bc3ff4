// Typing and the keyboard as a user meets them: texts typed keystroke by
// keystroke never raise a box, a refused text marks its field until it
// reads, an action that fails on a field brings it back focused, Tab goes
// through the groups in order, the shortcuts and Return do their commands,
// the spin at its end and the latitude box keep what is typed.

#include <tuple>

#include <QAction>
#include <QComboBox>
#include <QPrinter>
#include <QPushButton>
#include <QToolButton>

#include "Conversions.h"
#include "DerivedInputs.h"
#include "FormTestSupport.h"
#include "LayerEditor.h"
#include "Okna.h"
#include "ProjectDocument.h"
#include "UpDown.h"

namespace {

// The window in front with the keyboard, as a user has it.
void Activate(const FormUnderTest& t) {
    t.form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(t.form.get()));
}

// One key press per character into the focused field, from an emptied field.
void TypeFromEmpty(const FormUnderTest& t, const char* name, const QString& text, QStringList* refusals) {
    QLineEdit* edit = t.Edit(name);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    for (const QChar ch : text) {
        FormUnderTest::TypeChars(edit, QString(ch));
        if (refusals) *refusals << t.Refusal(name);
    }
}

}  // namespace

class TypingTest : public QObject {
    Q_OBJECT

private slots:
    // ---- Typing -------------------------------------------------------------------

    void keystrokesNeverRaiseABox_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("refusals");  // after each keystroke; "" for none
        QTest::addColumn<QString>("derived");       // the control that follows the typing
        QTest::addColumn<QString>("shown");         // and what it shows at the end
        const QString minus = QStringLiteral("Высота окна Н: «-» — не число");
        const auto below = [](double typed) {
            return QStringLiteral("Высота окна Н должна быть больше 0 (введено -%1)").arg(typed);
        };
        QTest::newRow("-1.5 into H") << "Edit1"
                                     << "-1.5" << QStringList{minus, below(1), below(1), below(1.5)} << "Edit17"
                                     << "";
        QTest::newRow("1,5 into B") << "Edit2"
                                    << "1,5" << QStringList{"", "", ""} << "Edit17"
                                    << "2.25";
        QTest::newRow("4, then 0 into V") << "Edit5"
                                          << "4,0" << QStringList{"", "", ""} << "Edit18"
                                          << "29";
        QTest::newRow("0 then 2 into n")
            << "Edit3"
            << "02" << QStringList{"Количество однотипных окон n должно быть целым числом не меньше 1 (введено 0)", ""}
            << "Edit17"
            << "6";
        QTest::newRow("a letter into V, then its end")
            << "Edit5"
            << "3x" << QStringList{"", "Скорость ветра V: «3x» — не число"} << "Edit42"
            << "13.2033";
        QTest::newRow("the wall count through an empty text") << "Edit33"
                                                              << "5" << QStringList{""} << "Edit33"
                                                              << "5";
    }
    void keystrokesNeverRaiseABox() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QStringList, refusals);
        QFETCH(QString, derived);
        QFETCH(QString, shown);
        FormUnderTest t;
        t.Click("CheckBox2");
        QStringList seen;
        TypeFromEmpty(t, qPrintable(field), typed, &seen);
        QCOMPARE(seen, refusals);
        QVERIFY2(t.errors.isEmpty(), qPrintable(t.errors.join('\n')));
        QCOMPARE(t.Text(qPrintable(field)), typed);
        QCOMPARE(t.Text(qPrintable(derived)), shown);
    }

    // An emptied field is marked as an unreadable one and derives nothing
    // (the opening area is emptied); an emptied layer count says so beside
    // the field too; neither opens a box or loses a layer.
    void emptiedFieldsAreMarked() {
        FormUnderTest t;
        t.Click("CheckBox2");
        EnterLayer(t, kWallEditor, kWallLayers[1]);
        t.Type("Edit1", QString());
        QCOMPARE(t.Refusal("Edit1"), QStringLiteral("Высота окна Н: пусто — введите число"));
        QCOMPARE(t.Text("Edit17"), QString());
        t.Type("Edit33", QString());
        QCOMPARE(t.Refusal("Edit33"), QStringLiteral("Количество слоёв в стене: пусто — введите целое число"));
        QCOMPARE(t.form->Project.WallLayerCount, 3);
        QCOMPARE(Cell(t, "StringGrid2", 1, 1), QStringLiteral("Кирпич"));
        QVERIFY(t.errors.isEmpty());
    }

    // A size or count outside its range is marked like an unreadable text,
    // with the values allowed, and Fп derives nothing from it; mended, the
    // mark goes and Fп follows again.
    void refusedSizesAndCountsDeriveNoArea_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<QString>("mended");
        QTest::addColumn<QString>("area");
        const QString height = QStringLiteral("Высота окна Н должна быть больше 0 (введено %1)");
        const QString count =
            QStringLiteral("Количество однотипных окон n должно быть целым числом не меньше 1 (введено %1)");
        QTest::newRow("H = -1") << "Edit1"
                                << "-1" << height.arg("-1") << "2"
                                << "4";
        QTest::newRow("H = 0") << "Edit1"
                               << "0" << height.arg("0") << "2"
                               << "4";
        QTest::newRow("H empty") << "Edit1"
                                 << ""
                                 << "Высота окна Н: пусто — введите число"
                                 << "2"
                                 << "4";
        QTest::newRow("B = -0.5") << "Edit2"
                                  << "-0.5"
                                  << "Ширина окна В должна быть больше 0 (введено -0.5)"
                                  << "3"
                                  << "4.5";
        QTest::newRow("n = 1,5") << "Edit3"
                                 << "1,5" << count.arg("1.5") << "2"
                                 << "6";
        QTest::newRow("n = 0") << "Edit3"
                               << "0" << count.arg("0") << "3"
                               << "9";
        QTest::newRow("n empty") << "Edit3"
                                 << ""
                                 << "Количество однотипных окон n: пусто — введите число"
                                 << "1"
                                 << "3";
    }
    void refusedSizesAndCountsDeriveNoArea() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, refusal);
        QFETCH(QString, mended);
        QFETCH(QString, area);
        FormUnderTest t;
        t.Type(qPrintable(field), typed);
        QCOMPARE(t.Refusal(qPrintable(field)), refusal);
        QCOMPARE(t.StatusLine(), refusal);
        QVERIFY(t.Edit(qPrintable(field))->accessibleDescription().contains(refusal));
        QCOMPARE(t.Text("Edit17"), QString());
        // Another size typed meanwhile leaves the refused one marked and Fп empty.
        const char* other = field == "Edit2" ? "Edit1" : "Edit2";
        t.Type(other, t.Text(other));
        QCOMPARE(t.Refusal(qPrintable(field)), refusal);
        QCOMPARE(t.Text("Edit17"), QString());
        t.Type(qPrintable(field), mended);
        QCOMPARE(t.Refusal(qPrintable(field)), QString());
        QCOMPARE(t.Text("Edit17"), area);
        QVERIFY2(t.errors.isEmpty(), qPrintable(t.errors.join('\n')));
    }

    // R₀ shown after the first layer, from the start and after the wind
    // speed changes, is the R₀ the results take for the same inputs; so is
    // the roof's αн.
    void theResistanceShownIsTheOneComputed_data() {
        QTest::addColumn<QString>("wind");
        QTest::addColumn<bool>("afterLayers");  // V typed once the layers are in
        QTest::newRow("at start-up") << QString() << false;
        QTest::newRow("V = 5") << "5" << false;
        QTest::newRow("V = 0") << "0" << false;
        QTest::newRow("V = 5 after the layers") << "5" << true;
        QTest::newRow("V = 0 after the layers") << "0" << true;
    }
    void theResistanceShownIsTheOneComputed() {
        QFETCH(QString, wind);
        QFETCH(bool, afterLayers);
        FormUnderTest t;
        if (!wind.isEmpty() && !afterLayers) t.Type("Edit5", wind);
        t.Click("CheckBox2");
        t.Click("CheckBox3");
        t.Type("Edit33", QStringLiteral("1"));
        t.Type("Edit34", QStringLiteral("1"));
        EnterLayer(t, kWallEditor, kWallLayers[1]);
        EnterLayer(t, kRoofEditor, kWallLayers[1]);
        if (afterLayers) t.Type("Edit5", wind);
        if (wind.isEmpty()) {
            QCOMPARE(t.Text("Edit21"), QStringLiteral("0.6213"));
            QCOMPARE(t.Text("Edit25"), QStringLiteral("0.6585"));
        }
        QCOMPARE(t.Text("Edit41").toStdString(), FormatDecimal4(HorizontalOuterCoeff(t.form->Project.WindSpeed)));
        QCOMPARE(ParseDecimal4(t.Text("Edit5").toStdString()), t.form->Project.WindSpeed);
        const ProjectOutcome outcome = ComputeProject(t.form->ShownProjectInputs());
        const auto* results = std::get_if<ProjectResults>(&outcome);
        QVERIFY(results != nullptr && results->Walls && results->Roof);
        QCOMPARE(t.Text("Edit21").toStdString(), FormatDecimal4(results->Walls->Figures.Resistance));
        QCOMPARE(t.Text("Edit25").toStdString(), FormatDecimal4(results->Roof->Figures.Resistance));
        QCOMPARE(t.Text("Edit20").toStdString(), FormatDecimal4(TransmittanceOf(results->Walls->Figures.Resistance)));
        QCOMPARE(t.Text("Edit24").toStdString(), FormatDecimal4(TransmittanceOf(results->Roof->Figures.Resistance)));
    }

    // «Ввод» with a figure refused changes neither the grid nor the layer
    // (nor so what a save writes); the entry row keeps what was typed.
    void aRefusedEntryChangesNothing() {
        FormUnderTest t;
        t.Click("CheckBox2");
        EnterLayer(t, kWallEditor, kWallLayers[1]);
        t.Type("Edit27", QStringLiteral("1"));
        const LayerList before = LayerListOf(t.form->Project, Construction::Wall);
        const QString cell = Cell(t, "StringGrid2", 1, 2);
        for (const auto& [s, lambda, delta] : {std::tuple{"abc", "0,5", "0.1"}, std::tuple{"", "", ""}}) {
            t.Type(kWallEditor.s, QString::fromLatin1(s));
            t.Type(kWallEditor.lambda, QString::fromLatin1(lambda));
            t.Type(kWallEditor.delta, QString::fromLatin1(delta));
            t.Click(kWallEditor.enter);
            QCOMPARE(Cell(t, "StringGrid2", 1, 2), cell);
            QCOMPARE(Cell(t, "StringGrid2", 1, 1), QStringLiteral("Кирпич"));
            QVERIFY(LayerListOf(t.form->Project, Construction::Wall) == before);
            QCOMPARE(t.Text(kWallEditor.s), QString::fromLatin1(s));
            QCOMPARE(t.Text(kWallEditor.delta), QString::fromLatin1(delta));
            QVERIFY(!t.Refusal(kWallEditor.s).isEmpty());
        }
    }

    // The mark: a red frame, the refusal as the field's tooltip and
    // accessible description and in the status bar; all of it goes when the
    // text reads, the field's own tooltip back.
    void theMarkAppearsAndClears() {
        FormUnderTest t;
        QLineEdit* h = t.Edit("Edit1");
        const QString ownTip = h->toolTip();
        QCOMPARE(t.StatusLine(), QString());
        t.Type("Edit1", QStringLiteral("x"));
        const QString refusal = QStringLiteral("Высота окна Н: «x» — не число");
        QCOMPARE(t.Refusal("Edit1"), refusal);
        QCOMPARE(h->toolTip(), refusal);
        QCOMPARE(h->accessibleDescription(), refusal);
        QCOMPARE(t.StatusLine(), refusal);
        QVERIFY(h->styleSheet().contains(QStringLiteral("border")));
        QCOMPARE(t.Text("Edit17"), QString());  // nothing derived until the text reads

        // Mended, the mark goes; n refused next, the area waits for it.
        t.Type("Edit1", QStringLiteral("2"));
        QCOMPARE(t.Refusal("Edit1"), QString());
        QCOMPARE(h->toolTip(), ownTip);
        QCOMPARE(h->styleSheet(), QString());
        QCOMPARE(t.StatusLine(), QString());
        QCOMPARE(t.Text("Edit17"), QStringLiteral("4"));
        t.Type("Edit3", QStringLiteral("0"));
        const QString count =
            QStringLiteral("Количество однотипных окон n должно быть целым числом не меньше 1 (введено 0)");
        QCOMPARE(t.StatusLine(), count);
        // A text typed elsewhere that the area reads again leaves n marked.
        t.Type("Edit2", QStringLiteral("3"));
        QCOMPARE(t.Refusal("Edit3"), count);
        QCOMPARE(t.Refusal("Edit2"), QString());
        QCOMPARE(t.Text("Edit17"), QString());
        t.Type("Edit3", QStringLiteral("2"));
        QCOMPARE(t.StatusLine(), QString());
        QCOMPARE(t.Text("Edit17"), QStringLiteral("12"));
        QVERIFY(t.errors.isEmpty());
    }

    // A text put in by the program (a project opened) that does not read is
    // marked like typing, and the rest of the project is put in all the same.
    void aTextPutByTheProgramIsMarked() {
        FormUnderTest t;
        ProjectInputs inputs = t.form->ShownProjectInputs();
        inputs.Window.WindowWidth = "2b";
        inputs.Window.IndoorTemp = "18";
        t.form->ApplyProjectInputs(inputs);
        QVERIFY(t.errors.isEmpty());
        QCOMPARE(t.Refusal("Edit2"), QStringLiteral("Ширина окна В: «2b» — не число"));
        QCOMPARE(t.Text("Edit6"), QStringLiteral("18"));
    }

    // ---- Refusals of an action, the field brought back --------------------------------

    void anActionFailingOnAFieldFocusesIt_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("page");  // shown to compute
        QTest::addColumn<QString>("message");
        QTest::newRow("H below 0") << "Edit1"
                                   << "-1.5" << 1 << "Высота окна Н должна быть больше 0 (введено -1.5)";
        QTest::newRow("Kотн above 1")
            << "Edit13"
            << "1.5" << 1
            << "Коэффициент относительного проникания солнечной радиации Котн должен быть от 0 "
               "до 1 (введено 1.5)";
        QTest::newRow("a below 0") << "Edit10"
                                   << "-0.1" << 2
                                   << "Расстояние от горизонтального элемента затенения до откоса а должно быть не "
                                      "меньше 0 (введено -0.1)";
        QTest::newRow("wall area below 0") << "Edit4"
                                           << "-20" << 2 << "Площадь стены F должна быть не меньше 0 (введено -20)";
        QTest::newRow("ρст above 1, from the charts") << "Edit22"
                                                      << "1.2" << 4
                                                      << "Коэффициент поглощения солнечной радиации поверхностью "
                                                         "стены ρст должен быть от 0 до 1 (введено 1.2)";
        QTest::newRow("tн.ср unreadable")
            << "Edit7"
            << "22.5.1" << 2 << "Средняя температура наружного воздуха tн.ср: «22.5.1» — не число.";
        QTest::newRow("H unreadable, on «Окна»") << "Edit1"
                                                 << "abc" << 1 << "Высота окна Н: «abc» — не число.";
        QTest::newRow("tв emptied, on «Итого :»")
            << "Edit6"
            << "" << 2 << "Температура внутреннего воздуха tв: пусто — введите число.";
        QTest::newRow("V past the range, on «Итого :»")
            << "Edit5"
            << "1e999" << 2 << "Скорость ветра V: «1e999» — слишком большое по модулю число.";
    }
    void anActionFailingOnAFieldFocusesIt() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(int, page);
        QFETCH(QString, message);
        FormUnderTest t;
        t.Click("CheckBox2");
        for (const TypedLayer& layer : kWallLayers) EnterLayer(t, kWallEditor, layer);
        t.Type(qPrintable(field), text);
        t.Edit("Edit29")->setFocus();  // the keyboard elsewhere
        t.SelectTab("PageControl2", page);
        QCOMPARE(t.errors, QStringList{message});
        QCOMPARE(t.CurrentPage(), t.Get<QWidget>("TabSheet9"));
        QCOMPARE(t.form->focusWidget(), t.Get<QWidget>(qPrintable(field)));
        QVERIFY(!t.Refusal(qPrintable(field)).isEmpty());
        QCOMPARE(t.StatusLine(), t.Refusal(qPrintable(field)));
        // Mended, the page computes.
        t.Type(qPrintable(field), QStringLiteral("0"));
        if (field == "Edit1" || field == "Edit7") t.Type(qPrintable(field), QStringLiteral("1.5"));
        t.SelectTab("PageControl2", page);
        QCOMPARE(t.errors.size(), 1);
        QCOMPARE(t.CurrentPage(), t.form->PageAt(page));
    }

    // ---- Keyboard -------------------------------------------------------------------

    // Each group top to bottom, the entry row before its "Ввод"; the fields
    // shown only (R, K, the roof's αн) are passed by.
    void tabGoesThroughEachGroupInOrder() {
        FormUnderTest t;
        Activate(t);
        t.Click("RadioButton2");  // the tilt line shown
        t.Click("CheckBox2");
        t.Click("CheckBox3");
        // clang-format off
        const QStringList expected{
            // "Для окон": the switch, the fields, the orientations
            "CheckBox1", "Edit1", "Edit2", "Edit8", "Edit9", "Edit10", "Edit11", "Edit3", "Edit17", "Edit19", "Edit14", "Edit15", "Edit16", "Edit13",
            "CheckBox4", "CheckBox5", "CheckBox6", "CheckBox7", "CheckBox8", "CheckBox9", "CheckBox10", "CheckBox11",
            // the window kind (its checked button), the site block with the city
            "RadioButton2",
            "CityEdit", "ComboBox1", "Edit7", "Edit6", "Edit5", "Edit12", "Edit18", "Edit42",
            // "Для стен": the fields, the layer editor, the orientations
            "CheckBox2", "Edit4", "Edit22", "Edit33", "Edit39",
            "Edit27", "Edit29", "Edit30", "Edit31", "Edit32", "Button1", "DeleteWallLayer", "StringGrid2",
            "CheckBox12", "CheckBox13", "CheckBox14", "CheckBox15", "CheckBox16", "CheckBox17", "CheckBox18", "CheckBox19",
            // "Для покрытий"
            "CheckBox3", "Edit23", "Edit26", "Edit34", "Edit40",
            "Edit28", "Edit35", "Edit36", "Edit37", "Edit38", "Button2", "DeleteRoofLayer", "StringGrid3",
            // the operating conditions of the material list (its checked button)
            "ConditionsA"};
        // clang-format on
        t.Get<QWidget>("CheckBox1")->setFocus(Qt::TabFocusReason);
        QStringList seen{QApplication::focusWidget()->objectName()};
        while (seen.size() < expected.size()) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            seen << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(seen, expected);
        // No read-only field of the window is a Tab stop, yet a click still
        // puts the cursor in one to select its figure.
        for (const QLineEdit* edit : t.form->findChildren<QLineEdit*>()) {
            if (edit->isReadOnly()) QVERIFY2(!(edit->focusPolicy() & Qt::TabFocus), qPrintable(edit->objectName()));
        }
        for (const char* shown : {"Edit20", "Edit21", "Edit24", "Edit25", "Edit41"}) {
            QVERIFY2(t.Edit(shown)->isReadOnly(), shown);
            QTest::mouseClick(t.Edit(shown), Qt::LeftButton);
            QCOMPARE(QApplication::focusWidget(), t.Edit(shown));
        }
    }

    void shortcutsDoTheirCommands() {
        FormUnderTest t;
        Activate(t);
        int prints = 0;
        t.form->PrintDialog1 = [&prints](QPrinter&, QWidget*) {
            ++prints;
            return false;
        };
        QWidget* focused = t.Edit("Edit1");
        focused->setFocus();
        // Ctrl+1 … Ctrl+5 select the pages in their order.
        const char* pages[] = {"TabSheet10", "TabSheet13", "TabSheet15", "TabSheet14", "TabSheet9"};
        const Qt::Key keys[] = {Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5, Qt::Key_1};
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(t.form.get(), keys[i], Qt::ControlModifier);
            QCOMPARE(t.CurrentPage(), t.Get<QWidget>(pages[i]));
        }
        QTest::keyClick(focused, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(prints, 1);
        QTest::keyClick(focused, Qt::Key_F1);
        auto* viewer = t.form->findChild<TForm3*>(QStringLiteral("Form3"));
        QVERIFY(viewer && viewer->isVisible());
        QCOMPARE(t.form->Project.ReferenceTopic, 1);
        viewer->close();
        t.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(t.form.get()));
        QTest::keyClick(focused, Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!t.form->isVisible());
    }

    void returnInTheEntryRowEntersTheLayer_data() {
        QTest::addColumn<QString>("entry");  // where Return is pressed
        QTest::newRow("in the name") << "Edit29";
        QTest::newRow("in δ") << "Edit32";
    }
    void returnInTheEntryRowEntersTheLayer() {
        QFETCH(QString, entry);
        FormUnderTest t;
        t.Click("CheckBox2");
        const TypedLayer& brick = kWallLayers[1];
        t.Type(kWallEditor.name, QString::fromUtf8(brick.name));
        t.Type(kWallEditor.s, QString::fromLatin1(brick.s));
        t.Type(kWallEditor.lambda, QString::fromLatin1(brick.lambda));
        t.Type(kWallEditor.delta, QString::fromLatin1(brick.delta));
        QTest::keyClick(t.Edit(qPrintable(entry)), Qt::Key_Return);
        QCOMPARE(Cell(t, "StringGrid2", 1, 1), QStringLiteral("Кирпич"));
        QCOMPARE(t.Text("Edit27"), QStringLiteral("2"));
        QCOMPARE(t.form->focusWidget(), t.Edit("Edit29"));
        QVERIFY(t.errors.isEmpty());
    }

    // ---- The latitude box -------------------------------------------------------------

    void theLatitudeBoxTakesWholeDegreesOnly_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("5 is not completed to 50") << "5"
                                                  << "5";
        QTest::newRow("52") << "52"
                            << "52";
        QTest::newRow("7 is no latitude") << "7"
                                          << "";
        QTest::newRow("65 stops at 6") << "65"
                                       << "6";
        QTest::newRow("no fraction: the comma refused") << "5,5"
                                                        << "55";
        QTest::newRow("no sign") << "-48"
                                 << "48";
    }
    void theLatitudeBoxTakesWholeDegreesOnly() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        FormUnderTest t;
        auto* box = t.Get<QComboBox>("ComboBox1");
        QLineEdit* edit = box->lineEdit();
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, typed);
        QCOMPARE(box->currentText(), shown);
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(box->count(), 21);  // nothing added to the list
        QCOMPARE(box->itemText(0), QStringLiteral("40"));
        QCOMPARE(box->itemText(20), QStringLiteral("60"));
    }

    // What a project file puts into the box is shown as it is, and refused
    // only when a page is computed from it.
    void theLatitudeBoxShowsAnyTextAFilePutsIn() {
        FormUnderTest t;
        ProjectInputs inputs = t.form->ShownProjectInputs();
        inputs.Window.Latitude = "65";
        t.form->ApplyProjectInputs(inputs);
        QCOMPARE(t.Get<QComboBox>("ComboBox1")->currentText(), QStringLiteral("65"));
        QVERIFY(t.errors.isEmpty());
        t.ShowWindowsPage();
        QCOMPARE(t.errors, QStringList{"Широта должна быть целым числом от 40 до 60 градусов."});
        QCOMPARE(t.form->focusWidget(), t.Get<QWidget>("ComboBox1"));
    }
};

QTEST_MAIN(TypingTest)
#include "TypingTest.moc"
