#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CliTestSupport.h"

using namespace cli_test;

namespace {

struct Refusal {
    const char* name;
    std::string document;
    std::string message;
};

std::string ReadRefusal(const std::string& document) {
    try {
        ReadCliProject(document);
        return "";
    } catch (const CalcError& e) {
        return ErrorBoxText(e.what());
    }
}

const std::string kLayerKeys = "must be an object with MaterialName, HeatAbsorption, Conductivity and Thickness.";

std::string Layers(int count) {
    std::string list = "[";
    for (int i = 0; i < count; ++i) list += std::string(i ? "," : "") + kBrickLayer;
    return list + "]";
}

TEST(CliProjectRead, RefusesEachKindOfBadDocumentNamingTheKey) {
    const std::vector<Refusal> cases = {
        {"empty document", "",
         "The project is not a JSON document: parse error at line 1, column 1: syntax error "
         "while parsing value - unexpected end of input; expected '[', '{', or a literal."},
        {"unclosed object", "{",
         "The project is not a JSON document: parse error at line 1, column 2: syntax error "
         "while parsing object key - unexpected end of input; expected string literal."},
        {"text after the object", "{} x",
         "The project is not a JSON document: parse error at line 1, column 4: "
         "syntax error while parsing value - invalid literal; last read: '{} x'; expected end of input."},
        {"a list, not an object", "[]", "The project must be a JSON object of named inputs."},
        {"unknown key", R"({"Lattitude": "48"})", "Unknown key \"Lattitude\""},
        {"key given twice", R"({"Latitude": "48", "Latitude": "50"})", "The key \"Latitude\" is given twice."},
        {"boolean for a text", R"({"WindowHeight": true})", "\"WindowHeight\" must be a text or a number."},
        {"null for a text", R"({"WallArea": null})", "\"WallArea\" must be a text or a number."},
        {"list for a count", R"({"RoofLayerCount": [3]})", "\"RoofLayerCount\" must be a text or a number."},
        {"text for a check box", R"({"Walls": "yes"})", "\"Walls\" must be true or false."},
        {"number for a check box", R"({"Windows": 1})", "\"Windows\" must be true or false."},
        {"unknown window kind", R"({"WindowKind": "vertical"})",
         "\"WindowKind\" must be \"Vertical\", \"Inclined\" or \"Horizontal\""},
        {"orientation not in a list", R"({"WindowOrientations": "Ю"})",
         "\"WindowOrientations\" must be a list of orientation names."},
        {"number as orientation", R"({"WallOrientations": [5]})",
         "\"WallOrientations\" must be a list of orientation names."},
        {"unknown orientation", R"({"WallOrientations": ["Ю", "South"]})",
         "\"WallOrientations\" has an unknown orientation \"South\" (known: С, СВ, В, ЮВ, Ю, ЮЗ, З, СЗ or N, NE, "
         "E, SE, S, SW, W, NW)"},
        {"layers not a list", R"({"WallLayers": {}})", "\"WallLayers\" must be a list of layers."},
        {"layer not an object", R"({"RoofLayers": [1]})", "\"RoofLayers\"[1] " + kLayerKeys},
        {"layer without thickness",
         R"({"WallLayers": [)" + std::string(kBrickLayer) + R"(, {"HeatAbsorption": "1", "Conductivity": "1"}]})",
         "\"WallLayers\"[2] has no \"Thickness\""},
        {"unknown layer key",
         R"({"WallLayers": [{"HeatAbsorption": "1", "Conductivity": "1", "Thickness": "1", )"
         R"("Density": "1800"}]})",
         "\"WallLayers\"[1] has an unknown key \"Density\""},
        {"layer key twice",
         R"({"WallLayers": [{"HeatAbsorption": "1", "Conductivity": "1", "Thickness": "1", )"
         R"("Thickness": "2"}]})",
         "\"WallLayers\"[1] has the key \"Thickness\" twice."},
        {"boolean layer value", R"({"RoofLayers": [{"HeatAbsorption": false, "Conductivity": "1", "Thickness": "1"}]})",
         "\"RoofLayers\"[1].HeatAbsorption must be a text or a number."},
        {"more layers than a table holds", R"({"WallLayers": )" + Layers(51) + "}",
         "\"WallLayers\" lists 51 layers; a construction holds at most 50."},
        {"nesting without end", R"({"Latitude": )" + std::string(100, '[') + std::string(100, ']') + "}",
         "The project nests lists and objects too deeply."},
        {"bytes that are not UTF-8", "{\"Latitude\": \"4\xff\"}",
         "The project is not a JSON document: parse error at line 1, column 16: syntax error while parsing value - "
         "invalid string: ill-formed UTF-8 byte; last read: '\"4\xff'"},
    };
    for (const Refusal& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ReadRefusal(c.document), c.message);
    }
}

TEST(CliProjectRead, AbsentKeysKeepTheInputPageDefaults) {
    const CliProject p = ReadCliProject("{}");
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
        {p.WindowCount,         "Edit3" },
        {p.WallArea,            "Edit4" },
        {p.WallAbsorptance,     "Edit22"},
        {p.WallInnerResistance, "Edit39"},
        {p.RoofArea,            "Edit23"},
        {p.RoofAbsorptance,     "Edit26"},
        {p.UnderRoofTemp,       "Edit40"},
    };
    // clang-format on
    for (const auto& other : others) EXPECT_EQ(other.text, InputControlOf(other.control).defaultText) << other.control;
}

TEST(CliProjectRead, NumbersAreTakenAsTheyAreWritten) {
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
        const CliProject p = ReadCliProject(std::string(R"({"WindowHeight": )") + c.written + "}");
        EXPECT_EQ(p.Window.WindowHeight, c.text);
    }
}

TEST(CliProjectRead, OrientationNamesInEitherAlphabet) {
    const CliProject p = ReadCliProject(R"({"WindowOrientations": ["Ю", "NW", "S"], "WallOrientations": ["СВ", "E"]})");
    EXPECT_EQ(p.WindowOrientations, (std::array<bool, 8>{false, false, false, false, true, false, false, true}));
    EXPECT_EQ(p.WallOrientations, (std::array<bool, 8>{false, true, true, false, false, false, false, false}));
    EXPECT_EQ(OrientationByName("ЮЗ"), 6);
    EXPECT_EQ(OrientationByName("SW"), 6);
    EXPECT_EQ(OrientationByName("   Ю"), 0);  // a page caption is not a name
}

TEST(CliProjectRead, LayersKeepTheirTextsAndOrder) {
    const CliProject p =
        ReadCliProject(R"({"RoofLayers": [{"HeatAbsorption": 0.50, "Conductivity": "0.04", "Thickness": "0.05"},)" +
                       std::string(kBrickLayer) + "]}");
    ASSERT_EQ(p.RoofLayers.size(), 2u);
    EXPECT_EQ(p.RoofLayers[0], (LayerEntryTexts{"", "0.50", "0.04", "0.05"}));
    EXPECT_EQ(p.RoofLayers[1], (LayerEntryTexts{"Кирпич", "9.2", "0.81", "0.38"}));
    EXPECT_FALSE(p.RoofLayerCount.has_value());
}

}  // namespace
