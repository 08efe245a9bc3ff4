#pragma once

#include <stdexcept>
#include <string>

// The one error type of the program. Every failure inside a handler (a text
// that does not parse, a floating-point fault, a file error, a refused input)
// is raised as a CalcError carrying the message the user is shown.
class CalcError : public std::runtime_error {
public:
    explicit CalcError(const std::string& message) : std::runtime_error(message) {}
};

// The text of the error box: the message with a "." appended unless its last
// character is "." or one that sorts before it. An empty message stays empty.
std::string ErrorBoxText(const std::string& message);

// Messages of the floating-point faults.
inline constexpr const char* kZeroDivideMessage = "Floating point division by zero";
inline constexpr const char* kInvalidOpMessage = "Invalid floating point operation";
inline constexpr const char* kOverflowMessage = "Floating point overflow";
