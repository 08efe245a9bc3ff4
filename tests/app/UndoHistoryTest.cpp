// «Правка → Отменить / Повторить» driven as a user does: each kind of change
// taken back and made again with its texts and the totals it gives, typing
// in one field as one step, the items naming the step, the modified mark
// following the steps, and Ctrl+Z in a focused field undoing the project.

#include <QComboBox>
#include <QMenu>
#include <QUndoStack>

#include <functional>

#include "CityPicker.h"
#include "FormTestSupport.h"
#include "MaterialPicker.h"

namespace {

QString Utf8(const char* text) { return QString::fromUtf8(text); }

// The window in front with the keyboard, so that focus moves as a user's does.
void Activate(const FormUnderTest& t) {
    t.form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(t.form.get()));
}

// The events of the action just done are handled, as the event loop would.
void Settle() { QCoreApplication::processEvents(); }

// Typing key by key with the events handled in between, the focus left in the field.
void TypeKeys(const FormUnderTest& t, const char* name, const QString& text) {
    QLineEdit* edit = t.Edit(name);
    edit->setFocus();
    edit->selectAll();
    for (const QChar ch : text) {
        FormUnderTest::TypeChars(edit, QString(ch));
        Settle();
    }
}

// The focus leaves for a control that changes nothing.
void LeaveField(const FormUnderTest& t) {
    t.Get<QWidget>("CheckBox1")->setFocus();
    Settle();
}

QString ItemText(const FormUnderTest& t, const char* item) {
    Settle();
    return t.Get<QAction>(item)->text().remove(QLatin1Char('&'));
}

// The texts the changes below touch, and the project's typed layers.
QStringList ShownTexts(const FormUnderTest& t) {
    QStringList texts;
    for (const char* name : {"Edit1", "Edit17", "Edit7", "Edit12", "Edit8", "Edit9", "Edit18", "Edit33", "Edit21",
                             "Edit20", "Edit27", "Edit29", "Edit30", "Edit31", "Edit32", "CityEdit"})
        texts << QStringLiteral("%1=%2").arg(QString::fromLatin1(name), t.Text(name));
    texts << t.Get<QComboBox>("ComboBox1")->currentText();
    for (const char* name : {"RadioButton1", "RadioButton3", "CheckBox5", "CheckBox2"})
        texts << QStringLiteral("%1=%2").arg(QString::fromLatin1(name)).arg(t.Get<QAbstractButton>(name)->isChecked());
    StringGrid* layers = t.Grid("StringGrid2");
    for (int row = 1; row < layers->rowCount(); ++row) texts << layers->Cell(row, 1) + layers->Cell(row, 4);
    return texts;
}

// The totals page as shown.
QStringList TotalsCells(const FormUnderTest& t) {
    QStringList cells;
    StringGrid* grid = t.Grid("StringGrid6");
    for (int row = 0; row < grid->rowCount(); ++row)
        for (int column = 0; column < grid->columnCount(); ++column) cells << grid->Cell(row, column);
    return cells;
}

// A project with windows facing south and a south wall of three layers.
void StartProject(const FormUnderTest& t) {
    t.Click("CheckBox2");
    t.Click("CheckBox8");
    t.Click("CheckBox16");
    t.Type("Edit4", QStringLiteral("12"));
    t.Type("Edit22", QStringLiteral("0.7"));
    for (const TypedLayer& layer : kWallLayers) EnterLayer(t, kWallEditor, layer);
    LeaveField(t);
}

// Types a layer into the wall's entry row under the number `number`.
void TypeWallRow(const FormUnderTest& t, const char* number, const TypedLayer& layer) {
    TypeKeys(t, "Edit27", QString::fromLatin1(number));
    TypeKeys(t, "Edit29", Utf8(layer.name));
    TypeKeys(t, "Edit30", QString::fromLatin1(layer.s));
    TypeKeys(t, "Edit31", QString::fromLatin1(layer.lambda));
    TypeKeys(t, "Edit32", QString::fromLatin1(layer.delta));
    LeaveField(t);
}

using Action = std::function<void(const FormUnderTest&)>;

struct Change {
    const char* name;
    const char* step;  // as the menu names it
    Action prepare;    // before the change, steps of their own
    Action make;
    bool changesTotals;
};

const Action kNothing = [](const FormUnderTest&) {};

const Change kChanges[] = {
    {"typed field", "Высота окна Н", kNothing,
     [](const FormUnderTest& t) { TypeKeys(t, "Edit1", QStringLiteral("2.5")); }, true},
    {"window orientation tick", "Учитывать окна ориентации СВ", kNothing,
     [](const FormUnderTest& t) { t.Click("CheckBox5"); }, true},
    {"element tick", "Учитывать стены", kNothing, [](const FormUnderTest& t) { t.Click("CheckBox2"); }, true},
    {"window kind", "Вид остекления", kNothing, [](const FormUnderTest& t) { t.Click("RadioButton3"); }, true},
    {"layer entered", "Слой стены 2",
     [](const FormUnderTest& t) {
         TypeWallRow(t, "2", {"Газобетон", "3.4", "0.2", "0.3"});
     },
     [](const FormUnderTest& t) { t.Press("Button1"); }, true},
    {"layer removed", "Удаление слоя стены 2",
     [](const FormUnderTest& t) {
         TypeKeys(t, "Edit27", QStringLiteral("2"));
         LeaveField(t);
     },
     [](const FormUnderTest& t) { t.Press("DeleteWallLayer"); }, true},
    {"layer count", "Количество слоёв в стене", kNothing,
     [](const FormUnderTest& t) { TypeKeys(t, "Edit33", QStringLiteral("2")); }, true},
    {"city picked", "Город", kNothing,
     [](const FormUnderTest& t) { t.form->findChild<CityPicker*>()->ChooseNamed(Utf8("Москва")); }, true},
    {"material picked", "Материал слоя стены", kNothing,
     [](const FormUnderTest& t) {
         t.form->findChild<MaterialPicker*>(QStringLiteral("WallMaterialPicker"))
             ->ChooseNamed(Utf8("Железобетон, 2500 кг/м³"));
     },
     false},
};

}  // namespace

class UndoHistoryTest : public QObject {
    Q_OBJECT

private slots:
    void eachChangeIsUndoneAndRedone_data() {
        QTest::addColumn<int>("change");
        for (int i = 0; i < int(std::size(kChanges)); ++i) QTest::newRow(kChanges[i].name) << i;
    }

    // State: a project shown on the totals page. Action: a change on the
    // input page, then undo and redo from the totals page. Expected: the
    // texts and the totals as before the change, then as after it, the page
    // kept, and the items naming the step.
    void eachChangeIsUndoneAndRedone() {
        QFETCH(int, change);
        const Change& c = kChanges[change];
        FormUnderTest t;
        Activate(t);
        StartProject(t);
        c.prepare(t);
        t.ShowTotalsPage();
        const QStringList totalsBefore = TotalsCells(t);
        t.ShowInputPage();
        const QStringList before = ShownTexts(t);
        const int steps = t.form->UndoStack1->count();

        c.make(t);
        Settle();
        const QStringList after = ShownTexts(t);
        QVERIFY(after != before);
        QCOMPARE(t.form->UndoStack1->count(), steps + 1);
        QCOMPARE(ItemText(t, "UndoItem"), QStringLiteral("Отменить: ") + Utf8(c.step));
        t.ShowTotalsPage();
        const QStringList totalsAfter = TotalsCells(t);
        QCOMPARE(totalsAfter != totalsBefore, c.changesTotals);

        t.Get<QAction>("UndoItem")->trigger();
        QCOMPARE(t.CurrentPage(), t.Get<QWidget>("TabSheet13"));
        QCOMPARE(TotalsCells(t), totalsBefore);
        QCOMPARE(ShownTexts(t), before);
        QCOMPARE(ItemText(t, "RedoItem"), QStringLiteral("Повторить: ") + Utf8(c.step));

        t.Get<QAction>("RedoItem")->trigger();
        QCOMPARE(TotalsCells(t), totalsAfter);
        QCOMPARE(ShownTexts(t), after);
        QCOMPARE(t.form->UndoStack1->count(), steps + 1);  // putting back makes no step
        QVERIFY(t.errors.isEmpty());
    }

    // Typing in one field is one step until the field is left or its editing
    // finished; typed back to where it began, it is no step.
    void typingInOneFieldIsOneStep() {
        FormUnderTest t;
        Activate(t);
        QUndoStack* stack = t.form->UndoStack1;
        TypeKeys(t, "Edit1", QStringLiteral("2.75"));
        QCOMPARE(stack->count(), 1);
        LeaveField(t);
        TypeKeys(t, "Edit1", QStringLiteral("3"));
        QCOMPARE(stack->count(), 2);
        QTest::keyClick(t.Edit("Edit1"), Qt::Key_Return);
        TypeKeys(t, "Edit1", QStringLiteral("4"));
        QCOMPARE(stack->count(), 3);
        QCOMPARE(t.Text("Edit17"), QStringLiteral("8"));

        t.Get<QAction>("UndoItem")->trigger();
        t.Get<QAction>("UndoItem")->trigger();
        QCOMPARE(t.Text("Edit1"), QStringLiteral("2.75"));
        QCOMPARE(t.Text("Edit17"), QStringLiteral("5.5"));
        t.Get<QAction>("UndoItem")->trigger();
        QCOMPARE(t.Text("Edit1"), QStringLiteral("1.5"));
        QCOMPARE(t.Text("Edit17"), QStringLiteral("3"));
        QVERIFY(!t.Get<QAction>("UndoItem")->isEnabled());
        QCOMPARE(ItemText(t, "UndoItem"), QStringLiteral("Отменить"));

        // A new change drops the steps undone.
        LeaveField(t);
        TypeKeys(t, "Edit2", QStringLiteral("2.5"));
        TypeKeys(t, "Edit2", QStringLiteral("2"));
        LeaveField(t);
        QCOMPARE(stack->count(), 0);
        QVERIFY(!t.Get<QAction>("RedoItem")->isEnabled());
    }

    // Undone on the windows page, the facade shown stays and shows the
    // results of the inputs put back.
    void windowsPageKeepsItsFacade() {
        FormUnderTest t;
        const auto southCells = [&t] {
            t.SelectTab("PageControl1", 4);
            QStringList cells;
            for (int row = 1; row < t.Grid("StringGrid1")->rowCount(); ++row) cells << Cell(t, "StringGrid1", row, 3);
            return cells;
        };
        t.ShowWindowsPage();
        const QStringList before = southCells();
        t.ShowInputPage();
        t.Type("Edit1", QStringLiteral("2"));
        Settle();
        t.ShowWindowsPage();
        QVERIFY(southCells() != before);
        t.Get<QAction>("UndoItem")->trigger();
        QCOMPARE(t.CurrentPage(), t.Get<QWidget>("TabSheet10"));
        QCOMPARE(t.Get<QTabWidget>("PageControl1")->currentIndex(), 4);
        QCOMPARE(southCells(), before);
        QVERIFY(t.errors.isEmpty());
    }

    // Undoing the first layer shows R₀ and K as they stood before it.
    void firstLayerUndoneShowsResistanceAsBefore() {
        FormUnderTest t;
        t.Click("CheckBox2");
        Settle();
        const QStringList before = {t.Text("Edit21"), t.Text("Edit20")};
        EnterLayer(t, kWallEditor, kWallLayers[1]);
        Settle();
        const QStringList after = {t.Text("Edit21"), t.Text("Edit20")};
        QVERIFY(after != before);
        QCOMPARE(ItemText(t, "UndoItem"), QStringLiteral("Отменить: Слой стены 1"));
        t.Get<QAction>("UndoItem")->trigger();
        QCOMPARE((QStringList{t.Text("Edit21"), t.Text("Edit20")}), before);
        QCOMPARE(Cell(t, "StringGrid2", 1, 1), QString());
        t.Get<QAction>("RedoItem")->trigger();
        QCOMPARE((QStringList{t.Text("Edit21"), t.Text("Edit20")}), after);
        QVERIFY(t.errors.isEmpty());
    }

    // The two items stand at the top of «Правка», disabled with nothing to
    // undo or redo.
    void itemsStandAtTheTopOfTheEditMenu() {
        FormUnderTest t;
        const QList<QAction*> items = t.Get<QMenu>("EditMenu")->actions();
        QVERIFY(items.size() >= 2);
        QCOMPARE(items[0], t.Get<QAction>("UndoItem"));
        QCOMPARE(items[1], t.Get<QAction>("RedoItem"));
        QCOMPARE(ItemText(t, "UndoItem"), QStringLiteral("Отменить"));
        QCOMPARE(ItemText(t, "RedoItem"), QStringLiteral("Повторить"));
        QVERIFY(!items[0]->isEnabled());
        QVERIFY(!items[1]->isEnabled());
        QCOMPARE(items[0]->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
        QCOMPARE(items[1]->shortcuts(), (QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Shift+Z")),
                                                             QKeySequence(QStringLiteral("Ctrl+Y"))}));
    }

    // The modified mark is clean again where the project was saved; opening
    // and a new project start the history again.
    void modifiedMarkFollowsTheSteps() {
        DialogTestState d;
        d.StartWindow();
        FormUnderTest& t = *d.ui;
        const QString path = d.PathOf("undo.solargain");
        t.Type("Edit1", QStringLiteral("2"));
        Settle();
        d.SaveThrough("SaveAsItem", path);
        QVERIFY(!t.form->isWindowModified());
        t.Click("CheckBox2");
        Settle();
        QVERIFY(t.form->isWindowModified());
        t.Get<QAction>("UndoItem")->trigger();
        QVERIFY(!t.form->isWindowModified());
        t.Get<QAction>("UndoItem")->trigger();  // before the save
        QCOMPARE(t.Text("Edit1"), QStringLiteral("1.5"));
        QVERIFY(t.form->isWindowModified());
        t.Get<QAction>("RedoItem")->trigger();
        QVERIFY(!t.form->isWindowModified());

        d.Open(path);
        Settle();
        QCOMPARE(t.form->UndoStack1->count(), 0);
        QVERIFY(!t.Get<QAction>("RedoItem")->isEnabled());
        t.Type("Edit2", QStringLiteral("3"));
        Settle();
        t.Get<QAction>("NewItem")->trigger();
        Settle();
        QCOMPARE(t.form->UndoStack1->count(), 0);
        QVERIFY(!t.form->isWindowModified());
        QVERIFY(t.errors.isEmpty());
    }

    // Ctrl+Z in a field being typed in undoes the project's step, not the
    // field's own typing; Ctrl+Y and Ctrl+Shift+Z redo.
    void undoKeysInAFocusedField() {
        FormUnderTest t;
        Activate(t);
        TypeKeys(t, "Edit2", QStringLiteral("4"));
        LeaveField(t);
        TypeKeys(t, "Edit1", QStringLiteral("2"));
        QLineEdit* focused = t.Edit("Edit1");
        QCOMPARE(QApplication::focusWidget(), focused);
        QCOMPARE(t.Text("Edit17"), QStringLiteral("8"));

        QTest::keyClick(focused, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(t.Text("Edit1"), QStringLiteral("1.5"));
        QCOMPARE(t.Text("Edit17"), QStringLiteral("6"));
        QTest::keyClick(focused, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(t.Text("Edit2"), QStringLiteral("2"));
        QCOMPARE(t.Text("Edit17"), QStringLiteral("3"));
        // Nothing left to undo: the field keeps its text.
        QTest::keyClick(focused, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(t.Text("Edit1"), QStringLiteral("1.5"));
        QCOMPARE(t.Text("Edit2"), QStringLiteral("2"));

        QTest::keyClick(focused, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(t.Text("Edit2"), QStringLiteral("4"));
        QTest::keyClick(focused, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(t.Text("Edit1"), QStringLiteral("2"));
        QCOMPARE(t.Text("Edit17"), QStringLiteral("8"));
        QVERIFY(t.errors.isEmpty());
    }

    // A text refused, put back by redo, is marked at its field as typing
    // marks it, with no error box.
    void aRefusedTextPutBackIsMarked() {
        FormUnderTest t;
        Activate(t);
        t.Click("CheckBox2");
        TypeKeys(t, "Edit33", QStringLiteral("x"));
        LeaveField(t);
        const QString refusal = t.Refusal("Edit33");
        QVERIFY(!refusal.isEmpty());
        t.Get<QAction>("UndoItem")->trigger();
        QCOMPARE(t.Text("Edit33"), QStringLiteral("3"));
        QCOMPARE(t.Refusal("Edit33"), QString());
        t.Get<QAction>("RedoItem")->trigger();
        QCOMPARE(t.Text("Edit33"), QStringLiteral("x"));
        QCOMPARE(t.Refusal("Edit33"), refusal);
        QVERIFY2(t.errors.isEmpty(), qPrintable(t.errors.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(UndoHistoryTest)
#include "UndoHistoryTest.moc"
