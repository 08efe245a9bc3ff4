// The layer editors of the wall and the roof driven through the window: the
// entry row, the count, the layer number, removal and what the grid shows.

#include <QPushButton>
#include <QToolButton>

#include "Conversions.h"
#include "FormTestSupport.h"
#include "ProjectDocument.h"
#include "UpDown.h"

class LayerEditorsGuiTest : public QObject {
    Q_OBJECT

private slots:
    void enterLayerShowsResistanceAndNextLayer();
    void resistanceCoversLeadingRunOfLayers();
    void layerCountKeepsTheLayersAbove();
    void removingALayerIsAnExplicitAction();
    void countWithoutFirstLayerKeepsOutputs();
    void layerNumberEdgeCases();
    void spinStaysWithinTheTable();
    void badLayerValueStopsEnterBeforeAnything();
    void eachFigureRefusedInTurnChangesNothing();
    void roofEnterShowsOuterCoeff();
};

// ---- Layer editors ----------------------------------------------------------------

void LayerEditorsGuiTest::enterLayerShowsResistanceAndNextLayer() {
    FormUnderTest t;
    t.Type("Edit5", QStringLiteral("3.3"));
    t.Click("CheckBox2");
    EnterLayer(t, kWallEditor, {" Кирпич ", "9.20", "0.81", "0.38"});
    QVERIFY(t.errors.isEmpty());
    QCOMPARE(t.Text("Edit21"), QStringLiteral("0.6213"));
    QCOMPARE(t.Text("Edit20"), QStringLiteral("1.6095"));
    const QStringList row1{"1", " Кирпич ", "9.20", "0.81", "0.38"};  // as typed
    for (int column = 0; column < 5; ++column) QCOMPARE(Cell(t, "StringGrid2", 1, column), row1[column]);
    QCOMPARE(t.Text("Edit27"), QStringLiteral("2"));
    QCOMPARE(t.Get<UpDown>("UpDown1")->Position(), 2);
    QCOMPARE(t.form->Project.WallLayerCurrent, 2);
    QCOMPARE(t.Text("Edit29"), QString());
    QCOMPARE(t.Text("Edit30"), QStringLiteral("0"));
    QCOMPARE(t.Text("Edit31"), QStringLiteral("0"));
    QCOMPARE(t.Text("Edit32"), QStringLiteral("0"));
    QCOMPARE(t.form->focusWidget(), t.Edit("Edit29"));
    QCOMPARE(t.form->Project.WallLayers[1].MaterialName, std::string(" Кирпич "));
}

void LayerEditorsGuiTest::resistanceCoversLeadingRunOfLayers() {
    FormUnderTest t;
    t.Type("Edit5", QStringLiteral("3.3"));
    t.Click("CheckBox2");
    EnterLayer(t, kWallEditor, kWallLayers[1]);
    t.Type("Edit27", QStringLiteral("3"));
    EnterLayer(t, kWallEditor, kWallLayers[2]);
    QCOMPARE(t.Text("Edit21"), QStringLiteral("0.6213"));  // layer 2 missing: layer 1 only
    QCOMPARE(Cell(t, "StringGrid2", 3, 1), QStringLiteral("Утеплитель"));
    QCOMPARE(Cell(t, "StringGrid2", 2, 1), QString());
    t.Type("Edit27", QStringLiteral("2"));
    EnterLayer(t, kWallEditor, kWallLayers[0]);
    // Now all three: 0.6213 + 0.0247 + 1.25.
    QCOMPARE(t.Text("Edit21"), QStringLiteral("1.896"));
    QVERIFY(t.errors.isEmpty());
}

void LayerEditorsGuiTest::layerCountKeepsTheLayersAbove() {
    FormUnderTest t;
    t.Type("Edit5", QStringLiteral("3.3"));
    t.Click("CheckBox2");
    for (const TypedLayer& layer : kWallLayers) EnterLayer(t, kWallEditor, layer);
    QCOMPARE(t.Text("Edit21"), QStringLiteral("1.896"));
    const auto expectLayers = [&t] {
        for (int row = 1; row <= 3; ++row)
            QCOMPARE(Cell(t, "StringGrid2", row, 1), QString::fromUtf8(kWallLayers[row - 1].name));
        QCOMPARE(t.form->Project.WallLayers[3].ConductivityText, std::string("0.04"));
    };
    // 3 → 1: the two above the count stay, greyed; R₀ of the one used.
    t.Type("Edit33", QStringLiteral("1"));
    QCOMPARE(t.form->Project.WallLayerCount, 1);
    QCOMPARE(t.Grid("StringGrid2")->rowCount(), 4);
    expectLayers();
    const QColor used = t.Grid("StringGrid2")->item(1, 1)->foreground().color();
    QVERIFY(t.Grid("StringGrid2")->item(2, 1)->foreground().color() != used);
    QCOMPARE(t.Text("Edit21"), QStringLiteral("0.1769"));  // 0.0372 + 0.1149 + 0.0247
    // 1 → 3: used again.
    t.Type("Edit33", QStringLiteral("3"));
    expectLayers();
    QCOMPARE(t.Grid("StringGrid2")->item(3, 1)->foreground().color(), used);
    QCOMPARE(t.Text("Edit21"), QStringLiteral("1.896"));
    // Typing "10" passes through "1"; more rows, all layers there.
    t.Type("Edit33", QStringLiteral("10"));
    QCOMPARE(t.Grid("StringGrid2")->rowCount(), 11);
    expectLayers();
    QCOMPARE(t.Text("Edit21"), QStringLiteral("1.896"));  // the run ends at the first empty layer
    QVERIFY(t.errors.isEmpty());
    // An emptied count is marked, not boxed, and deletes nothing.
    t.Type("Edit33", QString());
    QVERIFY(t.errors.isEmpty());
    QCOMPARE(t.Refusal("Edit33"), QStringLiteral("Количество слоёв в стене: пусто — введите целое число"));
    expectLayers();

    t.Type("Edit33", QStringLiteral("-2"));  // "-" fails to parse, "-2" is refused
    QVERIFY(t.errors.isEmpty());
    QCOMPARE(t.Refusal("Edit33"), QStringLiteral("Число слоёв не может быть отрицательным"));
    QCOMPARE(t.form->Project.WallLayerCount, 10);
    t.Type("Edit33", QStringLiteral("3"));
    QCOMPARE(t.Refusal("Edit33"), QString());
    QCOMPARE(t.form->Project.WallLayerCount, 3);
}

void LayerEditorsGuiTest::removingALayerIsAnExplicitAction() {
    FormUnderTest t;
    t.Click("CheckBox2");
    for (const TypedLayer& layer : kWallLayers) EnterLayer(t, kWallEditor, layer);
    // The button removes the layer numbered in the entry row: layer 2.
    t.Type("Edit27", QStringLiteral("2"));
    t.Press("DeleteWallLayer");
    QCOMPARE(t.Text("Edit33"), QStringLiteral("2"));
    QCOMPARE(Cell(t, "StringGrid2", 2, 1), QStringLiteral("Утеплитель"));
    QCOMPARE(t.Text("Edit29"), QStringLiteral("Утеплитель"));  // the entry row shows the layer now numbered 2
    QCOMPARE(t.Grid("StringGrid2")->rowCount(), 3);
    // A row clicked is chosen; the Delete key removes it.
    StringGrid* grid = t.Grid("StringGrid2");
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(grid->item(1, 1)).center());
    QCOMPARE(t.Text("Edit27"), QStringLiteral("1"));
    QTest::keyClick(grid, Qt::Key_Delete);
    QCOMPARE(t.Text("Edit33"), QStringLiteral("1"));
    QCOMPARE(Cell(t, "StringGrid2", 1, 1), QStringLiteral("Утеплитель"));
    QCOMPARE(t.form->Project.WallLayers[2].Entered, false);
    QVERIFY(t.errors.isEmpty());
}

void LayerEditorsGuiTest::countWithoutFirstLayerKeepsOutputs() {
    FormUnderTest t;
    t.Click("CheckBox3");
    t.Type("Edit34", QStringLiteral("2"));
    QCOMPARE(t.Text("Edit25"), QStringLiteral("0"));
    QCOMPARE(t.Text("Edit24"), QStringLiteral("0"));
    QCOMPARE(t.Grid("StringGrid3")->rowCount(), 3);
    QVERIFY(t.errors.isEmpty());
}

void LayerEditorsGuiTest::layerNumberEdgeCases() {
    FormUnderTest t;
    t.Click("CheckBox2");
    t.Type("Edit27", QStringLiteral("0"));
    QCOMPARE(t.Text("Edit27"), QStringLiteral("1"));
    QVERIFY(t.errors.isEmpty());

    // Enter above the count: nothing at all.
    t.Type("Edit27", QStringLiteral("5"));
    QCOMPARE(t.form->Project.WallLayerCurrent, 5);
    t.Type("Edit30", QStringLiteral("1"));
    t.Press("Button1");
    QCOMPARE(t.Text("Edit27"), QStringLiteral("5"));
    QCOMPARE(t.Text("Edit30"), QStringLiteral("1"));
    QCOMPARE(t.Grid("StringGrid2")->rowCount(), 4);
    QVERIFY(t.errors.isEmpty());

    // A number outside the table is refused, beside the field.
    t.Type("Edit27", QStringLiteral("70"));
    QVERIFY(t.errors.isEmpty());
    QCOMPARE(t.Refusal("Edit27"), QStringLiteral("Номер слоя должен быть от 1 до 50"));
    QCOMPARE(t.form->Project.WallLayerCurrent, 7);
    // Retyping an empty number says the field is empty.
    t.Type("Edit27", QString());
    QCOMPARE(t.Refusal("Edit27"), QStringLiteral("Номер слоя стены: пусто — введите целое число"));
    QVERIFY(t.errors.isEmpty());
}

void LayerEditorsGuiTest::spinStaysWithinTheTable() {
    FormUnderTest t;
    t.Click("CheckBox2");
    auto* spin = t.Get<UpDown>("UpDown1");
    QTest::mouseClick(spin->UpButton(), Qt::LeftButton);
    QCOMPARE(t.Text("Edit27"), QStringLiteral("2"));
    QCOMPARE(t.form->Project.WallLayerCurrent, 2);
    QTest::mouseClick(spin->DownButton(), Qt::LeftButton);
    QTest::mouseClick(spin->DownButton(), Qt::LeftButton);
    QCOMPARE(t.Text("Edit27"), QStringLiteral("1"));
    QCOMPARE(spin->Position(), 1);
    for (int i = 0; i < 60; ++i) QTest::mouseClick(spin->UpButton(), Qt::LeftButton);
    QCOMPARE(t.Text("Edit27"), QStringLiteral("50"));
    QCOMPARE(t.form->Project.WallLayerCurrent, 50);
    QVERIFY(t.errors.isEmpty());
    // At the end of its range the spin leaves the entry row as typed.
    t.Type("Edit29", QStringLiteral("Гранит"));
    t.Type("Edit31", QStringLiteral("3.49"));
    QTest::mouseClick(spin->UpButton(), Qt::LeftButton);
    QCOMPARE(t.Text("Edit29"), QStringLiteral("Гранит"));
    QCOMPARE(t.Text("Edit31"), QStringLiteral("3.49"));
    QCOMPARE(t.Text("Edit27"), QStringLiteral("50"));
    // A stored layer shows in the entry row when the spin reaches it.
    t.form->Project.WallLayers[49].MaterialName = "Бетон";
    t.form->Project.WallLayers[49].Conductivity = Decimal4::FromCount(20400);
    QTest::mouseClick(spin->DownButton(), Qt::LeftButton);
    QCOMPARE(t.Text("Edit29"), QStringLiteral("Бетон"));
    QCOMPARE(t.Text("Edit31"), QStringLiteral("2.04"));
    // And so at its start.
    for (int i = 0; i < 60; ++i) QTest::mouseClick(spin->DownButton(), Qt::LeftButton);
    QCOMPARE(t.Text("Edit27"), QStringLiteral("1"));
    t.Type("Edit30", QStringLiteral("9.2"));
    QTest::mouseClick(spin->DownButton(), Qt::LeftButton);
    QCOMPARE(t.Text("Edit30"), QStringLiteral("9.2"));
}

void LayerEditorsGuiTest::badLayerValueStopsEnterBeforeAnything() {
    FormUnderTest t;
    t.Click("CheckBox2");
    EnterLayer(t, kWallEditor, {"Кирпич", "9.2", "0,8.1", "0.38"});
    QCOMPARE(t.errors, QStringList{"Коэффициент теплопроводности слоя стены λ: «0,8.1» — не число."});
    // "Ввод" failed on λ: the field is focused and marked.
    QCOMPARE(t.form->focusWidget(), t.Edit("Edit31"));
    QCOMPARE(t.Refusal("Edit31"), QStringLiteral("Коэффициент теплопроводности слоя стены λ: «0,8.1» — не число"));
    for (int column = 1; column <= 4; ++column) QCOMPARE(Cell(t, "StringGrid2", 1, column), QString());
    QCOMPARE(t.Text("Edit29"), QStringLiteral("Кирпич"));  // entry row kept
    QCOMPARE(t.Text("Edit27"), QStringLiteral("1"));
    QVERIFY(!t.form->Project.WallLayers[1].Entered);

    // λ = 0 is refused before anything of the layer is stored; R₀, K keep their texts.
    t.Type("Edit31", QStringLiteral("0"));
    t.Press("Button1");
    QCOMPARE(t.errors.last(),
             QStringLiteral("Коэффициент теплопроводности слоя стены λ должен быть больше 0 (введено 0)"));
    QCOMPARE(Cell(t, "StringGrid2", 1, 3), QString());
    QCOMPARE(t.Text("Edit21"), QStringLiteral("0"));
}

// «Ввод» over an entered layer with s, λ, δ refused in turn: the grid, the
// layer table and the document a save writes stay as they were, the entry
// row keeps what was typed and the figure at fault is marked.
void LayerEditorsGuiTest::eachFigureRefusedInTurnChangesNothing() {
    struct Case {
        const char* s;
        const char* lambda;
        const char* delta;
        const char* field;
    };
    const Case cases[] = {
        {"abc", "0,5", "0.1", "Edit30"}, {"-9", "0.5", "0.1", "Edit30"}, {"0.5", "0,8.1", "0.1", "Edit31"},
        {"0.5", "0", "0.1", "Edit31"},   {"0.5", "0.04", "", "Edit32"},  {"0.5", "0.04", "-0.1", "Edit32"},
    };
    for (const Case& c : cases) {
        FormUnderTest t;
        t.Click("CheckBox2");
        EnterLayer(t, kWallEditor, kWallLayers[1]);
        t.Type("Edit27", QStringLiteral("1"));
        QStringList grid;
        for (int column = 0; column < 5; ++column) grid << Cell(t, "StringGrid2", 1, column);
        const ConstructionLayer layer = t.form->Project.WallLayers[1];
        const ProjectInputs saved = t.form->ShownProjectInputs();

        EnterLayer(t, kWallEditor, {"пена", c.s, c.lambda, c.delta});
        QCOMPARE(t.errors.size(), 1);
        for (int column = 0; column < 5; ++column) QCOMPARE(Cell(t, "StringGrid2", 1, column), grid[column]);
        QVERIFY(t.form->Project.WallLayers[1] == layer);
        QVERIFY(t.form->ShownProjectInputs().WallLayers == saved.WallLayers);
        QCOMPARE(t.Text("Edit21"), QStringLiteral("0.6213"));
        const QStringList typed{"пена", c.s, c.lambda, c.delta};
        const char* entry[] = {"Edit29", "Edit30", "Edit31", "Edit32"};
        for (int i = 0; i < 4; ++i) QCOMPARE(t.Text(entry[i]), typed[i]);
        QCOMPARE(t.Text("Edit27"), QStringLiteral("1"));
        QVERIFY(!t.Refusal(c.field).isEmpty());
        QCOMPARE(t.form->focusWidget(), t.Edit(c.field));
    }
}

void LayerEditorsGuiTest::roofEnterShowsOuterCoeff() {
    FormUnderTest t;
    t.Type("Edit5", QStringLiteral("3.3"));
    t.Type("Edit42", QStringLiteral("1"));
    t.Click("CheckBox3");
    EnterLayer(t, kRoofEditor, kWallLayers[1]);
    QVERIFY(t.errors.isEmpty());
    QCOMPARE(t.Text("Edit41"), QStringLiteral("13.4231"));
    QCOMPARE(t.Text("Edit25"), QStringLiteral("0.6585"));
    QCOMPARE(t.Text("Edit28"), QStringLiteral("2"));
    QCOMPARE(Cell(t, "StringGrid3", 1, 1), QStringLiteral("Кирпич"));
    QCOMPARE(t.form->focusWidget(), t.Edit("Edit35"));
    QCOMPARE(t.form->Project.WallLayers[1].Conductivity, Decimal4());  // the wall is untouched
}

QTEST_MAIN(LayerEditorsGuiTest)
#include "LayerEditorsGuiTest.moc"
