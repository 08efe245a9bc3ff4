#include <gtest/gtest.h>

#include <stdexcept>

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
        {"ComboBox1",  1,  1},
        {"Edit1",      2,  2},
        {"Edit18",    15, 15},
        {"Edit42",    16,  0},
        {"Edit19",    17, 16},
        {"Edit16",    18, 17},
        {"Edit3",      0, 18},
        {"Edit5",     19, 19},
        {"Edit41",     0,  0},
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
    EXPECT_EQ(InputControlOf("ComboBox1").field.integer, &ProjectState::Latitude);
    EXPECT_EQ(InputControlOf("Edit17").field.decimal, &ProjectState::GlazingArea);
    EXPECT_EQ(InputControlOf("Edit17").windowText, &WindowInputTexts::GlazingArea);
    EXPECT_EQ(InputControlOf("Edit3").field.decimal, nullptr);
    EXPECT_EQ(InputControlOf("Edit3").field.integer, nullptr);
}

TEST(InputControls, AnUnknownControlIsRefused) {
    EXPECT_THROW(InputControlOf("Edit43"), std::out_of_range);
    EXPECT_THROW(DefaultTextOf(""), std::out_of_range);
}

}  // namespace
