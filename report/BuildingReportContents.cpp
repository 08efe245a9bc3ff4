#include "BuildingReportContents.h"

#include <algorithm>
#include <variant>

#include "BuildingReport.h"
#include "CalcError.h"
#include "Cities.h"
#include "Materials.h"
#include "QuotedText.h"

namespace {

constexpr const char* kTitle = "Отчёт о расчёте теплопоступлений от солнечной радиации";

// What a group of each part is called in a heading.
std::string PartHeading(BuildingPart part, const std::string& name, std::size_t index) {
    std::string heading = part == BuildingPart::Window ? "Окна" : part == BuildingPart::Wall ? "Стены" : "Покрытие";
    if (!name.empty()) return heading + " " + QuotedText(name);
    return part == BuildingPart::Roof ? heading : heading + " " + std::to_string(index + 1);
}

// Each room of the scope computed on its own, a refusal kept as its message.
struct ReportedRoom {
    std::size_t Index;  // in the building
    std::optional<RoomResults> Results;
    std::string Failure;
};

std::vector<ReportedRoom> ComputeRooms(const BuildingInputs& building, const ReportScope& scope,
                                       std::optional<BuildingResults>& whole) {
    std::vector<ReportedRoom> rooms;
    if (!scope.Room) {
        BuildingOutcome outcome = ComputeBuildingOutcome(building);
        if (auto* results = std::get_if<BuildingResults>(&outcome)) {
            for (std::size_t i = 0; i < results->Rooms.size(); ++i) rooms.push_back({i, results->Rooms[i], ""});
            whole = std::move(*results);
            return rooms;
        }
    }
    for (std::size_t i = 0; i < building.Rooms.size(); ++i) {
        if (scope.Room && *scope.Room != i) continue;
        try {
            rooms.push_back({i, ComputeRoom(building.Site, building.Rooms[i]), ""});
        } catch (const CalcError& e) {
            rooms.push_back({i, std::nullopt, ErrorBoxText(e.what())});
        }
    }
    return rooms;
}

// The building's table; with rooms not computed, their rows say so and
// neither the building's row nor the sum of the maxima is given.
ReportTable SummaryTable(const BuildingInputs& building, const std::vector<ReportedRoom>& rooms,
                         const std::optional<BuildingResults>& whole, std::vector<std::string>& notes) {
    if (whole) return BuildingReportTable(*whole);
    // Every room in the table, to be named as the table names it; the rows of
    // those refused then say so instead of their figures.
    BuildingResults named;
    for (const ReportedRoom& r : rooms)
        named.Rooms.push_back(r.Results ? *r.Results : RoomResults{building.Rooms[r.Index].Name, {}, {}, {}, {}});
    ReportTable table = BuildingReportTable(named);
    std::vector<ReportRow> rows;
    std::size_t failed = 0;
    for (std::size_t i = 0; i < rooms.size(); ++i) {
        ReportRow row = table.Rows[i];
        if (!rooms[i].Results) {
            ++failed;
            row.resize(1);
            row.push_back(ReportCell::Label("не рассчитано"));
            row.resize(table.Header.size(), ReportCell::Label(""));
            notes.push_back(rooms[i].Failure);
        }
        rows.push_back(std::move(row));
    }
    table.Rows = std::move(rows);
    notes.insert(notes.begin(), "Не рассчитано помещений: " + std::to_string(failed) + " из " +
                                    std::to_string(rooms.size()) +
                                    ". Их теплопоступления неизвестны, поэтому строка здания и сумма максимумов "
                                    "помещений не приводятся.");
    return table;
}

// The gains of the groups in whole watts for the printed report (`printed`),
// exact for the workbook.
ElementReport MakeElementReport(const BuildingInputs& building, const RoomInputs& room, BuildingPart part,
                                const ElementInputs& element, std::size_t index, const ElementResults* results,
                                bool printed) {
    const ProjectInputs project = ElementProject(building.Site, room, part, element);
    ElementReport report{part, PartHeading(part, element.Name, index), {}, std::nullopt};
    report.Inputs = PartInputTables(project, results ? results->Results : ProjectResults{}, part);
    for (std::size_t t = 0; t < report.Inputs.size(); ++t) {
        ReportTable& table = report.Inputs[t];
        table.Title = t == 0 ? report.Heading : report.Heading + ": " + table.Title;
    }
    if (results) {
        report.Report = MakeProjectReport(project, results->Results);
        if (printed && report.Report->Walls) report.Report->Walls = InWholeWatts(*report.Report->Walls);
    }
    return report;
}

RoomReport MakeRoomReport(const BuildingInputs& building, const ReportedRoom& outcome, bool printed) {
    const RoomInputs& room = building.Rooms[outcome.Index];
    RoomReport report;
    report.Title = RoomLabel(building.Rooms, outcome.Index);
    report.Failure = outcome.Failure;
    ProjectInputs own = building.Site.Inputs;
    own.Window.IndoorTemp = room.IndoorTemp;
    report.Inputs = {"Помещение", "Помещение", InputHeader(), {InputRow(own, "IndoorTemp")}};
    const RoomResults* results = outcome.Results ? &*outcome.Results : nullptr;
    if (results) {
        ProjectReport totals;
        totals.Totals = TotalsReportTable(results->Totals);
        totals.GrandMaxHour = results->Totals.GrandMaxHour;
        report.Totals = std::move(totals);
        BuildingResults one;
        one.Rooms.push_back(*results);
        report.Elements = InWholeWatts(BuildingWorkbookSheets(one)[1].Tables[1]);
    }
    for (std::size_t i = 0; i < room.Windows.size(); ++i) {
        report.Parts.push_back(MakeElementReport(building, room, BuildingPart::Window, room.Windows[i], i,
                                                 results ? &results->Windows[i] : nullptr, printed));
    }
    for (std::size_t i = 0; i < room.Walls.size(); ++i) {
        report.Parts.push_back(MakeElementReport(building, room, BuildingPart::Wall, room.Walls[i], i,
                                                 results ? &results->Walls[i] : nullptr, printed));
    }
    if (room.Roof) {
        report.Parts.push_back(MakeElementReport(building, room, BuildingPart::Roof, *room.Roof, 0,
                                                 results && results->Roof ? &*results->Roof : nullptr, printed));
    }
    return report;
}

// Where the climate figures come from: the chosen city's edition of the
// climate code, or the user's own figures.
std::string ClimateSource(const ProjectInputs& site) {
    if (const City* city = site.City.empty() ? nullptr : FindCity(site.City))
        return CityClimateSource(*city) + " (город " + city->name + ")";
    return "введены пользователем (город из таблицы климата не выбран)";
}

// The sources of the layers' materials found in the built-in tables, each
// once, and whether some layer was typed by the user.
std::string MaterialSources(const BuildingInputs& building) {
    std::vector<std::string> sources;
    bool typed = false;
    const auto look = [&](const LayerList& layers) {
        for (const std::optional<LayerEntryTexts>& layer : layers) {
            if (!layer) continue;
            const std::optional<MaterialChoice> material =
                MaterialFor(layer->Name, building.Site.Inputs.OperatingConditions);
            if (!material) {
                typed = true;
            } else if (std::find(sources.begin(), sources.end(), material->source) == sources.end()) {
                sources.push_back(material->source);
            }
        }
    };
    for (const RoomInputs& room : building.Rooms) {
        for (const ElementInputs& wall : room.Walls) look(wall.Inputs.WallLayers);
        if (room.Roof) look(room.Roof->Inputs.RoofLayers);
    }
    if (sources.empty() && !typed) return "";
    std::string text;
    for (const std::string& source : sources) text += (text.empty() ? "" : "; ") + source;
    if (typed) text += std::string(text.empty() ? "" : "; ") + "характеристики остальных слоёв введены пользователем";
    if (sources.empty()) text = "введены пользователем";
    return text;
}

std::vector<std::pair<std::string, std::string>> TitleBlock(const BuildingInputs& building,
                                                            const ReportSubject& subject) {
    std::vector<std::pair<std::string, std::string>> lines;
    for (const PropertyField& field : PropertyFields()) {
        const std::string& text = building.Properties.*field.text;
        if (!text.empty()) lines.emplace_back(field.caption, text);
    }
    lines.emplace_back("Дата и время", subject.Made);
    lines.emplace_back("Проект", subject.ProjectFile.empty() ? "новый проект" : subject.ProjectFile);
    lines.emplace_back("Методика", kMethodName);
    lines.emplace_back("Климатические данные", ClimateSource(building.Site.Inputs));
    if (const std::string materials = MaterialSources(building); !materials.empty())
        lines.emplace_back("Теплотехнические характеристики материалов", materials);
    return lines;
}

// Every table the printed report shows, in its order.
std::vector<const ReportTable*> PrintedTables(const BuildingReportContents& c) {
    std::vector<const ReportTable*> tables;
    if (c.Summary) tables.push_back(&*c.Summary);
    for (const ReportTable& t : c.Site) tables.push_back(&t);
    for (const RoomReport& room : c.Rooms) {
        tables.push_back(&room.Inputs);
        for (const ElementReport& part : room.Parts)
            for (const ReportTable& t : part.Inputs) tables.push_back(&t);
        if (room.Totals) tables.push_back(&room.Totals->Totals);
        if (room.Elements) tables.push_back(&*room.Elements);
        for (const ElementReport& part : room.Parts) {
            if (!part.Report) continue;
            for (const int o : part.Report->PrintedWindowOrientations)
                tables.push_back(&part.Report->Windows[std::size_t(o - 1)]);
            if (part.Report->Walls) tables.push_back(&*part.Report->Walls);
        }
    }
    return tables;
}

}  // namespace

BuildingInputs BuildingOfScope(const BuildingInputs& building, const ReportScope& scope) {
    if (!scope.Room) return building;
    if (*scope.Room >= building.Rooms.size()) throw CalcError("В здании нет выбранного помещения");
    BuildingInputs one{building.Site, {building.Rooms[*scope.Room]}, building.Properties};
    return one;
}

BuildingReportContents MakeBuildingReportContents(const BuildingInputs& building, const ReportScope& scope,
                                                  const ReportSubject& subject) {
    if (scope.Room && *scope.Room >= building.Rooms.size()) throw CalcError("В здании нет выбранного помещения");
    BuildingReportContents c;
    c.Title = kTitle;
    c.TitleBlock = TitleBlock(BuildingOfScope(building, scope), subject);
    std::optional<BuildingResults> whole;
    const std::vector<ReportedRoom> rooms = ComputeRooms(building, scope, whole);
    if (!scope.Room) c.Summary = SummaryTable(building, rooms, whole, c.SummaryNotes);
    ReportTable site = PartInputTables(building.Site.Inputs, {}, BuildingPart::Site).front();
    const ReportRow indoor = InputRow(building.Site.Inputs, "IndoorTemp");
    std::erase_if(site.Rows, [&](const ReportRow& row) { return row.front().Text == indoor.front().Text; });
    c.Site.push_back(std::move(site));
    for (const ReportedRoom& room : rooms) c.Rooms.push_back(MakeRoomReport(building, room, true));
    c.Legend = LegendTable(PrintedTables(c));
    return c;
}

ReportTable InWholeWatts(ReportTable table) {
    for (ReportRow& row : table.Rows)
        for (ReportCell& cell : row)
            if (cell.Number) cell = ReportCell::Value(cell.Number->RoundedWhole());
    return table;
}

BuildingResults ComputeForExport(const BuildingInputs& building) {
    BuildingOutcome outcome = ComputeBuildingOutcome(building);
    if (const ProjectError* error = std::get_if<ProjectError>(&outcome))
        throw CalcError("Результаты не записаны: " + error->Message);
    return std::get<BuildingResults>(std::move(outcome));
}

std::vector<WorkbookSheet> ExportWorkbookSheets(const BuildingInputs& building) {
    const BuildingResults results = ComputeForExport(building);
    std::vector<WorkbookSheet> sheets = BuildingWorkbookSheets(results);
    std::vector<WorkbookSheet> details;
    for (std::size_t i = 0; i < building.Rooms.size(); ++i) {
        const RoomReport room = MakeRoomReport(building, {i, results.Rooms[i], ""}, false);
        const std::string& roomSheet = sheets[i + 1].Name;
        WorkbookSheet inputs{roomSheet + " исходные", {room.Inputs}, 1};
        WorkbookSheet windows{roomSheet + " окна", {}, 2};
        WorkbookSheet walls{roomSheet + " стены", {}, 1};
        for (const ElementReport& part : room.Parts) {
            for (const ReportTable& t : part.Inputs) inputs.Tables.push_back(t);
            const ProjectReport& r = *part.Report;
            for (ReportTable t : r.Windows) {
                t.Title = part.Heading + ": " + t.Title;
                windows.Tables.push_back(std::move(t));
            }
            if (r.Walls) {
                ReportTable t = *r.Walls;
                t.Title = part.Heading + ": " + t.Title;
                walls.Tables.push_back(std::move(t));
            }
        }
        details.push_back(std::move(inputs));
        if (!windows.Tables.empty()) details.push_back(std::move(windows));
        if (!walls.Tables.empty()) details.push_back(std::move(walls));
    }
    std::vector<std::string> wishes;
    for (const WorkbookSheet& s : sheets) wishes.push_back(s.Name);
    for (const WorkbookSheet& s : details) wishes.push_back(s.Name);
    const std::vector<std::string> names = SheetNames(wishes);
    for (std::size_t d = 0; d < details.size(); ++d) {
        details[d].Name = names[sheets.size() + d];
    }
    for (WorkbookSheet& d : details) sheets.push_back(std::move(d));
    return sheets;
}
