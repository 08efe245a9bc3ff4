#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "CliOutput.h"
#include "CliTestSupport.h"

using namespace cli_test;
using nlohmann::json;

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST(CliOutput, CsvHasTheTotalsThenOneBlockPerOrientation) {
    const std::vector<std::string> lines = Lines(ResultsCsv(Compute(R"({"WindowOrientations": ["Ю"]})")));
    ASSERT_EQ(lines.size(), 5u + 8u * (1u + 1u + 17u));
    EXPECT_EQ(lines[0], "Totals,8-9,9-10,10-11,11-12,12-13,13-14,14-15,15-16,16-17,17-18");
    EXPECT_EQ(lines[2], "WallHourTotal,0,0,0,0,0,0,0,0,0,0");
    EXPECT_EQ(lines[5], "");
    EXPECT_EQ(lines[6], "С,8-9,9-10,10-11,11-12,12-13,13-14,14-15,15-16,16-17,17-18");
    const std::size_t south = 5 + 4 * 19;
    EXPECT_EQ(lines[south + 1], "Ю,8-9,9-10,10-11,11-12,12-13,13-14,14-15,15-16,16-17,17-18");
    EXPECT_EQ(lines[south + 2].rfind("GainDirect,", 0), 0u);
    const std::string heatGain = lines[south + 18];
    EXPECT_EQ(heatGain.rfind("HeatGain,", 0), 0u);
    EXPECT_NE(heatGain.find(",760,"), std::string::npos);
    EXPECT_EQ(lines[1].substr(0, lines[1].find(',')), "WindowHourTotal");
    EXPECT_EQ(lines[1].substr(lines[1].find(',') + 1), heatGain.substr(heatGain.find(',') + 1));
}

TEST(CliOutput, CsvOfTheWorkedEnvelope) {
    const std::vector<std::string> lines = Lines(ResultsCsv(Compute(R"({"Windows": false, "Walls": true, "Roof": true,
        "WallOrientations": ["Ю"], "WallArea": "10", "WallAbsorptance": "0.7", "RoofArea": "10",
        "RoofAbsorptance": "0.7", "WallLayers": [)" + std::string(kBrickLayer) +
                                                                    R"(], "RoofLayers": [)" + kBrickLayer + "]}")));
    ASSERT_EQ(lines.size(), 5u);  // no window blocks when windows are excluded
    EXPECT_EQ(lines[4], "GrandHourTotal,414,428,440,442,437,422,400,378,350,330");
}

TEST(CliOutput, RadiationTableInBothFormats) {
    const CliRadiationTable table = ComputeRadiationTable("48");
    const std::vector<std::string> lines = Lines(RadiationCsv(table));
    ASSERT_EQ(lines.size(), 81u);
    EXPECT_EQ(lines[5 * 10 - 10 + 5], "Ю,12-13,317,87.7924,370.1152,120,643,98,733,133,61.1152,16");
    const json doc = json::parse(JsonDocumentText(RadiationJson(table)));
    EXPECT_EQ(doc["Latitude"], 48);
    const json& noon = doc["orientations"][4]["hours"]["12-13"];
    EXPECT_EQ(noon["Vertical"]["IrradDirect"], "370.1152");
    EXPECT_EQ(noon["Horizontal"]["GainDirect"], "643");
    EXPECT_EQ(noon["SunAzimuth"], "16");
}

TEST(CliOutput, CsvFieldsQuotedOnlyWhenNeeded) {
    struct Case {
        const char* text;
        const char* field;
    };
    for (const Case& c : std::vector<Case>{{"760", "760"},
                                           {"-0.13", "-0.13"},
                                           {"a,b", "\"a,b\""},
                                           {"say \"x\"", "\"say \"\"x\"\"\""},
                                           {"two\nlines", "\"two\nlines\""},
                                           {"", ""}}) {
        EXPECT_EQ(CsvField(c.text), c.field) << c.text;
    }
}

}  // namespace
