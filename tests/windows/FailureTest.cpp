#include <gtest/gtest.h>

#include <string>

#include "CalcError.h"
#include "InputControls.h"
#include "SolarRadiation.h"
#include "WindowTestSupport.h"

using namespace window_test;

namespace {

// The message a run fails with, or "" when it succeeds.
std::string RunMessage(ProjectState& state, const WindowInputTexts& texts, WindowKind kind = WindowKind::Vertical) {
    try {
        RunWindowComputation(state, texts, kind);
    } catch (const CalcError& e) {
        return e.what();
    }
    return "";
}

struct TableState {
    WindowHourTable hours;
    OrientationValues peakGain;
    IndexedArray<std::int32_t, 1, kOrientationCount> peakHour;
};

TableState CurrentTable(const ProjectState& state) {
    return {state.WindowHours, state.WindowPeakGain, state.WindowPeakHour};
}

void ExpectTableIs(const ProjectState& state, const TableState& expected) {
    EXPECT_EQ(state.WindowHours, expected.hours);
    EXPECT_EQ(state.WindowPeakGain, expected.peakGain);
    EXPECT_EQ(state.WindowPeakHour, expected.peakHour);
}

// A first successful run at latitude 52, so that a failed run has something
// to put back that differs from the cleared table.
TableState ComputedTable(ProjectState& state) {
    state = ProjectState();
    WindowInputTexts texts = DefaultWindowInputTexts();
    texts.Latitude = "52";
    RunWindowComputation(state, texts, WindowKind::Vertical);
    // Fields 18 and 19 are part of what a failed run restores.
    state.WindowHours.Record(8, 10)[WindowField::SunlitWidthFraction] = D("0.1234");
    return CurrentTable(state);
}

struct DivisorCase {
    const char* name;
    std::function<void(WindowInputTexts&)> edit;
    WindowKind kind;
    const char* message;
};

TEST(WindowRunFailure, ZeroDivisorStopsTheRunAndRestoresTheTable) {
    ProjectState state;
    // clang-format off
    const DivisorCase cases[] = {
        // Values past what the stored results can hold: the first record whose store overflows.
        { "Fп too large",    [](WindowInputTexts& t) { t.GlazingArea = "900000000000000"; }, WindowKind::Vertical, "Ошибка вычисления: недопустимая операция при расчёте окна С, 8-9" },
        { "tн.ср too large", [](WindowInputTexts& t) { t.OutdoorMeanTemp = "900000000000000"; }, WindowKind::Vertical, "Ошибка вычисления: недопустимая операция при расчёте окна С, 8-9" },
        // Fп = 10^13: the gains of С stay in range (qпр + qпт = 58 at 8-9), СВ at 8-9 (177) does not.
        { "Fп = 10^13",      [](WindowInputTexts& t) { t.GlazingArea = "10000000000000"; }, WindowKind::Vertical, "Ошибка вычисления: недопустимая операция при расчёте окна СВ, 8-9" },
    };
    // clang-format on
    for (const DivisorCase& c : cases) {
        SCOPED_TRACE(c.name);
        const TableState before = ComputedTable(state);
        WindowInputTexts texts = DefaultWindowInputTexts();
        c.edit(texts);
        EXPECT_EQ(RunMessage(state, texts, c.kind), c.message);
        ExpectTableIs(state, before);
        // The inputs were all read before the failure.
        EXPECT_EQ(state.Latitude, 48);
        EXPECT_EQ(state.WindSpeed, D("3.3"));
    }
}

// A value outside its range stops the reading at its place, as a text that
// does not parse does, naming its control; the value on the boundary
// computes. The zero sizes and resistance once reached the computation as
// divisions by zero, and a = -H as H + a = 0.
TEST(WindowRunFailure, ValuesOutsideTheirRangeAreRefusedAtTheirPlace) {
    ProjectState state;
    struct Case {
        const char* control;
        const char* outside;
        const char* boundary;
    };
    // clang-format off
    const Case cases[] = {
        {"WindowHeight",  "0",       "0.0001"}, {"WindowWidth",  "0",       "0.0001"}, {"ShadeHorizLength",  "-0.0001", "0"},
        {"ShadeVertLength",  "-0.0001", "0"},      {"ShadeHorizOffset", "-1.5",    "0"},      {"ShadeVertOffset", "-0.0001", "0"},
        {"OutdoorAmplitude", "-0.0001", "0"},      {"RelativePenetration", "1.0001",  "1"},      {"GlazingAbsorptance", "-0.0001", "0"},
        {"GlazingResistance", "0",       "0.0001"}, {"GlazingArea", "0",       "0.0001"}, {"FrameShading", "1.0001",  "0"},
        {"WindSpeed",  "-0.0001", "0"},      {"WindowOuterCoeff", "0",       "0.0001"}, {"EnvelopeOuterCoeff", "0",       "0.0001"},
    };
    // clang-format on
    for (const WindowKind kind : {WindowKind::Vertical, WindowKind::Horizontal}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.control) + (kind == WindowKind::Vertical ? " vertical" : " horizontal"));
            const InputControl& input = InputControlOf(c.control);
            const TableState before = ComputedTable(state);
            const ProjectState read = state;
            WindowInputTexts texts = DefaultWindowInputTexts();
            texts.*input.windowText = c.outside;
            try {
                RunWindowComputation(state, texts, kind);
                ADD_FAILURE() << "accepted";
            } catch (const CalcError& e) {
                EXPECT_EQ(e.Input(), c.control);
                EXPECT_EQ(std::string(e.what()).rfind(InputName(input) + " ", 0), 0u) << e.what();
            }
            EXPECT_EQ(state.*input.field.decimal, read.*input.field.decimal);  // not stored
            EXPECT_EQ(state.Latitude, 48);                                     // read before it
            ExpectTableIs(state, before);

            texts.*input.windowText = c.boundary;
            EXPECT_EQ(RunMessage(state, texts, kind), "");
        }
    }
}

TEST(WindowRunFailure, ZeroResistanceFailsAtTheFirstFinishedRecord) {
    ProjectState state;
    // The first record's qпт divides by Rп, which the reading refuses to be 0
    // but the step itself does not check: nothing of the finishing is written
    // anywhere, the fluxes keep their four decimals.
    StartWithDefaults(state);
    state.GlazingResistance = Decimal4();
    FillAllRecords(state, kSouthNoon);
    RunCommonSteps(state);
    ComputeVerticalGlazing(state);
    const WindowHourTable before = state.WindowHours;
    try {
        FinishWindowTable(state);
        FAIL() << "no error";
    } catch (const CalcError& e) {
        EXPECT_STREQ(e.what(), "Ошибка вычисления: деление на ноль при расчёте окна С, 8-9");
    }
    EXPECT_EQ(state.WindowHours, before);
}

// Each of the nineteen inputs made unreadable in turn: those before it are
// stored, it and those after it keep their old values, the table is unchanged.
struct InputSlot {
    const char* name;
    std::string WindowInputTexts::*text;
    Decimal4 ProjectState::*field;  // null for the latitude
};

// clang-format off
const InputSlot kSlots[] = {
    { "Latitude",            &WindowInputTexts::Latitude,            nullptr },
    { "WindowHeight",        &WindowInputTexts::WindowHeight,        &ProjectState::WindowHeight },
    { "WindowWidth",         &WindowInputTexts::WindowWidth,         &ProjectState::WindowWidth },
    { "ShadeHorizLength",    &WindowInputTexts::ShadeHorizLength,    &ProjectState::ShadeHorizLength },
    { "ShadeVertLength",     &WindowInputTexts::ShadeVertLength,     &ProjectState::ShadeVertLength },
    { "ShadeHorizOffset",    &WindowInputTexts::ShadeHorizOffset,    &ProjectState::ShadeHorizOffset },
    { "ShadeVertOffset",     &WindowInputTexts::ShadeVertOffset,     &ProjectState::ShadeVertOffset },
    { "OutdoorMeanTemp",     &WindowInputTexts::OutdoorMeanTemp,     &ProjectState::OutdoorMeanTemp },
    { "IndoorTemp",          &WindowInputTexts::IndoorTemp,          &ProjectState::IndoorTemp },
    { "OutdoorAmplitude",    &WindowInputTexts::OutdoorAmplitude,    &ProjectState::OutdoorAmplitude },
    { "RelativePenetration", &WindowInputTexts::RelativePenetration, &ProjectState::RelativePenetration },
    { "GlazingAbsorptance",  &WindowInputTexts::GlazingAbsorptance,  &ProjectState::GlazingAbsorptance },
    { "GlazingResistance",   &WindowInputTexts::GlazingResistance,   &ProjectState::GlazingResistance },
    { "GlazingArea",         &WindowInputTexts::GlazingArea,         &ProjectState::GlazingArea },
    { "WindowOuterCoeff",    &WindowInputTexts::WindowOuterCoeff,    &ProjectState::WindowOuterCoeff },
    { "EnvelopeOuterCoeff",  &WindowInputTexts::EnvelopeOuterCoeff,  &ProjectState::EnvelopeOuterCoeff },
    { "GlazingTilt",         &WindowInputTexts::GlazingTilt,         &ProjectState::GlazingTilt },
    { "FrameShading",        &WindowInputTexts::FrameShading,        &ProjectState::FrameShading },
    { "WindSpeed",           &WindowInputTexts::WindSpeed,           &ProjectState::WindSpeed },
};
// clang-format on
static_assert(std::size(kSlots) == 19);

TEST(WindowRunFailure, UnreadableInputStopsAtItsPlace) {
    ProjectState state;
    WindowInputTexts typed = DefaultWindowInputTexts();
    typed.ShadeHorizOffset = "0.1";  // none of the typed values is 0
    typed.ShadeVertOffset = "0.2";
    typed.GlazingTilt = "5";
    for (std::size_t bad = 0; bad < std::size(kSlots); ++bad) {
        SCOPED_TRACE(kSlots[bad].name);
        const TableState before = ComputedTable(state);
        // Old values: all zero but the latitude of the first run.
        for (const InputSlot& slot : kSlots) {
            if (slot.field) state.*slot.field = Decimal4();
        }
        WindowInputTexts texts = typed;
        texts.*kSlots[bad].text = "1.5x";
        const InputControl& input = *WindowInputs()[bad];
        ASSERT_EQ(input.windowText, kSlots[bad].text);
        const std::string expected =
            InputName(input) + (bad == 0 ? ": «1.5x» — не целое число" : ": «1.5x» — не число");
        EXPECT_EQ(RunMessage(state, texts), expected);
        for (std::size_t i = 0; i < std::size(kSlots); ++i) {
            SCOPED_TRACE(kSlots[i].name);
            if (!kSlots[i].field) {
                EXPECT_EQ(state.Latitude, bad == 0 ? 52 : 48);
                continue;
            }
            const Decimal4 stored = state.*kSlots[i].field;
            EXPECT_EQ(stored, i < bad ? D(typed.*kSlots[i].text) : Decimal4());
        }
        ExpectTableIs(state, before);
    }
}

TEST(WindowRunFailure, LatitudeOutsideTheTablesIsRefused) {
    ProjectState state;
    for (const char* latitude : {"39", "61", "0", "-48"}) {
        SCOPED_TRACE(latitude);
        const TableState before = ComputedTable(state);
        WindowInputTexts texts = DefaultWindowInputTexts();
        texts.Latitude = latitude;
        EXPECT_EQ(RunMessage(state, texts), kLatitudeRangeMessage);
        EXPECT_EQ(state.Latitude, 52);
        EXPECT_EQ(state.WindowHeight, D("1.5"));  // left from the first run
        ExpectTableIs(state, before);
    }
}

TEST(WindowRunFailure, TiltOppositeToBetaIsADivisionByZero) {
    ProjectState state;
    // A record with the sun just behind the facade at latitude 52 (β below 0),
    // whose opposite is a tilt within its range.
    StartWithInputs(state, [](WindowInputTexts& t) { t.Latitude = "52"; });
    FillVerticalRadiation(state);
    FillSunPosition(state);
    RunCommonSteps(state);
    Decimal4 beta;
    for (const WindowHourRecord& r : state.WindowHours.records) {
        const Decimal4 b = r[WindowField::BetaAngle];
        if (b < Decimal4() && Decimal4() - b <= Decimal4::FromInt(kMaxGlazingTilt)) beta = b;
    }
    ASSERT_FALSE(beta.IsZero());

    // β + β' = 0 makes sin(β + β') exactly 0 in the inclined fractions.
    const TableState before = ComputedTable(state);
    WindowInputTexts texts = DefaultWindowInputTexts();
    texts.Latitude = "52";
    texts.GlazingTilt = FormatDecimal4(Decimal4() - beta);
    EXPECT_EQ(RunMessage(state, texts, WindowKind::Inclined),
              "Ошибка вычисления: деление на ноль при расчёте окна СВ, 10-11");
    ExpectTableIs(state, before);
}

// A fault of the shading factors, which are formed once for the whole table,
// says so; H + a = 0 cannot come from the inputs, whose ranges refuse it.
TEST(WindowRunFailure, AFaultOfTheShadingFactorsSaysSo) {
    ProjectState state;
    StartWithDefaults(state);
    state.WindowHeight = Decimal4();
    state.ShadeHorizOffset = Decimal4();
    try {
        ComputeIrradiationCoeff(state);
        FAIL() << "no error";
    } catch (const CalcError& e) {
        EXPECT_STREQ(e.what(), "Ошибка вычисления: деление на ноль при расчёте коэффициента облучения окна");
    }
}

}  // namespace
