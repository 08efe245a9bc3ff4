#include "InputControls.h"

#include <stdexcept>

#include "CalcError.h"
#include "Conversions.h"

namespace {

using T = WindowInputTexts;
using S = ProjectState;
constexpr InputRange Any = InputRange::Any;
constexpr InputRange Above0 = InputRange::AboveZero;
constexpr InputRange AtLeast0 = InputRange::AtLeastZero;
constexpr InputRange Whole1 = InputRange::WholeAtLeastOne;
constexpr InputRange ZeroToOne = InputRange::ZeroToOne;
constexpr InputRange Tilt = InputRange::TiltFromVertical;
constexpr NameGender M = NameGender::Masculine;
constexpr NameGender F = NameGender::Feminine;
constexpr NameGender N = NameGender::Neuter;
using Sec = InputSection;

constexpr std::string_view kTransmittanceUnit = "Вт/(м²·°С)";
constexpr std::string_view kResistanceUnit = "м²·°С/Вт";

// clang-format off
// One row per control, in the order of the input page's groups, top to
// bottom. "read" is its place in the windows page's reading of the nineteen
// window and site inputs, "line" its line of the project file header (0:
// neither). "range" is what the quantity may physically be; the name, its
// symbol and the name's gender (M, F, N) make the Russian refusal; with the
// unit and the note they describe the control to screen readers and reports.
constexpr std::array<InputControl, kInputControlCount> kInputControls{{
    // key                     default  read line  text of the windows page      state field                  range      name                                                                          symbol   gender  section    unit                   note
    {"WindowHeight",            "1.5",    2,   2,  &T::WindowHeight,        &S::WindowHeight,         Above0,    "Высота окна",                                                                "Н",      F, Sec::Window,    "м",                   ""},
    {"WindowWidth",             "2",      3,   3,  &T::WindowWidth,         &S::WindowWidth,          Above0,    "Ширина окна",                                                                "В",      F, Sec::Window,    "м",                   ""},
    {"ShadeHorizLength",        "0.3",    4,   4,  &T::ShadeHorizLength,    &S::ShadeHorizLength,     AtLeast0,  "Длина горизонтальных элементов затенения",                                   "Lг",     F, Sec::Window,    "м",                   ""},
    {"ShadeVertLength",         "0.3",    5,   5,  &T::ShadeVertLength,     &S::ShadeVertLength,      AtLeast0,  "Длина вертикальных элементов затенения",                                     "Lв",     F, Sec::Window,    "м",                   ""},
    {"ShadeHorizOffset",        "0",      6,   6,  &T::ShadeHorizOffset,    &S::ShadeHorizOffset,     AtLeast0,  "Расстояние от горизонтального элемента затенения до откоса",                 "а",      N, Sec::Window,    "м",                   ""},
    {"ShadeVertOffset",         "0",      7,   7,  &T::ShadeVertOffset,     &S::ShadeVertOffset,      AtLeast0,  "Расстояние от вертикального элемента затенения до откоса",                   "с",      N, Sec::Window,    "м",                   ""},
    {"WindowCount",             "1",      0,  18,  nullptr,                 {},                       Whole1,    "Количество однотипных окон",                                                 "n",      N, Sec::Window,    "шт.",                 ""}, // no field of its own
    {"GlazingArea",             "3",     14,  14,  &T::GlazingArea,         &S::GlazingArea,          Above0,    "Площадь световых проёмов",                                                   "Fп",     F, Sec::Window,    "м²",                  ""},
    {"GlazingTilt",             "0",     17,  16,  &T::GlazingTilt,         &S::GlazingTilt,          Tilt,      "Угол отклонения остекления от вертикали",                                    "β'",     M, Sec::Window,    "°",                   ""},
    {"GlazingAbsorptance",      "0.25",  12,  12,  &T::GlazingAbsorptance,  &S::GlazingAbsorptance,   ZeroToOne, "Приведённый коэффициент поглощения солнечной радиации",                      "ρп",     M, Sec::Window,    "",                    ""},
    {"GlazingResistance",       "0.34",  13,  13,  &T::GlazingResistance,   &S::GlazingResistance,    Above0,    "Сопротивление теплопередаче заполнения светового проёма",                    "Rп",     N, Sec::Window,    kResistanceUnit,       ""},
    {"FrameShading",            "0.9",   18,  17,  &T::FrameShading,        &S::FrameShading,         ZeroToOne, "Коэффициент затенения светового проёма переплётами",                         "τ₂",     M, Sec::Window,    "",                    ""},
    {"RelativePenetration",     "0.9",   11,  11,  &T::RelativePenetration, &S::RelativePenetration,  ZeroToOne, "Коэффициент относительного проникания солнечной радиации",                   "Котн",   M, Sec::Window,    "",                    ""},
    // Site and climate
    {"Latitude",                "48",     1,   1,  &T::Latitude,            &S::Latitude,             Any,       "Северная широта района",                                                     "φ",      F, Sec::Site,      "°",                   ""}, // 40..60: ReadLatitude
    {"OutdoorMeanTemp",         "22.5",   8,   8,  &T::OutdoorMeanTemp,     &S::OutdoorMeanTemp,      Any,       "Средняя температура наружного воздуха",                                      "tн.ср",  F, Sec::Site,      "°С",                  ""},
    {"IndoorTemp",              "20",     9,   9,  &T::IndoorTemp,          &S::IndoorTemp,           Any,       "Температура внутреннего воздуха",                                            "tв",     F, Sec::Site,      "°С",                  ""},
    {"WindSpeed",               "3.3",   19,  19,  &T::WindSpeed,           &S::WindSpeed,            AtLeast0,  "Скорость ветра",                                                             "V",      F, Sec::Site,      "м/с",                 ""},
    {"OutdoorAmplitude",        "14.7",  10,  10,  &T::OutdoorAmplitude,    &S::OutdoorAmplitude,     AtLeast0,  "Суточная амплитуда температуры наружного воздуха",                           "Аtн",    F, Sec::Site,      "°С",                  ""},
    {"WindowOuterCoeff",        "26.87", 15,  15,  &T::WindowOuterCoeff,    &S::WindowOuterCoeff,     Above0,    "Коэффициент теплоотдачи наружной поверхности вертикального окна",            "αн",     M, Sec::Site,      kTransmittanceUnit,    ""},
    {"EnvelopeOuterCoeff",      "13.42", 16,   0,  &T::EnvelopeOuterCoeff,  &S::EnvelopeOuterCoeff,   Above0,    "Коэффициент теплоотдачи наружной поверхности горизонтального окна и покрытия", "αн",     M, Sec::Site,      kTransmittanceUnit,    ""},
    // Walls
    {"WallArea",                "0",      0,   0,  nullptr,                 &S::WallArea,             AtLeast0,  "Площадь стены",                                                              "F",      F, Sec::Wall,      "м²",                  ""},
    {"WallTransmittance",       "0",      0,   0,  nullptr,                 &S::WallTransmittance,    Any,       "Коэффициент теплопередачи стены",                                            "К",      M, Sec::Wall,      kTransmittanceUnit,    ""},
    {"WallResistance",          "0",      0,   0,  nullptr,                 &S::WallResistance,       Any,       "Сопротивление теплопередаче стены",                                          "R",      N, Sec::Wall,      kResistanceUnit,       ""},
    {"WallAbsorptance",         "0",      0,   0,  nullptr,                 &S::WallAbsorptance,      ZeroToOne, "Коэффициент поглощения солнечной радиации поверхностью стены",               "ρст",    M, Sec::Wall,      "",                    ""},
    {"WallLayerCount",          "3",      0,   0,  nullptr,                 &S::WallLayerCount,       Any,       "Количество слоёв в стене",                                                   "",       N, Sec::Wall,      "",                    ""},
    {"WallInnerResistance",     "0",      0,   0,  nullptr,                 {},                       Any,       "Сопротивление",                                                              "Rв.пр.", N, Sec::Wall,      "",                    "в расчёте не участвует"}, // read and checked, used nowhere
    {"WallLayerNumber",         "1",      0,   0,  nullptr,                 &S::WallLayerCurrent,     Any,       "Номер слоя стены",                                                           "",       M, Sec::WallLayer, "",                    ""},
    {"WallLayerMaterial",       "",       0,   0,  nullptr,                 {},                       Any,       "Материал слоя стены",                                                        "",       M, Sec::WallLayer, "",                    ""}, // layer entry
    {"WallLayerHeatAbsorption", "",       0,   0,  nullptr,                 {},                       Above0,    "Коэффициент теплоусвоения материала слоя стены",                             "s",      M, Sec::WallLayer, kTransmittanceUnit,    ""},
    {"WallLayerConductivity",   "",       0,   0,  nullptr,                 {},                       Above0,    "Коэффициент теплопроводности слоя стены",                                    "λ",      M, Sec::WallLayer, "Вт/(м·°С)",           ""},
    {"WallLayerThickness",      "",       0,   0,  nullptr,                 {},                       Above0,    "Толщина слоя стены",                                                         "δ",      F, Sec::WallLayer, "м",                   ""},
    // Roof
    {"RoofArea",                "0",      0,   0,  nullptr,                 &S::RoofArea,             AtLeast0,  "Площадь покрытия",                                                           "F",      F, Sec::Roof,      "м²",                  ""},
    {"RoofTransmittance",       "0",      0,   0,  nullptr,                 &S::RoofTransmittance,    Any,       "Коэффициент теплопередачи покрытия",                                         "Кпокр",  M, Sec::Roof,      kTransmittanceUnit,    ""},
    {"RoofResistance",          "0",      0,   0,  nullptr,                 &S::RoofResistance,       Any,       "Сопротивление теплопередаче покрытия",                                       "Rпокр",  N, Sec::Roof,      kResistanceUnit,       ""},
    {"RoofAbsorptance",         "0",      0,   0,  nullptr,                 &S::RoofAbsorptance,      ZeroToOne, "Коэффициент поглощения солнечной радиации поверхностью покрытия",            "ρп",     M, Sec::Roof,      "",                    ""},
    {"RoofLayerCount",          "3",      0,   0,  nullptr,                 &S::RoofLayerCount,       Any,       "Количество слоёв в покрытии",                                                "",       N, Sec::Roof,      "",                    ""},
    {"UnderRoofTemp",           "22",     0,   0,  nullptr,                 &S::UnderRoofTemp,        Any,       "Температура воздуха под покрытием",                                          "tпокр",  F, Sec::Roof,      "°С",                  ""},
    {"RoofOuterCoeff",          "13.4231",0,   0,  nullptr,                 {},                       Any,       "Коэффициент теплоотдачи наружной поверхности покрытия",                      "αн",     M, Sec::Roof,      kTransmittanceUnit,    "только показ"}, // shown only: the roof's αн from the wind speed (3.3 at start-up)
    {"RoofLayerNumber",         "1",      0,   0,  nullptr,                 &S::RoofLayerCurrent,     Any,       "Номер слоя покрытия",                                                        "",       M, Sec::RoofLayer, "",                    ""},
    {"RoofLayerMaterial",       "",       0,   0,  nullptr,                 {},                       Any,       "Материал слоя покрытия",                                                     "",       M, Sec::RoofLayer, "",                    ""}, // layer entry
    {"RoofLayerHeatAbsorption", "",       0,   0,  nullptr,                 {},                       Above0,    "Коэффициент теплоусвоения материала слоя покрытия",                          "s",      M, Sec::RoofLayer, kTransmittanceUnit,    ""},
    {"RoofLayerConductivity",   "",       0,   0,  nullptr,                 {},                       Above0,    "Коэффициент теплопроводности слоя покрытия",                                 "λ",      M, Sec::RoofLayer, "Вт/(м·°С)",           ""},
    {"RoofLayerThickness",      "",       0,   0,  nullptr,                 {},                       Above0,    "Толщина слоя покрытия",                                                      "δ",      F, Sec::RoofLayer, "м",                   ""},
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
            if (kInputControls[i].key == kInputControls[j].key) return false;
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

// A control with a range has a name and a symbol to refuse it with.
constexpr bool RangesHaveNames() {
    for (const InputControl& input : kInputControls)
        if (input.range != InputRange::Any && (input.name.empty() || input.symbol.empty())) return false;
    return true;
}
static_assert(RangesHaveNames());

std::string_view Must(NameGender gender) {
    switch (gender) {
        case NameGender::Masculine:
            return "должен";
        case NameGender::Feminine:
            return "должна";
        case NameGender::Neuter:
            return "должно";
    }
    return "должно";
}

// "больше 0", "не меньше 0", ...: the values allowed, empty when the value is one of them.
std::string_view Refusal(InputRange range, Decimal4 value) {
    const Decimal4 zero;
    const Decimal4 one = Decimal4::FromInt(1);
    switch (range) {
        case InputRange::Any:
            return {};
        case InputRange::AboveZero:
            return value > zero ? std::string_view() : "больше 0";
        case InputRange::AtLeastZero:
            return value >= zero ? std::string_view() : "не меньше 0";
        case InputRange::WholeAtLeastOne:
            return value >= one && value.Count() % one.Count() == 0 ? std::string_view() : "целым числом не меньше 1";
        case InputRange::ZeroToOne:
            return value >= zero && value <= one ? std::string_view() : "от 0 до 1";
        case InputRange::TiltFromVertical:
            static_assert(kMaxGlazingTilt == 10, "the refusal below names the largest tilt");
            return value >= zero && value <= Decimal4::FromInt(kMaxGlazingTilt) ? std::string_view() : "от 0 до 10";
    }
    return {};
}

// The row of an input; nullptr for a key not in the table.
const InputControl* FindInput(std::string_view key) {
    for (const InputControl& input : kInputControls)
        if (input.key == key) return &input;
    return nullptr;
}

}  // namespace

const std::array<InputControl, kInputControlCount>& InputControls() { return kInputControls; }

std::string Description(const InputControl& input) {
    std::string text(input.name);
    if (!input.symbol.empty()) (text += ' ') += input.symbol;
    if (!input.unit.empty()) (text += ", ") += input.unit;
    if (!input.note.empty()) ((text += " (") += input.note) += ')';
    return text;
}

const InputControl& InputControlOf(std::string_view key) {
    if (const InputControl* input = FindInput(key)) return *input;
    throw std::out_of_range("unknown input control " + std::string(key));
}

std::string DefaultTextOf(std::string_view key) { return std::string(InputControlOf(key).defaultText); }

const std::array<const InputControl*, kWindowInputCount>& WindowInputs() { return kWindowInputs; }

const std::array<const InputControl*, kHeaderInputCount>& HeaderInputs() { return kHeaderInputs; }

WindowInputTexts DefaultWindowInputTexts() {
    WindowInputTexts texts;
    for (const InputControl* input : kWindowInputs) texts.*input->windowText = input->defaultText;
    return texts;
}

std::string InputName(const InputControl& input) {
    std::string name(input.name);
    if (!input.symbol.empty()) (name += ' ') += input.symbol;
    return name;
}

void CheckInputRange(const InputControl& input, Decimal4 value) {
    const std::string_view allowed = Refusal(input.range, value);
    if (allowed.empty()) return;
    std::string reason(Must(input.gender));
    reason += " быть ";
    reason += allowed;
    reason += " (введено " + FormatDecimal4(value) + ")";
    throw CalcError(reason).RefusingField(input.key, InputName(input), " ", reason);
}

CalcError NamingInput(const CalcError& error, std::string_view key) {
    const InputControl* input = FindInput(key);
    if (input == nullptr || error.Unreadable() == UnreadableText::None) return error.NamingInput(key);
    return error.RefusingField(key, InputName(*input), ": ", error.what());
}

std::string FieldRefusalText(const CalcError& error) {
    const InputControl* input = FindInput(error.Input());
    const std::string prefix = input == nullptr ? std::string() : InputName(*input) + ": ";
    if (error.Unreadable() != UnreadableText::None) return prefix + UnreadableMessage(error.Unreadable(), error.Text());
    if (error.Fault() != ArithmeticFault::None)
        return prefix + "ошибка вычисления (" + std::string(FaultWords(error.Fault())) + ")";
    return error.what();
}

Decimal4 ReadInputValue(const InputControl& input, std::string_view text) {
    const Decimal4 value = ReadingInput(input.key, [text] { return ParseDecimal4(text); });
    CheckInputRange(input, value);
    return value;
}

void StoreStartUpTexts(ProjectState& state) {
    for (const InputControl& input : kInputControls) {
        if (input.defaultText.empty()) continue;
        if (input.field.decimal != nullptr) state.*input.field.decimal = ReadInputValue(input, input.defaultText);
        if (input.field.integer != nullptr) state.*input.field.integer = ParseInteger(input.defaultText);
    }
}

Decimal4 ReadInputValue(std::string_view key, std::string_view text) {
    return ReadInputValue(InputControlOf(key), text);
}
