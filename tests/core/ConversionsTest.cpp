#include <gtest/gtest.h>

#include <string>

#include "CalcError.h"
#include "Conversions.h"

namespace {

std::string ParseError(const std::string& text) {
    try {
        ParseDecimal4(text);
    } catch (const CalcError& e) {
        return e.what();
    }
    return "parsed";
}

struct ParseCase {
    const char* text;
    std::int64_t count;
};

TEST(ParseDecimal4, AcceptsTheGrammar) {
    const ParseCase cases[] = {
        {"1.5", 15000},
        {"+1.5", 15000},
        {"15E-1", 15000},
        {"1.50000", 15000},
        {"  1.5", 15000},
        {"1.5  ", 15000},
        {"1.", 10000},
        {".5", 5000},
        {".", 0},
        {"-0.25", -2500},
        {"0.00005", 0},
        {"0.00015", 2},
        {"0.12345", 1234},
        {"0.12355", 1236},
        {"0.00025", 2},
        {"0.000250001", 3},
        {"-0.00015", -2},
        {"1e3", 10000000},
        {"2.5E+2", 2500000},
        {"007", 70000},
        {"0.000049999", 0},
        {"1E-30", 0},
        {"26.8724", 268724},
        {"-.5e1", -50000},
        {"922337203685477.5807", 9223372036854775807LL},
        {"-922337203685477.5808", static_cast<std::int64_t>(-9223372036854775807LL - 1)},
        // The decimal comma reads as the point does.
        {"1,5", 15000},
        {"-0,25", -2500},
        {"1,5E2", 1500000},
        {"1,", 10000},
        {",5", 5000},
        {",", 0},
        {"0,12355", 1236},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ParseDecimal4(c.text).Count(), c.count);
        EXPECT_EQ(TryParseDecimal4(c.text), ParseDecimal4(c.text));
    }
}

TEST(ParseDecimal4, RefusesWithTheTextAsTyped) {
    const char* bad[] = {"",
                         "   ",
                         "+",
                         "-",
                         "1.5x",
                         "1,5.3",
                         "1.5,3",
                         "1,,5",
                         "1,5x",
                         "1e",
                         "1e+",
                         "e5",
                         "1 .5",
                         "--1",
                         "1..2",
                         "922337203685477.5808",
                         "-922337203685477.5809",
                         "1E300",
                         "\t1"};
    for (const char* text : bad) {
        SCOPED_TRACE(text);
        EXPECT_EQ(ParseError(text), "'" + std::string(text) + "' is not a valid floating point value");
        EXPECT_FALSE(TryParseDecimal4(text).has_value());
    }
}

TEST(FormatDecimal4, WritesTheShortestForm) {
    const ParseCase cases[] = {
        {"12.5", 125000}, {"-0.5", -5000},
        {"100", 1000000}, {"26.87", 268700},
        {"3", 30000},     {"0.5", 5000},
        {"-0.25", -2500}, {"0", 0},
        {"0.0001", 1},    {"-922337203685477.5808", static_cast<std::int64_t>(-9223372036854775807LL - 1)}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(FormatDecimal4(Decimal4::FromCount(c.count)), c.text);
    }
}

TEST(ParseInteger, AcceptsDecimalAndHexadecimal) {
    const std::pair<const char*, std::int32_t> cases[] = {
        {"48", 48},
        {"  48", 48},
        {"+48", 48},
        {"-7", -7},
        {"$30", 48},
        {"x30", 48},
        {"X30", 48},
        {"0x30", 48},
        {"0X3a", 58},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"$FFFFFFFF", -1},
        {"0", 0},
        {"00052", 52},
    };
    for (const auto& [text, value] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(ParseInteger(text), value);
    }
}

TEST(ParseInteger, RefusesWithTheTextAsTyped) {
    const char* bad[] = {"",  " ",  "48 ",        "4.8", "2147483648", "-2147483649",
                         "$", "0x", "$100000000", "4 8", "abc",        "-"};
    for (const char* text : bad) {
        SCOPED_TRACE(text);
        try {
            ParseInteger(text);
            ADD_FAILURE() << "accepted";
        } catch (const CalcError& e) {
            EXPECT_EQ(std::string(e.what()), "'" + std::string(text) + "' is not a valid integer value");
        }
    }
}

TEST(FormatInteger, PlainDigits) {
    EXPECT_EQ(FormatInteger(48), "48");
    EXPECT_EQ(FormatInteger(-3), "-3");
}

TEST(ErrorBoxText, AppendsAFullStopUnlessTheMessageEndsWithOneOrLower) {
    EXPECT_EQ(ErrorBoxText("Floating point division by zero"), "Floating point division by zero.");
    EXPECT_EQ(ErrorBoxText("'x' is not a valid floating point value"), "'x' is not a valid floating point value.");
    EXPECT_EQ(ErrorBoxText("Done."), "Done.");
    EXPECT_EQ(ErrorBoxText("value -"), "value -");
    EXPECT_EQ(ErrorBoxText("ends with blank "), "ends with blank ");
    EXPECT_EQ(ErrorBoxText("Широта должна быть от 40 до 60"), "Широта должна быть от 40 до 60.");
    EXPECT_EQ(ErrorBoxText(""), "");
}

}  // namespace
