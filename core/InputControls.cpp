#include "InputControls.h"

#include <stdexcept>

namespace {

using T = WindowInputTexts;
using S = ProjectState;

// clang-format off
// One row per control. "read" is its place in the windows page's reading of
// the nineteen window and site inputs, "line" its line of the project file
// header (0: neither). The nineteen read come first, in their order.
constexpr std::array<InputControl, kInputControlCount> kInputControls{{
    // control     default  read line  text of the windows page      state field
    {"ComboBox1",  "48",     1,   1,  &T::Latitude,            &S::Latitude},
    {"Edit1",      "1.5",    2,   2,  &T::WindowHeight,        &S::WindowHeight},
    {"Edit2",      "2",      3,   3,  &T::WindowWidth,         &S::WindowWidth},
    {"Edit8",      "0.3",    4,   4,  &T::ShadeHorizLength,    &S::ShadeHorizLength},
    {"Edit9",      "0.3",    5,   5,  &T::ShadeVertLength,     &S::ShadeVertLength},
    {"Edit10",     "0",      6,   6,  &T::ShadeHorizOffset,    &S::ShadeHorizOffset},
    {"Edit11",     "0",      7,   7,  &T::ShadeVertOffset,     &S::ShadeVertOffset},
    {"Edit7",      "22.5",   8,   8,  &T::OutdoorMeanTemp,     &S::OutdoorMeanTemp},
    {"Edit6",      "20",     9,   9,  &T::IndoorTemp,          &S::IndoorTemp},
    {"Edit12",     "14.7",  10,  10,  &T::OutdoorAmplitude,    &S::OutdoorAmplitude},
    {"Edit13",     "0.9",   11,  11,  &T::RelativePenetration, &S::RelativePenetration},
    {"Edit14",     "0.25",  12,  12,  &T::GlazingAbsorptance,  &S::GlazingAbsorptance},
    {"Edit15",     "0.34",  13,  13,  &T::GlazingResistance,   &S::GlazingResistance},
    {"Edit17",     "3",     14,  14,  &T::GlazingArea,         &S::GlazingArea},
    {"Edit18",     "26.87", 15,  15,  &T::WindowOuterCoeff,    &S::WindowOuterCoeff},
    {"Edit42",     "13.42", 16,   0,  &T::EnvelopeOuterCoeff,  &S::EnvelopeOuterCoeff},
    {"Edit19",     "0",     17,  16,  &T::GlazingTilt,         &S::GlazingTilt},
    {"Edit16",     "0.9",   18,  17,  &T::FrameShading,        &S::FrameShading},
    {"Edit5",      "3.3",   19,  19,  &T::WindSpeed,           &S::WindSpeed},
    {"Edit3",      "1",      0,  18,  nullptr,                 {}},  // window count n

    // Walls
    {"Edit4",      "0",      0,   0,  nullptr,                 &S::WallArea},
    {"Edit20",     "0",      0,   0,  nullptr,                 &S::WallTransmittance},
    {"Edit21",     "0",      0,   0,  nullptr,                 &S::WallResistance},
    {"Edit22",     "0",      0,   0,  nullptr,                 &S::WallAbsorptance},
    {"Edit33",     "3",      0,   0,  nullptr,                 &S::WallLayerCount},
    {"Edit39",     "0",      0,   0,  nullptr,                 {}},  // Rв.пр., read and checked, used nowhere
    {"Edit27",     "1",      0,   0,  nullptr,                 &S::WallLayerCurrent},
    {"Edit29",     "",       0,   0,  nullptr,                 {}},  // layer entry: name
    {"Edit30",     "",       0,   0,  nullptr,                 {}},  // s
    {"Edit31",     "",       0,   0,  nullptr,                 {}},  // λ
    {"Edit32",     "",       0,   0,  nullptr,                 {}},  // δ

    // Roof
    {"Edit23",     "0",      0,   0,  nullptr,                 &S::RoofArea},
    {"Edit24",     "0",      0,   0,  nullptr,                 &S::RoofTransmittance},
    {"Edit25",     "0",      0,   0,  nullptr,                 &S::RoofResistance},
    {"Edit26",     "0",      0,   0,  nullptr,                 &S::RoofAbsorptance},
    {"Edit34",     "3",      0,   0,  nullptr,                 &S::RoofLayerCount},
    {"Edit40",     "22",     0,   0,  nullptr,                 &S::UnderRoofTemp},
    {"Edit41",     "13.42",  0,   0,  nullptr,                 &S::EnvelopeOuterCoeff},  // shown only
    {"Edit28",     "1",      0,   0,  nullptr,                 &S::RoofLayerCurrent},
    {"Edit35",     "",       0,   0,  nullptr,                 {}},  // layer entry: name
    {"Edit36",     "",       0,   0,  nullptr,                 {}},  // s
    {"Edit37",     "",       0,   0,  nullptr,                 {}},  // λ
    {"Edit38",     "",       0,   0,  nullptr,                 {}},  // δ
}};
// clang-format on

// The rows with a place 1..N in a column, by that place; a place used twice
// or left empty makes the table fail to compile.
template <int InputControl::*Column, std::size_t N>
constexpr std::array<const InputControl*, N> OrderedBy() {
    std::array<const InputControl*, N> ordered{};
    for (const InputControl& input : kInputControls) {
        const int place = input.*Column;
        if (place == 0) continue;
        if (place < 0 || static_cast<std::size_t>(place) > N || ordered[static_cast<std::size_t>(place - 1)] != nullptr)
            throw std::logic_error("place out of range or used twice");
        ordered[static_cast<std::size_t>(place - 1)] = &input;
    }
    for (const InputControl* input : ordered)
        if (input == nullptr) throw std::logic_error("place left empty");
    return ordered;
}

constexpr auto kWindowInputs = OrderedBy<&InputControl::readOrder, kWindowInputCount>();
constexpr auto kHeaderInputs = OrderedBy<&InputControl::headerLine, kHeaderInputCount>();

constexpr bool NamesAreUnique() {
    for (std::size_t i = 0; i < kInputControls.size(); ++i)
        for (std::size_t j = i + 1; j < kInputControls.size(); ++j)
            if (kInputControls[i].control == kInputControls[j].control) return false;
    return true;
}
static_assert(NamesAreUnique());

// The windows page reads exactly the controls it has a text for, each into a
// Decimal4 field but the latitude.
constexpr bool ReadInputsHaveTextsAndFields() {
    for (const InputControl& input : kInputControls) {
        const bool read = input.readOrder != 0;
        if (read != (input.windowText != nullptr)) return false;
        if (!read) continue;
        const bool decimal = input.field.decimal != nullptr && input.field.integer == nullptr;
        const bool latitude = input.field.decimal == nullptr && input.field.integer == &ProjectState::Latitude;
        if (!decimal && !latitude) return false;
    }
    return true;
}
static_assert(ReadInputsHaveTextsAndFields());

}  // namespace

const std::array<InputControl, kInputControlCount>& InputControls() { return kInputControls; }

const InputControl& InputControlOf(std::string_view control) {
    for (const InputControl& input : kInputControls)
        if (input.control == control) return input;
    throw std::out_of_range("unknown input control " + std::string(control));
}

std::string DefaultTextOf(std::string_view control) { return std::string(InputControlOf(control).defaultText); }

const std::array<const InputControl*, kWindowInputCount>& WindowInputs() { return kWindowInputs; }

const std::array<const InputControl*, kHeaderInputCount>& HeaderInputs() { return kHeaderInputs; }

WindowInputTexts DefaultWindowInputTexts() {
    WindowInputTexts texts;
    for (const InputControl* input : kWindowInputs) texts.*input->windowText = input->defaultText;
    return texts;
}
