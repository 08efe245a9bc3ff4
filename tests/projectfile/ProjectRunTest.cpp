#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ProjectDocumentTestSupport.h"
#include "Totals.h"
#include "WorkedWindow.h"

using namespace projectdoc_test;

namespace {

// The worked wall and roof hours: one brick layer, latitude 48, V 3.3,
// tн 22.5, tв 20, Atн 14.7, ρ 0.7, F 10, tпокр 22.
// The layer lists are given without their brackets.
std::string Envelope(const std::string& wallLayers, const std::string& roofLayers, const std::string& extra = "") {
    return R"({"Windows": false, "Walls": true, "Roof": true, "WallOrientations": ["Ю"],
               "WallArea": "10", "WallAbsorptance": "0.7", "RoofArea": "10", "RoofAbsorptance": "0.7",
               "WallLayers": [)" +
           wallLayers + R"(], "RoofLayers": [)" + roofLayers + "]" + extra + "}";
}
std::string EnvelopeExample(const std::string& extra = "") { return Envelope(kBrickLayer, kBrickLayer, extra); }

TEST(ProjectRun, WorkedWindowRecordAtLatitude48) {
    const ProjectResults r = Compute(R"({"Latitude": "48", "WindowKind": "Vertical"})");
    ASSERT_TRUE(r.Windows);
    EXPECT_EQ(r.Windows->InsolationCaption, "инс.в.");
    ExpectSouthNoonShown(r.Windows->Table.Record(kSouth, kNoon));
}

TEST(ProjectRun, WorkedInclinedAndHorizontalRecords) {
    // The coefficients as the worked records state them; choosing a kind
    // other than vertical would otherwise show them from the wind speed.
    const ProjectResults inclined =
        Compute(R"({"WindowKind": "Inclined", "GlazingTilt": "10", "WindowOuterCoeff": "26.87"})");
    const WindowHourRecord& i = inclined.Windows->Table.Record(kSouth, kNoon);
    EXPECT_EQ(inclined.Windows->InsolationCaption, "инс.н.");
    EXPECT_EQ(Shown(i[WindowField::InsolationCoeff]), "0.719");
    EXPECT_EQ(Shown(i[WindowField::CondOutdoorTemp]), "32.4843");
    EXPECT_EQ(Shown(i[WindowField::HeatGain]), "1133");

    const ProjectResults horizontal = Compute(R"({"WindowKind": "Horizontal", "EnvelopeOuterCoeff": "13.42"})");
    const WindowHourRecord& h = horizontal.Windows->Table.Record(kNorth, kNoon);
    EXPECT_EQ(horizontal.Windows->InsolationCaption, "инс.г.");
    EXPECT_EQ(Shown(h[WindowField::IrradiationCoeff]), "1");
    EXPECT_EQ(Shown(h[WindowField::CondOutdoorTemp]), "42.8259");
    EXPECT_EQ(Shown(h[WindowField::FluxTotal]), "667");
    EXPECT_EQ(Shown(h[WindowField::HeatGain]), "2032");
}

TEST(ProjectRun, WorkedWallRoofAndTotals) {
    const ProjectResults r = Compute(EnvelopeExample());
    ASSERT_TRUE(r.Walls);
    ASSERT_TRUE(r.Roof);
    EXPECT_FALSE(r.Windows);
    const char* south[kHourCount] = {"108.3185", "112.0012", "114.2532", "113.489", "110.1438",
                                     "104.2179", "96.3049",  "87.9905",  "80.3642", "80.3392"};
    for (int h = 1; h <= kHourCount; ++h) EXPECT_EQ(Shown(r.Walls->HourGain[kSouth][h]), south[h - 1]) << h;
    EXPECT_EQ(Shown(r.Walls->Figures.Resistance), "0.6213");
    EXPECT_EQ(Shown(r.Walls->Figures.Inertia), "4.3157");
    EXPECT_EQ(r.Walls->Figures.Lag, 11);
    EXPECT_EQ(Shown(r.Walls->Figures.DampingProduct), "1.3059");

    EXPECT_EQ(Shown(r.Roof->HourGain[kNoon]), "326.7235");
    EXPECT_EQ(Shown(r.Roof->Figures.Resistance), "0.6585");
    EXPECT_EQ(r.Roof->Figures.Lag, 11);
    EXPECT_EQ(Shown(r.Roof->Figures.DampingProduct), "1.6396");
    EXPECT_EQ(Shown(r.Roof->Figures.Damping), "31.201");

    EXPECT_EQ(Shown(r.Totals.WindowHourTotal[kNoon]), "0");
    EXPECT_EQ(Shown(r.Totals.WallHourTotal[kNoon]), "110");
    EXPECT_EQ(Shown(r.Totals.RoofHourGain[kNoon]), "327");
    EXPECT_EQ(Shown(r.Totals.GrandHourTotal[kNoon]), "437");
    EXPECT_FALSE(r.Totals.WindowMaxHour);
    EXPECT_EQ(r.Totals.WallMaxHour, 3);
    EXPECT_EQ(r.Totals.RoofMaxHour, 4);
    EXPECT_EQ(r.Totals.GrandMaxHour, 4);
    // The roof figures before the page's rounding are the ones it rounded.
    for (int h = 1; h <= kHourCount; ++h) {
        EXPECT_EQ(RoundToWholeWatts(r.Roof->HourGain[h]), r.Totals.RoofHourGain[h]) << h;
    }
}

TEST(ProjectRun, WindowTotalsAddTheCheckedOrientations) {
    const ProjectResults r = Compute(R"({"WindowOrientations": ["Ю", "S", "N"]})");
    for (int h = 1; h <= kHourCount; ++h) {
        const Decimal4 expected = r.Windows->Table.Record(kSouth, h)[WindowField::HeatGain] +
                                  r.Windows->Table.Record(kNorth, h)[WindowField::HeatGain];
        EXPECT_EQ(r.Totals.WindowHourTotal[h], expected) << h;
        EXPECT_EQ(r.Totals.GrandHourTotal[h], expected) << h;
    }
    EXPECT_EQ(r.Totals.WindowMaxHour, r.Totals.GrandMaxHour);
    EXPECT_FALSE(r.Totals.WallMaxHour);
}

// Which texts the input page derives, and when.
TEST(ProjectRun, DerivedTextsFollowTheTypingOfTheInputPage) {
    struct Case {
        const char* name;
        const char* document;
        Decimal4 ProjectState::*stored;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {"default area", "{}", &ProjectState::GlazingArea, "3"},
        {"area of the rounded inputs", R"({"WindowHeight": "1.23456"})", &ProjectState::GlazingArea, "2.4692"},
        {"decimal commas", R"({"WindowHeight": "1,25", "WindowCount": "2,0"})", &ProjectState::GlazingArea, "5"},
        {"count 3", R"({"WindowCount": "3"})", &ProjectState::GlazingArea, "9"},
        {"area typed over", R"({"WindowCount": "2", "GlazingArea": "5"})", &ProjectState::GlazingArea, "5"},
        {"coefficient untouched", "{}", &ProjectState::WindowOuterCoeff, "26.87"},
        {"wind speed typed", R"({"WindSpeed": "3.3"})", &ProjectState::WindowOuterCoeff, "26.8724"},
        {"wind speed 4", R"({"WindSpeed": 4})", &ProjectState::EnvelopeOuterCoeff, "13.9"},
        {"coefficient typed over", R"({"WindSpeed": 4, "WindowOuterCoeff": "20"})", &ProjectState::WindowOuterCoeff,
         "20"},
        {"inclined kind chosen", R"({"WindowKind": "Inclined"})", &ProjectState::WindowOuterCoeff, "26.8724"},
        {"horizontal keeps the vertical one", R"({"WindowKind": "Horizontal"})", &ProjectState::WindowOuterCoeff,
         "26.87"},
        {"horizontal shows the horizontal one", R"({"WindowKind": "Horizontal"})", &ProjectState::EnvelopeOuterCoeff,
         "13.4231"},
        {"horizontal clears the shades", R"({"WindowKind": "Horizontal"})", &ProjectState::ShadeHorizLength, "0"},
        {"horizontal shade typed", R"({"WindowKind": "Horizontal", "ShadeVertLength": "0.2"})",
         &ProjectState::ShadeVertLength, "0.2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProjectState state;
        RunProject(ReadProjectInputs(c.document), state);
        EXPECT_EQ(Shown(state.*c.stored), c.expected);
    }
}

TEST(ProjectRun, RefusalsCarryTheProgramsMessage) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {R"({"WindowHeight": "1,5.3"})", "Высота окна Н: «1,5.3» — не число."},
        {R"({"RelativePenetration": ""})",
         "Коэффициент относительного проникания солнечной радиации Котн: пусто — введите число."},
        {R"({"Latitude": "61"})", "Широта должна быть целым числом от 40 до 60 градусов."},
        {R"({"Latitude": "48.5"})", "Северная широта района φ: «48.5» — не целое число."},
        {R"({"GlazingResistance": "0"})",
         "Сопротивление теплопередаче заполнения светового проёма Rп должно быть больше 0 (введено 0)"},
        {R"({"GlazingArea": "3", "WindowWidth": "0"})", "Ширина окна В должна быть больше 0 (введено 0)"},
        {R"({"WindSpeed": "-1"})", "Скорость ветра V должна быть не меньше 0 (введено -1)"},
        // The window count, a whole number of at least 1, also when the area is given.
        {R"({"WindowCount": "1,5"})",
         "Количество однотипных окон n должно быть целым числом не меньше 1 (введено 1.5)"},
        {R"({"WindowCount": "", "GlazingArea": "3"})", "Количество однотипных окон n: пусто — введите число."},
        {R"({"Windows": false, "WindowCount": "0"})",
         "Количество однотипных окон n должно быть целым числом не меньше 1 (введено 0)"},
        {R"({"WindowKind": "Inclined", "GlazingTilt": "60"})",
         "Угол отклонения остекления от вертикали β' должен быть от 0 до 10 (введено 60)"},
        {R"({"WindowOuterCoeff": "-1"})",
         "Коэффициент теплоотдачи наружной поверхности вертикального окна αн должен быть больше 0 (введено -1)"},
        {R"({"Windows": false, "Walls": true})", "Число слоёв стены должно быть от 1 до 5."},
        {R"({"WallLayerCount": "-1"})", "Число слоёв не может быть отрицательным."},
        {R"({"WallLayerCount": "three"})", "Количество слоёв в стене: «three» — не целое число."},
        {R"({"Walls": true, "WallLayerCount": 2, "WallLayers": [)" + std::string(kBrickLayer) + "]}",
         "Не введён слой 2 стены: введите его или уменьшите число слоёв."},
        {R"({"Roof": true, "RoofLayerCount": 4, "RoofLayers": [)" + std::string(kBrickLayer) + "]}",
         "Не введён слой 2 покрытия: введите его или уменьшите число слоёв."},
        {R"({"WallLayers": [{"HeatAbsorption": "9.2", "Conductivity": "0", "Thickness": "0.38"}]})",
         "Коэффициент теплопроводности слоя стены λ (слой 1) должен быть больше 0 (введено 0)"},
        {R"({"RoofLayers": [{"HeatAbsorption": "9.2", "Conductivity": "0.81", "Thickness": "0,38 м"}]})",
         "Толщина слоя покрытия δ (слой 1): «0,38 м» — не число."},
        {EnvelopeExample(R"(, "WallInnerResistance": "R")"), "Сопротивление Rв.пр.: «R» — не число."},
        {EnvelopeExample(R"(, "UnderRoofTemp": "t")"), "Температура воздуха под покрытием tпокр: «t» — не число."},
        // Each wall's gains fit, their sum over the eight facades does not.
        {R"({"Windows": false, "Walls": true, "WallArea": "20000000000000", "WallAbsorptance": "0.7",
             "WallOrientations": ["С", "СВ", "В", "ЮВ", "Ю", "ЮЗ", "З", "СЗ"], "WallLayers": [)" +
             std::string(kBrickLayer) + "]}",
         "Ошибка вычисления: недопустимая операция при сложении стен, 8-9."},
    };
    for (const auto& [document, message] : cases) {
        SCOPED_TRACE(document);
        EXPECT_EQ(RefusalOf(document), message);
    }
    std::string sixWallLayers = R"({"Walls": true, "WallLayers": [)";
    std::string sevenRoofLayers = R"({"Roof": true, "RoofLayers": [)";
    for (int i = 0; i < 7; ++i) {
        if (i < 6) sixWallLayers += std::string(i ? "," : "") + kBrickLayer;
        sevenRoofLayers += std::string(i ? "," : "") + kBrickLayer;
    }
    EXPECT_EQ(RefusalOf(sixWallLayers + "]}"), "Число слоёв стены должно быть от 1 до 5.");
    EXPECT_EQ(RefusalOf(sevenRoofLayers + "]}"), "Число слоёв покрытия должно быть от 1 до 6.");
}

// Layers above the count are kept and change nothing; a gap is a layer never
// entered, refused by the computation only when the count reaches it.
TEST(ProjectRun, KeptLayersAndGaps) {
    const std::string foam = R"({"MaterialName": "пена", "HeatAbsorption": "0.5", "Conductivity": "0.04", )"
                             R"("Thickness": "0.05"})";
    const ProjectResults used = Compute(EnvelopeExample());
    const std::string brick = kBrickLayer;
    ProjectState state;
    const ProjectResults kept =
        RunProject(ReadProjectInputs(Envelope(brick, brick + ", null, " + foam, R"(, "RoofLayerCount": "1")")), state);
    EXPECT_EQ(kept.Roof->HourGain, used.Roof->HourGain);
    EXPECT_EQ(kept.Totals.GrandHourTotal, used.Totals.GrandHourTotal);
    // The kept layers are stored as typed under their numbers; the gap is not entered.
    EXPECT_FALSE(state.RoofLayers[2].Entered);
    EXPECT_TRUE(state.RoofLayers[3].Entered);
    EXPECT_EQ(state.RoofLayers[3].MaterialName, "пена");
    EXPECT_EQ(state.RoofLayers[3].ThicknessText, "0.05");
    EXPECT_EQ(state.RoofLayerCount, 1);

    // A gap above the count is harmless; within it, the layer is missing.
    EXPECT_EQ(RefusalOf(Envelope(brick + ", null", brick, R"(, "WallLayerCount": 1)")), "");
    EXPECT_EQ(RefusalOf(Envelope("null, " + brick, brick)),
              "Не введён слой 1 стены: введите его или уменьшите число слоёв.");
    // A layer after a gap is entered under its own number.
    RunProject(ReadProjectInputs(R"({"WallLayers": [)" + brick + ", null, " + foam + "]}"), state);
    EXPECT_FALSE(state.WallLayers[2].Entered);
    EXPECT_EQ(state.WallLayers[3].MaterialName, "пена");
    EXPECT_EQ(state.WallLayerCount, 3);
}

TEST(ProjectRun, EachRunStartsFromTheStartUpState) {
    const ProjectResults first = Compute(EnvelopeExample());
    Compute(R"({"WindowOrientations": ["С"], "Latitude": 60, "WindSpeed": 7})");
    RefusalOf(R"({"GlazingResistance": "0"})");
    const ProjectResults again = Compute(EnvelopeExample());
    EXPECT_EQ(again.Walls->HourGain, first.Walls->HourGain);
    EXPECT_EQ(again.Roof->HourGain, first.Roof->HourGain);
    EXPECT_EQ(again.Totals.GrandHourTotal, first.Totals.GrandHourTotal);
}

}  // namespace
