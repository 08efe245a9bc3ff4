// The user's own tables of materials and cities: what a row may hold, the CSV
// they are kept and exchanged in, and how the lookups of the pickers list them.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CalcError.h"
#include "Cities.h"
#include "Materials.h"
#include "UserTables.h"

namespace {

const UserRow kBrick{"Кладка из кирпича завода «Заря»", "1800", "0.7", "0.81", "9.2", "10.12", "паспорт завода"};
const UserRow kTown{"Посёлок Лесной", "55.2", "18.4", "10.5", "метеостанция посёлка"};

std::string Refusal(UserTableKind kind, const UserRow& row) {
    try {
        CheckedUserRow(kind, row);
    } catch (const CalcError& e) {
        return e.what();
    }
    return "accepted";
}

// Own rows are process-wide; every test leaves them empty.
class UserTablesTest : public ::testing::Test {
protected:
    void TearDown() override {
        SetOwnCities({});
        SetOwnMaterials({});
    }
};

}  // namespace

TEST_F(UserTablesTest, BadValuesAreRefusedNamingTheFieldInRussian) {
    struct Case {
        const char* what;
        UserTableKind kind;
        UserRow row;
        const char* message;
    };
    const auto materials = UserTableKind::Materials;
    const auto cities = UserTableKind::Cities;
    for (const Case& c : std::vector<Case>{
             {"no name", materials, {" ", "", "0.7", "0.81", "9.2", "10.12", ""}, "Название: не заполнено"},
             {"λ A not a number",
              materials,
              {"Кирпич", "", "abc", "0.81", "9.2", "10.12", ""},
              "λ, условия А: «abc» — не число"},
             {"λ Б missing", materials, {"Кирпич", "", "0.7", "", "9.2", "10.12", ""}, "λ, условия Б: не заполнено"},
             {"s Б too large",
              materials,
              {"Кирпич", "", "0.7", "0.81", "9.2", "310", ""},
              "s, условия Б: 310 вне пределов 0.1 … 30"},
             {"a sourced material",
              materials,
              {"Железобетон", "2500", "1.92", "2.04", "17.98", "18.95", ""},
              "уже есть в таблице материалов"},
             {"latitude with letters", cities, {"Лесной", "55с", "18.4", "10.5", ""}, "Широта: «55с» — не число"},
             {"north of 60°",
              cities,
              {"Лесной", "64.5", "18.4", "10.5", ""},
              "Широта: Метод рассчитан на широты от 40 до 60"},
             {"July too hot", cities, {"Лесной", "55", "41", "10.5", ""}, "tн.ср: 41 вне пределов 0 … 35"},
             {"a city of the table", cities, {"москва", "55.7", "19.2", "10.2", ""}, "уже есть в таблице климата"},
         }) {
        SCOPED_TRACE(c.what);
        EXPECT_NE(Refusal(c.kind, c.row).find(c.message), std::string::npos) << Refusal(c.kind, c.row);
    }
}

TEST_F(UserTablesTest, FiguresAreKeptWithADecimalPoint) {
    const UserRow kept = CheckedUserRow(UserTableKind::Materials, {" Кирпич ", "", "0,7", "0.81", "9,2", "10", ""});
    EXPECT_EQ(kept, (UserRow{"Кирпич", "", "0.7", "0.81", "9.2", "10", ""}));
}

TEST_F(UserTablesTest, CsvRoundTripAndImportInEitherForm) {
    const UserTable table{UserTableKind::Materials,
                          {kBrick, {"Минвата «Север», 35", "", "0.041", "0.044", "0.5", "0.55", "ТУ, \"лист 2\""}}};
    const std::string csv = UserTableCsv(table);
    EXPECT_TRUE(csv.starts_with("Название,ρ₀ кг/м³,λ А,λ Б,s А,s Б,Источник\n"));
    EXPECT_EQ(ParseUserTableCsv(UserTableKind::Materials, csv).rows, table.rows);

    // A spreadsheet's export: byte-order mark, ";" between fields, decimal comma, columns reordered.
    const UserTable imported = ParseUserTableCsv(UserTableKind::Cities,
                                                 "\xEF\xBB\xBFШирота;Название;tн.ср;Aтн\r\n"
                                                 "55,2;Посёлок Лесной;18,4;10,5\r\n\r\n");
    EXPECT_EQ(imported.rows, (std::vector<UserRow>{{"Посёлок Лесной", "55.2", "18.4", "10.5", ""}}));
}

TEST_F(UserTablesTest, ABadLineRefusesTheWholeImportNamingTheLine) {
    struct Case {
        const char* what;
        std::string text;
        const char* message;
    };
    const std::string header = "Название,Широта,tн.ср,Aтн,Источник\n";
    for (const Case& c : std::vector<Case>{
             {"bad figure on line 3", header + "А-град,55,18,10,\nБ-град,55,x,10,\n",
              "Строка 3: tн.ср: «x» — не число"},
             {"name twice", header + "А-град,55,18,10,\n\nа-град,56,18,10,\n",
              "Строка 4: Название: «а-град» уже есть в строке 2"},
             {"unknown column", "Название,Широта,tн.ср,Aтн,Высота\n", "Строка 1: столбец «Высота»"},
             {"missing column", "Название,Широта,tн.ср\n", "Строка 1: нет столбца «Aтн»"},
             {"extra field", header + "А-град,55,18,10,,лишнее\n", "Строка 2: полей больше"},
             {"no header", "\n \n", "Нет строки заголовка"},
         }) {
        SCOPED_TRACE(c.what);
        try {
            ParseUserTableCsv(UserTableKind::Cities, c.text);
            ADD_FAILURE() << "accepted";
        } catch (const CalcError& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
        }
    }
}

TEST_F(UserTablesTest, ImportedRowsReplaceThoseOfTheSameName) {
    const UserTable table{UserTableKind::Cities, {kTown, {"Заречный", "57", "18", "10", ""}}};
    const UserTable imported{UserTableKind::Cities,
                             {{"посёлок лесной", "55.3", "18.5", "10.6", "новый"}, {"Озёрск", "56", "18", "9", ""}}};
    const UserTable merged = WithImportedRows(table, imported);
    ASSERT_EQ(merged.rows.size(), 3u);
    EXPECT_EQ(merged.rows[0][1], "55.3");
    EXPECT_EQ(merged.rows[2][0], "Озёрск");
}

TEST_F(UserTablesTest, OwnRowsAreListedMarkedAndChosenLikeTheTables) {
    UseUserTable({UserTableKind::Cities, {kTown}});
    UseUserTable({UserTableKind::Materials, {kBrick}});

    const City* town = FindCity("посёлок лесной");
    ASSERT_NE(town, nullptr);
    EXPECT_TRUE(town->own);
    EXPECT_EQ(CityMark(*town), " · мой");
    EXPECT_EQ(CitySourceLabel(*town), "Мой город: метеостанция посёлка");
    EXPECT_EQ(CitiesStartingWith("Посёл").size(), 1u);
    EXPECT_EQ(FindTableCity("Посёлок Лесной"), nullptr);
    const CityChoice choice = ChooseCity(*town);
    EXPECT_EQ(choice.latitude, "55");
    EXPECT_EQ(choice.julyMean, "18.4");

    for (const Conditions conditions : {Conditions::A, Conditions::B}) {
        const auto brick = MaterialFor("Кладка из кирпича завода «Заря», 1800 кг/м³", conditions);
        ASSERT_TRUE(brick.has_value());
        EXPECT_TRUE(brick->own);
        EXPECT_EQ(brick->conductivity, conditions == Conditions::A ? "0.7" : "0.81");
        EXPECT_EQ(brick->absorption, conditions == Conditions::A ? "9.2" : "10.12");
        EXPECT_EQ(brick->source, "Мой материал: паспорт завода");
    }
    EXPECT_EQ(UsedUserTable(UserTableKind::Materials).rows, std::vector<UserRow>{kBrick});
    EXPECT_EQ(UsedUserTable(UserTableKind::Cities).rows, std::vector<UserRow>{kTown});
}

TEST_F(UserTablesTest, ACopyOfASourcedRowIsAValidOwnRow) {
    const UserRow city = UserRowCopying(UserTableKind::Cities, "Самара");
    EXPECT_EQ(city[0], "Самара (копия)");
    EXPECT_EQ(city[2], "21.5");
    EXPECT_EQ(CheckedUserRow(UserTableKind::Cities, city), city);
    const UserRow material = UserRowCopying(UserTableKind::Materials, "Железобетон, 2500 кг/м³");
    ASSERT_EQ(material.size(), UserColumns(UserTableKind::Materials).size());
    EXPECT_EQ(material[0], "Железобетон (копия)");
    EXPECT_NE(material.back().find("СП 50.13330"), std::string::npos);
    EXPECT_EQ(CheckedUserRow(UserTableKind::Materials, material), material);
    EXPECT_TRUE(UserRowCopying(UserTableKind::Cities, "Луга").empty());
}
