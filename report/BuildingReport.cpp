#include "BuildingReport.h"

#include "Conversions.h"
#include "ReportFile.h"
#include "ResultsCsv.h"
#include "Totals.h"

namespace {

constexpr const char* kBuildingName = "Здание";
constexpr const char* kRoomPeakSumName = "Сумма максимумов помещений";

// The name of a room as its row and its sheet show it: numbered when empty.
std::string RoomTitle(const RoomResults& room, std::size_t index) {
    return room.Name.empty() ? "Помещение " + std::to_string(index + 1) : room.Name;
}

std::vector<std::string> HourHeader(std::vector<std::string> first) {
    for (int h = 1; h <= kHourCount; ++h) first.emplace_back(HourLabel(h));
    return first;
}

ReportRow HourCells(ReportRow row, const HourValues& values) {
    for (int h = 1; h <= kHourCount; ++h) row.push_back(ReportCell::Value(values[h]));
    return row;
}

ReportTable ElementsTable(const RoomResults& room) {
    ReportTable table{
        "Элементы", "Теплопоступления по элементам помещения, Вт", HourHeader({"Элемент", "Название"}), {}};
    table.Header.emplace_back("Максимум");
    const auto add = [&table](BuildingPart part, const ElementResults& e, const HourValues& values) {
        ReportRow row = HourCells({ReportCell::Label(std::string(PartNoun(part))), ReportCell::Label(e.Name)}, values);
        row.push_back(MaxHourCell(PeakHour(values)));
        table.Rows.push_back(std::move(row));
    };
    for (const ElementResults& w : room.Windows) add(BuildingPart::Window, w, w.Results.Totals.WindowHourTotal);
    for (const ElementResults& w : room.Walls) add(BuildingPart::Wall, w, w.Results.Totals.WallHourTotal);
    if (room.Roof) add(BuildingPart::Roof, *room.Roof, room.Roof->Results.Totals.RoofHourGain);
    return table;
}

WorkbookSheet RoomSheet(const RoomResults& room, std::size_t index, std::string sheetName) {
    ReportTable totals = TotalsReportTable(room.Totals);
    totals.Title = "Помещение «" + RoomTitle(room, index) + "» — " + totals.Title;
    return {std::move(sheetName), {std::move(totals), ElementsTable(room)}, 1};
}

}  // namespace

namespace {

ReportTable BuildingTableHead() {
    ReportTable table{kBuildingName, "Теплопоступления по помещениям, Вт", HourHeader({"Помещение"}), {}};
    table.Header.emplace_back("Час максимума");
    table.Header.emplace_back("Максимум");
    return table;
}

ReportRow RoomRow(const RoomResults& room, const std::string& title) {
    const RoomPeak peak = PeakOfRoom(room.Totals);
    ReportRow row = HourCells({ReportCell::Label(title)}, room.Totals.GrandHourTotal);
    row.push_back(MaxHourCell(peak.Hour));
    row.push_back(ReportCell::Value(peak.Gain));
    return row;
}

// A row of the table with its first cell and `text` in the next, the others empty.
ReportRow TextRow(const ReportTable& table, const std::string& first, const std::string& text) {
    ReportRow row{ReportCell::Label(first), ReportCell::Label(text)};
    row.resize(table.Header.size(), ReportCell::Label(""));
    return row;
}

// The building's row (the coincident peak) and the sum of the rooms' maxima.
void AddBuildingRows(ReportTable& table, const BuildingTotals& b) {
    ReportRow building = HourCells({ReportCell::Label(kBuildingName)}, b.HourTotal);
    building.push_back(MaxHourCell(b.MaxHour));
    building.push_back(ReportCell::Value(b.MaxGain));
    table.Rows.push_back(std::move(building));
    ReportRow peakSum{ReportCell::Label(kRoomPeakSumName)};
    peakSum.resize(table.Header.size() - 1, ReportCell::Label(""));
    peakSum.push_back(ReportCell::Value(b.RoomPeakSum));
    table.Rows.push_back(std::move(peakSum));
}

}  // namespace

ReportTable BuildingReportTable(const BuildingResults& results) {
    ReportTable table = BuildingTableHead();
    for (std::size_t i = 0; i < results.Rooms.size(); ++i)
        table.Rows.push_back(RoomRow(results.Rooms[i], RoomTitle(results.Rooms[i], i)));
    AddBuildingRows(table, results.Building);
    return table;
}

ReportTable BuildingPageTable(const std::vector<RoomOutcome>& rooms) {
    ReportTable table = BuildingTableHead();
    std::vector<RoomResults> computed;
    for (std::size_t i = 0; i < rooms.size(); ++i) {
        const std::string title = rooms[i].Name.empty() ? "Помещение " + std::to_string(i + 1) : rooms[i].Name;
        if (rooms[i].Results) {
            table.Rows.push_back(RoomRow(*rooms[i].Results, title));
        } else {
            table.Rows.push_back(TextRow(table, title, kNotComputedMark));
        }
    }
    if (const std::optional<BuildingTotals> b = BuildingTotalsOfOutcomes(rooms)) {
        AddBuildingRows(table, *b);
    } else {
        const std::size_t failed = RoomsNotComputed(rooms);
        table.Rows.push_back(TextRow(
            table, kBuildingName,
            "не рассчитано: без " + std::to_string(failed) + " из " + std::to_string(rooms.size()) + " помещений"));
    }
    return table;
}

std::vector<WorkbookSheet> BuildingWorkbookSheets(const BuildingResults& results) {
    std::vector<std::string> wishes{kBuildingName};
    for (std::size_t i = 0; i < results.Rooms.size(); ++i) wishes.push_back(RoomTitle(results.Rooms[i], i));
    const std::vector<std::string> names = SheetNames(wishes);
    std::vector<WorkbookSheet> sheets{{names[0], {BuildingReportTable(results)}, 1}};
    for (std::size_t i = 0; i < results.Rooms.size(); ++i)
        sheets.push_back(RoomSheet(results.Rooms[i], i, names[i + 1]));
    return sheets;
}

void WriteBuildingWorkbook(const BuildingResults& results, const std::string& path) {
    WriteReportFile(path, WorkbookBytes(BuildingWorkbookSheets(results)));
}

std::string BuildingResultsCsv(const BuildingResults& results) {
    std::string out;
    std::vector<std::string> header{"Row", "Name"};
    for (int h = 1; h <= kHourCount; ++h) header.emplace_back(HourLabel(h));
    header.emplace_back("MaxHour");
    header.emplace_back("MaxGain");
    AppendCsvLine(out, header);
    const auto line = [&out](std::string row, std::string name, const HourValues& values,
                             const std::optional<int>& maxHour, Decimal4 maxGain) {
        std::vector<std::string> fields{std::move(row), std::move(name)};
        for (int h = 1; h <= kHourCount; ++h) fields.push_back(FormatDecimal4(values[h]));
        fields.push_back(maxHour ? std::string(HourLabel(*maxHour)) : "");
        fields.push_back(FormatDecimal4(maxGain));
        AppendCsvLine(out, fields);
    };
    for (const RoomResults& room : results.Rooms) {
        const RoomPeak peak = PeakOfRoom(room.Totals);
        line("Room", room.Name, room.Totals.GrandHourTotal, peak.Hour, peak.Gain);
    }
    const BuildingTotals& b = results.Building;
    line("Building", "", b.HourTotal, b.MaxHour, b.MaxGain);
    std::vector<std::string> peakSum{"RoomPeakSum"};
    peakSum.resize(header.size() - 1);
    peakSum.push_back(FormatDecimal4(b.RoomPeakSum));
    AppendCsvLine(out, peakSum);
    return out;
}
