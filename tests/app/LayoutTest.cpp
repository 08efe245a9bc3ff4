// The main window's layout in its states: no text cut by its control, no
// control cut by its parent, grid texts inside their cells, and on any
// screen (the test runs on several: 800×800, 1280×720, 1366×768, at display
// scales 1.5 and 2) the window within the screen's free area and every
// control of every page within reach of the page's scrolling. When asked by
// $SOLARGAIN_SHOTS (a folder; a relative one lies beside the test program in
// the build tree), each state is also saved as a picture for a look by eye.

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QTabBar>

#include "BuildingDocument.h"
#include "FormTestSupport.h"
#include "PageArea.h"

namespace {

// The folder for the pictures; empty when none are asked for.
QString ShotDirectory() {
    const QString asked = qEnvironmentVariable("SOLARGAIN_SHOTS");
    if (asked.isEmpty()) return {};
    const QString dir = QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(asked);
    QDir().mkpath(dir);
    return dir;
}

QString NameOf(const QWidget* widget) {
    QString name = widget->objectName();
    if (const auto* label = qobject_cast<const QLabel*>(widget)) name += QStringLiteral(" \"%1\"").arg(label->text());
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        name += QStringLiteral(" \"%1\"").arg(button->text());
    return name;
}

// Parts that Qt's own controls lay out inside themselves (scroll bars and
// viewports of the grids, the tab bars' buttons, the pages of a tab control).
bool IsInnerPart(const QWidget* widget, const QWidget* page) {
    const QWidget* parent = widget->parentWidget();
    for (const QWidget* w = parent; w && w != page; w = w->parentWidget()) {
        if (qobject_cast<const QAbstractScrollArea*>(w) || qobject_cast<const QTabBar*>(w)) return true;
    }
    return parent && parent->inherits("QStackedWidget");
}

// Every visible control of the page shows its whole text and lies inside its
// parent. Returns the faults found.
QStringList LayoutFaults(QWidget* page) {
    QStringList faults;
    for (QWidget* widget : page->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(page) || widget->isWindow()) continue;
        if (IsInnerPart(widget, page)) continue;
        const QWidget* parent = widget->parentWidget();
        if (parent && !QRect(QPoint(0, 0), parent->size()).contains(widget->geometry()))
            faults << QStringLiteral("%1 sticks out of its parent").arg(NameOf(widget));
        const QSize hint = widget->sizeHint();
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            if (label->text().isEmpty()) continue;
            const bool fits = label->wordWrap()
                                  ? label->height() >= label->heightForWidth(label->width())
                                  : label->width() >= hint.width() && label->height() >= hint.height() - 2;
            if (!fits)
                faults << QStringLiteral("%1 cut: %2x%3 of %4x%5")
                              .arg(NameOf(label))
                              .arg(label->width())
                              .arg(label->height())
                              .arg(hint.width())
                              .arg(hint.height());
        } else if (qobject_cast<QCheckBox*>(widget) || qobject_cast<QRadioButton*>(widget) ||
                   qobject_cast<QPushButton*>(widget)) {
            if (widget->width() < hint.width()) faults << QStringLiteral("%1 cut").arg(NameOf(widget));
        } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            const int room = edit->width() - 8;
            if (edit->fontMetrics().horizontalAdvance(edit->text()) > room)
                faults << QStringLiteral("%1 text \"%2\" wider than the edit").arg(edit->objectName(), edit->text());
        } else if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
            if (tabs->tabBar()->sizeHint().width() > tabs->width())
                faults << QStringLiteral("%1 tabs wider than the control").arg(tabs->objectName());
        }
    }
    // Grid texts inside their cells.
    // StringGrid has no meta-object of its own: every table is found, and
    // only the grids are taken.
    for (auto* table : page->findChildren<QTableWidget*>()) {
        auto* grid = dynamic_cast<StringGrid*>(table);
        if (grid == nullptr || !grid->isVisibleTo(page)) continue;
        for (int row = 0; row < grid->rowCount(); ++row) {
            for (int column = 0; column < grid->columnCount(); ++column) {
                const QString text = grid->Cell(row, column);
                if (text.isEmpty() || grid->wordWrap()) continue;
                if (grid->fontMetrics().horizontalAdvance(text) > grid->columnWidth(column) - 4)
                    faults << QStringLiteral("%1 cell %2,%3 \"%4\" wider than its column")
                                  .arg(grid->objectName())
                                  .arg(row)
                                  .arg(column)
                                  .arg(text);
            }
        }
        if (grid->horizontalHeader()->length() > grid->viewport()->width())
            faults << QStringLiteral("%1 columns wider than the grid").arg(grid->objectName());
    }
    return faults;
}

// The controls a user works with or reads, and the page's scroll area.
bool IsControl(const QWidget* widget) {
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QAbstractButton*>(widget) ||
           qobject_cast<const QComboBox*>(widget) || qobject_cast<const QAbstractItemView*>(widget) ||
           qobject_cast<const QTabWidget*>(widget) || qobject_cast<const QAbstractScrollArea*>(widget);
}

// Every visible control of the page shown can be scrolled into the view:
// its whole rectangle, or as much as the view holds from its top left.
QStringList UnreachableControls(const FormUnderTest& t) {
    QStringList faults;
    QCoreApplication::processEvents();  // the scroll bars shown or hidden as the page needs
    auto* area = qobject_cast<PageArea*>(t.Get<QTabWidget>("PageControl2")->currentWidget());
    if (!area) return {QStringLiteral("the page is not in a scroll area")};
    QWidget* page = area->widget();
    QWidget* view = area->viewport();
    for (QWidget* widget : page->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(page) || !IsControl(widget) || IsInnerPart(widget, page)) continue;
        area->ShowControl(widget);
        const QRect shown(widget->mapTo(view, QPoint(0, 0)), widget->size());
        const QRect wanted(shown.topLeft(), shown.size().boundedTo(view->size()));
        if (!view->rect().contains(wanted))
            faults << QStringLiteral("%1 cannot be scrolled into view").arg(NameOf(widget));
    }
    area->ensureVisible(0, 0);
    return faults;
}

void Check(const FormUnderTest& t, const char* shot) {
    QWidget* page = t.CurrentPage();
    QStringList faults = LayoutFaults(page) + UnreachableControls(t);
    if (const QString dir = ShotDirectory(); !dir.isEmpty())
        QVERIFY(t.form->grab().save(QStringLiteral("%1/%2.png").arg(dir, QString::fromLatin1(shot))));
    QVERIFY2(faults.isEmpty(),
             qPrintable(QString::fromLatin1(shot) + QStringLiteral(":\n") + faults.join(QLatin1Char('\n'))));
    QVERIFY2(t.errors.isEmpty(), qPrintable(t.errors.join(QLatin1Char('\n'))));
}

void EnterLayers(const FormUnderTest& t, const char* name, const char* first, const char* button) {
    const QByteArray edit = first;
    const int base = edit.mid(4).toInt();
    const char* texts[][4] = {{"Штукатурка известковая", "9.6", "0.81", "0.02"},
                              {"Кирпич глиняный", "9.2", "0.81", "0.38"},
                              {"Пенополистирол", "0.5", "0.04", "0.05"}};
    Q_UNUSED(name);
    for (const auto& layer : texts) {
        for (int i = 0; i < 4; ++i)
            t.Type(qPrintable(QStringLiteral("Edit%1").arg(base + i)), QString::fromUtf8(layer[i]));
        t.Press(button);
    }
}

}  // namespace

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    // The check itself finds a control pushed off the page and a cut text.
    void checkSeesFaults() {
        FormUnderTest t;
        QWidget* page = t.Get<QWidget>("TabSheet9");
        auto* roof = t.Get<QGroupBox>("GroupBox3");
        auto* label = new QLabel(QStringLiteral("Длинная надпись"), page);
        label->setGeometry(0, 0, 20, 20);
        label->show();
        roof->move(roof->x(), page->height() - 10);
        const QStringList faults = LayoutFaults(page);
        QVERIFY2(faults.filter(QStringLiteral("GroupBox3 sticks out")).size() == 1, qPrintable(faults.join('\n')));
        QVERIFY2(faults.filter(QStringLiteral("\"Длинная надпись\" cut")).size() == 1, qPrintable(faults.join('\n')));
    }

    // The window, the frame a window manager adds to it (about 40 px) and a
    // taskbar (taken from the free area) within the screen; its smallest
    // size much smaller.
    void windowFitsTheScreen() {
        FormUnderTest t;
        const QRect room = t.form->screen()->availableGeometry();
        const QSize size = t.form->size();
        QVERIFY2(size.width() <= room.width() && size.height() + 40 <= room.height(),
                 qPrintable(QStringLiteral("%1x%2 on %3x%4")
                                .arg(size.width())
                                .arg(size.height())
                                .arg(room.width())
                                .arg(room.height())));
        QVERIFY(room.contains(t.form->geometry()));
        const QSize smallest = t.form->minimumSizeHint();
        // The room list stands beside the pages.
        QVERIFY2(smallest.width() <= 600 && smallest.height() <= 300,
                 qPrintable(QStringLiteral("%1x%2").arg(smallest.width()).arg(smallest.height())));
        // A larger window keeps the input page together at its top left,
        // the window groups' selector above the window group.
        t.form->resize(room.size() * 2);
        QCoreApplication::sendPostedEvents();
        const QPoint corner = t.Get<QWidget>("WindowGroups")->mapTo(t.Get<QWidget>("TabSheet9"), QPoint(0, 0));
        QVERIFY2(corner.x() < 20 && corner.y() < 20,
                 qPrintable(QStringLiteral("%1,%2").arg(corner.x()).arg(corner.y())));
        QCOMPARE(t.Get<QGroupBox>("GroupBox2")->y(), t.Get<QGroupBox>("GroupBox1")->y());
    }

    void inputPageAtStart() {
        FormUnderTest t;
        Check(t, "input-start");
    }

    void inputPageWithEveryGroupInUse() {
        FormUnderTest t;
        t.Click("RadioButton2");
        t.Type("Edit5", QStringLiteral("3.3"));
        t.Click("CheckBox2");
        t.Click("CheckBox3");
        for (const char* box : {"CheckBox8", "CheckBox16", "CheckBox14"}) t.Click(box);
        EnterLayers(t, "wall", "Edit29", "Button1");
        EnterLayers(t, "roof", "Edit35", "Button2");
        t.Type("Edit4", QStringLiteral("12.5"));
        t.Type("Edit23", QStringLiteral("100"));
        Check(t, "input-inclined-walls-roof");
    }

    void windowsPagePerKind_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("orientation");
        QTest::newRow("vertical-north") << "RadioButton1" << 0;
        QTest::newRow("vertical-south") << "RadioButton1" << 4;
        QTest::newRow("inclined-west") << "RadioButton2" << 6;
        QTest::newRow("horizontal") << "RadioButton3" << -1;
    }

    void windowsPagePerKind() {
        QFETCH(QString, kind);
        QFETCH(int, orientation);
        FormUnderTest t;
        t.Click(qPrintable(kind));
        if (kind == QLatin1String("RadioButton2")) t.Type("Edit19", QStringLiteral("10"));
        t.ShowWindowsPage();
        if (orientation >= 0) t.SelectTab("PageControl1", orientation);
        Check(t, qPrintable(QStringLiteral("windows-") + QString::fromLatin1(QTest::currentDataTag())));
    }

    void totalsPage() {
        FormUnderTest t;
        t.Type("Edit5", QStringLiteral("3.3"));
        t.ShowWindowsPage();
        t.ShowInputPage();
        for (const char* box : {"CheckBox6", "CheckBox7", "CheckBox8", "CheckBox2", "CheckBox16", "CheckBox3"})
            t.Click(box);
        EnterLayers(t, "wall", "Edit29", "Button1");
        EnterLayers(t, "roof", "Edit35", "Button2");
        t.Type("Edit4", QStringLiteral("20"));
        t.Type("Edit22", QStringLiteral("0.7"));
        t.Type("Edit23", QStringLiteral("300"));
        t.Type("Edit26", QStringLiteral("0.9"));
        t.ShowTotalsPage();
        Check(t, "totals");
    }

    // The reference viewer fits the screen too, its buttons within reach.
    void referenceViewerFitsTheScreen() {
        FormUnderTest t;
        t.Get<QAction>("R1")->trigger();
        QCoreApplication::processEvents();  // laid out, its scroll bars shown or hidden
        auto* viewer = t.form->findChild<QWidget*>(QStringLiteral("Form3"));
        QVERIFY(viewer && viewer->isVisible());
        const QRect room = viewer->screen()->availableGeometry();
        QVERIFY(viewer->width() <= room.width() && viewer->height() + 40 <= room.height());
        auto* area = viewer->findChild<QScrollArea*>(QStringLiteral("Form3Area"));
        QVERIFY(area);
        for (const char* name : {"Button1", "Button2"}) {
            auto* button = Control<QPushButton>(viewer, name);
            area->ensureWidgetVisible(button, 0, 0);
            const QRect shown(button->mapTo(area->viewport(), QPoint(0, 0)), button->size());
            QVERIFY2(area->viewport()->rect().contains(shown), name);
        }
        viewer->close();
    }

    void chartsPage() {
        FormUnderTest t;
        t.Click("CheckBox8");
        t.ShowChartsPage();
        Check(t, "charts");
    }

    // «Здание» with three rooms, one of them with two window groups.
    void buildingPage() {
        FormUnderTest t;
        t.Click("CheckBox8");
        t.form->CopyRoom();
        t.form->AddGroup(BuildingPart::Window);
        t.Click("CheckBox4");
        t.form->AddRoom();
        t.ShowBuildingPage();
        Check(t, "building");
    }
};

QTEST_MAIN(LayoutTest)
#include "LayoutTest.moc"
