// What a screen reader is told about the controls that do not say it by
// themselves: the latitude box, the two layer spins, the "MAX" markers and
// the kind caption of the windows page. (That every object answers at all is
// the accessibility walk, tests/app/accessibility_walk.py.)

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QSet>
#include <QTest>
#include <QToolButton>

#include "FormTestSupport.h"
#include "MarkerPositions.h"
#include "UpDown.h"

namespace {

QString AccessibleText(QObject* object, QAccessible::Text text) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(object);
    if (accessible == nullptr) qFatal("no accessible interface");
    return accessible->text(text);
}

// The column 0..9 under which a marker stands, from its place.
int ColumnUnder(const QLabel* marker, int (*leftOf)(int)) {
    for (int column = 0; column < 10; ++column)
        if (leftOf(column) == marker->x()) return column;
    qFatal("marker stands under no column");
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void latitudeBoxIsNamedByItsQuantity();
    void layerSpinArrowsAreToldApart();
    void markersSayWhichHourTheyMark();
    void kindCaptionSaysTheKind();
};

void AccessibilityTest::latitudeBoxIsNamedByItsQuantity() {
    FormUnderTest t;
    auto* box = t.Get<QComboBox>("ComboBox1");
    QCOMPARE(AccessibleText(box, QAccessible::Name), QStringLiteral("Северная широта района φ, °"));
    QCOMPARE(AccessibleText(box, QAccessible::Value), QStringLiteral("48"));
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(box);
    QCOMPARE(accessible->role(), QAccessible::ComboBox);
    QCOMPARE(accessible->childCount(), 2);  // the list of degrees and the edit
    QCOMPARE(accessible->child(1)->object(), box->lineEdit());
    QCOMPARE(accessible->indexOfChild(accessible->child(1)), 1);
    box->setCurrentText(QStringLiteral("52"));
    QCOMPARE(AccessibleText(box, QAccessible::Value), QStringLiteral("52"));
}

void AccessibilityTest::layerSpinArrowsAreToldApart() {
    FormUnderTest t;
    QSet<QString> names;
    for (const char* spin : {"UpDown1", "UpDown2"}) {
        for (QToolButton* arrow : t.Get<UpDown>(spin)->findChildren<QToolButton*>()) names << arrow->accessibleName();
    }
    const QSet<QString> expected{QStringLiteral("Следующий слой стены"), QStringLiteral("Предыдущий слой стены"),
                                 QStringLiteral("Следующий слой покрытия"), QStringLiteral("Предыдущий слой покрытия")};
    QCOMPARE(names, expected);
}

void AccessibilityTest::markersSayWhichHourTheyMark() {
    FormUnderTest t;
    auto* peak = t.Get<QLabel>("Label108");
    auto* grand = t.Get<QLabel>("Label164");
    QCOMPARE(peak->accessibleName(), QStringLiteral("Максимум теплопоступлений через окна"));  // nothing computed
    QCOMPARE(grand->accessibleName(), QStringLiteral("Максимум суммарных теплопоступлений"));

    // The name follows the marker from orientation to orientation.
    t.ShowWindowsPage();
    for (int page = 0; page < 8; ++page) {
        t.SelectTab("PageControl1", page);
        const int column = ColumnUnder(peak, &PeakMarkerLeft);
        QCOMPARE(peak->accessibleName(), QStringLiteral("Максимум теплопоступлений через окна: ") +
                                             t.Grid("StringGrid1")->Cell(0, column).trimmed());
    }

    t.Click("CheckBox8");  // the south windows: a day with gains, so a maximum
    t.ShowTotalsPage();
    const int column = ColumnUnder(grand, &GrandMaximumLeft);
    QCOMPARE(grand->accessibleName(), QStringLiteral("Максимум суммарных теплопоступлений: ") +
                                          t.Grid("StringGrid6")->Cell(0, column).trimmed());
}

void AccessibilityTest::kindCaptionSaysTheKind() {
    FormUnderTest t;
    auto* caption = t.Get<QLabel>("Label27");
    QCOMPARE(caption->accessibleName(), QStringLiteral("Коэффициент инсоляции вертикального остекления"));
    const std::pair<const char*, const char*> kinds[] = {
        {"RadioButton2", "Коэффициент инсоляции наклонного остекления"},
        {"RadioButton3", "Коэффициент инсоляции горизонтального остекления"},
        {"RadioButton1", "Коэффициент инсоляции вертикального остекления"},
    };
    for (const auto& [button, name] : kinds) {
        t.ShowInputPage();
        t.Click(button);
        t.ShowWindowsPage();
        QCOMPARE(caption->accessibleName(), QString::fromUtf8(name));
    }
    QVERIFY(t.errors.isEmpty());
}

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
