#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ProjectDocumentTestSupport.h"

using namespace projectdoc_test;

namespace {

struct Refusal {
    const char* name;
    std::string document;
    std::string message;
};

const std::string kLayerKeys =
    "должен быть объектом с ключами MaterialName, HeatAbsorption, Conductivity, Thickness или null.";

std::string Layers(int count) {
    std::string list = "[";
    for (int i = 0; i < count; ++i) list += std::string(i ? "," : "") + kBrickLayer;
    return list + "]";
}

TEST(ProjectInputsRead, RefusesEachKindOfBadDocumentNamingTheKey) {
    const std::string longText(kMaxInputTextLength + 1, '7');
    std::string longName;  // characters, not bytes, are counted
    for (std::size_t i = 0; i <= kMaxInputTextLength; ++i) longName += "ж";
    const std::vector<Refusal> cases = {
        {"empty document", "",
         "ошибка в строке 1, столбце 1: текст кончается раньше документа: не хватает закрывающей скобки или "
         "значения; ожидалось: '[', '{' или значение."},
        {"unclosed object", "{",
         "ошибка в строке 1, столбце 2: текст кончается раньше документа: не хватает закрывающей скобки или "
         "значения; ожидалось: строка в кавычках."},
        {"text after the object", "{} x",
         "ошибка в строке 1, столбце 4: после конца документа стоит ещё текст; прочитано: «{} x»; ожидалось: "
         "конец текста."},
        {"a list, not an object", "[]", "Проект должен быть объектом JSON с именованными входными данными."},
        {"unknown key", R"({"Lattitude": "48"})", "Неизвестный ключ \"Lattitude\""},
        {"key given twice", R"({"Latitude": "48", "Latitude": "50"})", "Ключ \"Latitude\" указан дважды."},
        {"boolean for a text", R"({"WindowHeight": true})", "Ключ \"WindowHeight\" должен быть текстом или числом."},
        {"null for a text", R"({"WallArea": null})", "Ключ \"WallArea\" должен быть текстом или числом."},
        {"list for a count", R"({"RoofLayerCount": [3]})", "Ключ \"RoofLayerCount\" должен быть текстом или числом."},
        {"text too long", R"({"WindowWidth": ")" + longText + "\"}",
         "Ключ \"WindowWidth\" содержит текст длиннее 1000 знаков."},
        {"number too long", R"({"WallLayerCount": 0.)" + longText.substr(2) + "}",
         "Ключ \"WallLayerCount\" содержит текст длиннее 1000 знаков."},
        {"text for a check box", R"({"Walls": "yes"})", "Ключ \"Walls\" должен быть true или false."},
        {"number for a check box", R"({"Windows": 1})", "Ключ \"Windows\" должен быть true или false."},
        {"unknown window kind", R"({"WindowKind": "vertical"})",
         "Ключ \"WindowKind\" должен быть \"Vertical\", \"Inclined\" или \"Horizontal\""},
        {"orientation not in a list", R"({"WindowOrientations": "Ю"})",
         "Ключ \"WindowOrientations\" должен быть списком названий сторон света."},
        {"number as orientation", R"({"WallOrientations": [5]})",
         "Ключ \"WallOrientations\" должен быть списком названий сторон света."},
        {"unknown orientation", R"({"WallOrientations": ["Ю", "South"]})",
         "Ключ \"WallOrientations\" содержит неизвестную сторону света \"South\" (известны: С, СВ, В, ЮВ, Ю, ЮЗ, З, "
         "СЗ или N, NE, E, SE, S, SW, W, NW)"},
        {"unknown conditions", R"({"OperatingConditions": "В"})",
         "Ключ \"OperatingConditions\" должен быть \"А\" или \"Б\""},
        {"conditions not a text", R"({"OperatingConditions": 1})",
         "Ключ \"OperatingConditions\" должен быть \"А\" или \"Б\""},
        {"list for a city", R"({"City": ["Москва"]})", "Ключ \"City\" должен быть текстом или числом."},
        {"layers not a list", R"({"WallLayers": {}})", "Ключ \"WallLayers\" должен быть списком слоёв."},
        {"layer not an object", R"({"RoofLayers": [null, 1]})", "Слой 2 в \"RoofLayers\" " + kLayerKeys},
        {"layer without thickness",
         R"({"WallLayers": [)" + std::string(kBrickLayer) + R"(, {"HeatAbsorption": "1", "Conductivity": "1"}]})",
         "Слой 2 в \"WallLayers\" не содержит ключа \"Thickness\""},
        {"unknown layer key",
         R"({"WallLayers": [{"HeatAbsorption": "1", "Conductivity": "1", "Thickness": "1", )"
         R"("Density": "1800"}]})",
         "Слой 1 в \"WallLayers\" содержит неизвестный ключ \"Density\""},
        {"layer key twice",
         R"({"WallLayers": [{"HeatAbsorption": "1", "Conductivity": "1", "Thickness": "1", )"
         R"("Thickness": "2"}]})",
         "Слой 1 в \"WallLayers\" содержит ключ \"Thickness\" дважды."},
        {"boolean layer value", R"({"RoofLayers": [{"HeatAbsorption": false, "Conductivity": "1", "Thickness": "1"}]})",
         "Ключ \"HeatAbsorption\" слоя 1 в \"RoofLayers\" должен быть текстом или числом."},
        {"layer name too long",
         R"({"RoofLayers": [{"MaterialName": ")" + longName +
             R"(", "HeatAbsorption": "1", "Conductivity": "1", )"
             R"("Thickness": "1"}]})",
         "Ключ \"MaterialName\" слоя 1 в \"RoofLayers\" содержит текст длиннее 1000 знаков."},
        {"more layers than a table holds", R"({"WallLayers": )" + Layers(51) + "}",
         "Ключ \"WallLayers\" перечисляет больше 50 слоёв (51)"},
        {"nesting without end", R"({"Latitude": )" + std::string(100, '[') + std::string(100, ']') + "}",
         "списки и объекты вложены слишком глубоко."},
        {"bytes that are not UTF-8", "{\"Latitude\": \"4\xff\"}",
         "ошибка в строке 1, столбце 16: байты не в кодировке UTF-8; прочитано: «\"4\xff»."},
    };
    for (const Refusal& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ReadRefusal(c.document), c.message);
    }
    // Texts and lists at their limits are read.
    EXPECT_EQ(ReadRefusal(R"({"WindowWidth": ")" + longName.substr(2) + R"(", "WallLayers": )" + Layers(50) + "}"), "");
}

TEST(ProjectInputsRead, AbsentKeysKeepTheInputPageDefaults) {
    const ProjectInputs p = ReadProjectInputs("{}");
    const WindowInputTexts defaults = DefaultWindowInputTexts();
    EXPECT_EQ(p.Window.Latitude, "48");
    EXPECT_EQ(p.Window.GlazingArea, defaults.GlazingArea);
    EXPECT_EQ(p.Window.WindowOuterCoeff, "26.87");
    EXPECT_EQ(p.Window.EnvelopeOuterCoeff, "13.42");
    EXPECT_EQ(p.WindowCount, "1");
    EXPECT_EQ(p.UnderRoofTemp, "22");
    EXPECT_EQ(p.WallInnerResistance, "0");
    EXPECT_TRUE(p.Windows);
    EXPECT_FALSE(p.Walls);
    EXPECT_FALSE(p.Roof);
    EXPECT_EQ(p.Kind, WindowKind::Vertical);
    EXPECT_EQ(p.City, "");
    EXPECT_EQ(p.OperatingConditions, Conditions::A);
    for (int o = 0; o < kOrientationCount; ++o) {
        EXPECT_FALSE(p.WindowOrientations[static_cast<std::size_t>(o)]);
        EXPECT_FALSE(p.WallOrientations[static_cast<std::size_t>(o)]);
    }
    EXPECT_FALSE(p.WallLayerCount.has_value());
    EXPECT_FALSE(p.GivenWindSpeed);
    // Each text the tool starts from is its control's start-up text.
    for (const InputControl* input : WindowInputs()) EXPECT_EQ(p.Window.*input->windowText, input->defaultText);
    // clang-format off
    const struct { const std::string& text; const char* control; } others[] = {
        {p.WindowCount,         "WindowCount" },
        {p.WallArea,            "WallArea" },
        {p.WallAbsorptance,     "WallAbsorptance"},
        {p.WallInnerResistance, "WallInnerResistance"},
        {p.RoofArea,            "RoofArea"},
        {p.RoofAbsorptance,     "RoofAbsorptance"},
        {p.UnderRoofTemp,       "UnderRoofTemp"},
    };
    // clang-format on
    for (const auto& other : others) EXPECT_EQ(other.text, InputControlOf(other.control).defaultText) << other.control;
}

// A city fills the latitude (whole degrees, .5 up), tн.ср and Atн that the
// document leaves out, from its row of the climate table; given texts win.
TEST(ProjectInputsRead, ACityFillsTheClimateTextsLeftOut) {
    struct Case {
        const char* name;
        std::string document;
        const char* latitude;
        const char* julyMean;
        const char* amplitude;
    };
    for (const Case& c : std::vector<Case>{
             {"none given", R"({"City": "Москва"})", "56", "19.2", "10.2"},
             {"a doubtful row", R"({"City": "Самара"})", "53", "21.5", "10.8"},
             {"case and blanks", R"({"City": "  КАЛУГА "})", "55", "18.3", "11.3"},
             {"latitude given", R"({"City": "Москва", "Latitude": "50"})", "50", "19.2", "10.2"},
             {"tн.ср given", R"({"OutdoorMeanTemp": "25", "City": "Москва"})", "56", "25", "10.2"},
             {"Atн given", R"({"City": "Москва", "OutdoorAmplitude": "7"})", "56", "19.2", "7"},
             {"all given",
              R"({"City": "Москва", "Latitude": "48", "OutdoorMeanTemp": "22.5", "OutdoorAmplitude": "14.7"})", "48",
              "22.5", "14.7"},
             {"all given, a city not in the table",
              R"({"City": "Мсква", "Latitude": "48", "OutdoorMeanTemp": "22.5", "OutdoorAmplitude": "14.7"})", "48",
              "22.5", "14.7"},
             {"an empty city", R"({"City": " "})", "48", "22.5", "14.7"},
             {"half a degree rounds up", R"({"City": "Муром"})", "56", "19.3", "12.4"},
         }) {
        SCOPED_TRACE(c.name);
        const ProjectInputs p = ReadProjectInputs(c.document);
        EXPECT_EQ(p.Window.Latitude, c.latitude);
        EXPECT_EQ(p.Window.OutdoorMeanTemp, c.julyMean);
        EXPECT_EQ(p.Window.OutdoorAmplitude, c.amplitude);
        // The city is kept as given, and the written document reads back the same.
        EXPECT_EQ(ReadProjectInputs(JsonDocumentText(WriteProjectInputsJson(p))), p);
    }
    EXPECT_EQ(ReadProjectInputs(R"({"City": "  КАЛУГА "})").City, "  КАЛУГА ");
}

TEST(ProjectInputsRead, ACityThatCannotFillIsRefused) {
    const std::vector<Refusal> cases = {
        {"not in the table", R"({"City": "Мсква"})",
         "Город «Мсква» не найден в таблице климата; ближайшие: Москва, Выкса, Омск."},
        {"the row taken for wrong is left out", R"({"City": "Луга", "Latitude": "59"})",
         "Город «Луга» не найден в таблице климата; ближайшие: Калуга, Тула, Уфа."},
        {"a number", R"({"City": 56})", "Город «56» не найден в таблице климата; ближайшие: Зея, Оха, Уфа."},
    };
    for (const Refusal& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ReadRefusal(c.document), c.message);
        EXPECT_EQ(ReadRefusal(R"({"format": "solargain-project", "version": 1, "inputs": )" + c.document + "}"),
                  c.message);
    }
}

TEST(ProjectInputsRead, NumbersAreTakenAsTheyAreWritten) {
    struct Case {
        const char* written;
        const char* text;
    };
    for (const Case& c : std::vector<Case>{{"1.50", "1.50"},
                                           {"15E-1", "15E-1"},
                                           {"-0.5", "-0.5"},
                                           {"48", "48"},
                                           {"0.00015", "0.00015"},
                                           {"123456789012345678901234", "123456789012345678901234"}}) {
        SCOPED_TRACE(c.written);
        const ProjectInputs p = ReadProjectInputs(std::string(R"({"WindowHeight": )") + c.written + "}");
        EXPECT_EQ(p.Window.WindowHeight, c.text);
    }
}

TEST(ProjectInputsRead, OrientationNamesInEitherAlphabet) {
    const ProjectInputs p =
        ReadProjectInputs(R"({"WindowOrientations": ["Ю", "NW", "S"], "WallOrientations": ["СВ", "E"]})");
    EXPECT_EQ(p.WindowOrientations, (std::array<bool, 8>{false, false, false, false, true, false, false, true}));
    EXPECT_EQ(p.WallOrientations, (std::array<bool, 8>{false, true, true, false, false, false, false, false}));
    EXPECT_EQ(OrientationByName("ЮЗ"), 6);
    EXPECT_EQ(OrientationByName("SW"), 6);
    EXPECT_EQ(OrientationByName("   Ю"), 0);  // a page caption is not a name
}

TEST(ProjectInputsRead, LayersKeepTheirTextsAndOrder) {
    const ProjectInputs p =
        ReadProjectInputs(R"({"RoofLayers": [{"HeatAbsorption": 0.50, "Conductivity": "0.04", "Thickness": "0.05"},)" +
                          std::string(kBrickLayer) + "]}");
    EXPECT_EQ(p.RoofLayers, (LayerList{LayerEntryTexts{"", "0.50", "0.04", "0.05"},
                                       LayerEntryTexts{"Кирпич", "9.2", "0.81", "0.38"}}));
    EXPECT_FALSE(p.RoofLayerCount.has_value());
}

TEST(ProjectInputsRead, NullIsALayerNeverEntered) {
    const ProjectInputs p =
        ReadProjectInputs(R"({"WallLayerCount": "1", "WallLayers": [null, )" + std::string(kBrickLayer) + ", null]}");
    EXPECT_EQ(p.WallLayers, (LayerList{std::nullopt, LayerEntryTexts{"Кирпич", "9.2", "0.81", "0.38"}, std::nullopt}));
    EXPECT_EQ(p.WallLayerCount, "1");
}

}  // namespace
