#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "CalcError.h"
#include "Decimal4.h"
#include "ProjectState.h"

// What each input control of the input page stands for, without widgets: its
// project-state field, its default text, when the windows page reads it and
// which line of the project file header holds it. The window, the
// command-line tool and the project file all take these from here.

// The texts of the nineteen window and site inputs that the windows page
// reads, named after the state fields they are read into.
struct WindowInputTexts {
    std::string Latitude;             // φ, whole degrees 40..60
    std::string WindowHeight;         // H, m
    std::string WindowWidth;          // B, m
    std::string ShadeHorizLength;     // Lг, m
    std::string ShadeVertLength;      // Lв, m
    std::string ShadeHorizOffset;     // a, m
    std::string ShadeVertOffset;      // c, m
    std::string OutdoorMeanTemp;      // tн.ср, °C
    std::string IndoorTemp;           // tв, °C
    std::string OutdoorAmplitude;     // Atн, °C
    std::string RelativePenetration;  // Kотн
    std::string GlazingAbsorptance;   // ρп
    std::string GlazingResistance;    // Rп, m²·°C/W
    std::string GlazingArea;          // Fп, m²
    std::string WindowOuterCoeff;     // αн of vertical surfaces, W/(m²·°C)
    std::string EnvelopeOuterCoeff;   // αн of horizontal surfaces, W/(m²·°C)
    std::string GlazingTilt;          // β', degrees
    std::string FrameShading;         // τ₂
    std::string WindSpeed;            // V, m/s
};

// The project-state field a control is read into or shows: a Decimal4 or a
// whole number; neither for a control without a field of its own.
struct StateField {
    constexpr StateField() = default;
    constexpr StateField(Decimal4 ProjectState::*field) : decimal(field) {}
    constexpr StateField(std::int32_t ProjectState::*field) : integer(field) {}

    Decimal4 ProjectState::*decimal = nullptr;
    std::int32_t ProjectState::*integer = nullptr;
};

// The values a quantity can physically take. A value outside is refused
// before anything is computed from it.
enum class InputRange : std::uint8_t {
    Any,               // no limit of its own
    AboveZero,         // > 0: sizes, areas of openings, resistances, layer figures
    AtLeastZero,       // >= 0
    WholeAtLeastOne,   // a whole number >= 1: a number of windows
    ZeroToOne,         // 0 ... 1: coefficients and absorptances
    TiltFromVertical,  // 0 ... kMaxGlazingTilt degrees: the tilt of inclined glazing
};

// The largest tilt of inclined glazing from the vertical, degrees. The
// inclined glazing turns the direct radiation of the vertical facade onto
// its plane by ctg β / ctg(β + β'), which holds only while β + β' stays
// below 90° for every hour the sun shines on the facade; the sun-position
// tables of latitudes 40..60 give β up to 70.6832° (west, 17-18), so β' must
// stay well below 19.3°, where the factor grows without bound. Up to 10° it
// is at most 2.14 and the gains stay within twice those of vertical glazing.
// A forward tilt (β' < 0) multiplies the small direct radiation the tables
// give just behind the facade plane (β slightly below 0) without bound.
inline constexpr int kMaxGlazingTilt = 10;

// The grammatical gender of a field's name, which the refusal agrees with
// ("должен", "должна", "должно").
enum class NameGender : std::uint8_t { Masculine, Feminine, Neuter };

// The group of the input page a control belongs to.
enum class InputSection {
    Window,     // "Для окон"
    Site,       // site and climate block
    Wall,       // "Для стен"
    Roof,       // "Для покрытий"
    WallLayer,  // entry row of the wall layer editor
    RoofLayer,  // entry row of the roof layer editor
};

struct InputControl {
    std::string_view key;                       // the input's name in documents and messages: "WindowHeight", ...
    std::string_view defaultText;               // shown at start-up
    int readOrder;                              // 1..19: when the windows page reads it; 0 = not read there
    int headerLine;                             // 1..19: its line of the project file header; 0 = not saved
    std::string WindowInputTexts::*windowText;  // its text among the windows page's inputs; nullptr when not read
    StateField field;
    InputRange range;
    std::string_view name;    // the quantity in Russian words: "Высота окна"
    std::string_view symbol;  // its symbol as the input page shows it: "Н"; "" for none
    NameGender gender;
    InputSection section;
    std::string_view unit;  // plain Unicode: "м", "Вт/(м²·°С)"; "" for none
    std::string_view note;  // a remark in brackets ("в расчёте не участвует"); usually ""
};

inline constexpr int kInputControlCount = 43;
inline constexpr int kWindowInputCount = 19;
inline constexpr int kHeaderInputCount = 19;

// Every input control of the input page, group by group, top to bottom.
const std::array<InputControl, kInputControlCount>& InputControls();

// "Высота окна Н, м", with the note in brackets when there is one: the
// accessible name and tooltip of the control, and its line in the reports.
std::string Description(const InputControl& input);

// The row of an input by its key; throws std::out_of_range for an unknown key.
const InputControl& InputControlOf(std::string_view key);

// An input's start-up text; throws std::out_of_range for an unknown key.
std::string DefaultTextOf(std::string_view key);

// The nineteen inputs of the windows page in the order it reads them.
const std::array<const InputControl*, kWindowInputCount>& WindowInputs();

// The controls of the nineteen project file header lines, in line order.
const std::array<const InputControl*, kHeaderInputCount>& HeaderInputs();

// The start-up texts of the windows page's inputs.
WindowInputTexts DefaultWindowInputTexts();

// "Высота окна Н": the field's name and its symbol, as refusals name it.
std::string InputName(const InputControl& input);

// Refuses a value outside its input's range with a CalcError that carries
// the input's key and says in Russian the field, its symbol, the values
// allowed and the value given: "Высота окна Н должна быть больше 0 (введено
// -1.5)" (the reason "должна быть больше 0 (введено -1.5)" kept apart). A
// value inside passes untouched.
void CheckInputRange(const InputControl& input, Decimal4 value);

// The error `error` raised while reading the text of the input `key`, naming it: a
// text that did not convert says so after the field's name ("Высота окна Н:
// «abc» — не число"); any other refusal keeps its message, which says what it
// refuses. A key outside the input table is named as it is.
CalcError NamingInput(const CalcError& error, std::string_view key);

// Runs `read`, which reads the text of the input `key`; a CalcError it raises
// that names no input yet is raised again naming it (NamingInput).
template <class Read>
decltype(auto) ReadingInput(std::string_view key, Read&& read) {
    try {
        return read();
    } catch (const CalcError& e) {
        if (!e.Input().empty()) throw;
        throw NamingInput(e, key);
    }
}

// A refusal as the input page says it beside its field (the field's tooltip
// and the status bar): in Russian and naming the field. A text that did not
// convert becomes "Высота окна Н: «-» — не число" ("… — пусто, введите
// число" for an empty text, "… — не целое число" for a whole number), a
// floating-point fault "<field>: ошибка вычисления (деление на ноль)"; every
// other refusal is Russian already and says what it refuses, and stays as it
// is. A control outside the input table is named by nothing.
std::string FieldRefusalText(const CalcError& error);

// Reads the text of a control that holds a decimal: ParseDecimal4, then the
// control's range. Either failure names the field (ReadingInput,
// CheckInputRange), and a refused value is never returned, so never stored.
Decimal4 ReadInputValue(const InputControl& input, std::string_view text);
// The state as the input page shows it at start-up: every field a control
// stands for holds the value of that control's start-up text (the wind speed
// 3.3, so that R₀ and K shown follow the coefficients the results use).
void StoreStartUpTexts(ProjectState& state);

// The same for a control named by its object name.
Decimal4 ReadInputValue(std::string_view key, std::string_view text);
