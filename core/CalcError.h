#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

// What a text conversion could not read: a number (ParseDecimal4) or a whole
// number (ParseInteger); None for every other failure.
enum class UnreadableText : std::uint8_t { None, Number, WholeNumber };

// The one error type of the program. Every failure inside a handler (a text
// that does not parse, a floating-point fault, a file error, a refused input)
// is raised as a CalcError carrying the message the user is shown and, when
// the failure lies in the text of one input control, that control's object
// name, so that the window can focus and mark the field. A text that did not
// convert also carries what it should have been and the text itself, so that
// the field can say so in Russian beside the message of the conversions.
class CalcError : public std::runtime_error {
public:
    explicit CalcError(const std::string& message) : std::runtime_error(message) {}
    CalcError(const std::string& message, std::string_view control) : std::runtime_error(message), control_(control) {}
    // A text the conversions could not read, with their message.
    CalcError(const std::string& message, UnreadableText kind, std::string_view text)
        : std::runtime_error(message), unreadable_(kind), text_(text) {}

    // "Edit1", "ComboBox1", ...; empty when no single control is at fault.
    const std::string& Control() const { return control_; }
    // The same error, message and all, naming `control`.
    CalcError NamingControl(std::string_view control) const {
        CalcError named(*this);
        named.control_ = control;
        return named;
    }
    UnreadableText Unreadable() const { return unreadable_; }
    // The text that could not be read; empty for other failures.
    const std::string& Text() const { return text_; }

private:
    std::string control_;
    UnreadableText unreadable_ = UnreadableText::None;
    std::string text_;
};

// Runs `read`, which reads the text of `control`; a CalcError it raises that
// names no control yet is raised again, as it was, naming it.
template <class Read>
decltype(auto) ReadingControl(std::string_view control, Read&& read) {
    try {
        return read();
    } catch (const CalcError& e) {
        if (!e.Control().empty()) throw;
        throw e.NamingControl(control);
    }
}

// The text of the error box: the message with a "." appended unless its last
// character is "." or one that sorts before it. An empty message stays empty.
std::string ErrorBoxText(const std::string& message);

// Messages of the floating-point faults.
inline constexpr const char* kZeroDivideMessage = "Floating point division by zero";
inline constexpr const char* kInvalidOpMessage = "Invalid floating point operation";
inline constexpr const char* kOverflowMessage = "Floating point overflow";
