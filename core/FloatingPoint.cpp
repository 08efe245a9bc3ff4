#include "FloatingPoint.h"

#include <cfenv>
#include <cstdint>

#include "CalcError.h"

namespace {

// x87 control word: all exceptions masked (0x3F), 64-bit significand
// (precision control 11b), round to nearest (rounding control 00b).
constexpr std::uint16_t kExtendedNearest = 0x037F;

}  // namespace

void BeginComputation() {
    std::uint16_t cw = kExtendedNearest;
    asm volatile("fldcw %0" : : "m"(cw));
    std::fesetround(FE_TONEAREST);
    std::feclearexcept(FE_ALL_EXCEPT);
}

void CheckFloatingPoint() {
    const int raised = std::fetestexcept(FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID);
    if (raised == 0) return;
    std::feclearexcept(FE_ALL_EXCEPT);
    if (raised & FE_DIVBYZERO) throw CalcError(kZeroDivideMessage);
    if (raised & FE_OVERFLOW) throw CalcError(kOverflowMessage);
    throw CalcError(kInvalidOpMessage);
}

long double X87Sin(long double x) {
    long double r;
    asm("fsin" : "=t"(r) : "0"(x));
    return r;
}

long double X87Cos(long double x) {
    long double r;
    asm("fcos" : "=t"(r) : "0"(x));
    return r;
}

long double X87Atan(long double x) {
    // fpatan computes atan(st1 / st0) and pops; st0 = 1, st1 = x.
    long double r;
    asm("fld1\n\tfpatan" : "=t"(r) : "0"(x));
    return r;
}

long double X87Sqrt(long double x) {
    long double r;
    asm("fsqrt" : "=t"(r) : "0"(x));
    return r;
}

long double X87Ln(long double x) {
    // ln x = ln 2 * log2 x: fldln2 pushes ln 2, fyl2x computes st1 * log2(st0).
    long double r;
    asm("fldln2\n\tfxch %%st(1)\n\tfyl2x" : "=t"(r) : "0"(x));
    return r;
}

long double X87Exp(long double x) {
    // e^x = 2^(x * log2 e), split into an integer and a fractional power of 2:
    // f2xm1 takes the fraction (|f| <= 1), fscale applies the integer part.
    long double r;
    asm("fldl2e\n\t"
        "fmulp\n\t"  // st0 = x * log2 e
        "fld %%st(0)\n\t"
        "frndint\n\t"              // st0 = n, st1 = y
        "fsubr %%st, %%st(1)\n\t"  // st1 = y - n
        "fxch %%st(1)\n\t"         // st0 = f, st1 = n
        "f2xm1\n\t"
        "fld1\n\t"
        "faddp\n\t"  // st0 = 2^f, st1 = n
        "fscale\n\t"
        "fstp %%st(1)"
        : "=t"(r)
        : "0"(x));
    return r;
}
