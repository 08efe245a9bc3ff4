#include <gtest/gtest.h>

#include <string>

#include "BuildingDocument.h"
#include "CalcError.h"

namespace {

std::string Refusal(const std::string& properties) {
    try {
        ReadAnyBuilding(R"({"format": "solargain-project", "version": 2, "inputs": {"Rooms": [], "Properties": )" +
                        properties + "}}");
        return "";
    } catch (const CalcError& e) {
        return e.what();
    }
}

}  // namespace

// Every property written is read back; none given writes no object, so that
// a building without them is written as before.
TEST(ProjectProperties, ReadBackEqualAndLeftOutWhenEmpty) {
    BuildingInputs building;
    building.Rooms.push_back({});
    const std::string plain = WriteBuildingFile(building, BuildingResults{});
    EXPECT_EQ(plain.find("Properties"), std::string::npos);

    building.Properties = {"Школа № 5",    "ул. Ленина, 1", "ООО «Проект»",
                           "Иванов И. И.", "Петров П. П.",  "Вторая строка\nи третья, «кавычки» и \"кавычки\""};
    const std::string text = WriteBuildingFile(building, BuildingResults{});
    EXPECT_EQ(ReadAnyBuilding(text), building);
    EXPECT_NE(text.find(R"("Object": "Школа № 5")"), std::string::npos);

    // One property alone, the rest empty.
    building.Properties = {};
    building.Properties.CheckedBy = "Петров";
    EXPECT_EQ(ReadAnyBuilding(WriteBuildingFile(building, BuildingResults{})), building);
}

TEST(ProjectProperties, RefusalsNameTheKey) {
    const std::string tooLong(201, 'x');
    const struct {
        const char* what;
        std::string properties;
        std::string expected;
    } cases[] = {
        {"an unknown key", R"({"Autor": "Иванов"})",
         "Свойства проекта: Неизвестный ключ \"Autor\" (известны: Object, Address, Organisation, Author, CheckedBy, "
         "Notes)"},
        {"a key twice", R"({"Author": "А", "Author": "Б"})", "Свойства проекта: Ключ \"Author\" указан дважды"},
        {"a number", R"({"Object": 5})", "Свойства проекта: Ключ \"Object\" должен быть текстом"},
        {"a list", R"({"Notes": ["а"]})", "Свойства проекта: Ключ \"Notes\" должен быть текстом"},
        {"no object", R"("Школа")", "Свойства проекта: должны быть объектом JSON"},
        {"a name too long", R"({"Object": ")" + tooLong + R"("})",
         "Свойства проекта: Ключ \"Object\" содержит текст длиннее 200 знаков"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Refusal(c.properties), c.expected);
    }
    // Notes take longer texts than the one-line fields.
    EXPECT_EQ(Refusal(R"({"Notes": ")" + tooLong + R"("})"), "");
}
