#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BuildingReport.h"
#include "ReportWorkbook.h"

namespace {

TEST(SheetNames, ValidAndUniqueForAnyRoomName) {
    const std::string cyrillic31 = "Помещение для очень длинного им";  // 31 characters
    const struct {
        const char* what;
        std::vector<std::string> wishes;
        std::vector<std::string> expected;
    } cases[] = {
        {"kept as typed", {"Здание", "101", "Зал заседаний"}, {"Здание", "101", "Зал заседаний"}},
        {"forbidden characters", {"a[b]c:d*e?f/g\\h"}, {"a_b_c_d_e_f_g_h"}},
        {"cut to 31 characters", {cyrillic31 + "ени"}, {cyrillic31}},
        {"apostrophes at the ends", {"'холл'", "''"}, {"холл", "_"}},
        {"empty", {""}, {"_"}},
        {"repeated, ignoring case", {"Зал", "ЗАЛ", "зал"}, {"Зал", "ЗАЛ (2)", "зал (3)"}},
        {"repeated after cutting",
         {cyrillic31 + "1", cyrillic31 + "2"},
         {cyrillic31, "Помещение для очень длинног (2)"}},
        {"a room named as the building", {"Здание", "здание"}, {"Здание", "здание (2)"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(SheetNames(c.wishes), c.expected);
    }
}

// Two rooms peaking at different hours, and a room without gains.
BuildingResults ThreeRooms() {
    BuildingResults r;
    for (const char* name : {"101", "102", ""}) r.Rooms.push_back(RoomResults{name, {}, {}, {}, {}});
    for (int h = 1; h <= kHourCount; ++h) {
        r.Rooms[0].Totals.GrandHourTotal[h] = Decimal4::FromInt(100 + 10 * h);  // largest at 17-18
        r.Rooms[1].Totals.GrandHourTotal[h] = Decimal4::FromInt(h == 2 ? 500 : 50);
        r.Building.HourTotal[h] = r.Rooms[0].Totals.GrandHourTotal[h] + r.Rooms[1].Totals.GrandHourTotal[h];
    }
    r.Building.MaxHour = 2;
    r.Building.MaxGain = Decimal4::FromInt(620);
    r.Building.RoomPeakSum = Decimal4::FromInt(700);
    return r;
}

std::vector<std::string> Texts(const ReportRow& row) {
    std::vector<std::string> texts;
    for (const ReportCell& cell : row) texts.push_back(cell.Text);
    return texts;
}

TEST(BuildingReport, TableOfRoomsWithTheirMaximaAndTheBuilding) {
    const ReportTable table = BuildingReportTable(ThreeRooms());
    ASSERT_EQ(table.Rows.size(), 5u);
    EXPECT_EQ(table.Header.size(), 13u);
    const std::vector<std::string> first = Texts(table.Rows[0]);
    EXPECT_EQ(first.front(), "101");
    EXPECT_EQ(std::vector<std::string>(first.end() - 2, first.end()), (std::vector<std::string>{"17-18", "200"}));
    const std::vector<std::string> second = Texts(table.Rows[1]);
    EXPECT_EQ(std::vector<std::string>(second.end() - 2, second.end()), (std::vector<std::string>{"9-10", "500"}));
    const std::vector<std::string> none = Texts(table.Rows[2]);
    EXPECT_EQ(none.front(), "Помещение 3");
    EXPECT_EQ(std::vector<std::string>(none.end() - 2, none.end()), (std::vector<std::string>{"—", "0"}));
    const std::vector<std::string> building = Texts(table.Rows[3]);
    EXPECT_EQ(building.front(), "Здание");
    EXPECT_EQ(building[2], "620");
    EXPECT_EQ(std::vector<std::string>(building.end() - 2, building.end()), (std::vector<std::string>{"9-10", "620"}));
    EXPECT_EQ(Texts(table.Rows[4]).back(), "700");
    EXPECT_EQ(Texts(table.Rows[4]).size(), table.Header.size());
}

TEST(BuildingReport, CsvOfTheBuildingTable) {
    const std::string csv = BuildingResultsCsv(ThreeRooms());
    EXPECT_EQ(csv,
              "Row,Name,8-9,9-10,10-11,11-12,12-13,13-14,14-15,15-16,16-17,17-18,MaxHour,MaxGain\n"
              "Room,101,110,120,130,140,150,160,170,180,190,200,17-18,200\n"
              "Room,102,50,500,50,50,50,50,50,50,50,50,9-10,500\n"
              "Room,,0,0,0,0,0,0,0,0,0,0,,0\n"
              "Building,,160,620,180,190,200,210,220,230,240,250,9-10,620\n"
              "RoomPeakSum,,,,,,,,,,,,,700\n");
}

TEST(BuildingReport, SheetPerRoomAfterTheBuilding) {
    BuildingResults r = ThreeRooms();
    r.Rooms[1].Name = "101";
    const std::vector<WorkbookSheet> sheets = BuildingWorkbookSheets(r);
    ASSERT_EQ(sheets.size(), 4u);
    EXPECT_EQ(sheets[0].Name, "Здание");
    EXPECT_EQ(sheets[1].Name, "101");
    EXPECT_EQ(sheets[2].Name, "101 (2)");
    EXPECT_EQ(sheets[3].Name, "Помещение 3");
    // The room without gains shows no maximum of its sum.
    EXPECT_EQ(sheets[3].Tables.front().Rows.back().back().Text, "—");
    EXPECT_FALSE(WorkbookBytes(sheets).empty());
}

}  // namespace
