// The printed report of a building drawn without the window: a three-room
// building with the project's properties, one room that cannot be computed.
// pdftotext reads the title block, the legend, the table of rooms and the
// page numbers back. With $SOLARGAIN_SHOTS the PDF is kept there for a look.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "BuildingReportContents.h"
#include "ReportPrinter.h"

namespace {

// «101» with windows, a wall and a roof; «102» with a skylight; «103» with a
// window of no width.
BuildingInputs ThreeRooms() {
    BuildingInputs b = ReadAnyBuilding(R"({"Site": {"Latitude": "48", "WindSpeed": "4", "City": "Ростов-на-Дону"},
      "Rooms": [
        {"Name": "101", "IndoorTemp": "22",
         "Windows": [{"Name": "Южные", "WindowOrientations": ["Ю"]}, {"Name": "Восточные", "WindowOrientations": []}],
         "Walls": [{"Name": "Фасад", "WallArea": "10", "WallAbsorptance": "0.7", "WallOrientations": ["Ю", "З"],
                    "WallLayers": [
                      {"MaterialName": "Кирпич", "HeatAbsorption": "9.2", "Conductivity": "0.81", "Thickness": "0.38"}]}],
         "Roof": {"Name": "Кровля", "RoofArea": "10", "RoofAbsorptance": "0.7",
                  "RoofLayers": [{"MaterialName": "Кирпич", "HeatAbsorption": "9.2", "Conductivity": "0.81",
                                  "Thickness": "0.38"}]}},
        {"Name": "102", "Windows": [{"Name": "Фонарь", "WindowKind": "Horizontal", "WindowOrientations": ["С"]}]},
        {"Name": "103", "Windows": [{"Name": "Узкое", "WindowWidth": "0"}]}]})");
    b.Properties = {"Школа № 5", "ул. Садовая, 1", "ООО «Тепло»", "Иванов И. И.", "Петров П. П.", "Проверочный расчёт"};
    return b;
}

QString PdfText(const QString& path) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0) return {};
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

}  // namespace

class BuildingReportPdfTest : public QObject {
    Q_OBJECT

private slots:
    void theReportOfABuildingReadsBack() {
        const BuildingReportContents contents =
            MakeBuildingReportContents(ThreeRooms(), {}, {"10.12.2026 14:05", "/проекты/школа.solargain"});
        const QByteArray pdf = BuildingReportPdf(contents);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("здание.pdf"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(pdf);
        file.close();
        if (const QString shots = qEnvironmentVariable("SOLARGAIN_SHOTS"); !shots.isEmpty()) {
            const QString dir = QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(shots);
            QDir().mkpath(dir);
            QFile::remove(dir + "/здание.pdf");
            QFile::copy(path, dir + "/здание.pdf");
        }
        const QString text = PdfText(path);
        QVERIFY2(!text.isEmpty(), "pdftotext (poppler-utils) did not read the report");

        // The title block, its lines in order.
        const QStringList block{
            "Объект: Школа № 5",
            "Адрес: ул. Садовая, 1",
            "Организация: ООО «Тепло»",
            "Расчёт выполнил: Иванов И. И.",
            "Проверил: Петров П. П.",
            "Примечания: Проверочный расчёт",
            "Дата и время: 10.12.2026 14:05",
            "Проект: /проекты/школа.solargain",
            "Методика: Пособие 2.91 к СНиП 2.04.05-91",
            "Климатические данные: СП 131.13330",
        };
        qsizetype at = 0;
        for (const QString& line : block) {
            const qsizetype found = text.indexOf(line, at);
            QVERIFY2(found >= 0, qPrintable(line));
            at = found;
        }

        // The legend: a symbol, its quantity and its unit on one line.
        QVERIFY(text.contains(QRegularExpression(QStringLiteral("qвп\\s+.+\\s+Вт/м²"))));
        QVERIFY(text.contains(QRegularExpression(QStringLiteral("ε\\s+Запаздывание теплового потока\\s+ч"))));

        // The table of rooms: the rooms computed with their maxima, the one
        // refused named, and why the building's row is left out.
        for (const ReportRow& row : std::vector(contents.Summary->Rows.begin(), contents.Summary->Rows.begin() + 2)) {
            QVERIFY2(text.contains(QRegularExpression(QRegularExpression::escape(QString::fromStdString(row[0].Text)) +
                                                      QStringLiteral("\\s+") +
                                                      QRegularExpression::escape(QString::fromStdString(row[1].Text)))),
                     row[0].Text.c_str());
        }
        QVERIFY(text.contains(QRegularExpression(QStringLiteral("\\n103\\s+не рассчитано"))));
        QVERIFY(text.contains(QStringLiteral("Не рассчитано помещений: 1 из 3")));
        QVERIFY(text.contains(QStringLiteral("Результаты не рассчитаны: Помещение «103», окно «Узкое»")));
        for (const char* heading : {"Помещение «101»", "Помещение «102»", "Окна «Южные»: окна по сторонам света",
                                    "Стены «Фасад»: стены по сторонам света"})
            QVERIFY2(text.contains(QString::fromUtf8(heading)), heading);

        const int pages = int(text.count('\f')) + (text.endsWith('\f') ? 0 : 1);
        QVERIFY(pages >= 3);
        QVERIFY(text.contains(QStringLiteral("Стр. 1 из %1").arg(pages)));
        QVERIFY(text.contains(QStringLiteral("Стр. %1 из %1").arg(pages)));
    }
};

QTEST_MAIN(BuildingReportPdfTest)
#include "BuildingReportPdfTest.moc"
