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

// Refusals say in Russian what the text is not, repeating it as typed.
TEST(ParseDecimal4, RefusesInRussianWithTheTextAsTyped) {
    const std::pair<const char*, const char*> bad[] = {
        {"", "пусто — введите число"},
        {"   ", "пусто — введите число"},
        {"+", "«+» — не число"},
        {"-", "«-» — не число"},
        {"1.5x", "«1.5x» — не число"},
        {"1,5.3", "«1,5.3» — не число"},
        {"1.5,3", "«1.5,3» — не число"},
        {"1,,5", "«1,,5» — не число"},
        {"1,5x", "«1,5x» — не число"},
        {"1e", "«1e» — не число"},
        {"1e+", "«1e+» — не число"},
        {"e5", "«e5» — не число"},
        {"1 .5", "«1 .5» — не число"},
        {"--1", "«--1» — не число"},
        {"1..2", "«1..2» — не число"},
        {"nan", "«nan» — не число"},
        {"\t1", "«\t1» — не число"},
        {"922337203685477.5808", "«922337203685477.5808» — слишком большое по модулю число"},
        {"-922337203685477.5809", "«-922337203685477.5809» — слишком большое по модулю число"},
        {"1E300", "«1E300» — слишком большое по модулю число"},
        {"1e99999999999", "«1e99999999999» — слишком большое по модулю число"},
    };
    for (const auto& [text, message] : bad) {
        SCOPED_TRACE(text);
        EXPECT_EQ(ParseError(text), message);
        EXPECT_FALSE(TryParseDecimal4(text).has_value());
    }
}

TEST(ParseDecimal4, ALongTextIsRepeatedOnlyInPart) {
    const std::string digits(200, '7');
    EXPECT_EQ(ParseError(digits), "«" + digits.substr(0, 40) + "…» — слишком большое по модулю число");
    // Cut between characters, never inside one: 39 letters and a two-byte «ж».
    const std::string word = std::string(39, 'a') + "жжж";
    EXPECT_EQ(ParseError(word), "«" + std::string(39, 'a') + "ж…» — не число");
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

TEST(ParseInteger, RefusesInRussianWithTheTextAsTyped) {
    const std::pair<const char*, const char*> bad[] = {
        {"", "пусто — введите целое число"},
        {" ", "пусто — введите целое число"},
        {"48 ", "«48 » — не целое число"},
        {"4.8", "«4.8» — не целое число"},
        {"$", "«$» — не целое число"},
        {"0x", "«0x» — не целое число"},
        {"4 8", "«4 8» — не целое число"},
        {"abc", "«abc» — не целое число"},
        {"-", "«-» — не целое число"},
        {"99999999999x", "«99999999999x» — не целое число"},
        {"2147483648", "«2147483648» — слишком большое по модулю целое число"},
        {"-2147483649", "«-2147483649» — слишком большое по модулю целое число"},
        {"$100000000", "«$100000000» — слишком большое по модулю целое число"},
        {"99999999999999999999999", "«99999999999999999999999» — слишком большое по модулю целое число"},
    };
    for (const auto& [text, message] : bad) {
        SCOPED_TRACE(text);
        try {
            ParseInteger(text);
            ADD_FAILURE() << "accepted";
        } catch (const CalcError& e) {
            EXPECT_EQ(std::string(e.what()), message);
            EXPECT_EQ(e.Text(), text);
        }
    }
}

TEST(FormatInteger, PlainDigits) {
    EXPECT_EQ(FormatInteger(48), "48");
    EXPECT_EQ(FormatInteger(-3), "-3");
}

// A fault says its kind in Russian and, once, where it arose; a refusal of a
// layer's field says the layer. Other errors pass both unchanged.
TEST(CalcError, FaultsTakeTheirFirstPlaceAndFieldsTheirLayer) {
    const CalcError fault(ArithmeticFault::Overflow);
    EXPECT_STREQ(fault.what(), "Ошибка вычисления: переполнение");
    const CalcError placed = fault.AtPlace("при расчёте стены З, 14-15").AtPlace("при расчёте стены");
    EXPECT_STREQ(placed.what(), "Ошибка вычисления: переполнение при расчёте стены З, 14-15");
    EXPECT_EQ(placed.Fault(), ArithmeticFault::Overflow);
    EXPECT_STREQ(CalcError("Не введён слой 2 стены").AtPlace("при расчёте стены").what(), "Не введён слой 2 стены");

    const CalcError field =
        CalcError("x").RefusingField("WallLayerThickness", "Толщина слоя стены δ", ": ", "«x» — не число");
    EXPECT_STREQ(field.InLayer(2).InLayer(3).what(), "Толщина слоя стены δ (слой 2): «x» — не число");
    EXPECT_EQ(field.InLayer(2).Layer(), 2);
    EXPECT_EQ(field.InLayer(2).ReasonOrMessage(), "«x» — не число");
    EXPECT_STREQ(fault.InLayer(2).what(), "Ошибка вычисления: переполнение");
    EXPECT_EQ(fault.ReasonOrMessage(), "Ошибка вычисления: переполнение");
}

TEST(CalcError, AtPlaceOfFaultPlacesOnlyFaults) {
    const auto messageOf = [](auto body) -> std::string {
        try {
            AtPlaceOfFault([] { return std::string("при расчёте окна Ю, 12-13"); }, body);
        } catch (const CalcError& e) {
            return e.what();
        }
        return "";
    };
    EXPECT_EQ(messageOf([] { throw CalcError(ArithmeticFault::DivisionByZero); }),
              "Ошибка вычисления: деление на ноль при расчёте окна Ю, 12-13");
    EXPECT_EQ(messageOf([] { throw CalcError("Широта должна быть от 40 до 60"); }), "Широта должна быть от 40 до 60");
    EXPECT_EQ(AtPlaceOfFault([] { return std::string("нигде"); }, [] { return 7; }), 7);
}

TEST(ErrorBoxText, AppendsAFullStopUnlessTheMessageEndsWithOneOrLower) {
    EXPECT_EQ(ErrorBoxText("Ошибка вычисления: деление на ноль"), "Ошибка вычисления: деление на ноль.");
    EXPECT_EQ(ErrorBoxText("«x» — не число"), "«x» — не число.");
    EXPECT_EQ(ErrorBoxText("Done."), "Done.");
    EXPECT_EQ(ErrorBoxText("value -"), "value -");
    EXPECT_EQ(ErrorBoxText("ends with blank "), "ends with blank ");
    EXPECT_EQ(ErrorBoxText("Широта должна быть от 40 до 60"), "Широта должна быть от 40 до 60.");
    EXPECT_EQ(ErrorBoxText(""), "");
}

}  // namespace
