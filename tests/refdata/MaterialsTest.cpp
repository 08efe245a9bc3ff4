#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "Materials.h"
#include "RussianText.h"

namespace {

TEST(MaterialTable, EveryRowParses) {
    const std::vector<MaterialTable>& tables = MaterialTables();
    std::vector<std::size_t> rows;
    for (const MaterialTable& t : tables) rows.push_back(t.rows.size());
    EXPECT_EQ(rows, (std::vector<std::size_t>{13, 10, 13, 17, 10, 14}));
    for (const MaterialTable& t : tables) {
        SCOPED_TRACE(t.id);
        EXPECT_TRUE(t.confidence == "H" || t.confidence == "M");
        for (const MaterialRow& row : t.rows) {
            EXPECT_NE(row.name, "то же");
            EXPECT_NE(row.name, "То же");
            EXPECT_FALSE(row.conductivityA.empty()) << row.name;
        }
    }
    // "то же" takes the material of the row above.
    EXPECT_EQ(tables[0].rows[1].writtenName, "То же");
    EXPECT_EQ(tables[0].rows[1].name, "Плиты из пенополистирола");
}

TEST(MaterialTable, FaultyLinesAreRefusedWithTheirLine) {
    const std::string head = "table T\nconfidence M\nheading H\nsource S\ncopy C\n";
    const std::string good = "row 1 | Бетон | 2400 | 0.84 | 1.51 | 2/3 | 1.74 | 1.86 | 16.77 | 17.88 | 0.03 | да |\n";
    ASSERT_EQ(ParseMaterialTables(head + good).at(0).rows.size(), 1u);
    struct Case {
        const char* name;
        std::string text;
        const char* message;
    };
    for (const Case& c : std::vector<Case>{
             {"comma decimal",
              head + "row 1 | Бетон | 2400 | 0.84 | 1.51 | 2/3 | 1,74 | 1.86 | 16.77 | 17.88 | 0.03 | да |",
              "not a decimal number"},
             {"s out of range",
              head + "row 1 | Бетон | 2400 | 0.84 | 1.51 | 2/3 | 1.74 | 1.86 | 167.7 | 17.88 | 0.03 | да |",
              "out of range"},
             {"offered without s", head + "row 1 | Бетон | 2400 | | | | 1.74 | 1.86 | | | | да |", "needs λ and s"},
             {"a cell too few", head + "row 1 | Бетон | 2400 | 0.84 | 1.51 | 2/3 | 1.74 | 1.86 | 16.77 | 17.88 | да |",
              "cells"},
             {"то же first", head + "row 1 | то же | 2400 | | | | 1.74 | 1.86 | | | | нет |", "no row above"},
             {"offered twice", head + good + good, "second offered row"},
             {"offered is neither", head + "row 1 | Бетон | | | | | 1.74 | 1.86 | 1 | 1 | | yes |", "да or нет"},
             {"row before a table", good, "before the first table"},
             {"no source", "table T\nconfidence M\nheading H\ncopy C\n" + good, "source"},
             {"unknown line", head + "colour red\n", "unknown line"},
         }) {
        SCOPED_TRACE(c.name);
        try {
            ParseMaterialTables(c.text);
            ADD_FAILURE() << "accepted";
        } catch (const std::runtime_error& e) {
            const std::string what = e.what();
            EXPECT_NE(what.find(c.message), std::string::npos) << what;
            EXPECT_EQ(what.rfind("materials.txt:", 0), 0u) << what;
        }
    }
}

TEST(MaterialList, FiguresOfTheChosenConditions) {
    struct Case {
        const char* name;
        Conditions conditions;
        const char* s;
        const char* lambda;
    };
    for (const Case& c : std::vector<Case>{
             {"Железобетон, 2500 кг/м³", Conditions::A, "17.98", "1.92"},
             {"железобетон, 2500 кг/м³", Conditions::B, "18.95", "2.04"},
             {"Плиты из пенополистирола, 17–25 кг/м³", Conditions::B, "0.32", "0.051"},
             {"Гравий керамзитовый (ГОСТ 9757), 300 кг/м³", Conditions::A, "1.56", "0.12"},
             {"Сосна и ель поперек волокон, 500 кг/м³", Conditions::A, "3.87", "0.14"},
         }) {
        SCOPED_TRACE(c.name);
        const std::optional<MaterialChoice> m = MaterialFor(c.name, c.conditions);
        ASSERT_TRUE(m.has_value());
        EXPECT_EQ(m->absorption, c.s);
        EXPECT_EQ(m->conductivity, c.lambda);
        EXPECT_FALSE(m->source.empty());
    }
    EXPECT_EQ(MaterialFor("Железобетон, 2500 кг/м³", Conditions::A)->source.rfind("СП 50.13330.2024", 0), 0u);
    // Rows without s or without density, and unknown names, are not offered.
    for (const char* name :
         {"", "Туфобетон", "Керамзитобетон", "Экструдированный пенополистирол, 25–33 кг/м³", "Кирпич"}) {
        EXPECT_FALSE(MaterialFor(name, Conditions::A).has_value()) << name;
    }
}

TEST(MaterialList, OneEntryPerOfferedRowInAlphabeticalOrder) {
    for (const Conditions c : {Conditions::A, Conditions::B}) {
        const std::vector<MaterialChoice> list = MaterialsFor(c);
        EXPECT_EQ(list.size(), 40u);
        EXPECT_TRUE(std::is_sorted(list.begin(), list.end(), [](const MaterialChoice& a, const MaterialChoice& b) {
            return RussianLess(a.name.substr(0, a.name.find(',')), b.name.substr(0, b.name.find(',')));
        }));
    }
    const std::vector<MaterialChoice> list = MaterialsFor(Conditions::A);
    EXPECT_EQ(list.front().name, "Бетон на гравии или щебне из природного камня, 2400 кг/м³");
    // The densities of one material stay in the order of their table.
    const auto eps = std::find_if(list.begin(), list.end(), [](const MaterialChoice& m) {
        return m.name.starts_with("Плиты из пенополистирола,");
    });
    ASSERT_NE(eps, list.end());
    EXPECT_EQ(eps->name, "Плиты из пенополистирола, 25–35 кг/м³");
    EXPECT_EQ((eps + 4)->name, "Плиты из пенополистирола, до 10 кг/м³");
}

TEST(MaterialList, SearchIgnoresCaseYoAndBlanks) {
    struct Case {
        const char* typed;
        std::size_t found;
        const char* first;
    };
    for (const Case& c : std::vector<Case>{
             {"", 40, "Бетон на гравии или щебне из природного камня, 2400 кг/м³"},
             {" ПЕНОПОЛИСТИРОЛ ", 8, "Плиты из пенополистирола, 25–35 кг/м³"},
             {"керамзит", 7, "Гравий керамзитовый (ГОСТ 9757), 600 кг/м³"},
             {"2500", 1, "Железобетон, 2500 кг/м³"},
             {"поперёк", 2, "Дуб поперек волокон, 700 кг/м³"},
             {"Кирпич глиняный", 0, nullptr},
         }) {
        SCOPED_TRACE(c.typed);
        const std::vector<MaterialChoice> found = MaterialsMatching(c.typed, Conditions::B);
        ASSERT_EQ(found.size(), c.found);
        if (c.first != nullptr) {
            EXPECT_EQ(found.front().name, c.first);
        }
    }
    // The figures are those of the conditions asked for.
    EXPECT_EQ(MaterialsMatching("2500", Conditions::A).front().conductivity, "1.92");
    EXPECT_EQ(MaterialsMatching("2500", Conditions::B).front().conductivity, "2.04");
}

TEST(MaterialList, NamesStartingWithTheTextComeFirstThenWordsThenTheRest) {
    struct Case {
        const char* typed;
        std::vector<std::string> found;
    };
    for (const Case& c : std::vector<Case>{
             {"раствор",
              {"Раствор цементно-песчаный, 1800 кг/м³",
               "Кирпичная кладка из силикатного кирпича на цементно-песчаном растворе, 1800 кг/м³"}},
             {"грави", {"Гравий керамзитовый (ГОСТ 9757), 600 кг/м³", "Гравий керамзитовый (ГОСТ 9757), 500 кг/м³"}},
             {"цемент",
              {"Кирпичная кладка из силикатного кирпича на цементно-песчаном растворе, 1800 кг/м³",
               "Раствор цементно-песчаный, 1800 кг/м³",
               "Плиты фибролитовые и арболитовые на портландцементе, 800 кг/м³"}},
             {"бетон", {"Бетон на гравии или щебне из природного камня, 2400 кг/м³", "Железобетон, 2500 кг/м³"}},
         }) {
        SCOPED_TRACE(c.typed);
        std::vector<std::string> names;
        for (const MaterialChoice& m : MaterialsMatching(c.typed, Conditions::A)) names.push_back(m.name);
        ASSERT_GE(names.size(), c.found.size());
        names.resize(c.found.size());
        EXPECT_EQ(names, c.found);
    }
    // After the names starting with "грави", the one with a word starting so.
    const std::vector<MaterialChoice> gravel = MaterialsMatching("грави", Conditions::A);
    EXPECT_EQ(gravel.back().name, "Бетон на гравии или щебне из природного камня, 2400 кг/м³");
}

TEST(RussianText, WhereATextIsFoundInAName) {
    struct Case {
        const char* name;
        const char* part;
        std::optional<MatchPlace> place;
    };
    for (const Case& c : std::vector<Case>{
             {"Раствор цементно-песчаный", "РАСТВОР", MatchPlace::NameStart},
             {"Ёлка", "елк", MatchPlace::NameStart},
             {"Кладка на растворе", "раствор", MatchPlace::WordStart},
             {"цементно-песчаный", "песч", MatchPlace::WordStart},
             {"Гравий (ГОСТ 9757)", "9757", MatchPlace::WordStart},
             {"Железобетон", "бетон", MatchPlace::InsideWord},
             {"Gost9757", "9757", MatchPlace::InsideWord},
             {"Железобетон, бетон", "бетон", MatchPlace::WordStart},  // the best of its places
             {"Бетон", "", MatchPlace::NameStart},
             {"Бетон", "бетонн", std::nullopt},
         }) {
        SCOPED_TRACE(std::string(c.name) + " / " + c.part);
        EXPECT_EQ(FoldedMatchPlace(c.name, c.part), c.place);
    }
}

TEST(MaterialConditions, NamedByTheirLetterInEitherAlphabet) {
    EXPECT_EQ(ConditionsName(Conditions::A), "\u0410");  // Cyrillic А
    EXPECT_EQ(ConditionsName(Conditions::B), "\u0411");  // Cyrillic Б
    EXPECT_EQ(ConditionsNamed("\u0410"), Conditions::A);
    EXPECT_EQ(ConditionsNamed("A"), Conditions::A);
    EXPECT_EQ(ConditionsNamed("\u0411"), Conditions::B);
    EXPECT_EQ(ConditionsNamed("B"), Conditions::B);
    for (const char* other : {"", "а", "a", "\u0412", "AБ", " А", "1"}) EXPECT_FALSE(ConditionsNamed(other)) << other;
}

}  // namespace
