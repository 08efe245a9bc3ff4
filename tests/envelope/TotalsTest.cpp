#include <gtest/gtest.h>

#include <string>

#include "CalcError.h"
#include "EnvelopeTestSupport.h"
#include "InputControls.h"
#include "Totals.h"

namespace {

constexpr int kSouth = 5;

// The input page of the worked wall and roof, nothing included.
TotalsInputTexts WorkedInputs() {
    TotalsInputTexts in;
    in.Latitude = "48";
    in.WindSpeed = "3.3";
    in.OutdoorMeanTemp = "22.5";
    in.IndoorTemp = "20";
    in.OutdoorAmplitude = "14.7";
    in.WallInnerResistance = "0.115";
    in.WallAbsorptance = "0.7";
    in.WallArea = "10";
    in.RoofArea = "10";
    in.RoofAbsorptance = "0.7";
    in.UnderRoofTemp = "22";
    return in;
}

// The worked inputs with the walls, of the south facade only, and the roof included.
TotalsInputTexts SouthWallAndRoof() {
    TotalsInputTexts in = WorkedInputs();
    in.Walls = true;
    in.Roof = true;
    in.WallOrientations[kSouth - 1] = true;
    return in;
}

const std::string& CellAt(const TotalsView& view, int row, int hour) {
    return view.Cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(hour - 1)];
}

// The marker rows show "  MAX" exactly under the hours of the row maxima.
void ExpectMarkersAtTheMaxima(const TotalsView& view) {
    const std::pair<int, std::optional<int>> rows[] = {
        {kWindowMarkerRow, view.WindowMaxHour}, {kWallMarkerRow, view.WallMaxHour}, {kRoofMarkerRow, view.RoofMaxHour}};
    for (const auto& [row, hour] : rows) {
        for (int h = 1; h <= kHourCount; ++h) EXPECT_EQ(CellAt(view, row, h), hour == h ? kMaxMarker : "") << row;
    }
}

class TotalsPage : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProjectState();
        Project.WallLayerCount = 1;
        Project.RoofLayerCount = 1;
        SetLayer(Project.WallLayers, 1, kBrick);
        SetLayer(Project.RoofLayers, 1, kBrick);
    }
    TotalsView view;
};

TEST_F(TotalsPage, NothingIncludedShowsZerosAndTheFirstHour) {
    Project.WindowHours.Record(1, 3)[WindowField::HeatGain] = Decimal4::FromInt(500);
    ShowTotalsPage(WorkedInputs(), view);
    for (int h = 1; h <= kHourCount; ++h) {
        SCOPED_TRACE(HourLabel(h));
        EXPECT_EQ(CellAt(view, kTotalsHeaderRow, h), "   " + std::string(HourLabel(h)));
        for (int row : {kWindowValueRow, kWallValueRow, kRoofValueRow, kGrandValueRow})
            EXPECT_EQ(CellAt(view, row, h), "  0") << "row " << row;
        for (int row : {kWindowMarkerRow, kWallMarkerRow, kRoofMarkerRow}) EXPECT_EQ(CellAt(view, row, h), "");
    }
    EXPECT_EQ(CellAt(view, kWindowTitleRow, 5), "  Окна");
    EXPECT_EQ(CellAt(view, kWallTitleRow, 5), " Стены");
    EXPECT_EQ(CellAt(view, kRoofTitleRow, 5), "Покрытие");
    EXPECT_EQ(CellAt(view, kGrandTitleRow, 5), "  ВСЕГО");
    EXPECT_FALSE(view.WindowMaxHour || view.WallMaxHour || view.RoofMaxHour);
    // No gain, no maximum, and the page says why.
    EXPECT_FALSE(view.GrandMaxHour.has_value());
    EXPECT_EQ(view.NoGain, "нет теплопоступлений: не отмечено ни окон, ни стен, ни покрытия");
    EXPECT_FALSE(view.RoofOuterCoeffText.has_value());
}

TEST_F(TotalsPage, SouthWallAndRoofAtLatitude48) {
    const TotalsInputTexts in = SouthWallAndRoof();
    ShowTotalsPage(in, view);
    EXPECT_EQ(CellAt(view, kWallValueRow, 5), "  110");
    EXPECT_EQ(CellAt(view, kRoofValueRow, 5), "  327");
    EXPECT_EQ(CellAt(view, kGrandValueRow, 5), "  437");
    EXPECT_EQ(Text(Project.WallHourGain[kSouth][5]), "110.1438");
    EXPECT_EQ(view.RoofOuterCoeffText, "13.4231");
    EXPECT_EQ(CellAt(view, kWallMarkerRow, 3), kMaxMarker);  // 114.2532 at 10-11
    EXPECT_EQ(CellAt(view, kWindowMarkerRow, 3), "");
    EXPECT_EQ(view.WallMaxHour, 3);
    EXPECT_EQ(view.RoofMaxHour, MaximumHour(Project.RoofHourGain));
    EXPECT_FALSE(view.WindowMaxHour);
    ExpectMarkersAtTheMaxima(view);
    // The roof gains as computed stay beside the whole watts shown.
    EXPECT_EQ(Text(Project.RoofHourGainExact[5]), "326.7235");
    EXPECT_EQ(Text(Project.RoofHourGain[5]), "327");

    const TotalsView first = view;
    const ProjectState state = Project;
    ShowTotalsPage(in, view);
    EXPECT_EQ(view.Cells, first.Cells);
    EXPECT_EQ(Project.GrandHourTotal, state.GrandHourTotal);
}

TEST_F(TotalsPage, WindowsAddTheCheckedOrientations) {
    for (int o = 1; o <= kOrientationCount; ++o)
        for (int h = 1; h <= kHourCount; ++h)
            Project.WindowHours.Record(o, h)[WindowField::HeatGain] = Decimal4::FromInt(o * 100 + h);
    // Hours 4 and 7 tie at the top: the earlier one is marked.
    Project.WindowHours.Record(1, 4)[WindowField::HeatGain] = Decimal4::FromInt(1000);
    Project.WindowHours.Record(1, 7)[WindowField::HeatGain] = Decimal4::FromInt(997);
    TotalsInputTexts in = WorkedInputs();
    in.Windows = true;
    in.WindowOrientations[0] = true;
    in.WindowOrientations[2] = true;
    ShowTotalsPage(in, view);
    EXPECT_EQ(CellAt(view, kWindowValueRow, 1), "  402");
    EXPECT_EQ(CellAt(view, kWindowValueRow, 4), "  1304");
    EXPECT_EQ(CellAt(view, kWindowValueRow, 7), "  1304");
    EXPECT_EQ(CellAt(view, kWindowMarkerRow, 4), kMaxMarker);
    EXPECT_EQ(CellAt(view, kWindowMarkerRow, 7), "");
    EXPECT_EQ(view.WindowMaxHour, 4);
    EXPECT_EQ(view.GrandMaxHour, 4);
}

TEST_F(TotalsPage, WallsWithoutOrientationsAddNothing) {
    TotalsInputTexts in = WorkedInputs();
    in.Walls = true;
    ShowTotalsPage(in, view);
    EXPECT_EQ(CellAt(view, kWallValueRow, 5), "  0");
    EXPECT_FALSE(Project.WallHourGain[kSouth][5].IsZero());

    in.Walls = false;
    ShowTotalsPage(in, view);
    EXPECT_TRUE(Project.WallHourGain[kSouth][5].IsZero());
}

TEST_F(TotalsPage, AFailedStepShowsOnlyTheRowsComputedBeforeIt) {
    const TotalsInputTexts in = SouthWallAndRoof();
    ShowTotalsPage(in, view);
    EXPECT_FALSE(view.Failure.has_value());
    const TotalsView shown = view;
    const ProjectState computed = Project;

    struct Case {
        const char* name;
        void (*spoil)(TotalsInputTexts&);
        std::string message;
        int rowsShown;  // of windows, walls, roof
    };
    const Case cases[] = {
        {"latitude", [](TotalsInputTexts& t) { t.Latitude = "61"; },
         "Широта должна быть целым числом от 40 до 60 градусов", 0},
        {"R в.пр.", [](TotalsInputTexts& t) { t.WallInnerResistance = "?"; }, "'?' is not a valid floating point value",
         1},
        {"wall of two layers with one entered", [](TotalsInputTexts&) { Project.WallLayerCount = 2; },
         "Не введён слой 2 стены: введите его или уменьшите число слоёв", 1},
        {"roof area", [](TotalsInputTexts& t) { t.RoofArea = ""; }, "'' is not a valid floating point value", 2},
        {"roof of three layers with one entered", [](TotalsInputTexts&) { Project.RoofLayerCount = 3; },
         "Не введён слой 2 покрытия: введите его или уменьшите число слоёв", 2},
    };
    const int valueRows[] = {kWindowValueRow, kWallValueRow, kRoofValueRow};
    const int markerRows[] = {kWindowMarkerRow, kWallMarkerRow, kRoofMarkerRow};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Project = computed;
        view = shown;
        TotalsInputTexts spoiled = in;
        c.spoil(spoiled);
        EXPECT_EQ(MessageOf([&] { ShowTotalsPage(spoiled, view); }), c.message);
        EXPECT_EQ(view.Failure, c.message + ".");
        const TotalsGrid::value_type empty{};
        for (int e = 0; e < 3; ++e) {
            const bool computedRow = e < c.rowsShown;
            EXPECT_EQ(view.Cells[valueRows[e]], computedRow ? shown.Cells[valueRows[e]] : empty) << e;
            EXPECT_EQ(view.Cells[markerRows[e]], computedRow ? shown.Cells[markerRows[e]] : empty) << e;
        }
        EXPECT_EQ(view.Cells[kGrandValueRow], empty);
        EXPECT_EQ(view.Cells[kWallTitleRow], shown.Cells[kWallTitleRow]);
        ExpectMarkersAtTheMaxima(view);
        EXPECT_EQ(Project.WallHourGain, computed.WallHourGain);
    }
    // A showing that succeeds again takes the failure away.
    Project = computed;
    ShowTotalsPage(in, view);
    EXPECT_FALSE(view.Failure.has_value());
    EXPECT_EQ(view.Cells, shown.Cells);
}

TEST_F(TotalsPage, TheWindowTableIsGivenBackAsFound) {
    for (WindowHourRecord& r : Project.WindowHours.records) r[WindowField::IrradDirect] = Decimal4::FromInt(7);
    const WindowHourTable before = Project.WindowHours;
    TotalsInputTexts in = SouthWallAndRoof();
    ShowTotalsPage(in, view);
    EXPECT_EQ(Project.WindowHours, before);
    in.RoofAbsorptance = "x";  // fails after the wall's generator ran
    EXPECT_THROW(ShowTotalsPage(in, view), CalcError);
    EXPECT_EQ(Project.WindowHours, before);
}

TEST_F(TotalsPage, ValuesOutsideTheirRangeAreRefusedBeforeTheyAreStored) {
    struct Case {
        const char* control;
        std::string TotalsInputTexts::*text;
        const char* outside;
        const char* boundary;
    };
    // clang-format off
    const Case cases[] = {
        {"Edit5",  &TotalsInputTexts::WindSpeed,        "-1",      "0"},
        {"Edit12", &TotalsInputTexts::OutdoorAmplitude, "-0.0001", "0"},
        {"Edit22", &TotalsInputTexts::WallAbsorptance,  "1.0001",  "1"},
        {"Edit4",  &TotalsInputTexts::WallArea,         "-0.0001", "0"},
        {"Edit23", &TotalsInputTexts::RoofArea,         "-1",      "0"},
        {"Edit26", &TotalsInputTexts::RoofAbsorptance,  "-0.0001", "0"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control);
        SetUp();
        Decimal4 ProjectState::*field = InputControlOf(c.control).field.decimal;
        Project.*field = ParseDecimal4("0.5");
        TotalsInputTexts in = SouthWallAndRoof();
        in.*c.text = c.outside;
        try {
            ShowTotalsPage(in, view);
            ADD_FAILURE() << "accepted";
        } catch (const CalcError& e) {
            EXPECT_EQ(e.Control(), c.control);
        }
        EXPECT_EQ(Project.*field, ParseDecimal4("0.5"));
        in.*c.text = c.boundary;
        EXPECT_NO_THROW(ShowTotalsPage(in, view));
    }
}

TEST(TotalsRounding, WattsRoundHalfToEven) {
    struct Case {
        const char* value;
        const char* whole;
    };
    const Case cases[] = {{"1234.5", "1234"}, {"1235.5", "1236"}, {"2.4999", "2"}, {"2.5001", "3"},
                          {"-0.5", "0"},      {"-1.5", "-2"},     {"-2.6", "-3"},  {"0", "0"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(Text(RoundToWholeWatts(ParseDecimal4(c.value))), c.whole);
    }
}

TEST(TotalsMaximum, TheEarliestHourOfTheLargestValue) {
    for (int h = 1; h <= kHourCount; ++h) {
        SCOPED_TRACE(HourLabel(h));
        HourValues values;
        values[h] = Decimal4::FromInt(5);
        if (h < kHourCount) values[kHourCount] = Decimal4::FromInt(5);  // a later tie loses
        EXPECT_EQ(MaximumHour(values), h);
    }
}

}  // namespace
