// The building in the window, driven as a user does: the room list
// «Помещения» (add, copy, rename in place, delete, move, the selection
// driving the pages), window and wall groups of a room, the page «Здание»
// against the building computed from the saved file, a project of one room
// opened as a building and saved as one, and undo over room operations.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTableWidget>
#include <QToolButton>

#include "BuildingDocument.h"
#include "BuildingReport.h"
#include "Conversions.h"
#include "FormTestSupport.h"

namespace {

void Activate(const FormUnderTest& t) {
    t.form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(t.form.get()));
}

QStringList RoomNames(const FormUnderTest& t) {
    QStringList names;
    auto* list = t.Get<QTableWidget>("RoomList");
    for (int row = 0; row < list->rowCount(); ++row) names << list->item(row, 0)->text();
    return names;
}

QString GridCell(const FormUnderTest& t, int row, int column) {
    QTableWidgetItem* item = t.Get<QTableWidget>("BuildingGrid")->item(row, column);
    return item != nullptr ? item->text() : QString();
}

// A room with south windows counted in its totals.
void CountSouthWindows(const FormUnderTest& t) {
    if (!t.Get<QCheckBox>("CheckBox8")->isChecked()) t.Click("CheckBox8");
}

}  // namespace

class BuildingWindowTest : public QObject, public DialogTestState {
    Q_OBJECT

private slots:
    void init() { StartWindow(); }
    void cleanup() { ui.reset(); }

    // Insert, copy, F2, Alt+Down and Delete on the list, each room keeping
    // what was typed into it while another is shown.
    void roomsAreEditedFromTheKeyboard() {
        Activate(*ui);
        auto* list = ui->Get<QTableWidget>("RoomList");
        QCOMPARE(RoomNames(*ui), QStringList{QStringLiteral("Помещение 1")});
        ui->Type("Edit1", QStringLiteral("1.8"));
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Insert);
        QCOMPARE(RoomNames(*ui), (QStringList{QStringLiteral("Помещение 1"), QStringLiteral("Помещение 2")}));
        QCOMPARE(ui->form->CurrentRoom(), std::size_t{1});
        QCOMPARE(ui->Text("Edit1"), QStringLiteral("1.5"));  // a new room starts as a new project
        ui->Type("Edit1", QStringLiteral("2.1"));

        // F2 opens the name in place; the name committed is the room's.
        list->setCurrentCell(1, 0);
        QTest::keyClick(list, Qt::Key_F2);
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(editor != nullptr && list->isAncestorOf(editor));
        QCOMPARE(editor->text(), QStringLiteral("Помещение 2"));
        QTest::keyClick(editor, Qt::Key_Escape);
        list->item(1, 0)->setText(QStringLiteral("Кабинет 101"));
        QCOMPARE(RoomNames(*ui).value(1), QStringLiteral("Кабинет 101"));

        // Back to the first room: its own height.
        list->setCurrentCell(0, 0);
        QCOMPARE(ui->Text("Edit1"), QStringLiteral("1.8"));
        QTest::keyClick(list, Qt::Key_Down, Qt::AltModifier);
        QCOMPARE(RoomNames(*ui), (QStringList{QStringLiteral("Кабинет 101"), QStringLiteral("Помещение 1")}));
        QCOMPARE(ui->form->CurrentRoom(), std::size_t{1});
        QCOMPARE(ui->Text("Edit1"), QStringLiteral("1.8"));

        ui->form->CopyRoom();
        QCOMPARE(RoomNames(*ui).value(2), QStringLiteral("Помещение 1 (копия)"));
        QCOMPARE(ui->Text("Edit1"), QStringLiteral("1.8"));

        QString asked;
        ui->form->DeleteQuestion1 = [&asked](QWidget*, const QString& question) {
            asked = question;
            return true;
        };
        QCoreApplication::processEvents();  // each operation its own undo step
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Delete);
        QCoreApplication::processEvents();
        QVERIFY(asked.contains(QStringLiteral("«Помещение 1 (копия)»")));
        QCOMPARE(RoomNames(*ui), (QStringList{QStringLiteral("Кабинет 101"), QStringLiteral("Помещение 1")}));
        QVERIFY(ui->form->isWindowModified());
        QVERIFY(ui->errors.isEmpty());

        // Undo takes the deletion back, with the room's own height.
        ui->Get<QAction>("UndoItem")->trigger();
        QCOMPARE(RoomNames(*ui).size(), 3);
        QCOMPARE(ui->form->ShownBuilding().Rooms[2].Windows.front().Inputs.Window.WindowHeight, std::string("1.8"));
    }

    // Two window groups of one room: each keeps its texts, the totals add
    // both, the windows page shows the one selected.
    void groupsOfARoomAddUp() {
        CountSouthWindows(*ui);
        ui->ShowTotalsPage();
        const double one = ui->Grid("StringGrid6")->Cell(kGrandValueRow, 4).trimmed().toDouble();
        QVERIFY(one > 0);
        ui->ShowInputPage();
        ui->form->CopyGroup(BuildingPart::Window);
        auto* groups = ui->Get<QComboBox>("WindowGroupsList");
        QCOMPARE(groups->count(), 2);
        QCOMPARE(groups->currentIndex(), 1);
        ui->Type("Edit1", QStringLiteral("3"));  // twice as high as 1.5
        ui->ShowTotalsPage();
        const double both = ui->Grid("StringGrid6")->Cell(kGrandValueRow, 4).trimmed().toDouble();
        QVERIFY2(both > 2.5 * one && both < 3.5 * one, qPrintable(QStringLiteral("%1 %2").arg(one).arg(both)));
        ui->ShowInputPage();
        ui->form->SelectGroup(BuildingPart::Window, 0);
        QCOMPARE(ui->Text("Edit1"), QStringLiteral("1.5"));
        QCOMPARE(groups->currentIndex(), 0);
        ui->form->DeleteQuestion1 = [](QWidget*, const QString&) { return true; };
        ui->form->DeleteGroup(BuildingPart::Window);
        QCOMPARE(groups->count(), 1);
        QCOMPARE(ui->Text("Edit1"), QStringLiteral("3"));
        QVERIFY(ui->errors.isEmpty());
    }

    // Three rooms, one of two groups: «Здание» shows what the building
    // document saved from the window computes, row by row.
    void buildingPageShowsWhatTheFileComputes() {
        CountSouthWindows(*ui);
        ui->form->AddRoom();
        CountSouthWindows(*ui);
        ui->Type("Edit2", QStringLiteral("3.5"));
        ui->form->AddGroup(BuildingPart::Window);
        ui->Click("CheckBox6");  // east windows in the new group
        ui->form->AddRoom();
        ui->Click("CheckBox1");  // no windows: a room without gains
        const QString path = PathOf("здание.solargain");
        SaveThrough("SaveAsItem", path);
        QVERIFY2(ui->errors.isEmpty(), qPrintable(ui->errors.join('\n')));
        ui->ShowBuildingPage();

        const BuildingResults computed = ComputeBuilding(ReadAnyBuilding(ReadFile(path).toStdString()));
        const ReportTable table = BuildingReportTable(computed);
        auto* grid = ui->Get<QTableWidget>("BuildingGrid");
        QCOMPARE(grid->rowCount(), static_cast<int>(table.Rows.size()));
        for (std::size_t r = 0; r < table.Rows.size(); ++r)
            for (std::size_t c = 0; c < table.Rows[r].size(); ++c)
                QCOMPARE(GridCell(*ui, int(r), int(c)), QString::fromStdString(table.Rows[r][c].Text));
        QCOMPARE(GridCell(*ui, 3, 0), QStringLiteral("Здание"));

        // A double click on a room's row shows its totals.
        emit grid->cellDoubleClicked(1, 0);
        QCOMPARE(ui->CurrentPage(), ui->Get<QWidget>("TabSheet13"));
        QCOMPARE(ui->form->CurrentRoom(), std::size_t{1});
    }

    // A room whose inputs fail: its row says so, the building row counts it.
    void aFailingRoomIsNeverZero() {
        ui->form->AddRoom();
        ui->Type("Edit1", QStringLiteral("abc"));
        ui->errors.clear();
        ui->ShowBuildingPage();
        QCOMPARE(GridCell(*ui, 1, 1), QString::fromUtf8(kNotComputedMark));
        QVERIFY(GridCell(*ui, 2, 1).contains(QStringLiteral("без 1 из 2")));
        QVERIFY(ui->Get<QLabel>("BuildingFailureLine")->text().contains(QStringLiteral("Высота окна")));
        QCOMPARE(ui->Get<QTableWidget>("RoomList")->item(1, 1)->text(), QStringLiteral("ошибка"));
        QVERIFY(ui->Get<QTableWidget>("RoomList")->item(1, 1)->toolTip().contains(QStringLiteral("Высота окна")));
    }

    // A project file of one room opens as a building of one room, and the
    // save writes the building.
    void aProjectOfOneRoomOpensAsABuilding() {
        const QString path = PathOf("проект.json");
        WriteFile(path, R"({"WindowHeight": "2", "WindowOrientations": ["Ю"], "Walls": false, "WallArea": "7"})");
        Open(path);
        QVERIFY2(ui->errors.isEmpty(), qPrintable(ui->errors.join('\n')));
        QCOMPARE(RoomNames(*ui).size(), 1);
        QCOMPARE(ui->Text("Edit1"), QStringLiteral("2"));
        QCOMPARE(ui->Text("Edit4"), QStringLiteral("7"));  // the wall not checked is kept
        QVERIFY(!ui->form->isWindowModified());
        SaveThrough("N2", path);  // over the file opened
        QVERIFY(ReadFile(path).contains("\"version\": 2"));
        const BuildingInputs saved = ReadAnyBuilding(ReadFile(path).toStdString());
        QCOMPARE(saved.Rooms.size(), std::size_t{1});
        QVERIFY(!saved.Rooms[0].Walls.empty());
        QVERIFY(!saved.Rooms[0].Walls[0].Included);
        QCOMPARE(saved.Rooms[0].Walls[0].Inputs.WallArea, std::string("7"));
    }
};

QTEST_MAIN(BuildingWindowTest)
#include "BuildingWindowTest.moc"
