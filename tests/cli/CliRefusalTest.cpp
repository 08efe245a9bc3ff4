#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "CliCommand.h"
#include "CliTestSupport.h"
#include "InputControls.h"

using nlohmann::json;

namespace {

// Every numeric key of the inputs document, with the control of the input
// page whose text it gives; a layer's figure as the tool names it.
struct NumericKey {
    const char* key;
    const char* control;
    const char* layers;  // the list of a layer's figure; nullptr for a key of the document itself
};

// clang-format off
const NumericKey kNumericKeys[] = {
    {"Latitude",            "Latitude", nullptr},
    {"WindowHeight",        "WindowHeight",     nullptr},
    {"WindowWidth",         "WindowWidth",     nullptr},
    {"WindowCount",         "WindowCount",     nullptr},
    {"ShadeHorizLength",    "ShadeHorizLength",     nullptr},
    {"ShadeVertLength",     "ShadeVertLength",     nullptr},
    {"ShadeHorizOffset",    "ShadeHorizOffset",    nullptr},
    {"ShadeVertOffset",     "ShadeVertOffset",    nullptr},
    {"OutdoorMeanTemp",     "OutdoorMeanTemp",     nullptr},
    {"IndoorTemp",          "IndoorTemp",     nullptr},
    {"OutdoorAmplitude",    "OutdoorAmplitude",    nullptr},
    {"RelativePenetration", "RelativePenetration",    nullptr},
    {"GlazingAbsorptance",  "GlazingAbsorptance",    nullptr},
    {"GlazingResistance",   "GlazingResistance",    nullptr},
    {"GlazingArea",         "GlazingArea",    nullptr},
    {"WindowOuterCoeff",    "WindowOuterCoeff",    nullptr},
    {"EnvelopeOuterCoeff",  "EnvelopeOuterCoeff",    nullptr},
    {"GlazingTilt",         "GlazingTilt",    nullptr},
    {"FrameShading",        "FrameShading",    nullptr},
    {"WindSpeed",           "WindSpeed",     nullptr},
    {"WallArea",            "WallArea",     nullptr},
    {"WallAbsorptance",     "WallAbsorptance",    nullptr},
    {"WallInnerResistance", "WallInnerResistance",    nullptr},
    {"RoofArea",            "RoofArea",    nullptr},
    {"RoofAbsorptance",     "RoofAbsorptance",    nullptr},
    {"UnderRoofTemp",       "UnderRoofTemp",    nullptr},
    {"WallLayerCount",      "WallLayerCount",    nullptr},
    {"RoofLayerCount",      "RoofLayerCount",    nullptr},
    {"HeatAbsorption",      "WallLayerHeatAbsorption",    "WallLayers"},
    {"Conductivity",        "WallLayerConductivity",    "WallLayers"},
    {"Thickness",           "WallLayerThickness",    "WallLayers"},
    {"HeatAbsorption",      "RoofLayerHeatAbsorption",    "RoofLayers"},
    {"Conductivity",        "RoofLayerConductivity",    "RoofLayers"},
    {"Thickness",           "RoofLayerThickness",    "RoofLayers"},
};
// clang-format on

// Texts a careless or hostile user might give for a number.
std::vector<std::string> HostileTexts() {
    std::vector<std::string> texts = {
        "",
        "abc",
        "1e999",
        "-1e999",
        "-1",
        "0",
        "-0",
        "1,5",
        "1.5.5",
        "1,5,0",
        "nan",
        "NaN",
        "inf",
        "-Infinity",
        "0x10",
        "$10",
        " 1",
        "1 ",
        "1 000",
        "\t1",
        "1e-999",
        "1e",
        "+",
        "-",
        ".",
        "--1",
        "1.5м",
        "4 m/s",
        "１",
        "٣",
        "1e308",
        "2147483648",
        "51",
        "-51",
        "0.00001",
        "1_000",
        "9.2e0",
        "true",
        "null",
        "ноль",
        "900000000000000",
        "-900000000000000",
        "922337203685477.5808",
    };
    texts.push_back(std::string(200, '9'));
    texts.push_back("0." + std::string(198, '1'));
    return texts;
}

// A project that computes everything: windows, walls and roof of one brick
// layer each; `key` set to `text`.
std::string Document(const NumericKey& k, const std::string& text, const char* kind) {
    json doc = {{"WindowKind", kind},
                {"Windows", true},
                {"Walls", true},
                {"Roof", true},
                {"WallArea", "10"},
                {"WallAbsorptance", "0.7"},
                {"RoofArea", "10"},
                {"RoofAbsorptance", "0.7"},
                {"WallOrientations", {"Ю"}},
                {"WindowOrientations", {"Ю"}}};
    const json brick = json::parse(cli_test::kBrickLayer);
    doc["WallLayers"] = json::array({brick});
    doc["RoofLayers"] = json::array({brick});
    if (k.layers != nullptr)
        doc[k.layers][0][k.key] = text;
    else
        doc[k.key] = text;
    return doc.dump();
}

// What the tool names the text by: "WindowHeight", "WallLayers, слой 1, Thickness".
std::string KeyNamed(const NumericKey& k) {
    return k.layers == nullptr ? k.key : std::string(k.layers) + ", слой 1, " + k.key;
}

// The message with the parts that may be written in Latin letters taken out:
// the key, the field's name (its symbol: "Lг", "Fп") and the texts repeated
// in «».
std::string WithoutKeyNameAndQuotes(std::string message, const std::string& key, const std::string& field) {
    for (const std::string& part : {key, field}) {
        for (std::size_t at = message.find(part); at != std::string::npos; at = message.find(part))
            message.erase(at, part.size());
    }
    const std::string open = "«";
    const std::string close = "»";
    for (std::size_t at = message.find(open); at != std::string::npos; at = message.find(open)) {
        const std::size_t end = message.find(close, at);
        message.erase(at, end == std::string::npos ? std::string::npos : end + close.size() - at);
    }
    return message;
}

// Two Latin letters in a row: an English word left in a message.
bool HasLatinWord(const std::string& text) {
    const auto latin = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
    for (std::size_t i = 1; i < text.size(); ++i)
        if (latin(text[i - 1]) && latin(text[i])) return true;
    return false;
}

bool HasCyrillic(const std::string& text) {
    return text.find("\xD0") != std::string::npos || text.find("\xD1") != std::string::npos;
}

// Every hostile text in every numeric key of the document, through the
// command function: a refusal of the text is a Russian sentence that begins
// with the key and the field's Russian name (a layer count the layers do not
// fill is refused by the construction, naming it); a value the computation cannot
// carry is a Russian computation error that says where it arose. Either way
// no English word but the key, and the JSON output carries the same message.
TEST(CliRefusals, EveryHostileNumberIsRefusedInRussianNamingItsKey) {
    int refused = 0;
    int faults = 0;
    for (const char* kind : {"Vertical", "Horizontal"}) {
        for (const NumericKey& k : kNumericKeys) {
            const std::string key = KeyNamed(k);
            const std::string field = InputName(InputControlOf(k.control));
            for (const std::string& text : HostileTexts()) {
                SCOPED_TRACE(std::string(kind) + " " + key + " = «" + text + "»");
                std::istringstream in(Document(k, text, kind));
                std::ostringstream out;
                std::ostringstream err;
                const int status = RunCli({"compute"}, in, out, err);
                if (status == 0) continue;  // a value the calculation takes
                ASSERT_EQ(status, 2);
                std::string message = err.str();
                ASSERT_FALSE(message.empty());
                ASSERT_EQ(message.back(), '\n');
                message.pop_back();
                EXPECT_EQ(json::parse(out.str()), json({{"error", message}}));
                EXPECT_TRUE(HasCyrillic(message)) << message;
                const std::string rest = WithoutKeyNameAndQuotes(message, key, field);
                EXPECT_FALSE(HasLatinWord(rest)) << message;
                const bool layerCount = std::string(k.key).ends_with("LayerCount");
                if (layerCount && (message.rfind("Не введён слой ", 0) == 0 || message.rfind("Число слоёв ", 0) == 0)) {
                    // A count the layers do not fill, refused by the construction as a whole.
                    ++refused;
                } else if (message.rfind("Ошибка вычисления: ", 0) == 0) {
                    ++faults;
                    EXPECT_NE(message.find(" при "), std::string::npos) << message;
                } else {
                    ++refused;
                    EXPECT_EQ(message.rfind(key + " (" + field + "): ", 0), 0u) << message;
                }
            }
        }
    }
    // Most hostile texts are refused at their field; only a few values the
    // fields take run the computation past what it can hold.
    EXPECT_GT(refused, 1500);
    EXPECT_LT(faults, refused / 20);
}

// The Russian field names of the refusals come from the input table; a few
// written out, so that the table cannot drift from what the tool says.
TEST(CliRefusals, RefusalsAsTheToolSaysThem) {
    struct Case {
        const char* document;
        const char* message;
    };
    // clang-format off
    const Case cases[] = {
        {R"({"WindowHeight": "abc"})",  "WindowHeight (Высота окна Н): «abc» — не число."},
        {R"({"WindowWidth": ""})",      "WindowWidth (Ширина окна В): пусто — введите число."},
        {R"({"GlazingArea": "1e999"})", "GlazingArea (Площадь световых проёмов Fп): «1e999» — слишком большое по модулю число."},
        {R"({"Latitude": "0x10"})",     "Latitude (Северная широта района φ): Широта должна быть целым числом от 40 до 60 градусов."},
        {R"({"WindowCount": "0"})",     "WindowCount (Количество однотипных окон n): должно быть целым числом не меньше 1 (введено 0)"},
        {R"({"Walls": true, "WallLayers": [{"HeatAbsorption": "9.2", "Conductivity": "0.81", "Thickness": "0.38"},
            {"HeatAbsorption": "9.2", "Conductivity": "nan", "Thickness": "0.38"}]})",
         "WallLayers, слой 2, Conductivity (Коэффициент теплопроводности слоя стены λ): «nan» — не число."},
        {R"({"WallLayerCount": "-7"})", "WallLayerCount (Количество слоёв в стене): Число слоёв не может быть отрицательным."},
        {R"({"WindowOuterCoeff": "0"})", "WindowOuterCoeff (Коэффициент теплоотдачи наружной поверхности вертикального окна αн): должен быть больше 0 (введено 0)"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.document);
        std::istringstream in(c.document);
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(RunCli({"compute", "--format=csv"}, in, out, err), 2);
        EXPECT_EQ(err.str(), std::string(c.message) + "\n");
    }
}

}  // namespace
