#include "CalcError.h"

namespace {

std::string FaultMessage(ArithmeticFault fault) { return "Ошибка вычисления: " + std::string(FaultWords(fault)); }

}  // namespace

std::string_view FaultWords(ArithmeticFault fault) {
    switch (fault) {
        case ArithmeticFault::InvalidOperation:
            return "недопустимая операция";
        case ArithmeticFault::DivisionByZero:
            return "деление на ноль";
        case ArithmeticFault::Overflow:
            return "переполнение";
        case ArithmeticFault::None:
            break;
    }
    return {};
}

CalcError::CalcError(ArithmeticFault fault) : std::runtime_error(FaultMessage(fault)), fault_(fault) {}

std::string CalcError::FieldMessage() const {
    std::string message = field_;
    if (layer_ != 0) message += " (слой " + std::to_string(layer_) + ")";
    return message + joint_ + reason_;
}

CalcError CalcError::RefusingField(std::string_view key, std::string_view field, std::string_view joint,
                                   std::string_view reason) const {
    CalcError refusal(*this);
    refusal.input_ = key;
    refusal.field_ = field;
    refusal.joint_ = joint;
    refusal.reason_ = reason;
    return CalcError(refusal, refusal.FieldMessage());
}

CalcError CalcError::InLayer(int layer) const {
    if (field_.empty() || layer_ != 0) return *this;
    CalcError inLayer(*this);
    inLayer.layer_ = layer;
    return CalcError(inLayer, inLayer.FieldMessage());
}

CalcError CalcError::AtPlace(std::string_view place) const {
    if (fault_ == ArithmeticFault::None || placed_) return *this;
    CalcError placed(*this, std::string(what()) + " " + std::string(place));
    placed.placed_ = true;
    return placed;
}

std::string ErrorBoxText(const std::string& message) {
    if (message.empty()) return message;
    const auto last = static_cast<unsigned char>(message.back());
    if (last > static_cast<unsigned char>('.')) return message + ".";
    return message;
}
