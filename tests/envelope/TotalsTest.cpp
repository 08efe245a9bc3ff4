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
        state.WallLayerCount = 1;
        state.RoofLayerCount = 1;
        SetLayer(state.WallLayers, 1, kBrick);
        SetLayer(state.RoofLayers, 1, kBrick);
    }
    TotalsView view;

    ProjectState state;
};

TEST_F(TotalsPage, NothingIncludedShowsZerosAndTheFirstHour) {
    state.WindowHours.Record(1, 3)[WindowField::HeatGain] = Decimal4::FromInt(500);
    ShowTotalsPage(state, WorkedInputs(), view);
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
    ShowTotalsPage(state, in, view);
    EXPECT_EQ(CellAt(view, kWallValueRow, 5), "  110");
    EXPECT_EQ(CellAt(view, kRoofValueRow, 5), "  327");
    EXPECT_EQ(CellAt(view, kGrandValueRow, 5), "  437");
    EXPECT_EQ(Text(state.WallHourGain[kSouth][5]), "110.1438");
    EXPECT_EQ(view.RoofOuterCoeffText, "13.4231");
    EXPECT_EQ(CellAt(view, kWallMarkerRow, 3), kMaxMarker);  // 114.2532 at 10-11
    EXPECT_EQ(CellAt(view, kWindowMarkerRow, 3), "");
    EXPECT_EQ(view.WallMaxHour, 3);
    EXPECT_EQ(view.RoofMaxHour, MaximumHour(state.RoofHourGain));
    EXPECT_FALSE(view.WindowMaxHour);
    ExpectMarkersAtTheMaxima(view);
    // The roof gains as computed stay beside the whole watts shown.
    EXPECT_EQ(Text(state.RoofHourGainExact[5]), "326.7235");
    EXPECT_EQ(Text(state.RoofHourGain[5]), "327");

    const TotalsView first = view;
    const ProjectState kept = state;
    ShowTotalsPage(state, in, view);
    EXPECT_EQ(view.Cells, first.Cells);
    EXPECT_EQ(state.GrandHourTotal, kept.GrandHourTotal);
}

TEST_F(TotalsPage, WindowsAddTheCheckedOrientations) {
    for (int o = 1; o <= kOrientationCount; ++o)
        for (int h = 1; h <= kHourCount; ++h)
            state.WindowHours.Record(o, h)[WindowField::HeatGain] = Decimal4::FromInt(o * 100 + h);
    // Hours 4 and 7 tie at the top: the earlier one is marked.
    state.WindowHours.Record(1, 4)[WindowField::HeatGain] = Decimal4::FromInt(1000);
    state.WindowHours.Record(1, 7)[WindowField::HeatGain] = Decimal4::FromInt(997);
    TotalsInputTexts in = WorkedInputs();
    in.Windows = true;
    in.WindowOrientations[0] = true;
    in.WindowOrientations[2] = true;
    ShowTotalsPage(state, in, view);
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
    ShowTotalsPage(state, in, view);
    EXPECT_EQ(CellAt(view, kWallValueRow, 5), "  0");
    EXPECT_FALSE(state.WallHourGain[kSouth][5].IsZero());

    in.Walls = false;
    ShowTotalsPage(state, in, view);
    EXPECT_TRUE(state.WallHourGain[kSouth][5].IsZero());
}

TEST_F(TotalsPage, AFailedStepShowsOnlyTheRowsComputedBeforeIt) {
    const TotalsInputTexts in = SouthWallAndRoof();
    ShowTotalsPage(state, in, view);
    EXPECT_FALSE(view.Failure.has_value());
    const TotalsView shown = view;
    const ProjectState computed = state;

    struct Case {
        const char* name;
        void (*spoil)(TotalsInputTexts&, ProjectState&);
        std::string message;
        int rowsShown;  // of windows, walls, roof
    };
    const Case cases[] = {
        {"latitude", [](TotalsInputTexts& t, ProjectState&) { t.Latitude = "61"; },
         "Широта должна быть целым числом от 40 до 60 градусов", 0},
        {"R в.пр.", [](TotalsInputTexts& t, ProjectState&) { t.WallInnerResistance = "?"; },
         "Сопротивление Rв.пр.: «?» — не число", 1},
        {"wall of two layers with one entered", [](TotalsInputTexts&, ProjectState& s) { s.WallLayerCount = 2; },
         "Не введён слой 2 стены: введите его или уменьшите число слоёв", 1},
        {"roof area", [](TotalsInputTexts& t, ProjectState&) { t.RoofArea = ""; },
         "Площадь покрытия F: пусто — введите число", 2},
        {"roof of three layers with one entered", [](TotalsInputTexts&, ProjectState& s) { s.RoofLayerCount = 3; },
         "Не введён слой 2 покрытия: введите его или уменьшите число слоёв", 2},
    };
    const int valueRows[] = {kWindowValueRow, kWallValueRow, kRoofValueRow};
    const int markerRows[] = {kWindowMarkerRow, kWallMarkerRow, kRoofMarkerRow};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        state = computed;
        view = shown;
        TotalsInputTexts spoiled = in;
        c.spoil(spoiled, state);
        EXPECT_EQ(MessageOf([&] { ShowTotalsPage(state, spoiled, view); }), c.message);
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
        EXPECT_EQ(state.WallHourGain, computed.WallHourGain);
    }
    // A showing that succeeds again takes the failure away.
    state = computed;
    ShowTotalsPage(state, in, view);
    EXPECT_FALSE(view.Failure.has_value());
    EXPECT_EQ(view.Cells, shown.Cells);
}

TEST_F(TotalsPage, TheWindowTableIsGivenBackAsFound) {
    for (WindowHourRecord& r : state.WindowHours.records) r[WindowField::IrradDirect] = Decimal4::FromInt(7);
    const WindowHourTable before = state.WindowHours;
    TotalsInputTexts in = SouthWallAndRoof();
    ShowTotalsPage(state, in, view);
    EXPECT_EQ(state.WindowHours, before);
    in.RoofAbsorptance = "x";  // fails after the wall's generator ran
    EXPECT_THROW(ShowTotalsPage(state, in, view), CalcError);
    EXPECT_EQ(state.WindowHours, before);
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
        {"WindSpeed",  &TotalsInputTexts::WindSpeed,        "-1",      "0"},
        {"OutdoorAmplitude", &TotalsInputTexts::OutdoorAmplitude, "-0.0001", "0"},
        {"WallAbsorptance", &TotalsInputTexts::WallAbsorptance,  "1.0001",  "1"},
        {"WallArea",  &TotalsInputTexts::WallArea,         "-0.0001", "0"},
        {"RoofArea", &TotalsInputTexts::RoofArea,         "-1",      "0"},
        {"RoofAbsorptance", &TotalsInputTexts::RoofAbsorptance,  "-0.0001", "0"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control);
        SetUp();
        Decimal4 ProjectState::*field = InputControlOf(c.control).field.decimal;
        state.*field = ParseDecimal4("0.5");
        TotalsInputTexts in = SouthWallAndRoof();
        in.*c.text = c.outside;
        try {
            ShowTotalsPage(state, in, view);
            ADD_FAILURE() << "accepted";
        } catch (const CalcError& e) {
            EXPECT_EQ(e.Input(), c.control);
        }
        EXPECT_EQ(state.*field, ParseDecimal4("0.5"));
        in.*c.text = c.boundary;
        EXPECT_NO_THROW(ShowTotalsPage(state, in, view));
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
