#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "CliCommand.h"
#include "CliProgramTest.h"
#include "ProjectDocument.h"

using nlohmann::json;

namespace {

using cli_test::CliProgram;
using cli_test::Outcome;

Outcome InProcess(const std::vector<std::string>& args, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCli(args, in, out, err);
    return {status, out.str(), err.str()};
}

TEST(CliCommand, ComputeReadsStandardInput) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"compute"}, std::vector<std::string>{"compute", "-"}}) {
        const Outcome o = InProcess(args, R"({"WindowOrientations": ["Ю"]})");
        EXPECT_EQ(o.status, 0);
        EXPECT_EQ(o.err, "");
        EXPECT_EQ(json::parse(o.out)["totals"]["WindowHourTotal"]["12-13"], "760");
    }
}

// No gain, no maximum: a day that is zero every hour marks no hour and says why.
TEST(CliCommand, ADayWithoutGainHasNoMaximum) {
    const struct {
        const char* document;
        const char* why;
    } cases[] = {
        {R"({})", "нет теплопоступлений: не отмечена ни одна ориентация"},
        {R"({"Windows": false})", "нет теплопоступлений: не отмечено ни окон, ни стен, ни покрытия"},
        {R"({"Windows": false, "Roof": true, "RoofLayers": [{"HeatAbsorption": "9.2", "Conductivity": "0.81",
                                                              "Thickness": "0.38"}]})",
         "нет теплопоступлений: теплопоступления равны нулю во все часы (проверьте площади)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.document);
        const Outcome o = InProcess({"compute"}, c.document);
        EXPECT_EQ(o.status, 0) << o.err;
        const json totals = json::parse(o.out)["totals"];
        EXPECT_TRUE(totals["GrandMaxHour"].is_null());
        EXPECT_TRUE(totals["WindowMaxHour"].is_null());
        EXPECT_EQ(totals["NoGainNote"], c.why);
    }
    const json totals = json::parse(InProcess({"compute"}, R"({"WindowOrientations": ["Ю"]})").out)["totals"];
    EXPECT_EQ(totals["GrandMaxHour"], "12-13");
    EXPECT_FALSE(totals.contains("NoGainNote"));
}

TEST(CliCommand, RefusedProjectGivesTheMessageTwiceForJsonOnceForCsv) {
    const Outcome j = InProcess({"compute"}, R"({"GlazingResistance": "0"})");
    EXPECT_EQ(j.status, 2);
    const std::string refusal =
        "GlazingResistance (Сопротивление теплопередаче заполнения светового проёма Rп): должно быть больше 0 "
        "(введено 0)";
    EXPECT_EQ(j.err, refusal + "\n");
    EXPECT_EQ(json::parse(j.out), json({{"error", refusal}}));

    const Outcome c = InProcess({"compute", "--format=csv"}, R"({"Latitude": "70"})");
    EXPECT_EQ(c.status, 2);
    EXPECT_EQ(c.err, "Latitude (Северная широта района φ): Широта должна быть целым числом от 40 до 60 градусов.\n");
    EXPECT_EQ(c.out, "");
}

// A window table file of the start-up inputs as the program saves it after
// showing "Окна", with latitude `latitude` on line 1.
std::string TableFile(const std::string& latitude = "48") {
    ProjectState state;
    RunProject(ProjectInputs{}, state);
    ProjectHeader shown;
    for (std::size_t i = 0; i < shown.size(); ++i) shown[i] = HeaderInputs()[i]->defaultText;
    std::string text = ComposeProjectFile(shown, state.WindowHours);
    return latitude + text.substr(text.find("\r\n"));
}

TEST(CliCommand, ComputeTakesEachFormOfAProject) {
    const std::string expected = InProcess({"compute"}, "{}").out;
    const std::vector<std::string> projects = {WriteProjectFile(ProjectInputs{}, ProjectError{"не рассчитано"}),
                                               "\xEF\xBB\xBF \n{\"Latitude\": \"48\"}", TableFile()};
    for (const std::string& project : projects) {
        SCOPED_TRACE(project.substr(0, 40));
        const Outcome o = InProcess({"compute"}, project);
        EXPECT_EQ(o.status, 0) << o.err;
        EXPECT_EQ(o.out, expected);
    }
    const Outcome neither = InProcess({"compute", "--format=csv"}, "[]");
    EXPECT_EQ(neither.status, 2);
    EXPECT_EQ(neither.err.rfind("Файл не является ни документом проекта JSON (он не начинается с «{»), ни таблицей "
                                "окон из 1379 строк: Нет строки 20 файла проекта",
                                0),
              0u)
        << neither.err;
}

// Stored results are never printed: the computed ones are, and those that
// differ are named on standard error as the program names them on opening.
TEST(CliCommand, ComputeNamesStoredResultsThatDifferFromTheComputedOnes) {
    std::string tampered = TableFile();
    const std::size_t line784 = [&] {
        std::size_t at = 0;
        for (int line = 1; line < 784; ++line) at = tampered.find("\r\n", at) + 2;
        return at;
    }();
    tampered.replace(line784, tampered.find("\r\n", line784) - line784, "99999");

    nlohmann::ordered_json project =
        nlohmann::ordered_json::parse(WriteProjectFile(ProjectInputs{}, ComputeProject({})));
    project["results"]["totals"]["WindowHourTotal"]["8-9"] = "5";
    const struct {
        const char* name;
        std::string file;
        std::string note;
    } cases[] = {
        {"as saved", TableFile(), ""},
        {"a window table file", tampered,
         "В файле записано 99999 в строке 784 (Ю, 12-13, Qост), расчёт даёт 760; показан расчёт.\n"},
        {"a project file", JsonDocumentText(project),
         "В файле записано 5 в ключе results.totals.WindowHourTotal.8-9, расчёт даёт 0; показан расчёт.\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome o = InProcess({"compute"}, c.file);
        EXPECT_EQ(o.status, 0);
        EXPECT_EQ(o.err, c.note);
        EXPECT_EQ(json::parse(o.out)["windows"]["orientations"][4]["hours"]["12-13"]["HeatGain"], "760");
        EXPECT_EQ(json::parse(o.out)["totals"]["WindowHourTotal"]["8-9"], "0");
    }
}

TEST(CliCommand, ConvertPrintsTheBuildingOfOneRoom) {
    const Outcome o = InProcess({"convert"}, TableFile("52"));
    EXPECT_EQ(o.status, 0) << o.err;
    const json doc = json::parse(o.out);
    EXPECT_EQ(doc["format"], "solargain-project");
    EXPECT_EQ(doc["version"], 2);
    EXPECT_EQ(doc["inputs"]["Site"]["Latitude"], "52");
    EXPECT_EQ(doc["inputs"]["Site"]["WindowOuterCoeff"], "26.87");
    EXPECT_EQ(doc["inputs"]["Rooms"].size(), 1u);
    EXPECT_EQ(doc["inputs"]["Rooms"][0]["Windows"][0]["WindowHeight"], "1.5");
    EXPECT_EQ(doc["results"], json::parse(InProcess({"compute"}, o.out).out));
    // The room's totals are the table file's.
    EXPECT_EQ(doc["results"]["rooms"][0]["totals"]["GrandHourTotal"],
              json::parse(InProcess({"compute"}, TableFile("52")).out)["totals"]["GrandHourTotal"]);

    // A refused calculation still gives the whole document, its results the error.
    const Outcome refused = InProcess({"convert"}, TableFile("0"));
    EXPECT_EQ(refused.status, 2);
    const std::string refusal = "Помещение «1», окно «Окна»: Широта должна быть целым числом от 40 до 60 градусов.";
    EXPECT_EQ(refused.err, refusal + "\n");
    const json kept = json::parse(refused.out);
    EXPECT_EQ(kept["inputs"]["Site"]["Latitude"], "0");
    EXPECT_EQ(kept["results"], json({{"error", refusal}}));

    const Outcome unreadable = InProcess({"convert"}, "{\"Latitude\": ");
    EXPECT_EQ(unreadable.status, 2);
    EXPECT_EQ(json::parse(unreadable.out).count("format"), 0u);
}

TEST(CliCommand, WrongCommandLines) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {},
             {"draw"},
             {"compute", "--format", "xml"},
             {"compute", "--format"},
             {"compute", "a.json", "b.json"},
             {"convert", "a.txt", "b.txt"},
             {"convert", "--format", "csv"},
             {"compute", "--latitude", "48"},
             {"radiation"},
             {"radiation", "extra", "--latitude", "48"},
             {"compute", "--colour"},
             {"compute", "--search", "Москва"},
             {"cities", "Москва"},
             {"cities", "--latitude", "48"},
             {"cities", "--search"},
             {"compute", "--format", "xlsx"},
             {"compute", "-o"},
             {"convert", "-o", "p.json"},
             {"radiation", "--latitude", "48", "--format", "xlsx", "-o", "r.xlsx"},
         }) {
        std::string line;
        for (const std::string& a : args) line += a + " ";
        SCOPED_TRACE(line);
        const Outcome o = InProcess(args);
        EXPECT_EQ(o.status, 2);
        EXPECT_EQ(o.out, "");
        EXPECT_NE(o.err.find("solargain-cli --help"), std::string::npos);
    }
}

// -o writes what standard output would get, replacing a file only once
// complete; a file that cannot be written leaves the old one and exits with 1.
TEST(CliCommand, OutputFileTakesTheResults) {
    char folderTemplate[] = "/tmp/solargain-cli-XXXXXX";
    const std::string folder = ::mkdtemp(folderTemplate);
    const std::string path = folder + "/итоги.csv";
    const std::string project = R"({"WindowOrientations": ["Ю"]})";
    const Outcome written = InProcess({"compute", "--format=csv", "-o", path}, project);
    EXPECT_EQ(written.status, 0) << written.err;
    EXPECT_EQ(written.out, "");
    std::ifstream in(path, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text, InProcess({"compute", "--format=csv"}, project).out);

    const Outcome intoFolder = InProcess({"compute", "--format", "xlsx", "--output", folder}, project);
    EXPECT_EQ(intoFolder.status, 1);
    EXPECT_EQ(intoFolder.err,
              "Не удалось записать файл «" + folder + "»: нет доступа к файлу. Прежний файл не изменён.\n");
    EXPECT_EQ(intoFolder.out, "");
    std::remove(path.c_str());
    ::rmdir(folder.c_str());
}

// Two rooms: "101" with a south window and a wall, "102" with an east window.
const char* kTwoRooms = R"({"format": "solargain-project", "version": 2, "inputs": {
    "Site": {"Latitude": "48"},
    "Rooms": [{"Name": "101", "Windows": [{"Name": "Окно 1", "WindowOrientations": ["Ю"]}],
               "Walls": [{"Name": "Стена 1", "WallArea": "10", "WallAbsorptance": "0.7", "WallOrientations": ["Ю"],
                          "WallLayers": [{"HeatAbsorption": "9.2", "Conductivity": "0.81", "Thickness": "0.38"}]}]},
              {"Name": "102", "IndoorTemp": "22", "Windows": [{"Name": "Окно 1", "WindowOrientations": ["В"]}]}]}})";

TEST(CliCommand, ComputeGivesRoomsAndTheBuilding) {
    const Outcome o = InProcess({"compute"}, kTwoRooms);
    ASSERT_EQ(o.status, 0) << o.err;
    const json doc = json::parse(o.out);
    ASSERT_EQ(doc["rooms"].size(), 2u);
    const json& first = doc["rooms"][0];
    EXPECT_EQ(first["Name"], "101");
    EXPECT_EQ(first["windows"][0]["Name"], "Окно 1");
    EXPECT_EQ(first["windows"][0]["orientations"][4]["hours"]["12-13"]["HeatGain"], "760");
    EXPECT_EQ(first["walls"][0]["Name"], "Стена 1");
    EXPECT_TRUE(first["roof"].is_null());
    // The room's window row is its window group's, as a project of that group alone computes it.
    const json alone = json::parse(InProcess({"compute"}, R"({"WindowOrientations": ["Ю"]})").out);
    EXPECT_EQ(first["totals"]["WindowHourTotal"], alone["totals"]["WindowHourTotal"]);
    const json& building = doc["building"];
    for (const auto& [hour, total] : building["HourTotal"].items()) {
        const int sum = std::stoi(first["totals"]["GrandHourTotal"][hour].get<std::string>()) +
                        std::stoi(doc["rooms"][1]["totals"]["GrandHourTotal"][hour].get<std::string>());
        EXPECT_EQ(total, std::to_string(sum)) << hour;
    }
    EXPECT_EQ(building["MaxGain"], building["HourTotal"][building["MaxHour"].get<std::string>()]);
    const int peaks =
        std::stoi(
            first["totals"]["GrandHourTotal"][first["totals"]["GrandMaxHour"].get<std::string>()].get<std::string>()) +
        std::stoi(
            doc["rooms"][1]["totals"]["GrandHourTotal"][doc["rooms"][1]["totals"]["GrandMaxHour"].get<std::string>()]
                .get<std::string>());
    EXPECT_EQ(building["RoomPeakSum"], std::to_string(peaks));

    const Outcome csv = InProcess({"compute", "--format", "csv"}, kTwoRooms);
    EXPECT_EQ(csv.status, 0);
    EXPECT_EQ(csv.out.rfind("Row,Name,8-9,", 0), 0u);
    EXPECT_NE(csv.out.find("\nRoom,102,"), std::string::npos);
    EXPECT_NE(csv.out.find("\nRoomPeakSum,,,,,,,,,,,,," + building["RoomPeakSum"].get<std::string>() + "\n"),
              std::string::npos);
}

TEST(CliCommand, BuildingRefusalNamesRoomAndElement) {
    std::string text = kTwoRooms;
    const std::string east = R"("WindowOrientations": ["В"])";
    text.replace(text.find(east), east.size(), R"("GlazingResistance": "0")");
    const Outcome o = InProcess({"compute"}, text);
    EXPECT_EQ(o.status, 2);
    const std::string refusal =
        "Помещение «102», окно «Окно 1»: Сопротивление теплопередаче заполнения светового "
        "проёма Rп должно быть больше 0 (введено 0)";
    EXPECT_EQ(o.err, refusal + "\n");
    EXPECT_EQ(json::parse(o.out)["error"], refusal);

    const Outcome converted = InProcess({"convert"}, text);
    EXPECT_EQ(converted.status, 2);
    EXPECT_EQ(json::parse(converted.out)["results"]["error"], refusal);
    EXPECT_EQ(json::parse(converted.out)["inputs"]["Rooms"][1]["Windows"][0]["GlazingResistance"], "0");
}

TEST(CliCommand, HelpAndVersion) {
    const Outcome help = InProcess({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* option : {"compute [FILE | -]", "convert [FILE | -]", "radiation --latitude N",
                               "cities [--search TEXT]", "--format json|csv|xlsx", "-o, --output OUT", "--version"}) {
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
    }
    const Outcome version = InProcess({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("solargain-cli ", 0), 0u);
}

TEST(CliCommand, CitiesListsTheOfferedRowsAlphabetically) {
    const Outcome all = InProcess({"cities"});
    EXPECT_EQ(all.status, 0);
    const json cities = json::parse(all.out)["cities"];
    ASSERT_EQ(cities.size(), 207u);
    EXPECT_EQ(cities.front()["City"], "Абакан");
    EXPECT_EQ(cities.back()["City"], "Ярцево");

    struct Case {
        std::vector<std::string> args;
        std::string out;
    };
    const std::string header =
        "City,Region,Latitude,LatitudeRounded,OutdoorMeanTemp,OutdoorAmplitude,WarmPeriod095,Confidence,Source\n";
    const std::string source = ",M,\"СП 131.13330 (редакции 2018/2020), по общедоступной расшифровке\"\n";
    for (const Case& c : std::vector<Case>{
             {{"cities", "--search", "МОСК", "--format", "csv"},
              header + "Москва,г. Москва,55.7540,56,19.2,10.2,23.0" + source},
             {{"cities", "--search=новгород", "--format=csv"},
              header + "Великий Новгород,Новгородская область,58.5214,59,18.3,10.3,21.0" + source +
                  "Нижний Новгород,Нижегородская область,56.3241,56,19.4,9.9,23.0" + source},
             {{"cities", "--search", "Мурманск", "--format", "csv"}, header},
         }) {
        SCOPED_TRACE(c.args[2]);
        const Outcome o = InProcess(c.args);
        EXPECT_EQ(o.status, 0);
        EXPECT_EQ(o.out, c.out);
    }
    const Outcome none = InProcess({"cities", "--search", "Мосвка"});
    EXPECT_EQ(json::parse(none.out), json({{"cities", json::array()}}));
    EXPECT_EQ(none.err.rfind("Ни одно название города в таблице климата не содержит «Мосвка»; ближайшие: Москва", 0),
              0u)
        << none.err;
}

// "City" fills the latitude, tн.ср and Atн a document leaves out; the texts it
// gives win. (No city of the table lies outside 40–60° once rounded; that
// refusal is the city choice's own, tested with the cities.)
TEST(CliCommand, ComputeTakesTheClimateOfACity) {
    struct Case {
        const char* name;
        std::string withCity;
        std::string asTyped;
    };
    const std::string south = R"("WindowOrientations": ["Ю"])";
    for (const Case& c : std::vector<Case>{
             {"the three from the city", R"({"City": "Москва", )" + south + "}",
              R"({"Latitude": "56", "OutdoorMeanTemp": "19.2", "OutdoorAmplitude": "10.2", )" + south + "}"},
             {"the latitude given", R"({"City": "москва", "Latitude": "50", )" + south + "}",
              R"({"Latitude": "50", "OutdoorMeanTemp": "19.2", "OutdoorAmplitude": "10.2", )" + south + "}"},
             {"all given",
              R"({"City": "Москва", "Latitude": "48", "OutdoorMeanTemp": "22.5", "OutdoorAmplitude": "14.7", )" +
                  south + "}",
              "{" + south + "}"},
         }) {
        SCOPED_TRACE(c.name);
        const Outcome withCity = InProcess({"compute"}, c.withCity);
        ASSERT_EQ(withCity.status, 0) << withCity.err;
        EXPECT_EQ(withCity.out, InProcess({"compute"}, c.asTyped).out);
    }
    // The city's climate changes the results.
    EXPECT_NE(InProcess({"compute"}, R"({"City": "Москва", )" + south + "}").out,
              InProcess({"compute"}, "{" + south + "}").out);
    // convert writes the texts the city gave, and the city.
    const json converted = json::parse(InProcess({"convert"}, R"({"City": "Москва"})").out)["inputs"]["Site"];
    EXPECT_EQ(converted["City"], "Москва");
    EXPECT_EQ(converted["Latitude"], "56");
    EXPECT_EQ(converted["OutdoorAmplitude"], "10.2");

    const std::string unknown = "Город «Масква» не найден в таблице климата; ближайшие: Москва, Майкоп, Выкса.";
    for (const char* format : {"json", "csv"}) {
        SCOPED_TRACE(format);
        const Outcome refused = InProcess({"compute", "--format", format}, R"({"City": "Масква"})");
        EXPECT_EQ(refused.status, 2);
        EXPECT_EQ(refused.err, unknown + "\n");
        EXPECT_EQ(refused.out, std::string(format) == "json" ? JsonDocumentText(ErrorJson(unknown)) : "");
    }
}

// A doubtful row of the climate table is listed with its confidence and
// accepted by "City", with a word on standard error; the wrong one is not.
TEST(CliCommand, DoubtfulCitiesAreListedAndAcceptedWithAWord) {
    const Outcome listed = InProcess({"cities", "--search", "Самара", "--format", "csv"});
    EXPECT_NE(listed.out.find("\nСамара,Самарская область,53.1950,53,21.5,10.8,29.0,L,"), std::string::npos)
        << listed.out;
    const std::string south = R"("WindowOrientations": ["Ю"])";
    struct Case {
        const char* command;
        const char* city;
        bool noted;
    };
    for (const Case& c : std::vector<Case>{
             {"compute", "Самара", true}, {"convert", "новороссийск", true}, {"compute", "Москва", false}}) {
        SCOPED_TRACE(c.city);
        const Outcome o = InProcess({c.command}, R"({"City": ")" + std::string(c.city) + R"(", )" + south + "}");
        EXPECT_EQ(o.status, 0) << o.err;
        EXPECT_EQ(o.err.find("проверьте по СП") != std::string::npos, c.noted) << o.err;
    }
    EXPECT_EQ(InProcess({"compute"}, R"({"City": "Самара", )" + south + "}").out,
              InProcess({"compute"},
                        R"({"Latitude": "53", "OutdoorMeanTemp": "21.5", "OutdoorAmplitude": "10.8", )" + south + "}")
                  .out);
    const Outcome luga = InProcess({"compute"}, R"({"City": "Луга"})");
    EXPECT_EQ(luga.status, 2);
    EXPECT_EQ(luga.err.rfind("Город «Луга» не найден в таблице климата", 0), 0u) << luga.err;
}

// ---- The built program ----------------------------------------------------------

TEST_F(CliProgram, ExitStatusOfEachOutcome) {
    const std::string good = Write("good.json", R"({"Latitude": 52, "WindowOrientations": ["S"]})");
    const std::string bad = Write("bad.json", R"({"Latitude": 52,)");
    const std::string unknown = Write("unknown.json", R"({"latitude": 52})");

    const Outcome ok = Exec("compute '" + good + "'");
    EXPECT_EQ(ok.status, 0);
    EXPECT_TRUE(json::parse(ok.out)["windows"].is_object());

    const Outcome csv = Exec("compute --format csv - <'" + good + "'");
    EXPECT_EQ(csv.status, 0);
    EXPECT_EQ(csv.out.rfind("Totals,8-9,", 0), 0u);

    const Outcome missing = Exec("compute '" + dir_ + "/none.json'");
    EXPECT_EQ(missing.status, 1);
    const std::string none = "Не удалось прочитать «" + dir_ + "/none.json»: файл или папка не найдены.";
    EXPECT_EQ(missing.err, none + "\n");
    EXPECT_EQ(json::parse(missing.out)["error"], none);

    // Only a regular file is read: a folder, a device that never ends and a
    // FIFO that no one writes are refused at once, naming the file.
    const std::string fifo = dir_ + "/канал";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& special : {dir_, std::string("/dev/zero"), fifo}) {
        const Outcome refused = Shell("timeout 20 '" + std::string(SOLARGAIN_CLI) + "' compute '" + special + "'");
        EXPECT_EQ(refused.status, 1) << special;
        EXPECT_EQ(refused.err.rfind("Не удалось прочитать «" + special + "»: ", 0), 0u) << refused.err;
    }
    // Standard input as long as the cap: refused, not read until memory ends.
    const Outcome endless = Shell("head -c 20000000 /dev/zero | '" + std::string(SOLARGAIN_CLI) + "' compute -");
    EXPECT_EQ(endless.status, 1);
    EXPECT_EQ(endless.err.rfind("Не удалось прочитать стандартный ввод: Файл проекта больше 16 МБ", 0), 0u)
        << endless.err;

    const Outcome notJson = Exec("compute '" + bad + "'");
    EXPECT_EQ(notJson.status, 2);
    EXPECT_EQ(notJson.err.rfind("Файл «" + bad + "»: ошибка в строке 1, столбце ", 0), 0u) << notJson.err;

    const Outcome unknownKey = Exec("compute '" + unknown + "'");
    EXPECT_EQ(unknownKey.status, 2);
    EXPECT_EQ(unknownKey.err, "Неизвестный ключ \"latitude\"\n");

    const Outcome latitude = Exec("radiation --latitude 39 --format csv");
    EXPECT_EQ(latitude.status, 2);
    EXPECT_EQ(latitude.out, "");
    EXPECT_EQ(latitude.err,
              "--latitude (Северная широта района φ): Широта должна быть целым числом от 40 до 60 градусов.\n");

    const Outcome table = Exec("radiation --latitude=60");
    EXPECT_EQ(table.status, 0);
    EXPECT_EQ(json::parse(table.out)["Latitude"], 60);

    EXPECT_EQ(Exec("--help").status, 0);
    EXPECT_EQ(Exec("compute --format").status, 2);
}

}  // namespace
