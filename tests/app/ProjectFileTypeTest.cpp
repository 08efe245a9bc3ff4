// The project file on the desktop: the file named on the command line
// (`solargain FILE`, as the desktop entry starts the program) is opened or
// refused with its box, and the save dialog proposes NAME.solargain.

#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include "CommandLineFile.h"
#include "FormTestSupport.h"

namespace {

const QString kProgramTitle = QStringLiteral("Расчёт теплопоступлений от солнечной радиации");

// Runs `answer` on the save dialog once it is shown.
void AnswerSaveDialog(const std::function<void(QFileDialog&)>& answer) {
    QTimer::singleShot(0, [answer] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) qFatal("the save dialog is not shown");
        answer(*dialog);
    });
}

}  // namespace

class ProjectFileTypeTest : public QObject, DialogTestState {
    Q_OBJECT

private slots:
    void init() { StartWindow(); }
    void cleanup() { ui.reset(); }

    void commandLineFileIsOpenedOrRefused_data() {
        QTest::addColumn<QString>("file");      // saved, written or left missing in the scratch folder
        QTest::addColumn<QByteArray>("bytes");  // written as is; "save" saves the window with V = 4
        QTest::addColumn<bool>("opened");
        QTest::newRow("saved project, .solargain") << "Офис 1.solargain" << QByteArray("save") << true;
        QTest::newRow("saved project, .json") << "office.json" << QByteArray("save") << true;
        QTest::newRow("missing file") << "нет такого.solargain" << QByteArray() << false;
        QTest::newRow("not JSON") << "broken.solargain" << QByteArray("{\"format\": ") << false;
        QTest::newRow("JSON of another program") << "other.solargain" << QByteArray("{\"format\": \"x\"}\n") << false;
        QTest::newRow("no file named") << "" << QByteArray() << false;
    }
    void commandLineFileIsOpenedOrRefused() {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, opened);
        const QString path = PathOf(file.toUtf8().constData());
        if (bytes == "save") {
            ui->Type("Edit5", QStringLiteral("4"));
            SaveThrough("N2", path);
            QVERIFY2(ui->errors.isEmpty(), qPrintable(ui->errors.join('\n')));
            ui.reset();  // the program started again, with the file named
            StartWindow();
        } else if (!bytes.isEmpty()) {
            WriteFile(path, bytes);
        }
        const QStringList arguments =
            file.isEmpty() ? QStringList{QStringLiteral("solargain")} : QStringList{QStringLiteral("solargain"), path};

        QCOMPARE(OpenCommandLineFile(*ui->form, arguments), opened);
        if (opened) {
            QVERIFY2(ui->errors.isEmpty(), qPrintable(ui->errors.join('\n')));
            QCOMPARE(ui->form->CurrentProjectFile(), path);
            QCOMPARE(ui->form->windowTitle(), file + QStringLiteral("[*] — ") + kProgramTitle);
            QCOMPARE(ui->Text("Edit5"), QStringLiteral("4"));
            QVERIFY(!ui->form->isWindowModified());
        } else {
            QCOMPARE(ui->errors.size(), file.isEmpty() ? 0 : 1);
            if (!file.isEmpty()) {
                QVERIFY2(ui->errors[0].startsWith(QStringLiteral("Не удалось открыть проект «")),
                         qPrintable(ui->errors[0]));
                QVERIFY2(ui->errors[0].contains(file), qPrintable(ui->errors[0]));
                QCOMPARE(ui->errorTitles[0], QStringLiteral("Открытие проекта"));
            }
            QCOMPARE(ui->form->CurrentProjectFile(), QString());
            QCOMPARE(ui->form->windowTitle(), kProgramTitle + QStringLiteral("[*]"));
        }
    }

    void saveDialogProposesSolargain_data() {
        QTest::addColumn<int>("filter");     // the file type chosen in the dialog's list, from the first
        QTest::addColumn<QString>("typed");  // names of no file: replacing one asks first
        QTest::addColumn<QString>("saved");
        QTest::newRow("new project") << 0 << "Новый"
                                     << "Новый.solargain";
        QTest::newRow("typed .json kept") << 0 << "new.json"
                                          << "new.json";
        QTest::newRow("typed .txt kept") << 0 << "table.txt"
                                         << "table.txt";
        QTest::newRow("JSON chosen") << 1 << "new"
                                     << "new.json";
        QTest::newRow("window table chosen") << 2 << "table"
                                             << "table.txt";
        QTest::newRow("window table chosen, .solargain typed") << 2 << "a.solargain"
                                                               << "a.solargain";
    }
    void saveDialogProposesSolargain() {
        QFETCH(int, filter);
        QFETCH(QString, typed);
        QFETCH(QString, saved);
        QStringList filters;
        AnswerSaveDialog([&](QFileDialog& dialog) {
            filters = dialog.nameFilters();
            filters.prepend(dialog.selectedNameFilter());
            // The user's choice of type, by keyboard as with the mouse.
            auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            if (!types) qFatal("the dialog has no list of file types");
            for (int i = 0; i < filter; ++i) QTest::keyClick(types, Qt::Key_Down);
            auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            if (!name) qFatal("the dialog has no file name");
            name->setText(folder.filePath(typed));
            QTest::keyClick(name, Qt::Key_Return);
        });
        QCOMPARE(TForm1::RunSaveDialog1(ui->form.get()), folder.filePath(saved));
        QCOMPARE(filters,
                 (QStringList{QStringLiteral("Проект (*.solargain)"), QStringLiteral("Проект (*.solargain)"),
                              QStringLiteral("Проект JSON (*.json)"), QStringLiteral("Таблица окон (*.txt)")}));
    }
};

QTEST_MAIN(ProjectFileTypeTest)
#include "ProjectFileTypeTest.moc"
