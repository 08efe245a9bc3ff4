#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BuildingDocument.h"
#include "ProjectDocumentTestSupport.h"
#include "ProjectFile.h"

using namespace projectdoc_test;

namespace {

// ---- A building and the projects of its elements, written independently ----

const std::string kSite = R"("Latitude": "52", "WindSpeed": "4.5", "OutdoorMeanTemp": "23.1")";

std::string Layer(const std::string& thickness) {
    return R"({"MaterialName": "Кирпич", "HeatAbsorption": "9.2", "Conductivity": "0.81", "Thickness": ")" + thickness +
           R"("})";
}

// An element: its name and the keys of its part, as both documents give them.
struct Element {
    std::string name;
    std::string keys;
};

struct Room {
    std::string name;
    std::string indoorTemp;
    std::vector<Element> windows;
    std::vector<Element> walls;
    std::vector<Element> roof;  // none or one
};

// clang-format off
const std::vector<Room> kRooms{
    {"101", "20",
     {{"Вертикальное", R"("WindowKind": "Vertical", "WindowHeight": "1.8", "WindowOrientations": ["Ю", "В"])"},
      {"Наклонное",    R"("WindowKind": "Inclined", "GlazingTilt": "8", "WindowCount": "2", "WindowOrientations": ["З"])"},
      {"Зенитное",     R"("WindowKind": "Horizontal", "WindowWidth": "1.2", "WindowOrientations": ["С"])"}},
     {{"Южная",    R"("WallArea": "12", "WallAbsorptance": "0.7", "WallOrientations": ["Ю"], "WallLayers": [)" + Layer("0.38") + "]"},
      {"Западная", R"("WallArea": "8.5", "WallAbsorptance": "0.6", "WallOrientations": ["З", "СЗ"], "WallLayers": [)" +
                   Layer("0.25") + ", " + Layer("0.12") + "]"}},
     {{"Кровля", R"("RoofArea": "30", "RoofAbsorptance": "0.8", "UnderRoofTemp": "24", "RoofLayers": [)" + Layer("0.3") + "]"}}},
    {"102", "22.5",
     {},
     {{"Восточная", R"("WallArea": "6", "WallAbsorptance": "0.5", "WallOrientations": ["В"], "WallLayers": [)" + Layer("0.51") + "]"}},
     {{"Кровля", R"("RoofArea": "18", "RoofAbsorptance": "0.7", "RoofLayers": [)" + Layer("0.38") + "]"}}},
    {"103", "18", {{"Одно", R"("WindowOrientations": ["ЮЗ"])"}}, {}, {}},
    {"Пустое", "20", {}, {}, {}},
};
// clang-format on

std::string ElementList(const std::vector<Element>& elements) {
    std::string list;
    for (const Element& e : elements)
        list += std::string(list.empty() ? "" : ", ") + R"({"Name": ")" + e.name + "\", " + e.keys + "}";
    return "[" + list + "]";
}

std::string RoofObject(const Element& roof) { return R"({"Name": ")" + roof.name + "\", " + roof.keys + "}"; }

std::string BuildingText(const std::vector<Room>& rooms) {
    std::string list;
    for (const Room& r : rooms) {
        list += std::string(list.empty() ? "" : ", ") + R"({"Name": ")" + r.name + R"(", "IndoorTemp": ")" +
                r.indoorTemp + R"(", "Windows": )" + ElementList(r.windows) + R"(, "Walls": )" + ElementList(r.walls);
        if (!r.roof.empty()) list += R"(, "Roof": )" + RoofObject(r.roof.front());
        list += "}";
    }
    return R"({"format": "solargain-project", "version": 2, "inputs": {"Site": {)" + kSite + R"(}, "Rooms": [)" + list +
           "]}}";
}

// The version 1 project of one element: the site, the room's tв, the element.
ProjectResults ElementRun(const Room& room, const Element& e, const char* checkBoxes) {
    return Compute("{" + kSite + R"(, "IndoorTemp": ")" + room.indoorTemp + "\", " + e.keys + ", " + checkBoxes + "}");
}

constexpr const char* kWindowOnly = R"("Windows": true, "Walls": false, "Roof": false)";
constexpr const char* kWallOnly = R"("Windows": false, "Walls": true, "Roof": false)";
constexpr const char* kRoofOnly = R"("Windows": false, "Walls": false, "Roof": true)";

void Add(HourValues& sum, const HourValues& row) {
    for (int h = 1; h <= kHourCount; ++h) sum[h] = sum[h] + row[h];
}

void ExpectRow(const HourValues& actual, const HourValues& expected, const std::string& what) {
    for (int h = 1; h <= kHourCount; ++h) {
        EXPECT_EQ(Shown(actual[h]), Shown(expected[h])) << what << " " << HourLabel(h);
    }
}

std::string HourOf(const std::optional<int>& hour) { return hour ? std::string(HourLabel(*hour)) : "none"; }

// The first hour of the largest value, none when all are zero; written out
// here rather than taken from the program.
std::optional<int> ExpectedMaximum(const HourValues& row) {
    bool gain = false;
    int best = 1;
    for (int h = 1; h <= kHourCount; ++h) {
        gain = gain || !row[h].IsZero();
        if (row[h] > row[best]) best = h;
    }
    return gain ? std::optional<int>(best) : std::nullopt;
}

TEST(Building, RoomRowsAreTheSumsOfTheirElementsProjects) {
    const BuildingResults results = ComputeBuilding(ReadAnyBuilding(BuildingText(kRooms)));
    ASSERT_EQ(results.Rooms.size(), kRooms.size());
    HourValues building;
    Decimal4 peakSum;
    for (std::size_t r = 0; r < kRooms.size(); ++r) {
        const Room& room = kRooms[r];
        const RoomResults& got = results.Rooms[r];
        SCOPED_TRACE("Помещение " + room.name);
        EXPECT_EQ(got.Name, room.name);
        HourValues windows, walls, roof, grand;
        for (const Element& e : room.windows) Add(windows, ElementRun(room, e, kWindowOnly).Totals.WindowHourTotal);
        for (const Element& e : room.walls) Add(walls, ElementRun(room, e, kWallOnly).Totals.WallHourTotal);
        for (const Element& e : room.roof) roof = ElementRun(room, e, kRoofOnly).Totals.RoofHourGain;
        Add(grand, windows);
        Add(grand, walls);
        Add(grand, roof);
        ExpectRow(got.Totals.WindowHourTotal, windows, "окна");
        ExpectRow(got.Totals.WallHourTotal, walls, "стены");
        ExpectRow(got.Totals.RoofHourGain, roof, "покрытие");
        ExpectRow(got.Totals.GrandHourTotal, grand, "всего");
        EXPECT_EQ(HourOf(got.Totals.WindowMaxHour), HourOf(ExpectedMaximum(windows)));
        EXPECT_EQ(HourOf(got.Totals.WallMaxHour), HourOf(ExpectedMaximum(walls)));
        EXPECT_EQ(HourOf(got.Totals.RoofMaxHour), HourOf(ExpectedMaximum(roof)));
        EXPECT_EQ(HourOf(PeakOfRoom(got.Totals).Hour), HourOf(ExpectedMaximum(grand)));
        // Each element keeps its own project's results.
        ASSERT_EQ(got.Windows.size(), room.windows.size());
        for (std::size_t i = 0; i < room.windows.size(); ++i) {
            EXPECT_EQ(got.Windows[i].Name, room.windows[i].name);
            EXPECT_TRUE(got.Windows[i].Results.Windows);
        }
        Add(building, grand);
        if (const std::optional<int> hour = ExpectedMaximum(grand)) peakSum = peakSum + grand[*hour];
    }
    ExpectRow(results.Building.HourTotal, building, "здание");
    ASSERT_TRUE(results.Building.MaxHour);
    EXPECT_EQ(HourOf(results.Building.MaxHour), HourOf(ExpectedMaximum(building)));
    EXPECT_EQ(Shown(results.Building.MaxGain), Shown(building[*results.Building.MaxHour]));
    EXPECT_EQ(Shown(results.Building.RoomPeakSum), Shown(peakSum));
    // Rooms peak at different hours here, so their maxima add to more than
    // the building's coincident peak.
    EXPECT_GT(results.Building.RoomPeakSum, results.Building.MaxGain);
}

// ---- Version 1 projects as a building of one room --------------------------

void ExpectSameTotals(const ProjectTotals& room, const ProjectTotals& project) {
    ExpectRow(room.WindowHourTotal, project.WindowHourTotal, "окна");
    ExpectRow(room.WallHourTotal, project.WallHourTotal, "стены");
    ExpectRow(room.RoofHourGain, project.RoofHourGain, "покрытие");
    ExpectRow(room.GrandHourTotal, project.GrandHourTotal, "всего");
    // The maxima agree wherever there is a gain.
    const auto same = [](const HourValues& row, const std::optional<int>& a, const std::optional<int>& b) {
        if (ExpectedMaximum(row)) {
            EXPECT_EQ(HourOf(a), HourOf(b));
        }
    };
    same(room.WindowHourTotal, room.WindowMaxHour, project.WindowMaxHour);
    same(room.WallHourTotal, room.WallMaxHour, project.WallMaxHour);
    same(room.RoofHourGain, room.RoofMaxHour, project.RoofMaxHour);
    same(room.GrandHourTotal, room.GrandMaxHour, project.GrandMaxHour);
}

TEST(Building, ProjectOpensAsOneRoomAndComputesTheSameTotals) {
    const std::string wall = R"("WallArea": "10", "WallAbsorptance": "0.7", "WallOrientations": ["Ю", "В"],
                                "WallLayers": [)" +
                             Layer("0.38") + "]";
    const std::string roof = R"("RoofArea": "10", "RoofAbsorptance": "0.7", "RoofLayers": [)" + Layer("0.38") + "]";
    // clang-format off
    const std::vector<std::string> projects{
        R"({"WindowOrientations": ["Ю"]})",
        R"({"Latitude": "56", "WindowKind": "Inclined", "GlazingTilt": "6", "WindowOrientations": ["З", "Ю"], "Walls": true, "Roof": true, )" + wall + ", " + roof + "}",
        R"({"WindowKind": "Horizontal", "WindSpeed": "2", "WindowOrientations": ["С"], "Roof": true, )" + roof + "}",
        R"({"Windows": false, "Walls": true, "IndoorTemp": "24", )" + wall + "}",
        R"({"City": "Москва", "WindowOrientations": ["СВ", "ЮВ"], "Walls": true, )" + wall + "}",
        // A wall typed but not checked is kept, not computed.
        R"({"WindowOrientations": ["Ю"], "Walls": false, )" + wall + "}",
    };
    // clang-format on
    for (const std::string& document : projects) {
        SCOPED_TRACE(document);
        const ProjectInputs project = ReadProjectInputs(document);
        const BuildingInputs building = ReadAnyBuilding(document);
        EXPECT_EQ(building, BuildingOfProject(project));
        ASSERT_EQ(building.Rooms.size(), 1u);
        const RoomInputs& room = building.Rooms.front();
        EXPECT_EQ(room.Windows.size(), project.Windows ? 1u : 0u);
        EXPECT_EQ(room.Walls.size(), project.Walls || document.find("WallArea") != std::string::npos ? 1u : 0u);
        if (!room.Walls.empty()) {
            EXPECT_EQ(room.Walls.front().Included, project.Walls);
        }
        EXPECT_EQ(room.Roof.has_value(), project.Roof);
        EXPECT_EQ(ReadAnyBuilding(WriteBuildingInputsJson(building).dump()), building);
        ExpectSameTotals(ComputeBuilding(building).Rooms.front().Totals, RunProject(project).Totals);
    }
}

TEST(Building, WindowTableFileOpensAsOneRoom) {
    ProjectState state;
    RunProject(ProjectInputs{}, state);
    ProjectHeader shown;
    for (std::size_t i = 0; i < shown.size(); ++i) shown[i] = HeaderInputs()[i]->defaultText;
    shown[0] = "54";
    const std::string table = ComposeProjectFile(shown, state.WindowHours);
    const ProjectInputs project = ReadAnyProject(table);
    const BuildingInputs building = ReadAnyBuilding(table);
    EXPECT_EQ(building.Site.Inputs.Window.Latitude, "54");
    ASSERT_EQ(building.Rooms.size(), 1u);
    ASSERT_EQ(building.Rooms.front().Windows.size(), 1u);
    ExpectSameTotals(ComputeBuilding(building).Rooms.front().Totals, RunProject(project).Totals);
}

TEST(Building, EmptyBuildingHasNoMaximum) {
    for (const std::string& document :
         {std::string(R"({"format": "solargain-project", "version": 2, "inputs": {"Site": {}, "Rooms": []}})"),
          std::string(R"({"format": "solargain-project", "version": 2, "inputs": {}})"),
          std::string(R"({"Rooms": []})")}) {
        SCOPED_TRACE(document);
        const BuildingResults r = ComputeBuilding(ReadAnyBuilding(document));
        EXPECT_TRUE(r.Rooms.empty());
        EXPECT_FALSE(r.Building.MaxHour);
        EXPECT_TRUE(r.Building.MaxGain.IsZero());
        EXPECT_TRUE(r.Building.RoomPeakSum.IsZero());
        const nlohmann::ordered_json json = WriteBuildingResultsJson(r);
        EXPECT_TRUE(json["rooms"].empty());
        EXPECT_TRUE(json["building"]["MaxHour"].is_null());
        EXPECT_EQ(json["building"]["HourTotal"]["12-13"], "0");
    }
}

TEST(Building, WrittenDocumentReadsBackEqual) {
    const BuildingInputs building = ReadAnyBuilding(BuildingText(kRooms));
    const std::string file = WriteBuildingFile(building, ComputeBuildingOutcome(building));
    EXPECT_EQ(ReadAnyBuilding(file), building);
    const nlohmann::json doc = nlohmann::json::parse(file);
    EXPECT_EQ(doc["version"], 2);
    EXPECT_EQ(doc["inputs"]["Site"]["WindSpeed"], "4.5");
    EXPECT_EQ(doc["inputs"]["Rooms"][1]["IndoorTemp"], "22.5");
    EXPECT_FALSE(doc["inputs"]["Rooms"][2].contains("Roof"));
    EXPECT_EQ(doc["results"]["rooms"][0]["windows"][1]["Name"], "Наклонное");
    EXPECT_EQ(doc["results"]["rooms"][0]["windows"][1]["WindowKind"], "Inclined");

    // A project's derived texts stay derived, and a city its climate, through the building.
    const BuildingInputs city = ReadAnyBuilding(R"({"City": "Москва", "WindowHeight": "2"})");
    EXPECT_EQ(ReadAnyBuilding(WriteBuildingFile(city, ProjectError{"-"})), city);
    EXPECT_EQ(WriteBuildingInputsJson(city)["Rooms"][0]["Windows"][0].count("GlazingArea"), 0u);
}

// ---- Refusals name the room, the element and the field ----------------------

std::string BuildingRefusal(const std::string& rooms, const std::string& site = "{}") {
    try {
        ComputeBuilding(ReadAnyBuilding(R"({"format": "solargain-project", "version": 2, "inputs": {"Site": )" + site +
                                        R"(, "Rooms": )" + rooms + "}}"));
        return "";
    } catch (const CalcError& e) {
        return e.what();
    }
}

TEST(Building, RefusalsNameRoomElementAndField) {
    const std::string longName(201, 'x');
    const struct {
        const char* what;
        std::string rooms;
        std::string site;
        std::string expected;  // the start of the message
    } cases[] = {
        {"a window's text of the wrong type",
         R"([{"Name": "101"}, {"Name": "102", "Windows": [{"Name": "Окно 1"}, {"Name": "Окно 2", "WindowHeight": true}]}])",
         "{}", "Помещение «102», окно «Окно 2»: Ключ \"WindowHeight\" должен быть текстом или числом"},
        {"a window's value out of range", R"([{"Name": "102", "Windows": [{"Name": "Окно 2", "WindowHeight": "-1"}]}])",
         "{}", "Помещение «102», окно «Окно 2»: Высота окна"},
        {"a key of another part", R"([{"Name": "101", "Walls": [{"Name": "Стена 1", "WindowHeight": "1"}]}])", "{}",
         "Помещение «101», стена «Стена 1»: Неизвестный ключ \"WindowHeight\" (известны: Name, Included, WallArea,"},
        {"a roof layer never entered", R"([{"Name": "101", "Roof": {"Name": "Кровля", "RoofLayerCount": "1"}}])", "{}",
         "Помещение «101», покрытие «Кровля»: Не введён слой 1 покрытия"},
        {"a site key in a room", R"([{"Name": "101", "Latitude": "50"}])", "{}",
         "Помещение «101»: Неизвестный ключ \"Latitude\" (известны: Name, IndoorTemp, Windows, Walls, Roof)"},
        {"a room's indoor temperature", R"([{"Name": "101", "IndoorTemp": "жарко", "Windows": [{"Name": "Окно"}]}])",
         "{}", "Помещение «101», окно «Окно»: "},
        {"the site", R"([])", R"({"Latitude": [48]})",
         "Район строительства: Ключ \"Latitude\" должен быть текстом или числом"},
        {"a city not in the table", R"([])", R"({"City": "Мсква"})", "Район строительства: Город «Мсква» не найден"},
        {"the site's latitude, on computing", R"([{"Name": "А", "Windows": [{"Name": "Окно"}]}])",
         R"({"Latitude": "61"})", "Помещение «А», окно «Окно»: "},
        {"duplicate room and element names",
         R"([{"Name": "101"}, {"Name": "101", "Walls": [{"Name": "С"}, {"Name": "С", "WallArea": "-2"}]}])", "{}",
         "Помещение 2 «101», стена 1 «С»: "},
        {"unnamed room and element", R"([{}, {}, {"Windows": [{"WindowWidth": "0"}]}])", "{}", "Помещение 3, окно 1: "},
        {"a name too long", R"([{"Name": ")" + longName + R"("}])", "{}",
         "Помещение 1: Ключ \"Name\" содержит текст длиннее 200 знаков"},
        {"a room that is no object", R"([{"Name": "101"}, 5])", "{}", "Помещение 2: должно быть объектом JSON"},
        {"a list of windows that is no list", R"([{"Name": "101", "Windows": {}}])", "{}",
         "Помещение «101»: Ключ \"Windows\" должен быть списком"},
        {"rooms that are no list", R"({})", "{}", "Ключ \"Rooms\" должен быть списком помещений"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string message = BuildingRefusal(c.rooms, c.site);
        EXPECT_EQ(message.rfind(c.expected, 0), 0u) << message;
    }
}

TEST(Building, DocumentShapeAndVersionsRefused) {
    const auto refusal = [](const std::string& text) {
        try {
            ReadAnyBuilding(text);
            return std::string();
        } catch (const CalcError& e) {
            return std::string(e.what());
        }
    };
    EXPECT_EQ(refusal(R"({"format": "solargain-project", "version": 3, "inputs": {}})"),
              "Файл проекта записан в версии 3 формата, а эта программа читает версии с 1 по 2; откройте его более "
              "новой программой");
    EXPECT_EQ(refusal(R"({"format": "solargain-project", "version": 2, "inputs": {"Site": {}, "Floors": []}})"),
              "Неизвестный ключ \"Floors\" здания (известны: Site, Rooms, Properties)");
    EXPECT_EQ(refusal(R"({"Rooms": [], "Rooms": []})"), "Ключ \"Rooms\" указан дважды");
    // The reader of the program's own files still reads version 1 only.
    EXPECT_NE(ReadRefusal(R"({"format": "solargain-project", "version": 2, "inputs": {}})").find("только версию 1"),
              std::string::npos);

    std::string manyRooms = "[";
    for (std::size_t i = 0; i <= kMaxRooms; ++i) manyRooms += i ? ",{}" : "{}";
    EXPECT_EQ(refusal(R"({"Rooms": )" + manyRooms + "]}"), "Ключ \"Rooms\" перечисляет больше 5000 помещений (5001)");
    std::string manyWalls = "[";
    for (std::size_t i = 0; i <= kMaxBuildingElements; ++i) manyWalls += i ? ",{}" : "{}";
    EXPECT_EQ(refusal(R"({"Rooms": [{"Name": "Зал", "Walls": )" + manyWalls + "]}]}")
                  .rfind("Помещение «Зал»: в здании больше 20000", 0),
              0u);
}

}  // namespace

// ---- Rooms computed side by side --------------------------------------------

// The rooms of a building computed by several workers give exactly what one
// worker gives, whole documents compared digit for digit; a refusal is the
// one of the first refused room in the document, whichever worker met it.
TEST(Building, WorkersGiveWhatOneWorkerGives) {
    std::vector<Room> rooms;
    for (int copy = 0; copy < 12; ++copy)
        for (Room room : kRooms) {
            room.name += "-" + std::to_string(copy);
            room.indoorTemp = std::to_string(16 + copy) + ".5";
            rooms.push_back(room);
        }
    const BuildingInputs building = ReadAnyBuilding(BuildingText(rooms));
    const std::string one = WriteBuildingFile(building, ComputeBuilding(building, 1));
    for (const unsigned workers : {2u, 3u, 8u, 0u}) {
        SCOPED_TRACE(workers);
        EXPECT_EQ(WriteBuildingFile(building, ComputeBuilding(building, workers)), one);
    }

    // Rooms 5 and 40 refused: the message is room 5's with any number of workers.
    std::vector<Room> refused = rooms;
    for (const std::size_t r : {std::size_t{5}, std::size_t{40}}) {
        refused[r].walls = {
            {"Пустая", R"("WallArea": "3", "WallLayerCount": 2, "WallLayers": [)" + Layer("0.2") + "]"}};
    }
    const BuildingInputs bad = ReadAnyBuilding(BuildingText(refused));
    std::string first;
    try {
        ComputeBuilding(bad, 1);
    } catch (const CalcError& e) {
        first = e.what();
    }
    ASSERT_NE(first.find("«" + refused[5].name + "»"), std::string::npos) << first;
    for (const unsigned workers : {2u, 8u, 0u}) {
        for (int run = 0; run < 5; ++run) {
            try {
                ComputeBuilding(bad, workers);
                ADD_FAILURE() << "accepted with " << workers << " workers";
            } catch (const CalcError& e) {
                EXPECT_EQ(std::string(e.what()), first) << workers << " workers";
            }
        }
    }
}

// The tool's text of a building, made room by room, is the text of the whole
// tree: for several rooms, one room, and none.
TEST(Building, ResultsTextMadeRoomByRoomIsTheWholeTreesText) {
    const std::vector<std::vector<Room>> buildings{kRooms, {kRooms.front()}, {kRooms.back()}, {}};
    for (const std::vector<Room>& rooms : buildings) {
        SCOPED_TRACE(rooms.size());
        const BuildingResults results = ComputeBuilding(ReadAnyBuilding(BuildingText(rooms)));
        EXPECT_EQ(BuildingResultsJsonText(results), JsonDocumentText(WriteBuildingResultsJson(results)));
    }
}
