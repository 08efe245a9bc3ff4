#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "CalcError.h"
#include "Decimal4.h"

// Text conversions between the controls and the stored values. Numbers are
// read with either "." or "," as the decimal separator ("1.5" and "1,5" are
// the same value: engineers type Russian decimal commas) and always written
// with ".", as every default text and saved file has them.

// Blanks, an optional sign, digits with an optional separator ("." or ",")
// and fraction, an optional exponent ("E" or "e", optional sign, digits),
// trailing blanks. At least one digit or the separator comes before the
// exponent, so "." reads as 0; a second separator is refused. The exact
// decimal value is rounded to ten-thousandths, ties to even.
// Failure: a CalcError of UnreadableMessage (UnreadableText::Number, or
// NumberTooLarge for a number beyond the range of Decimal4).
Decimal4 ParseDecimal4(std::string_view text);
// The same reading without an error: empty where ParseDecimal4 fails.
std::optional<Decimal4> TryParseDecimal4(std::string_view text);

// Shortest form: "-" when negative, the integer digits, and only when the
// fraction is not zero "." with one to four digits without trailing zeros.
std::string FormatDecimal4(Decimal4 value);

// Leading blanks, an optional sign, decimal digits, or hexadecimal digits
// after "$", "x", "X", "0x" or "0X"; nothing may follow; the value must fit
// in 32 bits. Failure: a CalcError of UnreadableMessage
// (UnreadableText::WholeNumber, or WholeNumberTooLarge beyond 32 bits).
std::int32_t ParseInteger(std::string_view text);

// Why a text was not read, in Russian: "«abc» — не число", "пусто — введите
// число" (for a text of blanks), "«2.5» — не целое число", "«1e999» —
// слишком большое по модулю число"; a long text is cut after 40 characters.
std::string UnreadableMessage(UnreadableText kind, std::string_view text);

// Plain decimal digits with a leading "-" when negative.
std::string FormatInteger(std::int32_t value);
