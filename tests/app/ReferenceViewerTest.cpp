// The reference viewer and the about box, driven through the menu of the
// main window: stepping through every topic, pages that are missing or
// broken, the lookup of the page files, and the modal about box.

#include <cstddef>
#include <cstdio>

#include <jerror.h>
#include <jpeglib.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "FormStyle.h"
#include "FormTestSupport.h"
#include "Okna.h"
#include "ProjectState.h"
#include "Spravka.h"

namespace {

// The menu item of a topic, as the user chooses it.
const char* const kTopicItems[] = {"R1", "R2", "N12", "tt1", "N13"};

struct ViewerState {
    QString file;
    int page;
    bool back;
    bool next;
};

}  // namespace

class ReferenceViewerTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FormUnderTest> ui;
    QStringList viewerErrors;

    TForm3* Viewer() const { return ui->form->findChild<TForm3*>(QStringLiteral("Form3")); }
    void Choose(int topic) const { ui->Get<QAction>(kTopicItems[topic - 1])->trigger(); }
    ViewerState State() const {
        TForm3* v = Viewer();
        return {v->ShownFile(), ui->form->Project.ReferencePage, v->Button1->isEnabled(), v->Button2->isEnabled()};
    }
    void Expect(const ViewerState& expected, const char* where) const {
        const ViewerState s = State();
        const QString context = QString::fromUtf8(where);
        QVERIFY2(s.file == expected.file, qPrintable(context + ": file " + s.file));
        QVERIFY2(s.page == expected.page, qPrintable(context + ": page " + QString::number(s.page)));
        QVERIFY2(s.back == expected.back, qPrintable(context + ": Назад"));
        QVERIFY2(s.next == expected.next, qPrintable(context + ": Далее"));
    }
    qint64 PictureKey() const { return Viewer()->Image1->pixmap().cacheKey(); }

    // A folder with copies of all pages, for damaging some.
    std::unique_ptr<QTemporaryDir> CopyOfPages() {
        auto dir = std::make_unique<QTemporaryDir>();
        for (const ReferenceTopicPages& t : kReferenceTopics) {
            for (int p = 1; p <= t.pageCount; ++p) {
                const QString name = ReferencePageFile(t.topic, p);
                if (!QFile::copy(FindReferencePage(name), dir->filePath(name)))
                    qFatal("page %s is not built", qPrintable(name));
            }
        }
        return dir;
    }

private slots:
    // The program's own type, as main() sets it.
    void initTestCase() { QApplication::setFont(FormStyle::BaseFont()); }

    void init() {
        ui = std::make_unique<FormUnderTest>();
        viewerErrors.clear();
        TForm3::ErrorSink = [this](const QString& text) { viewerErrors << text; };
        TForm3::PageFolderOverride.clear();
    }
    void cleanup() {
        ui.reset();
        TForm3::ErrorSink = nullptr;
        TForm3::PageFolderOverride.clear();
    }

    void viewerStartsWithTheEmbeddedPage() {
        ProjectState project;
        TForm3 viewer(project);
        QVERIFY(viewer.ShownFile().isEmpty());
        QCOMPARE(viewer.Image1->pixmap().size(), QSize(586, 438));
        QCOMPARE(viewer.windowTitle(), QStringLiteral("Справочные данные"));
        QCOMPARE(viewer.size(), QSize(585, 477));
        QVERIFY(!viewer.Button1->isEnabled());
        QCOMPARE(viewer.Button1->text(), QStringLiteral("Назад"));
        QCOMPARE(viewer.Button2->text(), QStringLiteral("Далее"));
    }

    void menuCaptionsNameTheTopics() {
        for (const ReferenceTopicPages& t : kReferenceTopics) {
            QCOMPARE(ui->Get<QAction>(kTopicItems[t.topic - 1])->text(), QString::fromUtf8(t.caption.data()));
        }
    }

    void everyTopicForwardAndBack_data() {
        QTest::addColumn<int>("topic");
        for (const ReferenceTopicPages& t : kReferenceTopics) {
            QTest::newRow(qPrintable(QString("тема %1, %2 стр.").arg(t.topic).arg(t.pageCount))) << t.topic;
        }
    }
    void everyTopicForwardAndBack() {
        QFETCH(int, topic);
        const int n = ReferenceTopicAt(topic)->pageCount;
        Choose(topic);
        QVERIFY(Viewer()->isVisible());
        QCOMPARE(ui->form->Project.ReferenceTopic, topic);
        Expect({ReferencePageFile(topic, 1), 1, false, true}, "opened");
        for (int page = 2; page <= n; ++page) {
            const qint64 before = PictureKey();
            QTest::mouseClick(Viewer()->Button2, Qt::LeftButton);
            Expect({ReferencePageFile(topic, page), page, true, page < n}, "Далее");
            QVERIFY(PictureKey() != before);
            QCOMPARE(Viewer()->Image1->size(), QSize(586, 438));
        }
        for (int page = n - 1; page >= 1; --page) {
            QTest::mouseClick(Viewer()->Button1, Qt::LeftButton);
            Expect({ReferencePageFile(topic, page), page, page > 1, true}, "Назад");
        }
        QVERIFY(viewerErrors.isEmpty());
    }

    void choosingATopicWhileOpenStartsItOnPageOne() {
        Choose(1);
        for (int i = 0; i < 2; ++i) QTest::mouseClick(Viewer()->Button2, Qt::LeftButton);
        Expect({QStringLiteral("Солнце33.jpg"), 3, true, false}, "topic 1, page 3");
        Choose(4);
        Expect({QStringLiteral("Аtн1.jpg"), 1, false, true}, "topic 4 chosen while open");
        Viewer()->close();  // closing hides
        QVERIFY(!Viewer()->isVisible());
        Choose(5);
        Expect({QStringLiteral("Схема1.jpg"), 1, false, true}, "reopened");
    }

    void missingAndBrokenPages_data() {
        QTest::addColumn<int>("topic");
        QTest::addColumn<int>("damagedPage");
        QTest::addColumn<QByteArray>("contents");  // empty: the file is missing
        QTest::addColumn<QString>("message");
        const QString noSoi = QString("JPEG error #%1.").arg(JERR_NO_SOI);
        QTest::newRow("missing middle page") << 2 << 2 << QByteArray() << "Cannot open file Солнце100.jpg.";
        QTest::newRow("missing last page") << 4 << 9 << QByteArray() << "Cannot open file Аtн9.jpg.";
        QTest::newRow("not a JPEG") << 5 << 2 << QByteArray("plain text, not a picture") << noSoi;
        QTest::newRow("empty file") << 3 << 2 << QByteArray("") << QString("JPEG error #%1.").arg(JERR_INPUT_EMPTY);
        QTest::newRow("truncated JPEG") << 1 << 2 << QByteArray("half")
                                        << QString("JPEG error #%1.").arg(JWRN_JPEG_EOF);
        QTest::newRow("header claims 60000 x 60000")
            << 3 << 4 << QByteArray("huge") << QString("JPEG error #%1.").arg(JERR_IMAGE_TOO_BIG);
    }
    void missingAndBrokenPages() {
        QFETCH(int, topic);
        QFETCH(int, damagedPage);
        QFETCH(QByteArray, contents);
        QFETCH(QString, message);
        const auto pages = CopyOfPages();
        const QString damaged = pages->filePath(ReferencePageFile(topic, damagedPage));
        if (contents == "half" || contents == "huge") {
            QFile in(damaged);
            QVERIFY(in.open(QIODevice::ReadOnly));
            const QByteArray whole = in.readAll();
            contents = whole.left(whole.size() / 2);
            if (QTest::currentDataTag() != QByteArray("truncated JPEG")) {
                // Height and width of the frame header (FF C0, length, precision, H, W).
                contents = whole;
                const qsizetype sof = contents.indexOf("\xFF\xC0");
                QVERIFY(sof > 0);
                for (qsizetype i : {sof + 5, sof + 7}) {
                    contents[i] = char(0xEA);
                    contents[i + 1] = char(0x60);
                }
            }
        }
        QFile::remove(damaged);
        if (!contents.isNull() || QTest::currentDataTag() == QByteArray("empty file")) {
            QFile out(damaged);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(contents);
        }
        TForm3::PageFolderOverride = pages->path();

        Choose(topic);
        for (int page = 2; page < damagedPage; ++page) QTest::mouseClick(Viewer()->Button2, Qt::LeftButton);
        const ViewerState before = State();
        const qint64 picture = PictureKey();
        QTest::mouseClick(Viewer()->Button2, Qt::LeftButton);

        QCOMPARE(viewerErrors, QStringList{message});
        QCOMPARE(PictureKey(), picture);  // the picture shown stays
        QCOMPARE(Viewer()->ShownFile(), before.file);
        QCOMPARE(int(ui->form->Project.ReferencePage), damagedPage);  // the page number has moved
        QVERIFY(Viewer()->Button1->isEnabled());                      // and "Назад" was enabled
        QVERIFY(Viewer()->Button2->isEnabled());                      // the last-page check was skipped

        // Stepping back shows the page before; a further "Далее" past the
        // end of the topic loads nothing and turns "Далее" off.
        const int n = ReferenceTopicAt(topic)->pageCount;
        if (damagedPage == n) {
            QTest::mouseClick(Viewer()->Button2, Qt::LeftButton);
            QCOMPARE(int(ui->form->Project.ReferencePage), n + 1);
            QVERIFY(!Viewer()->Button2->isEnabled());
            QCOMPARE(viewerErrors.size(), 1);
            QTest::mouseClick(Viewer()->Button1, Qt::LeftButton);  // back to the broken page
            QCOMPARE(viewerErrors.size(), 2);
        }
        QTest::mouseClick(Viewer()->Button1, Qt::LeftButton);
        QCOMPARE(Viewer()->ShownFile(), ReferencePageFile(topic, damagedPage - 1));
    }

    void aFirstPageThatFailsLeavesTheViewerAsItWas() {
        Choose(3);
        QTest::mouseClick(Viewer()->Button2, Qt::LeftButton);
        Viewer()->close();
        const auto pages = CopyOfPages();
        QFile::remove(pages->filePath(QStringLiteral("Схема1.jpg")));
        TForm3::PageFolderOverride = pages->path();
        Choose(5);
        QCOMPARE(viewerErrors, QStringList{"Cannot open file Схема1.jpg."});
        QVERIFY(Viewer()->isVisible());
        QCOMPARE(ui->form->Project.ReferenceTopic, 5);
        Expect({QStringLiteral("Свойства2.jpg"), 2, true, true}, "after the failed show");
    }

    void pagesAreFoundFromAnyWorkingDirectory() {
        const QString before = QDir::currentPath();
        QTemporaryDir elsewhere;
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        // A page file in the current directory is not what the viewer shows.
        QFile decoy(QStringLiteral("Схема1.jpg"));
        QVERIFY(decoy.open(QIODevice::WriteOnly));
        decoy.write("not the page");
        decoy.close();
        // One folder, relative to the program: the build tree lays the pages
        // out as an installation does.
        const QString expected = QDir::cleanPath(QApplication::applicationDirPath() + "/../share/solargain");
        QCOMPARE(ReferencePageFolders(), QStringList{expected});
        Choose(5);
        QDir::setCurrent(before);
        QVERIFY2(viewerErrors.isEmpty(), qPrintable(viewerErrors.join('\n')));
        Expect({QStringLiteral("Схема1.jpg"), 1, false, true}, "from another directory");
        QVERIFY(FindReferencePage(QStringLiteral("Схема1.jpg")) != elsewhere.filePath(QStringLiteral("Схема1.jpg")));
    }

    void aboutBoxIsModalWithItsTitleLinesAndVersion() {
        bool seen = false;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            const auto closeBox = qScopeGuard([box] { box->close(); });  // also when a check fails
            QCOMPARE(box->objectName(), QStringLiteral("Form2"));
            QCOMPARE(box->windowTitle(), QStringLiteral("О программе"));
            QStringList texts;
            for (const QLabel* label : box->findChildren<QLabel*>()) texts << label->text();
            // The version is the one solargain-cli --version prints.
            for (const char* line : {"Программа  расчёта теплопоступлений в помещение",
                                     "от солнечной радиации .  Версия " SOLARGAIN_VERSION,
                                     "Данные метода:", "широта 40–60°, восемь ориентаций, часы с 8 до 18"}) {
                QVERIFY2(texts.contains(QString::fromUtf8(line)), line);
            }
            // No made-up organisation, address or release date.
            for (const char* placeholder : {"example", "Seed", "@", "Институт", "Составители", "2006"}) {
                QVERIFY2(texts.filter(QString::fromUtf8(placeholder)).isEmpty(), placeholder);
            }
            // The title lines in larger type than the rest.
            const auto size = [box](const char* name) {
                return box->findChild<QLabel*>(QString::fromLatin1(name))->fontInfo().pixelSize();
            };
            QVERIFY(size("Label1") > size("Label3") && size("Label2") > size("Label3"));
            seen = true;
        });
        ui->Get<QAction>("N6")->trigger();  // returns when the box is closed
        QVERIFY(seen);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    // «Закрыть», Enter and Esc each close the box, and the box's button lies
    // within it, clear of its texts.
    void aboutBoxClosesByItsButtonAndKeys_data() {
        QTest::addColumn<int>("how");
        QTest::newRow("button") << 0;
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
    }
    void aboutBoxClosesByItsButtonAndKeys() {
        QFETCH(int, how);
        bool pressed = false;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            const auto closeBox = qScopeGuard([box] { box->close(); });  // also when a check fails
            auto* button = box->findChild<QPushButton*>(QStringLiteral("CloseButton"));
            QVERIFY(button != nullptr);
            QCOMPARE(button->text(), QStringLiteral("Закрыть"));
            QVERIFY(box->rect().contains(button->geometry()));
            for (const QLabel* label : box->findChildren<QLabel*>())
                QVERIFY2(!label->geometry().intersects(button->geometry()), qPrintable(label->objectName()));
            if (how == 0)
                QTest::mouseClick(button, Qt::LeftButton);
            else
                QTest::keyClick(box, Qt::Key(how));
            pressed = !box->isVisible();
        });
        ui->Get<QAction>("N6")->trigger();  // returns when the box is closed
        QVERIFY(pressed);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }
};

QTEST_MAIN(ReferenceViewerTest)
#include "ReferenceViewerTest.moc"
