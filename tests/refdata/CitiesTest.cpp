#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "CalcError.h"
#include "Cities.h"
#include "RussianText.h"

namespace {

std::vector<std::string> Names(const std::vector<const City*>& cities) {
    std::vector<std::string> names;
    for (const City* c : cities) names.push_back(c->name);
    return names;
}

const City& Offered(const char* name) {
    const City* city = FindCity(name);
    if (city == nullptr) throw std::logic_error(std::string("no offered city ") + name);
    return *city;
}

TEST(CityTable, EveryRowParsesAndOneRowPerOfferedName) {
    EXPECT_EQ(CityTable().size(), 209u);
    const std::vector<const City*>& offered = OfferedCities();
    // 175 rows of confidence M, of which Майкоп twice, and 33 of L; Луга is left out.
    EXPECT_EQ(offered.size(), 207u);
    EXPECT_TRUE(std::is_sorted(offered.begin(), offered.end(),
                               [](const City* a, const City* b) { return RussianLess(a->name, b->name); }));
    for (const City* city : offered) {
        SCOPED_TRACE(city->name);
        EXPECT_TRUE(city->confidence == "M" || city->confidence == "L");
        const int latitude = RoundedLatitude(city->latitude);
        EXPECT_GE(latitude, 42);
        EXPECT_LE(latitude, 60);
    }
    EXPECT_EQ(offered.front()->name, "Абакан");
    // The row of the main edition, not the later one of the 2012 edition.
    EXPECT_EQ(Offered("Майкоп").julyMean, "23.0");
}

TEST(CityTable, DoubtfulRowsAreOfferedWithTheirMarkAndTheWrongOneIsLeftOut) {
    struct Case {
        const char* name;
        const char* mark;
    };
    for (const Case& c : std::vector<Case>{{"Самара", " · проверьте по СП"},
                                           {"Новороссийск", " · проверьте по СП"},
                                           {"Улан-Удэ", " · проверьте по СП"},
                                           {"Москва", ""}}) {
        SCOPED_TRACE(c.name);
        const City& city = Offered(c.name);
        EXPECT_EQ(CityMark(city), c.mark);
        EXPECT_TRUE(CitySourceLabel(city).ends_with(std::string("широта — центр города") + c.mark));
        EXPECT_EQ(IsDoubtful(city), *c.mark != '\0');
    }
    EXPECT_EQ(ChooseCity(Offered("Самара")).julyMean, "21.5");
    EXPECT_NE(CityDoubtNote(Offered("Самара")).find("проверьте по СП"), std::string::npos);
    // July 22.2 °C, 4 °C above its neighbours of the same table.
    EXPECT_EQ(FindCity("Луга"), nullptr);
    const auto luga =
        std::find_if(CityTable().begin(), CityTable().end(), [](const City& c) { return c.name == "Луга"; });
    ASSERT_NE(luga, CityTable().end());
    EXPECT_EQ(luga->confidence, "X");
    EXPECT_NE(luga->flags.find("Псков 18.2"), std::string::npos);
    EXPECT_EQ(CitiesContaining("Луга").size(), 1u);  // Калуга alone
}

TEST(CityTable, FaultyRowsAreRefusedWithTheirLine) {
    const std::string header =
        "# remark\ncity,region_as_in_source,lat_deg_N,t_jul_mean_C (июль),A_mean_daily_C,"
        "t_095_C,edition,confidence,flags,source,lat_source\n";
    const std::string good = "Город,Край,55.7,19.2,10.2,23.0,СП,M,,src,lat\n";
    EXPECT_EQ(ParseCities(header + good).size(), 1u);
    struct Case {
        const char* name;
        std::string text;
        const char* message;
    };
    for (const Case& c : std::vector<Case>{
             {"latitude with a comma", header + "Город,Край,\"55,7\",19.2,10.2,23.0,СП,M,,src,lat\n", "latitude"},
             {"July mean out of range", header + "Город,Край,55.7,45.0,10.2,23.0,СП,M,,src,lat\n", "out of range"},
             {"left out without a reason", header + "Город,Край,55.7,19.2,10.2,23.0,СП,X,,src,lat\n", "says not why"},
             // A mark the offer does not know would drop the row from it unseen.
             {"confidence H", header + "Город,Край,55.7,19.2,10.2,23.0,СП,H,,src,lat\n", "is not M, L or X"},
             {"no source", header + "Город,Край,55.7,19.2,10.2,23.0,СП,M,,,lat\n", "source"},
             {"unclosed quote", header + "Город,\"Край,55.7\n", "quoted"},
             {"short row", header + "Город,Край,55.7\n", "too few"},
             {"missing column", "city,lat_deg_N\n" + good, "no column"},
         }) {
        SCOPED_TRACE(c.name);
        try {
            ParseCities(c.text);
            ADD_FAILURE() << "accepted";
        } catch (const std::runtime_error& e) {
            const std::string what = e.what();
            EXPECT_NE(what.find(c.message), std::string::npos) << what;
            EXPECT_EQ(what.rfind("cities-warm-period.csv:", 0), 0u) << what;
        }
    }
}

TEST(CityLatitude, RoundsToTheNearestDegreeHalfUp) {
    struct Case {
        const char* written;
        int degrees;
    };
    for (const Case& c : std::vector<Case>{{"55.5", 56},
                                           {"55.49", 55},
                                           {"55.4999", 55},
                                           {"55.5000", 56},
                                           {"44.5", 45},
                                           {"60", 60},
                                           {"59.9735", 60},
                                           {"42.0590", 42}}) {
        EXPECT_EQ(RoundedLatitude(c.written), c.degrees) << c.written;
    }
    for (const char* bad : {"", "55,5", ".5", "-55.5", "55.", "1234.5", "55.5N"}) {
        EXPECT_THROW(RoundedLatitude(bad), std::runtime_error) << bad;
    }
    // Rows of the table at and just below the half degree.
    for (const Case& c : std::vector<Case>{{"Муром", 56}, {"Рубцовск", 52}, {"Калуга", 55}, {"Нальчик", 43}}) {
        EXPECT_EQ(ChooseCity(Offered(c.written)).latitude, std::to_string(c.degrees)) << c.written;
    }
}

TEST(CityChoice, SetsTheThreeTextsAsWritten) {
    const CityChoice moscow = ChooseCity(Offered("москва"));
    EXPECT_EQ(moscow.latitude, "56");
    EXPECT_EQ(moscow.julyMean, "19.2");
    EXPECT_EQ(moscow.dailyAmplitude, "10.2");
    EXPECT_EQ(moscow.sourceLabel,
              "Климат: СП 131.13330 (редакции 2018/2020), по общедоступной расшифровке; широта — центр города");
    EXPECT_EQ(ChooseCity(Offered("Санкт-Петербург")).latitude, "60");
}

TEST(CityChoice, RefusesLatitudesOutsideTheMethod) {
    // No city of the table lies beyond 40–60° once rounded, so the rows are made here.
    City city = Offered("Москва");
    struct Case {
        const char* latitude;
        const char* shown;
    };
    for (const Case& c : std::vector<Case>{{"60.5", "61"}, {"69.0", "69"}, {"39.4999", "39"}}) {
        city.name = "Город";
        city.latitude = c.latitude;
        try {
            ChooseCity(city);
            ADD_FAILURE() << c.latitude << " accepted";
        } catch (const CalcError& e) {
            EXPECT_EQ(
                std::string(e.what()),
                std::string("Метод рассчитан на широты от 40 до 60° с. ш.; Город лежит на ") + c.shown + "° с. ш.");
        }
    }
    city.latitude = "60.4999";
    EXPECT_EQ(ChooseCity(city).latitude, "60");
    city.latitude = "39.5";
    EXPECT_EQ(ChooseCity(city).latitude, "40");
}

TEST(CitySearch, CompletionIgnoresCaseAndYo) {
    struct Case {
        const char* typed;
        std::vector<std::string> first;
    };
    for (const Case& c : std::vector<Case>{
             {"моск", {"Москва"}},
             {"МОСК", {"Москва"}},
             {" моск ", {"Москва"}},
             {"санкт-", {"Санкт-Петербург"}},
             {"Ростов", {"Ростов-на-Дону"}},
         }) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(Names(CitiesStartingWith(c.typed)), c.first);
    }
    EXPECT_EQ(CitiesStartingWith("").size(), OfferedCities().size());
    EXPECT_EQ(Names(CitiesContaining("новгород")), (std::vector<std::string>{"Великий Новгород", "Нижний Новгород"}));
    EXPECT_TRUE(StartsWithFolded("Орёл", "ОРЕ"));
    EXPECT_TRUE(StartsWithFolded("Елец", "ёл"));
    EXPECT_FALSE(StartsWithFolded("Москва", "Моска"));
}

TEST(CitySearch, AlphabeticalOrderOfRussianNames) {
    const std::vector<std::string> ordered{"",      "Абакан", "абаканск",       "Елец",     "Ёлкино",
                                           "Жуков", "Ростов", "Ростов-на-Дону", "Ростовка", "Яр"};
    for (std::size_t i = 0; i + 1 < ordered.size(); ++i) {
        EXPECT_TRUE(RussianLess(ordered[i], ordered[i + 1])) << ordered[i] << " < " << ordered[i + 1];
        EXPECT_FALSE(RussianLess(ordered[i + 1], ordered[i])) << ordered[i + 1] << " < " << ordered[i];
    }
    EXPECT_FALSE(RussianLess("Москва", "Москва"));
}

TEST(CityLookup, ExactNameOrTheThreeClosest) {
    EXPECT_EQ(FindCity(" МОСКВА ")->name, "Москва");
    EXPECT_EQ(FindCity("Моск"), nullptr);
    struct Case {
        const char* typed;
        const char* nearest;
    };
    for (const Case& c : std::vector<Case>{{"Моква", "Москва"},
                                           {"Санкт Петербург", "Санкт-Петербург"},
                                           {"нижний новгрод", "Нижний Новгород"},
                                           {"Екатеринбур", "Екатеринбург"}}) {
        const std::vector<const City*> closest = ClosestCities(c.typed);
        ASSERT_EQ(closest.size(), 3u) << c.typed;
        EXPECT_EQ(closest[0]->name, c.nearest) << c.typed;
    }
    try {
        CityNamed("Мосва");
        ADD_FAILURE() << "accepted";
    } catch (const CalcError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Город «Мосва» не найден в таблице климата; ближайшие: Москва, ", 0), 0u)
            << e.what();
    }
    // Bytes that are not UTF-8 are compared, not trusted.
    EXPECT_EQ(FindCity("\xD0"), nullptr);
    EXPECT_EQ(ClosestCities("\xFF\xD0\x9C", 1).size(), 1u);
    EXPECT_EQ(CityNamed("Москва").name, "Москва");
}

}  // namespace
