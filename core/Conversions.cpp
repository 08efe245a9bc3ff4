#include "Conversions.h"

#include <limits>
#include <optional>

#include "CalcError.h"
#include "QuotedText.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

[[noreturn]] void Fail(UnreadableText kind, std::string_view text) {
    throw CalcError(UnreadableMessage(kind, text), kind, text);
}

constexpr unsigned __int128 kCountLimit = static_cast<unsigned __int128>(1) << 63;

enum class Reading { Value, NotNumber, TooLarge };

// The grammar of ParseDecimal4: the value, or why there is none.
Reading ReadDecimal4(std::string_view text, Decimal4& value) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && text[i] == ' ') ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';

    std::string digits;  // integer and fraction digits, leading zeros dropped
    long long fractionLength = 0;
    bool sawMantissa = false;
    while (i < n && IsDigit(text[i])) {
        if (!(digits.empty() && text[i] == '0')) digits += text[i];
        ++i;
        sawMantissa = true;
    }
    if (i < n && (text[i] == '.' || text[i] == ',')) {
        ++i;
        sawMantissa = true;
        while (i < n && IsDigit(text[i])) {
            if (!(digits.empty() && text[i] == '0')) digits += text[i];
            ++fractionLength;
            ++i;
        }
    }
    if (!sawMantissa) return Reading::NotNumber;

    long long exponent = 0;
    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        bool negativeExponent = false;
        if (i < n && (text[i] == '+' || text[i] == '-')) negativeExponent = text[i++] == '-';
        if (i >= n || !IsDigit(text[i])) return Reading::NotNumber;
        while (i < n && IsDigit(text[i])) {
            // Saturate: any exponent this large is out of range or rounds to 0.
            if (exponent < 1000000) exponent = exponent * 10 + (text[i] - '0');
            ++i;
        }
        if (negativeExponent) exponent = -exponent;
    }
    while (i < n && text[i] == ' ') ++i;
    if (i != n) return Reading::NotNumber;
    if (digits.empty()) {
        value = Decimal4();
        return Reading::Value;
    }

    // The value is digits * 10^shift ten-thousandths.
    const long long shift = exponent - fractionLength + 4;
    const long long length = static_cast<long long>(digits.size());
    const long long kept = length + shift;  // digits left of the rounding point
    if (kept > 20) return Reading::TooLarge;

    unsigned __int128 count = 0;
    for (long long k = 0; k < kept; ++k) {
        count = count * 10 + static_cast<unsigned>(k < length ? digits[static_cast<std::size_t>(k)] - '0' : 0);
    }
    if (kept >= 0 && kept < length) {
        // Round the dropped digits half to even. When kept < 0 the whole
        // value lies below a tenth of a ten-thousandth and rounds to 0.
        const int firstDropped = digits[static_cast<std::size_t>(kept)] - '0';
        bool restNonZero = false;
        for (long long k = kept + 1; k < length; ++k) restNonZero |= digits[static_cast<std::size_t>(k)] != '0';
        if (firstDropped > 5 || (firstDropped == 5 && (restNonZero || (count & 1) != 0))) ++count;
    }
    if (count > kCountLimit || (count == kCountLimit && !negative)) return Reading::TooLarge;
    if (negative) {
        value = Decimal4::FromCount(count == kCountLimit ? std::numeric_limits<std::int64_t>::min()
                                                         : -static_cast<std::int64_t>(count));
    } else {
        value = Decimal4::FromCount(static_cast<std::int64_t>(count));
    }
    return Reading::Value;
}

}  // namespace

std::string UnreadableMessage(UnreadableText kind, std::string_view text) {
    const bool blank = text.find_first_not_of(' ') == std::string_view::npos;
    switch (kind) {
        case UnreadableText::Number:
            return blank ? "пусто — введите число" : QuotedText(text) + " — не число";
        case UnreadableText::WholeNumber:
            return blank ? "пусто — введите целое число" : QuotedText(text) + " — не целое число";
        case UnreadableText::NumberTooLarge:
            return QuotedText(text) + " — слишком большое по модулю число";
        case UnreadableText::WholeNumberTooLarge:
            return QuotedText(text) + " — слишком большое по модулю целое число";
        case UnreadableText::None:
            break;
    }
    return {};
}

std::optional<Decimal4> TryParseDecimal4(std::string_view text) {
    Decimal4 value;
    if (ReadDecimal4(text, value) != Reading::Value) return std::nullopt;
    return value;
}

Decimal4 ParseDecimal4(std::string_view text) {
    Decimal4 value;
    switch (ReadDecimal4(text, value)) {
        case Reading::Value:
            return value;
        case Reading::TooLarge:
            Fail(UnreadableText::NumberTooLarge, text);
        case Reading::NotNumber:
            break;
    }
    Fail(UnreadableText::Number, text);
}

std::string FormatDecimal4(Decimal4 value) {
    const std::int64_t count = value.Count();
    unsigned long long magnitude =
        count < 0 ? 0ULL - static_cast<unsigned long long>(count) : static_cast<unsigned long long>(count);
    std::string text = count < 0 ? "-" : "";
    text += std::to_string(magnitude / 10000);
    unsigned long long fraction = magnitude % 10000;
    if (fraction != 0) {
        std::string digits = std::to_string(fraction);
        digits.insert(0, 4 - digits.size(), '0');
        while (digits.back() == '0') digits.pop_back();
        text += "." + digits;
    }
    return text;
}

std::int32_t ParseInteger(std::string_view text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && text[i] == ' ') ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';

    unsigned long long magnitude = 0;
    std::size_t start = i;
    bool hex = false;
    if (i < n && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
        hex = true;
        start = ++i;
    } else if (i + 1 < n && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        hex = true;
        i += 2;
        start = i;
    }
    if (hex) {
        while (i < n) {
            const char c = text[i];
            int d;
            if (IsDigit(c))
                d = c - '0';
            else if (c >= 'a' && c <= 'f')
                d = c - 'a' + 10;
            else if (c >= 'A' && c <= 'F')
                d = c - 'A' + 10;
            else
                break;
            if (magnitude <= 0xFFFFFFFFULL) magnitude = magnitude * 16 + static_cast<unsigned>(d);
            ++i;
        }
    } else {
        while (i < n && IsDigit(text[i])) {
            if (magnitude <= 2147483648ULL) magnitude = magnitude * 10 + static_cast<unsigned>(text[i] - '0');
            ++i;
        }
    }
    if (i == start || i != n) Fail(UnreadableText::WholeNumber, text);
    // Past the limits the digits are read on without their value.
    if (magnitude > (hex ? 0xFFFFFFFFULL : 2147483648ULL)) Fail(UnreadableText::WholeNumberTooLarge, text);
    if (hex) {
        // Hexadecimal digits give the 32-bit pattern ($FFFFFFFF is -1).
        const auto pattern = static_cast<std::int32_t>(static_cast<std::uint32_t>(magnitude));
        return negative ? static_cast<std::int32_t>(0U - static_cast<std::uint32_t>(pattern)) : pattern;
    }
    if (!negative && magnitude > 2147483647ULL) Fail(UnreadableText::WholeNumberTooLarge, text);
    return negative ? static_cast<std::int32_t>(-static_cast<long long>(magnitude))
                    : static_cast<std::int32_t>(magnitude);
}

std::string FormatInteger(std::int32_t value) { return std::to_string(value); }
