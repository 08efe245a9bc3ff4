#include "FloatingPoint.h"

#include <cfenv>

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
    std::uint16_t cw = kExtendedNearest;
    asm volatile("fldcw %0" : : "m"(cw));
    std::fesetround(FE_TONEAREST);
    std::feclearexcept(FE_ALL_EXCEPT);
}

void CheckFloatingPoint() {
    std::uint16_t status;
    asm volatile("fnstsw %0" : "=a"(status));
    if ((status & (kInvalidFlag | kZeroDivideFlag | kOverflowFlag)) == 0) return;
    asm volatile("fnclex");
    if (status & kZeroDivideFlag) throw CalcError(kZeroDivideMessage);
    if (status & kOverflowFlag) throw CalcError(kOverflowMessage);
    throw CalcError(kInvalidOpMessage);
}
