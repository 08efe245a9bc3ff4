#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "ProjectDocumentTestSupport.h"
#include "WindowComputation.h"

using namespace projectdoc_test;
using nlohmann::json;

namespace {

// The JSON of the default project, read back, holds every shown field of the
// window hour table exactly as the windows page computes it.
TEST(ProjectResultsJson, DefaultProjectRoundTripsFieldByField) {
    const json doc = json::parse(JsonDocumentText(WriteProjectResultsJson(Compute("{}"))));

    ProjectState state;
    RunWindowComputation(state, DefaultWindowInputTexts(), WindowKind::Vertical);
    const json& orientations = doc["windows"]["orientations"];
    ASSERT_EQ(orientations.size(), 8u);
    for (int o = 1; o <= kOrientationCount; ++o) {
        const json& orientation = orientations[static_cast<std::size_t>(o - 1)];
        EXPECT_EQ(orientation["name"], std::string(OrientationAt(o).name));
        ASSERT_EQ(orientation["hours"].size(), 10u);
        for (int h = 1; h <= kHourCount; ++h) {
            const json& fields = orientation["hours"][std::string(HourLabel(h))];
            ASSERT_EQ(fields.size(), static_cast<std::size_t>(kShownFieldCount));
            for (int f = 1; f <= kShownFieldCount; ++f) {
                const std::string name(WindowFieldName(static_cast<WindowField>(f)));
                SCOPED_TRACE(std::string(OrientationAt(o).name) + " " + std::string(HourLabel(h)) + " " + name);
                EXPECT_EQ(ParseDecimal4(fields[name].get<std::string>()), state.WindowHours.Record(o, h).Field(f));
            }
        }
        EXPECT_EQ(ParseDecimal4(orientation["WindowPeakGain"].get<std::string>()), state.WindowPeakGain[o]);
        EXPECT_EQ(orientation["WindowPeakHour"], std::string(HourLabel(state.WindowPeakHour[o])));
    }
    EXPECT_EQ(doc["windows"]["WindowKind"], "Vertical");
    EXPECT_EQ(doc["windows"]["InsolationCaption"], "инс.в.");
    EXPECT_TRUE(doc["walls"].is_null());
    EXPECT_TRUE(doc["roof"].is_null());
    EXPECT_TRUE(doc["totals"]["WallMaxHour"].is_null());
}

TEST(ProjectResultsJson, FieldNamesAreTheWindowTableFields) {
    EXPECT_EQ(WindowFieldName(WindowField::GainDirect), "GainDirect");
    EXPECT_EQ(WindowFieldName(WindowField::IrradDirect), "IrradDirect");
    EXPECT_EQ(WindowFieldName(WindowField::CondOutdoorTemp), "CondOutdoorTemp");
    EXPECT_EQ(WindowFieldName(WindowField::HeatGain), "HeatGain");
    EXPECT_THROW(WindowFieldName(WindowField::SunlitHeightFraction), std::out_of_range);
}

TEST(ProjectResultsJson, KeysInAFixedOrder) {
    const std::string text = JsonDocumentText(WriteProjectResultsJson(Compute(R"({"Walls": true, "Roof": true,
        "WallLayers": [)" + std::string(kBrickLayer) + R"(], "RoofLayers": [)" +
                                                                              kBrickLayer + "]}")));
    std::vector<std::size_t> at;
    for (const char* key : {"\"windows\"", "\"GainDirect\"", "\"HeatGain\"", "\"WindowPeakGain\"", "\"walls\"",
                            "\"WallHourGain\"", "\"Resistance\"", "\"Damping\"", "\"roof\"", "\"totals\"",
                            "\"WindowHourTotal\"", "\"GrandHourTotal\"", "\"GrandMaxHour\""}) {
        at.push_back(text.find(key));
        EXPECT_NE(at.back(), std::string::npos) << key;
    }
    for (std::size_t i = 1; i < at.size(); ++i) EXPECT_LT(at[i - 1], at[i]) << i;
    EXPECT_EQ(text.back(), '\n');
}

TEST(ProjectResultsJson, ErrorDocumentSurvivesBytesThatAreNotUtf8) {
    EXPECT_EQ(JsonDocumentText(ErrorJson("Количество слоёв в стене: «x» — не целое число.")),
              "{\n  \"error\": \"Количество слоёв в стене: «x» — не целое число.\"\n}\n");
    EXPECT_NO_THROW(JsonDocumentText(ErrorJson("last read: '\xff'")));
}

}  // namespace
