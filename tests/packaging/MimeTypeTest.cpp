// The media type of the project file, as a desktop's file manager finds it
// from share/mime/packages/solargain.xml: by the content the program writes
// and by the extension .solargain; other JSON is not taken for a project.

#include <QMimeDatabase>
#include <QTest>

#include "ProjectDocument.h"

namespace {

const QString kProjectType = QStringLiteral("application/x-solargain-project");

QByteArray WrittenProjectFile() {
    return QByteArray::fromStdString(WriteProjectFile(ProjectInputs{}, ProjectError{"не рассчитано"}));
}

}  // namespace

class MimeTypeTest : public QObject {
    Q_OBJECT

private slots:
    void typeIsKnown() {
        const QMimeType type = QMimeDatabase().mimeTypeForName(kProjectType);
        QVERIFY2(type.isValid(), "share/mime/packages/solargain.xml is not read");
        QVERIFY(type.inherits(QStringLiteral("application/json")));
        QCOMPARE(type.suffixes(), QStringList{QStringLiteral("solargain")});
    }

    void contentIsRecognised_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("project");
        QTest::newRow("as the program writes it") << WrittenProjectFile() << true;
        QTest::newRow("compact") << QByteArray(R"({"format": "solargain-project", "version": 2, "inputs": {}})")
                                 << true;
        QTest::newRow("CR LF, indented by four")
            << QByteArray("{\r\n    \"format\": \"solargain-project\",\r\n    \"version\": 1\r\n}\r\n") << true;
        QTest::newRow("another format") << QByteArray(R"({"format": "solargain-table", "version": 1})") << false;
        QTest::newRow("format not the first key")
            << QByteArray(R"({"version": 1, "format": "solargain-project", "inputs": {}})") << false;
        QTest::newRow("a bare inputs document") << QByteArray(R"({"Latitude": "52", "Windows": true})") << false;
        QTest::newRow("the text in a list") << QByteArray(R"([{"format": "solargain-project"}])") << false;
    }
    void contentIsRecognised() {
        QFETCH(QByteArray, content);
        QFETCH(bool, project);
        QCOMPARE(QMimeDatabase().mimeTypeForData(content).name() == kProjectType, project);
    }

    void extensionIsRecognised_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("project");
        QTest::newRow(".solargain") << "Офис 1.solargain" << true;
        QTest::newRow(".SOLARGAIN") << "OFFICE.SOLARGAIN" << true;
        QTest::newRow(".solargain.bak") << "office.solargain.bak" << false;
        QTest::newRow(".json") << "office.json" << false;
    }
    void extensionIsRecognised() {
        QFETCH(QString, name);
        QFETCH(bool, project);
        const QMimeType type = QMimeDatabase().mimeTypeForFile(name, QMimeDatabase::MatchExtension);
        QCOMPARE(type.name() == kProjectType, project);
    }
};

QTEST_GUILESS_MAIN(MimeTypeTest)
#include "MimeTypeTest.moc"
