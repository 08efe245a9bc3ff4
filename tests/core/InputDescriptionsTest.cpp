#include <gtest/gtest.h>

#include <stdexcept>

#include "InputDescriptions.h"

namespace {

TEST(InputDescriptions, EveryInputControlIsDescribedOnce) {
    for (const InputControl& input : InputControls()) {
        SCOPED_TRACE(std::string(input.control));
        int rows = 0;
        for (const InputDescription& d : InputDescriptions()) rows += d.control == input.control ? 1 : 0;
        EXPECT_EQ(rows, 1);
    }
    EXPECT_THROW(InputDescriptionOf("Edit43"), std::out_of_range);
}

TEST(InputDescriptions, TextJoinsNameSymbolUnitAndNote) {
    struct Case {
        const char* control;
        const char* text;
    };
    // clang-format off
    const Case cases[] = {
        {"Edit1",     "Высота окна H, м"},
        {"Edit14",    "Приведённый коэффициент поглощения солнечной радиации ρп"},
        {"ComboBox1", "Северная широта района φ, °"},
        {"Edit33",    "Количество слоёв в стене"},
        {"Edit39",    "Сопротивление Rв.пр. (в расчёте не участвует)"},
    };
    // clang-format on
    for (const Case& c : cases) EXPECT_EQ(InputDescriptionOf(c.control).Text(), c.text) << c.control;
}

}  // namespace
