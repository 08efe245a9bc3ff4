#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

// The one error type of the program. Every failure inside a handler (a text
// that does not parse, a floating-point fault, a file error, a refused input)
// is raised as a CalcError carrying the message the user is shown and, when
// the failure lies in the text of one input control, that control's object
// name, so that the window can focus and mark the field.
class CalcError : public std::runtime_error {
public:
    explicit CalcError(const std::string& message) : std::runtime_error(message) {}
    CalcError(const std::string& message, std::string_view control) : std::runtime_error(message), control_(control) {}

    // "Edit1", "ComboBox1", ...; empty when no single control is at fault.
    const std::string& Control() const { return control_; }

private:
    std::string control_;
};

// Runs `read`, which reads the text of `control`; a CalcError it raises that
// names no control yet is raised again, with the same message, naming it.
template <class Read>
decltype(auto) ReadingControl(std::string_view control, Read&& read) {
    try {
        return read();
    } catch (const CalcError& e) {
        if (!e.Control().empty()) throw;
        throw CalcError(e.what(), control);
    }
}

// The text of the error box: the message with a "." appended unless its last
// character is "." or one that sorts before it. An empty message stays empty.
std::string ErrorBoxText(const std::string& message);

// Messages of the floating-point faults.
inline constexpr const char* kZeroDivideMessage = "Floating point division by zero";
inline constexpr const char* kInvalidOpMessage = "Invalid floating point operation";
inline constexpr const char* kOverflowMessage = "Floating point overflow";
