#include "CalcError.h"

std::string ErrorBoxText(const std::string& message) {
    if (message.empty()) return message;
    const auto last = static_cast<unsigned char>(message.back());
    if (last > static_cast<unsigned char>('.')) return message + ".";
    return message;
}
