#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

// What a text conversion could not read: a number (ParseDecimal4) or a whole
// number (ParseInteger), each either not written as one or beyond what can be
// stored; None for every other failure.
enum class UnreadableText : std::uint8_t { None, Number, WholeNumber, NumberTooLarge, WholeNumberTooLarge };

// A floating-point fault of a computation; None for every other failure.
enum class ArithmeticFault : std::uint8_t { None, InvalidOperation, DivisionByZero, Overflow };

// The fault in Russian words: "недопустимая операция", "деление на ноль",
// "переполнение"; empty for None.
std::string_view FaultWords(ArithmeticFault fault);

// The one error type of the program. Every failure inside a handler (a text
// that does not parse, a floating-point fault, a file error, a refused input)
// is raised as a CalcError carrying the message the user is shown and, when
// the failure lies in the text of one input, that input's key, so that the
// window can focus and mark its field. A text that did not
// convert also carries what it should have been and the text itself; a
// refusal of a field keeps the field's name and the reason apart, so that the
// command-line tool can say them with the key of its document; a
// floating-point fault carries its kind and, once known, where it arose.
class CalcError : public std::runtime_error {
public:
    explicit CalcError(const std::string& message) : std::runtime_error(message) {}
    CalcError(const std::string& message, std::string_view input) : std::runtime_error(message), input_(input) {}
    // A text the conversions could not read, with their message.
    CalcError(const std::string& message, UnreadableText kind, std::string_view text)
        : std::runtime_error(message), unreadable_(kind), text_(text) {}
    // A floating-point fault: "Ошибка вычисления: деление на ноль".
    explicit CalcError(ArithmeticFault fault);

    // The key of the input at fault: "WindowHeight", "Latitude", ...; empty
    // when no single input is at fault.
    const std::string& Input() const { return input_; }
    // The same error, message and all, naming the input `input`.
    CalcError NamingInput(std::string_view input) const {
        CalcError named(*this);
        named.input_ = input;
        return named;
    }
    UnreadableText Unreadable() const { return unreadable_; }
    // The text that could not be read; empty for other failures.
    const std::string& Text() const { return text_; }
    ArithmeticFault Fault() const { return fault_; }

    // A refusal of the text of one field, its message made of the field's
    // name and symbol, the joint and the reason: "Высота окна Н: «abc» — не
    // число" (joint ": "), "Высота окна Н должна быть больше 0 (введено -1)"
    // (joint " "). Field() and Reason() are empty for any other error.
    const std::string& Field() const { return field_; }
    const std::string& Reason() const { return reason_; }
    // What is refused, without the field's name: Reason(), or the whole
    // message of an error that names no field.
    std::string ReasonOrMessage() const { return reason_.empty() ? std::string(what()) : reason_; }
    // The same error as the refusal of the input `key`, named `field`, for `reason`.
    CalcError RefusingField(std::string_view key, std::string_view field, std::string_view joint,
                            std::string_view reason) const;
    // The layer 1..50 of a construction whose figure was refused; 0 for none.
    int Layer() const { return layer_; }
    // The same refusal of a field of layer `layer`: "Толщина слоя стены δ
    // (слой 2): «x» — не число". Any other error stays as it is.
    CalcError InLayer(int layer) const;

    // The same fault, said where it arose: "Ошибка вычисления: деление на ноль
    // при расчёте окна Ю, 12-13". Only the first place counts (the innermost
    // step that knows one); any other error stays as it is.
    CalcError AtPlace(std::string_view place) const;

private:
    CalcError(const CalcError& from, const std::string& message) : CalcError(from) {
        static_cast<std::runtime_error&>(*this) = std::runtime_error(message);
    }
    std::string FieldMessage() const;

    std::string input_;
    UnreadableText unreadable_ = UnreadableText::None;
    std::string text_;
    ArithmeticFault fault_ = ArithmeticFault::None;
    bool placed_ = false;
    std::string field_;
    std::string joint_;
    std::string reason_;
    int layer_ = 0;
};

// Runs `body`; a floating-point fault it raises without a place yet is raised
// again, said where it arose: `place()` gives "при расчёте окна Ю, 12-13" and
// is asked only then. Nothing else changes: no check is added to the body.
template <class Body, class Place>
decltype(auto) AtPlaceOfFault(Place&& place, Body&& body) {
    try {
        return body();
    } catch (const CalcError& e) {
        if (e.Fault() == ArithmeticFault::None) throw;
        throw e.AtPlace(place());
    }
}

// The text of the error box: the message with a "." appended unless its last
// character is "." or one that sorts before it. An empty message stays empty.
std::string ErrorBoxText(const std::string& message);
