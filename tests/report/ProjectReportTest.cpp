#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "CalcError.h"
#include "Conversions.h"
#include "HourlyCharts.h"
#include "ProjectReport.h"
#include "ReportWorkbook.h"

namespace {

// The worked wall and roof of one brick layer, only the south wall counted,
// and windows of 1.8 × 2.4 m, two of them, to the south and the west.
const char* const kProject = R"({
    "WindowHeight": "1.8", "WindowWidth": "2.4", "WindowCount": "2", "WindowOrientations": ["Ю", "З"],
    "Walls": true, "Roof": true, "WallOrientations": ["Ю"], "WallArea": "10", "WallAbsorptance": "0.7",
    "RoofArea": "10", "RoofAbsorptance": "0.7",
    "WallLayers": [{"MaterialName": "Кирпич", "HeatAbsorption": "9.2", "Conductivity": "0.81", "Thickness": "0.38"}],
    "RoofLayers": [{"MaterialName": "Кирпич", "HeatAbsorption": "9.2", "Conductivity": "0.81", "Thickness": "0.380"}]
})";

ProjectReport ReportOf(const std::string& document) {
    const ProjectInputs inputs = ReadProjectInputs(document);
    return MakeProjectReport(inputs, RunProject(inputs));
}

const ReportTable& TableNamed(const ProjectReport& report, const std::string& name) {
    for (const ReportTable& table : report.Inputs)
        if (table.Name == name) return table;
    throw std::out_of_range("no input table " + name);
}

// The value cell of the row whose first cell is `name`.
const ReportCell& ValueOf(const ReportTable& table, const std::string& name, std::size_t column = 2) {
    for (const ReportRow& row : table.Rows)
        if (row.front().Text == name) return row.at(column);
    throw std::out_of_range("no row " + name + " in " + table.Name);
}

TEST(ProjectReport, InputsAreShownWithTheirUnitsAndDerivedTexts) {
    const ProjectReport report = ReportOf(kProject);
    struct Case {
        const char* table;
        const char* row;
        const char* value;
        bool number;
    };
    // clang-format off
    const Case cases[] = {
        {"Окна",                         "Площадь световых проёмов",          "8.64",     true},  // H·B·n as the page shows it
        {"Окна",                         "Ориентация окна",                   "Вертикальная", false},
        {"Окна",                         "Стороны света окон в итоге",        "Ю, З",     false},
        {"Район строительства и климат", "Северная широта района",            "48",       true},
        {"Стены",                        "Сопротивление теплопередаче стены", "0.6213",   true},
        {"Стены",                        "Запаздывание теплового потока",     "11",       true},
        {"Покрытие",                     "Сопротивление теплопередаче покрытия", "0.6585", true},
        {"Покрытие",                     "Учитывать покрытие",                "да",       false},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.table) + " / " + c.row);
        const ReportCell& cell = ValueOf(TableNamed(report, c.table), c.row);
        EXPECT_EQ(cell.Text, c.value);
        EXPECT_EQ(cell.Number.has_value(), c.number);
    }
    const ReportRow& area = TableNamed(report, "Окна").Rows.at(7);
    EXPECT_EQ(area.at(1).Text, "Fп");
    EXPECT_EQ(area.at(3).Text, "м²");
    // K = 1/R₀ as the layer editor shows it.
    EXPECT_EQ(ValueOf(TableNamed(report, "Стены"), "Коэффициент теплопередачи стены").Text, "1.6095");
    // Layers as typed, read as numbers: "0.380" is 0.38.
    const ReportTable& roofLayers = TableNamed(report, "Слои покрытия");
    ASSERT_EQ(roofLayers.Rows.size(), 1u);
    EXPECT_EQ(roofLayers.Header.at(2), "s, Вт/(м²·°С)");
    EXPECT_EQ(roofLayers.Rows[0].at(1).Text, "Кирпич");
    EXPECT_EQ(roofLayers.Rows[0].at(4).Text, "0.38");
}

TEST(ProjectReport, TheCityLeadsTheSiteWhenOneIsNamed) {
    const ProjectReport withCity = ReportOf(R"({"City": "Москва"})");
    const ReportTable& named = TableNamed(withCity, "Район строительства и климат");
    EXPECT_EQ(named.Rows.at(0).at(0).Text, "Город");
    EXPECT_EQ(ValueOf(named, "Город").Text, "Москва");
    EXPECT_EQ(ValueOf(named, "Северная широта района").Text, "56");
    const ProjectReport withoutCity = ReportOf("{}");
    const ReportTable& none = TableNamed(withoutCity, "Район строительства и климат");
    EXPECT_EQ(none.Rows.at(0).at(0).Text, "Северная широта района");
}

TEST(ProjectReport, TotalsWindowsAndWallsAreTheResults) {
    const ProjectInputs inputs = ReadProjectInputs(kProject);
    const ProjectResults results = RunProject(inputs);
    const ProjectReport report = MakeProjectReport(inputs, results);

    ASSERT_EQ(report.Totals.Rows.size(), 4u);
    EXPECT_EQ(report.Totals.Header.at(5), "12-13");
    for (std::size_t r = 0; r < 4; ++r) {
        const HourValues* rows[] = {&results.Totals.WindowHourTotal, &results.Totals.WallHourTotal,
                                    &results.Totals.RoofHourGain, &results.Totals.GrandHourTotal};
        for (int h = 1; h <= kHourCount; ++h)
            EXPECT_EQ(report.Totals.Rows[r].at(static_cast<std::size_t>(h)).Number, (*rows[r])[h]) << r << " " << h;
    }
    EXPECT_EQ(ValueOf(report.Totals, "Стены", 5).Text, "110");
    EXPECT_EQ(ValueOf(report.Totals, "Покрытие", 5).Text, "327");
    EXPECT_EQ(ValueOf(report.Totals, "Стены", 11).Text, "10-11");
    EXPECT_EQ(ValueOf(report.Totals, "ВСЕГО", 11).Text, HourLabel(*results.Totals.GrandMaxHour));

    ASSERT_EQ(report.Windows.size(), 8u);
    const ReportTable& south = report.Windows[4];
    EXPECT_EQ(south.Name, "Окна Ю");
    EXPECT_EQ(south.Rows.at(16).at(0).Text, "Qост");
    EXPECT_EQ(south.Rows.at(16).at(1).Text, "Вт");
    EXPECT_EQ(south.Rows.at(16).at(2 + 4).Number, results.Windows->Table.Record(5, 5)[WindowField::HeatGain]);
    EXPECT_EQ(report.PrintedWindowOrientations, (std::vector<int>{5, 7}));

    ASSERT_TRUE(report.Walls);
    EXPECT_EQ(report.Walls->Rows.at(4).at(5).Text, "110.1438");
    EXPECT_EQ(report.Walls->Rows.at(4).back().Text, "да");
    EXPECT_EQ(report.Walls->Rows.at(0).back().Text, "");
}

TEST(ProjectReport, ExcludedElementsLeaveTheirTablesOut) {
    const ProjectReport none = ReportOf(R"({"Windows": false})");
    EXPECT_TRUE(none.Windows.empty());
    EXPECT_TRUE(none.PrintedWindowOrientations.empty());
    EXPECT_FALSE(none.Walls);
    EXPECT_EQ(ValueOf(none.Totals, "Окна", 11).Text, "—");
    EXPECT_EQ(ValueOf(none.Totals, "ВСЕГО", 11).Text, "—");  // no gain, no maximum
    // Windows with no orientation chosen: the printed report shows all eight.
    EXPECT_EQ(ReportOf("{}").PrintedWindowOrientations, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
}

TEST(ProjectReport, CellsKnowTheirDecimals) {
    struct Case {
        const char* value;
        int decimals;
    };
    for (const Case c : {Case{"760", 0}, Case{"0.6", 1}, Case{"-0.13", 2}, Case{"0.8979", 4}, Case{"-12.045", 3}}) {
        const ReportCell cell = ReportCell::Value(ParseDecimal4(c.value));
        EXPECT_EQ(cell.Text, c.value);
        EXPECT_EQ(cell.Decimals(), c.decimals) << c.value;
    }
}

// The charts show the rows of the totals and the windows' Qост, the
// orientations the totals add emphasised.
TEST(HourlyCharts, SeriesAreTheTotalsRows) {
    const ProjectInputs inputs = ReadProjectInputs(kProject);
    const ProjectResults results = RunProject(inputs);
    const HourlyCharts charts = MakeHourlyCharts(MakeProjectReport(inputs, results));
    const ProjectTotals& t = results.Totals;
    const struct {
        const HourSeries& series;
        const char* name;
        const HourValues& values;
    } rows[] = {
        {charts.Elements.at(0), "Окна", t.WindowHourTotal},
        {charts.Elements.at(1), "Стены", t.WallHourTotal},
        {charts.Elements.at(2), "Покрытие", t.RoofHourGain},
        {charts.Sum, "ВСЕГО", t.GrandHourTotal},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(row.series.Name, row.name);
        for (int h = 1; h <= kHourCount; ++h)
            EXPECT_EQ(row.series.Values[static_cast<std::size_t>(h - 1)], static_cast<double>(row.values[h].Units()))
                << row.name << " " << h;
    }
    EXPECT_EQ(charts.MaxHour, t.GrandMaxHour);
    ASSERT_EQ(charts.Windows.size(), 8u);
    for (int o = 1; o <= kOrientationCount; ++o) {
        const HourSeries& line = charts.Windows[static_cast<std::size_t>(o - 1)];
        EXPECT_EQ(line.Name, OrientationAt(o).name);
        EXPECT_EQ(line.Emphasised, o == 5 || o == 7);
        EXPECT_EQ(line.Values[4],
                  static_cast<double>(results.Windows->Table.Record(o, 5)[WindowField::HeatGain].Units()));
    }
    EXPECT_TRUE(MakeHourlyCharts(ReportOf(R"({"Windows": false})")).Windows.empty());
}

// A workbook that cannot be written leaves nothing behind and says why.
TEST(ReportWorkbook, AFileThatCannotBeWrittenIsReported) {
    const ProjectReport report = ReportOf("{}");
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "solargain-report-test";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder / "книга.xlsx");
    const std::string asFolder = (folder / "книга.xlsx").string();
    try {
        WriteReportWorkbook(report, asFolder);
        ADD_FAILURE() << "a folder was taken for the workbook";
    } catch (const CalcError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Не удалось записать файл «" + asFolder + "»: нет доступа к файлу. Прежний файл не изменён");
    }
    EXPECT_TRUE(std::filesystem::is_directory(asFolder));
    EXPECT_TRUE(std::filesystem::is_empty(asFolder));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);

    const std::string book = (folder / "итоги.xlsx").string();
    WriteReportWorkbook(report, book);
    // The same workbook, but for the time of its making in its properties,
    // which may change the compressed size by a byte or two.
    const double composed = static_cast<double>(ReportWorkbookBytes(report).size());
    EXPECT_NEAR(static_cast<double>(std::filesystem::file_size(book)), composed, 16.0);
    std::filesystem::remove_all(folder);
}

}  // namespace
