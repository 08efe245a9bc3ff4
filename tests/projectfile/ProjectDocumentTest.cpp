#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "ProjectDocumentTestSupport.h"

using namespace projectdoc_test;
// Key order is part of the document.
using json = nlohmann::ordered_json;

namespace {

const std::string kFoamLayer =
    R"({"MaterialName": "пена", "HeatAbsorption": "0.50", "Conductivity": 0.04, "Thickness": "0.05"})";

// Every key of the inputs document with a value other than its default; the
// layer lists hold gaps and layers kept above their counts. The city names
// the site only: the three texts it would set are given.
const std::string kEveryInput = R"({
    "City": "Орёл", "Latitude": "52", "WindowHeight": "1.50", "WindowWidth": "2.1", "WindowCount": "2",
    "ShadeHorizLength": "0.4", "ShadeVertLength": "0.25", "ShadeHorizOffset": "0.1", "ShadeVertOffset": "0.2",
    "OutdoorMeanTemp": "24", "IndoorTemp": "21", "OutdoorAmplitude": "12.5", "RelativePenetration": "0.8",
    "GlazingAbsorptance": "0.3", "GlazingResistance": "0.4", "GlazingArea": "6.3", "WindowOuterCoeff": "25",
    "EnvelopeOuterCoeff": "14", "GlazingTilt": "15", "FrameShading": "0.8", "WindSpeed": 4,
    "WallArea": "12", "WallAbsorptance": "0.6", "WallInnerResistance": "0.1",
    "RoofArea": "20", "RoofAbsorptance": "0.5", "UnderRoofTemp": "23",
    "WindowKind": "Inclined", "Windows": false, "Walls": true, "Roof": true,
    "WindowOrientations": ["С", "СВ", "В", "ЮВ", "Ю", "ЮЗ", "З", "СЗ"], "WallOrientations": ["W", "N", "S", "E"],
    "OperatingConditions": "Б", "WallLayerCount": "2", "WallLayers": [)" +
                                std::string(kBrickLayer) + ", null, " + kFoamLayer + R"(],
    "RoofLayerCount": "1", "RoofLayers": [null, )" +
                                std::string(kBrickLayer) + R"(]
})";

std::string InputsText(const ProjectInputs& p) { return JsonDocumentText(WriteProjectInputsJson(p)); }

TEST(ProjectDocument, EveryInputSurvivesTheRoundTrip) {
    const ProjectInputs read = ReadProjectInputs(kEveryInput);
    const json written = json::parse(InputsText(read));
    const json defaults = json::parse(InputsText(ProjectInputs{}));
    std::vector<std::string> keys;
    for (const auto& [key, value] : written.items()) {
        keys.push_back(key);
        EXPECT_TRUE(!defaults.contains(key) || defaults[key] != value) << key << " was left at its default";
    }
    const std::vector<std::string> order = {"City",
                                            "Latitude",
                                            "WindowHeight",
                                            "WindowWidth",
                                            "WindowCount",
                                            "ShadeHorizLength",
                                            "ShadeVertLength",
                                            "ShadeHorizOffset",
                                            "ShadeVertOffset",
                                            "OutdoorMeanTemp",
                                            "IndoorTemp",
                                            "OutdoorAmplitude",
                                            "RelativePenetration",
                                            "GlazingAbsorptance",
                                            "GlazingResistance",
                                            "GlazingArea",
                                            "WindowOuterCoeff",
                                            "EnvelopeOuterCoeff",
                                            "GlazingTilt",
                                            "FrameShading",
                                            "WindSpeed",
                                            "WallArea",
                                            "WallAbsorptance",
                                            "WallInnerResistance",
                                            "RoofArea",
                                            "RoofAbsorptance",
                                            "UnderRoofTemp",
                                            "WindowKind",
                                            "Windows",
                                            "Walls",
                                            "Roof",
                                            "WindowOrientations",
                                            "WallOrientations",
                                            "OperatingConditions",
                                            "WallLayerCount",
                                            "WallLayers",
                                            "RoofLayerCount",
                                            "RoofLayers"};
    EXPECT_EQ(keys, order);
    // Texts as given, numbers as written, orientations by their Cyrillic names, gaps as null.
    EXPECT_EQ(written["WindowHeight"], "1.50");
    EXPECT_EQ(written["WindSpeed"], "4");
    EXPECT_EQ(written["City"], "Орёл");
    EXPECT_EQ(written["OperatingConditions"], "Б");
    EXPECT_EQ(written["WallOrientations"], json({"С", "В", "Ю", "З"}));
    EXPECT_EQ(
        written["WallLayers"][2],
        json({{"MaterialName", "пена"}, {"HeatAbsorption", "0.50"}, {"Conductivity", "0.04"}, {"Thickness", "0.05"}}));
    EXPECT_TRUE(written["RoofLayers"][0].is_null());

    EXPECT_EQ(ReadProjectInputs(InputsText(read)), read);
    EXPECT_EQ(ReadProjectDocument(WriteProjectFile(read, ProjectError{"x"})), read);
    EXPECT_EQ(ReadProjectDocument(InputsText(read)), read);
}

// A text the input page derives is written only when it was given, so that it
// is derived again after reading.
TEST(ProjectDocument, DerivedTextsAndCountsAreWrittenOnlyWhenGiven) {
    const json written = json::parse(InputsText(ProjectInputs{}));
    for (const char* key : {"ShadeHorizLength", "ShadeVertLength", "GlazingArea", "WindowOuterCoeff",
                            "EnvelopeOuterCoeff", "WindSpeed", "WallLayerCount", "RoofLayerCount"}) {
        EXPECT_FALSE(written.contains(key)) << key;
    }
    EXPECT_EQ(written["WallLayers"], json::array());
    ProjectInputs area;
    area.Window.GlazingArea = "5";
    area.GivenGlazingArea = true;
    EXPECT_EQ(json::parse(InputsText(area))["GlazingArea"], "5");
    EXPECT_EQ(ReadProjectInputs(InputsText(area)), area);
}

TEST(ProjectDocument, TheFileHoldsTheInputsAndWhatTheyGave) {
    const ProjectInputs inputs = ReadProjectInputs(R"({"WindowOrientations": ["Ю"]})");
    const ProjectOutcome outcome = ComputeProject(inputs);
    const json file = json::parse(WriteProjectFile(inputs, outcome));
    std::vector<std::string> keys;
    for (const auto& [key, value] : file.items()) keys.push_back(key);
    EXPECT_EQ(keys, (std::vector<std::string>{"format", "version", "inputs", "results"}));
    EXPECT_EQ(file["format"], "solargain-project");
    EXPECT_EQ(file["version"], 1);
    EXPECT_EQ(file["inputs"], json::parse(InputsText(inputs)));
    EXPECT_EQ(file["results"], json::parse(JsonDocumentText(WriteProjectResultsJson(RunProject(inputs)))));

    const ProjectInputs refused = ReadProjectInputs(R"({"Latitude": "61"})");
    const json failed = json::parse(WriteProjectFile(refused, ComputeProject(refused)));
    EXPECT_EQ(failed["results"], json({{"error", "Широта должна быть целым числом от 40 до 60 градусов."}}));
    EXPECT_EQ(ReadProjectDocument(failed.dump()), refused);
}

TEST(ProjectDocument, RefusesADamagedFileWithNothingRead) {
    struct Case {
        const char* name;
        std::string document;
        std::string message;
    };
    const std::string otherFormat = "Файл не является проектом: ключ \"format\" должен быть \"solargain-project\"";
    const std::string version = "Ключ \"version\" должен быть целым числом не меньше 1.";
    const std::string newer = " формата, а эта программа читает только версию 1; откройте его более новой программой.";
    const std::vector<Case> cases = {
        {"another format", R"({"format": "other", "version": 1, "inputs": {}})", otherFormat + ", а не \"other\""},
        {"format not a text", R"({"format": null, "version": 1, "inputs": {}})", otherFormat},
        {"newer version", R"({"format": "solargain-project", "version": 2, "inputs": {}})",
         "Файл проекта записан в версии 2" + newer},
        {"far newer version", R"({"format": "solargain-project", "version": 123456789012345678901, "inputs": {}})",
         "Файл проекта записан в версии 123456789012345678901" + newer},
        {"version as a text", R"({"format": "solargain-project", "version": "1", "inputs": {}})", version},
        {"version 0", R"({"format": "solargain-project", "version": 0, "inputs": {}})", version},
        {"fractional version", R"({"format": "solargain-project", "version": 1.0, "inputs": {}})", version},
        {"negative version", R"({"format": "solargain-project", "version": -1, "inputs": {}})", version},
        {"no version", R"({"format": "solargain-project", "inputs": {}})", "В файле проекта нет ключа \"version\""},
        {"no inputs", R"({"format": "solargain-project", "version": 1})", "В файле проекта нет ключа \"inputs\""},
        {"inputs not an object", R"({"format": "solargain-project", "version": 1, "inputs": []})",
         "Ключ \"inputs\" должен быть объектом JSON с именованными входными данными."},
        {"results not an object", R"({"format": "solargain-project", "version": 1, "inputs": {}, "results": null})",
         "Ключ \"results\" должен быть объектом JSON."},
        {"unknown wrapper key", R"({"format": "solargain-project", "version": 1, "inputs": {}, "comment": ""})",
         "Неизвестный ключ \"comment\" файла проекта (известны: format, version, inputs, results)"},
        {"inputs twice", R"({"format": "solargain-project", "version": 1, "inputs": {}, "inputs": {}})",
         "Ключ \"inputs\" указан дважды."},
        {"format twice", R"({"format": "solargain-project", "format": "solargain-project", "version": 1})",
         "Ключ \"format\" указан дважды."},
        {"damaged inputs", R"({"format": "solargain-project", "version": 1, "inputs": {"Walls": 1}})",
         "Ключ \"Walls\" должен быть true или false."},
        {"wrapper keys in a bare document", R"({"inputs": {}})", "Неизвестный ключ \"inputs\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ReadRefusal(c.document), c.message);
    }
    // The results are not read: any object will do.
    EXPECT_EQ(ReadRefusal(R"({"results": {"x": [1, 1]}, "inputs": {"Latitude": "50"}, "version": 1,
                              "format": "solargain-project"})"),
              "");
}

TEST(ProjectDocument, JsonIsRecognisedByItsFirstBrace) {
    struct Case {
        const char* text;
        bool json;
    };
    for (const Case& c : std::vector<Case>{{"{", true},
                                           {" \r\n\t{}", true},
                                           {"\xEF\xBB\xBF{}", true},
                                           {"\xEF\xBB\xBF \n{}", true},
                                           {"", false},
                                           {"48\r\n1.5\r\n", false},
                                           {"[{}]", false},
                                           {"\xEF\xBB{}", false},
                                           {"\xEF\xBB\xBF", false}}) {
        EXPECT_EQ(IsJsonDocumentText(c.text), c.json) << c.text;
    }
}

// The header lines of a window table file become the texts of the window and
// site inputs they hold, as given; everything else keeps its default.
TEST(ProjectDocument, TableFileGivesTheInputsOfItsHeader) {
    const std::vector<std::string> header = {"52",   "1.6",  "2.2",  "0.31", "0.32", "0.01", "0.02", "23", "21", "14",
                                             "0.85", "0.26", "0.35", "7.04", "27.5", "5",    "0.85", "2",  "4"};
    std::string text;
    for (const std::string& line : header) text += line + "\r\n";
    for (int i = 0; i < kProjectTableLines; ++i) text += "0\r\n";

    ProjectInputs expected;
    WindowInputTexts& w = expected.Window;
    w.Latitude = "52";
    w.WindowHeight = "1.6";
    w.WindowWidth = "2.2";
    w.ShadeHorizLength = "0.31";
    w.ShadeVertLength = "0.32";
    w.ShadeHorizOffset = "0.01";
    w.ShadeVertOffset = "0.02";
    w.OutdoorMeanTemp = "23";
    w.IndoorTemp = "21";
    w.OutdoorAmplitude = "14";
    w.RelativePenetration = "0.85";
    w.GlazingAbsorptance = "0.26";
    w.GlazingResistance = "0.35";
    w.GlazingArea = "7.04";
    w.WindowOuterCoeff = "27.5";
    w.GlazingTilt = "5";
    w.FrameShading = "0.85";
    expected.WindowCount = "2";
    w.WindSpeed = "4";
    expected.GivenShadeHorizLength = expected.GivenShadeVertLength = expected.GivenGlazingArea = true;
    expected.GivenWindowOuterCoeff = expected.GivenWindSpeed = true;

    EXPECT_EQ(InputsOfTableFile(ParseProjectFile(text)), expected);
    EXPECT_EQ(ReadAnyProject(text), expected);
    EXPECT_EQ(ReadAnyProject(kEveryInput), ReadProjectInputs(kEveryInput));
}

}  // namespace
