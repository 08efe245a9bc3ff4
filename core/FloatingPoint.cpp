#include "FloatingPoint.h"

#include "CalcError.h"

namespace {

// x87 control word: all exceptions masked (0x3F), 64-bit significand
// (precision control 11b), round to nearest (rounding control 00b).
constexpr std::uint16_t kExtendedNearest = 0x037F;

// Bits of the x87 status word.
constexpr std::uint16_t kInvalidFlag = 0x0001;
constexpr std::uint16_t kZeroDivideFlag = 0x0004;
constexpr std::uint16_t kOverflowFlag = 0x0008;

}  // namespace

void BeginComputation() {
    // The formulas run on the x87 unit alone: its control word and flags are
    // the ones that matter.
    std::uint16_t cw = kExtendedNearest;
    asm volatile("fldcw %0\n\tfnclex" : : "m"(cw));
}

void CheckFloatingPoint() {
    std::uint16_t status;
    asm volatile("fnstsw %0" : "=a"(status));
    if ((status & (kInvalidFlag | kZeroDivideFlag | kOverflowFlag)) == 0) return;
    asm volatile("fnclex");
    if (status & kZeroDivideFlag) throw CalcError(ArithmeticFault::DivisionByZero);
    if (status & kOverflowFlag) throw CalcError(ArithmeticFault::Overflow);
    throw CalcError(ArithmeticFault::InvalidOperation);
}
