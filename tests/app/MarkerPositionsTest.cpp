// Where the "MAX" labels of the windows and totals pages stand under the
// columns of their grids.

#include <QTest>

#include <stdexcept>

#include "MarkerPositions.h"

class MarkerPositionsTest : public QObject {
    Q_OBJECT

private slots:
    void labelsStandUnderTheirColumn_data();
    void labelsStandUnderTheirColumn();
    void otherColumnsAreRefused();
};

void MarkerPositionsTest::labelsStandUnderTheirColumn_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("peakLeft");
    QTest::addColumn<int>("grandLeft");
    const int peak[] = {152, 232, 312, 400, 480, 568, 648, 736, 816, 896};
    const int grand[] = {32, 128, 232, 328, 424, 528, 624, 728, 824, 920};
    const char* hours[] = {"8-9", "9-10", "10-11", "11-12", "12-13", "13-14", "14-15", "15-16", "16-17", "17-18"};
    for (int column = 0; column < 10; ++column) QTest::newRow(hours[column]) << column << peak[column] << grand[column];
}

void MarkerPositionsTest::labelsStandUnderTheirColumn() {
    QFETCH(int, column);
    QFETCH(int, peakLeft);
    QFETCH(int, grandLeft);
    QCOMPARE(PeakMarkerLeft(column), peakLeft);
    QCOMPARE(GrandMaximumLeft(column), grandLeft);
}

void MarkerPositionsTest::otherColumnsAreRefused() {
    for (int column : {-1, 10}) {
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, PeakMarkerLeft(column));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, GrandMaximumLeft(column));
    }
}

QTEST_APPLESS_MAIN(MarkerPositionsTest)
#include "MarkerPositionsTest.moc"
