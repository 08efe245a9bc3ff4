#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <stdexcept>
#include <string>

#include "CalcError.h"
#include "Conversions.h"
#include "InputControls.h"

namespace {

// Where the windows page's reading and the project file header part ways.
TEST(InputControls, ReadingOrderAndHeaderLines) {
    struct Case {
        const char* control;
        int read;  // 0: not read by the windows page
        int line;  // 0: not saved
    };
    // clang-format off
    const Case cases[] = {
        {"Latitude",  1,  1},
        {"WindowHeight",      2,  2},
        {"WindowOuterCoeff",    15, 15},
        {"EnvelopeOuterCoeff",    16,  0},
        {"GlazingTilt",    17, 16},
        {"FrameShading",    18, 17},
        {"WindowCount",      0, 18},
        {"WindSpeed",     19, 19},
        {"RoofOuterCoeff",     0,  0},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control);
        const InputControl& input = InputControlOf(c.control);
        EXPECT_EQ(input.readOrder, c.read);
        EXPECT_EQ(input.headerLine, c.line);
        if (c.read != 0) {
            EXPECT_EQ(WindowInputs()[static_cast<std::size_t>(c.read - 1)], &input);
        }
        if (c.line != 0) {
            EXPECT_EQ(HeaderInputs()[static_cast<std::size_t>(c.line - 1)], &input);
        }
    }
}

TEST(InputControls, StateFieldsOfTheWindowInputs) {
    EXPECT_EQ(InputControlOf("Latitude").field.integer, &ProjectState::Latitude);
    EXPECT_EQ(InputControlOf("GlazingArea").field.decimal, &ProjectState::GlazingArea);
    EXPECT_EQ(InputControlOf("GlazingArea").windowText, &WindowInputTexts::GlazingArea);
    EXPECT_EQ(InputControlOf("WindowCount").field.decimal, nullptr);
    EXPECT_EQ(InputControlOf("WindowCount").field.integer, nullptr);
}

// One row per range: the value just outside is refused in Russian, naming
// the field, its symbol, the values allowed and the value; the value on the
// boundary passes.
TEST(InputControls, RangeRefusals) {
    struct Case {
        const char* control;
        const char* outside;
        const char* boundary;
        const char* message;
    };
    // clang-format off
    const Case cases[] = {
        {"WindowHeight",  "-1.5",    "0.0001", "Высота окна Н должна быть больше 0 (введено -1.5)"},
        {"WindowWidth",  "0",       "0.0001", "Ширина окна В должна быть больше 0 (введено 0)"},
        {"ShadeHorizLength",  "-0.0001", "0",      "Длина горизонтальных элементов затенения Lг должна быть не меньше 0 (введено -0.0001)"},
        {"ShadeVertLength",  "-0.3",    "0",      "Длина вертикальных элементов затенения Lв должна быть не меньше 0 (введено -0.3)"},
        {"ShadeHorizOffset", "-1.5",    "0",      "Расстояние от горизонтального элемента затенения до откоса а должно быть не меньше 0 (введено -1.5)"},
        {"ShadeVertOffset", "-0.0001", "0",      "Расстояние от вертикального элемента затенения до откоса с должно быть не меньше 0 (введено -0.0001)"},
        {"OutdoorAmplitude", "-0.0001", "0",      "Суточная амплитуда температуры наружного воздуха Аtн должна быть не меньше 0 (введено -0.0001)"},
        {"RelativePenetration", "1.2",     "1",      "Коэффициент относительного проникания солнечной радиации Котн должен быть от 0 до 1 (введено 1.2)"},
        {"GlazingAbsorptance", "-0.0001", "0",      "Приведённый коэффициент поглощения солнечной радиации ρп должен быть от 0 до 1 (введено -0.0001)"},
        {"GlazingResistance", "0",       "0.0001", "Сопротивление теплопередаче заполнения светового проёма Rп должно быть больше 0 (введено 0)"},
        {"GlazingArea", "-3",      "0.0001", "Площадь световых проёмов Fп должна быть больше 0 (введено -3)"},
        {"FrameShading", "1.0001",  "1",      "Коэффициент затенения светового проёма переплётами τ₂ должен быть от 0 до 1 (введено 1.0001)"},
        {"WindSpeed",  "-1",      "0",      "Скорость ветра V должна быть не меньше 0 (введено -1)"},
        {"WindowCount",  "0.9999",  "1",      "Количество однотипных окон n должно быть целым числом не меньше 1 (введено 0.9999)"},
        {"GlazingTilt", "10.0001", "10",     "Угол отклонения остекления от вертикали β' должен быть от 0 до 10 (введено 10.0001)"},
        {"WindowOuterCoeff", "0",       "0.0001", "Коэффициент теплоотдачи наружной поверхности вертикального окна αн должен быть больше 0 (введено 0)"},
        {"EnvelopeOuterCoeff", "-1",      "0.0001", "Коэффициент теплоотдачи наружной поверхности горизонтального окна и покрытия αн должен быть больше 0 (введено -1)"},
        {"WallArea",  "-10",     "0",      "Площадь стены F должна быть не меньше 0 (введено -10)"},
        {"WallAbsorptance", "1.0001",  "0",      "Коэффициент поглощения солнечной радиации поверхностью стены ρст должен быть от 0 до 1 (введено 1.0001)"},
        {"RoofArea", "-0.0001", "0",      "Площадь покрытия F должна быть не меньше 0 (введено -0.0001)"},
        {"RoofAbsorptance", "-0.7",    "1",      "Коэффициент поглощения солнечной радиации поверхностью покрытия ρп должен быть от 0 до 1 (введено -0.7)"},
        {"WallLayerHeatAbsorption", "0",       "0.0001", "Коэффициент теплоусвоения материала слоя стены s должен быть больше 0 (введено 0)"},
        {"WallLayerConductivity", "-0.81",   "0.0001", "Коэффициент теплопроводности слоя стены λ должен быть больше 0 (введено -0.81)"},
        {"WallLayerThickness", "0",       "0.0001", "Толщина слоя стены δ должна быть больше 0 (введено 0)"},
        {"RoofLayerHeatAbsorption", "-9.2",    "0.0001", "Коэффициент теплоусвоения материала слоя покрытия s должен быть больше 0 (введено -9.2)"},
        {"RoofLayerConductivity", "0",       "0.0001", "Коэффициент теплопроводности слоя покрытия λ должен быть больше 0 (введено 0)"},
        {"RoofLayerThickness", "-0.0001", "0.0001", "Толщина слоя покрытия δ должна быть больше 0 (введено -0.0001)"},
    };
    // clang-format on
    int ranged = 0;
    for (const InputControl& input : InputControls()) ranged += input.range != InputRange::Any;
    EXPECT_EQ(ranged, static_cast<int>(std::size(cases)));  // every range has its row
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control);
        const InputControl& input = InputControlOf(c.control);
        try {
            ReadInputValue(input, c.outside);
            ADD_FAILURE() << "accepted";
        } catch (const CalcError& e) {
            EXPECT_STREQ(e.what(), c.message);
            EXPECT_EQ(e.Input(), c.control);
        }
        EXPECT_EQ(ReadInputValue(c.control, c.boundary), ParseDecimal4(c.boundary));
    }
}

// The ranges with a second edge or a grain: the other end of the tilt, and
// the window count, a whole number.
TEST(InputControls, TiltAndWindowCountEdges) {
    struct Case {
        const char* control;
        const char* text;
        bool accepted;
    };
    // clang-format off
    const Case cases[] = {
        {"GlazingTilt", "0",               true},
        {"GlazingTilt", "-0.0001",         false},
        {"GlazingTilt", "9.9999",          true},
        {"GlazingTilt", "60",              false},
        {"GlazingTilt", "100000000000000", false},
        {"WindowCount",  "2",               true},
        {"WindowCount",  "1,5",             false},
        {"WindowCount",  "2.0001",          false},
        {"WindowCount",  "1000",            true},
        {"WindowCount",  "",                false},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.control) + " «" + c.text + "»");
        try {
            const Decimal4 value = ReadInputValue(c.control, c.text);
            EXPECT_TRUE(c.accepted) << "accepted";
            EXPECT_EQ(value, ParseDecimal4(c.text));
        } catch (const CalcError& e) {
            EXPECT_FALSE(c.accepted) << e.what();
            EXPECT_EQ(e.Input(), c.control);
        }
    }
}

TEST(InputControls, ReadingATextNamesItsControl) {
    // A text that does not parse says so after the field's name and names the control;
    // decimal commas read as points; a control without a range takes any value.
    try {
        ReadInputValue("OutdoorMeanTemp", "22,5x");
        ADD_FAILURE() << "accepted";
    } catch (const CalcError& e) {
        EXPECT_STREQ(e.what(), "Средняя температура наружного воздуха tн.ср: «22,5x» — не число");
        EXPECT_EQ(e.Input(), "OutdoorMeanTemp");
        EXPECT_EQ(e.Reason(), "«22,5x» — не число");
    }
    EXPECT_EQ(ReadInputValue("OutdoorMeanTemp", "-22,5"), ParseDecimal4("-22.5"));
    EXPECT_EQ(CalcError("no control").Input(), "");
}

// The refusal a field shows beside itself, in Russian and naming the field;
// other Russian refusals stay.
TEST(InputControls, FieldRefusalTexts) {
    const auto refusalOf = [](const std::function<void()>& read) -> std::string {
        try {
            read();
        } catch (const CalcError& e) {
            return FieldRefusalText(e);
        }
        return "(not refused)";
    };
    struct Case {
        const char* name;
        std::function<void()> read;
        const char* text;
    };
    // clang-format off
    const Case cases[] = {
        {"a lone minus in H",   [] { ReadInputValue("WindowHeight", "-"); },                          "Высота окна Н: «-» — не число"},
        {"an empty Kотн",       [] { ReadInputValue("RelativePenetration", ""); },                          "Коэффициент относительного проникания солнечной радиации Котн: пусто — введите число"},
        {"an emptied count",    [] { ReadingInput("WallLayerCount", [] { return ParseInteger(""); }); }, "Количество слоёв в стене: пусто — введите целое число"},
        {"a letter in a count", [] { ReadingInput("RoofLayerCount", [] { return ParseInteger("3a"); }); }, "Количество слоёв в покрытии: «3a» — не целое число"},
        {"a range refusal",     [] { ReadInputValue("WindowHeight", "-1.5"); },                       "Высота окна Н должна быть больше 0 (введено -1.5)"},
        {"a fault in a field",  [] { throw CalcError(ArithmeticFault::DivisionByZero).NamingInput("WallLayerConductivity"); }, "Коэффициент теплопроводности слоя стены λ: ошибка вычисления (деление на ноль)"},
        {"no field",            [] { ParseDecimal4("x"); },                                    "«x» — не число"},
        {"a Russian message",   [] { throw CalcError("Номер слоя должен быть от 1 до 50", "WallLayerNumber"); }, "Номер слоя должен быть от 1 до 50"},
    };
    // clang-format on
    for (const Case& c : cases) EXPECT_EQ(refusalOf(c.read), c.text) << c.name;
}

TEST(InputControls, AFieldNamedAfterwardsKeepsWhatWasUnreadable) {
    try {
        ReadingInput("WallLayerNumber", [] { return ParseInteger(" 7x"); });
        ADD_FAILURE() << "accepted";
    } catch (const CalcError& e) {
        EXPECT_STREQ(e.what(), "Номер слоя стены: « 7x» — не целое число");
        EXPECT_EQ(e.Input(), "WallLayerNumber");
        EXPECT_EQ(e.Unreadable(), UnreadableText::WholeNumber);
        EXPECT_EQ(e.Text(), " 7x");
    }
}

TEST(InputControls, DescriptionJoinsNameSymbolUnitAndNote) {
    struct Case {
        const char* control;
        const char* text;
    };
    // clang-format off
    const Case cases[] = {
        {"WindowHeight",     "Высота окна Н, м"},
        {"GlazingAbsorptance",    "Приведённый коэффициент поглощения солнечной радиации ρп"},
        {"Latitude", "Северная широта района φ, °"},
        {"WallLayerCount",    "Количество слоёв в стене"},
        {"WallInnerResistance",    "Сопротивление Rв.пр. (в расчёте не участвует)"},
    };
    // clang-format on
    for (const Case& c : cases) EXPECT_EQ(Description(InputControlOf(c.control)), c.text) << c.control;
}

// The inputs are known by their keys; a control's name is not one.
TEST(InputControls, AnUnknownKeyIsRefused) {
    EXPECT_THROW(InputControlOf("Edit1"), std::out_of_range);
    EXPECT_THROW(DefaultTextOf(""), std::out_of_range);
}

}  // namespace
