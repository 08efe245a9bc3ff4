// The main window driven through its widgets: what the user sees after
// typing, clicking and selecting pages. The computations themselves are
// tested with the calculation libraries; here the wiring is.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTimer>
#include <QToolButton>

#include "Conversions.h"
#include "FormTestSupport.h"
#include "InputControls.h"
#include "InputFields.h"
#include "MarkerPositions.h"
#include "Totals.h"
#include "UpDown.h"
#include "WindowHourTable.h"
#include "WindowResultsView.h"

namespace {

QString Shown(Decimal4 value) { return QString::fromStdString(FormatDecimal4(value)); }

// The visible items of a menu, "-" for a separator.
QStringList ItemsOf(const QMenu* menu) {
    QStringList items;
    for (QAction* item : menu->actions()) {
        if (item->isVisible()) items << (item->isSeparator() ? QStringLiteral("-") : item->text());
    }
    return items;
}

QStyleOptionButton OptionOf(const QCheckBox* box) {
    QStyleOptionButton option;
    option.initFrom(box);
    option.text = box->text();
    return option;
}

// Where a check box draws the letters of its caption, in the box's own coordinates.
QRect CaptionRect(const QCheckBox* box) {
    const QStyleOptionButton option = OptionOf(box);
    const QRect contents = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
    const QString text = box->text();
    const QString blanks = text.left(text.size() - text.trimmed().size());
    const int left = contents.left() + box->fontMetrics().horizontalAdvance(blanks);
    return {left, contents.top(), box->fontMetrics().horizontalAdvance(text.trimmed()), contents.height()};
}

// Where a check box draws its box, in its parent's coordinates.
QRect IndicatorRect(const QCheckBox* box) {
    const QStyleOptionButton option = OptionOf(box);
    return box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box).translated(box->pos());
}

// Clicks the window at a point of `box`'s coordinates, on whatever control is there.
void ClickWindowAt(QCheckBox* box, QPoint point) {
    for (QWidget* w = box->parentWidget(); w != nullptr; w = w->parentWidget()) {
        if (auto* area = qobject_cast<QScrollArea*>(w)) area->ensureWidgetVisible(box, 60, 20);
    }
    QWidget* window = box->window();
    const QPoint at = box->mapTo(window, point);
    QWidget* hit = window->childAt(at);
    QVERIFY(hit != nullptr);
    QTest::mouseClick(hit, Qt::LeftButton, {}, hit->mapFrom(window, at));
}

// How many dark (text) pixels a rectangle of a grid's cells holds.
int InkIn(const StringGrid* grid, QRect area) {
    const QImage image = grid->viewport()->grab(area).toImage();
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) ink += qGray(image.pixel(x, y)) < 100;
    return ink;
}

}  // namespace

class MainFormTest : public QObject {
    Q_OBJECT

private slots:
    void everyNamedControlExists();
    void startsOnTheInputPageWithDefaults();
    void menuHoldsItsItemsAndExitCloses();

    void openingAreaFollowsTyping_data();
    void openingAreaFollowsTyping();
    void emptyEditEmptiesAreaUntilRetyped();
    void areaFollowsAssignmentsByTheProgram();
    void outerCoeffsFollowWindSpeed_data();
    void outerCoeffsFollowWindSpeed();
    void negativeWindSpeedIsMarkedAndKeepsCoeffs();
    void strayLetterIsMarkedAtOnce();
    void windowKindSwitchesShadesTiltAndCoeffs();
    void elementSwitchesEnableGroupsAndClearResults();
    void orientationCaptionTogglesItsOwnBox_data();
    void orientationCaptionTogglesItsOwnBox();

    void windowsPageShowsOrientationOne();
    void orientationTabsRedisplayWithoutRecomputing();
    void markerFollowsPeakHour_data();
    void markerFollowsPeakHour();
    void horizontalKindHidesSelectorUntilLeft();
    void inclinedKindCaption();
    void windowsExcludedEmptiesGridOnly();
    void badWindowInputShowsTheLineOverAnEmptyGrid_data();
    void badWindowInputShowsTheLineOverAnEmptyGrid();

    void typicalRunTotals();
    void totalsHeadingsSpanTheirRowsAndNumbersStandRight_data();
    void totalsHeadingsSpanTheirRowsAndNumbersStandRight();
    void totalsWorkedHourWithWallsAndRoof();
    void totalsAllExcluded();
    void totalsKindExcludedAfterIncluded();
    void totalsFollowAWindowInputChanged();
    void anErrorThenTotalsShowsTheLineAndClearsItsRows();

    void headerTextsAssignedRunChangeHandlers();
    void errorBoxShowsTitleAndMessageAndWindowGoesOn();
};

void MainFormTest::everyNamedControlExists() {
    FormUnderTest t;
    for (int i = 1; i <= 42; ++i) Control<QLineEdit>(t.form.get(), qPrintable(QStringLiteral("Edit%1").arg(i)));
    for (int i = 1; i <= 19; ++i) Control<QCheckBox>(t.form.get(), qPrintable(QStringLiteral("CheckBox%1").arg(i)));
    for (int i = 1; i <= 3; ++i) {
        Control<QRadioButton>(t.form.get(), qPrintable(QStringLiteral("RadioButton%1").arg(i)));
        Control<QGroupBox>(t.form.get(), qPrintable(QStringLiteral("GroupBox%1").arg(i)));
    }
    for (int i : {1, 2, 3, 6}) Control<QTableWidget>(t.form.get(), qPrintable(QStringLiteral("StringGrid%1").arg(i)));
    for (int i : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 13})
        Control<QWidget>(t.form.get(), qPrintable(QStringLiteral("TabSheet%1").arg(i)));
    for (const char* name : {"PageControl1", "PageControl2"}) Control<QTabWidget>(t.form.get(), name);
    for (const char* name :
         {"Label27", "Label102", "Label103", "Label104", "Label105", "Label107", "Label108", "Label164"})
        Control<QLabel>(t.form.get(), name);
    for (const char* name : {"UpDown1", "UpDown2"}) Control<UpDown>(t.form.get(), name);
    for (const char* name : {"Button1", "Button2"}) Control<QPushButton>(t.form.get(), name);
    Control<QComboBox>(t.form.get(), "ComboBox1");
    Control<QMenuBar>(t.form.get(), "MainMenu1");
    for (const char* name : {"N1", "N5", "N11"}) Control<QMenu>(t.form.get(), name);
    for (const char* name : {"N2", "N3", "N4", "N6", "N7", "N8", "N9", "N10", "N12", "N13", "R1", "R2", "tt1"})
        Control<QAction>(t.form.get(), name);
    // Every input has a readable name for screen readers.
    for (QLineEdit* edit : t.form->findChildren<QLineEdit*>()) {
        if (edit->objectName().startsWith(QLatin1String("Edit")))
            QVERIFY2(!edit->accessibleName().isEmpty(), qPrintable(edit->objectName()));
    }
}

void MainFormTest::startsOnTheInputPageWithDefaults() {
    FormUnderTest t;
    QCOMPARE(t.form->windowTitle(), QStringLiteral("Расчёт теплопоступлений от солнечной радиации[*]"));
    QVERIFY(!t.form->isWindowModified());
    // The whole window within the screen's free area, the frame the window
    // manager adds included.
    const QRect room = t.form->screen()->availableGeometry();
    QVERIFY2(t.form->width() + 16 <= room.width() && t.form->height() + 40 <= room.height(),
             qPrintable(QStringLiteral("%1x%2").arg(t.form->width()).arg(t.form->height())));
    auto* pages = t.Get<QTabWidget>("PageControl2");
    QCOMPARE(pages->count(), 5);
    QCOMPARE(pages->tabText(0), QStringLiteral(" Исходные  данные "));
    QCOMPARE(pages->tabText(1), QStringLiteral("Окна"));
    QCOMPARE(pages->tabText(2), QStringLiteral("Итого :"));
    QCOMPARE(pages->tabText(3), QStringLiteral("Здание"));
    QCOMPARE(pages->tabText(4), QStringLiteral("Графики"));
    QCOMPARE(t.CurrentPage(), t.Get<QWidget>("TabSheet9"));

    QCOMPARE(t.Get<QComboBox>("ComboBox1")->currentText(), QStringLiteral("48"));
    QCOMPARE(t.Get<QComboBox>("ComboBox1")->count(), 21);
    const std::pair<const char*, const char*> defaults[] = {
        {"Edit1", "1.5"},    {"Edit2", "2"},      {"Edit3", "1"},        {"Edit5", "3.3"},   {"Edit6", "20"},
        {"Edit7", "22.5"},   {"Edit8", "0.3"},    {"Edit9", "0.3"},      {"Edit12", "14.7"}, {"Edit17", "3"},
        {"Edit18", "26.87"}, {"Edit42", "13.42"}, {"Edit41", "13.4231"}, {"Edit19", "0"},    {"Edit33", "3"},
        {"Edit27", "1"},     {"Edit40", "22"},    {"Edit21", "0"},       {"Edit20", "0"},    {"Edit29", ""}};
    for (const auto& [name, text] : defaults) QCOMPARE(t.Text(name), QString::fromLatin1(text));
    // Every control shows exactly its text of the input table, the texts the
    // window computation and the command-line tool start from.
    const WindowInputTexts computation = DefaultWindowInputTexts();
    for (const InputControl& input : InputControls()) {
        const std::string_view control = ControlOfKey(input.key);
        QVERIFY2(!control.empty(), input.key.data());  // every input has its control
        const QByteArray name(control.data(), static_cast<qsizetype>(control.size()));
        const QString shown =
            control == "ComboBox1" ? t.Get<QComboBox>(name.constData())->currentText() : t.Text(name.constData());
        QCOMPARE(shown, QString::fromUtf8(input.defaultText.data(), static_cast<qsizetype>(input.defaultText.size())));
        if (input.windowText != nullptr) QCOMPARE(shown, QString::fromStdString(computation.*input.windowText));
    }

    QVERIFY(t.Get<QCheckBox>("CheckBox1")->isChecked());
    QVERIFY(t.Get<QGroupBox>("GroupBox1")->isEnabled());
    QVERIFY(!t.Get<QGroupBox>("GroupBox2")->isEnabled());
    QVERIFY(!t.Get<QGroupBox>("GroupBox3")->isEnabled());
    QVERIFY(!t.Edit("Edit4")->isEnabled());  // wall inputs locked until "Стены"
    for (int i = 4; i <= 19; ++i)
        QVERIFY(!t.Get<QCheckBox>(qPrintable(QStringLiteral("CheckBox%1").arg(i)))->isChecked());
    QCOMPARE(t.Get<QCheckBox>("CheckBox4")->text(), QStringLiteral("C"));
    QCOMPARE(t.Get<QCheckBox>("CheckBox11")->text(), QStringLiteral("СЗ"));
    QVERIFY(t.Get<QRadioButton>("RadioButton1")->isChecked());
    QVERIFY(t.Edit("Edit19")->isHidden());
    QVERIFY(!t.Edit("Edit21")->isEnabled());  // its group is
    // The fields shown only look alike: read-only, on the window's colour.
    for (const char* computed : {"Edit20", "Edit21", "Edit24", "Edit25", "Edit41"}) {
        QVERIFY2(t.Edit(computed)->isReadOnly(), computed);
        QCOMPARE(t.Edit(computed)->palette().color(QPalette::Base), t.Edit("Edit20")->palette().color(QPalette::Base));
        QVERIFY(t.Edit(computed)->palette().color(QPalette::Base) != t.Edit("Edit23")->palette().color(QPalette::Base));
    }

    QCOMPARE(Cell(t, "StringGrid1", 0, 0), QStringLiteral("     8-9"));
    QCOMPARE(Cell(t, "StringGrid1", 0, 9), QStringLiteral("   17-18"));
    QCOMPARE(Cell(t, "StringGrid2", 0, 2), QStringLiteral("Усвоение s, Вт/(м²·°С)"));
    QCOMPARE(Cell(t, "StringGrid2", 0, 3), QStringLiteral("Коэф-т теплопр-ти λ, Вт/(м·°С)"));
    QCOMPARE(Cell(t, "StringGrid3", 0, 4), QStringLiteral("Толщина δ, м"));
    for (int row = 1; row <= 3; ++row) QCOMPARE(Cell(t, "StringGrid2", row, 0), QString::number(row));
    QCOMPARE(Cell(t, "StringGrid3", 0, 0), QStringLiteral("  №"));
    QCOMPARE(t.Grid("StringGrid2")->rowCount(), 4);
    QCOMPARE(t.Get<UpDown>("UpDown1")->Position(), 1);
    QCOMPARE(t.form->Project.WallLayerCount, 3);
    QCOMPARE(t.form->Project.RoofLayerCurrent, 1);
    // Each field's value is stored as it shows from the start on.
    for (const InputControl& input : InputControls()) {
        if (input.field.decimal == nullptr) continue;
        QCOMPARE(t.form->Project.*input.field.decimal,
                 ParseDecimal4(t.Text(std::string(ControlOfKey(input.key)).c_str()).toStdString()));
    }
    QVERIFY(t.errors.isEmpty());
}

void MainFormTest::menuHoldsItsItemsAndExitCloses() {
    FormUnderTest t;
    QCOMPARE(t.Get<QMenu>("N1")->title(), QStringLiteral("&Файл"));
    QCOMPARE(t.Get<QMenu>("N5")->title(), QStringLiteral("&Справка"));
    QCOMPARE(ItemsOf(t.Get<QMenu>("N1")),
             (QStringList{"&Новый", "&Открыть", "&Сохранить", "Сохранить &как…", "-", "&Печать", "Сво&йства проекта…",
                          "Печать о&тчёта…", "Отчёт (P&DF)…", "&Экспорт результатов…", "-", "В&ыход"}));
    QCOMPARE(ItemsOf(t.Get<QMenu>("N5")),
             (QStringList{"&Таблицы,  расчетные схемы", "Мои &материалы…", "Мои &города…", "-", "&О программе"}));
    QCOMPARE(t.Get<QMenu>("N11")->actions().size(), 5);
    QCOMPARE(t.Get<QAction>("tt1")->text(), QStringLiteral("Температуры tнср и Аtн для городов по Лемарову"));
    const std::pair<const char*, QKeySequence> shortcuts[] = {
        {"NewItem", QKeySequence(QStringLiteral("Ctrl+N"))},
        {"N3", QKeySequence(QStringLiteral("Ctrl+O"))},
        {"N2", QKeySequence(QStringLiteral("Ctrl+S"))},
        {"SaveAsItem", QKeySequence(QStringLiteral("Ctrl+Shift+S"))},
        {"N7", QKeySequence(QStringLiteral("Ctrl+P"))},
        {"N9", QKeySequence(QStringLiteral("Ctrl+Q"))},
        {"R1", QKeySequence(QStringLiteral("F1"))},
        {"CopyTable", QKeySequence(QStringLiteral("Ctrl+Shift+C"))},
    };
    for (const auto& [item, keys] : shortcuts) QCOMPARE(t.Get<QAction>(item)->shortcut(), keys);

    // A window standing beside the main window, as the reference viewer does.
    QWidget beside(t.form.get(), Qt::Window);
    beside.show();
    QVERIFY(t.form->isVisible());
    t.Get<QAction>("N9")->trigger();
    QVERIFY(!t.form->isVisible());
    QVERIFY(!beside.isVisible());
}

// ---- Derived values -------------------------------------------------------------

void MainFormTest::openingAreaFollowsTyping_data() {
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("area");
    QTest::newRow("B = 3 with H 1.5, n 1") << "Edit2"
                                           << "3"
                                           << "4.5";
    QTest::newRow("n = 2") << "Edit3"
                           << "2"
                           << "6";
    QTest::newRow("H = 1.23456 rounded before multiplying") << "Edit1"
                                                            << "1.23456"
                                                            << "2.4692";
    QTest::newRow("H = 0.5") << "Edit1"
                             << "0.5"
                             << "1";
}

void MainFormTest::openingAreaFollowsTyping() {
    QFETCH(QString, edit);
    QFETCH(QString, typed);
    QFETCH(QString, area);
    FormUnderTest t;
    t.Type(qPrintable(edit), typed);
    QCOMPARE(t.Text("Edit17"), area);
    QVERIFY(t.errors.isEmpty());
    QCOMPARE(t.form->Project.GlazingArea, ParseDecimal4(area.toStdString()));  // stored as shown
}

void MainFormTest::emptyEditEmptiesAreaUntilRetyped() {
    FormUnderTest t;
    t.Type("Edit17", QStringLiteral("9"));
    t.Type("Edit2", QString());
    QCOMPARE(t.Text("Edit2"), QString());
    QCOMPARE(t.Text("Edit17"), QString());  // no area of a size no longer given
    QVERIFY(t.errors.isEmpty());
    QTest::keyClicks(t.Edit("Edit2"), QStringLiteral("3"));
    QCOMPARE(t.Text("Edit17"), QStringLiteral("4.5"));
}

void MainFormTest::areaFollowsAssignmentsByTheProgram() {
    FormUnderTest t;
    t.Edit("Edit1")->setText(QStringLiteral("2"));
    QCOMPARE(t.Text("Edit17"), QStringLiteral("4"));
    t.Edit("Edit17")->setText(QStringLiteral("7"));
    t.Edit("Edit1")->setText(QStringLiteral("2"));  // same text: no change, no handler
    QCOMPARE(t.Text("Edit17"), QStringLiteral("7"));
}

void MainFormTest::outerCoeffsFollowWindSpeed_data() {
    QTest::addColumn<QString>("speed");
    QTest::addColumn<QString>("vertical");
    QTest::addColumn<QString>("horizontal");
    QTest::newRow("V = 4") << "4"
                           << "29"
                           << "13.9";
    QTest::newRow("V = 0") << "0"
                           << "5.8"
                           << "8.7";
    QTest::newRow("V = 3.3 again: four decimals") << "3.3"
                                                  << "26.8724"
                                                  << "13.4231";
}

void MainFormTest::outerCoeffsFollowWindSpeed() {
    QFETCH(QString, speed);
    QFETCH(QString, vertical);
    QFETCH(QString, horizontal);
    FormUnderTest t;
    t.Type("Edit5", speed);
    QCOMPARE(t.Text("Edit18"), vertical);
    QCOMPARE(t.Text("Edit42"), horizontal);
    QCOMPARE(t.form->Project.WindSpeed, ParseDecimal4(speed.toStdString()));
    QCOMPARE(t.Text("Edit41"), horizontal);  // the roof's αн, which its R₀ takes
    QVERIFY(t.errors.isEmpty());
}

void MainFormTest::negativeWindSpeedIsMarkedAndKeepsCoeffs() {
    FormUnderTest t;
    t.Type("Edit5", QStringLiteral("4"));
    t.Type("Edit5", QStringLiteral("-1"));
    // "-" alone fails to parse, "-1" is refused before it is stored: the
    // field says so, no box takes the typing.
    QVERIFY(t.errors.isEmpty());
    QCOMPARE(t.Refusal("Edit5"), QStringLiteral("Скорость ветра V должна быть не меньше 0 (введено -1)"));
    QCOMPARE(t.form->Project.WindSpeed, ParseDecimal4("4"));
    QCOMPARE(t.Text("Edit18"), QStringLiteral("29"));
    QCOMPARE(t.Text("Edit42"), QStringLiteral("13.9"));
}

void MainFormTest::strayLetterIsMarkedAtOnce() {
    FormUnderTest t;
    t.Type("Edit1", QStringLiteral("1x"));
    QVERIFY(t.errors.isEmpty());
    QCOMPARE(t.Refusal("Edit1"), QStringLiteral("Высота окна Н: «1x» — не число"));
    QCOMPARE(t.Text("Edit17"), QString());  // nothing derived from a refused text
}

void MainFormTest::windowKindSwitchesShadesTiltAndCoeffs() {
    FormUnderTest t;
    t.Type("Edit8", QStringLiteral("0.7"));
    t.Type("Edit5", QStringLiteral("4"));
    t.Type("Edit18", QStringLiteral("30"));

    t.Click("RadioButton3");  // horizontal
    QCOMPARE(t.Text("Edit8"), QStringLiteral("0"));
    QCOMPARE(t.Text("Edit9"), QStringLiteral("0"));
    QVERIFY(!t.Edit("Edit8")->isEnabled());
    QVERIFY(!t.Edit("Edit9")->isEnabled());
    QCOMPARE(t.Text("Edit18"), QStringLiteral("30"));  // vertical coefficient untouched
    t.Type("Edit42", QStringLiteral("1"));
    t.Click("RadioButton3");  // already checked: nothing
    QCOMPARE(t.Text("Edit42"), QStringLiteral("1"));
    t.Type("Edit5", QStringLiteral("0"));  // typing the speed updates both
    QCOMPARE(t.Text("Edit18"), QStringLiteral("5.8"));
    QCOMPARE(t.Text("Edit42"), QStringLiteral("8.7"));

    t.Click("RadioButton2");  // inclined: tilt line shown, shades kept
    QVERIFY(!t.Edit("Edit19")->isHidden());
    QVERIFY(!t.Get<QLabel>("Label102")->isHidden());
    QVERIFY(t.Edit("Edit8")->isEnabled());
    QCOMPARE(t.Text("Edit8"), QStringLiteral("0"));
    t.Type("Edit19", QStringLiteral("10"));

    t.Click("RadioButton1");  // vertical: shades back to 0.3, tilt hidden but kept
    QCOMPARE(t.Text("Edit8"), QStringLiteral("0.3"));
    QCOMPARE(t.Text("Edit9"), QStringLiteral("0.3"));
    QVERIFY(t.Edit("Edit19")->isHidden());
    QCOMPARE(t.Text("Edit19"), QStringLiteral("10"));
    QVERIFY(t.errors.isEmpty());

    // An empty speed is not an error for the kind switches.
    t.Type("Edit5", QString());
    t.Click("RadioButton2");
    QVERIFY(t.errors.isEmpty());
}

void MainFormTest::elementSwitchesEnableGroupsAndClearResults() {
    FormUnderTest t;
    t.form->Project.WindowHours.Record(3, 4)[WindowField::HeatGain] = Decimal4::FromInt(500);
    t.form->Project.WindowHours.Record(3, 4)[WindowField::GainDirect] = Decimal4::FromInt(7);
    t.form->Project.WallHourGain[2][5] = Decimal4::FromInt(11);
    t.form->Project.RoofHourGain[9] = Decimal4::FromInt(13);

    t.Click("CheckBox1");
    QVERIFY(!t.Get<QGroupBox>("GroupBox1")->isEnabled());
    QVERIFY(!t.Get<QWidget>("TabSheet10")->isEnabled());
    QVERIFY(!t.Get<QCheckBox>("CheckBox5")->isEnabled());
    QCOMPARE(t.form->Project.WindowHours.Record(3, 4)[WindowField::HeatGain], Decimal4());
    QCOMPARE(t.form->Project.WindowHours.Record(3, 4)[WindowField::GainDirect], Decimal4::FromInt(7));
    t.Click("CheckBox1");
    QVERIFY(t.Get<QGroupBox>("GroupBox1")->isEnabled());
    QVERIFY(t.Get<QWidget>("TabSheet10")->isEnabled());

    t.Click("CheckBox2");
    QVERIFY(t.Get<QGroupBox>("GroupBox2")->isEnabled());
    QVERIFY(t.Edit("Edit4")->isEnabled());
    QCOMPARE(t.form->Project.WallHourGain[2][5], Decimal4::FromInt(11));  // checking clears nothing
    t.Click("CheckBox2");
    QVERIFY(!t.Get<QGroupBox>("GroupBox2")->isEnabled());
    QCOMPARE(t.form->Project.WallHourGain[2][5], Decimal4());

    t.Click("CheckBox3");
    QVERIFY(t.Get<QGroupBox>("GroupBox3")->isEnabled());
    t.Click("CheckBox3");
    QVERIFY(!t.Get<QGroupBox>("GroupBox3")->isEnabled());
    QCOMPARE(t.form->Project.RoofHourGain[9], Decimal4());
    QVERIFY(t.errors.isEmpty());
}

// ---- Windows page ---------------------------------------------------------------

void MainFormTest::windowsPageShowsOrientationOne() {
    FormUnderTest t;
    t.ShowWindowsPage();
    QVERIFY(t.errors.isEmpty());
    QCOMPARE(t.Get<QTabWidget>("PageControl1")->currentIndex(), 0);
    QCOMPARE(t.Get<QTabWidget>("PageControl1")->tabText(0), QStringLiteral("   С"));
    QCOMPARE(t.Get<QTabWidget>("PageControl1")->tabText(7), QStringLiteral("  СЗ"));
    QCOMPARE(t.form->Project.GlazingArea, Decimal4::FromInt(3));  // inputs read
    for (int row = 1; row <= 17; ++row) {
        for (int column = 0; column < 10; ++column) {
            QCOMPARE(
                Cell(t, "StringGrid1", row, column),
                QString::fromStdString(WindowCellText(t.form->Project.WindowHours.Record(1, column + 1).Field(row))));
        }
    }
    QCOMPARE(Cell(t, "StringGrid1", 10, 0), QStringLiteral(" -0.13"));
    QCOMPARE(Cell(t, "StringGrid1", 10, 3), QStringLiteral(" 0.6"));
    QCOMPARE(t.Get<QLabel>("Label27")->text(), QStringLiteral("инс.в."));
    QCOMPARE(t.Get<QLabel>("Label108")->x(), PeakMarkerLeft(t.form->Project.WindowPeakHour[1] - 1));
    QCOMPARE(t.Get<QLabel>("Label108")->y(), 640);
    QCOMPARE(Cell(t, "StringGrid1", 0, 4), QStringLiteral("   12-13"));

    // The south facade at 12-13 with the default inputs.
    t.SelectTab("PageControl1", 4);
    QCOMPARE(Cell(t, "StringGrid1", 17, 4), QStringLiteral(" 760"));
    QCOMPARE(Cell(t, "StringGrid1", 12, 4), QStringLiteral(" 0.8979"));
    QCOMPARE(Cell(t, "StringGrid1", 16, 4), QStringLiteral(" 249"));
}

void MainFormTest::orientationTabsRedisplayWithoutRecomputing() {
    FormUnderTest t;
    t.ShowWindowsPage();
    // A value only the table holds: shown by the tab only if nothing recomputes.
    t.form->Project.WindowHours.Record(8, 1)[WindowField::HeatGain] = Decimal4::FromInt(12345);
    t.form->Project.WindowPeakHour[8] = 1;
    t.SelectTab("PageControl1", 7);
    QCOMPARE(Cell(t, "StringGrid1", 17, 0), QStringLiteral(" 12345"));
    QCOMPARE(t.Get<QLabel>("Label108")->x(), 152);
    t.SelectTab("PageControl1", 0);
    QCOMPARE(Cell(t, "StringGrid1", 17, 0),
             QString::fromStdString(WindowCellText(t.form->Project.WindowHours.Record(1, 1)[WindowField::HeatGain])));

    // Leaving and returning goes back to the north page; the table is
    // computed again only when an input it depends on changed.
    t.SelectTab("PageControl1", 7);
    t.ShowInputPage();
    t.ShowWindowsPage();
    QCOMPARE(t.Get<QTabWidget>("PageControl1")->currentIndex(), 0);
    QCOMPARE(t.form->Project.WindowHours.Record(8, 1)[WindowField::HeatGain], Decimal4::FromInt(12345));
    t.ShowInputPage();
    t.Type("Edit13", QStringLiteral("0.90"));  // the same value, another text
    t.ShowWindowsPage();
    QVERIFY(t.form->Project.WindowHours.Record(8, 1)[WindowField::HeatGain] != Decimal4::FromInt(12345));
    QVERIFY(t.errors.isEmpty());
}

void MainFormTest::markerFollowsPeakHour_data() {
    QTest::addColumn<int>("peakHour");
    QTest::addColumn<int>("left");
    QTest::newRow("8-9") << 1 << 152;
    QTest::newRow("11-12") << 4 << 400;
    QTest::newRow("17-18") << 10 << 896;
    QTest::newRow("no peak yet: stays") << 0 << 480;
}

void MainFormTest::markerFollowsPeakHour() {
    QFETCH(int, peakHour);
    QFETCH(int, left);
    FormUnderTest t;
    t.ShowWindowsPage();
    t.form->Project.WindowPeakHour[3] = 5;
    t.SelectTab("PageControl1", 2);
    QCOMPARE(t.Get<QLabel>("Label108")->x(), 480);
    t.form->Project.WindowPeakHour[4] = peakHour;
    t.SelectTab("PageControl1", 3);
    QCOMPARE(t.Get<QLabel>("Label108")->x(), left);
}

void MainFormTest::horizontalKindHidesSelectorUntilLeft() {
    FormUnderTest t;
    t.Click("RadioButton3");
    t.ShowWindowsPage();
    QVERIFY(t.errors.isEmpty());
    QVERIFY(t.Get<QTabWidget>("PageControl1")->isHidden());
    QVERIFY(t.Get<QLabel>("Label107")->isVisible());
    QCOMPARE(t.Get<QLabel>("Label107")->text(), QStringLiteral("Горизонтальные  окна"));
    QCOMPARE(t.Get<QLabel>("Label27")->text(), QStringLiteral("инс.г."));

    t.ShowInputPage();
    QVERIFY(!t.Get<QTabWidget>("PageControl1")->isHidden());
    t.Click("RadioButton1");
    t.ShowWindowsPage();
    QVERIFY(t.Get<QTabWidget>("PageControl1")->isVisible());
    QCOMPARE(t.Get<QLabel>("Label27")->text(), QStringLiteral("инс.в."));
    // The selector covers the title again.
    QVERIFY(t.Get<QTabWidget>("PageControl1")->geometry().intersects(t.Get<QLabel>("Label107")->geometry()));
}

void MainFormTest::inclinedKindCaption() {
    FormUnderTest t;
    t.Click("RadioButton2");
    t.Type("Edit19", QStringLiteral("10"));
    t.ShowWindowsPage();
    QVERIFY(t.errors.isEmpty());
    QCOMPARE(t.Get<QLabel>("Label27")->text(), QStringLiteral("инс.н."));
    QCOMPARE(t.form->Project.GlazingTilt, Decimal4::FromInt(10));
    t.SelectTab("PageControl1", 4);
    QCOMPARE(Cell(t, "StringGrid1", 17, 4), QStringLiteral(" 1133"));
}

void MainFormTest::windowsExcludedEmptiesGridOnly() {
    FormUnderTest t;
    t.ShowWindowsPage();
    t.SelectTab("PageControl1", 2);
    const int marker = t.Get<QLabel>("Label108")->x();
    t.ShowInputPage();
    t.Click("CheckBox1");
    const WindowHourTable before = t.form->Project.WindowHours;
    t.ShowWindowsPage();  // still selectable by its tab
    QCOMPARE(t.CurrentPage(), t.Get<QWidget>("TabSheet10"));
    QVERIFY(!t.Get<QTabWidget>("PageControl1")->isEnabled());
    for (int row = 1; row <= 17; ++row)
        for (int column = 0; column < 10; ++column) QCOMPARE(Cell(t, "StringGrid1", row, column), QString());
    QCOMPARE(Cell(t, "StringGrid1", 0, 0), QStringLiteral("     8-9"));
    QCOMPARE(t.Get<QLabel>("Label108")->x(), marker);
    QVERIFY(t.form->Project.WindowHours == before);
    QVERIFY(t.errors.isEmpty());
}

void MainFormTest::badWindowInputShowsTheLineOverAnEmptyGrid_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("Kотн x") << "Edit13"
                            << "x"
                            << "Коэффициент относительного проникания солнечной радиации Котн: «x» — не число.";
    QTest::newRow("latitude 65 after a horizontal run") << "ComboBox1"
                                                        << "65"
                                                        << "Широта должна быть целым числом от 40 до 60 градусов.";
}

void MainFormTest::badWindowInputShowsTheLineOverAnEmptyGrid() {
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(QString, message);
    FormUnderTest t;
    t.Click("RadioButton3");
    t.ShowWindowsPage();
    t.ShowInputPage();
    t.Type("Edit7", QStringLiteral("25"));
    if (control == "ComboBox1") {
        t.Get<QComboBox>("ComboBox1")->setCurrentText(text);
    } else {
        t.Type(qPrintable(control), text);
    }
    t.ShowWindowsPage();
    QCOMPARE(t.errors, QStringList{message});
    if (control == "Edit13")
        QCOMPARE(t.form->Project.OutdoorMeanTemp, Decimal4::FromInt(25));  // read before the failure
    // The field at fault is brought back, focused and marked.
    QCOMPARE(t.CurrentPage(), t.Get<QWidget>("TabSheet9"));
    QCOMPARE(t.form->focusWidget(), t.Get<QWidget>(qPrintable(control)));
    QVERIFY(!t.Refusal(qPrintable(control)).isEmpty());
    auto* line = t.Get<QLabel>("WindowsFailureLine");
    QVERIFY(line->isVisibleTo(t.Get<QWidget>("TabSheet10")));
    QCOMPARE(line->text(), QStringLiteral("Результаты не рассчитаны: ") + message);
    for (int row = 1; row <= 17; ++row)
        for (int column = 0; column < 10; ++column) QCOMPARE(Cell(t, "StringGrid1", row, column), QString());
    QVERIFY(!t.Get<QLabel>("Label108")->isVisible());
    // Mended, the page computes again and the line goes.
    t.ShowInputPage();
    if (control == "ComboBox1") {
        t.Get<QComboBox>("ComboBox1")->setCurrentText(QStringLiteral("48"));
    } else {
        t.Type(qPrintable(control), QStringLiteral("0.9"));
    }
    QVERIFY(t.Refusal(qPrintable(control)).isEmpty());  // the text changed
    t.ShowWindowsPage();
    QCOMPARE(t.errors.size(), 1);
    QVERIFY(!line->isVisible());
    QVERIFY(t.Get<QLabel>("Label108")->isVisible());
    QCOMPARE(Cell(t, "StringGrid1", 17, 5),
             QString::fromStdString(WindowCellText(t.form->Project.WindowHours.Record(1, 6)[WindowField::HeatGain])));
}

void MainFormTest::orientationCaptionTogglesItsOwnBox_data() {
    QTest::addColumn<QString>("box");
    for (int i = 4; i <= 19; ++i) {
        const QString name = QStringLiteral("CheckBox%1").arg(i);
        QTest::newRow(qPrintable(name)) << name;
    }
}

// A click on a caption ticks its box and no other; just right of the
// caption, where the next box of a row follows, nothing is ticked.
void MainFormTest::orientationCaptionTogglesItsOwnBox() {
    QFETCH(QString, box);
    FormUnderTest t;
    t.Click("CheckBox2");  // the wall orientations enabled
    QList<QCheckBox*> boxes;
    for (int i = 4; i <= 19; ++i) boxes << t.Get<QCheckBox>(qPrintable(QStringLiteral("CheckBox%1").arg(i)));
    const auto ticked = [&boxes] {
        QStringList names;
        for (const QCheckBox* b : boxes)
            if (b->isChecked()) names << b->objectName();
        return names;
    };
    auto* clicked = t.Get<QCheckBox>(qPrintable(box));
    const QRect caption = CaptionRect(clicked);
    QVERIFY2(clicked->rect().contains(caption.center()), "the caption is drawn within its box");
    ClickWindowAt(clicked, caption.center());
    QCOMPARE(ticked(), QStringList{box});
    ClickWindowAt(clicked, caption.center());
    QCOMPARE(ticked(), QStringList());
    ClickWindowAt(clicked, QPoint(caption.right() + 4, caption.center().y()));
    const QStringList stray = ticked();
    QVERIFY2(stray.isEmpty() || stray == QStringList{box}, qPrintable(stray.join(' ')));
    // In a row, the caption stands clearly nearer its own box than the next.
    const int index = boxes.indexOf(clicked);
    if (index + 1 < boxes.size() && boxes[index + 1]->y() == clicked->y()) {
        const QRect letters = caption.translated(clicked->pos());
        const int own = letters.left() - IndicatorRect(clicked).right();
        const int next = IndicatorRect(boxes[index + 1]).left() - letters.right();
        QVERIFY2(next > 2 * own, qPrintable(QStringLiteral("%1 px to its box, %2 px to the next").arg(own).arg(next)));
    }
}

// ---- Totals page -----------------------------------------------------------------

void MainFormTest::totalsHeadingsSpanTheirRowsAndNumbersStandRight_data() {
    QTest::addColumn<int>("heading");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("numbers");
    QTest::newRow("windows") << int(kWindowTitleRow) << QStringLiteral("Окна") << int(kWindowValueRow);
    QTest::newRow("walls") << int(kWallTitleRow) << QStringLiteral("Стены") << int(kWallValueRow);
    QTest::newRow("roof") << int(kRoofTitleRow) << QStringLiteral("Покрытие") << int(kRoofValueRow);
    QTest::newRow("sum") << int(kGrandTitleRow) << QStringLiteral("ВСЕГО") << int(kGrandValueRow);
}

// Each heading is drawn across its row, bold, at the left, on a shade; the
// cell the page computes it into keeps its text. The numbers below stand right.
void MainFormTest::totalsHeadingsSpanTheirRowsAndNumbersStandRight() {
    QFETCH(int, heading);
    QFETCH(QString, text);
    QFETCH(int, numbers);
    FormUnderTest t;
    t.Click("CheckBox8");
    t.ShowTotalsPage();
    QVERIFY2(t.errors.isEmpty(), qPrintable(t.errors.join(QLatin1Char('\n'))));
    const StringGrid* grid = t.Grid("StringGrid6");
    QCOMPARE(grid->Cell(heading, kTotalsTitleColumn).trimmed(), text);
    QCOMPARE(grid->columnSpan(heading, 0), kHourCount);
    const QTableWidgetItem* first = grid->item(heading, 0);
    QCOMPARE(first->data(Qt::AccessibleTextRole).toString(), text);
    QVERIFY(first->font().bold());
    QCOMPARE(Qt::Alignment(first->textAlignment()) & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    QVERIFY(first->background().color() != grid->palette().color(QPalette::Base));
    // The heading is drawn at the left of the row, over the first columns.
    const QRect row = grid->visualRect(grid->model()->index(heading, 0));
    QVERIFY(row.width() >= grid->visualRect(grid->model()->index(numbers, 0)).width() * kHourCount);
    QVERIFY(InkIn(grid, QRect(row.left(), row.top(), row.width() / 5, row.height())) > 20);
    QCOMPARE(InkIn(grid, QRect(row.left() + row.width() / 2, row.top(), row.width() / 2, row.height())), 0);
    for (int column = 0; column < kHourCount; ++column) {
        QCOMPARE(grid->columnSpan(numbers, column), 1);
        QCOMPARE(Qt::Alignment(grid->item(numbers, column)->textAlignment()) & Qt::AlignHorizontal_Mask,
                 Qt::AlignRight);
    }
}

void MainFormTest::typicalRunTotals() {
    FormUnderTest t;
    t.Get<QComboBox>("ComboBox1")->setCurrentText(QStringLiteral("52"));
    t.Type("Edit5", QStringLiteral("4"));
    QCOMPARE(t.Text("Edit18"), QStringLiteral("29"));
    t.ShowWindowsPage();
    QCOMPARE(t.form->Project.Latitude, 52);
    t.ShowInputPage();
    t.Click("CheckBox8");   // south windows
    t.Click("CheckBox2");   // walls
    t.Click("CheckBox16");  // south wall
    t.Type("Edit4", QStringLiteral("12"));
    t.Type("Edit22", QStringLiteral("0.6"));
    for (const TypedLayer& layer : kWallLayers) EnterLayer(t, kWallEditor, layer);
    t.ShowTotalsPage();
    QVERIFY2(t.errors.isEmpty(), qPrintable(t.errors.join(QLatin1Char('\n'))));

    QCOMPARE(Cell(t, "StringGrid6", 0, 0), QStringLiteral("   8-9"));
    QCOMPARE(Cell(t, "StringGrid6", 1, 4), QStringLiteral("  Окна"));
    QCOMPARE(Cell(t, "StringGrid6", 4, 4), QStringLiteral(" Стены"));
    QCOMPARE(Cell(t, "StringGrid6", 7, 4), QStringLiteral("Покрытие"));
    QCOMPARE(Cell(t, "StringGrid6", 10, 4), QStringLiteral("  ВСЕГО"));
    for (int h = 1; h <= 10; ++h) {
        const Decimal4 window = t.form->Project.WindowHours.Record(5, h)[WindowField::HeatGain];
        const Decimal4 wall = RoundToWholeWatts(t.form->Project.WallHourGain[5][h]);
        QCOMPARE(Cell(t, "StringGrid6", 2, h - 1), QStringLiteral("  ") + Shown(window));
        QCOMPARE(Cell(t, "StringGrid6", 5, h - 1), QStringLiteral("  ") + Shown(wall));
        QCOMPARE(Cell(t, "StringGrid6", 8, h - 1), QStringLiteral("  0"));
        QCOMPARE(Cell(t, "StringGrid6", 11, h - 1), QStringLiteral("  ") + Shown(window + wall));
        QCOMPARE(Cell(t, "StringGrid6", 9, h - 1), QString());  // roof excluded: no marker
    }
    QVERIFY(!t.form->Project.WallHourGain[5][5].IsZero());
    int windowMarkers = 0;
    for (int c = 0; c < 10; ++c) windowMarkers += Cell(t, "StringGrid6", 3, c) == QStringLiteral("  MAX");
    QCOMPARE(windowMarkers, 1);
    QCOMPARE(Cell(t, "StringGrid6", 3, MaximumHour(t.form->Project.WindowHourTotal) - 1), QStringLiteral("  MAX"));
    QCOMPARE(t.Get<QLabel>("Label164")->x(), GrandMaximumLeft(MaximumHour(t.form->Project.GrandHourTotal) - 1));
    QCOMPARE(t.Get<QLabel>("Label164")->y(), 512);

    // Showing again with unchanged inputs gives the same figures.
    const QString before = Cell(t, "StringGrid6", 11, 3);
    t.ShowInputPage();
    t.ShowTotalsPage();
    QCOMPARE(Cell(t, "StringGrid6", 11, 3), before);
}

void MainFormTest::totalsWorkedHourWithWallsAndRoof() {
    FormUnderTest t;
    t.Type("Edit5", QStringLiteral("3.3"));
    t.Click("CheckBox1");  // windows excluded
    t.Click("CheckBox2");
    t.Click("CheckBox16");  // Ю only
    t.Type("Edit33", QStringLiteral("1"));
    EnterLayer(t, kWallEditor, kWallLayers[1]);
    t.Type("Edit22", QStringLiteral("0.7"));
    t.Type("Edit4", QStringLiteral("10"));
    t.Click("CheckBox3");
    t.Type("Edit34", QStringLiteral("1"));
    EnterLayer(t, kRoofEditor, kWallLayers[1]);
    t.Type("Edit26", QStringLiteral("0.7"));
    t.Type("Edit23", QStringLiteral("10"));
    t.Type("Edit41", QStringLiteral("99"));  // only ever written
    t.ShowTotalsPage();
    QVERIFY2(t.errors.isEmpty(), qPrintable(t.errors.join(QLatin1Char('\n'))));
    QCOMPARE(Cell(t, "StringGrid6", 2, 4), QStringLiteral("  0"));
    QCOMPARE(Cell(t, "StringGrid6", 5, 4), QStringLiteral("  110"));
    QCOMPARE(Cell(t, "StringGrid6", 8, 4), QStringLiteral("  327"));
    QCOMPARE(Cell(t, "StringGrid6", 11, 4), QStringLiteral("  437"));
    QCOMPARE(t.Text("Edit41"), QStringLiteral("13.4231"));
    for (int c = 0; c < 10; ++c) QCOMPARE(Cell(t, "StringGrid6", 3, c), QString());
}

void MainFormTest::totalsAllExcluded() {
    FormUnderTest t;
    t.Click("CheckBox1");
    t.ShowTotalsPage();
    QVERIFY(t.errors.isEmpty());
    for (int c = 0; c < 10; ++c) {
        for (int row : {2, 5, 8, 11}) QCOMPARE(Cell(t, "StringGrid6", row, c), QStringLiteral("  0"));
        for (int row : {3, 6, 9}) QCOMPARE(Cell(t, "StringGrid6", row, c), QString());
    }
    // No gain, no maximum: the page says why instead of marking 8-9.
    QVERIFY(t.Get<QLabel>("Label164")->isHidden());
    QCOMPARE(t.Get<QLabel>("TotalsFailureLine")->text(),
             QStringLiteral("нет теплопоступлений: не отмечено ни окон, ни стен, ни покрытия"));
}

void MainFormTest::totalsKindExcludedAfterIncluded() {
    FormUnderTest t;
    t.ShowWindowsPage();
    t.ShowInputPage();
    t.Click("CheckBox8");
    t.ShowTotalsPage();
    const QString southNoon = Cell(t, "StringGrid6", 2, 4);
    QVERIFY(southNoon != QStringLiteral("  0"));
    t.ShowInputPage();
    t.Click("CheckBox1");  // excluded: its row and the sum lose it
    t.ShowTotalsPage();
    QCOMPARE(Cell(t, "StringGrid6", 2, 4), QStringLiteral("  0"));
    QCOMPARE(Cell(t, "StringGrid6", 11, 4), QStringLiteral("  0"));
    t.ShowInputPage();
    t.Click("CheckBox1");  // included again: computed again for the totals
    t.ShowTotalsPage();
    QCOMPARE(Cell(t, "StringGrid6", 2, 4), southNoon);
    QVERIFY(t.errors.isEmpty());
}

void MainFormTest::totalsFollowAWindowInputChanged() {
    FormUnderTest t;
    t.Click("CheckBox8");
    t.ShowTotalsPage();
    const QString before = Cell(t, "StringGrid6", 2, 4);
    t.ShowInputPage();
    t.Type("Edit1", QStringLiteral("2.4"));  // straight to the totals, not through "Окна"
    t.ShowTotalsPage();
    QCOMPARE(t.form->Project.WindowHeight, ParseDecimal4("2.4"));
    QCOMPARE(Cell(t, "StringGrid6", 2, 4),
             QStringLiteral("  ") + Shown(t.form->Project.WindowHours.Record(5, 5)[WindowField::HeatGain]));
    QVERIFY(Cell(t, "StringGrid6", 2, 4) != before);
    QVERIFY(t.errors.isEmpty());
}

void MainFormTest::anErrorThenTotalsShowsTheLineAndClearsItsRows() {
    FormUnderTest t;
    t.Click("CheckBox8");
    t.ShowTotalsPage();
    const QString windowRow = Cell(t, "StringGrid6", 2, 4);
    auto* line = t.Get<QLabel>("TotalsFailureLine");
    QVERIFY(!line->isVisible());
    t.ShowInputPage();
    t.Click("CheckBox2");  // walls with the default three layers, none entered
    t.Click("CheckBox16");
    t.ShowTotalsPage();
    const QString missing = QStringLiteral("Не введён слой 1 стены: введите его или уменьшите число слоёв.");
    QCOMPARE(t.errors, QStringList{missing});
    QVERIFY(line->isVisible());
    QCOMPARE(line->text(), QStringLiteral("Результаты не рассчитаны: ") + missing);
    QVERIFY(!t.Get<QLabel>("Label164")->isVisible());
    // The windows were computed before the walls; the walls, the roof after
    // them and the sum are not shown.
    QCOMPARE(Cell(t, "StringGrid6", 2, 4), windowRow);
    for (int row : {5, 8, 11}) QCOMPARE(Cell(t, "StringGrid6", row, 4), QString());
    QCOMPARE(Cell(t, "StringGrid6", 4, 4), QStringLiteral(" Стены"));

    // Mended, the line goes and every row is back.
    t.ShowInputPage();
    for (const TypedLayer& layer : kWallLayers) EnterLayer(t, kWallEditor, layer);
    t.ShowTotalsPage();
    QCOMPARE(t.errors.size(), 1);
    QVERIFY(!line->isVisible());
    QVERIFY(t.Get<QLabel>("Label164")->isVisible());
    QVERIFY(!Cell(t, "StringGrid6", 11, 4).isEmpty());

    // A window input that fails takes every row: the sum would hold old windows.
    t.ShowInputPage();
    t.Type("Edit12", QStringLiteral("a"));
    t.ShowTotalsPage();
    QCOMPARE(t.errors.last(), QStringLiteral("Суточная амплитуда температуры наружного воздуха Аtн: «a» — не число."));
    QCOMPARE(t.errors.size(), 2);
    for (int row : {2, 5, 8, 11}) QCOMPARE(Cell(t, "StringGrid6", row, 4), QString());
    QCOMPARE(line->text(),
             QStringLiteral(
                 "Результаты не рассчитаны: Суточная амплитуда температуры наружного воздуха Аtн: «a» — не число."));
}

// ---- Services for the menu commands, error boxes -----------------------------------

void MainFormTest::headerTextsAssignedRunChangeHandlers() {
    FormUnderTest t;
    QCOMPARE(t.form->HeaderControlTexts().size(), 19);
    QCOMPARE(t.form->HeaderControlTexts().first(), QStringLiteral("48"));
    QCOMPARE(t.form->HeaderControlTexts().last(), QStringLiteral("3.3"));
    t.SelectTab("PageControl2", 2);

    QStringList texts{"50",  "2",    "3",    "0.3", "0.3",   "0", "0",   "22.5", "20", "14.7",
                      "0.9", "0.25", "0.34", "5",   "26.87", "0", "0.9", "2",    "4"};
    t.form->ShowInputPage();
    QCOMPARE(t.Get<QTabWidget>("PageControl2")->currentIndex(), 0);
    t.form->AssignHeaderTexts(texts);
    QVERIFY(t.errors.isEmpty());
    QCOMPARE(t.Get<QComboBox>("ComboBox1")->currentText(), QStringLiteral("50"));
    QCOMPARE(t.Text("Edit17"), QStringLiteral("12"));  // the count changed: H·B·n
    QCOMPARE(t.Text("Edit18"), QStringLiteral("29"));  // the speed changed
    QCOMPARE(t.Text("Edit42"), QStringLiteral("13.9"));
    QCOMPARE(t.form->HeaderControlTexts().mid(1, 2), (QStringList{"2", "3"}));

    // A text that does not read is marked, and the rest is assigned all the
    // same: a project is never half opened.
    texts[2] = QStringLiteral("abc");
    texts[7] = QStringLiteral("30");
    t.form->AssignHeaderTexts(texts);
    QVERIFY(t.errors.isEmpty());
    QCOMPARE(t.Text("Edit2"), QStringLiteral("abc"));
    QCOMPARE(t.Refusal("Edit2"), QStringLiteral("Ширина окна В: «abc» — не число"));
    QCOMPARE(t.Text("Edit17"), QStringLiteral("5"));  // the file's own Fп
    QCOMPARE(t.Text("Edit7"), QStringLiteral("30"));

    // From inside a handler the failure ends that handler, reported once.
    t.errors.clear();
    texts[2] = QStringLiteral("3");
    texts[3] = QStringLiteral("0.5");
    texts[1] = QStringLiteral("x");
    bool reached = false;
    t.form->RunHandler([&] {
        t.form->AssignHeaderTexts(texts);
        reached = true;
    });
    QVERIFY(reached);
    QVERIFY(t.errors.isEmpty());
    QCOMPARE(t.Refusal("Edit1"), QStringLiteral("Высота окна Н: «x» — не число"));
    QCOMPARE(t.Text("Edit8"), QStringLiteral("0.5"));
}

void MainFormTest::errorBoxShowsTitleAndMessageAndWindowGoesOn() {
    FormUnderTest t;
    TForm1::ErrorSink = nullptr;
    QCoreApplication::setApplicationName(QStringLiteral("solargain"));
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int tries = 0;
    QTimer closer;
    closer.setInterval(20);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            box->accept();
        }
        if (++tries > 500) closer.stop();
    });
    closer.start();
    t.Type("Edit13", QStringLiteral("q"));  // typing opens no box
    QVERIFY(title.isEmpty());
    t.ShowWindowsPage();  // showing the page does
    closer.stop();
    QCOMPARE(title, QStringLiteral("solargain"));
    QCOMPARE(text, QStringLiteral("Коэффициент относительного проникания солнечной радиации Котн: «q» — не число."));
    QCOMPARE(icon, QMessageBox::Critical);
    QVERIFY(!QApplication::activeModalWidget());

    TForm1::ErrorSink = [&t](const QString& message) { t.errors << message; };
    t.Type("Edit13", QStringLiteral("0.9"));
    t.Type("Edit3", QStringLiteral("2"));
    QCOMPARE(t.Text("Edit17"), QStringLiteral("6"));
    t.ShowWindowsPage();
    QVERIFY(t.errors.isEmpty());
}

QTEST_MAIN(MainFormTest)
#include "MainFormTest.moc"
