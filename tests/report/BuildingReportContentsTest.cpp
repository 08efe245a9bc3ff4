#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "BuildingReport.h"
#include "BuildingReportContents.h"
#include "CalcError.h"
#include "Materials.h"

namespace {

// A material of the built-in tables, as the picker names it.
const MaterialChoice& TableMaterial() {
    static const MaterialChoice first = MaterialsFor(Conditions::A).at(0);
    return first;
}

// Three rooms: «101» with a window, a wall of two layers (one from the
// material tables, one typed) and a roof; «102» with a horizontal window; «103» whose
// window has no width, so that it cannot be computed.
BuildingInputs ThreeRooms() {
    BuildingInputs b = ReadAnyBuilding(R"({"Site": {"Latitude": "48", "WindSpeed": "4", "City": "Ростов-на-Дону"},
      "Rooms": [
        {"Name": "101", "IndoorTemp": "22",
         "Windows": [{"Name": "Южные", "WindowOrientations": ["Ю"]}],
         "Walls": [{"Name": "Фасад", "WallArea": "10", "WallAbsorptance": "0.7", "WallOrientations": ["Ю", "З"],
                    "WallLayers": [
                      {"MaterialName": "Кирпич", "HeatAbsorption": "9.2", "Conductivity": "0.81", "Thickness": "0.38"},
                      {"MaterialName": "Самодельный", "HeatAbsorption": "1", "Conductivity": "0.1", "Thickness": "0.1"}]}],
         "Roof": {"Name": "Кровля", "RoofArea": "10", "RoofAbsorptance": "0.7",
                  "RoofLayers": [{"MaterialName": "Кирпич", "HeatAbsorption": "9.2", "Conductivity": "0.81",
                                  "Thickness": "0.38"}]}},
        {"Name": "102", "Windows": [{"Name": "Фонарь", "WindowKind": "Horizontal", "WindowOrientations": ["С"]}]},
        {"Name": "103", "Windows": [{"Name": "Узкое", "WindowWidth": "0"}]}]})");
    b.Rooms[0].Walls[0].Inputs.WallLayers[0]->Name = TableMaterial().name;
    b.Properties.Object = "Школа № 5";
    b.Properties.Author = "Иванов И. И.";
    return b;
}

std::string Line(const BuildingReportContents& c, const std::string& caption) {
    for (const auto& [name, text] : c.TitleBlock)
        if (name == caption) return text;
    return "(нет строки «" + caption + "»)";
}

bool LegendHas(const ReportTable& legend, const std::string& symbol, const std::string& unit) {
    return std::any_of(legend.Rows.begin(), legend.Rows.end(), [&](const ReportRow& row) {
        return row[0].Text == symbol && row[2].Text == unit && !row[1].Text.empty();
    });
}

std::vector<std::string> Texts(const ReportRow& row) {
    std::vector<std::string> texts;
    for (const ReportCell& cell : row) texts.push_back(cell.Text);
    return texts;
}

}  // namespace

TEST(BuildingReportContents, TitleBlockNamesTheProjectTheMethodAndTheSources) {
    const BuildingReportContents c = MakeBuildingReportContents(ThreeRooms(), {}, {"10.12.2026 14:05", ""});
    EXPECT_EQ(Line(c, "Объект"), "Школа № 5");
    EXPECT_EQ(Line(c, "Расчёт выполнил"), "Иванов И. И.");
    EXPECT_EQ(Line(c, "Дата и время"), "10.12.2026 14:05");
    EXPECT_EQ(Line(c, "Проект"), "новый проект");
    EXPECT_EQ(Line(c, "Методика"), kMethodName);
    EXPECT_NE(Line(c, "Климатические данные").find("СП 131.13330"), std::string::npos);
    EXPECT_NE(Line(c, "Климатические данные").find("Ростов-на-Дону"), std::string::npos);
    const std::string materials = Line(c, "Теплотехнические характеристики материалов");
    EXPECT_EQ(materials.rfind(TableMaterial().source, 0), 0u) << materials;
    EXPECT_NE(materials.find("введены пользователем"), std::string::npos) << materials;
    // Properties not given are not printed.
    EXPECT_EQ(Line(c, "Проверил"), "(нет строки «Проверил»)");
}

// The room refused keeps its inputs and its message; the building's row and
// the sum of the maxima are not given, so nothing is counted as zero.
TEST(BuildingReportContents, ARoomNotComputedIsNamedNotAdded) {
    const BuildingReportContents c = MakeBuildingReportContents(ThreeRooms(), {}, {"", ""});
    ASSERT_TRUE(c.Summary.has_value());
    ASSERT_EQ(c.Summary->Rows.size(), 3u);
    EXPECT_EQ(c.Summary->Rows[2][0].Text, "103");
    EXPECT_EQ(c.Summary->Rows[2][1].Text, "не рассчитано");
    EXPECT_FALSE(c.Summary->Rows[2][2].Number.has_value());
    ASSERT_GE(c.SummaryNotes.size(), 2u);
    EXPECT_NE(c.SummaryNotes[0].find("1 из 3"), std::string::npos);
    ASSERT_EQ(c.Rooms.size(), 3u);
    EXPECT_NE(c.Rooms[2].Failure.find("окно «Узкое»"), std::string::npos) << c.Rooms[2].Failure;
    EXPECT_FALSE(c.Rooms[2].Totals.has_value());
    EXPECT_FALSE(c.Rooms[2].Parts.at(0).Report.has_value());
    EXPECT_FALSE(c.Rooms[2].Parts.at(0).Inputs.empty());
    EXPECT_TRUE(c.Rooms[0].Failure.empty());
    EXPECT_TRUE(c.Rooms[0].Totals.has_value());

    // The export holds the whole building or nothing.
    try {
        ExportWorkbookSheets(ThreeRooms());
        FAIL() << "exported a building with a room not computed";
    } catch (const CalcError& e) {
        EXPECT_NE(std::string(e.what()).find("Результаты не записаны: Помещение «103»"), std::string::npos) << e.what();
    }
}

// With every room computed the summary is the building's table; the room's
// own input tв leaves the site's table for the room's.
TEST(BuildingReportContents, SummaryIsTheBuildingTableAndEachRoomHasItsOwnIndoorTemperature) {
    BuildingInputs b = ThreeRooms();
    b.Rooms.pop_back();
    const BuildingReportContents c = MakeBuildingReportContents(b, {}, {"", ""});
    ASSERT_TRUE(c.Summary.has_value());
    const BuildingResults results = ComputeBuilding(b);
    ASSERT_EQ(c.Summary->Rows.size(), BuildingReportTable(results).Rows.size());
    for (std::size_t r = 0; r < c.Summary->Rows.size(); ++r)
        for (std::size_t k = 0; k < c.Summary->Rows[r].size(); ++k)
            EXPECT_EQ(c.Summary->Rows[r][k].Text, BuildingReportTable(results).Rows[r][k].Text);
    EXPECT_TRUE(c.SummaryNotes.empty());
    for (const ReportRow& row : c.Site.at(0).Rows) EXPECT_NE(row[1].Text, "tв");
    EXPECT_EQ(c.Rooms[0].Inputs.Rows.at(0)[1].Text, "tв");
    EXPECT_EQ(c.Rooms[0].Inputs.Rows.at(0)[2].Text, "22");
}

// Every symbol printed is explained with its unit, once; the layers' s, λ,
// δ, the windows' rows and the constructions' figures included.
TEST(BuildingReportContents, LegendExplainsEverySymbolPrinted) {
    const BuildingReportContents c = MakeBuildingReportContents(ThreeRooms(), {}, {"", ""});
    const struct {
        const char* symbol;
        const char* unit;
    } expected[] = {{"Н", "м"}, {"tв", "°С"}, {"qвп", "Вт/м²"},   {"R", "м²·°С/Вт"}, {"ν", ""},
                    {"ε", "ч"}, {"D", ""},    {"λ", "Вт/(м·°С)"}, {"δ", "м"}};
    for (const auto& e : expected) {
        SCOPED_TRACE(e.symbol);
        EXPECT_TRUE(LegendHas(c.Legend, e.symbol, e.unit));
    }
    // One symbol of two quantities is explained twice.
    EXPECT_EQ(std::count_if(c.Legend.Rows.begin(), c.Legend.Rows.end(),
                            [](const ReportRow& row) { return row[0].Text == "ρп"; }),
              2);
    for (std::size_t i = 0; i < c.Legend.Rows.size(); ++i) {
        SCOPED_TRACE(c.Legend.Rows[i][0].Text);
        EXPECT_FALSE(c.Legend.Rows[i][1].Text.empty());
        for (std::size_t j = 0; j < i; ++j) EXPECT_FALSE(Texts(c.Legend.Rows[j]) == Texts(c.Legend.Rows[i]));
    }
}

// The printed walls and elements in whole watts, the workbook exact.
TEST(BuildingReportContents, WallsPrintedInWholeWattsExportedExactly) {
    BuildingInputs b = ThreeRooms();
    b.Rooms.pop_back();
    const BuildingReportContents c = MakeBuildingReportContents(b, {}, {"", ""});
    const ElementReport& wall = c.Rooms[0].Parts.at(1);
    ASSERT_EQ(wall.Part, BuildingPart::Wall);
    ASSERT_TRUE(wall.Report && wall.Report->Walls);
    bool fraction = false;
    const std::vector<WorkbookSheet> sheets = ExportWorkbookSheets(b);
    const auto exact =
        std::find_if(sheets.begin(), sheets.end(), [](const WorkbookSheet& s) { return s.Name == "101 стены"; });
    ASSERT_NE(exact, sheets.end());
    const ReportTable& exactWalls = exact->Tables.at(0);
    for (std::size_t r = 0; r < wall.Report->Walls->Rows.size(); ++r) {
        for (std::size_t k = 0; k < wall.Report->Walls->Rows[r].size(); ++k) {
            const ReportCell& printed = wall.Report->Walls->Rows[r][k];
            if (!printed.Number) continue;
            EXPECT_EQ(printed.Decimals(), 0);
            const Decimal4 value = *exactWalls.Rows[r][k].Number;
            EXPECT_EQ(*printed.Number, value.RoundedWhole());
            fraction = fraction || exactWalls.Rows[r][k].Decimals() > 0;
        }
    }
    EXPECT_TRUE(fraction) << "no wall gain with a fraction: the case shows nothing";
    for (const ReportRow& row : c.Rooms[0].Elements->Rows)
        for (const ReportCell& cell : row) EXPECT_EQ(cell.Decimals(), 0) << cell.Text;
}

TEST(BuildingReportContents, OneRoomOnItsOwn) {
    const BuildingReportContents c = MakeBuildingReportContents(ThreeRooms(), {std::size_t{1}}, {"", ""});
    EXPECT_FALSE(c.Summary.has_value());
    ASSERT_EQ(c.Rooms.size(), 1u);
    EXPECT_EQ(c.Rooms[0].Title, "Помещение «102»");
    // Its title block names the materials of that room only: it has none.
    EXPECT_EQ(Line(c, "Теплотехнические характеристики материалов"),
              "(нет строки «Теплотехнические характеристики материалов»)");
    EXPECT_THROW(MakeBuildingReportContents(ThreeRooms(), {std::size_t{3}}, {"", ""}), CalcError);

    const std::vector<WorkbookSheet> sheets = ExportWorkbookSheets(BuildingOfScope(ThreeRooms(), {std::size_t{1}}));
    std::vector<std::string> names;
    for (const WorkbookSheet& s : sheets) names.push_back(s.Name);
    EXPECT_EQ(names, (std::vector<std::string>{"Здание", "102", "102 исходные", "102 окна"}));
}
