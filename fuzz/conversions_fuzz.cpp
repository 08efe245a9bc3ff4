// Any text given to the conversions yields a value or the exact message,
// and a parsed value survives format -> parse unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "CalcError.h"
#include "Conversions.h"

namespace {

// The message as the exception carries it: a C string, so a NUL typed into
// the text ends it. It names what the text is not and keeps the text itself.
bool IsRefusal(const CalcError& e, const std::string& text, UnreadableText notNumber, UnreadableText tooLarge) {
    if (e.Unreadable() != notNumber && e.Unreadable() != tooLarge) return false;
    if (e.Text() != text) return false;
    const std::string full = UnreadableMessage(e.Unreadable(), text);
    return std::string(e.what()) == full.substr(0, full.find('\0'));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        const Decimal4 value = ParseDecimal4(text);
        const std::string shown = FormatDecimal4(value);
        if (ParseDecimal4(shown) != value) std::abort();
        if (FormatDecimal4(ParseDecimal4(shown)) != shown) std::abort();
    } catch (const CalcError& e) {
        if (!IsRefusal(e, text, UnreadableText::Number, UnreadableText::NumberTooLarge)) std::abort();
    }
    try {
        const std::int32_t value = ParseInteger(text);
        if (ParseInteger(FormatInteger(value)) != value) std::abort();
    } catch (const CalcError& e) {
        if (!IsRefusal(e, text, UnreadableText::WholeNumber, UnreadableText::WholeNumberTooLarge)) std::abort();
    }
    return 0;
}
